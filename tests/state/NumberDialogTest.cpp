// The number-entry dialog's request: the range scaled to a scroll bar, the proposed value kept
// in the range, and the answer or the cancel mark.
#include <gtest/gtest.h>

#include "state/NumberDialog.h"
#include "support/TestGame.h"

namespace kv::test {
namespace {

TEST(NumberDialogTest, ScalesTheRangeAndReturnsTheNumberOrACancelMark) {
    struct Case {
        Single maximum, factor, value;
        Single factorAfter, valueAfter;
        Integer max, position;
    };
    const Case cases[] = {
        {2000, 1, 500, 1, 500, 2000, 1500},
        {100000, 1, 1, 4, 1, 25000, 25000},  // 100000 / 4 = 25000 fits
        {32767, 1, 0, 1, 0, 32767, 32767},   // exactly 32767 fits
        {32768, 1, 0, 2, 0, 16384, 16384},
        {50, 1, 80, 1, 50, 50, 0},  // above the range: the maximum
        {50, 1, -5, 1, 0, 50, 50},  // below: the minimum
        {10, 0, 1, 1, 1, 10, 9},    // no factor: 1
    };
    for (const Case& k : cases) {
        ConstantRandom rng(0.5f);
        TestGame tg(rng);
        NumberDialogData seen;
        tg.host.modal[Form::frmGetNumber] = [&] {
            seen = tg.game.numberDialog;
            return kOK;
        };
        Single value = k.value, factor = k.factor;
        const double answer = SetupNumberDialog(tg.game, "How much?", "Title", "units", value, 0, k.maximum, factor);
        EXPECT_EQ(factor, k.factorAfter) << k.maximum;
        EXPECT_EQ(value, k.valueAfter) << k.maximum;
        EXPECT_EQ(seen.Max, k.max) << k.maximum;
        EXPECT_EQ(seen.Min, 0);
        EXPECT_EQ(seen.Value, k.position) << k.maximum;
        EXPECT_EQ(seen.lblMessage, "How much?");
        EXPECT_EQ(seen.Caption, "Title");
        EXPECT_EQ(seen.lblUnit, "units");
        EXPECT_DOUBLE_EQ(answer, k.valueAfter) << k.maximum;  // accepted as shown
    }

    ConstantRandom rng(0.5f);
    TestGame tg(rng);
    tg.host.modal[Form::frmGetNumber] = [&] {
        EXPECT_EQ(tg.game.numberDialog.ScaleFactor, "0.01");
        tg.game.numberDialog.lblNumber = "5.02";  // Cancel leaves a number above the maximum
        return kCancel;
    };
    Single value = 1, factor = 0.01f;
    EXPECT_EQ(SetupNumberDialog(tg.game, "", "", "", value, 0, 5.01f, factor), -1.0);
}

}  // namespace
}  // namespace kv::test
