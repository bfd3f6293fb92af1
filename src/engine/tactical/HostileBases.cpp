#include "engine/tactical/HostileBases.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/computer/Displays.h"
#include "engine/tactical/Damage.h"
#include "engine/tactical/Destroy.h"
#include "engine/tactical/HostileCells.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Condition.h"
#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/Refresh.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// Compass direction 1..8 (east, then anticlockwise) as row and column offsets.
int DirRow(int d) { return d > 1 && d < 5 ? -1 : (d == 1 || d == 5) ? 0 : 1; }
int DirCol(int d) { return d > 3 && d < 7 ? -1 : (d == 3 || d == 7) ? 0 : 1; }

// Rounds of the traffic loop at most: a launch search may send the loop back to an earlier
// direction.
constexpr int kMaxRounds = 64;
// Draws of a direction whose cell lies inside the quadrant, at most, per launch pick.
constexpr int kMaxDirectionDraws = 100;

// A ship from the neighbouring quadrant (nr, nc) in direction d comes in, unless the quadrant has
// no free sector left (it then stays at home). With r2 above 0.6 it stays to fight, else it
// flies to the base and docks there, or fights where its way is blocked.
void Arrival(Game& g, int d, int nr, int nc, float r2) {
    GameState& s = g.st;
    s.Galaxy[nr][nc] = static_cast<Integer>(s.Galaxy[nr][nc] - 100);
    // It enters at the edge of the quadrant that faces where it came from.
    const int dr = DirRow(d), dc = DirCol(d);
    auto pin = [dr, dc](int& r, int& c) {
        if (dr != 0)
            r = dr < 0 ? 1 : 8;
        else
            c = dc < 0 ? 1 : 8;
    };
    int row = static_cast<int>(s.ZarvoniBase[3]), col = static_cast<int>(s.ZarvoniBase[4]);
    if (!FindFreeSector(g, row, col, pin)) {
        s.Galaxy[nr][nc] = static_cast<Integer>(s.Galaxy[nr][nc] + 100);
        return;
    }
    if (s.SystemDamage[kShortRangeSensors] == 0) {
        PrintOutput(g, s.EnemyText + g.Text("KVBASIC0177") + Str(row) + " ," + Str(col));
        PlaySound(g, "ZENTER.WAV");
        Pause(g, 0.5);
    }
    DrawIfSeen(g, row, col, kIconZarvoni);
    Pause(g, 0.4);

    if (r2 > 0.6f && s.QuadZarvonis < 9) {
        // It stays to fight.
        AddZarvoniShip(g, row, col, std::min(100, static_cast<int>(Int(g.RndExact() * 40 + 80))));
        return;
    }
    // It flies to the base, a sector at a time, while its way is clear.
    const int br = static_cast<int>(s.ZarvoniBase[3]), bc = static_cast<int>(s.ZarvoniBase[4]);
    bool moved = true;
    while (moved && !(row == br && col == bc)) {
        s.SectorGrid[row][col] = kEmpty;
        const int nextR = row + Sgn(br - row), nextC = col + Sgn(bc - col);
        const bool atBase = nextR == br && nextC == bc;
        moved = (s.SectorGrid[nextR][nextC] == kEmpty || atBase) && !(atBase && s.ZarvoniBaseShips >= 6);
        if (moved) {
            PlaySound(g, "ZMOVE.WAV");
            DrawIfSeen(g, row, col, kIconEmpty);
            DrawIfSeen(g, nextR, nextC, kIconZarvoni);
            Pause(g, 0.2);
            row = nextR;
            col = nextC;
        }
        if (!(row == br && col == bc)) s.SectorGrid[row][col] = kZarvoni;
    }
    if (!(row == br && col == bc)) {
        // Blocked on its way: it stays and fights where it stopped.
        s.SectorGrid[row][col] = kEmpty;
        CompactEnemyTable(g);
        AddZarvoniShip(g, row, col, static_cast<int>(Int(g.RndExact() * 60 + 11)));
        return;
    }
    PrintOutput(g, s.EnemyText + g.Text("KVBASIC0178"));
    PlaySound(g, "ZDOCK.WAV");
    Pause(g, 0.5);
    ++s.ZarvoniBaseShips;
    s.ZarvoniBase[5] = std::max<Long>(0, s.ZarvoniBase[5] - static_cast<Long>(Int(g.RndExact() * 1000 + 1001)));
    ShowStarbaseStatus(g);
    DrawSector(g, br, bc, kIconZarvoniBase);
    s.SectorGrid[br][bc] = kZarvoniStarbase;
    Pause(g, 0.1);
}

