#include "engine/tactical/MorvShip.h"

#include <algorithm>
#include <cstdlib>

#include "engine/computer/Displays.h"
#include "engine/tactical/Assimilate.h"
#include "engine/tactical/Damage.h"
#include "engine/tactical/Destroy.h"
#include "engine/tactical/HostileCells.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/tactical/Tractor.h"
#include "engine/tactical/WeaponEffects.h"
#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/Retrofit.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// Tries at clearing the Morv ship's entry cell before it takes any free cell instead.
constexpr int kMaxEntryTries = 64;

bool MorvHere(const GameState& s) { return IsShipQuadrant(s, s.MorvShip[1], s.MorvShip[2]); }

bool BesideShip(const GameState& s, int r, int c) {
    return std::abs(s.ShipSectorRow - r) <= 1 && std::abs(s.ShipSectorCol - c) <= 1;
}

// Far from the player the Morv ship wipes out the Zarvoni ships of its quadrant and swallows
// the friendly starbase there.
void RemoteDestruction(Game& g, int qr, int qc) {
    GameState& s = g.st;
    Integer& code = s.Galaxy[qr][qc];
    if (code < 0) return;
    code = static_cast<Integer>(code % 100);
    const int n = QuadStarbaseNumber(code);
    if (n < 1 || n > 3) return;
    PlaySound(g, "MVKILLSB.WAV");
    s.StarbaseSectors[1][n] = 0;
    s.StarbaseSectors[2][n] = 0;
    const std::string& nl = s.NewLine;
    MessageBox(g, -1,
               g.Text("KVBASIC0204") + CStr(static_cast<long long>(n)) + ":" + nl + g.Text("KVBASIC0205") + nl +
                   g.Text("KVBASIC0206"),
               0);
    PrintOutput(
        g, g.Text("KVBASIC0207") + CStr(static_cast<long long>(n)) + g.Text("KVBASIC0208") + s.StrongEnemyText + "!");
    s.Starbases[1][n] = 0;
    s.Starbases[2][n] = 0;
    s.Starbases[3][n] = -1000;
    if (s.StarbaseFlags[n] != 0) s.StarbasesLost = Clamp16(s.StarbasesLost + 1LL);
    s.StatCounterG = Clamp16(s.StatCounterG + 1LL);
    s.MorvBasesTaken = Clamp16(s.MorvBasesTaken + 1LL);
    s.StarbaseFlags[n] = 0;
    code = static_cast<Integer>(code % 10);
    s.KnownGalaxy[qr][qc] = code;
    UpdateGalaxyRecord(g);
}

// One strike at the ship's systems; false when it lost the ship.
bool Strike(Game& g) {
    if (RetrofitIsActive(g.st, 2)) {
        // The shield-frequency retrofit turns the strike aside.
        PlaySound(g, "MVSTRKSH.WAV");
        MessageBox(g, -1, g.Text("KVBASIC0209"), 0);
        return true;
    }
    PlaySound(g, "MVSTRIKE.WAV");
    if (DestroySystem(g, 0) == kShortRangeSensors) SRS(g);
    return g.st.GameRunning != 0;
}

// What the Morv ship meets on a cell of the player's quadrant is taken or consumed: a Zarvoni
// ship is pulled in, a cloaked ship destroyed (no tow holds a cloaked ship), a star system
// consumed, a starbase swallowed. `entering`: the Morv ship arrives from another quadrant and
// destroys a Zarvoni ship outright.
void Consume(Game& g, int r, int c, bool entering) {
    GameState& s = g.st;
    switch (s.SectorGrid[r][c]) {
        case kZarvoni:
            if (const int slot = FindEnemyShip(g, r, c)) {
                if (entering)
                    DestroyZarvoniShip(g, slot);
                else
                    TractorTow(g, slot, 0);
            }
            break;
        case kCloaked:
            // Gone, but no kill of the player's.
            if (const int slot = FindCloakedShip(g, r, c)) DestroyCloakedShip(g, slot, false);
            break;
        case kStar:
            AssimilateStar(g, s.ShipQuadrantRow, s.ShipQuadrantCol, FindSolarSystem(g, r, c));
            s.SectorGrid[r][c] = kEmpty;  // the star is gone
            break;
        case kStarbase:
            if (s.QuadStarbase >= 1) DestroyStarbase(g, s.QuadStarbase);
            break;
        case kZarvoniStarbase:
            if (IsShipQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2])) DestroyStarbase(g, 0);
            break;
        default: break;
    }
}

