#pragma once
// Shared pieces of the weapons' tests: a running game (TurnGame) whose sound folder holds the
// sounds a test names, and the sounds and events of the transcript.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/TurnTestSupport.h"

namespace kv::test {

// Empty sound files of the given names in the game's sound folder, so that they reach the host.
inline void AddSoundFiles(TestGame& tg, std::initializer_list<const char*> names) {
    const std::string dir = tg.scratch.Program() + "SOUNDS/";
    std::filesystem::create_directories(dir);
    for (const char* f : names) std::ofstream(dir + f) << "";
    tg.game.st.SoundsPath = dir;
    tg.game.st.SoundOn = kTrue;
    tg.game.st.WaveDevicePresent = 1;
}

// The events that start with any of the prefixes, in order.
inline std::vector<std::string> EventsAmong(const RecordingHost& h, std::initializer_list<const char*> prefixes) {
    std::vector<std::string> out;
    for (const auto& e : h.events)
        for (const char* p : prefixes)
            if (e.rfind(p, 0) == 0) {
                out.push_back(e);
                break;
            }
    return out;
}

// How many times a sound was played.
inline int Played(const RecordingHost& h, const std::string& file) {
    int n = 0;
    for (const auto& p : h.sounds)
        if (std::filesystem::path(p).filename() == file) ++n;
    return n;
}

}  // namespace kv::test
