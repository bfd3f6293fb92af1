#include "engine/turn/SolarSystems.h"

#include <algorithm>
#include <array>
#include <exception>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "datafiles/SolarSystemFiles.h"
#include "platform/Files.h"
#include "state/Numeric.h"
#include "state/Utilities.h"

namespace kv {

namespace {

constexpr const char* kSource = "KVGAME : SetupSolarSystems";

struct Quad {
    int row = 0, col = 0;
};

// Runs a stretch of the set-up; an unexpected error is reported and the set-up goes on.
template <typename F>
void Guarded(Game& g, const std::string& label, F&& body) {
    kv::Guarded(g, kSource, label, body);
}

// Puts entries 1..count of the list into a random order: a fresh key table of 257 draws (key 0
// is drawn but never used), then an exchange sort by ascending key.
void Shuffle(Game& g, std::vector<Quad>& list, int count) {
    std::array<Single, 257> keys{};
    FillRandom(g, keys);
    for (int i = 2; i <= count; ++i) {
        for (int j = 1; j <= i - 1; ++j) {
            if (keys[j] > keys[i]) {
                SwapVar(keys[i], keys[j]);
                SwapVar(list[i], list[j]);
            }
        }
    }
}

// Removes the last system of a quadrant that was never read: the quadrant's systems stay in
// records 1..count.
void RemoveUnreadSystem(GameState& s, const Quad& q) {
    Integer& code = s.Galaxy[q.row][q.col];
    const int c = QuadStarCount(code);
    if (c < 1) return;
    SolarSystemRecord& last = s.StarSystem(q.row, q.col, c);
    if (last.InUse()) {
        for (int m = 1; m <= c - 1; ++m) {
            SolarSystemRecord& rec = s.StarSystem(q.row, q.col, m);
            if (!rec.InUse()) {
                rec = std::move(last);
                break;
            }
        }
    }
    last = SolarSystemRecord{};
    code = static_cast<Integer>(code - 1);
}

}  // namespace

bool HasGoalPlanet(const SolarSystemRecord& rec) {
    const int count = std::clamp<int>(rec.PlanetCount, 0, 10);
    for (int p = 0; p < count; ++p) {
        const long long v = static_cast<long long>(Int(rec.Planets[p].PlanetValue4 / 16384.0));
        if (v % 4 == 2) return true;
    }
    return false;
}

StarSystemSource& StarSystems(Game& g) {
    if (!g.starSystems) g.starSystems = std::make_unique<FileStarSystemSource>();
    return *g.starSystems;
}

void SetupSolarSystems(Game& g) { SetupSolarSystems(g, StarSystems(g)); }

namespace {

void Setup(Game& g, StarSystemSource& source, std::string& listPath) {
    GameState& s = g.st;
    Guarded(g, listPath, [&] { source.ListDescriptors(g); });

    // Random order of the quadrants.
    std::vector<Quad> list(257);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) list[static_cast<size_t>((r - 1) * 8 + c)] = {r, c};
    Shuffle(g, list, 64);

    // Number of systems, spread over the quadrants in that order, at most four each.
    int planned = CInt((Int(g.RndExact() * 21 - 10) + 100) * static_cast<double>(s.GameLength) / 2);
    planned = std::min(planned, 256);
    s.SystemsCount = static_cast<Integer>(planned);
    int total = 0;
    for (int j = 1; total < planned;) {
        Integer& code = s.Galaxy[list[j].row][list[j].col];
        int n = static_cast<int>(Int(g.RndExact() * 4 + 1));
        if (n + QuadStarCount(code) > 4) n = 4 - QuadStarCount(code);
        code = static_cast<Integer>(code + n);
        total += n;
        j = j % 64 + 1;
    }
    s.SystemsCount = static_cast<Integer>(total);
    s.MissionGoal = static_cast<Integer>(total);

    // One list entry per system, in a random order: the order in which systems are read.
    int k = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            for (int n = 1; n <= QuadStarCount(s.Galaxy[r][c]); ++n) list[static_cast<size_t>(++k)] = {r, c};
    Shuffle(g, list, k);

    bool opened = false;
    Guarded(g, listPath, [&] { opened = source.OpenList(g, listPath); });
    if (!opened) ReportError(g, 53, kSource, listPath);

    int i = 1;
    while (i <= k) {
        const Quad q = list[static_cast<size_t>(i)];
        const int c = QuadStarCount(s.Galaxy[q.row][q.col]);
        const int n = static_cast<int>(Int(g.RndExact() * c + 1));
        SolarSystemRecord& rec = s.StarSystem(q.row, q.col, n);
        // A sector of its own in the quadrant.
        auto shared = [&] {
            for (int m = 1; m <= c; ++m) {
                if (m == n) continue;
                const SolarSystemRecord& other = s.StarSystem(q.row, q.col, m);
                if (other.SectorRow == rec.SectorRow && other.SectorCol == rec.SectorCol) return true;
            }
            return false;
        };
        do {
            rec.SectorRow = CInt(Int(g.Rnd() * 8) + 1);
            rec.SectorCol = CInt(Int(g.Rnd() * 8) + 1);
        } while (shared());
        rec.SystemValue3 = 0;

        // A record that already holds a system keeps it (with its new sector); the entry is
        // drawn again for another record.
        if (rec.InUse()) continue;

        bool read = false;
        Guarded(g, listPath, [&] { read = opened && source.ReadSystem(rec); });
        if (!read) break;
        const int planets = std::clamp<int>(rec.PlanetCount, 0, 10);
        for (int p = 0; p < planets; ++p) {
            rec.Planets[p].PlanetFlag = 0;
            rec.Planets[p].PlanetBits = 0;
        }
        // The descriptor of a named system is the planet count followed by the name; a name
        // with "#" takes any unused descriptor.
        if (rec.Name.find('#') == std::string::npos) {
            std::string name = rec.Name;
            name.erase(name.find_last_not_of(' ') + 1);
            name.erase(0, std::min(name.find_first_not_of(' '), name.size()));
            rec.DescriptorName = CStr(static_cast<long long>(rec.PlanetCount)) + name;
        }
        Guarded(g, listPath, [&] { source.LoadDescriptor(g, rec); });
        const int loaded = std::clamp<int>(rec.PlanetCount, 0, 10);
        for (int p = 0; p < loaded; ++p) {
            rec.Planets[p].PlanetFlag = 0;
            rec.Planets[p].PlanetBits = 0;
        }
        ++i;
    }
    // The list ran out at entry i: the systems of entries i..k are taken away again.
    for (int e = i; e <= k; ++e) RemoveUnreadSystem(s, list[static_cast<size_t>(e)]);

    // Systems with a goal planet.
    s.SpecialSystems = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            for (int n = 1; n <= QuadStarCount(s.Galaxy[r][c]); ++n)
                if (HasGoalPlanet(s.StarSystem(r, c, n))) ++s.SpecialSystems;
}

}  // namespace

void SetupSolarSystems(Game& g, StarSystemSource& source) {
    std::string listPath;
    Guarded(g, listPath, [&] { Setup(g, source, listPath); });
}

}  // namespace kv