// The Morv ship arrives in the player's quadrant at its sector: what stands there is destroyed
// or consumed; from the player's ship it sidesteps. After a bounded number of tries it takes
// the first free cell. False when the quadrant has no free cell at all.
bool EnterPlayersQuadrant(Game& g) {
    GameState& s = g.st;
    int nr = s.MorvShip[3], nc = s.MorvShip[4];
    if (!InGalaxy(nr, nc) && !FindFreeSector(g, nr, nc)) return false;
    const int startRow = nr;
    int sidesteps = 0;
    for (int tries = 0; s.SectorGrid[nr][nc] != kEmpty; ++tries) {
        const int met = s.SectorGrid[nr][nc];
        if (tries >= kMaxEntryTries) {
            if (!FindFreeSector(g, nr, nc)) return false;
            break;
        }
        // The player's ship: the cell it holds, or the star it stopped on.
        if (met == kShip || (nr == s.ShipSectorRow && nc == s.ShipSectorCol)) {
            // Step aside: the row, then the column, in turn.
            const int shift = static_cast<int>(Int(g.RndExact() * 3 - 2));
            if (sidesteps % 2 == 0) {
                nr = startRow + shift;
                if (nr < 1) nr += 2;
            } else {
                nr = startRow;
                nc += shift;
                if (nc < 1) nc += 2;
            }
            ++sidesteps;
            continue;
        }
        Consume(g, nr, nc, true);
        if (s.SectorGrid[nr][nc] == met) {
            // Nothing could clear the cell: another one is taken.
            if (!FindFreeSector(g, nr, nc)) return false;
            break;
        }
    }
    s.SectorGrid[nr][nc] = kMorv;
    DrawIfSeen(g, nr, nc, kIconMorv);
    s.MorvShip[3] = static_cast<Integer>(nr);
    s.MorvShip[4] = static_cast<Integer>(nc);
    return true;
}

// The Morv ship closes in on the player's ship, or strikes beside it. False when the ship was
// lost.
bool MoveInPlayersQuadrant(Game& g) {
    GameState& s = g.st;
    const int r = s.MorvShip[3], c = s.MorvShip[4];
    if (!InGalaxy(r, c) || s.SectorGrid[r][c] != kMorv) {
        // Not on the scan yet: it takes its place first.
        EnterPlayersQuadrant(g);
        return true;
    }
    int nr = r, nc = c;
    if (!s.MorvMoveFlag) {
        if (std::abs(s.ShipSectorRow - r) > 1) nr = r + Sgn(s.ShipSectorRow - r);
        if (std::abs(s.ShipSectorCol - c) > 1) nc = c + Sgn(s.ShipSectorCol - c);
    }
    bool moved = nr != r || nc != c;
    if (moved) {
        // A ship in the way is pulled in or destroyed first; what still holds the cell then
        // blocks the Morv ship this turn.
        const int met = s.SectorGrid[nr][nc];
        if (met == kZarvoni || met == kCloaked) Consume(g, nr, nc, false);
        const int now = s.SectorGrid[nr][nc];
        const bool consumable = now == kEmpty || now == kStar || (now == kStarbase && s.QuadStarbase >= 1) ||
                                (now == kZarvoniStarbase && IsShipQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2]));
        if (!consumable) {
            nr = r;
            nc = c;
            moved = false;
        }
    }
    if (moved) {
        s.SectorGrid[r][c] = kEmpty;
        PlaySound(g, "MVMOVE.WAV");
        AnimateMorvMove(g, r, c, nr, nc);
    } else if (!s.MorvMoveFlag && BesideShip(s, r, c)) {
        if (!Strike(g)) return false;
        if (g.Rnd() > 0.25f && !Strike(g)) return false;
    }
    DrawIfSeen(g, r, c, kIconEmpty);
    DrawIfSeen(g, nr, nc, kIconMorv);
    Pause(g, 0.2);
    s.MorvShip[3] = static_cast<Integer>(nr);
    s.MorvShip[4] = static_cast<Integer>(nc);
    if (moved) Consume(g, nr, nc, false);
    s.SectorGrid[nr][nc] = kMorv;
    return true;
}

// One sector coordinate of the Morv ship's travel: beyond the quadrant it wraps into the next.
void WrapSector(Integer& sector, Integer& quadrant) {
    if (sector > 8) {
        sector = static_cast<Integer>(sector - 8);
        ++quadrant;
    } else if (sector < 1) {
        sector = static_cast<Integer>(sector + 8);
        --quadrant;
    }
}

