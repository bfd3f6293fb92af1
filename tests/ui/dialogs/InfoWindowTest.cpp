#include <gtest/gtest.h>

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "ui/support/DesktopGame.h"

namespace kv {
namespace {

struct InfoWindow : ::testing::Test {
    ConstantRandom rng{0.5f};
    test::DesktopGame dg{rng};
    GameState& s = dg.st;
    int ended = 0;
    void SetUp() override {
        dg.host.onEndProgram = [this] { ++ended; };
    }
};

TEST_F(InfoWindow, StandsAtTheTopRightCornerOrBelowALongCommandBarThatReachesIt) {
    QWidget* w = dg.Window(Form::frmInfo);
    QWidget* bar = dg.Window(Form::frmCommands);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A tall bar right of a narrow log leaves the corner free.
    dg.Window(Form::frmOutput)->resize(100, 240);
    dg.game.options.CommandBarColumns = 3;
    dg.host.Refresh(View::CommandBar);
    dg.host.ArrangeWindows();
    ASSERT_LT(bar->frameGeometry().right(), w->x());
    EXPECT_EQ(w->pos(), QPoint(screen.right() + 1 - w->width(), screen.top()));
    // A long one reaches into it: the info window stands just below the bar, at the right edge.
    dg.game.options.CommandBarColumns = 12;
    dg.host.Refresh(View::CommandBar);
    dg.host.ArrangeWindows();
    EXPECT_EQ(w->pos(), QPoint(screen.right() + 1 - w->width(), bar->frameGeometry().bottom() + 1));
}

TEST_F(InfoWindow, ShowsTheStarbaseLineOrTheProgressOfASave) {
    s.StarbaseLine = "Starbase 2 under attack: 40%";
    dg.host.Refresh(View::StarbaseLine);
    EXPECT_EQ(dg.Shown(Form::frmInfo, "lblStarbase"), "Starbase 2 under attack: 40%");

    dg.host.ShowInfoProgress("Saving game...", true);
    EXPECT_TRUE(dg.Window(Form::frmInfo)->isVisible());
    EXPECT_EQ(dg.Shown(Form::frmInfo, "lblStarbase"), "Saving game...");
    dg.host.ShowInfoProgress("", false);
    EXPECT_EQ(dg.Shown(Form::frmInfo, "lblStarbase"), "Starbase 2 under attack: 40%");
}

TEST_F(InfoWindow, TheCountdownLineShowsOnlyInDebugMode) {
    auto* line = dg.Control<QFrame>(Form::frmInfo, "lnMorvTimer");
    const int full = dg.Control<QLabel>(Form::frmInfo, "lblStarbase")->width();
    s.MorvTimerBar = 0.5f;
    dg.host.Refresh(View::MorvTimer);
    EXPECT_FALSE(line->isVisibleTo(line->window()));
    s.DebugMode = true;
    dg.host.Refresh(View::MorvTimer);
    EXPECT_TRUE(line->isVisibleTo(line->window()));
    EXPECT_EQ(line->width(), full / 2);
}

TEST_F(InfoWindow, CloseOffersToSaveAChangedGame) {
    struct Case {
        const char* what;
        bool running, changed;
        std::vector<int> answers;
        std::vector<std::optional<std::string>> files;
        size_t questions;
        int ended;
    };
    const Case cases[] = {
        {"no game: QuitGame ends at once", false, true, {}, {}, 0, 1},
        {"an unchanged game: QuitGame's own question", true, false, {kYes}, {}, 1, 1},
        {"Cancel: back to the game", true, true, {kCancel}, {}, 1, 0},
        {"No: the end without a second question", true, true, {kNo}, {}, 1, 1},
        {"Yes and a cancelled file dialog: back to the game", true, true, {kYes}, {std::nullopt}, 1, 0},
    };
    for (const Case& c : cases) {
        s.GameRunning = c.running;
        s.GameChanged = c.changed;
        dg.script.questions.clear();
        dg.script.answers.assign(c.answers.begin(), c.answers.end());
        dg.script.files.assign(c.files.begin(), c.files.end());
        ended = 0;
        dg.Click(Form::frmInfo, "cmdClose");
        EXPECT_EQ(dg.script.questions.size(), c.questions) << c.what;
        EXPECT_EQ(ended, c.ended) << c.what;
        EXPECT_TRUE(dg.script.answers.empty() && dg.script.files.empty()) << c.what;
    }
    s.GameRunning = s.GameChanged = true;
    dg.script.answers = {kCancel};
    dg.Click(Form::frmInfo, "cmdClose");
    EXPECT_EQ(dg.script.questions.back(), "<INFO0001>");
}

}  // namespace
}  // namespace kv
