#include "support/captain/HeadlessGame.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "engine/tactical/LongRangeScan.h"
#include "engine/tactical/Tactical.h"
#include "engine/turn/Mission.h"
#include "engine/turn/Placement.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/SolarSystems.h"
#include "engine/turn/Upgrades.h"
#include "platform/Codepage.h"
#include "platform/Profile.h"
#include "state/Numeric.h"
#include "state/Reset.h"
#include "state/ScreenData.h"

#ifndef KESTRAVA_DATA_DIR
#error "KESTRAVA_DATA_DIR names the shipped data folder"
#endif

namespace kv::test {
namespace {

std::string MakeScratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kv-headless-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) return {};
    std::filesystem::create_directories(pattern + "/config");
    std::filesystem::create_directories(pattern + "/saves");
    return pattern + "/";
}

GameFolders Folders(const std::string& data, const std::string& scratch) {
    return {data, scratch.empty() ? std::string() : scratch + "config/",
            scratch.empty() ? std::string() : scratch + "saves/"};
}

// The shipped English texts, read once for every game of the run: the games then look their
// texts up without touching the file (and without sharing its cache between threads).
const std::map<std::string, std::string>& EnglishTexts(const std::string& dataFolder) {
    static const std::map<std::string, std::string> texts = [&] {
        std::map<std::string, std::string> out;
        auto file = LoadProfileFile(dataFolder + "LANGUAGE/English.lng");
        if (!file) return out;
        for (auto [key, text] : file->Entries("Language")) {
            text = text.substr(0, kProfileTextLimit);
            std::replace(text.begin(), text.end(), '\xFF', ' ');
            out.emplace(key, Cp1252ToUtf8(text));
        }
        return out;
    }();
    return texts;
}

}  // namespace

std::string ShippedDataFolder() { return std::string(KESTRAVA_DATA_DIR) + "/"; }

CaptainHost::CaptainHost() {
    // The game windows shown at start, with the command bar.
    for (Form f : {Form::frmSRS, Form::frmOutput, Form::frmStatus, Form::frmGalaxy, Form::frmBars, Form::frmInfo,
                   Form::frmCOM, Form::frmCommands})
        Show(f);
}

HeadlessGame::HeadlessGame(uint32_t seed, const std::string& dataFolder)
    : rng(seed, host.watchdog), scratch_(MakeScratch()), game(rng, settings, host, Folders(dataFolder, scratch_)) {
    game.lang.UseTexts(EnglishTexts(dataFolder));
    st.SoundOn = kFalse;
    st.ConfigName = "Headless";
    LoadArrayConsts(game);
}

HeadlessGame::~HeadlessGame() {
    if (scratch_.empty()) return;
    // Most games leave their folders empty: three removals then, and no listing of them.
    bool removed = true;
    for (const char* sub : {"config", "saves", ""}) removed = ::rmdir((scratch_ + sub).c_str()) == 0 && removed;
    std::error_code ec;
    if (!removed) std::filesystem::remove_all(scratch_, ec);
}

void StartNewGame(Game& g, const GameSetup& setup) {
    GameState& s = g.st;
    s.MissionType = setup.mission;
    s.SkillLevel = setup.skill;
    s.GameLength = setup.length;
    s.UpgradesOn = ToFlag(setup.upgrades);
    s.KeepTech = ToFlag(setup.keepTech);
    SettleTechLevel(s, g.screens.menu.SavedTechLevel);

    ResetGameState(g);
    SetupSolarSystems(g);
    PlaceGalaxyObjects(g);
    s.GameRunning = kTrue;
    s.ScoreEligible = true;
    AdjustMission(g);
    AnnounceUpgrades(g);
    // A start quadrant without hostiles: the shields start down, their energy in the ship.
    if (s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol] < 100) {
        s.ShipEnergy += s.ShieldLevel;
        s.ShieldLevel = 0;
    }
    LRS(g);
    s.NewGamePending = kTrue;
    ReturnFromMenu(g);
    // The first refresh's short-range scan sets up the start quadrant; should it still be
    // stale, it is set up here.
    if (s.QuadrantChanged) MakeTactical(g);
}

}  // namespace kv::test
