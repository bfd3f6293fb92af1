#include "support/captain/Invariants.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace kv::test {
namespace {

class Rules {
public:
    std::vector<std::string> out;

    template <typename... Parts>
    void Check(bool ok, const Parts&... parts) {
        if (ok) return;
        std::ostringstream text;
        (text << ... << parts);
        out.push_back(text.str());
    }
};

int CountCells(const GameState& s, Integer code) {
    int n = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) n += s.SectorGrid[r][c] == code;
    return n;
}

bool InQuadrant(const GameState& s, long row, long col) { return row == s.ShipQuadrantRow && col == s.ShipQuadrantCol; }

// The friendly starbase n still stands.
bool StarbaseStands(const GameState& s, int n) { return s.Starbases[3][n] >= 0; }

void GalaxyCodes(const GameState& s, Rules& r) {
    for (int row = 1; row <= 8; ++row) {
        for (int col = 1; col <= 8; ++col) {
            const int code = s.Galaxy[row][col];
            r.Check(code >= 0, "quadrant ", row, ",", col, " code ", code, " is negative");
            if (code < 0) continue;
            r.Check(s.KnownGalaxy[row][col] >= -1, "quadrant ", row, ",", col, " chart entry ",
                    s.KnownGalaxy[row][col]);

            // Star systems: records 1..count in use. A record past the count is left out (an
            // assimilated system's place keeps a stale copy that nothing reads).
            const int stars = code % 10;
            r.Check(stars <= 4, "quadrant ", row, ",", col, " code ", code, ": more than four star systems");
            for (int n = 1; n <= std::min(stars, 4); ++n)
                r.Check(s.StarSystem(row, col, n).InUse(), "quadrant ", row, ",", col, " code ", code,
                        ": star-system record ", n, " free");

            // The friendly starbase of the tens digit stands there.
            const int base = (code / 10) % 10;
            r.Check(base <= 3, "quadrant ", row, ",", col, " code ", code, ": starbase number ", base);
            if (base >= 1 && base <= 3) {
                r.Check(s.Starbases[1][base] == row && s.Starbases[2][base] == col, "quadrant ", row, ",", col,
                        " code ", code, ": starbase ", base, " is recorded in quadrant ", s.Starbases[1][base], ",",
                        s.Starbases[2][base]);
                r.Check(StarbaseStands(s, base), "quadrant ", row, ",", col, " code ", code, ": starbase ", base,
                        " is destroyed");
            }
        }
    }
    // Every standing starbase is in its quadrant's code.
    for (int n = 1; n <= 3; ++n) {
        if (!StarbaseStands(s, n)) continue;
        const long row = s.Starbases[1][n], col = s.Starbases[2][n];
        r.Check(InGalaxy(row, col), "standing starbase ", n, " outside the galaxy");
        if (!InGalaxy(row, col)) continue;
        r.Check((s.Galaxy[row][col] / 10) % 10 == n, "standing starbase ", n, " missing from the code of quadrant ",
                row, ",", col, " (", s.Galaxy[row][col], ")");
        r.Check(s.Starbases[3][n] <= s.MaxStarbaseStrength, "starbase ", n, " strength ", s.Starbases[3][n], " above ",
                s.MaxStarbaseStrength);
    }
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col)
            r.Check(s.CloakedPerQuadrant[row][col] >= 0 && s.CloakedPerQuadrant[row][col] <= 5, "quadrant ", row + 1,
                    ",", col + 1, ": ", s.CloakedPerQuadrant[row][col], " cloaked ships");
}

