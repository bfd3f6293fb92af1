#pragma once
// A planet of a test star system, field by field.
#include "state/GameState.h"

namespace kv::test {

inline PlanetEntry MakePlanet(Integer orbit, Integer size, Integer moons, Long state, Integer cls) {
    PlanetEntry p;
    p.PlanetValue1 = orbit;
    p.PlanetValue2 = size;
    p.PlanetValue3 = moons;
    p.PlanetValue4 = state;
    p.PlanetValue5 = cls;
    return p;
}

}  // namespace kv::test
