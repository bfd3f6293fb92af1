#pragma once
// Drawing helpers of the command dialogs: a palette colour, and a box drawn as a 3-D panel
// (raised or sunken) with its caption and an optional gauge fill.
#include <QColor>
#include <QPainter>
#include <QWidget>
#include <string>

namespace kv {

// Palette colour 0..15.
QColor Palette(int index);

// Paints `w` as a 3-D panel (kEdgeRaised, kEdgeSunken or kEdgeNone) filled with `face`, with its
// caption `tag` centred in the window's text colour; with a gauge, the share Val(tag) percent
// drawn in `fill` from the bottom (a box higher than wide) or the left, and the caption printed
// only when the tag ends in "%".
void PaintPanel(QWidget* w, int edge, const QColor& face, bool gauge = false, const std::string& tag = "",
                const QColor& fill = QColor());

}  // namespace kv
