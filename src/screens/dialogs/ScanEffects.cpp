#include "screens/dialogs/ScanEffects.h"

#include <algorithm>
#include <cstdlib>

#include "state/Numeric.h"

namespace kv {
namespace {

std::optional<size_t> CellOf(int row, int col) {
    const int cell = (row - 1) * 8 + (col - 1);
    if (cell < 0 || cell > 63) return std::nullopt;
    return static_cast<size_t>(cell);
}

double Toward(double from, double to, double step) {
    if (step > 0) return std::min(from + step, to);
    if (step < 0) return std::max(from + step, to);
    return from;
}

double Sign(int d) { return d > 0 ? 1 : d < 0 ? -1 : 0; }

bool NearShip(const GameState& s, int row, int col) {
    return std::abs(row - s.ShipSectorRow) < 3 && std::abs(col - s.ShipSectorCol) < 3;
}

}  // namespace

std::optional<BeamLine> BeamEnds(const std::array<TwipRect, 64>& frames, int fromRow, int fromCol, int toRow, int toCol,
                                 double drawX, double drawY) {
    const auto from = CellOf(fromRow, fromCol), to = CellOf(toRow, toCol);
    if (!from || !to) return std::nullopt;
    const TwipRect& a = frames[*from];
    const TwipRect& b = frames[*to];
    BeamLine line;
    line.x1 = CInt(a.left + a.width / 2);
    line.y1 = CInt(a.top + a.height / 2);
    line.x2 = Int(drawX * 90 - 45) + CInt(b.left + b.width / 2);
    line.y2 = Int(drawY * 90 - 45) + CInt(b.top + b.height / 2);
    return line;
}

std::optional<TwipRect> CentreOnSector(const std::array<TwipRect, 64>& frames, double width, double height, int row,
                                       int col) {
    if (!InGalaxy(row, col)) return std::nullopt;
    const TwipRect& cell = frames[static_cast<size_t>((row - 1) * 8 + col - 1)];
    return TwipRect{cell.left + (cell.width - width) / 2, cell.top + (cell.height - height) / 2, width, height};
}

TwipRect FlareSpot(const TwipRect& cell, double dx, double dy, int size, int pixel) {
    const double x0 = CInt(cell.width / 2 + cell.left), y0 = CInt(cell.height / 2 + cell.top);
    const double side = static_cast<double>(pixel) * size;
    return TwipRect{x0 + dx * pixel - side / 2, y0 + dy * pixel - side / 2, side, side};
}

TwipRect BlastRing(const TwipRect& cell, int radiusPixels, int pixel) {
    const double r = static_cast<double>(radiusPixels) * pixel;
    const double x0 = CInt(cell.left + cell.width / 2), y0 = CInt(cell.top + cell.height / 2);
    return TwipRect{x0 - r, y0 - r, 2 * r, 2 * r};
}

long HyperspaceFlashColour(double draw) { return 255L + 256L * CInt(draw * 255); }

MorvGlide PlanMorvGlide(const GameState& s, const std::array<TwipRect, 64>& cells, int fromRow, int fromCol, int toRow,
                        int toCol, int pixelX, int pixelY) {
    MorvGlide glide;
    if (s.SystemDamage[kShortRangeSensors] > 0)
        glide.visible = NearShip(s, fromRow, fromCol) || NearShip(s, toRow, toCol);
    const double pitch = CInt(cells[9].top - cells[0].top);
    glide.stepTime = pitch > 0 && pixelY > 0 ? 4.438 / (pitch / pixelY) : 0;
    glide.stepX = Sign(toCol - fromCol) * CInt(static_cast<double>(pixelX));
    glide.stepY = Sign(toRow - fromRow) * CInt(static_cast<double>(pixelY));
    const auto from = CellOf(fromRow, fromCol), to = CellOf(toRow, toCol);
    if (from) glide.left = cells[*from].left, glide.top = cells[*from].top;
    if (to)
        glide.toLeft = cells[*to].left, glide.toTop = cells[*to].top;
    else
        glide.toLeft = glide.left, glide.toTop = glide.top;
    return glide;
}

bool GlideStep(MorvGlide& glide) {
    if (glide.left == glide.toLeft && glide.top == glide.toTop) return false;
    const double left = Toward(glide.left, glide.toLeft, glide.stepX);
    const double top = Toward(glide.top, glide.toTop, glide.stepY);
    if (left == glide.left && top == glide.top) {
        // A step that cannot reach the target on an axis that does not move: land at once.
        glide.left = glide.toLeft;
        glide.top = glide.toTop;
        return true;
    }
    glide.left = left;
    glide.top = top;
    return true;
}

}  // namespace kv
