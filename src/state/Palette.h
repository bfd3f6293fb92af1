#pragma once
// The game's sixteen-colour palette, as 0xBBGGRR: 0 black, 1 dark blue, 2 dark green, 3 dark
// cyan, 4 dark red, 5 dark magenta, 6 dark yellow, 7 light grey, 8 dark grey, then 9..15 the
// bright blue, green, cyan, red, magenta, yellow and white.
#include <array>

#include "state/GameState.h"

namespace kv {

inline constexpr std::array<Long, 16> kPalette{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                               0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// Palette colour 0..15; black for any other index.
constexpr Long PaletteColor(int index) { return index >= 0 && index <= 15 ? kPalette[static_cast<size_t>(index)] : 0; }

// The palette colour QBColor(c), c taken Mod 16 (a negative c counts from the end).
constexpr Long QBColor(int c) { return kPalette[static_cast<size_t>(((c % 16) + 16) % 16)]; }

}  // namespace kv
