#include "engine/turn/QuadrantLookups.h"

#include "engine/turn/EndGame.h"
#include "state/Numeric.h"

namespace kv {
namespace {

bool InQuadrant(int v) { return v >= 1 && v <= 8; }

// Int(code / 100) with rounding towards minus infinity, as the quadrant codes are read.
long long Hundreds(int code) { return static_cast<long long>(Int(code / 100.0)); }

}  // namespace

int FindCloakedShip(const GameState& st, int row, int col) {
    for (int i = 1; i <= 5; ++i) {
        if (st.CloakedShips[1][i] < 1) continue;  // a free slot
        if (st.CloakedShips[1][i] == row && st.CloakedShips[2][i] == col) return i;
    }
    return 0;
}

int FindEnemyShip(const GameState& st, int row, int col) {
    for (int i = 1; i <= 10; ++i) {
        if (st.ZarvoniShips[1][i] < 1) continue;  // a free slot
        if (st.ZarvoniShips[1][i] == row && st.ZarvoniShips[2][i] == col) return i;
    }
    return 0;
}

int FindSolarSystem(const GameState& st, int row, int col) {
    if (!InQuadrant(st.ShipQuadrantRow) || !InQuadrant(st.ShipQuadrantCol)) return 0;
    for (int n = 1; n <= 4; ++n) {
        const SolarSystemRecord& rec = st.StarSystem(st.ShipQuadrantRow, st.ShipQuadrantCol, n);
        if (rec.SectorRow < 1) continue;  // an unplaced record
        if (rec.SectorRow == row && rec.SectorCol == col) return n;
    }
    return 0;
}

void CountEnemies(Game& g) {
    GameState& s = g.st;
    long long n = s.ZarvoniBaseShips;
    long long systems = 0;
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            int code = s.Galaxy[r][c];
            if (code < 0) continue;
            n += Hundreds(code);
            systems += code % 10;
        }
    }
    if (s.MissionType % 2 != 0) {
        // Hostiles that arrive during the game raise both the total and the number left.
        if (n != s.ZarvonisCounted) s.ZarvonisCounted = Clamp16(s.ZarvonisCounted + n - s.ZarvonisLeft);
        s.InitialZarvonis = s.ZarvonisCounted;
        s.ZarvonisLeft = Clamp16(n);
    } else {
        if (n != s.ZarvonisCounted) s.ZarvonisCounted = Clamp16(s.ZarvonisCounted + n - s.LastEnemyCount);
        s.LastEnemyCount = Clamp32(n);
    }
    s.SystemsCount = Clamp16(systems);
    if (s.MissionType >= 2 && s.GoalBySystems == 0) s.MissionGoal = s.SystemsCount;
}

int CountChartedQuadrants(const GameState& st) {
    int n = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            if (st.KnownGalaxy[r][c] >= 0) ++n;
    return n;
}

void RecordEnemyDestroyed(Game& g, int slot) {
    GameState& s = g.st;
    // Slot 0 holds no ship: counting it would take a ship off the chart that was never there.
    if (slot < 1 || slot > 10) return;
    if (s.ZarvoniFlags[slot] != 0) return;  // already counted
    s.ZarvoniFlags[slot] = 1;
    s.FlaggedZarvonis = Clamp16(s.FlaggedZarvonis + 1);
    if (InQuadrant(s.ShipQuadrantRow) && InQuadrant(s.ShipQuadrantCol)) {
        Integer& code = s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol];
        code = Clamp16(code - 100);
    }
    // Never below none: in mission types 0 and 2 nothing recounts it, and the destroy
    // handlers stop at 0 too.
    if (s.ZarvonisLeft > 0) --s.ZarvonisLeft;
    int r = s.ZarvoniShips[1][slot], c = s.ZarvoniShips[2][slot];
    if (InQuadrant(r) && InQuadrant(c)) g.host.DrawSector(r, c, 3);
}

bool CheckMissionComplete(Game& g) {
    GameState& s = g.st;
    int progress = s.GoalBySystems != 0 ? s.GoalSystemsDone : s.GoalProgress;
    bool won = false;
    switch (s.MissionType) {
        case 0:
        case 1: won = s.ZarvonisLeft < 1; break;
        case 2: won = progress >= s.MissionGoal; break;
        default: break;  // mission type 3 has no victory
    }
    if (!won) return false;
    ReportMissionComplete(g);
    EndGame(g);
    return true;
}

void LoseShip(Game& g) {
    GameState& s = g.st;
    if (s.InSolarSystem) {
        g.host.HideForm(Form::frmSSControl);
        s.InSolarSystem = kFalse;
        // The visit ends with the console: nothing of it runs on into the game's end or the
        // next game (its message queue, the flags' blink).
        g.console.Visiting = false;
        g.SetTimer(Timer::frmSSControl_tmrMessage, false);
        g.SetTimer(Timer::frmSSControl_tmrFlag, false);
    }
    s.GameRunning = kFalse;
    g.SetTimer(Timer::frmShip_tmrAnimation, true);
    g.host.RunModal(Form::frmShip);
    s.ShipLost = kTrue;
    EndGame(g);
}

void ResetSRSCells(Game& g) { g.host.ResetSRSCells(); }

}  // namespace kv
