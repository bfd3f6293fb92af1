#include <gtest/gtest.h>

#include <algorithm>

#include "engine/turn/EndGame.h"
#include "support/TurnTestSupport.h"

namespace kv::test {
namespace {

// The log lines and the one notice of a report.
struct Report {
    std::vector<std::string> log;
    std::vector<std::string> notices;
};

Report RunReport(TurnGame& tg, void (*report)(Game&)) {
    tg.host.output.clear();
    tg.host.notices.clear();
    report(tg.game);
    return {tg.host.output, tg.host.notices};
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\r\n";
    return all;
}

void Name(GameState& s) {
    s.CaptainName = "Captain";
    s.ConfigName = "Ann";
}

TEST(EndGameTest, VictoryReportByMissionType) {
    const char* first[] = {"<KVGAME0035>Zarvonis!", "<KVGAME0036>Zarvonis!", "<KVGAME0037>"};
    for (int type = 0; type <= 2; ++type) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        Name(tg.st);
        tg.st.MissionType = static_cast<Integer>(type);
        const Report r = RunReport(tg, ReportMissionComplete);
        const std::vector<std::string> lines{first[type], "<KVGAME0038>Captain Ann!", "", "<KVGAME0039>"};
        EXPECT_EQ(r.log, lines) << type;
        EXPECT_EQ(r.notices, std::vector<std::string>{Joined(lines)}) << type;
        EXPECT_EQ(tg.host.styles, std::vector<long>{kOKOnly});
        // The general report is brought up to date first; every line reaches the log before
        // the notice is shown.
        const auto& ev = tg.host.events;
        EXPECT_EQ(ev.front(), "refresh:GeneralReport");
        EXPECT_EQ(ev.back().rfind("notice:", 0), 0u);
    }
}

TEST(EndGameTest, MissionTypeThreeEndsWithoutVictoryOrTimeReport) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    tg.st.MissionType = 3;
    EXPECT_TRUE(RunReport(tg, ReportMissionComplete).log.empty());
    EXPECT_TRUE(RunReport(tg, ReportOutOfTime).log.empty());
    EXPECT_TRUE(tg.host.notices.empty());
    EXPECT_TRUE(tg.host.Saw("refresh:GeneralReport"));
}

TEST(EndGameTest, OutOfTimeReportJudgesTheCaptainByTheFirstRuleThatHolds) {
    struct Case {
        const char* what;
        Integer mission, docks, progress, initial, left;
        std::vector<std::string> tail;  // lines 4 and after
    };
    const Case cases[] = {
        {"three dockings are not too many", 0, 3, 0, 10, 5, {"", "<KVGAME0058>"}},
        {"four dockings", 1, 4, 20, 10, 5, {"<KVGAME0051> 4<KVGAME0052>", "", "<KVGAME0053>"}},
        {"dockings come first in any mission", 2, 4, 0, 10, 0, {"<KVGAME0051> 4<KVGAME0052>", "", "<KVGAME0053>"}},
        {"an explorer in a war", 0, 0, 16, 10, 5, {"<KVGAME0054>", "", "<KVGAME0055>"}},
        {"exploring is the mission in type 2", 2, 0, 16, 30, 20, {"", "<KVGAME0058>"}},
        {"a hunter on a peace mission", 2, 0, 4, 10, 5, {"<KVGAME0056>Zarvoni!", "", "<KVGAME0057>"}},
    };
    for (const auto& c : cases) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        GameState& s = tg.st;
        Name(s);
        s.MissionType = c.mission;
        s.DockCount = c.docks;
        s.GoalProgress = c.progress;
        s.InitialZarvonis = c.initial;
        s.ZarvonisLeft = c.left;
        s.TotalTime = 37.5f;
        s.MissionGoal = 3;
        const std::string second[] = {"<KVGAME0040> 10 Zarvonis<KVGAME0041> 37.5<KVGAME0042>",
                                      "<KVGAME0043>Zarvonis<KVGAME0044> 37.5<KVGAME0045>",
                                      "<KVGAME0046> 3<KVGAME0047> 37.5<KVGAME0048>"};
        std::vector<std::string> lines{"Captain, ", second[c.mission], "<KVGAME0049>Zarvonis<KVGAME0050>"};
        lines.insert(lines.end(), c.tail.begin(), c.tail.end());
        const Report r = RunReport(tg, ReportOutOfTime);
        EXPECT_EQ(r.log, lines) << c.what;
        EXPECT_EQ(r.notices, std::vector<std::string>{Joined(lines)}) << c.what;
    }
}

