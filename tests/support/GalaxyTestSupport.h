#pragma once
// Shared fixtures of the galaxy tests: the test game and an in-memory source of star systems.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/turn/SolarSystems.h"
#include "platform/SettingsStore.h"
#include "state/Game.h"
#include "state/StarSystemSource.h"
#include "support/TestGame.h"

namespace kv::test {

// A game whose language texts read as "<KEY>".
using GalaxyGame = TestGame;

// Star systems from memory: a list read in order and named descriptors that each serve once.
class MemorySystemSource : public StarSystemSource {
public:
    void ListDescriptors(Game&) override {
        for (auto& d : descriptors) d.used = false;
    }
    bool OpenList(Game&, std::string& path) override {
        path = "memory/SOLARSYS.TXT";
        next = 0;
        return canOpen;
    }
    bool ReadSystem(SolarSystemRecord& rec) override {
        if (next >= systems.size()) return false;
        const SolarSystemRecord& src = systems[next++];
        rec.Name = src.Name;
        rec.SystemValue2 = src.SystemValue2;
        rec.PlanetCount = src.PlanetCount;
        for (int p = 0; p < src.PlanetCount && p < 10; ++p) {
            rec.Planets[p] = src.Planets[p];
            rec.Planets[p].PlanetBits = 0;
        }
        ++reads;
        return true;
    }
    void LoadDescriptor(Game&, SolarSystemRecord& rec) override {
        ++loadCalls;
        for (auto& d : descriptors) {
            if (d.used || (!rec.DescriptorName.empty() && d.name != rec.DescriptorName)) continue;
            rec.Name = d.rec.Name;
            rec.SystemValue2 = d.rec.SystemValue2;
            rec.PlanetCount = d.rec.PlanetCount;
            for (int p = 0; p < d.rec.PlanetCount && p < 10; ++p) rec.Planets[p] = d.rec.Planets[p];
            rec.DescriptorName = d.name;
            d.used = true;
            ++loads;
            return;
        }
    }

    // Adds a system to the list (or, with a descriptor name, a descriptor).
    static SolarSystemRecord Make(const std::string& name, int planets, long goalPlanets = 0) {
        SolarSystemRecord r;
        r.SetName(name);
        r.SystemValue2 = 3;
        r.PlanetCount = static_cast<Integer>(planets);
        for (int p = 0; p < planets; ++p) {
            r.Planets[p].PlanetValue1 = static_cast<Integer>(p + 1);
            r.Planets[p].PlanetValue5 = static_cast<Integer>(p % 14 + 1);
            r.Planets[p].PlanetFlag = 99;  // set to 0 by the set-up
            r.Planets[p].PlanetValue4 = p < goalPlanets ? 2 * 16384 : 16384;
        }
        return r;
    }
    void AddSystems(int count) {
        for (int i = 0; i < count; ++i) systems.push_back(Make("Star" + std::to_string(i + 1), i % 5 + 1));
    }
    void AddDescriptor(const std::string& name, SolarSystemRecord rec) {
        descriptors.push_back({name, std::move(rec), false});
    }

    struct Descriptor {
        std::string name;
        SolarSystemRecord rec;
        bool used = false;
    };
    std::vector<SolarSystemRecord> systems;
    std::vector<Descriptor> descriptors;
    size_t next = 0;
    bool canOpen = true;
    int reads = 0, loads = 0, loadCalls = 0;
};

}  // namespace kv::test
