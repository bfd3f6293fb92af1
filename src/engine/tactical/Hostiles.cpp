#include "engine/tactical/Hostiles.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/computer/Displays.h"
#include "engine/tactical/CloakedShips.h"
#include "engine/tactical/Damage.h"
#include "engine/tactical/Destroy.h"
#include "engine/tactical/GalaxyMoves.h"
#include "engine/tactical/HostileBases.h"
#include "engine/tactical/HostileCells.h"
#include "engine/tactical/MorvShip.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Condition.h"
#include "engine/turn/Refresh.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr const char* kHitShipSource = "KVBASIC:HitShip";
constexpr const char* kMovemSource = "KVBASIC:Movem";

// One hostile ship of the quadrant fires: at the player's ship, or at the quadrant's starbase.
// Adds a hit on the player's ship to `total`. False when the hit lost the ship.
bool Fire(Game& g, bool cloaked, int r, int c, int energy, long long& total) {
    GameState& s = g.st;
    const bool captured = CapturedBaseHere(s);
    // The target: the ship, or with an even chance the quadrant's starbase, always while the ship
    // is docked; a captured base draws no fire from the ship while it is not docked there.
    bool atBase = (g.Rnd() > 0.5f && (captured || s.QuadStarbase > 0)) || s.Docked == 1;
    if (captured && s.Docked == 0) atBase = false;
    enum class Base { None, Friendly, Captured } base = Base::None;
    int tr = s.ShipSectorRow, tc = s.ShipSectorCol;
    const bool strong = cloaked ? energy >= 20 : energy > 20;

    if (atBase) {
        if (s.QuadStarbase >= 1 && s.QuadStarbase <= 3) {
            tr = s.StarbaseSectors[1][s.QuadStarbase];
            tc = s.StarbaseSectors[2][s.QuadStarbase];
            base = Base::Friendly;
        } else if (captured && s.ZarvoniBase[5] > 0.1 * s.ZarvoniBaseStrength) {
            tr = static_cast<int>(s.ZarvoniBase[3]);
            tc = static_cast<int>(s.ZarvoniBase[4]);
            base = Base::Captured;
        } else {
            tr = tc = 0;  // nothing worth hitting: the ship holds its fire
        }
    } else if (g.Rnd() > s.HitChance) {
        PlaySound(g, "ZMISS.WAV");
        if (strong) Pause(g, 0.4);
        Pause(g, 0.2);
        const bool sensors = s.SystemDamage[kShortRangeSensors] <= 0;
        const std::string at = Str(r) + " ," + Str(c);
        if (!cloaked) {
            PrintOutput(g, s.EnemyText + g.Text("KVBASIC0114") + (sensors ? g.Text("KVBASIC0115") + at : ""));
        } else {
            // A strong cloaked ship never gives its position away.
            PrintOutput(g, (energy >= 20 ? g.Text("KVBASIC0121") : "") + s.EnemyText + g.Text("KVBASIC0122") +
                               (sensors && energy < 20 ? g.Text("KVBASIC0123") + at : ""));
        }
        tr = tc = 0;
    }

    const long d = CInt(std::sqrt(static_cast<double>((c - tc) * (c - tc) + (r - tr) * (r - tr))));
    const long long h =
        static_cast<long long>(Int(static_cast<double>((10 - d) * (10 - d) + 10) * energy / (cloaked ? 17 : 20)));
    if (tr <= 0) return true;

    // The shot on the short-range scan.
    const int line = cloaked ? 4 : 2;
    const SectorMarker marker = base == Base::Friendly ? SectorMarker::StarbaseShield : SectorMarker::ZarvoniShield;
    if (base != Base::None) {
        g.host.Scan().PlaceMarker(marker, tr, tc);
        g.host.Scan().ShowMarker(marker, true);
    }
    g.host.Scan().AnimateSectorMove(r, c, tr, tc, line);
    g.host.Scan().ShowBeamLines(line, line, true);
    PlaySound(g, "ZHIT.WAV");
    if (strong) Pause(g, 0.4);
    g.host.Scan().ShowBeamLines(line, line, false);
    if (base != Base::None) g.host.Scan().ShowMarker(marker, false);
    Pause(g, 0.1);

    const std::string message = "**" + Str(h) + g.Text(cloaked ? "KVBASIC0124" : "KVBASIC0116");
    const double loss = static_cast<double>(h) * s.SkillLevel / 2;
    if (base == Base::Captured) {
        PrintOutput(g, message + g.Text(cloaked ? "KVBASIC0125" : "KVBASIC0117") + s.EnemyText +
                           g.Text(cloaked ? "KVBASIC0126" : "KVBASIC0118"));
        Pause(g, 0.1);
        s.ZarvoniBase[5] = CLng(static_cast<double>(s.ZarvoniBase[5]) - loss);
        if (s.ZarvoniBase[5] < 0) DestroyZarvoniBase(g);
        ShowStarbaseStatus(g);
        return true;
    }
    if (base == Base::Friendly) {
        const int n = s.QuadStarbase;
        PrintOutput(g, message + g.Text(cloaked ? "KVBASIC0127" : "KVBASIC0119") + Str(n) + " **");
        Pause(g, 0.1);
        s.Starbases[3][n] = CLng(static_cast<double>(s.Starbases[3][n]) - loss);
        if (s.Starbases[3][n] < 0) DestroyFriendlyStarbase(g);
        ShowStarbaseStatus(g);
        return true;
    }

    // A hit on the player's ship.
    const std::string at = Str(r) + " ," + Str(c);
    if (!cloaked) {
        PrintOutput(g, message + g.Text("KVBASIC0120") + at + " **");
    } else if (energy < 20) {
        PrintOutput(g, message + g.Text("KVBASIC0128") + at + " **");
    } else if (s.SystemDamage[kComputer] <= 0) {
        // The computer estimates where the shot came from, the better the longer the sensors'
        // range.
        PrintOutput(g, message + g.Text("KVBASIC0129"));
        const double range = s.LRSRange > 0 ? s.LRSRange : 1;
        const double u = g.Rnd(), v = g.Rnd();
        const Integer er = CInt(r + Int(2 * u - 0.5) / range);
        const Integer ec = CInt(c + Int(2 * v - 0.5) / range);
        PrintOutput(g, "\t" + g.Text("KVBASIC0130") + Str(er) + " ," + Str(ec));
    } else {
        PrintOutput(g, message + g.Text("KVBASIC0131"));
    }
    total += h;
    ShieldHit(g, static_cast<long>(h));
    Pause(g, 0.1);
    return s.GameRunning != 0;
}

