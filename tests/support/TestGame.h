#pragma once
// The game of a test: in-memory settings, the test's generator, the recording host and a
// scratch folder for the game's folders. Texts default to "<KEY>", so a test sees which key a
// message used.
#include <map>
#include <string>

#include "platform/SettingsStore.h"
#include "state/Game.h"
#include "support/RecordingHost.h"
#include "support/Scratch.h"

namespace kv::test {

struct TestGame {
    explicit TestGame(Random& r) : TestGame(r, GameFolders{}) {}
    // A game whose folders are given (a folder several games of a test share); empty folders
    // are the game's own scratch folders.
    TestGame(Random& r, const GameFolders& folders) : rng(r), game(r, settings, host, Pick(folders)) { UseKeyTexts(); }
    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    // Texts read as "<KEY>", except the ones given.
    void UseKeyTexts(std::map<std::string, std::string> extra = {}) {
        game.lang.UseTexts(std::move(extra));
        game.lang.SetEchoMissing(true);
    }
    // Only the texts given; every other key reads as "".
    void UseTexts(std::map<std::string, std::string> t) {
        game.lang.UseTexts(std::move(t));
        game.lang.SetEchoMissing(false);
    }

private:
    GameFolders Pick(const GameFolders& f) const {
        return f.program.empty() && f.config.empty() && f.savedGames.empty() ? scratch.Folders() : f;
    }

public:
    ScratchFolder scratch;
    MemorySettingsStore settings;
    RecordingHost host;
    Random& rng;
    Game game;
    GameState& st = game.st;
};

}  // namespace kv::test
