#pragma once
// A game context for the turn-engine tests: the recording host answers the turn engine's
// questions about windows from settable fields and records its window requests in order, and
// a folder of empty sound files lets the alarms reach the host.
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "support/TestGame.h"

namespace kv::test {

class TurnHost : public RecordingHost {
public:
    int AskQuestion(const std::string& prompt, long buttons, bool own) override {
        styles.push_back(buttons);
        return RecordingHost::AskQuestion(prompt, buttons, own);
    }
    bool BackgroundScrolling() override { return scrolling; }
    bool IsFormVisible(const std::string& form) override { return visible.count(form) > 0; }
    void ShowForm(const std::string& form) override { events.push_back("show:" + form); }
    void BringToFront(const std::string& form) override { events.push_back("front:" + form); }
    void SetMousePointer(int p) override { events.push_back("pointer:" + std::to_string(p)); }
    void StopExplorationMessages() override { events.push_back("stop:tmrMessage"); }
    void DrawSector(int row, int col, int code) override {
        events.push_back("draw:" + std::to_string(row) + "," + std::to_string(col) + ":" + std::to_string(code));
    }
    void ShowTowIcon(int row, int col) override {
        events.push_back("tow:" + std::to_string(row) + "," + std::to_string(col));
    }
    void ResetSectorPicture(int row, int col) override {
        events.push_back("reset:" + std::to_string(row) + "," + std::to_string(col));
    }
    void DrawFlashRing(int, int, int radius, int colour) override {
        events.push_back("ring:" + std::to_string(radius) + ":" + std::to_string(colour));
    }
    void EndFlash(int, int) override { events.push_back("endflash"); }
    void FocusCommandBar() override { events.push_back("focus:frmCommands"); }
    void RestoreFormsAfterMenu() override { events.push_back("restoreforms"); }
    void RefreshBackground() override { events.push_back("background"); }
    // Records the request, then runs onRefresh (a test's way to act in the middle of a stage).
    void Refresh(const std::string& what) override {
        RecordingHost::Refresh(what);
        if (onRefresh) onRefresh(what);
    }

    bool scrolling = false;
    std::vector<long> styles;
    std::set<std::string> visible;
    std::function<void(const std::string&)> onRefresh;
};

// Events whose text starts with the prefix, in order.
inline std::vector<std::string> EventsStarting(const std::vector<std::string>& events, const std::string& prefix) {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
}

// A TestGame whose host is a TurnHost. The game keeps running in quadrant (4, 4), sector (4, 4),
// with every text reading as its key ("<KEY>") and the sounds of the alarms available.
struct TurnGame {
    explicit TurnGame(Random& r) : rng(r), game(r, settings, host) {
        game.lang.UseTexts({});
        game.lang.SetEchoMissing(true);
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
    ~TurnGame() {
        std::error_code ec;
        if (!soundDir.empty()) std::filesystem::remove_all(soundDir, ec);
    }
    void UseSounds() {
        soundDir = std::filesystem::temp_directory_path() /
                   ("kv_turn_sounds_" + std::to_string(reinterpret_cast<uintptr_t>(this)));
        std::filesystem::create_directories(soundDir);
        for (const char* f : {"RED.WAV", "YELLOW.WAV", "SHIELDDN.WAV"}) std::ofstream(soundDir / f) << "";
        game.st.SoundsPath = soundDir.string() + "/";
        game.st.SoundOn = kTrue;
        game.st.WaveDevicePresent = 1;
    }

    Random& rng;
    MemorySettingsStore settings;
    TurnHost host;
    Game game;
    std::filesystem::path soundDir;
};

// The file name part of each recorded sound path.
inline std::vector<std::string> SoundNames(const RecordingHost& h) {
    std::vector<std::string> out;
    for (const auto& p : h.sounds) out.push_back(std::filesystem::path(p).filename().string());
    return out;
}

}  // namespace kv::test