// Shows lines as one notice that the player cannot switch off, joined by NewLine.
void Notice(Game& g, const std::vector<std::string>& lines) {
    std::string text;
    for (size_t k = 0; k < lines.size(); ++k) text += (k ? g.st.NewLine : "") + lines[k];
    MessageBox(g, -1, text, 0);
}

void PrintLines(Game& g, const std::vector<std::string>& lines) {
    for (const auto& line : lines) PrintOutput(g, line);
}

// The Zarvoni ships of another quadrant attack the friendly starbase there: a warning once the
// base is in danger, and the loss of the base.
void AttackStarbase(Game& g, int row, int col) {
    GameState& s = g.st;
    const int code = s.Galaxy[row][col];
    const int b = QuadStarbaseNumber(code);
    if (b < 1 || b > 3) return;
    const int ships = QuadZarvoniCount(code);
    long long attack = 0;
    for (int k = 0; k < ships; ++k) attack += static_cast<long long>(Int(g.RndExact() * 250 + 100));
    s.Starbases[3][b] = CLng(static_cast<double>(s.Starbases[3][b]) - static_cast<double>(attack) * s.SkillLevel / 2);

    const std::string where = Str(row) + " ," + Str(col);
    const double full = s.MaxStarbaseStrength != 0 ? s.MaxStarbaseStrength : 1;
    if (s.StarbaseFlags[b] == 0 && code >= 300 && s.Starbases[3][b] / full * 5 < ships / 1.5) {
        PlaySound(g, "MESSAGE.WAV");
        s.KnownGalaxy[row][col] = static_cast<Integer>(code);
        UpdateGalaxyRecord(g);
        const std::vector<std::string> lines{g.Text("KVBASIC0135") + Str(b) + g.Text("KVBASIC0136"),
                                             g.Text("KVBASIC0137") + where + " :", g.Text("KVBASIC0138"),
                                             g.Text("KVBASIC0139") + where};
        PrintOutput(g, "");
        PrintLines(g, lines);
        PrintOutput(g, "");
        Notice(g, lines);
        s.StarbaseFlags[b] = kTrue;
        UpdateGalaxyRecord(g);
    }
    if (s.Starbases[3][b] < 0) {
        s.Galaxy[row][col] = static_cast<Integer>(code - 10 * b);
        PlaySound(g, "MESSAGE.WAV");
        s.KnownGalaxy[row][col] = s.Galaxy[row][col];
        UpdateGalaxyRecord(g);
        const std::vector<std::string> lines{g.Text("KVBASIC0140") + Str(b) + g.Text("KVBASIC0141"),
                                             g.Text("KVBASIC0142") + where + " :", g.Text("KVBASIC0143"),
                                             g.Text("KVBASIC0144"), g.Text("KVBASIC0145")};
        PrintLines(g, lines);
        PrintOutput(g, "");
        Notice(g, lines);
        // Counted as not saved only when the player had been warned.
        if (s.StarbaseFlags[b] != 0) s.StarbasesLost = Clamp16(s.StarbasesLost + 1LL);
        s.Starbases[1][b] = 0;
        s.Starbases[2][b] = 0;
        s.StatCounterG = Clamp16(s.StatCounterG + 1LL);
        s.StarbaseFlags[b] = 0;
    }
}

