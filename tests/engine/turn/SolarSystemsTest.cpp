#include <gtest/gtest.h>

#include <cmath>

#include <set>

#include "engine/turn/SolarSystems.h"
#include "support/GalaxyTestSupport.h"

namespace kv::test {
namespace {

// What every set-up must leave: each quadrant's systems in records 1..count, read and placed on
// sectors of their own, never visited, with clear planet flags; the records above the count empty.
void ExpectSystemsInOrder(const GameState& s) {
    for (int r = 1; r <= 8; ++r) {
        for (int c = 1; c <= 8; ++c) {
            const int count = s.Galaxy[r][c] % 10;
            ASSERT_GE(count, 0);
            ASSERT_LE(count, 4);
            std::set<std::pair<int, int>> sectors;
            for (int n = 1; n <= 4; ++n) {
                const SolarSystemRecord& rec = s.StarSystem(r, c, n);
                SCOPED_TRACE("quadrant " + std::to_string(r) + "," + std::to_string(c) + " system " +
                             std::to_string(n));
                if (n > count) {
                    EXPECT_EQ(rec, SolarSystemRecord{});
                    continue;
                }
                EXPECT_TRUE(rec.InUse());
                EXPECT_GE(rec.SectorRow, 1);
                EXPECT_LE(rec.SectorRow, 8);
                EXPECT_GE(rec.SectorCol, 1);
                EXPECT_LE(rec.SectorCol, 8);
                EXPECT_TRUE(sectors.insert({rec.SectorRow, rec.SectorCol}).second) << "two systems on one sector";
                EXPECT_EQ(rec.SystemValue3, 0);
                for (int p = 0; p < rec.PlanetCount; ++p) {
                    EXPECT_EQ(rec.Planets[p].PlanetFlag, 0);
                    EXPECT_EQ(rec.Planets[p].PlanetBits, 0);
                }
            }
        }
    }
}

int SystemsInGalaxy(const GameState& s) {
    int n = 0;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c) n += s.Galaxy[r][c] % 10;
    return n;
}

// The number of systems by game length (the planned 45..55 per length unit, plus up to 3),
// spread at most four to a quadrant, each read and loaded once.
TEST(GalaxySolarSystems, CountsByGameLength) {
    const int low[4] = {0, 45, 90, 135}, high[4] = {0, 58, 113, 168};
    for (int length = 1; length <= 3; ++length) {
        for (uint32_t seed = 1; seed <= 25; ++seed) {
            SeededRandom rng(seed * 31 + static_cast<uint32_t>(length));
            GalaxyGame gg(rng);
            GameState& s = gg.game.st;
            s.GameLength = static_cast<Integer>(length);
            MemorySystemSource src;
            src.AddSystems(200);

            SetupSolarSystems(gg.game, src);

            SCOPED_TRACE("length " + std::to_string(length) + " seed " + std::to_string(seed));
            EXPECT_TRUE(gg.host.errors.empty());
            EXPECT_GE(s.SystemsCount, low[length]);
            EXPECT_LE(s.SystemsCount, high[length]);
            EXPECT_EQ(SystemsInGalaxy(s), s.SystemsCount);
            EXPECT_EQ(s.MissionGoal, s.SystemsCount);
            EXPECT_EQ(src.reads, s.SystemsCount);
            // A record drawn again keeps its system: each system is loaded once.
            EXPECT_EQ(src.loadCalls, s.SystemsCount);
            ExpectSystemsInOrder(s);
        }
    }
}

// Every draw of the set-up in its order: the quadrant keys, the number of systems, the spread,
// the system keys, then per system its record number and its sector (drawn again on a taken
// sector; a record that already holds a system gets a new sector and the system is drawn again).
// The largest draw below 1 picks the quadrant's last record, never one beyond its count.
TEST(GalaxySolarSystems, DrawsInTheirOrderFromAScript) {
    const float top = std::nextafter(1.0f, 0.0f);
    auto at = [](int v) { return (v - 1) / 8.0f + 0.01f; };  // Int(Rnd * 8) + 1 = v
    ScriptedRandom rng;
    rng.Push(257, 0.5f);  // equal keys: the quadrants stay in row order
    rng.Push(0.0f);       // (-10 + 100) x 1 / 2 = 45 systems
    for (float r : {0.0f, 0.25f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f, 0.99f, 0.25f})
        rng.Push(r);                                   // 1, 2, then 4 each over ten quadrants, then 2: 45
    rng.Push(257, 0.5f);                               // the systems stay in row order too
    for (float r : {top,  at(3), at(3),                // (1, 1) of 1: record 1 takes A
                    top,  at(2), at(2),                // (1, 2) of 2: record 2 takes B
                    top,  at(5), at(5),                // record 2 again: a new sector only
                    0.0f, at(5), at(5), at(6), at(7),  // record 1, on B's sector, then C
                    top,  at(8), at(8),                // (1, 3) of 4: record 4 takes D
                    0.0f, at(1), at(1)})               // the list has run out
        rng.Push(r);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.GameLength = 1;
    MemorySystemSource src;
    for (const char* name : {"A", "B", "C", "D"}) src.systems.push_back(MemorySystemSource::Make(name, 2));

    SetupSolarSystems(gg.game, src);

    EXPECT_TRUE(gg.host.errors.empty());
    EXPECT_EQ(rng.Remaining(), 0u);
    EXPECT_EQ(s.SystemsCount, 45);
    EXPECT_EQ(SystemsInGalaxy(s), 4);
    EXPECT_EQ(s.Galaxy[1][1], 1);
    EXPECT_EQ(s.Galaxy[1][2], 2);
    EXPECT_EQ(s.Galaxy[1][3], 1);  // D moved down into record 1
    ExpectSystemsInOrder(s);
    struct Want {
        int col, n;
        const char* name;
        int row, sectorCol;
    };
    for (const Want& w : {Want{1, 1, "A", 3, 3}, Want{2, 1, "C", 6, 7}, Want{2, 2, "B", 5, 5}, Want{3, 1, "D", 8, 8}}) {
        const SolarSystemRecord& rec = s.StarSystem(1, w.col, w.n);
        EXPECT_EQ(rec.Name.substr(0, 1), w.name) << w.col << "," << w.n;
        EXPECT_EQ(rec.DescriptorName, std::string("2") + w.name);
        EXPECT_EQ(rec.SectorRow, w.row) << w.name;
        EXPECT_EQ(rec.SectorCol, w.sectorCol) << w.name;
    }
}

// A named system takes the descriptor "<planets><name>"; a name with "#" takes any unused
// descriptor, and keeps the list's data when none is left.
TEST(GalaxySolarSystems, DescriptorsByNameAndByHash) {
    SeededRandom rng(5);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.GameLength = 1;
    MemorySystemSource src;
    src.systems.push_back(MemorySystemSource::Make("Vega", 4));
    src.systems.push_back(MemorySystemSource::Make("Lorn", 2));
    src.systems.push_back(MemorySystemSource::Make("Nova#1", 3));
    src.systems.push_back(MemorySystemSource::Make("Nova#2", 5));
    src.AddDescriptor("4Vega", MemorySystemSource::Make("Vega Prime", 6));
    src.AddDescriptor("Wanderer", MemorySystemSource::Make("Wanderer", 1));

    SetupSolarSystems(gg.game, src);

    EXPECT_EQ(SystemsInGalaxy(s), 4);  // the list ran out after four
    ExpectSystemsInOrder(s);
    std::map<std::string, const SolarSystemRecord*> byName;
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            for (int n = 1; n <= s.Galaxy[r][c] % 10; ++n) {
                const SolarSystemRecord& rec = s.StarSystem(r, c, n);
                std::string name = rec.Name.substr(0, rec.Name.find_last_not_of(' ') + 1);
                byName[name] = &rec;
            }
    ASSERT_EQ(byName.size(), 4u);
    ASSERT_TRUE(byName.count("Vega Prime"));
    EXPECT_EQ(byName["Vega Prime"]->DescriptorName, "4Vega");
    EXPECT_EQ(byName["Vega Prime"]->PlanetCount, 6);
    ASSERT_TRUE(byName.count("Lorn"));
    EXPECT_EQ(byName["Lorn"]->DescriptorName, "2Lorn");
    EXPECT_EQ(byName["Lorn"]->PlanetCount, 2);
    ASSERT_TRUE(byName.count("Wanderer"));
    EXPECT_EQ(byName["Wanderer"]->DescriptorName, "Wanderer");
    // The other "#" system found no descriptor left.
    const bool first = byName.count("Nova#1") != 0;
    const SolarSystemRecord* rest = first ? byName["Nova#1"] : byName["Nova#2"];
    ASSERT_NE(rest, nullptr);
    EXPECT_EQ(rest->DescriptorName, "");
    EXPECT_EQ(rest->PlanetCount, first ? 3 : 5);
    EXPECT_EQ(src.loads, 2);
}

// A list shorter than the galaxy: the systems read stay, the others are taken away again.
TEST(GalaxySolarSystems, AShortListLeavesOnlyTheSystemsRead) {
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        SeededRandom rng(seed);
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.GameLength = 2;
        MemorySystemSource src;
        src.AddSystems(10);

        SetupSolarSystems(gg.game, src);

        SCOPED_TRACE(seed);
        EXPECT_EQ(SystemsInGalaxy(s), 10);
        EXPECT_GE(s.SystemsCount, 90);  // the number distributed is kept
        ExpectSystemsInOrder(s);
        EXPECT_TRUE(gg.host.errors.empty());
    }
}

