#include "engine/tactical/Destroy.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/computer/Displays.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Condition.h"
#include "engine/turn/Time.h"
#include "state/Numeric.h"

namespace kv {
namespace {

bool InShipQuadrant(const GameState& s, long row, long col) {
    return row == s.ShipQuadrantRow && col == s.ShipQuadrantCol && InGalaxy(row, col);
}

// The quadrant code of the ship's quadrant, when the ship is in the galaxy.
Integer* ShipQuadrantCode(GameState& s) {
    if (!InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol)) return nullptr;
    return &s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol];
}

// Empties a sector of the current quadrant and redraws it.
void ClearCell(Game& g, int row, int col) {
    if (!InGalaxy(row, col)) return;
    g.st.SectorGrid[row][col] = kEmpty;
    DrawSector(g, row, col, kIconEmpty);
}

// One ship fewer in the quadrant code (never below none).
void TakeShipFromCode(Integer& code) {
    if (code >= 100) code = static_cast<Integer>(code - 100);
}

// Friendly starbase n's number taken out of a quadrant code, when the code holds it.
void TakeStarbaseFromCode(Integer& code, int n) {
    if (QuadStarbaseNumber(code) == n) code = static_cast<Integer>(code - 10 * n);
}

void Decrement(Integer& counter) {
    if (counter > 0) --counter;
}
void Increment(Integer& counter) { counter = Clamp16(static_cast<long long>(counter) + 1); }

// Shows lines as one notice that the player cannot switch off, each line followed by NewLine.
void Notice(Game& g, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + g.st.NewLine;
    MessageBox(g, -1, text, 0);
}

// Clears a friendly starbase's sector; the ship docked there stays drawn.
void ClearStarbaseSector(Game& g, int n) {
    GameState& s = g.st;
    const int sr = s.StarbaseSectors[1][n], sc = s.StarbaseSectors[2][n];
    if (InGalaxy(sr, sc)) {
        FlashSRS(g, sr, sc);
        ClearCell(g, sr, sc);
        if (sr == s.ShipSectorRow && sc == s.ShipSectorCol) {
            s.SectorGrid[sr][sc] = kShip;
            DrawSector(g, sr, sc, kIconShip);
        }
    }
    s.StarbaseSectors[1][n] = 0;
    s.StarbaseSectors[2][n] = 0;
}

// The end of friendly starbase n's record and the counts of its loss.
void RetireStarbase(Game& g, int n) {
    GameState& s = g.st;
    s.Starbases[1][n] = 0;
    s.Starbases[2][n] = 0;
    s.Starbases[3][n] = -1000;
    if (s.StarbaseFlags[n] != 0) Increment(s.StarbasesLost);  // the player had been warned
    if (s.QuadStarbase == n) s.QuadStarbase = 0;
    Increment(s.StatCounterG);
    s.StarbaseFlags[n] = 0;
}

// The Zarvoni starbase is lost: to the player's fire, or (byMorv) to the Morv ship, which
// changes the first notice and the keys of the second.
void LoseZarvoniBase(Game& g, bool byMorv) {
    GameState& s = g.st;
    const bool captured = s.ZarvoniBase[0] != 0;
    PlaySound(g, "SBDESTRD.WAV");
    if (InShipQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2]) && InGalaxy(s.ZarvoniBase[3], s.ZarvoniBase[4])) {
        const int r = static_cast<int>(s.ZarvoniBase[3]), c = static_cast<int>(s.ZarvoniBase[4]);
        FlashSRS(g, r, c);
        ClearCell(g, r, c);
    }
    for (int k = 1; k <= 4; ++k) s.ZarvoniBase[k] = 0;
    s.ZarvoniBase[5] = -1000;

    if (byMorv) {
        PrintOutput(g, s.EnemyText + g.Text("KVBASIC0014"));
        if (captured) {
            Increment(s.MorvBasesTaken);
            TakeFromCount(s.ZarvonisLeft, s.ZarvoniBaseShips);
        }
    } else {
        std::vector<std::string> lines{s.EnemyText + g.Text("KVBASIC0163")};
        if (captured) {
            // The ships docked at a captured base are lost with it.
            lines.push_back(g.Text("KVBASIC0164") + Str(s.ZarvoniBaseShips) + " " + s.EnemysText + ")");
            TakeFromCount(s.ZarvonisLeft, s.ZarvoniBaseShips);
        }
        for (const auto& line : lines) PrintOutput(g, line);
        PrintOutput(g, "");
        Notice(g, lines);
    }
    s.ZarvoniBaseShips = 0;
    s.Docked = 0;
    s.ZarvoniBaseDestroyed = 1;

    // Fleet Command's message: the keys by who destroyed the base and whether it was ours.
    static const char* const kByPlayer[] = {"KVBASIC0165", "KVBASIC0166", "KVBASIC0167", "KVBASIC0168",
                                            "KVBASIC0169", "KVBASIC0170", "KVBASIC0171", "KVBASIC0172",
                                            "KVBASIC0173", "KVBASIC0174", "KVBASIC0175"};
    static const char* const kByMorv[] = {"KVBASIC0015", "KVBASIC0016", "KVBASIC0017", "KVBASIC0018",
                                          "KVBASIC0019", "KVBASIC0020", "KVBASIC0021", "KVBASIC0022",
                                          "KVBASIC0023", "KVBASIC0024", "KVBASIC0025"};
    auto key = [&](int k) { return g.Text((byMorv ? kByMorv : kByPlayer)[k]); };
    PlaySound(g, "MESSAGE.WAV");
    const std::string enemy = [&] {
        std::string u = s.EnemyText;
        for (auto& ch : u)
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        return u;
    }();
    const int k = captured ? 1 : 6;
    const std::vector<std::string> lines{key(0) + Str(static_cast<long>(Int(g.RndExact() * 5) + 1)),
                                         "",
                                         key(k),
                                         key(k + 1) + enemy + key(k + 2),
                                         key(k + 3),
                                         key(k + 4)};
    for (const auto& line : lines) PrintOutput(g, line);
    Notice(g, lines);
    PassTime(g, -static_cast<Single>(Int(g.RndExact() * 5 + 3)));
    UpdateBars(g);
}

}  // namespace

