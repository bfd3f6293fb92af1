#include "engine/turn/Warp.h"

#include <cmath>

#include "engine/computer/Course.h"
#include "engine/computer/Displays.h"
#include "engine/tactical/ShipSystems.h"
#include "engine/turn/Condition.h"
#include "engine/turn/EndGame.h"
#include "engine/turn/Time.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr Single kNoCandidate = 100000.0f;
// Far more than the longest line across the galaxy (about 91 sectors) at one sector a step.
constexpr int kMaxApproachSteps = 256;

std::string Trimmed(long v) { return CStr(static_cast<long long>(v)); }

// One sector's step along the course from (fromRow, fromCol) towards (toRow, toCol), by the
// game's course rule: the row step |sin a| upwards on courses 1..5, the column step |cos a|
// westwards on courses 3..7.
void CourseSteps(Game& g, int fromRow, int fromCol, int toRow, int toCol, double& rowStep, double& colStep) {
    CourseAndDistance(g, fromCol, fromRow, toCol, toRow);
    const double a = g.st.CalcCourse;
    const double k = a / kPi * 4.0 + 1.0;
    rowStep = std::fabs(std::sin(a));
    colStep = std::fabs(std::cos(a));
    if (k > 1 && k < 5) rowStep = -rowStep;
    if (k > 3 && k < 7) colStep = -colStep;
}

int QuadrantOf(long absolute) { return static_cast<int>(Int((absolute - 1) / 8.0)); }
int SectorOf(long absolute) { return static_cast<int>(((absolute - 1) % 8 + 8) % 8 + 1); }

}  // namespace

bool TowEntrySector(Game& g, int baseAbsRow, int baseAbsCol, int& sectorRow, int& sectorCol) {
    const GameState& s = g.st;
    const int shipAbsRow = s.ShipQuadrantRow * 8 + s.ShipSectorRow;
    const int shipAbsCol = s.ShipQuadrantCol * 8 + s.ShipSectorCol;
    double rowStep = 0, colStep = 0;
    CourseSteps(g, baseAbsRow, baseAbsCol, shipAbsRow, shipAbsCol, rowStep, colStep);
    double r = baseAbsRow, c = baseAbsCol;
    for (int step = 0; step <= kMaxApproachSteps; ++step) {
        const long rr = CLng(r), rc = CLng(c);
        if (QuadrantOf(rr) == s.ShipQuadrantRow && QuadrantOf(rc) == s.ShipQuadrantCol) {
            sectorRow = SectorOf(rr);
            sectorCol = SectorOf(rc);
            return true;
        }
        r += rowStep;
        c += colStep;
    }
    return false;
}

bool CheckWarp(Game& g) {
    GameState& s = g.st;
    if (s.SystemDamage[kWarpEngines] < 7.0f) return false;

    const int r = s.ShipQuadrantRow, c = s.ShipQuadrantCol;
    const bool morvHere = s.MorvShip[1] == r && s.MorvShip[2] == c;
    const bool zarvoniHere = InGrid(r) && InGrid(c) && s.Galaxy[r][c] > 99;
    const bool baseHere = s.ZarvoniBase[1] == r && s.ZarvoniBase[2] == c;
    const bool calm = !morvHere && !zarvoniHere && !baseHere;
    const std::string& nl = s.NewLine;

    std::string message;
    long style;
    if (calm) {
        message =
            g.Text("KVGAME0018") + nl + g.Text("KVGAME0019") + nl + g.Text("KVGAME0020") + nl + g.Text("KVGAME0021");
        style = kAbortRetryIgnore;
    } else {
        message = g.Text("KVGAME0012") + nl + g.Text("KVGAME0013") + s.EnemysText + g.Text("KVGAME0014") + nl +
                  g.Text("KVGAME0015") + s.EnemyText + g.Text("KVGAME0016") + nl + nl + g.Text("KVGAME0017");
        style = kOKCancel;
    }
    const std::string question = s.SystemNames[kWarpEngines] + g.Text("KVGAME0022") + nl + nl + g.Text("KVGAME0023") +
                                 nl + g.Text("KVGAME0024") + message;
    switch (MessageQuery(g, -1, question, style)) {
        case kOK:
            // The blast ends the game; a countdown the player aborted leaves it running.
            SelfDestruct(g);
            if (!s.GameRunning) return true;
            break;
        case kRetry: WarpSequence(g); break;
        case kAbort:
            ReportOutOfEnergy(g);
            EndGame(g);
            return true;
        default:  // Cancel, Ignore
            break;
    }
    return false;
}