TEST(GalaxySolarSystems, AMissingListIsReportedAndLeavesNoSystems) {
    SeededRandom rng(3);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.GameLength = 1;
    MemorySystemSource src;
    src.AddSystems(100);
    src.canOpen = false;

    gg.host.ExpectErrors(1);
    SetupSolarSystems(gg.game, src);

    ASSERT_EQ(gg.host.errors.size(), 1u);
    EXPECT_NE(gg.host.errors[0].find("KVGAME : SetupSolarSystems"), std::string::npos);
    EXPECT_NE(gg.host.errors[0].find("memory/SOLARSYS.TXT"), std::string::npos);
    EXPECT_EQ(SystemsInGalaxy(s), 0);
    EXPECT_GE(s.SystemsCount, 45);
    EXPECT_EQ(s.SpecialSystems, 0);
    ExpectSystemsInOrder(s);
}

TEST(GalaxySolarSystems, SpecialSystemsCountsEachGoalSystemOnce) {
    SeededRandom rng(11);
    GalaxyGame gg(rng);
    GameState& s = gg.game.st;
    s.GameLength = 1;
    MemorySystemSource src;
    src.systems.push_back(MemorySystemSource::Make("Twofold", 4, 2));  // two goal planets
    src.systems.push_back(MemorySystemSource::Make("Single", 3, 1));
    src.systems.push_back(MemorySystemSource::Make("Barren", 3, 0));
    SolarSystemRecord odd = MemorySystemSource::Make("Odd", 2, 0);
    odd.Planets[1].PlanetValue4 = 6 * 16384 + 100;  // 6 Mod 4 = 2
    src.systems.push_back(odd);
    SolarSystemRecord hidden = MemorySystemSource::Make("Hidden", 1, 0);
    hidden.Planets[3].PlanetValue4 = 2 * 16384;  // beyond the planet count
    src.systems.push_back(hidden);

    SetupSolarSystems(gg.game, src);

    EXPECT_EQ(SystemsInGalaxy(s), 5);
    EXPECT_EQ(s.SpecialSystems, 3);
}

