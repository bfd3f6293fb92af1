#include <gtest/gtest.h>

#include "engine/turn/FinalReport.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

// The example game: mission type 0 at skill 5, short, every one of 20 hostile ships destroyed
// (2 cloaked ones too), a quarter of the 40 time units in hand, 30 quadrants charted.
void ExampleGame(GameState& s) {
    s.CaptainName = "Captain";
    s.ConfigName = "Ann";
    s.MissionType = 0;
    s.SkillLevel = 5;
    s.GameLength = 1;
    s.TimeLeft = 10;
    s.TotalTime = 40;
    s.InitialZarvonis = 20;
    s.ZarvonisCounted = 20;
    s.FlaggedZarvonis = 20;
    s.ZarvonisLeft = 0;
    s.CloakedKilled = 2;
    s.ShipEnergy = 1200;
    s.MaxEnergy = 5000;
    s.TorpedoStockClass1 = 5;
    s.TorpedoStockClass2 = 2;
    s.MaxTorpedoesClass1 = 8;
    s.MaxTorpedoesClass2 = 2;
    s.Probes = 2;
    for (int i = 0; i < 30; ++i) s.KnownGalaxy[1 + i / 8][1 + i % 8] = 0;
}

TEST(FinalReportTest, TheExampleGameIsWonWithItsScoreAndRows) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.st;
    ExampleGame(s);

    ShowFinalReport(tg.game);

    const std::string gap(6, ' ');
    const std::vector<std::string> log{
        "",
        "<KVGAME0067>",
        "",
        "Captain Ann",
        "<KVGAME0139>" + gap + "93.8%",
        "",
        "<KVGAME0137>  5<Short>",
        "",
        "<KVGAME0138>",
        "",
        "<FinalLine0Mis0>" + gap + "20 / 20 (2)",
        "<FinalLine1Mis0>" + gap + "20",
        "<FinalLine2Mis0>" + gap + "30.00 / 40",
        "",
        "<FinalLine3>" + gap + "0",
        "<FinalLine4>" + gap + "0",
        "<FinalLine5>" + gap + "0",
        "<FinalLine6>" + gap + "0",
        "<FinalLine8>" + gap + "0",
        "",
        "<FinalLine9>" + gap + "<NO>",
        "<FinalLine10>" + gap + "<NO>",
        "<FinalLine11>" + gap + "<FOE>",
        "",
        "<FinalLine12>" + gap + "1200 / 5000",
        "<FinalLine13>" + gap + "7 / 10",
        "<FinalLine14>" + gap + "2",
        "",
        "<FinalLine15>" + gap + "30",
        "<FinalLine16>" + gap + "0",
        "<FinalLine17>" + gap + "0",
        "<FinalLine18>" + gap + "0",
        "",
    };
    EXPECT_EQ(tg.host.output, log);
    EXPECT_EQ(s.FinalOutcome, -1);
    EXPECT_EQ(s.FinalScore, 938);
    EXPECT_EQ(s.FinalName, "Captain Ann");
    EXPECT_EQ(s.FinalRatingCaption, "<KVGAME0139>");
    EXPECT_EQ(s.FinalRating, "93.8%");
    EXPECT_EQ(s.FinalLine[0], "<FinalLine0Mis0>");
    EXPECT_EQ(s.FinalLine[18], "<FinalLine18>");
    EXPECT_EQ(s.FinalNum[7], "0");  // set, though not written to the log
    EXPECT_FALSE(s.FinalShipDestroyed);
    EXPECT_FALSE(s.FinalMorvReportEnabled);
    EXPECT_EQ(s.FinalReportFlag, kFalse);  // won, but not at skill level 10
    // 938 is short of the captain list.
    EXPECT_TRUE(tg.host.Events("input:").empty());
    EXPECT_TRUE(tg.host.Events("submit:").empty());
}