void WarpSequence(Game& g) {
    GameState& s = g.st;
    const std::string& nl = s.NewLine;
    PrintOutput(g, g.Text("KVGAME0025"));
    MessageBox(g, -1,
               g.Text("KVGAME0026") + nl + g.Text("KVGAME0027") + Trimmed(s.ShipQuadrantRow) + "," +
                   Trimmed(s.ShipQuadrantCol) + "." + nl + g.Text("KVGAME0028"),
               0);

    // Every friendly starbase destroyed and the hostile starbase never captured: nobody to call.
    if (s.Starbases[3][1] < 0 && s.Starbases[3][2] < 0 && s.Starbases[3][3] < 0 && s.ZarvoniBase[0] == 0) {
        MessageBox(g, -1, g.Text("KVGAME0029"), 0);
        return;
    }

    // The bases to tow from: index 0 the captured hostile starbase, 1..3 the friendly ones.
    // Only a base that still stands (strength 0 or more, in a quadrant of the galaxy) can tow.
    Single dist[4] = {kNoCandidate, kNoCandidate, kNoCandidate, kNoCandidate};
    long baseRow[4] = {}, baseCol[4] = {};
    const long shipRow = static_cast<long>(s.ShipQuadrantRow) * 8 + s.ShipSectorRow;
    const long shipCol = static_cast<long>(s.ShipQuadrantCol) * 8 + s.ShipSectorCol;
    bool any = false;
    for (int i = s.ZarvoniBase[0] != 0 ? 0 : 1; i <= 3; ++i) {
        long qr, qc;
        bool callable;
        if (i == 0) {
            qr = s.ZarvoniBase[1];
            qc = s.ZarvoniBase[2];
            baseRow[i] = qr * 8 + s.ZarvoniBase[3];
            baseCol[i] = qc * 8 + s.ZarvoniBase[4];
            callable = s.ZarvoniBaseKnown && s.ZarvoniBase[5] >= 0;
        } else {
            qr = s.Starbases[1][i];
            qc = s.Starbases[2][i];
            baseRow[i] = qr * 8 + s.StarbaseSectors[1][i];
            baseCol[i] = qc * 8 + s.StarbaseSectors[2][i];
            const bool charted = InGrid(qr) && InGrid(qc) && s.KnownGalaxy[qr][qc] == s.Galaxy[qr][qc];
            callable = (charted || s.Starbases[0][i] != 0) && s.Starbases[3][i] >= 0;
        }
        if (!InGrid(qr) || !InGrid(qc) || !callable) continue;
        const double dr = static_cast<double>(baseRow[i] - shipRow);
        const double dc = static_cast<double>(baseCol[i] - shipCol);
        dist[i] = static_cast<Single>(std::sqrt(dr * dr + dc * dc));
        any = true;
    }
    int chosen = 0;
    for (int i = 1; i <= 3; ++i)
        if (dist[i] < dist[chosen]) chosen = i;

    // With no base to call the distance stays at its mark: the call fails as one out of reach,
    // whatever the energy.
    if (!any || static_cast<double>(s.ShipEnergy) / 35.0 < dist[chosen]) {
        MessageBox(g, -1, g.Text("KVGAME0030") + nl + nl + g.Text("KVGAME0031"), 0);
        return;
    }

    // The tow: a fifth of a time unit and 35 energy per sector of distance.
    const int steps = CInt(dist[chosen]);
    for (int k = 0; k < steps; ++k) {
        Pause(g, 0.3);
        PassTime(g, 0.2f);
        s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) - 35);
        UpdateGeneralReport(g);
        g.host.Refresh(View::GeneralReport);
        g.host.Refresh(View::Bars);
    }

    // The tow icon enters the ship's quadrant on the line from the base and crosses the scan
    // towards the ship, at most ten cells.
    int entryRow = 0, entryCol = 0;
    if (TowEntrySector(g, static_cast<int>(baseRow[chosen]), static_cast<int>(baseCol[chosen]), entryRow, entryCol)) {
        double rowStep = 0, colStep = 0;
        CourseSteps(g, entryRow, entryCol, s.ShipSectorRow, s.ShipSectorCol, rowStep, colStep);
        double r = entryRow, c = entryCol;
        int prevRow = 0, prevCol = 0;
        for (int move = 1; move <= 10; ++move) {
            r += rowStep;
            c += colStep;
            const long row = CLng(r), col = CLng(c);
            if (!InGrid(row) || !InGrid(col)) break;
            if (move >= 2) g.host.Scan().ResetSectorPicture(prevRow, prevCol);
            g.host.Scan().ShowTowIcon(static_cast<int>(row), static_cast<int>(col));
            if (row == s.ShipSectorRow && col == s.ShipSectorCol) break;
            g.host.Scan().DrawSector(static_cast<int>(row), static_cast<int>(col), 13);
            ShowStarbaseStatus(g);
            Pause(g, 0.5);
            prevRow = static_cast<int>(row);
            prevCol = static_cast<int>(col);
        }
    }

    s.SystemDamage[kWarpEngines] = 6.0f;
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) + (s.ShipEnergy < 1000 ? 800 : 500));
    UpdateCommandState(g);
    UpdateGeneralReport(g);
    UpdateDamageReport(g);
    g.host.FocusCommandBar();
}

}  // namespace kv
