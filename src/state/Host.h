#pragma once
// The engine's port to the windows. The engine never includes a window: whatever it asks of
// the player or the screen goes through this interface. The Qt side shows real windows (and
// runs a nested event loop where a call must block); tests answer from a script at once.
// Every method has a harmless default, so a host only overrides what it shows.
#include <string>

namespace kv {

// Button codes of a question's answer.
enum MsgResult : int { kOK = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7 };
// Button styles (the platform's message-box numbering).
enum MsgStyle : long {
    kOKOnly = 0, kOKCancel = 1, kAbortRetryIgnore = 2, kYesNoCancel = 3, kYesNo = 4,
    kRetryCancel = 5, kCritical = 16, kQuestion = 32, kExclamation = 48, kInformation = 64,
    kSystemModal = 4096
};

// Galaxy chart label colours: the system colours button face (cleared) and 3-D highlight
// (scanned), or a palette colour 0..15.
inline constexpr long kChartCleared = 0x8000000FL;
inline constexpr long kChartScanned = 0x80000014L;
inline constexpr long kChartRed = 4;

class GameHost {
public:
    virtual ~GameHost() = default;

    // ---- Words to the player --------------------------------------------------------------
    // Appends lines to the message log (the text is already split at NewLine).
    virtual void AppendOutputLine(const std::string& /*line*/) {}
    // Shows a notice and waits until the player closes it. `ownDialog` picks the game's own
    // message window over the platform's box.
    virtual void ShowNotice(const std::string& /*text*/, long /*buttons*/, bool /*ownDialog*/) {}
    // Asks a question and returns the button chosen (MsgResult).
    virtual int AskQuestion(const std::string& /*prompt*/, long /*buttons*/, bool /*ownDialog*/) {
        return kOK;
    }
    // Shows (or, with an empty text, hides) the small note window that does not wait;
    // false when it could not be shown.
    virtual bool ShowNote(const std::string& /*text*/) { return true; }
    // Adds a line to the scrolling background window; "RESET" clears it.
    virtual void AddBackgroundLine(const std::string& /*text*/) {}

    // ---- Sound, waiting, pointer ------------------------------------------------------------
    // Plays a sound file (full path); flags 16 = play to the end without cutting a running sound.
    virtual void PlaySoundFile(const std::string& /*path*/, int /*flags*/) {}
    // Waits the given seconds on a monotonic clock while window events go on.
    virtual void Wait(double /*seconds*/) {}
    virtual void CenterMouse() {}

    // ---- Errors and windows ------------------------------------------------------------------
    // Shows the run-time error report and returns the button chosen (kAbort, kRetry, kIgnore).
    virtual int ShowErrorReport(const std::string& /*text*/) { return kIgnore; }
    // Enables or disables every game window and sets the busy pointer.
    virtual void SetFormsEnabled(bool /*enabled*/) {}

    // ---- Requests of the turn engine (redraws, lamps, dialogs) --------------------------
    // Named requests for a window to show new state; the engine's data says what to show.
    virtual void Refresh(const std::string& /*what*/) {}

    // ---- Saved games, temporary saves and option settings ---------------------------------
    // The info window's starbase line shows a progress text while a game is saved or loaded
    // or a temporary save is restored (`showWindow` shows the info window first); an empty
    // text puts the caption it had before back. The window is repainted at once.
    virtual void ShowInfoProgress(const std::string& /*text*/, bool /*showWindow*/) {}
    // Empties the message log (a loaded game's log replaces it).
    virtual void ClearOutputLog() {}
    // The screen's size in twips; window positions from the settings are kept on it.
    virtual void ScreenSizeTwips(long& width, long& height) {
        width = 1024L * 15;
        height = 768L * 15;
    }
    // Loads the background picture into the background window; false when the file is not a
    // readable picture.
    virtual bool LoadBackgroundPicture(const std::string& /*path*/) { return true; }
    // The background window shows only the colour (no picture); or it is hidden with no
    // picture.
    virtual void SetBackgroundColor(long /*color*/) {}
    virtual void HideBackground() {}
    // True while the background window is visible or asked to hide ("HIDE" pending).
    virtual bool BackgroundActive() { return false; }
    // The option data (Game::options) and the option globals are shown through named
    // requests: Refresh("CommandBar") arranges the command bar with options.CommandBarColumns,
    // "WindowPositions" moves windows 1..15 to options.Window, "OutputFont" gives the message
    // log its font and colours, "SrsIcons" / "SrsColors" reload the short-range-scan pictures
    // and colours, "LibOptions" the library options, "ReskinBackground" / "ApplyBackground"
    // redo the background, "Options" refills the options window's controls.

