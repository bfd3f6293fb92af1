#pragma once
// The state of the main menu, the new-game and file dialogs, the options dialog, the computer
// panel and the final report window, kept as plain data: the core's handlers of those windows
// (screens/main/, screens/dialogs/) read and write it, and each window shows it and forwards
// its events. Not saved.
#include <array>
#include <string>
#include <vector>

#include "state/GameState.h"
#include "state/Port.h"

namespace kv {

// A scroll bar's range, position and state.
struct ScrollBarState {
    Integer Min = 1, Max = 10, LargeChange = 1, Value = 10;
    bool Enabled = true, Visible = true;
};

// The main menu frmMenu: the new-game panel, the menu items' states, the timed save, the
// bonus and break animation and debug mode.
struct MainMenuData {
    // The new-game panel. The skill bar runs inverted (skill = 11 - value), as does the length
    // bar (length = Max + 1 - value).
    ScrollBarState vsbSkill{1, 10, 3, 10};
    ScrollBarState vsbLength{1, 3, 1, 3};
    std::string lblSkillLevel, lblGameLength;
    std::string txtName;  // the player's name (the names of the stored configurations are its list)
    bool txtNameEnabled = true;
    Integer cboMissionType = 0;  // list index 0..3, -1 none chosen
    bool cboMissionTypeEnabled = true;
    Integer chkUpgrades = 1;
    bool chkUpgradesEnabled = true;
    std::string lblMaxUp = "3";  // the technology level spinner, 1..9
    std::string cmdNewCloseCaption;
    bool mnuGSaveEnabled = false, mnuGEndMissionEnabled = false, mnuGOptionsEnabled = true;

    // The timed save: the seconds to the next save (0 before the first tick) and its bar, whose
    // width in twips grows to 1890 as the save comes near.
    Integer TimedSaveCountdown = 0;
    bool pnlTimedSaveVisible = false;
    Long shpTimeWidth = 0;

    // The bonus and the break of the skill bar: the hand picture (its left edge in twips), the
    // broken-bar picture, the animation's phase (0 the hand moves, -1 the bar falls) and the
    // break timer's interval in milliseconds.
    bool picHandVisible = false, picBrokenVisible = false;
    Long picHandLeft = 2100;
    Integer BreakState = 0;
    Integer tmrBreakInterval = 100;

    // Debug mode: the hidden code box (it shows a "*" per character typed), the code typed so
    // far, the debug panel and its check boxes.
    bool txtPassWordVisible = false;
    std::string txtPassWord, TypedCode;
    bool pnlDebugVisible = false;
    Integer chkCapAll = 0, chkLengthInc = 0, chkShowCloak = 0, chkShowStars = 0, chkUpAll = 0;

    // The technology level of a game started with upgrades off (0 none).
    Integer SavedTechLevel = 0;
};

// The new-game difficulty dialog frmDifficulty, used while a game runs.
struct DifficultyData {
    ScrollBarState vsbSkill{1, 10, 3, 10};
    ScrollBarState vsbLength{1, 3, 1, 3};
    std::string lblSkillLevel, lblGameLength;
    std::string txtName;
    Integer cboMissionType = 0;
    Integer chkUpgrades = 1;
};

// One saved game of the saved-games folder as the file dialog lists it.
struct SavedGameEntry {
    std::string Name;      // the file name with its extension
    std::string DateTime;  // its date, a blank and its time ("2024-05-01 13:45")
};

// The saved-game file dialog frmFile.
struct FileDialogData {
    FileDialogMode Mode = FileDialogMode::Load;
    Integer ListColour = 8;  // the list's text colour: 8 grey while loading, 0 black while saving
    std::string Pattern = "*.KVW;*.KVA";
    std::string cmdOKCaption;
    bool cmdOKEnabled = false;
    std::vector<SavedGameEntry> Entries;  // flstSave, sorted by name
    int Selected = -1;
    std::string txtFile, lblDate, lblTime;
};

// The options dialog's own controls (the settings it edits are Game::options).
struct OptionsDialogData {
    std::string cmdAllCaption;
    std::string cmdAllTag = "0";  // "0": the next click clears every message box; else checks them
    bool cmdInfoEnabled = false;
    std::string cmdInfoTag;         // the picture's description file
    bool txtCustomEnabled = false;  // txtCustom and spnWidth, for the custom command-bar layout
    std::array<bool, 4> optSRSPicEnabled{true, true, true, true};
    bool chkSoundEnabled = true;
    std::string HelpFile;  // the help page the help items open
};

// The computer panel frmCOM: the pulse of the automatic target calculator's lamp.
struct ComputerPanelData {
    Integer LampCounter = 0;
    Long LampColour = 0x7F00;  // 0xBBGGRR
};

// The final report window's own controls.
struct FinalReportWindowData {
    std::string cmdMorvReportCaption;
    bool LogMenuItemsVisible = false;  // the message log's Print and Save items
};

struct ScreenData {
    MainMenuData menu;
    DifficultyData difficulty;
    FileDialogData file;
    OptionsDialogData options;
    ComputerPanelData computer;
    FinalReportWindowData finalReport;
    // The caption of the minimised-state window (the ship's name and the player's).
    std::string MinimizeCaption;
    // The control a handler gave the focus to ("txtName", "cboMissionType" ...), for the window
    // that shows it; the window clears it once it has moved the focus.
    std::string Focus;
};

}  // namespace kv