// ---- The Zarvoni ships' moves inside the quadrant ---------------------------------------------

// Zarvoni ship i, next to its own starbase in this quadrant, docks there when the base can take
// it in; the slot is emptied and the table compacted.
bool DockAtZarvoniBase(Game& g, int i, int nr, int nc) {
    GameState& s = g.st;
    const bool baseHere = IsShipQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2]);
    if (!baseHere || s.ZarvoniBase[0] != 0 || std::abs(s.ZarvoniBase[3] - nr) >= 2 ||
        std::abs(s.ZarvoniBase[4] - nc) >= 2 || !(s.ZarvoniBase[5] > 0.25 * s.ZarvoniBaseStrength) ||
        s.ZarvoniEnergy[i] >= 100 || s.ZarvoniBaseShips >= 6)
        return false;
    s.SectorGrid[nr][nc] = kEmpty;
    s.ZarvoniShips[1][i] = 0;
    s.ZarvoniShips[2][i] = 0;
    while (s.QuadZarvonis >= 1 && s.ZarvoniShips[1][s.QuadZarvonis] == 0) --s.QuadZarvonis;
    Integer& code = s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol];
    if (code >= 100) code = static_cast<Integer>(code - 100);
    DrawIfSeen(g, nr, nc, kIconEmpty);
    PrintOutput(g, s.EnemyText + g.Text("KVBASIC0210"));
    Pause(g, 0.1);
    PlaySound(g, "ZDOCK.WAV");
    ++s.ZarvoniBaseShips;
    // Repairs cost the base strength by the energy the ship lacks.
    s.ZarvoniBase[5] = std::max<Long>(0, s.ZarvoniBase[5] - (100 - s.ZarvoniEnergy[i]) * 20);
    ShowStarbaseStatus(g);
    s.ZarvoniEnergy[i] = -1000;
    s.ZarvoniFlags[i] = 0;
    CompactEnemyTable(g);
    return true;
}

// Zarvoni ship i moves its steps through the quadrant, and may dock at its starbase.
void MoveZarvoniShip(Game& g, int i) {
    GameState& s = g.st;
    const int steps = StepsAllowed(g, s.ZarvoniEnergy[i]);
    for (int step = 0; step < steps; ++step) {
        const int r = s.ZarvoniShips[1][i], c = s.ZarvoniShips[2][i];
        if (!InGalaxy(r, c)) break;
        s.SectorGrid[r][c] = kEmpty;
        int nr, nc;
        if (!ChooseStep(g, r, c, nr, nc)) {
            s.SectorGrid[r][c] = kZarvoni;  // boxed in
            continue;
        }
        PlaySound(g, "ZMOVE.WAV");
        DrawIfSeen(g, r, c, kIconEmpty);
        DrawIfSeen(g, nr, nc, kIconZarvoni);
        Pause(g, 0.4);
        s.SectorGrid[nr][nc] = kZarvoni;
        s.ZarvoniShips[1][i] = static_cast<Integer>(nr);
        s.ZarvoniShips[2][i] = static_cast<Integer>(nc);
        if (DockAtZarvoniBase(g, i, nr, nc)) break;
    }
    Pause(g, 0.4);
    ShowStarbaseStatus(g);
}

}  // namespace

