#pragma once
// A game context for the turn-engine tests: a running game, and a folder of empty sound files
// that lets the alarms reach the host.
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "support/RunningGame.h"
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
        SetUpRunningGame(game.st);
        for (int i = 0; i <= 3; ++i) game.st.ConditionNames[i] = "COND" + std::to_string(i);
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

// The draws of the hostiles' walk over the galaxy (row by row) in which nothing moves: per
// quadrant the Zarvoni movers' draw (above the lowest skill level) and the cloaked ships' two,
// or, where a friendly starbase or the captured Zarvoni starbase lies outside the player's
// quadrant, the attack check's one. `blocks` gives the draws of the quadrants it names
// (row * 10 + column) instead, the Zarvoni starbase's own draws included.
inline std::vector<float> QuietWalk(const GameState& s, const std::map<int, std::vector<float>>& blocks = {}) {
    std::vector<float> out;
    for (int qr = 1; qr <= 8; ++qr) {
        for (int qc = 1; qc <= 8; ++qc) {
            if (auto it = blocks.find(qr * 10 + qc); it != blocks.end()) {
                out.insert(out.end(), it->second.begin(), it->second.end());
                continue;
            }
            const int code = s.Galaxy[qr][qc];
            const bool own = qr == s.ShipQuadrantRow && qc == s.ShipQuadrantCol;
            const bool captured = s.ZarvoniBase[0] != 0 && s.ZarvoniBase[1] == qr && s.ZarvoniBase[2] == qc;
            if (!own && code >= 0 && (code % 100 > 9 || captured)) {
                out.push_back(0.9f);  // the attackers miss
                continue;
            }
            if (s.SkillLevel > 1) out.push_back(0.0f);  // no Zarvoni ship moves
            out.insert(out.end(), {0.0f, 0.0f});        // nor does a cloaked one
        }
    }
    return out;
}

// Draw lists joined in order.
inline std::vector<float> Draws(std::initializer_list<std::vector<float>> parts) {
    std::vector<float> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace kv::test