// The current quadrant's grid and hostile tables, once they describe the ship's quadrant.
void CurrentQuadrant(const GameState& s, Rules& r) {
    if (s.QuadrantChanged) return;
    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    const int code = s.Galaxy[qr][qc];

    // The ship stands on its cell (it may stop on a star; docked, it lies on the base's cell).
    const Integer shipCell = s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol];
    r.Check(shipCell == kShip || shipCell == kStar ||
                (s.Docked != 0 && (shipCell == kStarbase || shipCell == kZarvoniStarbase)),
            "the ship's sector holds ", shipCell, s.Docked ? " (docked)" : "");
    r.Check(CountCells(s, kShip) == (shipCell == kShip ? 1 : 0), CountCells(s, kShip), " ship cells");
    for (int row = 1; row <= 8; ++row)
        for (int col = 1; col <= 8; ++col)
            r.Check(s.SectorGrid[row][col] >= kEmpty && s.SectorGrid[row][col] <= kMorv, "sector ", row, ",", col,
                    " holds ", s.SectorGrid[row][col]);

    // Zarvoni ships: each placed slot on its own cell; the code counts those not yet counted
    // as destroyed.
    r.Check(s.QuadZarvonis >= 0 && s.QuadZarvonis <= 10, "QuadZarvonis ", s.QuadZarvonis);
    int placed = 0, uncounted = 0;
    for (int i = 1; i <= 10; ++i) {
        const int row = s.ZarvoniShips[1][i], col = s.ZarvoniShips[2][i];
        if (row < 1) continue;
        ++placed;
        if (s.ZarvoniFlags[i] == 0) ++uncounted;
        r.Check(i <= s.QuadZarvonis, "Zarvoni slot ", i, " placed above QuadZarvonis ", s.QuadZarvonis);
        r.Check(InGalaxy(row, col) && s.SectorGrid[row][col] == kZarvoni, "Zarvoni slot ", i, " at ", row, ",", col,
                " is not on a Zarvoni cell");
        r.Check(s.ZarvoniEnergy[i] != -1000 && s.ZarvoniEnergy[i] != -1, "Zarvoni slot ", i, " placed with energy ",
                s.ZarvoniEnergy[i]);
    }
    r.Check(CountCells(s, kZarvoni) == placed, CountCells(s, kZarvoni), " Zarvoni cells for ", placed, " placed ships");
    const int inCode = code / 100;
    r.Check(inCode == uncounted || (inCode > 10 && uncounted == 10), "code ", code, " counts ", inCode,
            " Zarvoni ships, the quadrant holds ", uncounted, " not yet counted");

    // Cloaked ships.
    int cloaked = 0;
    for (int i = 1; i <= 5; ++i) {
        const int row = s.CloakedShips[1][i], col = s.CloakedShips[2][i];
        if (row < 1) continue;
        ++cloaked;
        r.Check(InGalaxy(row, col) && s.SectorGrid[row][col] == kCloaked, "cloaked slot ", i, " at ", row, ",", col,
                " is not on a cloaked cell");
        // The drain of passing time may take a ship's energy below 0 (to -1 too, the mark of
        // no ship, which nothing reads as such); a destroyed ship's mark may not stand there.
        r.Check(s.CloakedEnergy[i] != -1000, "cloaked slot ", i, " placed with energy ", s.CloakedEnergy[i]);
    }
    r.Check(CountCells(s, kCloaked) == cloaked, CountCells(s, kCloaked), " cloaked cells for ", cloaked, " ships");
    r.Check(cloaked <= s.CloakedPerQuadrant[qr - 1][qc - 1], cloaked, " cloaked ships, the quadrant counts ",
            s.CloakedPerQuadrant[qr - 1][qc - 1]);

    // The friendly starbase of the code (the docked ship may stand on its cell).
    const int base = (code / 10) % 10;
    r.Check(s.QuadStarbase == base, "QuadStarbase ", s.QuadStarbase, " for code ", code);
    const int baseCells = CountCells(s, kStarbase);
    if (base >= 1 && base <= 3) {
        const int br = s.StarbaseSectors[1][base], bc = s.StarbaseSectors[2][base];
        const bool underShip = br == s.ShipSectorRow && bc == s.ShipSectorCol;
        const Integer cell = InGalaxy(br, bc) ? s.SectorGrid[br][bc] : -1;
        r.Check(cell == kStarbase || (underShip && cell == kShip), "starbase ", base, " sector ", br, ",", bc,
                " holds ", cell);
        r.Check(baseCells == (cell == kStarbase ? 1 : 0), baseCells, " starbase cells");
    } else {
        r.Check(baseCells == 0, baseCells, " starbase cells in a quadrant without a starbase");
    }

    // The Zarvoni starbase and the Morv ship.
    const bool zbaseHere = InQuadrant(s, s.ZarvoniBase[1], s.ZarvoniBase[2]) && s.ZarvoniBase[5] >= 0;
    r.Check(CountCells(s, kZarvoniStarbase) <= (zbaseHere ? 1 : 0), CountCells(s, kZarvoniStarbase),
            " Zarvoni starbase cells");
    if (zbaseHere) {
        const bool underShip = s.ZarvoniBase[3] == s.ShipSectorRow && s.ZarvoniBase[4] == s.ShipSectorCol;
        const Integer cell =
            InGalaxy(s.ZarvoniBase[3], s.ZarvoniBase[4]) ? s.SectorGrid[s.ZarvoniBase[3]][s.ZarvoniBase[4]] : -1;
        r.Check(cell == kZarvoniStarbase || (underShip && cell == kShip), "the Zarvoni starbase's sector ",
                s.ZarvoniBase[3], ",", s.ZarvoniBase[4], " holds ", cell);
    }
    const bool morvHere = s.MorvCountdown == -1 && InQuadrant(s, s.MorvShip[1], s.MorvShip[2]);
    r.Check(CountCells(s, kMorv) == (morvHere ? 1 : 0), CountCells(s, kMorv), " Morv cells");
    if (morvHere)
        r.Check(InGalaxy(s.MorvShip[3], s.MorvShip[4]) && s.SectorGrid[s.MorvShip[3]][s.MorvShip[4]] == kMorv,
                "the Morv ship's sector ", s.MorvShip[3], ",", s.MorvShip[4], " is not its cell");

    // Stars: one cell for each of the quadrant's systems (one may lie under the ship).
    const int stars = std::min(code % 10, 4);
    const int starCells = CountCells(s, kStar);
    r.Check(starCells == stars || (starCells == stars - 1 && shipCell == kShip &&
                                   [&] {
                                       for (int n = 1; n <= stars; ++n) {
                                           const SolarSystemRecord& rec = s.StarSystem(qr, qc, n);
                                           if (rec.SectorRow == s.ShipSectorRow && rec.SectorCol == s.ShipSectorCol)
                                               return true;
                                       }
                                       return false;
                                   }()),
            starCells, " star cells for ", stars, " systems");
}

