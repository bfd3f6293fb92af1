#include <gtest/gtest.h>

#include "support/TestGame.h"

namespace kv {
namespace {

TEST(ReportError, BuildsTheReportFromLanguageTextsAndRaisesTheFlag) {
    ConstantRandom rng(0.5f);
    test::TestGame tg(rng);
    ReportError(tg.game, 6, "KVGAME : RefreshAll", "Upgrades");
    ASSERT_EQ(tg.host.errors.size(), 1u);
    const std::string& text = tg.host.errors[0];
    EXPECT_EQ(text.rfind("<KVMAIN0001>\r\n<KVMAIN0002>\r\n<KVMAIN0003>\r\n\r\n<KVMAIN0004>\r\n\r\n", 0), 0u);
    EXPECT_NE(text.find("<KVMAIN0005>Overflow\r\n<KVMAIN0006>KVGAME : RefreshAll\r\n<KVMAIN0007>Upgrades\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("<KVMAIN0012>\r\n<KVMAIN0013>"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 12), "<KVMAIN0013>");  // the last line has no line end
    EXPECT_EQ(tg.game.st.ErrorReported, kTrue);
}

}  // namespace
}  // namespace kv
