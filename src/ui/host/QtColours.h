#pragma once
// The game's palette colours on the desktop: the sixteen of PaletteColor.
#include <QColor>

#include "engine/turn/Condition.h"
#include "ui/host/WindowBits.h"

namespace kv {

inline QColor PaletteQColour(int index) { return ColourOf(PaletteColor(index & 15)); }

}  // namespace kv