void Counters(const GameState& s, Rules& r, bool ended = false) {
    struct Count {
        const char* name;
        long value;
    };
    const Count counts[] = {
        {"ZarvonisLeft", s.ZarvonisLeft},
        {"ZarvonisCounted", s.ZarvonisCounted},
        {"InitialZarvonis", s.InitialZarvonis},
        {"FlaggedZarvonis", s.FlaggedZarvonis},
        {"CloakedKilled", s.CloakedKilled},
        {"DockCount", s.DockCount},
        {"StarbasesLost", s.StarbasesLost},
        {"StatCounterF", s.StatCounterF},
        {"StatCounterG", s.StatCounterG},
        {"StatCounterH", s.StatCounterH},
        {"ScoreCounterA", s.ScoreCounterA},
        {"ScoreCounterB", s.ScoreCounterB},
        {"ScoreCounterC", s.ScoreCounterC},
        {"ScoreCounterD", s.ScoreCounterD},
        {"ScoreCounterE", s.ScoreCounterE},
        {"GoalProgress", s.GoalProgress},
        {"GoalSystemsDone", s.GoalSystemsDone},
        {"MissionGoal", s.MissionGoal},
        {"SystemsCount", s.SystemsCount},
        {"ZarvoniBaseShips", s.ZarvoniBaseShips},
        {"MorvStarsTaken", s.MorvStarsTaken},
        {"MorvBasesTaken", s.MorvBasesTaken},
        {"MorvShipsDestroyed", s.MorvShipsDestroyed},
        {"MorvStrength", s.MorvStrength},
        {"Probes", s.Probes},
        {"TorpedoStockClass1", s.TorpedoStockClass1},
        {"TorpedoStockClass2", s.TorpedoStockClass2},
        {"ShieldLevel", s.ShieldLevel},
        {"MaxEnergy", s.MaxEnergy},
        {"RetrofitSlots(1)", s.RetrofitSlots[1]},
    };
    for (const auto& c : counts) {
        // A ship lost to a hit that overflowed its shields leaves the overflow in the shields
        // (the displays are reset right after the final report).
        if (ended && s.ShipLost && std::string(c.name) == "ShieldLevel") continue;
        r.Check(c.value >= 0, c.name, " is ", c.value);
    }
    r.Check(s.ZarvoniBaseShips <= 6, "ZarvoniBaseShips ", s.ZarvoniBaseShips);
    r.Check(s.TorpedoStockClass1 <= s.MaxTorpedoesClass1, "class-1 torpedoes ", s.TorpedoStockClass1, " of ",
            s.MaxTorpedoesClass1);
    r.Check(s.TorpedoStockClass2 <= s.MaxTorpedoesClass2, "class-2 torpedoes ", s.TorpedoStockClass2, " of ",
            s.MaxTorpedoesClass2);
    r.Check(s.Probes <= s.MaxProbes, "probes ", s.Probes, " of ", s.MaxProbes);
    r.Check(s.ShieldLevel <= s.MaxShields, "shields ", s.ShieldLevel, " of ", s.MaxShields);
    r.Check(s.MorvCountdown >= -1, "MorvCountdown ", s.MorvCountdown);
    if (s.MorvCountdown == -1) r.Check(InGalaxy(s.MorvShip[1], s.MorvShip[2]), "the Morv ship is outside the galaxy");
    r.Check(s.TechLevel >= 1 && s.TechLevel <= 9, "TechLevel ", s.TechLevel);
    for (int i = 1; i <= 5; ++i)
        r.Check(s.UpgradeTable[i] >= 1 && s.UpgradeTable[i] <= s.TechLevel, "upgrade ", i, " at level ",
                s.UpgradeTable[i]);
    for (int i = 1; i <= 5; ++i) r.Check(s.RetrofitSlots[i] >= 0, "retrofit slots ", i, " ", s.RetrofitSlots[i]);
}