TEST(EndGameTest, OutOfTimeSixthLineOnlyWithAText) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    tg.UseTexts({{"KVGAME0051", "Docked"}});  // KVGAME0053 reads as ""
    tg.st.DockCount = 5;
    const Report r = RunReport(tg, ReportOutOfTime);
    EXPECT_EQ(r.log.size(), 5u);
    EXPECT_EQ(r.log[3], "Docked 5");
}

TEST(EndGameTest, OutOfEnergyReportLeavesTheShipWithNoEnergy) {
    for (Long energy : {Long{-250}, Long{40}}) {
        ConstantRandom rng(0.5f);
        TurnGame tg(rng);
        Name(tg.st);
        tg.st.ShipEnergy = energy;
        const Report r = RunReport(tg, ReportOutOfEnergy);
        const std::vector<std::string> lines{"Captain Ann<KVGAME0059>", "<KVGAME0060>", "", "<KVGAME0061>",
                                             "<KVGAME0062>"};
        EXPECT_EQ(r.log, lines);
        EXPECT_EQ(r.notices, std::vector<std::string>{Joined(lines)});
        EXPECT_EQ(tg.st.ShipEnergy, 0);
    }
}

TEST(EndGameTest, EndGameStopsTheGameShowsTheFinalReportThenBlanksTheDisplays) {
    ConstantRandom rng(0.5f);
    TurnGame tg(rng);
    GameState& s = tg.st;
    Name(s);
    s.MissionType = 0;
    s.InitialZarvonis = 10;
    s.ZarvonisLeft = 4;
    s.ShipEnergy = 1234;
    tg.host.pointer = Pointer::ArrowHourglass;
    tg.host.visible = {Form::frmSRS, Form::frmCommands, Form::frmOutput};

    EndGame(tg.game);

    EXPECT_EQ(s.GameRunning, kFalse);
    EXPECT_EQ(tg.host.pointer, Pointer::Default);
    const auto& ev = tg.host.events;
    auto at = [&](const std::string& e) { return std::find(ev.begin(), ev.end(), e) - ev.begin(); };
    EXPECT_LT(at("enable:frmCommands"), at("show:frmFinalReport"));
    EXPECT_LT(at("show:frmFinalReport"), at("resetcells"));
    EXPECT_LT(at("resetcells"), static_cast<long>(ev.size()));
    // The report read the energy before the displays were blanked.
    EXPECT_EQ(s.FinalNum[12], "1234 / 5000");
    EXPECT_EQ(s.ShipEnergy, 0);
    // The game windows are hidden behind the report, their visibility kept for the return.
    EXPECT_EQ(s.FormVisible[static_cast<int>(Form::frmSRS)], kTrue);
    EXPECT_EQ(s.FormVisible[static_cast<int>(Form::frmGalaxy)], kFalse);
    EXPECT_FALSE(tg.host.visible.count(Form::frmSRS));
    EXPECT_TRUE(tg.host.visible.count(Form::frmOutput));
    EXPECT_TRUE(tg.host.visible.count(Form::frmFinalReport));
    EXPECT_TRUE(tg.game.TimerEnabled(Timer::frmFinalReport_tmrMenu));
}

}  // namespace
}  // namespace kv::test
