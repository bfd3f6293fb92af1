#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/turn/HighScoreOffers.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

struct OfferGame : TurnGame {
    explicit OfferGame(Random& r) : TurnGame(r) {
        std::ofstream(game.st.SoundsPath + "CHEER.WAV") << "";
        st.ConfigName = "Ann";
        st.ShipPrefix = "Kestrava";
        st.MorvReportTag[8] = "Posted";
        st.MorvReportTag[10] = "Code";
    }
};

TEST(HighScoreOffersTest, TheCaptainListTakesAThousandInAnEligibleGame) {
    struct Case {
        const char* what;
        int score;
        bool eligible, debug, offered;
    };
    const Case cases[] = {{"exactly 1000", 1000, true, false, true},
                          {"999", 999, true, false, false},
                          {"debug mode", 5000, true, true, false},
                          {"a star-system file failed its check", 5000, false, false, false}};
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        OfferGame tg(rng);
        tg.st.ScoreEligible = c.eligible;
        tg.st.DebugMode = c.debug;
        if (c.offered) tg.host.texts = {std::string("Ann"), std::string("Fine game")};
        OfferCaptainHighScore(tg.game, -1, c.score);
        EXPECT_EQ(tg.host.Events("submit:").size(), c.offered ? 1u : 0u) << c.what;
        EXPECT_EQ(tg.host.sounds.size(), c.offered ? 1u : 0u) << c.what;
    }
}

TEST(HighScoreOffersTest, TheEntryAsksNameAndCommentsAndHandsTheRecordOver) {
    ConstantRandom rng(0.5f);
    OfferGame tg(rng);
    tg.host.texts = {std::string("Ann Lee"), std::string("Nice <b>run</b>"), std::string("Nice run")};
    OfferCaptainHighScore(tg.game, -1, 1234);

    EXPECT_EQ(SoundNames(tg.host), std::vector<std::string>{"CHEER.WAV"});
    EXPECT_EQ(tg.host.Events("input:"), (std::vector<std::string>{"input:<KVGAME0069>\r\n\r\n<KVGAME0139> 123.4%",
                                                                  "input:<KVGAME0071>", "input:<KVGAME0071>"}));
    // The name box offers the configuration's name; the comment box its text, then the cleaned
    // answer until the player confirms one that needs no cleaning.
    EXPECT_EQ(tg.host.inputDefaults, (std::vector<std::string>{"Ann", "<KVGAME0072>", "Nice run"}));
    EXPECT_EQ(tg.host.inputTitles[0], "Kestrava for Windows 9x");
    const std::string sn = HighScoreSerial(tg.st);
    const std::string code = HighScoreCode("captain", "Ann Lee", sn, 1234);
    EXPECT_EQ(tg.host.Events("submit:"),
              std::vector<std::string>{"submit:captain:Ann Lee|" + sn + "|" + code + "|Nice run"});
    EXPECT_EQ(code.rfind("1234/", 0), 0u);
    EXPECT_EQ(sn.rfind("M0S1L1-", 0), 0u);
    // The code checks the record: another name, score or list gives another code.
    EXPECT_NE(HighScoreCode("captain", "Ann Leo", sn, 1234), code);
    EXPECT_NE(HighScoreCode("captain", "Ann Lee", sn, 1235).substr(5), code.substr(5));
    EXPECT_NE(HighScoreCode("badguy", "Ann Lee", sn, 1234), code);
}

TEST(HighScoreOffersTest, ACancelledNameEndsTheEntryAndACancelledCommentIsEmpty) {
    {
        ConstantRandom rng(0.5f);
        OfferGame tg(rng);
        tg.host.texts = {std::nullopt};
        OfferCaptainHighScore(tg.game, -1, 2000);
        EXPECT_EQ(tg.host.Events("input:").size(), 1u);
        EXPECT_TRUE(tg.host.Events("submit:").empty());
    }
    {
        ConstantRandom rng(0.5f);
        OfferGame tg(rng);
        tg.host.texts = {std::string("")};
        OfferCaptainHighScore(tg.game, -1, 2000);
        EXPECT_TRUE(tg.host.Events("submit:").empty());
    }
    ConstantRandom rng(0.5f);
    OfferGame tg(rng);
    tg.host.texts = {std::string("Bo"), std::nullopt};
    OfferCaptainHighScore(tg.game, -1, 2000);
    ASSERT_EQ(tg.host.Events("submit:").size(), 1u);
    EXPECT_EQ(tg.host.Events("submit:")[0].back(), '|');  // no comments
}

TEST(HighScoreOffersTest, TheBadguyListAndItsMorvReportRows) {
    struct Case {
        const char* what;
        Integer mission, destroyed;
        bool debug;
        std::deque<std::optional<std::string>> answers;
        const char *verdict, *code;  // code "" = the record's own code
    };
    const Case cases[] = {
        {"mission type 3 never qualifies", 3, 4, false, {}, "<NO>", "<KVGAME0085>"},
        {"no Morv ship destroyed", 0, 0, false, {}, "<NO>", "<KVGAME0085>"},
        {"debug mode", 1, 2, true, {}, "<NO>", "<KVGAME0085>"},
        {"one ship is enough; the name cancelled", 2, 1, false, {std::nullopt}, "<YES>", "<KVGAME0085>"},
        {"entered", 0, 1, false, {std::string("Cy"), std::string("")}, "<YES>", ""},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        OfferGame tg(rng);
        tg.st.MissionType = c.mission;
        tg.st.MorvShipsDestroyed = c.destroyed;
        tg.st.DebugMode = c.debug;
        tg.host.texts = c.answers;
        OfferBadguyHighScore(tg.game, 0, 3);
        const std::string code = *c.code ? c.code : HighScoreCode("badguy", "Cy", HighScoreSerial(tg.st), c.destroyed);
        EXPECT_EQ(tg.st.MorvReportTag[9], c.verdict) << c.what;
        EXPECT_EQ(tg.st.MorvReportTag[11], code) << c.what;
        EXPECT_EQ(tg.host.output, (std::vector<std::string>{std::string("Posted   ") + c.verdict, "Code   " + code}))
            << c.what;
        if (!*c.code) {
            EXPECT_EQ(tg.host.Events("input:")[0], "input:<KVGAME0069>\r\n\r\n<Mvrpt4> 1");
            EXPECT_EQ(tg.host.Events("submit:"),
                      std::vector<std::string>{"submit:badguy:Cy|" + HighScoreSerial(tg.st) + "|" + code + "|"});
        }
    }
}

}  // namespace
}  // namespace kv::test
