#include "explore/ConsoleDrawing.h"

#include <algorithm>
#include <cmath>

#include "platform/Strings.h"
#include "state/Numeric.h"

namespace kv {

// ---- The system view --------------------------------------------------------------------------

BeltPlan BeltSpecks(int radius, double planetAngle, CosmeticRandom& rnd) {
    BeltPlan plan;
    // The step divides by the radius: a belt on no orbit (or a negative one) has nothing to walk.
    if (radius <= 0) return plan;
    const double step = 15.0 / radius;
    const double last = 6.28314530717958 - step;
    for (int k = 0;; ++k) {
        const double a = k * step;
        if (a > last) break;
        ++plan.anglesTested;
        for (int r = radius - 15; r <= radius + 15; r += 15) {
            const double seed = Int(-10.0 * r - 100.0 * a - 100.0 * planetAngle);
            if (rnd.Rnd(static_cast<float>(seed)) > 0.8f) plan.arcs.push_back({static_cast<double>(r), a, step});
        }
    }
    return plan;
}

Long OrbitColour(bool belt, bool selected) {
    if (selected) return QBColor(12);
    return QBColor(belt ? 8 : 3);
}

// ---- The star's spectrum ------------------------------------------------------------------------

std::vector<Long> SpectrumColumns(int width) {
    std::vector<Long> columns;
    const int band = width / 5;
    // Under five pixels there is no band to spread the colours over.
    if (band < 1) return columns;
    const double step = 255.0 / band;
    columns.reserve(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x) {
        const int b = std::min(x / band, 4);
        const double rising = (x - b * band) * step;
        const int up = std::clamp(static_cast<int>(std::nearbyint(rising)), 0, 255);
        const int down = std::clamp(static_cast<int>(std::nearbyint(255 - rising)), 0, 255);
        switch (b) {
            case 0: columns.push_back(RGB(255, up, 0)); break;
            case 1: columns.push_back(RGB(down, 255, 0)); break;
            case 2: columns.push_back(RGB(0, 255, up)); break;
            case 3: columns.push_back(RGB(0, down, 255)); break;
            default: columns.push_back(RGB(up, 0, 255)); break;
        }
    }
    columns.back() = RGB(255, 0, 255);
    return columns;
}

int SpectrumSeed(int nameLength, int starType, int line) { return 30 - 1000 * (nameLength + starType + 10 * line); }

std::vector<int> SpectrumLines(int nameLength, int starType, int width, CosmeticRandom& rnd) {
    const float first = rnd.Rnd(static_cast<float>(SpectrumSeed(nameLength, starType, 0)));
    const int count = CInt(static_cast<double>(first) * 15 + 5);
    std::vector<int> lines;
    for (int i = 1; i <= count; ++i) {
        const float r = rnd.Rnd(static_cast<float>(SpectrumSeed(nameLength, starType, i)));
        lines.push_back(static_cast<int>(Int(static_cast<double>(width) * r)));
    }
    return lines;
}

// ---- The planet close-up --------------------------------------------------------------------------

Long PlanetSeed(Long value4, Integer value1) {
    const long long sum = static_cast<long long>(value4) + 10LL * value1;
    return Clamp32(-std::llabs(sum));
}

SphereCut PlanetSphere(int planetClass, int drawSize, int boxWidth, int textureWidth, int textureHeight, Long seed,
                       CosmeticRandom& rnd) {
    SphereCut cut;
    const float s = static_cast<float>(seed);
    if (planetClass == 0) {
        cut.radius = CInt((boxWidth / 2) * 1.15);
    } else {
        cut.radius = CInt(drawSize * 20.0 + static_cast<double>(rnd.Rnd(s)) * 15);
        if (drawSize == 0) cut.radius += 10;
    }
    const float rx = rnd.Rnd(s - 1000);
    const float ry = rnd.Rnd(s + 1000);
    const int spanX = textureWidth - 2 * cut.radius, spanY = textureHeight - 2 * cut.radius;
    // A texture smaller than the disc has no room to move the cut: it starts at its corner.
    cut.x0 = spanX > 0 ? static_cast<int>(Int(static_cast<double>(rx) * spanX)) : 0;
    cut.y0 = spanY > 0 ? static_cast<int>(Int(static_cast<double>(ry) * spanY)) : 0;
    return cut;
}

Long ShadePixel(Long colour, float d) {
    d = std::min(d, 1.0f);
    const float f = 1 - d * d;
    Long out = 0;
    for (Long mask : {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)})
        out |= CLng(static_cast<double>(f * static_cast<float>(colour & mask))) & mask;
    return out;
}

