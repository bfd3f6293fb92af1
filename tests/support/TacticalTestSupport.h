#pragma once
// Shared pieces of the tactical and ship's-computer tests: a running game (TurnGame) whose
// sound folder holds the sounds a test names, so that they reach the host.
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/TurnTestSupport.h"

namespace kv::test {

// Empty sound files of the given names in the game's sound folder.
inline void AddSounds(TestGame& tg, std::initializer_list<const char*> names) {
    const std::string dir = tg.scratch.Program() + "SOUNDS/";
    std::filesystem::create_directories(dir);
    for (const char* f : names) std::ofstream(dir + f) << "";
    tg.game.st.SoundsPath = dir;
    tg.game.st.SoundOn = kTrue;
    tg.game.st.WaveDevicePresent = 1;
}

// The events of the host's transcript that start with any of the prefixes, in order.
inline std::vector<std::string> EventsOf(const RecordingHost& h, std::initializer_list<const char*> prefixes) {
    std::vector<std::string> out;
    for (const auto& e : h.events)
        for (const char* p : prefixes)
            if (e.rfind(p, 0) == 0) {
                out.push_back(e);
                break;
            }
    return out;
}

}  // namespace kv::test
