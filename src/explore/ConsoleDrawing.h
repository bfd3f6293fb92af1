#pragma once
// The drawing arithmetic of the exploration console, without any window: the belts of the
// system view, the star's spectrum, the generated planet close-up (disc, texture cut, mask and
// shading) and the pixels of a room cell. Every random draw comes from the cosmetic generator
// (Game::cosmetic), re-seeded with negative numbers so the same body always looks the same;
// the game's own generator is never touched.
//
// Colours are 0xBBGGRR (the palette colour QBColor(c), RGB(r, g, b)); a pixel buffer is a
// row-major vector of such colours.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "state/CosmeticRandom.h"
#include "state/GameState.h"
#include "state/Palette.h"

namespace kv {

inline constexpr Long RGB(int r, int g, int b) {
    return static_cast<Long>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// ---- The system view --------------------------------------------------------------------------

// One speck of a belt: an arc of the circle round the star.
struct BeltArc {
    double radius;  // twips
    double start;   // radians
    double sweep;   // radians
};
struct BeltPlan {
    int anglesTested = 0;  // the angles walked (each tests three rings)
    std::vector<BeltArc> arcs;
};
// The specks of a belt of orbit radius `radius` (twips) for a planet at `planetAngle`: the
// angles a = 0, step, 2 step ... (step = 15 / radius) while a <= 6.28314530717958 - step, each
// on the rings radius - 15, radius, radius + 15, where a draw of
// Rnd(Int(-10 r - 100 a - 100 planetAngle)) above 0.8 makes a speck. A radius of 0 or less
// has no specks.
BeltPlan BeltSpecks(int radius, double planetAngle, CosmeticRandom& rnd);

// The orbit colour of a body: QBColor(12) when selected, else QBColor(8) for a belt and
// QBColor(3) for a planet.
Long OrbitColour(bool belt, bool selected);

// ---- The star's spectrum ------------------------------------------------------------------------

// The colour of every column of a spectrum `width` pixels wide: five bands of width / 5
// columns, red to yellow, yellow to green, green to cyan, cyan to blue, blue to magenta, the
// last column magenta. A strip under 5 pixels has no bands: empty.
std::vector<Long> SpectrumColumns(int width);

// The seed of the absorption lines: 30 - 1000 (L + T + 10 i) for the name length L, the star
// type T and line i (0 for the line count).
int SpectrumSeed(int nameLength, int starType, int line);
// The absorption lines of a star: their columns in a strip `width` pixels wide, 5 to 20 of
// them, the same for the same name length and star type.
std::vector<int> SpectrumLines(int nameLength, int starType, int width, CosmeticRandom& rnd);

// ---- The planet close-up --------------------------------------------------------------------------

// The seed of a planet's close-up: -|value4 + 10 value1|, formed in 32 bits (a sum beyond them
// is held at the limit).
Long PlanetSeed(Long value4, Integer value1);

struct SphereCut {
    int radius = 0;      // R in pixels
    int x0 = 0, y0 = 0;  // where the texture is cut
};
// The disc and the texture cut for a planet of class `planetClass` and drawn size `drawSize`
// in a box `boxWidth` pixels wide, with a texture of `textureWidth` x `textureHeight` pixels:
// a belt's disc is 1.15 times half the box, a planet's drawSize x 20 + Rnd(s) x 15 (+ 10 when
// drawSize is 0); a texture smaller than the disc is cut at offset 0.
SphereCut PlanetSphere(int planetClass, int drawSize, int boxWidth, int textureWidth, int textureHeight, Long seed,
                       CosmeticRandom& rnd);

// The shade of a pixel at relative distance d (0 the centre, capped at 1) from the disc's
// centre: each channel times 1 - d^2.
Long ShadePixel(Long colour, float d);

// A pixel picture, row-major colours.
struct PixelPicture {
    int width = 0, height = 0;
    std::vector<Long> pixels;
    Long At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The generated close-up in a box of boxWidth x boxHeight pixels: the square of 2R + 1
// pixels at the cut of the texture, copied to the box's centre (what lies off the texture is
// black), everything outside the disc black, and, when `shade`, every coloured pixel of the
// disc shaded towards the rim (pixels off the box are skipped).
PixelPicture GenerateSphere(const PixelPicture& texture, int boxWidth, int boxHeight, const SphereCut& cut, bool shade);

// ---- The console's window ----------------------------------------------------------------------

// A window's box on the desktop (pixels).
struct ConsoleBox {
    long left = 0, top = 0, width = 0, height = 0;
    bool operator==(const ConsoleBox&) const = default;
};
// Moved onto the desktop by as little as it needs: its right and bottom edges first, then its
// left and top edges, so a console larger than the desktop keeps its top-left corner (the
// system's name and picture) on it.
ConsoleBox KeptOnDesktop(ConsoleBox box, const ConsoleBox& desktop);
// The console centred on the desktop at its own size, and kept on it.
ConsoleBox CentredOnDesktop(long width, long height, const ConsoleBox& desktop);

// A label's text shortened to fit: the text itself when it fits, else shortened one character
// at a time until it fits with "... " behind it, then trimmed and ended with "...".
std::string ShortenedToFit(const std::string& text, const std::function<bool(const std::string&)>& fits);

// ---- The room cell ----------------------------------------------------------------------------------

inline constexpr int kRoomPixels = 30;
// The 30 x 30 pixels of a room cell with four doors (North, East, South, West) and its colours
// (0 wall, 1 background, 2 closed door, 3 locked door). A door state outside 0..3 draws as a
// wall.
std::array<Long, kRoomPixels * kRoomPixels> RoomPixels(const std::array<Long, 4>& doors,
                                                       const std::array<Long, 4>& colours);

}  // namespace kv
