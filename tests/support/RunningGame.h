#pragma once
// The state of a game under way that the tests build on: running in quadrant (4, 4), sector
// (4, 4), with 3000 of 5000 energy and 30 time units, no starbase, hostile ship or cloaked ship
// about, nothing charted, and the systems' and hostiles' names as plain texts.
#include <string>

#include "state/GameState.h"

namespace kv::test {

inline void SetUpRunningGame(GameState& s) {
    s.NewLine = "\r\n";
    s.GameRunning = kTrue;
    s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
    s.ShipSectorRow = s.ShipSectorCol = 4;
    s.TacticalQuadRow = s.TacticalQuadCol = 4;
    s.MaxEnergy = 5000;
    s.ShipEnergy = 3000;
    s.MaxShields = 2000;
    s.TotalTime = s.TimeLeft = 30;
    s.RepairRate = 50;
    s.MaxStarbaseStrength = 50000;
    s.TechLevel = 3;
    for (int j = 0; j <= 3; ++j) s.Starbases[3][j] = -1000;
    s.ZarvoniBase[5] = -1000;
    for (int i = 0; i <= 10; ++i) s.ZarvoniEnergy[i] = -1;
    for (int i = 0; i <= 5; ++i) s.CloakedEnergy[i] = -1;
    for (int i = 1; i <= 8; ++i) s.SystemNames[i] = "SYS" + std::to_string(i);
    s.EnemyText = "Zarvoni";
    s.EnemysText = "Zarvonis";
    for (auto& row : s.KnownGalaxy) row.fill(-1);
}

}  // namespace kv::test