TEST(FinalReportTest, AWonGameAtSkillTenWithAThousandIsOfferedToTheCaptainList) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.st;
    ExampleGame(s);
    s.SkillLevel = 10;
    s.ScoreCounterD = 2;  // two treaties: 938 + 100
    tg.host.texts = {std::string("Ann"), std::string("Bravo")};

    ShowFinalReport(tg.game);

    EXPECT_EQ(s.FinalScore, 1038);
    EXPECT_EQ(s.FinalReportFlag, kTrue);
    ASSERT_EQ(tg.host.Events("submit:").size(), 1u);
    EXPECT_EQ(tg.host.Events("submit:")[0].rfind("submit:captain:Ann|", 0), 0u);
    EXPECT_EQ(tg.host.inputDefaults[0], "Ann");
}

TEST(FinalReportTest, MissionRowsFollowTheMissionType) {
    struct Case {
        Integer mission;
        Flag bySystems;
        std::vector<std::string> captions, values;
        const char* verdict;  // "" none
    };
    const Case cases[] = {
        {1,
         0,
         {"<FinalLine0Mis1>", "<FinalLine1Mis1>", "<FinalLine2Mis1>"},
         {"12 / 20 (1)", "9", "12.50 / 40"},
         "<KVGAME0068>"},
        {2,
         1,
         {"<FinalLine0Mis2>", "<FinalLine1Mis2>", "<FinalLine2Mis2>"},
         {"2 / 4", "6", "12.50 / 40"},
         "<KVGAME0068>"},
        {2,
         0,
         {"<FinalLine0Mis2b>", "<FinalLine1Mis2b>", "<FinalLine2Mis2b>"},
         {"6 / 4", "2", "12.50 / 40"},
         "<KVGAME0067>"},
        {3, 0, {"<FinalLine0Mis3>", "<FinalLine1Mis3>", "<FinalLine2Mis3>"}, {"12 / 20 (1)", "6 / 30", "-27.50"}, ""},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        GameState& s = tg.st;
        s.MissionType = c.mission;
        s.GoalBySystems = c.bySystems;
        s.GameLength = 2;
        s.ZarvonisCounted = 20;
        s.ZarvonisLeft = 8;
        s.FlaggedZarvonis = 9;
        s.CloakedKilled = 1;
        s.GoalSystemsDone = 2;
        s.GoalProgress = 6;
        s.MissionGoal = 4;
        s.SystemsCount = 30;
        s.TotalTime = 40;
        s.TimeLeft = 27.5f;
        ShowFinalReport(tg.game);
        for (int i = 0; i <= 2; ++i) {
            EXPECT_EQ(s.FinalLine[i], c.captions[i]) << c.mission;
            EXPECT_EQ(s.FinalNum[i], c.values[i]) << c.mission;
        }
        const auto& out = tg.host.output;
        const bool won = std::find(out.begin(), out.end(), "<KVGAME0067>") != out.end();
        const bool lost = std::find(out.begin(), out.end(), "<KVGAME0068>") != out.end();
        EXPECT_EQ(won, std::string(c.verdict) == "<KVGAME0067>") << c.mission;
        EXPECT_EQ(lost, std::string(c.verdict) == "<KVGAME0068>") << c.mission;
        if (c.mission == 3) {
            EXPECT_EQ(s.FinalScore, 0);
            EXPECT_EQ(s.FinalRating, "0.0%");
        }
    }
}

TEST(FinalReportTest, LengthWords) {
    const char* words[] = {"<Short>", "<Medium>", "<Long>"};
    for (Integer length = 1; length <= 3; ++length) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        tg.st.SkillLevel = 7;
        tg.st.GameLength = length;
        ShowFinalReport(tg.game);
        const auto& out = tg.host.output;
        EXPECT_NE(std::find(out.begin(), out.end(), std::string("<KVGAME0137>  7") + words[length - 1]), out.end());
    }
}

