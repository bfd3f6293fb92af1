#pragma once
// The phaser command.
#include "state/Game.h"

namespace kv {

// Fires the phaser plan (PhaserPlan). An empty plan is refused (KVBASIC0028) and costs nothing.
// Otherwise the game windows are disabled, the hostiles fire first (HitShip; the action stops
// if the ship is lost or the game has ended), then the plan is fired (PhaserVolley).
void FirePhasers(Game& g);

// The shots of the phaser plan, in order, once the hostiles have fired:
//  - an entry that cannot be read is skipped; one whose amount is below 1 or above the free
//    energy is refused (KVBASIC0030); the rest take their energy;
//  - a shot at a Zarvoni ship follows it when it has moved, if the tracking succeeds (three
//    draws: row and column tolerance, and any distance; the long-range sensors' level helps,
//    damaged short-range sensors hurt); a ship lost to the tracking, the own ship as target
//    and a Morv entry without the Morv ship give the energy back;
//  - ships lose about 2 x amount / distance of their energy (exactly 0 disables a Zarvoni ship,
//    below 0 destroys it), the Zarvoni starbase 5 x amount, a friendly starbase SkillLevel x
//    amount / 2, the Morv ship (MorvTimerScale + 3 with the phaser-frequency retrofit) x amount;
//    a star flares; a grid cell naming a ship with no record is cleared;
//  - each entry logs one line (KVBASIC0029 and its number).
// Firing stops when the Morv ship is destroyed. The action then ends as every volley does:
// 0.2 time units, the automatic shields and the end-of-action refresh.
void PhaserVolley(Game& g);

}  // namespace kv
