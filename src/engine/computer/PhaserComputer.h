#pragma once
// The phaser computer: fills the phaser plan by the phaser page of the library options.
#include "state/Game.h"

namespace kv {

// Replaces PhaserPlan and its total. One entry per Zarvoni ship with energy, in slot order, at
// most eight, with the energy that destroys it at its distance (rounded to a multiple of 5), or
// in the disable mode the share of it that leaves the ship about 18 (never below 0); with
// damaged short-range sensors each ship's entry aims at sector 0,0 with 1. While fewer than
// eight are listed and the library options say so, the Zarvoni starbase of the quadrant is
// added with the set energy per turn. Entries are written with KVCOM0086 / KVCOM0087.
void PhaserAutoTarget(Game& g);

}  // namespace kv
