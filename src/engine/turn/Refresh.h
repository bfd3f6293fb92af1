#pragma once
// The end-of-action refresh: the step that ends every state-changing action and advances the
// game (technology clock, Morv countdown, recount and alert condition, displays, the hostiles'
// turn, the end checks, the warp check, the retrofits), with the return from the main menu,
// the compaction of the current quadrant's hostile tables and the blanking of the displays at
// the end of a game.
#include "state/Game.h"

namespace kv {

// Runs the refresh's stages in order; returns early once the game has ended or the warp check
// has taken over. Does nothing while the background text scrolls; with no game running it
// only resets the technology clock. Unexpected errors are reported ("KVGAME : RefreshAll" and
// the stage) and the refresh goes on with its next statement.
void RefreshAll(Game& g);

// The windows come back after the main menu; a new game gets its first refresh.
void ReturnFromMenu(Game& g);

// Moves each occupied hostile slot of the current quadrant down by at most one place into a
// free slot below it, then trims QuadZarvonis and the quadrant's cloaked count past free slots
// at their top.
void CompactEnemyTable(Game& g);

// Blanks the displays at the end of a game: sector cells and the scan's tractor beam and shield
// ring, chart highlights and blink, lamps, damage, energy, torpedoes, time, hostiles left,
// upgrade indicators, the starbase line and the retrofit panel.
void ResetDisplays(Game& g);

}  // namespace kv
