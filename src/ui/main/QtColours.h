#pragma once
// The game's colours on the desktop: its colour numbers are 0xBBGGRR, its palette colours the
// sixteen of PaletteColor.
#include <QColor>

#include "engine/turn/Condition.h"

namespace kv {

inline QColor BgrColour(long bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline QColor PaletteQColour(int index) { return BgrColour(PaletteColor(index & 15)); }

}  // namespace kv