void DestroyZarvoniShip(Game& g, int slot) {
    GameState& s = g.st;
    if (slot < 1 || slot > 10) return;
    const int r = s.ZarvoniShips[1][slot], c = s.ZarvoniShips[2][slot];
    if (r == 0) return;  // a free slot holds no ship to count
    ClearCell(g, r, c);
    PlaySound(g, "EXPLODE.WAV");
    FlashSRS(g, r, c);
    s.ZarvoniShips[1][slot] = 0;
    s.ZarvoniShips[2][slot] = 0;
    if (s.ZarvoniFlags[slot] != 1) {
        s.ZarvoniEnergy[slot] = -1000;
        if (Integer* code = ShipQuadrantCode(s)) TakeShipFromCode(*code);
        Decrement(s.ZarvonisLeft);
    } else {
        // Counted when it was disabled: only the count of those goes back.
        s.ZarvoniFlags[slot] = 0;
        Decrement(s.FlaggedZarvonis);
    }
}

void DestroyCloakedShip(Game& g, int slot, bool byPlayer) {
    GameState& s = g.st;
    if (slot < 1 || slot > 5) return;
    const int r = s.CloakedShips[1][slot], c = s.CloakedShips[2][slot];
    if (r == 0) return;  // a free slot holds no ship to count
    ClearCell(g, r, c);
    PlaySound(g, "EXPLODE.WAV");
    FlashSRS(g, r, c);
    s.CloakedShips[1][slot] = 0;
    s.CloakedShips[2][slot] = 0;
    s.CloakedEnergy[slot] = -1000;
    Decrement(s.ZarvonisLeft);
    if (byPlayer) Increment(s.CloakedKilled);
}

void DestroyMorvShip(Game& g) {
    GameState& s = g.st;
    PlaySound(g, "MVDESTROYED.WAV");
    if (InShipQuadrant(s, s.MorvShip[1], s.MorvShip[2])) {
        FlashSRS(g, s.MorvShip[3], s.MorvShip[4]);
        ClearCell(g, s.MorvShip[3], s.MorvShip[4]);
    }
    for (int k = 1; k <= 4; ++k) s.MorvShip[k] = 0;
    PrintOutput(g, g.Text("KVBASIC0159") + s.StrongEnemyText + g.Text("KVBASIC0160"));
    MessageBox(g, -1, g.Text("KVBASIC0161") + s.StrongEnemyText + g.Text("KVBASIC0162"), 0);
    s.MorvStrength = 0;
    s.MorvRegen = 0;
    s.MorvCountdown = 0;
    Increment(s.MorvShipsDestroyed);
}

void DestroyFriendlyStarbase(Game& g) {
    GameState& s = g.st;
    const int n = s.QuadStarbase;
    if (n < 1 || n > 3) return;
    PlaySound(g, "SBDESTRD.WAV");
    ClearStarbaseSector(g, n);
    if (Integer* code = ShipQuadrantCode(s)) TakeStarbaseFromCode(*code, n);
    s.Docked = 0;
    PrintOutput(g, g.Text("KVBASIC0155") + Str(n) + g.Text("KVBASIC0156"));
    MessageBox(g, -1, g.Text("KVBASIC0157") + Str(n) + g.Text("KVBASIC0158"), 0);
    RetireStarbase(g, n);
}

void DestroyZarvoniBase(Game& g) { LoseZarvoniBase(g, false); }

void DestroyStarbase(Game& g, int n) {
    GameState& s = g.st;
    if (n < 1) {
        LoseZarvoniBase(g, true);
        return;
    }
    if (n > 3) return;
    Increment(s.MorvBasesTaken);
    const long qr = s.Starbases[1][n], qc = s.Starbases[2][n];
    if (InGalaxy(qr, qc)) {
        TakeStarbaseFromCode(s.Galaxy[qr][qc], n);
        s.KnownGalaxy[qr][qc] = s.Galaxy[qr][qc];
    }
    PlaySound(g, "SBDESTRD.WAV");
    // The base's sector belongs to the current quadrant only when the base stands there.
    if (InShipQuadrant(s, qr, qc)) ClearStarbaseSector(g, n);
    s.StarbaseSectors[1][n] = 0;
    s.StarbaseSectors[2][n] = 0;
    s.Docked = 0;
    PrintOutput(g, g.Text("KVBASIC0012") + Str(n) + g.Text("KVBASIC0013"));
    RetireStarbase(g, n);
}

}  // namespace kv
