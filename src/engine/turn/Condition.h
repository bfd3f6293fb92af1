#pragma once
// The ship's alert condition (yellow, docked, green, red) with its alarms, the six lamps of the
// status window, the starbase line of the info window, the explosion flash on the short-range
// scan, and a switchable message that is also logged.
//
// The lamps' state is game data: st.LampBackColor[lamp] / st.LampForeColor[lamp] (0xBBGGRR);
// a lamp is on while its background is its "on" colour. The general report's condition box is
// st.ConditionColour (palette), st.ConditionTextColour (palette) and st.ConditionCaption; the
// info window's starbase line is st.StarbaseLine.
#include <string>

#include "state/Game.h"
#include "state/Palette.h"

namespace kv {

// Stores the alert condition (a value outside 0..3 becomes green, 2) and its display text.
void SetCondition(Game& g, long index);

// Recomputes the condition at the end of an action, sounds a red or yellow alarm once per
// spell, lowers shields the player did not set while green (and on entering yellow), shows
// the condition on the general report and reports a relieved starbase.
void UpdateCondition(Game& g);

// Switches status lamp 1..6 on (state non-zero) or off; other lamp numbers do nothing.
void SetStatusItem(Game& g, int lamp, int state);
// True while lamp 1..6 shows its "on" colour; false for any other lamp number.
bool GetStatusItem(const GameState& st, int lamp);
inline bool GetStatusItem(Game& g, int lamp) { return GetStatusItem(g.st, lamp); }

// Logs the text unless the slot (0..50) is switched off, then shows it as a notice (which for
// a switched-off slot only logs it).
void MessageIfEnabled(Game& g, int slot, const std::string& text);

// Rewrites the starbase line of the info window (once the first refresh has passed its warp
// check): the strength of the quadrant's friendly or hostile starbase, or the quadrant's
// situation.
void ShowStarbaseStatus(Game& g);

// The growing flash over a sector (row, col 1..8) of the short-range scan where a ship or
// starbase was destroyed; other sectors are ignored.
void FlashSRS(Game& g, int row, int col);

// RED.WAV and half a second's pause.
void SoundRedAlert(Game& g);

}  // namespace kv
