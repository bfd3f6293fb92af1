#include "engine/turn/Refresh.h"

#include <cstdlib>
#include <exception>
#include <new>
#include <stdexcept>
#include <utility>

#include "engine/computer/AutoShields.h"
#include "engine/computer/Displays.h"
#include "engine/computer/StatusPanel.h"
#include "engine/tactical/Hostiles.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/tactical/Tactical.h"
#include "engine/turn/Condition.h"
#include "engine/turn/EndGame.h"
#include "engine/turn/Morv.h"
#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/Retrofit.h"
#include "engine/turn/Warp.h"
#include "state/Background.h"
#include "state/Numeric.h"
#include "state/WindowTable.h"

namespace kv {
namespace {

const char* const kSource = "KVGAME : RefreshAll";

// The technology clock: counts refreshes towards a drawn threshold and raises the level when
// the count passes it (not while the exploration console is open; the rise then waits).
void AdvanceTechnologyClock(Game& g) {
    GameState& s = g.st;
    if (s.TechTurnCounter > s.TechRiseThreshold && s.TechLevel < 9 && s.UpgradesOn) {
        ConsiderMorvArrival(g);
        if (g.host.IsFormVisible(Form::frmSSControl)) {
            ++s.TechRiseThreshold;
        } else {
            s.TechLevel += 1;
            const std::string& nl = s.NewLine;
            MessageBox(g, 14,
                       g.Text("KVGAME0001") + nl + nl + g.Text("KVGAME0002") + nl + g.Text("KVGAME0003") + nl +
                           g.Text("KVGAME0004") + Str(s.TechLevel) + g.Text("KVGAME0005") + nl + g.Text("KVGAME0006"),
                       0);
        }
    }
    if (s.TechRiseThreshold == 0 || s.TechTurnCounter > s.TechRiseThreshold) {
        // The level is a whole number; with the spread it is summed in single precision.
        const Single spread = g.Rnd() * 5.0f;
        const Single level = static_cast<Single>(s.TechLevel);
        s.TechRiseThreshold = Clamp32(static_cast<long long>(Int(level * 7.0f + level * spread)));
        s.TechTurnCounter = 0;
    }
    if (s.TechLevel < 9 && s.UpgradesOn) ++s.TechTurnCounter;
    if (s.MorvCounterA > 0) --s.MorvCounterA;
}

// The upgrade indicators, the Morv countdown with its bar, and the Morv ship's regeneration.
void AdvanceUpgradesAndMorv(Game& g) {
    GameState& s = g.st;
    for (int i = 1; i <= 5; ++i)
        if (s.UpgradeTable[i] < s.TechLevel) s.UpgradeBorderColor[i] = PaletteColor(0);
    g.host.Refresh(View::UpgradeIndicators);

    if (s.MorvCountdown > 0) {
        if (Val(s.MorvTimerTag) == 0) s.MorvTimerTag = CStr(static_cast<long long>(s.MorvCountdown));
        --s.MorvCountdown;
        const double start = Val(s.MorvTimerTag);
        s.MorvTimerBar = start != 0 ? static_cast<Single>(s.MorvCountdown / start) : 0.0f;
        g.host.Refresh(View::MorvTimer);
        if (s.MorvCountdown == 0) MorvMove(g);
    } else {
        g.host.Refresh(View::MorvTimer);  // the bar shows only in debug mode
    }

    if (s.MorvCountdown == -1 && s.MorvCountdownStarted) {
        // The Morv ship regains 1.5 % of its strength per refresh, up to its cap.
        const long long cap = 1000000LL + 200000LL * s.MorvShipsDestroyed;
        const long long regen =
            CLng(static_cast<double>(static_cast<long long>(s.MorvStrength) * 15000LL) / static_cast<double>(cap));
        s.MorvRegen = Clamp32(regen);
        long long strength = static_cast<long long>(s.MorvStrength) + s.MorvRegen;
        if (strength > cap) strength = cap;
        s.MorvStrength = Clamp32(strength);
    }
}

}  // namespace

void RefreshAll(Game& g) {
    GameState& s = g.st;
    std::string step;
    bool stop = false;
    // Runs one statement; an unexpected error is reported and the refresh goes on.
    auto run = [&](auto&& statement) { Guarded(g, kSource, step, statement); };

    // Gate: nothing while the background text scrolls; no game, no clock.
    run([&] {
        if (g.TimerEnabled(Timer::frmBackground_tmrScroll)) {
            stop = true;
        } else if (!s.GameRunning) {
            s.TechTurnCounter = 0;
            s.TechRiseThreshold = 0;
            stop = true;
        }
    });
    if (stop) return;
    s.GameChanged = kTrue;
    s.LRSDone = kFalse;

    step = "Increment Timers";
    run([&] { AdvanceTechnologyClock(g); });

    step = "Upgrades";
    run([&] { AdvanceUpgradesAndMorv(g); });
    run([&] { g.host.BringToFront(Form::frmBars); });
    run([&] { g.host.BringToFront(Form::frmInfo); });
    run([&] { g.host.SetMousePointer(Pointer::Hourglass); });
    // A quadrant not set up yet (a new game's first refresh) is set up before the condition is
    // judged, or it would read the hostiles of no quadrant until the next refresh.
    run([&] {
        if (s.QuadrantChanged) MakeTactical(g);
    });
    run([&] { CountEnemies(g); });
    run([&] { UpdateCondition(g); });
    run([&] { SRS(g); });

    step = "Update";
    run([&] { UpdateCommandState(g); });
    run([&] { UpdateGalaxyRecord(g); });
    run([&] { UpdateGeneralReport(g); });
    run([&] { UpdateBaseReport(g); });
    run([&] { UpdateZarvoniReport(g); });
    run([&] { UpdateDamageReport(g); });
    run([&] { UpdateBars(g); });
    if (!s.GameRunning) return;
    run([&] { CompactEnemyTable(g); });
    run([&] { UpdateStatusPanel(g); });
    // The hostiles' turn: once the ship is in another quadrant than at their last turn, or a
    // move asked for it.
    if (s.TacticalQuadRow != s.ShipQuadrantRow || s.TacticalQuadCol != s.ShipQuadrantCol || s.HostileTurnFlag == 1) {
        s.HostileTurnFlag = 0;
        s.TacticalQuadRow = s.ShipQuadrantRow;
        s.TacticalQuadCol = s.ShipQuadrantCol;
        run([&] { HitShip(g); });
        if (!s.GameRunning) return;
        run([&] { RaiseLowerShields(g, 0); });
    }
    // The status panel's capture step may have ended the game through a scan.
    if (!s.GameRunning) return;
    run([&] { g.host.SetMousePointer(Pointer::Default); });
    run([&] { SetFormsEnabled(g, true); });

    step = "End Check";
    run([&] { stop = CheckMissionComplete(g); });
    if (stop) return;
    if (static_cast<Single>(s.TimeLeft + s.TimeOffset) <= 0 && s.MissionType != 3) {
        run([&] { ReportOutOfTime(g); });
        run([&] { EndGame(g); });
        return;
    }
    // Negative energy ends the game unless working shields can cover the deficit.
    const long long deficit = -static_cast<long long>(s.ShipEnergy);
    if (s.ShipEnergy < 0 && (s.SystemDamage[6] > 0 || s.ShieldLevel < deficit)) {
        run([&] { ReportOutOfEnergy(g); });
        run([&] { EndGame(g); });
        return;
    }

    step = "CheckWarp";
    run([&] { stop = CheckWarp(g); });
    if (stop) return;
    s.TurnPassedWarp = 1;
    run([&] { ShowStarbaseStatus(g); });
    run([&] {
        g.SetTimer(Timer::frmGalaxy_tmrBlink,
                   s.StarbaseFlags[1] != 0 || s.StarbaseFlags[2] != 0 || s.StarbaseFlags[3] != 0);
    });
    run([&] { g.SetTimer(Timer::frmSRS_tmrShield, s.ShieldLevel > 0); });
    run([&] { g.host.SetMousePointer(Pointer::Default); });

    step = "ActivateCommand";
    run([&] {
        if (!g.host.IsFormVisible(Form::frmSSControl)) {
            g.SetTimer(Timer::frmSSControl_tmrMessage, false);
            if (g.host.IsFormVisible(Form::frmCommands)) g.host.ShowForm(Form::frmCommands);
        }
    });

    step = "Retrofit";
    run([&] { Retrofit(g); });
}

void ReturnFromMenu(Game& g) {
    RefreshBackground(g);
    RestoreFormsAfterMenu(g);
    if (g.st.NewGamePending) {
        RefreshAll(g);
        g.st.NewGamePending = kFalse;
    }
}

void CompactEnemyTable(Game& g) {
    GameState& s = g.st;
    for (int i = 2; i <= 10; ++i) {
        if (s.ZarvoniShips[1][i] >= 1 && s.ZarvoniShips[1][i - 1] == 0) {
            std::swap(s.ZarvoniShips[1][i], s.ZarvoniShips[1][i - 1]);
            std::swap(s.ZarvoniShips[2][i], s.ZarvoniShips[2][i - 1]);
            std::swap(s.ZarvoniEnergy[i], s.ZarvoniEnergy[i - 1]);
            std::swap(s.ZarvoniFlags[i], s.ZarvoniFlags[i - 1]);
        }
    }
    if (s.QuadZarvonis > 10) s.QuadZarvonis = 10;
    while (s.QuadZarvonis >= 1 && s.ZarvoniShips[1][s.QuadZarvonis] == 0) --s.QuadZarvonis;

    for (int i = 2; i <= 5; ++i) {
        if (s.CloakedShips[1][i] >= 1 && s.CloakedShips[1][i - 1] == 0) {
            std::swap(s.CloakedShips[1][i], s.CloakedShips[1][i - 1]);
            std::swap(s.CloakedShips[2][i], s.CloakedShips[2][i - 1]);
            std::swap(s.CloakedEnergy[i], s.CloakedEnergy[i - 1]);
        }
    }
    if (!InGrid(s.ShipQuadrantRow) || !InGrid(s.ShipQuadrantCol)) return;
    Integer& cloaked = s.CloakedPerQuadrant[s.ShipQuadrantRow - 1][s.ShipQuadrantCol - 1];
    if (cloaked > 5) cloaked = 5;
    while (cloaked >= 1 && s.CloakedShips[1][cloaked] == 0) --cloaked;
}

void ResetDisplays(Game& g) {
    GameState& s = g.st;
    ResetSRSCells(g);
    // Nothing of the game stays drawn over the empty grid or blinks on the chart: the Morv
    // ship's tractor beam lets go, and the shield ring and the chart's blink stop with the game.
    g.SetTimer(Timer::frmSRS_tmrMorvTractor, false);
    g.host.ShowBeamLines(0, 14, false);
    g.SetTimer(Timer::frmSRS_tmrShield, false);
    g.SetTimer(Timer::frmGalaxy_tmrBlink, false);
    g.host.ClearChartHighlights();
    for (int i = 0; i < 64; ++i) SetChartQuadrantColor(g, i, kChartCleared);
    for (int lamp = 1; lamp <= 6; ++lamp) SetStatusItem(g, lamp, 0);
    for (int i = 1; i <= 8; ++i) s.SystemDamage[i] = 0;
    UpdateCommandState(g);
    BlankReports(g);
    s.ShipEnergy = 0;
    s.ShieldLevel = 0;
    s.TorpedoStockClass1 = 0;
    s.TorpedoStockClass2 = 0;
    s.TimeLeft = 0;
    s.ZarvonisLeft = 0;
    UpdateBars(g);
    // The upgrade indicators show no upgrade until the next game's grants colour them again.
    for (int i = 1; i <= 5; ++i) s.UpgradeFillColor[i] = -1;
    g.host.Refresh(View::UpgradeIndicators);
    s.StarbaseLine.clear();
    g.host.Refresh(View::StarbaseLine);
    EndRetrofits(g);
}

}  // namespace kv
