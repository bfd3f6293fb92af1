#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "screens/main/CaptionShow.h"
#include "support/TestGame.h"

namespace kv {
namespace {

// A full-screen background window of 1024 x 768 with every line 300 x 40 pixels.
CaptionGeometry Window(size_t lines, int height = 768) {
    CaptionGeometry w;
    w.width = 1024;
    w.height = height;
    w.labels.assign(lines, CaptionLabelSize{300, 40});
    return w;
}

struct ShowGame : test::TestGame {
    ConstantRandom rng{0.5f};
    ShowGame() : TestGame(rng) {}

    // Fills the lines as a caller does and starts the show.
    void Start(const std::vector<std::string>& lines, CaptionShowKind kind = CaptionShowKind::Grey) {
        AddBackgroundLine(game, "RESET");
        for (const std::string& l : lines) AddBackgroundLine(game, l);
        StartCaptionShow(game, kind);
    }
    CaptionTick Tick(CaptionShowKind kind = CaptionShowKind::Grey) {
        return CaptionShowTick(game, kind, Window(game.background.lblScroll.size()));
    }
    // Ticks until the show ends (at most `limit`); per tick "" (nothing drawn), the level
    // printed ("30"), and "end" on the last.
    std::vector<std::string> Run(int limit = 1000, CaptionShowKind kind = CaptionShowKind::Grey) {
        std::vector<std::string> out;
        for (int i = 0; i < limit; ++i) {
            const CaptionTick t = Tick(kind);
            std::string e = t.print ? std::to_string(t.print->level) : std::string();
            if (t.ended) e += e.empty() ? "end" : "+end";
            out.push_back(e);
            if (t.ended) break;
        }
        return out;
    }
};

// The ticks of one line "A" followed by the empty last line: fade in on ticks 1-8, the hold,
// fade out on ticks 40-48, the erase on 49, the dark pause, the end on 60. A caption of several
// lines holds `extraHold` ticks longer.
std::vector<std::string> OneLineShow(int extraHold = 0) {
    std::vector<std::string> t;
    for (int level = 30; level <= 240; level += 30) t.push_back(std::to_string(level));  // 1-8
    t.insert(t.end(), 31 + extraHold, "");                                               // 9-39
    for (int level = 240; level >= 0; level -= 30) t.push_back(std::to_string(level));   // 40-48
    t.push_back("0");                                                                    // 49 erase
    t.insert(t.end(), 10, "");                                                           // 50-59
    t.push_back("end");                                                                  // 60
    return t;
}

TEST(CaptionShow, FadesALineInHoldsItFadesItOutAndEnds) {
    ShowGame sg;
    sg.Start({"A"});
    const std::vector<std::string> ticks = sg.Run();
    EXPECT_EQ(ticks, OneLineShow());
    ASSERT_EQ(ticks.size(), 60u);
    // The show is over: its timer off, the window hidden, only element 0 left for the next show.
    EXPECT_FALSE(sg.game.TimerEnabled(Timer::frmBackground_tmrScroll));
    EXPECT_EQ(sg.game.background.lblScroll.size(), 1u);
    EXPECT_TRUE(sg.host.Saw("hide:frmBackground"));
    EXPECT_EQ(sg.host.Events("centermouse").size(), 1u);  // once, when the grey show starts

    // The next show starts from its first line at once.
    sg.Start({"A"});
    EXPECT_EQ(sg.Run(), OneLineShow());
}

TEST(CaptionShow, ACaptionOfTwoLinesHoldsTwentyTicksLonger) {
    ShowGame sg;
    sg.Start({"A\r\nB"});
    const std::vector<std::string> ticks = sg.Run();
    EXPECT_EQ(ticks, OneLineShow(20));
    EXPECT_EQ(ticks.size(), 80u);
}

TEST(CaptionShow, AnEmptyLineIsAPauseOfSevenTicks) {
    ShowGame sg;
    sg.Start({"A", "", "B"});
    const std::vector<std::string> ticks = sg.Run();
    std::vector<std::string> expected = OneLineShow();
    expected.pop_back();  // tick 60 is the empty line: it starts the pause
    expected.push_back("");
    expected.insert(expected.end(), 7, "");  // 61-67
    std::vector<std::string> second = OneLineShow();
    expected.insert(expected.end(), second.begin(), second.end());  // "B" from tick 68
    EXPECT_EQ(ticks, expected);
}

TEST(CaptionShow, PrintsEachLineCentredInGreyAndSplitAtTheLineSeparator) {
    ShowGame sg;
    sg.Start({"First\r\nSecond"});
    const CaptionTick t = sg.Tick();
    EXPECT_TRUE(t.setUp);
    ASSERT_TRUE(t.print);
    EXPECT_EQ(t.print->lines, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(t.print->left, (1024 - 300) / 2);
    EXPECT_EQ(t.print->top, (768 - 40) / 2);
    EXPECT_EQ(t.print->colour, 30 | 30 << 8 | 30 << 16);
    EXPECT_FALSE(sg.Tick().setUp);
}

TEST(CaptionShow, WithNoLineButElementZeroEndsOnTheFirstTick) {
    ShowGame sg;
    sg.Start({});
    EXPECT_EQ(sg.Run(), (std::vector<std::string>{"end"}));
}

TEST(CaptionShow, AClickStopsOnlyARunningGreyShow) {
    // Before any show: nothing is kept for the next one, which runs whole.
    ShowGame before;
    RequestCaptionShowStop(before.game);
    before.Start({"A"});
    EXPECT_EQ(before.Run().size(), 60u);

    // During a fade: the next tick ends the show and drops its lines.
    ShowGame during;
    during.Start({"A", "B"});
    for (int i = 0; i < 3; ++i) during.Tick();
    RequestCaptionShowStop(during.game);
    const CaptionTick t = during.Tick();
    EXPECT_TRUE(t.ended);
    EXPECT_FALSE(t.print);
    EXPECT_FALSE(during.game.TimerEnabled(Timer::frmBackground_tmrScroll));
    EXPECT_EQ(during.game.background.lblScroll.size(), 1u);
    // The stop is used up: the next show runs whole.
    during.Start({"A"});
    EXPECT_EQ(during.Run().size(), 60u);

    // A red show has no stop request.
    ShowGame red;
    red.Start({"A"}, CaptionShowKind::Red);
    red.Tick(CaptionShowKind::Red);
    RequestCaptionShowStop(red.game);
    EXPECT_FALSE(red.Tick(CaptionShowKind::Red).ended);
}

TEST(CaptionShow, RedShowStacksItsLinesDownTheWindowInRed) {
    ShowGame sg;
    sg.game.background.lblScroll = {"One", "Two", "Three"};
    StartCaptionShow(sg.game, CaptionShowKind::Red);
    std::vector<int> tops(3, -1);
    for (int i = 0; i < 1000; ++i) {
        const CaptionTick t = sg.Tick(CaptionShowKind::Red);
        if (t.print) {
            EXPECT_EQ(t.print->colour, t.print->level);  // red only
            tops[static_cast<size_t>(t.print->label)] = t.print->top;
        }
        if (t.ended) break;
    }
    EXPECT_EQ(tops, (std::vector<int>{236, 492, 748}));
    EXPECT_TRUE(sg.host.Events("centermouse").empty());
}

TEST(CaptionShow, EveryRedShowWaitsForItsDelayFirst) {
    ShowGame sg;
    for (int show = 0; show < 2; ++show) {
        sg.Start({"A"}, CaptionShowKind::Red);
        EXPECT_TRUE(sg.game.TimerEnabled(Timer::frmBackground_tmrNoMorv));
        EXPECT_EQ(sg.game.background.redInterval, kRedShowDelayMs) << show;
        const CaptionTick first = sg.Tick(CaptionShowKind::Red);
        EXPECT_TRUE(first.setUp) << show;  // nothing left over from the last show delays it
        EXPECT_EQ(first.interval, kCaptionTickMs);
        CaptionTick t = first;
        while (!t.ended) t = sg.Tick(CaptionShowKind::Red);
        EXPECT_EQ(t.interval, kRedShowDelayMs) << show;  // never left at 0
        EXPECT_FALSE(sg.game.TimerEnabled(Timer::frmBackground_tmrNoMorv));
    }
}

TEST(CaptionShow, FontSizeFollowsTheScreenWidth) {
    EXPECT_DOUBLE_EQ(CaptionFontSize(1024), 24.0);
    EXPECT_DOUBLE_EQ(CaptionFontSize(1280), 30.0);
    EXPECT_DOUBLE_EQ(CaptionFontSize(800), 18.75);
}

}  // namespace
}  // namespace kv
