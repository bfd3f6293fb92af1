#include "engine/tactical/Tactical.h"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>

#include "engine/tactical/HostileCells.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr const char* kSource = "KVBASIC : MakeTactical";

// A random sector coordinate 1..8.
Integer RandomSector(Game& g) { return static_cast<Integer>(Int(g.RndExact() * 8 + 1)); }

// The sector cell (row, col) of the grid; rows and columns outside 0..8 raise an error that the
// guard reports.
Integer& Cell(GameState& s, long r, long c) {
    if (r < 0 || r > 8 || c < 0 || c > 8) throw std::out_of_range("sector outside the quadrant");
    return s.SectorGrid[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

// Runs one stage; an unexpected error is reported with the stage's label and the set-up goes
// on with the next stage.
template <typename F>
void Stage(Game& g, const char* label, F&& body) {
    Guarded(g, kSource, label, body);
}

// Whether ships met now start weakened: the Zarvoni starbase is destroyed or captured.
bool HostilesWeakened(const GameState& s) { return s.ZarvoniBaseDestroyed != 0 || s.ZarvoniBase[0] != 0; }

// Puts an object's code on its stored sector, or, while that cell is taken, on a freshly drawn
// free sector that is stored with it. The draws are bounded (a crowded quadrant or a stuck
// generator takes the first free sector); in a full quadrant the object stays off the grid.
template <typename T>
void PlaceOnFreeSector(Game& g, T& row, T& col, Integer code) {
    if (Cell(g.st, row, col) != kEmpty) {
        int r = static_cast<int>(row), c = static_cast<int>(col);
        if (!FindFreeSector(g, r, c)) return;
        row = static_cast<T>(r);
        col = static_cast<T>(c);
    }
    Cell(g.st, row, col) = code;
}

}  // namespace

void MakeTactical(Game& g) {
    GameState& s = g.st;
    const int qr = s.ShipQuadrantRow, qc = s.ShipQuadrantCol;
    auto cloakedHere = [&]() -> int {
        if (qr < 1 || qr > 8 || qc < 1 || qc > 8) throw std::out_of_range("ship outside the galaxy");
        // The table holds at most 5 cloaked ships per quadrant.
        return std::min<int>(s.CloakedPerQuadrant[qr - 1][qc - 1], 5);
    };

    Stage(g, "Start", [&] {
        s.SectorGrid = {};
        s.PrevQuadRow = s.TacticalQuadRow;
        s.PrevQuadCol = s.TacticalQuadCol;
    });
    Stage(g, "Enemy", [&] {
        for (int i = 1; i <= 10; ++i) {
            s.ZarvoniEnergy[i] = -1;
            s.ZarvoniShips[1][i] = 0;
            s.ZarvoniShips[2][i] = 0;
            // A flag says that the slot's ship was counted as destroyed; a ship of the new
            // quadrant has not been, and must count when it falls.
            s.ZarvoniFlags[i] = 0;
        }
    });
    Stage(g, "Cloak", [&] {
        for (int i = 1; i <= 5; ++i) {
            s.CloakedEnergy[i] = -1;
            s.CloakedShips[1][i] = 0;
            s.CloakedShips[2][i] = 0;
        }
    });
    Stage(g, "Init", [&] {
        if (qr < 0 || qr > 8 || qc < 0 || qc > 8) throw std::out_of_range("ship outside the galaxy");
        const long c = s.Galaxy[qr][qc];
        const long z = static_cast<long>(Int(c / 100.0));
        const long b = static_cast<long>(Int(c / 10.0)) - 10 * z;
        s.QuadZarvonis = Clamp16(z);
        s.QuadStarbase = Clamp16(b);
        s.QuadStars = Clamp16(c - 100 * z - 10 * b);
    });
    // The slot tables hold at most 10 Zarvoni ships.
    const int zarvonis = std::min<int>(s.QuadZarvonis, 10);
    Stage(g, "InitZ", [&] {
        for (int i = 1; i <= zarvonis; ++i) {
            s.ZarvoniEnergy[i] = 100;
            // One draw for every ship, whether or not ships can start weakened.
            const double weak = g.RndExact();
            if (HostilesWeakened(s) && weak > 0.3) {
                s.ZarvoniEnergy[i] = static_cast<Integer>(Int(g.RndExact() * 40 + 40));
            }
            s.ZarvoniShips[1][i] = RandomSector(g);
            s.ZarvoniShips[2][i] = RandomSector(g);
        }
    });
    Stage(g, "InitC", [&] {
        const int n = cloakedHere();
        for (int i = 1; i <= n; ++i) {
            s.CloakedEnergy[i] = 100;
            const double weak = g.RndExact();
            if (HostilesWeakened(s) && weak > 0.5) {
                s.CloakedEnergy[i] = static_cast<Integer>(Int(g.RndExact() * 40 + 40));
            }
            s.CloakedShips[1][i] = RandomSector(g);
            s.CloakedShips[2][i] = RandomSector(g);
        }
    });
    Stage(g, "InitS", [&] {
        if (s.QuadStarbase != 0) {
            if (s.QuadStarbase < 0 || s.QuadStarbase > 3) throw std::out_of_range("starbase number");
            s.StarbaseSectors[1][s.QuadStarbase] = RandomSector(g);
            s.StarbaseSectors[2][s.QuadStarbase] = RandomSector(g);
        }
    });
    Stage(g, "Quad", [&] {
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) s.SectorGrid[r][c] = kEmpty;
        Cell(s, s.ShipSectorRow, s.ShipSectorCol) = kShip;
    });
    Stage(g, "Stars", [&] {
        // A quadrant holds at most four star systems; a star is written whatever the cell holds.
        for (int n = 1; n <= std::min<int>(s.QuadStars, 4); ++n) {
            const SolarSystemRecord& rec = s.StarSystem(qr, qc, n);
            if (rec.SectorRow >= 1) Cell(s, rec.SectorRow, rec.SectorCol) = kStar;
        }
    });
    Stage(g, "Starbases", [&] {
        if (s.QuadStarbase != 0) {
            if (s.QuadStarbase < 0 || s.QuadStarbase > 3) throw std::out_of_range("starbase number");
            Integer& r = s.StarbaseSectors[1][s.QuadStarbase];
            Integer& c = s.StarbaseSectors[2][s.QuadStarbase];
            if (r >= 1) PlaceOnFreeSector(g, r, c, kStarbase);
        }
    });
    Stage(g, "ZStarbase", [&] {
        if (s.ZarvoniBase[1] == qr && s.ZarvoniBase[2] == qc && s.ZarvoniBase[1] >= 1 && s.ZarvoniBase[3] >= 1)
            PlaceOnFreeSector(g, s.ZarvoniBase[3], s.ZarvoniBase[4], kZarvoniStarbase);
    });
    Stage(g, "MV", [&] {
        if (s.MorvShip[1] == qr && s.MorvShip[2] == qc && s.MorvShip[1] >= 1 && s.MorvShip[3] >= 1)
            PlaceOnFreeSector(g, s.MorvShip[3], s.MorvShip[4], kMorv);
    });
    Stage(g, "QuadZ", [&] {
        for (int i = 1; i <= zarvonis; ++i) {
            if (s.ZarvoniShips[1][i] >= 1) PlaceOnFreeSector(g, s.ZarvoniShips[1][i], s.ZarvoniShips[2][i], kZarvoni);
        }
    });
    Stage(g, "QuadC", [&] {
        const int n = cloakedHere();
        for (int i = 1; i <= n; ++i) {
            if (s.CloakedShips[1][i] > 0) PlaceOnFreeSector(g, s.CloakedShips[1][i], s.CloakedShips[2][i], kCloaked);
        }
    });
    s.QuadrantChanged = kFalse;
}

}  // namespace kv
