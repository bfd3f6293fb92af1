#include "engine/turn/FinalReport.h"

#include <cstdlib>
#include <string>

#include "engine/turn/HighScoreOffers.h"
#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/Score.h"
#include "state/Numeric.h"
#include "state/WindowTable.h"

namespace kv {
namespace {

const std::string kGap(6, ' ');

std::string Plain(long long v) { return CStr(v); }

}  // namespace

void ShowFinalReport(Game& g) {
    GameState& s = g.st;
    // Every field starts empty, so what a row does not set shows nothing of an earlier game.
    s.FinalLine.fill("");
    s.FinalNum.fill("");
    s.FinalName.clear();
    s.FinalRatingCaption.clear();
    s.FinalRating.clear();
    s.FinalShipDestroyed = false;
    s.FinalMorvReportEnabled = false;
    s.MorvReportTag.fill("");

    auto printRow = [&](int i) { PrintOutput(g, s.FinalLine[i] + kGap + s.FinalNum[i]); };
    auto setRow = [&](int i, const std::string& value) {
        s.FinalNum[i] = value;
        printRow(i);
    };

    s.FinalReportFlag = kFalse;

    // The verdict and the captions of rows 0..2, which change with the mission type.
    const MissionRating rated = RateMission(s);
    const Integer outcome = rated.outcome;
    s.FinalOutcome = outcome;
    std::string suffix;
    switch (s.MissionType) {
        case 0: suffix = "Mis0"; break;
        case 1: suffix = "Mis1"; break;
        case 2: suffix = s.GoalBySystems == 1 ? "Mis2" : "Mis2b"; break;
        case 3: suffix = "Mis3"; break;
        default: break;
    }
    for (int i = 0; i <= 2; ++i) s.FinalLine[i] = g.Text("FinalLine" + Plain(i) + suffix);
    for (int i = 3; i <= 18; ++i) s.FinalLine[i] = g.Text("FinalLine" + Plain(i));

    if (outcome == kOutcomeWon) {
        PrintOutput(g, "");
        PrintOutput(g, g.Text("KVGAME0067"));
        PrintOutput(g, "");
        if (s.SkillLevel == 10) s.FinalReportFlag = kTrue;
    } else if (outcome == kOutcomeFailed) {
        PrintOutput(g, "");
        PrintOutput(g, g.Text("KVGAME0068"));
        PrintOutput(g, "");
    }

    const Integer score = FinalScore(s);
    s.FinalScore = score;
    OfferCaptainHighScore(g, outcome, score);

    s.FinalName = s.CaptainName + " " + s.ConfigName;
    PrintOutput(g, s.FinalName);

    const std::string ratingText = RatingText(score);
    s.FinalRatingCaption = g.Text("KVGAME0139");
    PrintOutput(g, g.Text("KVGAME0139") + kGap + ratingText);
    s.FinalRating = ratingText;
    PrintOutput(g, "");

    std::string lengthText = "Short";
    if (s.GameLength > 1) lengthText = "Medium";
    if (s.GameLength > 2) lengthText = "Long";
    PrintOutput(g, g.Text("KVGAME0137") + "  " + Plain(s.SkillLevel) + g.Text(lengthText));

    PrintOutput(g, "");
    PrintOutput(g, g.Text("KVGAME0138"));
    PrintOutput(g, "");

    // Rows 0..2: the mission's own figures.
    const std::string cloaked = " (" + Plain(s.CloakedKilled) + ")";
    const std::string timeUsed =
        Format(static_cast<double>(s.TotalTime - s.TimeLeft), "0.00") + " / " + CStr(s.TotalTime);
    const std::string destroyedOfCounted =
        Plain(static_cast<long long>(s.ZarvonisCounted) - s.ZarvonisLeft) + " / " + Plain(s.ZarvonisCounted) + cloaked;
    switch (s.MissionType) {
        case 0:
            setRow(0, Plain(static_cast<long long>(s.InitialZarvonis) - s.ZarvonisLeft) + " / " +
                          Plain(s.InitialZarvonis) + cloaked);
            setRow(1, Plain(s.FlaggedZarvonis));
            setRow(2, timeUsed);
            break;
        case 1:
            setRow(0, destroyedOfCounted);
            setRow(1, Plain(s.FlaggedZarvonis));
            setRow(2, timeUsed);
            break;
        case 2: {
            const Integer x = s.GoalBySystems != 0 ? s.GoalSystemsDone : s.GoalProgress;
            const Integer y = s.GoalBySystems == 1 ? s.GoalProgress : s.GoalSystemsDone;
            setRow(0, Plain(x) + " / " + Plain(s.MissionGoal));
            setRow(1, Plain(y));
            setRow(2, timeUsed);
            break;
        }
        case 3:
            setRow(0, destroyedOfCounted);
            setRow(1, Plain(s.GoalProgress) + " / " + Plain(s.SystemsCount));
            setRow(2, Format(-static_cast<double>(s.TimeLeft), "0.00"));
            break;
        default: break;
    }
    PrintOutput(g, "");

    // Rows 3..8: the starbases and the dockings.
    int calling = 0;
    for (int b = 1; b <= 3; ++b)
        if (s.StarbaseFlags[b] != 0) ++calling;
    setRow(3, Plain(static_cast<long long>(s.StarbasesLost) + s.StatCounterF + calling));
    setRow(4, Plain(s.StatCounterF));
    setRow(5, Plain(s.StarbasesLost));
    setRow(6, Plain(s.StatCounterG));
    s.FinalNum[7] = Plain(s.ScoreCounterE);
    if (s.ScoreCounterE > 0) printRow(7);
    setRow(8, Plain(s.DockCount));

    // Rows 9..11: the hostile starbase, which exists only above skill level 2.
    if (s.SkillLevel > 2) {
        PrintOutput(g, "");
        setRow(9, s.ScoreCounterB > 0 ? Plain(s.ScoreCounterB) : g.Text("NO"));
        setRow(10, g.Text(s.ZarvoniBaseDestroyed != 0 ? "YES" : "NO"));
        if (s.ZarvoniBaseDestroyed == 0) setRow(11, g.Text(s.ZarvoniBase[0] == 0 ? "FOE" : "FRIEND"));
    } else {
        for (int i = 9; i <= 11; ++i) s.FinalNum[i] = g.Text("NA");
    }
    PrintOutput(g, "");

    // Rows 12..14: what is left on board, unless the ship was lost.
    if (s.ShipLost != 0) {
        PrintOutput(g, g.Text("FinalDes"));
        s.FinalShipDestroyed = true;
    } else {
        setRow(12, Plain(s.ShipEnergy) + " / " + Plain(s.MaxEnergy));
        setRow(13, Plain(static_cast<long long>(s.TorpedoStockClass1) + s.TorpedoStockClass2) + " / " +
                       Plain(static_cast<long long>(s.MaxTorpedoesClass1) + s.MaxTorpedoesClass2));
        setRow(14, Plain(s.Probes));
    }

    // Rows 15..18: exploration.
    PrintOutput(g, "");
    setRow(15, Plain(CountChartedQuadrants(s)));
    setRow(16, Plain(s.GoalProgress));
    setRow(17, Plain(s.ScoreCounterC));
    setRow(18, Plain(s.ScoreCounterD));
    PrintOutput(g, "");

    // The Morv report, when the Morv were on their way in this game.
    if (s.MorvCountdownStarted != 0) {
        s.FinalMorvReportEnabled = true;
        for (int k = 0; k <= 10; k += 2) s.MorvReportTag[k] = g.Text("Mvrpt" + Plain(k));
        auto setPair = [&](int k, const std::string& value) {
            s.MorvReportTag[k + 1] = value;
            PrintOutput(g, s.MorvReportTag[k] + kGap + s.MorvReportTag[k + 1]);
        };
        setPair(0, Plain(s.MorvStarsTaken));
        setPair(2, Plain(s.MorvBasesTaken));
        setPair(4, Plain(s.MorvShipsDestroyed));
        const double cap = 1000000.0 + 200000.0 * s.MorvShipsDestroyed;
        setPair(6, s.MorvCountdown == -1 ? Format(static_cast<double>(s.MorvStrength) / cap, " 00%") : g.Text("NA"));
        OfferBadguyHighScore(g, outcome, 6);
    }

    g.host.ShowForm(Form::frmFinalReport);
    HideAllForms(g);
    g.SetTimer(Timer::frmFinalReport_tmrMenu, true);
}

}  // namespace kv