// The base launches a docked ship next to itself, in a random free direction (at most 20
// picks); the direction drawn goes back to the caller's loop.
void Launch(Game& g, int& d) {
    GameState& s = g.st;
    const int br = static_cast<int>(s.ZarvoniBase[3]), bc = static_cast<int>(s.ZarvoniBase[4]);
    int row = 0, col = 0, picks = 0;
    do {
        int draws = 0;
        do {
            d = static_cast<int>(Int(g.RndExact() * 8 + 1));
            row = br + DirRow(d);
            col = bc + DirCol(d);
        } while (!InGalaxy(row, col) && ++draws < kMaxDirectionDraws);
        if (!InGalaxy(row, col)) return;
        ++picks;
    } while (s.SectorGrid[row][col] != kEmpty && picks < 20);
    if (s.SectorGrid[row][col] != kEmpty || picks >= 20) return;

    PrintOutput(g, s.EnemyText + g.Text("KVBASIC0179") + Str(row) + " ," + Str(col));
    --s.ZarvoniBaseShips;
    PlaySound(g, "ZENTER.WAV");
    DrawIfSeen(g, row, col, kIconZarvoni);
    Pause(g, 0.5);
    // A base without strength left sends its ships out half repaired.
    AddZarvoniShip(g, row, col, s.ZarvoniBase[5] == 0 ? static_cast<int>(Int(g.RndExact() * 80 + 20)) : 100);
}

// The nearest Zarvoni ship of energy 20 or more, closer than 20 sectors, to a base's sector;
// its slot (0 none) and its distance rounded.
int ChooseTarget(const GameState& s, int br, int bc, int& best) {
    best = 20;
    int target = 0;
    for (int k = 1; k <= 10; ++k) {
        const int r = s.ZarvoniShips[1][k], c = s.ZarvoniShips[2][k];
        if (s.ZarvoniEnergy[k] < 20 || !InGalaxy(r, c)) continue;
        const double dist = std::sqrt(static_cast<double>((r - br) * (r - br) + (c - bc) * (c - bc)));
        if (dist >= best) continue;
        target = k;
        best = std::max<int>(1, CInt(dist));
    }
    return target;
}

// A base's shot at the Zarvoni ship at (tr, tc), on the scan.
void ShowShot(Game& g, int br, int bc, int tr, int tc, int line, const char* sound, double seconds) {
    g.host.Scan().AnimateSectorMove(br, bc, tr, tc, line);
    g.host.Scan().PlaceMarker(SectorMarker::ZarvoniShield, tr, tc);
    g.host.Scan().ShowMarker(SectorMarker::ZarvoniShield, true);
    g.host.Scan().ShowBeamLines(line, line, true);
    PlaySound(g, sound);
    Pause(g, seconds);
    g.host.Scan().ShowBeamLines(line, line, false);
    g.host.Scan().ShowMarker(SectorMarker::ZarvoniShield, false);
    ShowStarbaseStatus(g);
}

// What a base's hit did to Zarvoni ship `target`, by its energy after the hit: disabled (counted
// as destroyed), destroyed, nearly disabled or still fighting. `keys` names the four texts.
// True when the ship was disabled or destroyed.
bool ReportHitOnShip(Game& g, int target, std::string& message, const char* const keys[4]) {
    GameState& s = g.st;
    const int e = s.ZarvoniEnergy[target];
    bool down = false;
    if (e == 0) {
        message += g.Text(keys[0]);
        PlaySound(g, "DISABLE.WAV");
        RecordEnemyDestroyed(g, target);
        down = true;
    } else if (e < 0) {
        message += g.Text(keys[1]);
    } else if (e < 20) {
        message += g.Text(keys[2]);
        PlaySound(g, "DISABLE.WAV");
    } else {
        message += g.Text(keys[3]);
    }
    if (e < 0) {
        DestroyZarvoniShip(g, target);
        down = true;
    }
    return down;
}

