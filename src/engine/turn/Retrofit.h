#pragma once
// The per-turn step of the retrofits (engine power, shield frequency, phaser frequency,
// self-detonating torpedoes, repair of a destroyed system).
//
// The retrofit panel's state is game data: st.RetrofitButtonTag[kind - 1] holds the active
// turns left as text ("" while idle: the button shows light red; active: light green);
// st.RetrofitSlots[kind] the uses held; st.RetrofitCoverOpen[kind - 1] whether the kind's
// cover is open (button shown); st.RetrofitCoverTop[kind - 1] where the cover stands as it
// slides (pixels: 0 closed, negative open). The slide is a step of the game, paced by Pause and
// shown through View::RetrofitPanel, so a game without windows slides its covers too.
#include <string>
#include <vector>

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

// The height of a cover (pixels): a slide moves it that far and a step more.
inline constexpr int kRetrofitCoverHeight = 60;

// Opens or closes a kind's cover (kind 1..5): the game data first, then the cover slides
// (SlideRetrofitCover, as high as kRetrofitCoverHeight).
void ShowRetrofitSlot(Game& g, int kind, bool opening);

// The positions a cover passes through while it slides, each held for a tenth of a second:
// -v for v = 0 up to Travel = 10 + the cover's height in steps of 10 pixels when opening, for
// v = Travel down to 0 when closing (a closing slide then puts the cover at 0).
std::vector<int> RetrofitSlideSteps(int coverHeight, bool opening);

// Slides kind 1..5's cover (RetrofitCoverOpen already holds the new state): shows the panel
// and starts the blink timer, then moves the cover step by step, each step shown
// (View::RetrofitPanel) and held for 0.1 s; a closing cover ends at 0 with its lamp light red.
// When no cover is left open, the panel hides and the blink timer stops.
void SlideRetrofitCover(Game& g, int kind, bool opening, int coverHeight);

// Clears the retrofits of a game that has ended: no kind stays switched on or offered, every
// cover closes at once (without its slide), the panel hides and stops blinking, and the windows
// that the final report brings back leave it hidden.
void EndRetrofits(Game& g);

// The count caption of a kind's button: the uses held when above 1, else "".
std::string RetrofitCountCaption(const GameState& st, int kind);

// True while the kind is switched on (its button tag is not "").
bool RetrofitIsActive(const GameState& st, int kind);

}  // namespace kv
