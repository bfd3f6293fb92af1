#pragma once
// The quadrant picker (frmQuadSelect, data GameState::QuadSelect): every opening starts with
// nothing selected; a click selects a cell and closes it; the close box leaves nothing selected.
// The sector information box (frmSRSInfo) only shows GameState::SectorInfo and hides on OK.
#include "state/Game.h"

namespace kv {

void QuadSelectActivate(Game& g);
void QuadSelectClick(Game& g, int index);
void QuadSelectClose(Game& g);

}  // namespace kv