void HitShip(Game& g) {
    GameState& s = g.st;
    auto run = [&](auto&& statement) { Guarded(g, kHitShipSource, "<none>", statement); };
    bool lost = false;
    long long total = 0;

    run([&] {
        s.HostileTurnFlag = -32767;
        s.ShieldsChanged = kFalse;
        // A fast move is the best cover, for the first turn after it.
        s.HitChance = 0.9f;
        if (s.WarpFactor > 0) s.HitChance = 0.5f;
        if (s.WarpFactor > 1.0f) s.HitChance = 0.2f;
        s.WarpFactor = 0;
    });

    const int zarvonis = std::min<int>(s.QuadZarvonis, 10);
    for (int i = 1; i <= zarvonis && !lost; ++i) {
        run([&] {
            if (s.ZarvoniEnergy[i] > 0)
                lost = !Fire(g, false, s.ZarvoniShips[1][i], s.ZarvoniShips[2][i], s.ZarvoniEnergy[i], total);
        });
    }
    if (lost) return;
    int cloaked = 0;
    if (InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol))
        cloaked = std::min<int>(s.CloakedPerQuadrant[s.ShipQuadrantRow - 1][s.ShipQuadrantCol - 1], 5);
    for (int j = 1; j <= cloaked && !lost; ++j) {
        run([&] {
            if (s.CloakedEnergy[j] > 0)
                lost = !Fire(g, true, s.CloakedShips[1][j], s.CloakedShips[2][j], s.CloakedEnergy[j], total);
        });
    }
    if (lost) return;

    run([&] {
        if (InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol) && s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol] > 199 &&
            total > 0)
            PrintOutput(g, g.Text("KVBASIC0132") + Str(total));
    });
    run([&] {
        if (s.QuadStarbase >= 1 && s.QuadStarbase <= 3 && s.Starbases[3][s.QuadStarbase] < 0)
            DestroyFriendlyStarbase(g);
    });
    run([&] {
        if (total > 0) {
            UpdateBars(g);
            ShowStarbaseStatus(g);
            PrintOutput(g, g.Text("KVBASIC0133") + Str(s.ShieldLevel) + g.Text("KVBASIC0134"));
        }
    });
    Movem(g);
    // A ship lost during the movement turn ends the hostiles' turn there.
    if (!s.GameRunning) return;

    for (int row = 1; row <= 8; ++row) {
        for (int col = 1; col <= 8; ++col) {
            run([&] {
                if (s.Galaxy[row][col] >= 0 && !IsShipQuadrant(s, row, col)) AttackStarbase(g, row, col);
            });
        }
    }
}

void Movem(Game& g) {
    GameState& s = g.st;
    std::string step;
    auto run = [&](auto&& statement) { Guarded(g, kMovemSource, step, statement); };

    // The galaxy chart loses its highlights.
    run([&] {
        for (int i = 0; i < 64; ++i) SetChartQuadrantColor(g, i, kChartCleared);
        g.host.Refresh(View::Background);
        for (int i = 0; i < 64; ++i) SetChartQuadrantColor(g, i, kChartCleared);
    });

    step = "Move1";
    const int zarvonis = std::min<int>(s.QuadZarvonis, 10);
    for (int i = 1; i <= zarvonis; ++i) run([&] { MoveZarvoniShip(g, i); });
    run([&] { MoveCloakedShips(g); });

    step = "MoveAll";
    run([&] { MoveAcrossGalaxy(g); });

    step = "Zarvoni Base";
    run([&] { ZarvoniBaseTraffic(g); });

    step = g.Text("KVBASIC0180");
    run([&] { StarbaseFire(g); });
    if (!s.GameRunning) return;

    step = "PullIn";
    run([&] { TractorPullIn(g); });
    run([&] { s.HostileTurnFlag = 0; });
    run([&] { MorvShipTurn(g, step); });
}

}  // namespace kv