TEST(GalaxySolarSystems, GoalPlanetCode) {
    SolarSystemRecord r = MemorySystemSource::Make("X", 2, 0);
    EXPECT_FALSE(HasGoalPlanet(r));
    r.Planets[1].PlanetValue4 = 2 * 16384 + 16383;
    EXPECT_TRUE(HasGoalPlanet(r));
    r.Planets[1].PlanetValue4 = 3 * 16384;
    EXPECT_FALSE(HasGoalPlanet(r));
    r.Planets[1].PlanetValue4 = -2 * 16384;  // Mod keeps the sign: -2
    EXPECT_FALSE(HasGoalPlanet(r));
}

}  // namespace
}  // namespace kv::test

namespace kv::test {
namespace {

// The shipped star-system list and descriptors fill the longest game.
TEST(GalaxySolarSystems, TheShippedDataFillsALongGame) {
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        SeededRandom rng(seed);
        GalaxyGame gg(rng);
        GameState& s = gg.game.st;
        s.GameLength = 3;
        s.AppPath = std::string(KESTRAVA_DATA_DIR) + "/";
        s.SSDescriptorPath = s.AppPath + "SSDescriptor/";

        SetupSolarSystems(gg.game);

        SCOPED_TRACE(seed);
        EXPECT_TRUE(gg.host.errors.empty());
        EXPECT_EQ(SystemsInGalaxy(s), s.SystemsCount);
        ExpectSystemsInOrder(s);
        // Systems whose descriptor ships with the game are loaded from it.
        int fromDescriptors = 0;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                for (int n = 1; n <= s.Galaxy[r][c] % 10; ++n) {
                    const SolarSystemRecord& rec = s.StarSystem(r, c, n);
                    EXPECT_LE(rec.PlanetCount, 10);
                    if (rec.DescriptorName == "3Varnhollow" || rec.DescriptorName == "4Ombrelis" ||
                        rec.DescriptorName == "2Quillax")
                        ++fromDescriptors;
                }
        EXPECT_GE(fromDescriptors, 1);
    }
}

}  // namespace
}  // namespace kv::test
