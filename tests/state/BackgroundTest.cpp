#include <gtest/gtest.h>

#include "state/Background.h"
#include "support/TestGame.h"

namespace kv {
namespace {

struct BackgroundGame : test::TestGame {
    ConstantRandom rng{0.5f};
    BackgroundGame() : TestGame(rng) {}
};

TEST(ApplyBackground, ShowsTheBackgroundBehindTheVisibleGameWindowsInTableOrder) {
    BackgroundGame bg;
    bg.host.visible = {Form::frmSRS, Form::frmOutput, Form::frmCommands};
    ApplyBackground(bg.game);
    EXPECT_EQ(bg.host.events,
              (std::vector<std::string>{"show:frmBackground", "front:frmOutput", "front:frmCommands", "front:frmSRS"}));
    EXPECT_EQ(bg.st.FormVisible[31], kTrue);
    EXPECT_EQ(bg.game.background.Tag, BackgroundTag::None);
}

TEST(ApplyBackground, WithNoGameWindowVisibleOnlyShowsTheBackground) {
    BackgroundGame bg;
    ApplyBackground(bg.game);
    EXPECT_EQ(bg.host.events, (std::vector<std::string>{"show:frmBackground"}));
}

TEST(ApplyBackground, UnderAModalWindowWaitsForTheReturnFromIt) {
    BackgroundGame bg;
    bg.host.visible = {Form::frmSRS};
    bg.host.modalOpen = true;
    ApplyBackground(bg.game);
    EXPECT_EQ(bg.host.events, (std::vector<std::string>{"refused:frmBackground"}));
    EXPECT_EQ(bg.game.background.Tag, BackgroundTag::Show);
    EXPECT_EQ(bg.st.FormVisible[31], kTrue);

    // Still modal at a refresh: the request stays pending instead of being lost.
    RefreshBackground(bg.game);
    EXPECT_EQ(bg.game.background.Tag, BackgroundTag::Show);

    bg.host.modalOpen = false;
    bg.host.events.clear();
    RefreshBackground(bg.game);
    EXPECT_EQ(bg.host.events,
              (std::vector<std::string>{"regionshow:frmBackground", "show:frmBackground", "front:frmSRS"}));
    EXPECT_EQ(bg.game.background.Tag, BackgroundTag::None);
}

TEST(ReskinBackground, HidesAtOnceAndProperlyOnTheRefresh) {
    BackgroundGame bg;
    bg.host.visible = {Form::frmBackground};
    ReskinBackground(bg.game);
    EXPECT_TRUE(bg.host.regionHidden.count(Form::frmBackground));
    EXPECT_TRUE(bg.host.visible.count(Form::frmBackground));  // still open, only not drawn
    EXPECT_TRUE(BackgroundActive(bg.game));

    RefreshBackground(bg.game);
    EXPECT_FALSE(bg.host.visible.count(Form::frmBackground));
    EXPECT_FALSE(bg.host.regionHidden.count(Form::frmBackground));
    EXPECT_EQ(bg.game.background.Tag, BackgroundTag::None);
    EXPECT_FALSE(BackgroundActive(bg.game));

    bg.host.events.clear();
    RefreshBackground(bg.game);  // nothing pending
    EXPECT_TRUE(bg.host.events.empty());

    ApplyBackground(bg.game);
    EXPECT_TRUE(bg.host.visible.count(Form::frmBackground));
    EXPECT_FALSE(bg.host.regionHidden.count(Form::frmBackground));
}

TEST(ApplyBackground, DrawsAWindowHiddenByItsRegionAgain) {
    BackgroundGame bg;
    bg.host.visible = {Form::frmBackground};
    ReskinBackground(bg.game);
    ApplyBackground(bg.game);
    EXPECT_FALSE(bg.host.regionHidden.count(Form::frmBackground));
    EXPECT_EQ(bg.game.background.Tag, BackgroundTag::Hide);  // the hide is still owed
}

TEST(AddBackgroundLine, FillsTheLinesAfterAResetAndLeavesAnEmptyOneLast) {
    BackgroundGame bg;
    AddBackgroundLine(bg.game, "RESET");
    for (const char* line : {"one", "two", "three"}) AddBackgroundLine(bg.game, line);
    EXPECT_EQ(bg.game.background.lblScroll, (std::vector<std::string>{"one", "two", "three", ""}));
    // A reset while the lines of an earlier show are still there starts from element 0 again.
    AddBackgroundLine(bg.game, "RESET");
    AddBackgroundLine(bg.game, "four");
    EXPECT_EQ(bg.game.background.lblScroll, (std::vector<std::string>{"four", ""}));
}

}  // namespace
}  // namespace kv