void AfterBaseShot(Game& g, const std::string& message) {
    PrintOutput(g, message);
    UpdateZarvoniReport(g);
    UpdateCondition(g);
    UpdateGalaxyRecord(g);
}

void FriendlyStarbaseFire(Game& g) {
    GameState& s = g.st;
    const int n = s.QuadStarbase;
    if (n < 1 || n > 3 || s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol] <= 99) return;
    const int br = s.StarbaseSectors[1][n], bc = s.StarbaseSectors[2][n];
    int best;
    const int target = ChooseTarget(s, br, bc, best);
    if (target == 0) return;
    UpdateZarvoniReport(g);
    const long h = CInt(Int(g.RndExact() * 20 + 1) + Int(120.0 / best + 20) + 10);
    if (s.Starbases[3][n] < 0.1 * s.MaxStarbaseStrength || s.Starbases[3][n] < 5 * h) return;  // holds fire
    s.Starbases[3][n] -= 5 * h;
    PrintOutput(g, g.Text("KVBASIC0181"));
    s.ZarvoniEnergy[target] = Clamp16(s.ZarvoniEnergy[target] - static_cast<long long>(h));
    const int tr = s.ZarvoniShips[1][target], tc = s.ZarvoniShips[2][target];
    ShowShot(g, br, bc, tr, tc, 0, "SBSHOOT.WAV", 0.8);
    std::string message = s.EnemyText + g.Text("KVBASIC0182") + Str(tr) + " ," + Str(tc) + g.Text("KVBASIC0183");
    static const char* const keys[4] = {"KVBASIC0184", "KVBASIC0185", "KVBASIC0186", "KVBASIC0187"};
    if (ReportHitOnShip(g, target, message, keys) && s.MissionType != 3 && s.InitialZarvonis > 0) --s.InitialZarvonis;
    AfterBaseShot(g, message);
}

// False when the player's ship was lost.
bool ZarvoniStarbaseFire(Game& g) {
    GameState& s = g.st;
    const int br = static_cast<int>(s.ZarvoniBase[3]), bc = static_cast<int>(s.ZarvoniBase[4]);
    const bool crowded =
        s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol] >= 400 && s.ZarvoniBase[5] >= 0.5 * s.ZarvoniBaseStrength;
    if (s.ZarvoniBase[0] != 0 || crowded || !InGalaxy(br, bc)) return true;
    const bool hit = !(g.Rnd() - 0.1 > s.HitChance);
    const int dr = s.ShipSectorRow - br, dc = s.ShipSectorCol - bc;
    const long d = std::max<long>(1, CInt(std::sqrt(static_cast<double>(dr * dr + dc * dc))));
    UpdateGeneralReport(g);
    long p = CInt((Int(g.RndExact() * 10 + 1) + Int(110.0 / d + 20) + 5) * 8);
    if (p > s.ZarvoniBase[5]) return true;  // too weak to fire
    s.ZarvoniBase[5] -= p;
    if (hit) {
        g.host.Scan().AnimateSectorMove(br, bc, s.ShipSectorRow, s.ShipSectorCol, 1);
        g.host.Scan().ShowBeamLines(1, 1, true);
        PrintOutput(g, g.Text("KVBASIC0188") + s.EnemyText + g.Text("KVBASIC0189"));
    } else {
        PrintOutput(g, g.Text("KVBASIC0190") + s.EnemyText + g.Text("KVBASIC0191"));
        p = 0;
    }
    PlaySound(g, "ZSBSHOOT.WAV");
    Pause(g, 0.7);
    g.host.Scan().ShowBeamLines(1, 1, false);
    ShowStarbaseStatus(g);
    if (hit) {
        PrintOutput(g, "**" + Str(p) + g.Text("KVBASIC0192") + s.EnemyText + g.Text("KVBASIC0193"));
        ShieldHit(g, p);
        Pause(g, 0.1);
        if (!s.GameRunning) return false;
        PrintOutput(g, g.Text("KVBASIC0194") + Str(s.ShieldLevel) + g.Text("KVBASIC0195"));
    }
    UpdateCondition(g);
    UpdateGalaxyRecord(g);
    return true;
}

