#pragma once
// The retrofit panel (frmRetrofit): five slide buttons, button i (0..4) for retrofit kind i + 1.
// A button's tag (st.RetrofitButtonTag[i]) is the game's record of an engaged retrofit (see
// engine/turn/Retrofit.h); its lamp shows light red (palette 12) while the tag is "", else the
// blink colour. Each button hides behind a cover that slides up out of view while the kind is
// offered (st.RetrofitCoverTop[i], pixels: 0 closed, negative open).
#include <vector>

#include "state/Game.h"

namespace kv {

// The lamp's palette colour of button i: 12 while off, the blink colour (10 or 2) while engaged.
int RetrofitLampColour(const GameState& s, int button);

// One tick of the blink timer: the blink colour alternates 10 and 2 (10 after any other value).
void RetrofitBlinkTick(Game& g);

// A click on button i. An engaged retrofit is switched off and one use is spent (with none left
// its cover closes). One that is off is engaged: 0 adds the engine-power boost; 1 needs raised
// shields (RETROFIT0001 otherwise, not engaged); 4 offers each destroyed system (damage 7.0 or
// more) in the order 1, 6, 4, 5, 2, 7, 8, 3 until one is accepted (RETROFIT0003 when none is,
// not engaged). The tag of an engaged kind: 0 the uses x 3, 1 the uses x 2, 2 "3", 3 "2", 4 the
// uses + 4. A click on a covered button does nothing.
void RetrofitButtonClick(Game& g, int button);

// The positions a cover passes through while it slides, each held for a tenth of a second:
// -v for v = 0 up to Travel = 10 + the cover's height in steps of 10 pixels when opening, for
// v = Travel down to 0 when closing (a closing slide then puts the cover at 0).
std::vector<int> RetrofitSlideSteps(int coverHeight, bool opening);

// Slides kind 1..5's cover (the host's ShowRetrofitSlots; the game data already holds the new
// state): shows the panel and starts the blink timer, then moves the cover step by step, each
// step shown (View::RetrofitPanel) and held for 0.1 s; a closing cover ends at 0 with its lamp
// light red. When no cover is left open, the panel hides and the blink timer stops.
void SlideRetrofitCover(Game& g, int kind, bool opening, int coverHeight);

}  // namespace kv
