#include "engine/turn/Capture.h"

#include "engine/computer/Displays.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Condition.h"
#include "engine/turn/Time.h"
#include "platform/Strings.h"
#include "state/Numeric.h"

namespace kv {
namespace {

void LogLines(Game& g, std::initializer_list<std::string> lines) {
    for (const auto& line : lines) PrintOutput(g, line);
}

void Capture(Game& g) {
    GameState& s = g.st;
    const std::string& nl = s.NewLine;
    PlaySound(g, "CAPZSB.WAV");
    s.ZarvoniBase[0] = -1;
    std::string l1 = g.Text("KVGAME0105") + s.EnemyText + g.Text("KVGAME0106");
    std::string l2 = g.Text("KVGAME0107");
    LogLines(g, {l1, l2});
    SetStatusItem(g, 5, kTrue);
    MessageBox(g, -1, l1 + nl + l2, 0);
    s.ScoreCounterB = Clamp16(s.ScoreCounterB + 1LL);
    s.HyperspaceFlag = 0;

    // The Zarvoni ships that were kept at the base are taken with it.
    if (s.ZarvoniBaseShips > 0) {
        l1 = g.Text("KVGAME0108") + s.EnemysText + g.Text("KVGAME0109");
        l2 = g.Text("KVGAME0110");
        LogLines(g, {l1, l2});
        MessageBox(g, -1, l1 + nl + l2, 0);
    }
    s.ZarvoniBaseShips = 0;

    SRS(g);
    if (!s.GameRunning) return;

    PlaySound(g, "MESSAGE.WAV");
    const int n = static_cast<int>(Int(g.Rnd() * 5.0)) + 1;
    const std::string text = g.Text("KVGAME0111") + " " + CStr(static_cast<long long>(n)) + nl + g.Text("KVGAME0112") +
                             nl + g.Text("KVGAME0113") + UpperCase(s.EnemyText) + g.Text("KVGAME0114") + nl +
                             g.Text("KVGAME0115") + nl;
    MessageIfEnabled(g, 11, text);

    // The base's stores give the ship 3..7 more units of time.
    const int t = static_cast<int>(Int(g.Rnd() * 5.0 + 3.0));
    PassTime(g, static_cast<Single>(-t));
    UpdateBars(g);
    UpdateGalaxyRecord(g);
}

void WarnDefended(Game& g) {
    GameState& s = g.st;
    const std::string& nl = s.NewLine;
    const std::string l1 = g.Text("KVGAME0116") + s.EnemyText + g.Text("KVGAME0117");
    const std::string l2 = g.Text("KVGAME0118") + s.EnemysText + g.Text("KVGAME0119");
    const std::string l3 = g.Text("KVGAME0120") + s.EnemyText + g.Text("KVGAME0121");
    LogLines(g, {l1, l2, l3});
    MessageBox(g, -1, l1 + nl + l2 + nl + l3, 0);
    UpdateGalaxyRecord(g);
    s.HyperspaceFlag = 1;
}

// A ship docked at the lost base is pushed one sector off: to the right, from the last column
// to the left; onto a free sector only (the other side is tried next), so that the sector grid
// keeps one object per sector.
void PushShipOff(GameState& s) {
    const int row = s.ShipSectorRow, col = s.ShipSectorCol;
    const int first = col >= 8 ? 7 : col + 1;
    const int second = col >= 8 ? col : (col <= 1 ? col : col - 1);
    auto isFree = [&](int c) {
        return row >= 1 && row <= 8 && c >= 1 && c <= 8 && c != col && s.SectorGrid[row][c] == kEmpty;
    };
    int target = isFree(first) ? first : (isFree(second) ? second : col);
    if (target == col) return;
    if (s.SectorGrid[row][col] == kShip) s.SectorGrid[row][col] = kEmpty;
    s.SectorGrid[row][target] = kShip;
    s.ShipSectorCol = static_cast<Integer>(target);
}

void Lose(Game& g, bool shipHere) {
    GameState& s = g.st;
    const std::string& nl = s.NewLine;
    PlaySound(g, "LOSEZSB.WAV");
    s.ZarvoniBase[0] = 0;
    const std::string text = g.Text("KVGAME0122") + s.EnemyText + g.Text("KVGAME0123") + nl + g.Text("KVGAME0124") +
                             nl + g.Text("KVGAME0125") + nl + nl + g.Text("KVGAME0126") + s.EnemyText +
                             g.Text("KVGAME0127") + s.EnemysText + "!";
    PrintOutput(g, text);
    MessageBox(g, -1, text, 0);
    UpdateGalaxyRecord(g);
    s.HyperspaceFlag = 1;
    // Only a ship docked at this base is cast off; one docked elsewhere stays docked.
    if (s.Docked && shipHere) {
        s.Docked = 0;
        PushShipOff(s);
        s.HostileTurnFlag = 1;
        SRS(g);
    }
}

}  // namespace

void CaptureEnemyStarbase(Game& g) {
    GameState& s = g.st;
    const Long strength = s.ZarvoniBase[5];
    // Only a standing base below a quarter of its full strength can change hands.
    if (!(strength >= 0 && s.ZarvoniBaseStrength * 0.25 > strength)) return;
    const long qr = s.ZarvoniBase[1], qc = s.ZarvoniBase[2];
    if (qr < 1 || qr > 8 || qc < 1 || qc > 8) return;
    const Integer code = s.Galaxy[qr][qc];
    const bool shipHere = s.ShipQuadrantRow == qr && s.ShipQuadrantCol == qc;

    if (s.ZarvoniBase[0] == 0) {
        if (code < 100 && shipHere)
            Capture(g);
        else if (shipHere && s.HyperspaceFlag != 1)
            WarnDefended(g);
        return;
    }

    // Captured: the Zarvoni ships gathered in its quadrant take it back unless the base's
    // strength, or the ship standing by (docked counts more), outweighs them.
    const double r = static_cast<double>(strength) / s.ZarvoniBaseStrength;
    const int ships = code / 100;
    const bool holds = 10 * r + 2 >= ships || (shipHere && 200 * (s.Docked ? 1 : 0) + 2000 * r + 499 >= code);
    if (!holds) Lose(g, shipHere);
}

}  // namespace kv