void CapturedStarbaseFire(Game& g) {
    GameState& s = g.st;
    const int br = static_cast<int>(s.ZarvoniBase[3]), bc = static_cast<int>(s.ZarvoniBase[4]);
    if (!InGalaxy(br, bc)) return;
    int best;
    const int target = ChooseTarget(s, br, bc, best);
    if (target == 0) return;
    UpdateZarvoniReport(g);
    const long h = CInt(Int(g.RndExact() * 10 + 1) + Int(110.0 / best + 20) + 5);
    if (s.ZarvoniBase[5] <= 0.1 * s.ZarvoniBaseStrength || s.ZarvoniBase[5] < 5 * h) return;  // holds fire
    s.ZarvoniBase[5] -= 5 * h;
    PrintOutput(g, g.Text("KVBASIC0196") + s.EnemyText + g.Text("KVBASIC0197"));
    s.ZarvoniEnergy[target] = Clamp16(s.ZarvoniEnergy[target] - static_cast<long long>(h));
    const int tr = s.ZarvoniShips[1][target], tc = s.ZarvoniShips[2][target];
    ShowShot(g, br, bc, tr, tc, 1, "ZSBSHOOT.WAV", 0.7);
    std::string message = s.EnemyText + g.Text("KVBASIC0198") + Str(tr) + " ," + Str(tc) + g.Text("KVBASIC0199");
    static const char* const keys[4] = {"KVBASIC0200", "KVBASIC0201", "KVBASIC0202", "KVBASIC0203"};
    ReportHitOnShip(g, target, message, keys);
    AfterBaseShot(g, message);
}

}  // namespace

void ZarvoniBaseTraffic(Game& g) {
    GameState& s = g.st;
    if (!IsShipQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2]) || !InGalaxy(s.ZarvoniBase[3], s.ZarvoniBase[4])) return;
    const int br = static_cast<int>(s.ZarvoniBase[1]), bc = static_cast<int>(s.ZarvoniBase[2]);
    int rounds = 0;
    for (int d = 1; d <= 8 && rounds < kMaxRounds; ++d, ++rounds) {
        // The next direction whose neighbouring quadrant lies inside the galaxy.
        --d;
        do {
            ++d;
        } while (d <= 8 && !InGalaxy(br + DirRow(d), bc + DirCol(d)));
        if (d > 8) break;
        const int nr = br + DirRow(d), nc = bc + DirCol(d);

        float r1 = g.Rnd(), r2 = g.Rnd(), r3 = g.Rnd();
        if (s.ZarvoniBase[0] != 0) {
            r2 = 1.0f;  // ships coming to a captured base fight
            r3 = 0.0f;  // and it launches none
        }
        if (s.QuadZarvonis >= 9) r1 = r2 = r3 = 0.0f;
        if (s.ZarvoniBase[5] <= 0) r2 = 1.0f;
        const double strength =
            s.ZarvoniBaseStrength != 0 ? static_cast<double>(s.ZarvoniBase[5]) / s.ZarvoniBaseStrength : 0;
        const double threshold = strength < 0.25 ? 0.3 : 0.6;
        if (r1 > threshold && s.Galaxy[nr][nc] > 99)
            Arrival(g, d, nr, nc, r2);
        else if (r3 > 0.8f && s.QuadZarvonis < 9 && s.ZarvoniBaseShips > 0)
            Launch(g, d);
    }
}

bool StarbaseFire(Game& g) {
    GameState& s = g.st;
    if (!InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol)) return true;
    FriendlyStarbaseFire(g);
    if (!IsShipQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2])) return true;
    if (s.ZarvoniBase[0] == 0) return ZarvoniStarbaseFire(g);
    CapturedStarbaseFire(g);
    return true;
}

}  // namespace kv