void Ship(const GameState& s, bool refreshed, Rules& r) {
    r.Check(InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol), "the ship's quadrant ", s.ShipQuadrantRow, ",",
            s.ShipQuadrantCol);
    r.Check(InGalaxy(s.ShipSectorRow, s.ShipSectorCol), "the ship's sector ", s.ShipSectorRow, ",", s.ShipSectorCol);
    for (int k = 1; k <= 8; ++k)
        r.Check(std::isfinite(s.SystemDamage[k]) && s.SystemDamage[k] >= 0, "system ", k, " damage ",
                s.SystemDamage[k]);
    r.Check(s.SystemDamage[kHull] >= 0 && s.SystemDamage[kHull] < 7.0f, "hull damage ", s.SystemDamage[kHull]);
    // Energy below 0 is only carried while working shields cover it.
    if (s.ShipEnergy < 0 && refreshed)
        r.Check(s.SystemDamage[kShields] <= 0 && s.ShieldLevel >= -static_cast<long long>(s.ShipEnergy), "energy ",
                s.ShipEnergy, " not covered by shields ", s.ShieldLevel);
    r.Check(s.Docked == 0 || s.Docked == 1, "Docked ", s.Docked);
    r.Check(std::isfinite(s.TimeLeft) && std::isfinite(s.TimeOffset), "time is not finite");
}

}  // namespace

TimeMark MarkTime(const GameState& s) {
    return {s.TimeLeft, s.TimeOffset, s.ZarvoniBase[5] >= 0, s.ScoreCounterB, s.ScoreCounterD};
}

std::vector<std::string> RunningGameViolations(const GameState& s, bool refreshed) {
    Rules r;
    Ship(s, refreshed, r);
    if (!r.out.empty()) return r.out;  // the rest indexes by the ship's position
    GalaxyCodes(s, r);
    CurrentQuadrant(s, r);
    Counters(s, r);
    return r.out;
}

std::vector<std::string> GalaxyViolations(const GameState& s) {
    Rules r;
    GalaxyCodes(s, r);
    return r.out;
}

std::vector<std::string> TimeViolations(const TimeMark& before, const GameState& after, bool visited) {
    Rules r;
    // Charges are kept to hundredths; rounding to them may lift the value by less than one.
    r.Check(after.TimeLeft <= before.timeLeft + 0.005f, "TimeLeft rose from ", before.timeLeft, " to ", after.TimeLeft);
    const bool cause = (before.zarvoniBaseStanding && after.ZarvoniBase[5] < 0) ||
                       after.ScoreCounterB > before.captures || after.ScoreCounterD > before.treaties || visited;
    if (!cause)
        r.Check(after.TimeOffset <= before.timeOffset, "time given back without a cause: TimeOffset from ",
                before.timeOffset, " to ", after.TimeOffset);
    return r.out;
}

std::vector<std::string> EndedGameViolations(const GameState& s) {
    Rules r;
    r.Check(s.GameRunning == kFalse, "the game still runs");
    Counters(s, r, true);
    r.Check(!s.FinalRating.empty(), "no final report");
    return r.out;
}

}  // namespace kv::test