PixelPicture GenerateSphere(const PixelPicture& texture, int boxWidth, int boxHeight, const SphereCut& cut,
                            bool shade) {
    PixelPicture out;
    out.width = std::max(boxWidth, 0);
    out.height = std::max(boxHeight, 0);
    out.pixels.assign(static_cast<size_t>(out.width) * out.height, 0);
    const int cx = out.width / 2, cy = out.height / 2, R = cut.radius;
    const long long r2 = static_cast<long long>(R) * R;
    for (int y = cy - R; y <= cy + R; ++y) {
        for (int x = cx - R; x <= cx + R; ++x) {
            if (x < 0 || y < 0 || x >= out.width || y >= out.height) continue;
            const long long dx = x - cx, dy = y - cy;
            if (dx * dx + dy * dy > r2) continue;  // the mask: outside the disc stays black
            const int tx = cut.x0 + (x - (cx - R)), ty = cut.y0 + (y - (cy - R));
            Long c = 0;
            if (tx >= 0 && ty >= 0 && tx < texture.width && ty < texture.height) c = texture.At(tx, ty);
            if (shade && c > 0 && R > 0) {
                const float d = std::sqrt(static_cast<float>(dx * dx + dy * dy)) / static_cast<float>(R);
                c = ShadePixel(c, d);
            }
            out.pixels[static_cast<size_t>(y) * out.width + x] = c;
        }
    }
    return out;
}

// ---- The room cell ----------------------------------------------------------------------------------

namespace {

struct Canvas {
    std::array<Long, kRoomPixels * kRoomPixels>& px;
    void Set(int x, int y, Long c) {
        if (x >= 0 && y >= 0 && x < kRoomPixels && y < kRoomPixels) px[static_cast<size_t>(y) * kRoomPixels + x] = c;
    }
    // A line from (x, y) towards (x + dx, y + dy), the end point left out.
    void Line(int x, int y, int dx, int dy, Long c) {
        const int n = std::max(std::abs(dx), std::abs(dy));
        const int sx = (dx > 0) - (dx < 0), sy = (dy > 0) - (dy < 0);
        for (int i = 0; i < n; ++i) Set(x + i * sx, y + i * sy, c);
    }
};

struct DoorGeometry {
    int ex, ey, edx, edy;  // the edge segment
    int ix, iy;            // the inner segment's start (same offset)
    int px, py, pdx, pdy;  // the first post
    int qx, qy, qdx, qdy;  // the second post, from the first post's end
};

constexpr DoorGeometry kDoors[4] = {
    {13, 0, 4, 0, 13, 1, 12, 1, 0, 4, 5, -1, 0, -4},    // North
    {29, 13, 0, 4, 28, 13, 28, 12, -4, 0, 1, 5, 4, 0},  // East
    {13, 29, 4, 0, 13, 28, 12, 28, 0, -4, 5, 1, 0, 4},  // South
    {0, 13, 0, 4, 1, 13, 1, 12, 4, 0, -1, 5, -4, 0},    // West
};

}  // namespace

std::array<Long, kRoomPixels * kRoomPixels> RoomPixels(const std::array<Long, 4>& doors,
                                                       const std::array<Long, 4>& colours) {
    std::array<Long, kRoomPixels * kRoomPixels> px;
    px.fill(colours[1]);
    Canvas cv{px};
    // The outline from (0, 0) to (29, 29).
    for (int i = 0; i < kRoomPixels; ++i) {
        cv.Set(i, 0, colours[0]);
        cv.Set(i, kRoomPixels - 1, colours[0]);
        cv.Set(0, i, colours[0]);
        cv.Set(kRoomPixels - 1, i, colours[0]);
    }
    for (int side = 0; side < 4; ++side) {
        const DoorGeometry& d = kDoors[side];
        const Long state = doors[side] >= 0 && doors[side] <= 3 ? doors[side] : 0;
        const Long colour = colours[state];
        cv.Line(d.ex, d.ey, d.edx, d.edy, colour);
        if (state > 0) cv.Line(d.ix, d.iy, d.edx, d.edy, colour);
        const Long post = state > 0 ? colours[0] : colours[1];
        cv.Line(d.px, d.py, d.pdx, d.pdy, post);
        const int sx = d.px + d.pdx + d.qx, sy = d.py + d.pdy + d.qy;
        cv.Line(sx, sy, d.qdx, d.qdy, post);
    }
    return px;
}

// ---- The console's window ----------------------------------------------------------------------

ConsoleBox KeptOnDesktop(ConsoleBox box, const ConsoleBox& desktop) {
    if (box.left + box.width > desktop.left + desktop.width) box.left = desktop.left + desktop.width - box.width;
    if (box.top + box.height > desktop.top + desktop.height) box.top = desktop.top + desktop.height - box.height;
    box.left = std::max(box.left, desktop.left);
    box.top = std::max(box.top, desktop.top);
    return box;
}

ConsoleBox CentredOnDesktop(long width, long height, const ConsoleBox& desktop) {
    return KeptOnDesktop(
        {desktop.left + (desktop.width - width) / 2, desktop.top + (desktop.height - height) / 2, width, height},
        desktop);
}

std::string ShortenedToFit(const std::string& text, const std::function<bool(const std::string&)>& fits) {
    if (fits(text)) return text;
    std::string t = text;
    while (!t.empty() && !fits(t + "... ")) {
        // One character off the end: a letter written in several bytes goes as a whole.
        size_t end = t.size() - 1;
        while (end > 0 && (static_cast<unsigned char>(t[end]) & 0xC0) == 0x80) --end;
        t.resize(end);
    }
    return Trim(t) + "...";
}

}  // namespace kv