// The Morv ship travels towards the player's quadrant: sector by sector when near, quadrant by
// quadrant (wandering) when far.
void Travel(Game& g, int qr, int qc) {
    GameState& s = g.st;
    const auto saved = s.MorvShip;
    const bool near = std::abs(qr - s.ShipQuadrantRow) < 3 && std::abs(qc - s.ShipQuadrantCol) < 3;
    if (near) {
        const int steps = static_cast<int>(Int(g.RndExact() * 10 + 6));
        for (int k = 0; k < steps; ++k) {
            s.MorvShip[3] = static_cast<Integer>(s.MorvShip[3] + Sgn(s.ShipQuadrantRow - s.MorvShip[1]));
            s.MorvShip[4] = static_cast<Integer>(s.MorvShip[4] + Sgn(s.ShipQuadrantCol - s.MorvShip[2]));
            WrapSector(s.MorvShip[3], s.MorvShip[1]);
            WrapSector(s.MorvShip[4], s.MorvShip[2]);
            if (MorvHere(s)) break;
        }
    } else {
        const int steps = static_cast<int>(Int(g.RndExact() * 10 + 2));
        auto step = [&](Integer& quadrant, Integer& sector, int target) {
            int delta;
            if (g.Rnd() > 0.66f)
                delta = Sgn(target - quadrant);
            else
                delta = static_cast<int>(Int(g.RndExact() * 2.99 - 1));
            quadrant = static_cast<Integer>(quadrant + delta);
            if (quadrant < 1) {
                quadrant = 1;
                sector = 1;
            } else if (quadrant > 8) {
                quadrant = 8;
                sector = 8;
            }
        };
        for (int k = 0; k < steps; ++k) {
            step(s.MorvShip[1], s.MorvShip[3], s.ShipQuadrantRow);
            step(s.MorvShip[2], s.MorvShip[4], s.ShipQuadrantCol);
            if (MorvHere(s)) break;
        }
    }
    if (MorvHere(s) && !EnterPlayersQuadrant(g)) s.MorvShip = saved;  // no room: it waits outside
}

}  // namespace

void TractorPullIn(Game& g) {
    GameState& s = g.st;
    const bool morvHere = MorvHere(s);
    if (!morvHere && s.QuadStarbase <= 0 && !CapturedBaseHere(s)) return;
    const int n = std::min<int>(s.QuadZarvonis, 10);
    for (int i = 1; i <= n; ++i) {
        const int base = morvHere && s.ZarvoniEnergy[i] > 0 ? 0 : s.QuadStarbase;
        if (g.Rnd() > 0.5f && s.ZarvoniEnergy[i] >= 0) TractorTow(g, i, base);
    }
}

void MorvArrivesInPlayersQuadrant(Game& g) {
    if (!MorvHere(g.st) || g.st.QuadrantChanged) return;
    EnterPlayersQuadrant(g);
}

bool MorvShipTurn(Game& g, std::string& step) {
    GameState& s = g.st;
    if (s.MorvShip[1] * s.MorvShip[2] == 0) {
        if (s.MorvCountdown < 0) {
            s.MorvCountdown = 0;
            s.MorvStrength = 0;
            s.MorvRegen = 0;
            s.MorvShip = {};
        }
        return true;
    }
    step = s.StrongEnemyText;
    const int qr = s.MorvShip[1], qc = s.MorvShip[2];
    if (!InGalaxy(qr, qc)) return true;
    if (qr != s.ShipQuadrantRow && qc != s.ShipQuadrantCol) RemoteDestruction(g, qr, qc);
    if (MorvHere(s)) {
        if (!MoveInPlayersQuadrant(g)) return false;
    } else {
        Travel(g, qr, qc);
    }
    const bool changedQuadrant = s.MorvShip[1] != qr || s.MorvShip[2] != qc;
    const bool here = MorvHere(s);

    step = s.StrongEnemyText + " Tractor Init";
    if (here && BesideShip(s, s.MorvShip[3], s.MorvShip[4]) && s.MorvCounterA == 0)
        g.SetTimer(Timer::frmSRS_tmrMorvTractor, true);

    step = "Surrender is mandatory";
    const bool hungry = g.Rnd() > 0.5f;
    const int stars = s.Galaxy[qr][qc] < 0 ? 0 : std::min(QuadStarCount(s.Galaxy[qr][qc]), 4);
    if ((!changedQuadrant || hungry) && !s.MorvMoveFlag && !here && stars > 0)
        AssimilateStar(g, qr, qc, static_cast<int>(Int(g.RndExact() * stars)) + 1);
    s.MorvMoveFlag = 0;
    return true;
}

}  // namespace kv
