#pragma once
// A game context for the turn-engine tests: a running game, and a folder of empty sound files
// that lets the alarms reach the host.
#include <filesystem>
#include <fstream>
#include <string>

#include "support/TestGame.h"

namespace kv::test {

// Events whose text starts with the prefix, in order.
inline std::vector<std::string> EventsStarting(const std::vector<std::string>& events, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
}

// A TestGame whose game keeps running in quadrant (4, 4), sector (4, 4), with every text reading
// as its key ("<KEY>") and the sounds of the alarms available.
struct TurnGame : TestGame {
    explicit TurnGame(Random& r) : TestGame(r) {
        GameState& s = game.st;
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
        for (int i = 0; i <= 3; ++i) s.ConditionNames[i] = "COND" + std::to_string(i);
        for (int i = 1; i <= 8; ++i) s.SystemNames[i] = "SYS" + std::to_string(i);
        s.EnemyText = "Zarvoni";
        s.EnemysText = "Zarvonis";
        for (auto& row : s.KnownGalaxy) row.fill(-1);
        UseSounds();
    }
    // Empty sound files of the alarms in the scratch program folder.
    void UseSounds() {
        const std::string dir = scratch.Program() + "SOUNDS/";
        std::filesystem::create_directories(dir);
        for (const char* f : {"RED.WAV", "YELLOW.WAV", "SHIELDDN.WAV"}) std::ofstream(dir + f) << "";
        game.st.SoundsPath = dir;
        game.st.SoundOn = kTrue;
        game.st.WaveDevicePresent = 1;
    }
};

// The file name part of each recorded sound path.
inline std::vector<std::string> SoundNames(const RecordingHost& h) {
    std::vector<std::string> out;
    for (const auto& p : h.sounds) out.push_back(std::filesystem::path(p).filename().string());
    return out;
}

}  // namespace kv::test
