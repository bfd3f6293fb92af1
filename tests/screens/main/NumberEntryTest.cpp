#include "screens/main/NumberEntry.h"

#include <gtest/gtest.h>

#include "state/NumberDialog.h"
#include "state/Numeric.h"
#include "support/TestGame.h"

namespace kv::test {
namespace {

// Opens the dialog for minimum..maximum with `factor`; `player` acts on it while it shows.
double Ask(TestGame& tg, Single minimum, Single maximum, Single factor, Single value,
           const std::function<void(Game&)>& player) {
    tg.host.modal[Form::frmGetNumber] = [&] {
        player(tg.game);
        return kOK;
    };
    return SetupNumberDialog(tg.game, "How much?", "Energy", "units", value, minimum, maximum, factor);
}

TEST(NumberEntryTest, TypedNumbersAreKeptWithinTheRange) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    const NumberDialogData& d = tg.game.numberDialog;
    EXPECT_EQ(Ask(tg, 0, 2000, 1, 100, [](Game& g) { NumberTextChange(g, "2500"); }), 2000);
    EXPECT_EQ(d.txtNumber, "2000");
    EXPECT_EQ(Ask(tg, 10, 2000, 1, 100, [](Game& g) { NumberTextChange(g, "3"); }), 10);
    // Text that is no number reads as 0, then the lower bound applies.
    EXPECT_EQ(Ask(tg, 10, 2000, 1, 100, [](Game& g) { NumberTextChange(g, "lots"); }), 10);
    EXPECT_EQ(Ask(tg, 0, 2000, 1, 100, [](Game& g) { NumberTextChange(g, "1234"); }), 1234);
}

TEST(NumberEntryTest, ALargeRangeMovesInStepsOfTheFactor) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    const NumberDialogData& d = tg.game.numberDialog;
    double chosen = Ask(tg, 0, 100000, 1, 0, [&](Game& g) {
        EXPECT_EQ(d.Max, 25000);  // the factor became 4
        EXPECT_EQ(d.Min, 0);
        NumberScroll(g, 24999);  // one step below the top
        EXPECT_EQ(d.lblNumber, "4");
        NumberScroll(g, 24998);
        EXPECT_EQ(d.lblNumber, "8");
        NumberTextChange(g, "1001");  // falls on a step of 4
        EXPECT_EQ(d.txtNumber, "1000");
    });
    EXPECT_EQ(chosen, 1000);
}

TEST(NumberEntryTest, CancelIsACancelWhateverTheFactor) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    EXPECT_EQ(Ask(tg, 0, 100000, 1, 500, [](Game& g) { NumberCancel(g); }), -1);
    EXPECT_GT(Val(tg.game.numberDialog.lblNumber), 100000);
    // A scale factor that is not above 0 is refused: the box and the bar change nothing and OK
    // does not close; Cancel still cancels.
    EXPECT_EQ(Ask(tg, 0, 2000, 1, 500,
                  [](Game& g) {
                      g.numberDialog.ScaleFactor = "0";
                      NumberTextChange(g, "1500");
                      NumberScroll(g, 3);
                      EXPECT_EQ(g.numberDialog.lblNumber, "500");
                      EXPECT_FALSE(NumberOK(g));
                      NumberCancel(g);
                  }),
              -1);
    EXPECT_EQ(Ask(tg, 0, 2000, 1, 500,
                  [](Game& g) {
                      g.numberDialog.ScaleFactor = "-2";
                      NumberCancel(g);
                  }),
              -1);
}

TEST(NumberEntryTest, FractionalFactorGivesFractionalSteps) {
    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    const double chosen = Ask(tg, 0, 100, 0.01f, 0, [](Game& g) {
        NumberScroll(g, g.numberDialog.Max + g.numberDialog.Min - 1234);
        EXPECT_TRUE(NumberOK(g));
    });
    EXPECT_NEAR(chosen, 12.34, 1e-4);
}

}  // namespace
}  // namespace kv::test