TEST(FinalReportTest, StarbasesHostileBaseAndALostShip) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.st;
    s.SkillLevel = 2;  // no hostile starbase at this level
    s.StarbasesLost = 1;
    s.StatCounterF = 2;
    s.StarbaseFlags = {0, -1, 0, -1};
    s.ScoreCounterE = 3;
    s.ShipLost = kTrue;
    s.ShipEnergy = 999;
    ShowFinalReport(tg.game);

    EXPECT_EQ(s.FinalNum[3], "5");  // 1 lost + 2 saved + 2 still calling
    EXPECT_EQ(s.FinalNum[7], "3");
    for (int i = 9; i <= 11; ++i) EXPECT_EQ(s.FinalNum[i], "<NA>");
    EXPECT_TRUE(s.FinalShipDestroyed);
    for (int i = 12; i <= 14; ++i) EXPECT_EQ(s.FinalNum[i], "");
    const auto& out = tg.host.output;
    auto has = [&](const std::string& line) { return std::find(out.begin(), out.end(), line) != out.end(); };
    EXPECT_TRUE(has("<FinalLine7>      3"));
    EXPECT_TRUE(has("<FinalDes>"));
    EXPECT_FALSE(has("<FinalLine9>      <NA>"));
    EXPECT_TRUE(tg.host.Events("log:<FinalLine12>").empty());

    // The hostile starbase's rows above skill level 2.
    struct Base {
        Integer captures;
        Flag destroyed;
        Long held;
        const char *row9, *row10, *row11;
    };
    for (const Base& b : {Base{0, 0, 0, "<NO>", "<NO>", "<FOE>"}, Base{2, 0, -1, "2", "<NO>", "<FRIEND>"},
                          Base{1, kTrue, 0, "1", "<YES>", ""}}) {
        ConstantRandom rng2(0.5f);
        TurnGame tb(rng2);
        tb.st.SkillLevel = 3;
        tb.st.ZarvonisLeft = 5;  // not won: no high-score offer
        tb.st.ScoreCounterB = b.captures;
        tb.st.ZarvoniBaseDestroyed = b.destroyed;
        tb.st.ZarvoniBase[0] = b.held;
        ShowFinalReport(tb.game);
        EXPECT_EQ(tb.st.FinalNum[9], b.row9);
        EXPECT_EQ(tb.st.FinalNum[10], b.row10);
        EXPECT_EQ(tb.st.FinalNum[11], b.row11);
        EXPECT_EQ(tb.host.Events("log:<FinalLine11>").size(), b.destroyed ? 0u : 1u);
    }
}

TEST(FinalReportTest, TheMorvReportIsFilledOnlyWhenTheMorvCame) {
    {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        ShowFinalReport(tg.game);
        EXPECT_FALSE(tg.st.FinalMorvReportEnabled);
        for (const auto& tag : tg.st.MorvReportTag) EXPECT_EQ(tag, "");
    }
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.st;
    s.MorvCountdownStarted = kTrue;
    s.MorvCountdown = -1;
    s.MorvStarsTaken = 3;
    s.MorvBasesTaken = 1;
    s.MorvShipsDestroyed = 1;
    s.MorvStrength = 600000;  // of 1,200,000
    s.MissionType = 3;        // never on the badguy list
    ShowFinalReport(tg.game);
    EXPECT_TRUE(s.FinalMorvReportEnabled);
    const std::array<std::string, 12> tags{"<Mvrpt0>", "3",    "<Mvrpt2>", "1",    "<Mvrpt4>",  "1",
                                           "<Mvrpt6>", " 50%", "<Mvrpt8>", "<NO>", "<Mvrpt10>", "<KVGAME0085>"};
    EXPECT_EQ(s.MorvReportTag, tags);
    std::vector<std::string> pairs;
    for (int k = 0; k <= 10; k += 2) pairs.push_back("log:" + tags[k] + "      " + tags[k + 1]);
    EXPECT_EQ(tg.host.Events("log:<Mvrpt"), pairs);

    // A Morv ship no longer in the galaxy has no strength to show.
    s.MorvCountdown = 0;
    ShowFinalReport(tg.game);
    EXPECT_EQ(s.MorvReportTag[7], "<NA>");
}

}  // namespace
}  // namespace kv::test
