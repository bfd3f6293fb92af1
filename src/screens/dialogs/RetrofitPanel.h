#pragma once
// The retrofit panel (frmRetrofit): five slide buttons, button i (0..4) for retrofit kind i + 1.
// A button's tag (st.RetrofitButtonTag[i]) is the game's record of an engaged retrofit (see
// engine/turn/Retrofit.h); its lamp shows light red (palette 12) while the tag is "", else the
// blink colour. Each button hides behind a cover that slides up out of view while the kind is
// offered (st.RetrofitCoverTop[i], pixels: 0 closed, negative open; the engine slides it:
// engine/turn/Retrofit.h).
#include <vector>

#include "state/Game.h"

namespace kv {

// The lamp's palette colour of button i: 12 while off; while engaged, 10 from the click that
// engaged it to the next blink, then the blink colour (10 or 2).
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

}  // namespace kv
