#pragma once
// The geometry the short-range scan window paints its effects from (twips, the cells of
// ScanLayout): the beam lines' ends, the marker shapes centred on a sector, the star flare's
// spot, a blast ring, the hyperspace flash's colour and the Morv ship's glide.
#include <array>
#include <optional>

#include "screens/dialogs/ScanWindow.h"

namespace kv {

struct BeamLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const BeamLine&) const = default;
};
// A beam from the centre of one sector (row, col 1..8) to about the centre of another: the far
// end moves by Int(draw x 90 - 45) on each axis (-45..44), from two fresh draws in [0, 1). A
// cell number outside 0..63 leaves the line as it was (nothing). `frames` are the rectSector
// frames.
std::optional<BeamLine> BeamEnds(const std::array<TwipRect, 64>& frames, int fromRow, int fromCol, int toRow,
                                 int toCol, double drawX, double drawY);

// A shape of width x height centred on a sector's frame; nothing (the shape hides) for a row or
// column outside 1..8.
std::optional<TwipRect> CentreOnSector(const std::array<TwipRect, 64>& frames, double width, double height, int row,
                                       int col);

// The star flare: a spot of `size` pixels whose centre lies (dx, dy) pixels from the centre of
// the star's cell; `pixel` twips per pixel.
TwipRect FlareSpot(const TwipRect& cell, double dx, double dy, int size, int pixel);

// One ring of a blast (pen width 2) about the centre of a cell: the square it is drawn in.
TwipRect BlastRing(const TwipRect& cell, int radiusPixels, int pixel);

// The hyperspace flash's colour (0xBBGGRR) for a draw in [0, 1): full red, a random green, no
// blue, so each frame is an orange to yellow.
long HyperspaceFlashColour(double draw);

// The Morv ship's glide from one cell to the next (cells of ScanLayout::cells): one pixel a
// step on each axis that has to move, 4.438 seconds per cell pitch whatever the screen.
struct MorvGlide {
    bool visible = true;   // damaged sensors hide it unless either cell lies near the ship
    double stepTime = 0;   // seconds between steps
    double stepX = 0, stepY = 0;  // twips per step: -pixel, 0 or +pixel
    double left = 0, top = 0;     // the sprite's start: the old cell
    double toLeft = 0, toTop = 0;
};
MorvGlide PlanMorvGlide(const GameState& s, const std::array<TwipRect, 64>& cells, int fromRow, int fromCol,
                        int toRow, int toCol, int pixelX, int pixelY);
// One step of the glide; each axis stops at its target, so every glide ends. False once the
// sprite stands on the new cell (no step taken).
bool GlideStep(MorvGlide& glide);

}  // namespace kv
