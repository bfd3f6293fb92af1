#include "engine/tactical/Movement.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/computer/Displays.h"
#include "engine/computer/Docking.h"
#include "engine/tactical/LongRangeScan.h"
#include "engine/tactical/Shields.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/tactical/SolarSystemEntry.h"
#include "engine/tactical/Tactical.h"
#include "engine/turn/Condition.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Time.h"
#include "platform/Strings.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr const char* kSource = "KVBASIC : MoveShip";

int Sgn(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// The position before the move: quadrant row and column, sector row and column.
struct Position {
    int qr, qc, sr, sc;
};

// A refused move leaves the ship where it stood: back in the cell its order emptied.
void PutBack(GameState& s) {
    if (InGrid(s.ShipSectorRow) && InGrid(s.ShipSectorCol) && s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] == kEmpty)
        s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] = kShip;
}

// A Morv ship that shared the quadrant the ship left follows it: one sector less of its row and
// column distance away (its full distance when it was adjacent or on the same sector), on the
// side it came from, mirrored where that side leaves the quadrant. Following is its move of the
// action: it neither moves nor strikes in the hostiles' turn that comes.
void MorvFollows(GameState& s, const Position& old) {
    auto& m = s.MorvShip;
    if (m[1] != old.qr || m[2] != old.qc) return;
    const bool sameQuadrant = s.ShipQuadrantRow == old.qr && s.ShipQuadrantCol == old.qc;
    const int oldRow = m[3], oldCol = m[4];
    int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    int dr = std::max(std::abs(old.sr - oldRow) - 1, 0);
    int dc = std::max(std::abs(old.sc - oldCol) - 1, 0);
    if (dr == 0 && dc == 0) {
        dr = std::abs(old.sr - oldRow);
        dc = std::abs(old.sc - oldCol);
    }
    int row = s.ShipSectorRow - dr, col = s.ShipSectorCol - dc;
    if (row < 1) row += 2 * dr;
    if (col < 1) col += 2 * dc;
    if (row > 8) ++qr, row -= 8;
    if (col > 8) ++qc, col -= 8;
    qr = std::min(qr, 8);
    qc = std::min(qc, 8);
    s.MorvMoveFlag = kTrue;
    // Inside the quadrant whose grid stands it takes only a free cell (never a star or the
    // ship); with none there it keeps its own.
    const bool staysInGrid = sameQuadrant && qr == old.qr && qc == old.qc;
    if (staysInGrid && !(InGrid(row) && InGrid(col) && s.SectorGrid[row][col] == kEmpty)) return;
    // Its old cell belongs to the grid still in place.
    if (InGrid(oldRow) && InGrid(oldCol) && s.SectorGrid[oldRow][oldCol] == kMorv)
        s.SectorGrid[oldRow][oldCol] = kEmpty;
    m[1] = static_cast<Integer>(qr);
    m[2] = static_cast<Integer>(qc);
    m[3] = static_cast<Integer>(row);
    m[4] = static_cast<Integer>(col);
    if (staysInGrid) s.SectorGrid[row][col] = kMorv;
}

// One step of the back-off along the path from the old position towards the present one, on
// one axis: `now`/`old` absolute values of this axis, `otherNow`/`otherOld` of the other axis,
// and the sector values of both for the step inside one quadrant.
int BackOffStep(bool otherQuadrantChanged, bool otherSectorChanged, int now, int old, int otherNow, int otherOld,
                int sectorNow, int sectorOld, int otherSectorNow, int otherSectorOld) {
    if (otherQuadrantChanged && otherNow != otherOld)
        return Sgn(Int((now - old) / static_cast<double>(std::abs(otherNow - otherOld)) + 0.5));
    if (!otherQuadrantChanged && otherSectorChanged)
        return Sgn(Int((sectorNow - sectorOld) / static_cast<double>(std::abs(otherSectorNow - otherSectorOld)) + 0.5));
    return Sgn(now - old);
}

// Backs the ship off a destination held by anything but a star, one sector at a time towards
// where it came from, until a free sector (or a star) is found. The grid is that of the ship's
// quadrant: a back-off that would leave the quadrant puts the ship back where it started.
// Returns true when the ship was moved back.
bool BackOff(GameState& s, const Position& old) {
    auto held = [&] {
        const Integer code = s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol];
        return !(code <= 0 || code == kShip || code == kStar);
    };
    if (!held()) return false;
    for (int guard = 0; guard < 16 && held(); ++guard) {
        const int rNow = s.ShipQuadrantRow * 8 + s.ShipSectorRow, rOld = old.qr * 8 + old.sr;
        const int cNow = s.ShipQuadrantCol * 8 + s.ShipSectorCol, cOld = old.qc * 8 + old.sc;
        const int sr = BackOffStep(s.ShipQuadrantCol != old.qc, s.ShipSectorCol != old.sc, rNow, rOld, cNow, cOld,
                                   s.ShipSectorRow, old.sr, s.ShipSectorCol, old.sc);
        const int sc = BackOffStep(s.ShipQuadrantRow != old.qr, s.ShipSectorRow != old.sr, cNow, cOld, rNow, rOld,
                                   s.ShipSectorCol, old.sc, s.ShipSectorRow, old.sr);
        const int row = s.ShipSectorRow - sr, col = s.ShipSectorCol - sc;
        if (!InGrid(row) || !InGrid(col) || (sr == 0 && sc == 0)) break;
        s.ShipSectorRow = static_cast<Integer>(row);
        s.ShipSectorCol = static_cast<Integer>(col);
    }
    if (held()) {
        // No free sector on the way inside this quadrant: the ship stays where it started.
        s.ShipQuadrantRow = static_cast<Integer>(old.qr), s.ShipQuadrantCol = static_cast<Integer>(old.qc);
        s.ShipSectorRow = static_cast<Integer>(old.sr), s.ShipSectorCol = static_cast<Integer>(old.sc);
    }
    return true;
}

