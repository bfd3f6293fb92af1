#include <gtest/gtest.h>

#include "engine/tactical/Probes.h"
#include "support/WeaponsTestSupport.h"

namespace kv::test {
namespace {

// The probe dialog answers with a course.
void Course(WeaponsGame& tg, const char* course) {
    tg.host.modal[Form::frmPRO] = [&tg, course] {
        EXPECT_EQ(tg.st.ProbeDialog.CourseText, "1.0");  // it opens at course 1.0
        EXPECT_EQ(tg.st.ProbesLeftCaption, std::to_string(tg.st.Probes));  // ... showing those aboard
        tg.st.ProbeDialog.CourseText = course;
        return kOK;
    };
}

TEST(ProbesTest, NoProbeOrACancelledCourseCostsNothing) {
    ConstantRandom rng(0.5f);
    WeaponsGame tg(rng);
    tg.st.Probes = 0;
    LaunchProbe(tg.game);
    EXPECT_EQ(tg.host.notices, (std::vector<std::string>{"<KVBASIC0243>"}));
    EXPECT_FALSE(tg.host.Saw("modal:frmPRO"));

    tg.game.MessageSuppressed[6] = kTrue;  // the slot switched off: only the log
    LaunchProbe(tg.game);
    EXPECT_EQ(tg.host.output, (std::vector<std::string>{"<KVBASIC0243>"}));

    for (const char* cancel : {"-32767", "0", "9.5", ""}) {
        WeaponsGame c(rng);
        c.st.Probes = 5;
        Course(c, cancel);
        LaunchProbe(c.game);
        EXPECT_EQ(c.st.Probes, 5) << cancel;
        EXPECT_EQ(c.st.ShipEnergy, 3000) << cancel;
        EXPECT_EQ(c.st.TimeLeft, 30.0f) << cancel;
        EXPECT_TRUE(c.host.Events("disable:").empty()) << cancel;
        EXPECT_TRUE(c.host.Saw("show:frmGalaxy")) << cancel;
    }
}

TEST(ProbesTest, ThePathChartsEveryQuadrantItPasses) {
    struct Case {
        const char* what;
        int qRow, qCol, sRow, sCol;
        const char* course;
        std::vector<int> charted;  // chart label per step, in order
        int sounds;
    };
    std::vector<int> east;  // quadrant row 2: columns 4 (steps 1-5), 5 (7), 6 (9), 7 (7), 8 (9)
    for (auto [col, n] : {std::pair{4, 5}, {5, 7}, {6, 9}, {7, 7}, {8, 9}})
        for (int i = 0; i < n; ++i) east.push_back(8 + col - 1);
    const Case cases[] = {
        // Columns 0.875, 0.75, 0.625, then 0.5 rounds to 0: gone before the fourth step's sound.
        {"west from the corner", 1, 1, 1, 1, "5.0", {0, 0, 0}, 0},
        // 3.875 already rounds to column 4.
        {"east from column 8 of quadrant 3", 2, 3, 1, 8, "1.0", east, 9},
        // South from quadrant row 7, sector row 8: 8.0 .. 8.375, then 8.5 rounds to 8, 8.625 is out.
        {"south to the edge", 7, 2, 8, 1, "7.0", {57, 57, 57, 57, 57}, 1},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        WeaponsGame tg(rng);
        tg.st.Probes = 3;
        tg.st.ShipQuadrantRow = tg.st.TacticalQuadRow = static_cast<Integer>(c.qRow);
        tg.st.ShipQuadrantCol = tg.st.TacticalQuadCol = static_cast<Integer>(c.qCol);
        tg.st.ShipSectorRow = static_cast<Integer>(c.sRow);
        tg.st.ShipSectorCol = static_cast<Integer>(c.sCol);
        for (int r = 1; r <= 8; ++r)
            for (int col = 1; col <= 8; ++col) tg.st.Galaxy[r][col] = static_cast<Integer>(r * 10 + col % 10);
        Course(tg, c.course);
        LaunchProbe(tg.game);
        // The quadrants the probe highlights (the hostiles' turn before the launch clears the
        // chart's highlights first).
        std::vector<int> charted;
        const std::string scanned = ":" + std::to_string(kChartScanned);
        for (const auto& e : tg.host.Events("chart:"))
            if (e.ends_with(scanned)) charted.push_back(std::stoi(e.substr(6)));
        EXPECT_EQ(charted, c.charted) << c.what;
        for (int label : c.charted) {
            const int r = label / 8 + 1, col = label % 8 + 1;
            EXPECT_EQ(tg.st.KnownGalaxy[r][col], tg.st.Galaxy[r][col]) << c.what;
        }
        EXPECT_EQ(Played(tg.host, "PROBE.WAV"), c.sounds) << c.what;
        // A launch costs a probe, 40 energy and 0.2 time units, however far it flies.
        EXPECT_EQ(tg.st.Probes, 2) << c.what;
        EXPECT_EQ(tg.st.ShipEnergy, 3000 - 40) << c.what;
        EXPECT_FLOAT_EQ(tg.st.TimeLeft, 29.8f) << c.what;
        EXPECT_NEAR(tg.host.waited, 0.6 + 0.1 * static_cast<double>(c.charted.size()), 1e-6) << c.what;
    }
}

TEST(ProbesTest, AShipLostToTheHostilesFireLaunchesNothing) {
    // Every system already out of action and the ship at the edge of its loss: the Zarvoni
    // ship's hit ends it before the launch.
    ConstantRandom rng(0.0f);
    WeaponsGame tg(rng);
    tg.st.Probes = 3;
    for (int i = 1; i <= 8; ++i) tg.st.SystemDamage[i] = 8.0f;
    tg.st.SystemDamage[kHull] = 6.99f;
    tg.st.ShieldFactor = 1.0f;
    tg.Zarvoni(1, 4, 6);
    Course(tg, "1.0");
    LaunchProbe(tg.game);
    EXPECT_TRUE(tg.st.ShipLost);
    EXPECT_FALSE(tg.st.GameRunning);
    EXPECT_EQ(tg.st.Probes, 3);
    EXPECT_EQ(Played(tg.host, "TORPEDO.WAV"), 0);
    EXPECT_EQ(tg.st.KnownGalaxy[4][5], -1);  // nothing charted
    const auto toggles = EventsOf(tg.host, {"disable:frmPRO", "enable:frmPRO"});
    ASSERT_FALSE(toggles.empty());
    EXPECT_EQ(toggles.back(), "enable:frmPRO");  // the windows come back
}

}  // namespace
}  // namespace kv::test