    // ---- End-of-action refresh, alert condition, status lamps and the warp sequence -------
    // The data shown (lamp colours, condition box, starbase line, timers' switches) stands in
    // the game state; Refresh("Lamp"), Refresh("Condition"), Refresh("StarbaseLine"),
    // Refresh("Timers") ask the windows to show it again.
    // True while the background window's scrolling text runs (the refresh then waits).
    virtual bool BackgroundScrolling() { return false; }
    // Whether a game window is visible ("frmSSControl" the exploration console, "frmCommands").
    virtual bool IsFormVisible(const std::string& /*form*/) { return false; }
    // Shows a window again, which activates it and gives it the focus ("frmCommands").
    virtual void ShowForm(const std::string& /*form*/) {}
    // Brings a window to the front of the window order ("frmBars", "frmInfo").
    virtual void BringToFront(const std::string& /*form*/) {}
    // Sets the screen's mouse pointer: 0 default, 11 hourglass.
    virtual void SetMousePointer(int /*pointer*/) {}
    // Stops the exploration console's message timer (the console is closed).
    virtual void StopExplorationMessages() {}
    // After the main menu: every game window except the menu gets the visibility saved in
    // FormVisible, the report windows follow the options' report check boxes.
    virtual void RestoreFormsAfterMenu() {}
    // Applies the background window's pending hide or show request.
    virtual void RefreshBackground() {}
    // The explosion flash on the short-range scan: a sector cell's size in pixels; one ring of
    // the given radius (pixels) and palette colour over the cell (its picture hidden, only
    // this ring shown); then the end of the flash (drawing cleared, cell picture shown again).
    virtual int SectorCellPixels() { return 32; }
    virtual void DrawFlashRing(int /*row*/, int /*col*/, int /*radius*/, int /*colour*/) {}
    virtual void EndFlash(int /*row*/, int /*col*/) {}
    // The warp tow: the tow icon shown in a sector cell, and a cell's own picture restored.
    virtual void ShowTowIcon(int /*row*/, int /*col*/) {}
    virtual void ResetSectorPicture(int /*row*/, int /*col*/) {}
    // Gives the focus to the first control of the command bar.
    virtual void FocusCommandBar() {}
    // Clears the highlight of every quadrant label of the galaxy chart (the end of a game).
    virtual void ClearChartHighlights() {}

    // ---- Galaxy creation, quadrant set-up, scans and the loss of the ship -----------------
    // Redraws one cell of the short-range scan from SectorGrid with a drawing code (0 the plain
    // cell, 2 Zarvoni ship, 3 a counted Zarvoni ship, 7 Zarvoni starbase, 9 cloaked ship drawn
    // visible, 10 cloaked ship shown, 12 Morv ship). The engine passes sectors 1..8 only.
    virtual void DrawSector(int /*row*/, int /*col*/, int /*code*/) {}
    // Every cell of the short-range scan shows the empty-sector picture.
    virtual void ResetSRSCells() {}
    // Sets the background colour of a quadrant label of the galaxy chart (index
    // (row - 1) * 8 + col - 1): kChartCleared, kChartScanned or a palette colour 0..15
    // (kChartRed = 4 for the Morv ship's quadrant).
    virtual void SetChartQuadrantColor(int /*index*/, long /*color*/) {}
    // Moves the galaxy chart's target frame around a quadrant label and shows it.
    virtual void FrameChartQuadrant(int /*index*/) {}
    // Hides the exploration console (the ship is lost while in orbit).
    virtual void HideExplorationConsole() {}
    // Shows the ship-loss window with its animation and waits until the player closes it.
    virtual void ShowShipLost() {}

    // ---- Upgrades, retrofits, capture and automatic shields -----------------------------
    // Slides a retrofit kind's cover open or closed (kind 1..5); the game data
    // (RetrofitCoverOpen, RetrofitButtonTag, RetrofitSlots) already holds the new state.
    virtual void ShowRetrofitSlots(int /*kind*/, bool /*opening*/) {}
    // A hit on the ship's systems (amount as the damage routine takes it; system 0 = a random
    // working system), for the damage routine of the tactical engine.
    virtual void DamageSystem(double /*amount*/, int /*system*/) {}
};

}  // namespace kv
