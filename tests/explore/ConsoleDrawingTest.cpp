// The console's drawing arithmetic: belts, the spectrum and its lines, the planet close-up and
// the room cell's pixels.
#include <gtest/gtest.h>

#include <set>

#include "explore/ConsoleDrawing.h"
#include "platform/Strings.h"
#include "state/ConsoleState.h"
#include "state/Numeric.h"

namespace kv {
namespace {

TEST(ConsoleDrawingTest, ABeltTestsItsAnglesOnThreeRingsAndRedrawsTheSame) {
    CosmeticRandom rnd;
    const BeltPlan plan = BeltSpecks(600, 1.0, rnd);
    EXPECT_EQ(plan.anglesTested, 251);
    ASSERT_FALSE(plan.arcs.empty());
    std::set<double> rings;
    for (const BeltArc& a : plan.arcs) {
        rings.insert(a.radius);
        EXPECT_DOUBLE_EQ(a.sweep, 15.0 / 600);
    }
    EXPECT_EQ(rings, (std::set<double>{585, 600, 615}));
    // About a fifth of the 753 tests make a speck.
    EXPECT_GT(plan.arcs.size(), 753u / 10);
    EXPECT_LT(plan.arcs.size(), 753u * 3 / 10);

    rnd.Rnd(1.0f);  // whatever was drawn in between
    const BeltPlan again = BeltSpecks(600, 1.0, rnd);
    ASSERT_EQ(again.arcs.size(), plan.arcs.size());
    for (size_t i = 0; i < plan.arcs.size(); ++i) {
        EXPECT_EQ(again.arcs[i].radius, plan.arcs[i].radius);
        EXPECT_EQ(again.arcs[i].start, plan.arcs[i].start);
    }
    // Another planet angle turns the pattern.
    const BeltPlan turned = BeltSpecks(600, 2.0, rnd);
    bool differs = turned.arcs.size() != plan.arcs.size();
    for (size_t i = 0; !differs && i < plan.arcs.size(); ++i)
        differs = turned.arcs[i].start != plan.arcs[i].start || turned.arcs[i].radius != plan.arcs[i].radius;
    EXPECT_TRUE(differs);
}

TEST(ConsoleDrawingTest, ABeltOnNoOrbitHasNoSpecks) {
    CosmeticRandom rnd;
    for (int radius : {0, -1, -600}) {
        const BeltPlan plan = BeltSpecks(radius, 0.5, rnd);
        EXPECT_EQ(plan.anglesTested, 0) << radius;
        EXPECT_TRUE(plan.arcs.empty()) << radius;
    }
}

TEST(ConsoleDrawingTest, OrbitColours) {
    EXPECT_EQ(OrbitColour(false, true), QBColor(12));
    EXPECT_EQ(OrbitColour(true, true), QBColor(12));
    EXPECT_EQ(OrbitColour(false, false), QBColor(3));
    EXPECT_EQ(OrbitColour(true, false), QBColor(8));
    EXPECT_EQ(QBColor(12), RGB(255, 0, 0));
    EXPECT_EQ(QBColor(3), RGB(0, 128, 128));
    EXPECT_EQ(QBColor(8), RGB(128, 128, 128));
}

TEST(ConsoleDrawingTest, ASpectrumRunsFromRedToMagenta) {
    const std::vector<Long> cols = SpectrumColumns(200);
    ASSERT_EQ(cols.size(), 200u);
    const struct {
        int column;
        Long colour;
    } cases[] = {
        {0, RGB(255, 0, 0)},    {40, RGB(255, 255, 0)}, {80, RGB(0, 255, 0)},  {120, RGB(0, 255, 255)},
        {160, RGB(0, 0, 255)},  {199, RGB(255, 0, 255)}, {20, RGB(255, 128, 0)}, {60, RGB(128, 255, 0)},
        {100, RGB(0, 255, 128)}, {140, RGB(0, 128, 255)},
    };
    for (const auto& c : cases) EXPECT_EQ(cols[c.column], c.colour) << "column " << c.column;
    // A width that is no multiple of five keeps its last columns in the last band.
    const std::vector<Long> odd = SpectrumColumns(203);
    ASSERT_EQ(odd.size(), 203u);
    EXPECT_EQ(odd[201], RGB(255, 0, 255));
    EXPECT_EQ(odd[202], RGB(255, 0, 255));
}

TEST(ConsoleDrawingTest, ASpectrumUnderFivePixelsIsNotDrawn) {
    for (int w : {-3, 0, 1, 4}) EXPECT_TRUE(SpectrumColumns(w).empty()) << w;
    EXPECT_EQ(SpectrumColumns(5).size(), 5u);
}

TEST(ConsoleDrawingTest, AStarsLinesComeFromItsNameLengthAndType) {
    EXPECT_EQ(SpectrumSeed(5, 3, 0), -7970);
    EXPECT_EQ(SpectrumSeed(5, 3, 1), -17970);
    EXPECT_EQ(SpectrumSeed(0, 0, 0), 30);

    CosmeticRandom rnd, probe;
    const std::vector<int> lines = SpectrumLines(5, 3, 200, rnd);
    const int count = CInt(static_cast<double>(probe.Rnd(-7970.0f)) * 15 + 5);
    ASSERT_EQ(static_cast<int>(lines.size()), count);
    EXPECT_GE(count, 5);
    EXPECT_LE(count, 20);
    EXPECT_EQ(lines[0], static_cast<int>(Int(200.0 * probe.Rnd(-17970.0f))));
    for (int x : lines) {
        EXPECT_GE(x, 0);
        EXPECT_LT(x, 200);
    }
    rnd.Rnd(1.0f);
    EXPECT_EQ(SpectrumLines(5, 3, 200, rnd), lines);
    EXPECT_NE(SpectrumLines(6, 3, 200, rnd), lines);
}

TEST(ConsoleDrawingTest, ThePlanetSeedIsFormedIn32Bits) {
    const struct {
        Long value4;
        Integer value1;
        Long seed;
    } cases[] = {
        {0, 0, 0},
        {100, 30, -400},
        {-5000, 100, -4000},
        {0, 3277, -32770},    // beyond the 16-bit product
        {0, 32767, -327670},  // the largest orbit radius
        {2147483637, 1, -2147483647},
        {2147483647, 1, -2147483647 - 1},  // beyond 32 bits: held at the limit
    };
    for (const auto& c : cases) EXPECT_EQ(PlanetSeed(c.value4, c.value1), c.seed) << c.value4 << " " << c.value1;
}

TEST(ConsoleDrawingTest, TheDiscAndItsCutRepeatForTheSameSeed) {
    CosmeticRandom rnd, probe;
    const Long s = PlanetSeed(4096, 600);
    const SphereCut size0 = PlanetSphere(5, 0, 200, 400, 300, s, rnd);
    EXPECT_EQ(size0.radius, CInt(static_cast<double>(probe.Rnd(static_cast<float>(s))) * 15) + 10);
    const SphereCut size2 = PlanetSphere(5, 2, 200, 400, 300, s, rnd);
    EXPECT_EQ(size2.radius, CInt(40 + static_cast<double>(probe.Rnd(static_cast<float>(s))) * 15));
    EXPECT_EQ(size2.x0, static_cast<int>(Int(static_cast<double>(probe.Rnd(s - 1000.0f)) * (400 - 2 * size2.radius))));
    EXPECT_EQ(size2.y0, static_cast<int>(Int(static_cast<double>(probe.Rnd(s + 1000.0f)) * (300 - 2 * size2.radius))));
    const SphereCut again = PlanetSphere(5, 2, 200, 400, 300, s, rnd);
    EXPECT_EQ(again.radius, size2.radius);
    EXPECT_EQ(again.x0, size2.x0);
    EXPECT_EQ(again.y0, size2.y0);

    // A belt's disc is 1.15 times half the box.
    EXPECT_EQ(PlanetSphere(0, 3, 200, 400, 400, s, rnd).radius, 115);
    // A texture smaller than the disc is cut at its corner.
    const SphereCut small = PlanetSphere(5, 4, 200, 50, 50, s, rnd);
    EXPECT_EQ(small.x0, 0);
    EXPECT_EQ(small.y0, 0);
}

TEST(ConsoleDrawingTest, ShadingDarkensEachChannelTowardsTheRim) {
    const struct {
        Long colour;
        float d;
        Long shaded;
    } cases[] = {
        {RGB(255, 255, 255), 0.0f, RGB(255, 255, 255)},
        {RGB(255, 255, 255), 0.5f, RGB(191, 191, 191)},
        {RGB(200, 100, 40), 0.5f, RGB(150, 75, 30)},
        {RGB(255, 255, 255), 1.0f, 0},
        {RGB(255, 255, 255), 3.0f, 0},  // capped at the rim
        {0, 0.2f, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ShadePixel(c.colour, c.d), c.shaded) << std::hex << c.colour << " " << c.d;
}

TEST(ConsoleDrawingTest, TheSphereIsTheTextureMaskedToTheDisc) {
    PixelPicture texture{64, 64, std::vector<Long>(64 * 64, RGB(200, 100, 40))};
    const SphereCut cut{10, 0, 0};
    const PixelPicture flat = GenerateSphere(texture, 40, 30, cut, false);
    ASSERT_EQ(flat.pixels.size(), 40u * 30u);
    EXPECT_EQ(flat.At(20, 15), RGB(200, 100, 40));  // the centre
    EXPECT_EQ(flat.At(29, 15), RGB(200, 100, 40));  // inside, near the rim
    EXPECT_EQ(flat.At(0, 0), 0);                    // the box's corner
    EXPECT_EQ(flat.At(28, 23), 0);                  // the square's corner, off the disc

    const PixelPicture shaded = GenerateSphere(texture, 40, 30, cut, true);
    EXPECT_EQ(shaded.At(20, 15), RGB(200, 100, 40));  // full light at the centre
    EXPECT_EQ(shaded.At(29, 15), ShadePixel(RGB(200, 100, 40), 0.9f));
    // A black pixel of the texture stays black in the disc: texture (5, 5) lands on (15, 10).
    PixelPicture spotted = texture;
    spotted.pixels[static_cast<size_t>(5) * 64 + 5] = 0;
    EXPECT_EQ(GenerateSphere(spotted, 40, 30, cut, true).At(15, 10), 0);

    // A disc larger than the box: what lies off the box is skipped.
    const PixelPicture big = GenerateSphere(texture, 20, 20, SphereCut{15, 0, 0}, true);
    EXPECT_EQ(big.pixels.size(), 400u);
    EXPECT_EQ(big.At(10, 10), RGB(200, 100, 40));
}

Long Px(const std::array<Long, 900>& px, int x, int y) { return px[static_cast<size_t>(y) * 30 + x]; }

TEST(ConsoleDrawingTest, ARoomCellDrawsItsDoors) {
    const Long wall = 0, back = RGB(212, 208, 200), closed = QBColor(8), locked = RGB(255, 0, 0);
    const std::array<Long, 4> colours{wall, back, closed, locked};

    const auto open = RoomPixels({kDoorOpen, kDoorWall, kDoorWall, kDoorWall}, colours);
    for (int x = 13; x <= 16; ++x) {
        EXPECT_EQ(Px(open, x, 0), back) << x;
        EXPECT_EQ(Px(open, x, 1), back) << x;
    }
    for (int y = 1; y <= 4; ++y) {
        EXPECT_EQ(Px(open, 12, y), wall) << y;
        EXPECT_EQ(Px(open, 17, y), wall) << y;
    }
    EXPECT_EQ(Px(open, 12, 5), back);  // the posts end one short of their end point
    EXPECT_EQ(Px(open, 15, 15), back);

    const auto shut = RoomPixels({kDoorClosed, kDoorLocked, kDoorWall, 9}, colours);
    for (int x = 13; x <= 16; ++x)
        for (int y = 0; y <= 1; ++y) EXPECT_EQ(Px(shut, x, y), closed) << x << "," << y;
    for (int y = 13; y <= 16; ++y) {
        EXPECT_EQ(Px(shut, 29, y), locked) << y;
        EXPECT_EQ(Px(shut, 28, y), locked) << y;
    }
    for (int x = 25; x <= 28; ++x) EXPECT_EQ(Px(shut, x, 17), wall) << x;  // the East door's second post
    // A wall, and a state outside 0..3: the outline only, no posts.
    for (int side : {2, 3}) {
        const int x = side == 2 ? 14 : 0, y = side == 2 ? 29 : 14;
        EXPECT_EQ(Px(shut, x, y), wall);
    }
    EXPECT_EQ(Px(shut, 1, 14), back);
    EXPECT_EQ(Px(shut, 2, 12), back);
    EXPECT_EQ(Px(shut, 12, 27), back);
}

TEST(ConsoleDrawingTest, TheConsoleStandsCentredAndWholeOnTheDesktop) {
    const struct {
        const char* what;
        ConsoleBox desktop;
        long width, height;
        ConsoleBox at;
    } cases[] = {
        {"fits: centred on its own size", {0, 0, 1366, 768}, 1020, 554, {173, 107, 1020, 554}},
        {"a desktop with a panel at the top", {0, 30, 1280, 994}, 1020, 726, {130, 164, 1020, 726}},
        {"exactly as large as the desktop", {0, 0, 1020, 726}, 1020, 726, {0, 0, 1020, 726}},
        {"wider than the desktop: its left edge stays on it", {0, 0, 800, 800}, 1020, 554, {0, 123, 1020, 554}},
        {"taller too: its top-left corner stays on it", {10, 20, 800, 600}, 1020, 726, {10, 20, 1020, 726}},
    };
    for (const auto& c : cases) EXPECT_EQ(CentredOnDesktop(c.width, c.height, c.desktop), c.at) << c.what;

    // A console that grows down is moved up by as much as it runs off, and no further.
    const ConsoleBox desktop{0, 0, 1280, 1024};
    EXPECT_EQ(KeptOnDesktop({100, 500, 1020, 726}, desktop), (ConsoleBox{100, 298, 1020, 726}));
    EXPECT_EQ(KeptOnDesktop({100, 200, 1020, 726}, desktop), (ConsoleBox{100, 200, 1020, 726}));
    EXPECT_EQ(KeptOnDesktop({-50, -10, 1020, 726}, desktop), (ConsoleBox{0, 0, 1020, 726}));
}

TEST(ConsoleDrawingTest, ALabelTooNarrowForItsTextShowsItShortened) {
    // A label that fits `room` characters.
    auto upTo = [](size_t room) { return [room](const std::string& t) { return CharCount(t) <= room; }; };
    const struct {
        const char* text;
        size_t room;
        const char* shown;
    } cases[] = {
        {"Beam back to the ship.", 22, "Beam back to the ship."},
        {"Beam back to the ship.", 21, "Beam back to the..."},  // cut to 17 with "... ", then trimmed
        {"Climb the stair to the gallery.", 14, "Climb the..."},
        {"Caf\xC3\xA9 de la gal\xC3\xA9rie", 9, "Caf\xC3\xA9..."},  // a letter goes whole
        {"Go", 1, "..."},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortenedToFit(c.text, upTo(c.room)), c.shown) << c.text << " " << c.room;
}

}  // namespace
}  // namespace kv
