#include <gtest/gtest.h>

#include <cmath>

#include "engine/computer/Navigation.h"
#include "screens/dialogs/GalaxyChart.h"
#include "screens/dialogs/NavWindow.h"
#include "screens/dialogs/Pickers.h"
#include "support/TacticalTestSupport.h"

namespace kv::test {
namespace {

struct NavAndChartTest : ::testing::Test {
    SeededRandom rng{4};
    TurnGame tg{rng};
    GameState& s = tg.game.st;
    NavDialogData& nav = s.NavDialog;
    void SetUp() override { SetupNavDialog(tg.game, 8.0f); }
};

TEST_F(NavAndChartTest, TypedCoursesAndWarpsOutOfRangeAreReset) {
    struct Case {
        const char* typed;
        bool refused;
    };
    for (const Case& c : {Case{"9.5", true}, Case{"0.9", true}, Case{"-32767", false}, Case{"1.0", false},
                          Case{"9", false}, Case{"abc", true}}) {
        tg.host.notices.clear();
        nav.CourseValue = 45;
        nav.CourseText = c.typed;
        NavCourseTextChanged(tg.game);
        EXPECT_EQ(!tg.host.notices.empty(), c.refused) << c.typed;
        EXPECT_EQ(nav.CourseText, c.refused ? "1.0" : c.typed) << c.typed;
        EXPECT_EQ(nav.CourseValue, c.refused ? 10 : 45) << c.typed;
    }
    SetupNavDialog(tg.game, 0.5f);
    for (const Case& c : {Case{"0.6", true}, Case{"-0.1", true}, Case{"0.5", false}, Case{"0", false}}) {
        tg.host.notices.clear();
        nav.WarpValue = 2;
        nav.WarpText = c.typed;
        NavWarpTextChanged(tg.game);
        EXPECT_EQ(tg.host.notices, c.refused ? std::vector<std::string>{"<NAV0006>"} : std::vector<std::string>{})
            << c.typed;
        EXPECT_EQ(nav.WarpText, c.refused ? "0.0" : c.typed) << c.typed;
        EXPECT_EQ(nav.WarpValue, c.refused ? 5 : 2) << c.typed;
    }
}

TEST_F(NavAndChartTest, CancelAutoAndActivation) {
    tg.host.visible.insert(Form::frmNAV);
    NavCancel(tg.game);
    EXPECT_EQ(nav.CourseText, "-32767");
    EXPECT_FALSE(tg.host.IsFormVisible(Form::frmNAV));
    NavAuto(tg.game);
    EXPECT_TRUE(tg.host.IsFormVisible(Form::frmTargetCalculator));
    EXPECT_TRUE(NavAutoEnabled(s));
    s.SystemDamage[kComputer] = 0.1f;
    EXPECT_FALSE(NavAutoEnabled(s));
    double x = 0, y = 0;
    NavMapLineStart(s, 64, 128, x, y);  // quadrant (4, 4), sector (4, 4): sector 27 of 64 each way
    EXPECT_DOUBLE_EQ(x, 27.5);
    EXPECT_DOUBLE_EQ(y, 55.0);
}

TEST_F(NavAndChartTest, CourseArrowIsTwelvePixelsFromTheGaugesCentre) {
    struct Case {
        const char* tag;  // the gauge's tag: the course as a percentage of the full circle
        double dx, dy;    // the far end from the centre
    };
    const double d = 12 / std::sqrt(2.0);
    for (const Case& c : {Case{"0", 12, 0}, Case{"12.5", d, -d}, Case{"25", 0, -12}, Case{"50", -12, 0},
                          Case{"75", 0, 12}, Case{"100", 12, 0}}) {
        SCOPED_TRACE(c.tag);
        const CourseArrowLine a = DrawCourseArrow(111, 96, CourseGaugeAngle(c.tag));
        EXPECT_EQ(a.x1, 55);  // half the width, cut to whole pixels
        EXPECT_EQ(a.y1, 48);
        EXPECT_NEAR(a.x2 - a.x1, c.dx, 1e-5);
        EXPECT_NEAR(a.y2 - a.y1, c.dy, 1e-5);
        EXPECT_EQ(a.colour, 0);
    }
}

TEST_F(NavAndChartTest, ChartLabelPlaces) {
    double left = 0, top = 0;
    ChartLabelPlace(0, left, top);
    EXPECT_EQ(std::make_pair(left, top), std::make_pair(300.0, 300.0));
    ChartLabelPlace(63, left, top);
    EXPECT_EQ(std::make_pair(left, top), std::make_pair(4080.0, 2400.0));
}

TEST_F(NavAndChartTest, ChartClicksPickOrExplain) {
    s.Chart.Labels[10].Caption = "213";
    s.QuadrantPickMode = -1;
    ChartClick(tg.game, 10);
    EXPECT_EQ(s.QuadrantPickMode, 11);
    EXPECT_TRUE(s.Chart.Labels[10].Border);
    EXPECT_TRUE(tg.host.notices.empty());

    s.QuadrantPickMode = 0;
    tg.game.SetTimer(Timer::frmCOM_tmrTC, true);
    tg.host.events.clear();
    tg.host.answers = {kNo};  // the calculator offers the course to the picked quadrant
    ChartClick(tg.game, 10);
    EXPECT_EQ(tg.host.questions.size(), 1u);
    EXPECT_TRUE(tg.host.notices.empty());
    EXPECT_TRUE(tg.host.Saw("refresh:TargetCalculator"));

    tg.game.SetTimer(Timer::frmCOM_tmrTC, false);
    ChartClick(tg.game, 10);
    ASSERT_EQ(tg.host.notices.size(), 1u);
    const std::string& notice = tg.host.notices[0];
    EXPECT_NE(notice.find("              213\t2 Zarvonis\r\n"), std::string::npos);
    EXPECT_NE(notice.find("              | | |\t1<GALAXY0003>1<GALAXY0004>\r\n"), std::string::npos);
    EXPECT_NE(notice.find("             /  |  \\\t3<GALAXY0013>\r\n"), std::string::npos);
    EXPECT_EQ(notice.rfind("<GALAXY0005>\r\n", 0), 0u);
}

TEST_F(NavAndChartTest, ChartExplainsTheBaseCharacter) {
    struct Case {
        const char* caption;
        const char* line;
    };
    for (const Case& c : {Case{"102", "0<GALAXY0002>"}, Case{"230", "3<GALAXY0003>3<GALAXY0004>"}}) {
        const std::string text = ChartCodeExplanation(tg.game, c.caption);
        EXPECT_NE(text.find(std::string("| | |\t") + c.line), std::string::npos) << c.caption;
    }
    tg.UseKeyTexts({{"Z", "Z"}});
    EXPECT_NE(ChartCodeExplanation(tg.game, "?Z2").find("| | |\tZ Zarvoni<GALAXY0001>"), std::string::npos);
}

TEST_F(NavAndChartTest, QuadrantPickerStartsEmptyAndCloseLeavesNothing) {
    QuadSelectActivate(tg.game);
    QuadSelectClick(tg.game, 12);
    EXPECT_EQ(s.QuadSelect.Selected, 12);
    QuadSelectActivate(tg.game);
    EXPECT_EQ(s.QuadSelect.Selected, -1);
    s.QuadSelect.Enabled[20] = false;  // the ship's own cell cannot be picked
    QuadSelectClick(tg.game, 20);
    EXPECT_EQ(s.QuadSelect.Selected, -1);
    QuadSelectClick(tg.game, 21);
    QuadSelectClose(tg.game);
    EXPECT_EQ(s.QuadSelect.Selected, -1);
}

}  // namespace
}  // namespace kv::test
