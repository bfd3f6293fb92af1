#include <gtest/gtest.h>

#include "screens/main/Minimize.h"
#include "support/TestGame.h"

namespace kv {
namespace {

struct MinimizeGame : test::TestGame {
    ConstantRandom rng{0.5f};
    MinimizeGame() : TestGame(rng) {
        st.ShipPrefix = "Kestrava";
        st.ConfigName = "General";
    }
};

TEST(Minimize, HidesTheGameAndBringsBackExactlyWhatWasShown) {
    MinimizeGame mg;
    MinimizeState state;
    EXPECT_EQ(MinimizeLoadCaption(mg.game), "Kestrava");
    // The first resize after loading changes no window.
    const MinimizeResize first = MinimizeResized(mg.game, state, false);
    EXPECT_FALSE(first.caption);
    EXPECT_TRUE(mg.host.events.empty());

    mg.host.visible = {Form::frmOutput, Form::frmCommands, Form::frmSRS};
    const MinimizeResize down = MinimizeResized(mg.game, state, true);
    EXPECT_EQ(down.caption, "Kestrava - General");
    EXPECT_TRUE(down.animate);
    EXPECT_TRUE(mg.host.visible.empty());
    for (int k = 1; k <= 31; ++k) {
        const bool shown = k == 1 || k == 4 || k == 11;
        EXPECT_EQ(mg.st.FormVisible[static_cast<size_t>(k)], shown ? kTrue : kFalse) << k;
    }
    // A second minimise keeps what the first kept.
    MinimizeResized(mg.game, state, true);
    EXPECT_EQ(mg.st.FormVisible[11], kTrue);

    mg.host.events.clear();
    const MinimizeResize up = MinimizeResized(mg.game, state, false);
    EXPECT_EQ(mg.host.Events("show:"),
              (std::vector<std::string>{"show:frmSRS", "show:frmCommands", "show:frmOutput", "show:frmCommands"}));
    EXPECT_EQ(mg.host.Events("hide:").size(), 28u);
    EXPECT_FALSE(up.animate);
    EXPECT_EQ(up.icon, kMinimizeStillFrame);
}

TEST(Minimize, TheIconRunsThroughSixFramesWhileTheWindowIsVisible) {
    MinimizeState state;
    std::vector<int> frames;
    for (int i = 0; i < 7; ++i) frames.push_back(*MinimizeAnimationTick(state, true));
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 0, 1}));
    EXPECT_FALSE(MinimizeAnimationTick(state, false));
}

}  // namespace
}  // namespace kv
