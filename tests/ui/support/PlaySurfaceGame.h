#pragma once
// A desktop game in play for the play-surface windows: a running game in quadrant (4, 4), sector
// (4, 4), with 3000 energy and 30 time units, nothing else about, every text reading "<KEY>",
// the game's own pictures and sounds (the sounds are kept by the script, not heard) and no
// pauses.
#include <string>

#include "engine/computer/Displays.h"
#include "ui/support/DesktopGame.h"

namespace kv::test {

struct PlaySurfaceGame : DesktopGame {
    explicit PlaySurfaceGame(Random& r) : DesktopGame(r) {
        GameState& s = st;
        s.NewLine = "\r\n";
        s.PicturesPath = KESTRAVA_BIN_DIR "/PICTURES/";
        s.SoundsPath = KESTRAVA_BIN_DIR "/SOUNDS/";
        s.SoundOn = kTrue;
        s.WaveDevicePresent = 1;
        s.SpeedFactor = 0;
        // The scan reads the pictures the game's path now gives (before the game runs, so that
        // laying it out draws no scan).
        host.Refresh(View::SrsIcons);
        host.Refresh(View::SrsColors);
        s.GameRunning = kTrue;
        s.MissionType = 3;  // no victory ends the game
        s.ShipQuadrantRow = s.ShipQuadrantCol = 4;
        s.ShipSectorRow = s.ShipSectorCol = 4;
        s.TacticalQuadRow = s.TacticalQuadCol = 4;
        s.SectorGrid[4][4] = 1;
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
        s.ComAutoLRS = kFalse;
        for (auto& row : s.KnownGalaxy) row.fill(-1);
        UpdateCommandState(game);
    }
};

}  // namespace kv::test