bool Adjacent(long row, long col, const GameState& s) {
    return std::abs(row - s.ShipSectorRow) <= 1 && std::abs(col - s.ShipSectorCol) <= 1;
}

}  // namespace

void MoveShip(Game& g, int destQuadRow, int destQuadCol, int destSectorRow, int destSectorCol) {
    GameState& s = g.st;
    std::string step = "Init";
    auto run = [&](auto&& statement) { Guarded(g, kSource, step, statement); };
    auto T = [&](const char* key) { return g.Text(key); };

    // The caller keeps destinations inside the galaxy; any other leaves the ship where it is.
    if (!InGalaxy(destQuadRow, destQuadCol) || !InGrid(destSectorRow) || !InGrid(destSectorCol)) {
        PutBack(s);
        return;
    }
    if (!s.StarTarget.empty() && (destQuadRow != s.StarTargetRow || destQuadCol != s.StarTargetCol)) {
        MessageBox(g, -1, T("KVCOM0084"), 0);
        PutBack(s);
        return;
    }
    const Position old{s.ShipQuadrantRow, s.ShipQuadrantCol, s.ShipSectorRow, s.ShipSectorCol};
    if (g.TimerEnabled(Timer::frmSRS_tmrMorvTractor)) {
        MessageBox(g, -1, T("KVBASIC0221") + s.StrongEnemyText + T("KVBASIC0222"), 0);
        PutBack(s);
        return;
    }

    s.ShipQuadrantRow = static_cast<Integer>(destQuadRow);
    s.ShipQuadrantCol = static_cast<Integer>(destQuadCol);
    s.ShipSectorRow = static_cast<Integer>(destSectorRow);
    s.ShipSectorCol = static_cast<Integer>(destSectorCol);
    run([&] { SetFormsEnabled(g, false); });
    run([&] { MorvFollows(s, old); });
    s.HostileTurnFlag = 1;
    run([&] { PrintOutput(g, ""); });

    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    const bool newQuadrant = qr != s.TacticalQuadRow || qc != s.TacticalQuadCol;
    if (newQuadrant) s.QuadrantChanged = kTrue;
    s.KnownGalaxy[qr][qc] = s.Galaxy[qr][qc];

    step = "Update";
    run([&] { UpdateGalaxyRecord(g); });
    run([&] {
        // An energy deficit that working shields can cover comes out of them.
        const long long deficit = -static_cast<long long>(s.ShipEnergy);
        if (s.ShipEnergy < 0 && s.SystemDamage[kShields] == 0 && s.ShieldLevel > deficit) {
            const std::string text = T("KVBASIC0223");
            PrintOutput(g, text);
            MessageBox(g, -1, text, 0);
            s.ShieldLevel = Clamp16(s.ShieldLevel + static_cast<long long>(s.ShipEnergy));
            s.ShipEnergy = 0;
        }
    });
    run([&] {
        if (s.ConditionIndex == kDocked) SetCondition(g, kGreen);
    });
    run([&] {
        if (!newQuadrant) return;
        s.HyperspaceFlag = 0;
        s.LampCaption[2] = " " + UpperCase(s.EnemyText) + T("KVBASIC0226");
        g.host.Refresh(View::Lamps);
    });

    step = "MakeTactical";
    run([&] {
        if (s.QuadrantChanged) MakeTactical(g);
    });

    step = "PlaceShip";
    run([&] {
        const bool bumped = BackOff(s, old);
        // The grid holds the ship where it stopped (a star keeps its code).
        Integer& cell = s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol];
        if (cell <= 0) cell = kShip;
        const std::string sector = Str(s.ShipSectorRow) + " ," + Str(s.ShipSectorCol);
        if (bumped) PrintOutput(g, T("KVBASIC0227") + sector + T("KVBASIC0228"));
        if (newQuadrant) {
            PrintOutput(g, T("KVBASIC0229") + Str(s.ShipQuadrantRow) + " ," + Str(s.ShipQuadrantCol) +
                               T("KVBASIC0230") + sector);
            s.LRSDone = kFalse;
        } else {
            PrintOutput(g, T("KVBASIC0231") + sector);
        }
    });
    // The reports show where the ship now stands, and the hostiles of a new quadrant, before
    // anything of the arrival asks the player or lets the hostiles act.
    run([&] {
        UpdateGeneralReport(g);
        UpdateZarvoniReport(g);
        UpdateBaseReport(g);
    });

    // A docked ship sits on its base's sector; an order that ends there (too short to leave the
    // sector, or backed off all the way) never took it away from the base: it stays docked.
    const bool stillDocked = s.Docked && s.ShipQuadrantRow == old.qr && s.ShipQuadrantCol == old.qc &&
                             s.ShipSectorRow == old.sr && s.ShipSectorCol == old.sc;

    step = "Shields";
    run([&] {
        if ((newQuadrant || s.Docked) && !stillDocked) {
            if (!s.Docked) std::fill(s.ZarvoniFlags.begin() + 1, s.ZarvoniFlags.end(), Integer{0});
            s.Docked = kFalse;
            const int frequency = s.LibShieldFrequency >= 0 && s.LibShieldFrequency <= 2 ? s.LibShieldFrequency + 1 : 0;
            if (frequency <= 2) {
                // The automatic shields act in the scan that follows.
                s.LibComputerState[3] = 1;
                SRS(g);
            } else {
                const bool danger = s.Galaxy[qr][qc] > 99 ||
                                    (s.ZarvoniBase[1] == qr && s.ZarvoniBase[2] == qc && s.ZarvoniBase[0] == 0);
                if (danger && s.ShieldLevel == 0 && s.SystemDamage[kShields] == 0 &&
                    MessageQuery(g, -1, T("KVBASIC0233"), kYesNo + kQuestion) == kYes)
                    SetShields(g, 1);
            }
        }
        UpdateCondition(g);
    });

    step = "SRS";
    run([&] {
        if (s.LibComputerState[3] == 0)
            SRS(g);
        else
            s.LibComputerState[3] = 0;
    });
    if (!s.GameRunning) return;

    step = "LRS";
    run([&] {
        const bool entered = s.ShipQuadrantRow != old.qr || s.ShipQuadrantCol != old.qc;
        if (s.ComAutoLRS && s.SystemDamage[kLongRangeSensors] < 7.0f && !s.LRSDone && entered &&
            s.SystemDamage[kLongRangeSensors] <= 0) {
            PrintOutput(g, T("COM0001"));
            PassTime(g, 0.05f);
            LRS(g);
            UpdateGalaxyRecord(g);
            if (g.host.IsFormVisible(Form::frmGalaxy)) g.host.ShowForm(Form::frmGalaxy);
        }
    });

    step = "EnterSolarSystem";
    if (s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] == kStar) {
        run([&] { EnterSolarSystem(g); });
        return;
    }

    step = "Welcome/Dock";
    if (stillDocked) {
        run([&] { RefreshAll(g); });
        return;
    }
    const bool zarvoniBaseHere = s.ZarvoniBase[1] == s.ShipQuadrantRow && s.ZarvoniBase[2] == s.ShipQuadrantCol;
    const bool friendlyHere = s.QuadStarbase >= 1 && s.QuadStarbase <= 3;
    if (!friendlyHere && !zarvoniBaseHere) {
        run([&] { RefreshAll(g); });
        return;
    }
    if (s.ShipQuadrantRow != old.qr || s.ShipQuadrantCol != old.qc) {
        run([&] {
            if (friendlyHere) {
                if (s.StarbaseFlags[s.QuadStarbase] == 0) {
                    const std::string text = T("KVBASIC0236") + Str(s.QuadStarbase) + T("KVBASIC0237");
                    if (!g.MessageSuppressed[15]) PrintOutput(g, text);
                    MessageBox(g, 15, text, 0);
                }
            } else {
                if (s.ZarvoniBase[0] != 0) {
                    const std::string text = T("KVBASIC0238") + s.EnemyText + T("KVBASIC0239");
                    PrintOutput(g, text);
                    MessageBox(g, 15, text, 0);
                }
                if (s.ZarvoniBase[5] > 0.25 * s.ZarvoniBaseStrength)
                    MessageIfEnabled(g, 15, s.EnemyText + T("KVBASIC0240") + s.CaptainName + " " + s.ConfigName + "!");
            }
        });
        run([&] { RefreshAll(g); });
        return;
    }

    // A move inside the quadrant that ends beside a starbase the ship may dock at.
    const bool besideFriendly =
        friendlyHere && Adjacent(s.StarbaseSectors[1][s.QuadStarbase], s.StarbaseSectors[2][s.QuadStarbase], s);
    const bool besideCaptured =
        !friendlyHere && s.ZarvoniBase[0] != 0 && Adjacent(s.ZarvoniBase[3], s.ZarvoniBase[4], s);
    if (besideFriendly || besideCaptured) {
        run([&] { SRS(g); });
        if (!s.GameRunning) return;
        if (MessageQuery(g, -1, T("KVBASIC0241"), kYesNo + kQuestion) == kNo) {
            run([&] { RefreshAll(g); });
            return;
        }
        s.MovedFlag = 1;
        if (besideCaptured) s.QuadStarbase = 0;
        run([&] { DockAtStarbase(g); });
    }
    run([&] { RefreshAll(g); });
}

}  // namespace kv
