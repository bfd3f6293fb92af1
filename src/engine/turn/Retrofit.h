#pragma once
// The per-turn step of the retrofits (engine power, shield frequency, phaser frequency,
// self-detonating torpedoes, repair of a destroyed system).
//
// The retrofit panel's state is game data: st.RetrofitButtonTag[kind - 1] holds the active
// turns left as text ("" while idle: the button shows light red; active: light green);
// st.RetrofitSlots[kind] the uses held; st.RetrofitCoverOpen[kind - 1] whether the kind's
// cover is open (button shown). The host's ShowRetrofitSlots(kind, opening) shows a change of
// cover after the data has been set.
#include <string>

#include "state/Game.h"

namespace kv {

// Runs once at the end of every end-of-action refresh: for kinds 1..5 applies the per-turn
// effect of an active kind (engine power: MaxEnergy / 20 more energy, capped so that energy
// plus shields stay within MaxEnergy; repair: a 15 % chance to restore RetrofitSystem, else a
// 40 % chance of a hit of 100 on the ship), counts its turns down, spends a use when it ends,
// and opens or closes the kind's cover by the uses left. Returns at once when the repair's hit
// ends the game.
void Retrofit(Game& g);

// The engine-power boost, each turn the kind runs and when the player engages it: a twentieth
// of MaxEnergy more energy, never beyond what the capacity leaves beside the shields and never
// below 0; then the status bars.
void EnginePowerBoost(Game& g);

// Opens or closes a kind's cover (kind 1..5): the game data first, then the panel slides it.
void ShowRetrofitSlot(Game& g, int kind, bool opening);

// Clears the retrofits of a game that has ended: no kind stays switched on or offered, every
// cover closes at once (without its slide), the panel hides and stops blinking, and the windows
// that the final report brings back leave it hidden.
void EndRetrofits(Game& g);

// The count caption of a kind's button: the uses held when above 1, else "".
std::string RetrofitCountCaption(const GameState& st, int kind);

// True while the kind is switched on (its button tag is not "").
bool RetrofitIsActive(const GameState& st, int kind);

}  // namespace kv
