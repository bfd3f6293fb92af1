#pragma once
// A game for the main menu's tests: the shipped star systems and aliens (so that a new galaxy
// can be built), scratch configuration and saved-games folders, a seeded generator and texts
// that read as their keys.
#include "state/Reset.h"
#include "state/ScreenData.h"
#include "support/TestGame.h"

namespace kv::test {

struct MenuGame {
    explicit MenuGame(uint32_t seed = 7) : rng(seed), tg(rng, Folders(scratch)) {
        LoadArrayConsts(tg.game);
        tg.st.ConfigName = "Ann";
        tg.game.screens.menu.txtName = "Ann";
    }
    static GameFolders Folders(const ScratchFolder& s) {
        return {std::string(KESTRAVA_DATA_DIR) + "/", s.Config(), s.Saves()};
    }
    ScratchFolder scratch;  // the configuration and saved-games folders
    SeededRandom rng;
    TestGame tg;
    Game& g = tg.game;
    GameState& st = tg.game.st;
    RecordingHost& host = tg.host;
    MainMenuData& menu = tg.game.screens.menu;
};

}  // namespace kv::test
