#pragma once
// The engine's port to the windows. The engine never includes a window: whatever it asks of the
// player or the screen goes through these interfaces, one concern each. Every method is pure
// virtual and every view, window and timer is named by an enum, so a host that forgets a request
// fails to compile instead of doing nothing, and a view added to an enum without a case in the
// host's switch fails to compile too (-Werror=switch).
//
// Blocking calls stay blocking: the desktop host runs a nested event loop where a call must wait
// (a question, a modal window, a pause); a test host answers from its script at once.
#include <optional>
#include <string>
#include <vector>

namespace kv {

struct Game;

// ---- Names -------------------------------------------------------------------------------------

// Button codes of a question's answer.
enum MsgResult : int { kOK = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7 };
// Button styles and icons (the platform's message-box numbering; they are added together).
enum MsgStyle : long {
    kOKOnly = 0,
    kOKCancel = 1,
    kAbortRetryIgnore = 2,
    kYesNoCancel = 3,
    kYesNo = 4,
    kRetryCancel = 5,
    kCritical = 16,
    kQuestion = 32,
    kExclamation = 48,
    kInformation = 64,
    kSystemModal = 4096
};

// The answer a question gets when its window is closed through its frame (or nobody can answer):
// Cancel where the style has it, else No, else OK.
int CloseAnswer(long style);

// Galaxy chart label colours: the system colours button face (cleared) and 3-D highlight
// (scanned), or a palette colour 0..15.
inline constexpr long kChartCleared = 0x8000000FL;
inline constexpr long kChartScanned = 0x80000014L;
inline constexpr long kChartRed = 4;

// The game's windows. The numbered ones are the window table (the number is also the one in
// the window-geometry settings); the others are windows outside the table.
enum class Form : int {
    frmOutput = 1,
    frmBaseReport = 2,
    frmDamageReport = 3,
    frmCommands = 4,
    frmCOM = 5,
    frmZarvoniReport = 6,
    frmGalaxy = 7,
    frmGeneralReport = 8,
    frmOptions = 9,
    frmStatus = 10,
    frmSRS = 11,
    frmTOR = 12,
    frmPHA = 13,
    frmSHE = 14,
    frmRetrofit = 15,
    frmDAM = 16,
    frmDES = 17,
    frmDifficulty = 18,
    frmLibOptions = 19,
    frmInfo = 20,
    frmMenu = 21,
    frmNAV = 22,
    frmPRO = 23,
    frmQuadSelect = 24,
    frmSSControl = 25,
    frmBars = 26,
    frmStars = 27,
    frmSRSInfo = 28,
    frmTargetCalculator = 29,
    frmFinalReport = 30,
    frmBackground = 31,
    // Outside the window table.
    frmShip,
    frmFile,
    frmGetNumber,
    frmMinimize,
    frmAbout,
    frmEgg,
    frmMorvReport,
    frmRespond,
    frmSubmitHS,
    frmQuiet,
    frmShowMessage,
    frmLanguage,
};
inline constexpr int kFormTableSize = 32;  // indices 1..31 are used

// Displays that show game state. The engine changes the state, then asks the display to show
// it again; what to show stands in the game state (or in Game's option data).
enum class View {
    // Option settings.
    CommandBar,       // arrange the command bar with options.CommandBarColumns
    WindowPositions,  // move windows 1..15 to options.Window
    OutputFont,       // the message log's font and colours
    OptionsWindow,    // refill the options window's controls from options
    LibOptions,       // the library options' controls from the game's library options
    SrsIcons,         // reload the short-range scan's pictures (SRSPicQual)
    SrsColors,        // the short-range scan's colours and coordinates (SRSDrawOption)
    Background,       // repaint the background window
    // Game displays.
    UpgradeIndicators,  // UpgradeFillColor / UpgradeBorderColor
    UpgradeInitials,    // the upgrade labels' initials
    MorvTimer,          // the Morv countdown bar (MorvTimerBar, debug mode only)
    Condition,          // the alert condition box (Condition, ConditionNames)
    Lamps,              // the six status lamps (LampBackColor, LampForeColor ...)
    StarbaseLine,       // the info window's starbase line (StarbaseLine)
    RetrofitPanel,      // the retrofit buttons and covers
    ShortRangeScan,     // the short-range scan window as a whole
    GalaxyChart,        // the galaxy chart from KnownGalaxy
    Bars,               // the status bars
    CommandState,       // the command buttons' colours by system damage
    GeneralReport,      // the general report
    BaseReport,         // the starbase report
    ZarvoniReport,      // the hostile-ship report
    DamageReport,       // the damage report
    StatusPanel,        // the status lamps' panel
    // The exploration console (frmSSControl), from Game::console.
    SSConsole,     // its panels, buttons, message, responses and room map
    SSSystemView,  // the system seen from above with the selection
    SSPlanetView,  // the close-up of the selected planet
    SSSpectrum,    // the star's spectrum
    // The ship's computer and the weapons' dialogs.
    ComputerPanel,     // the computer panel's switches, phaser mode caption and calculator lamp
    TargetCalculator,  // the target calculator's target texts (its choice buttons cleared)
    PhaserPlan,        // the phaser dialog's plan and total
    TorpedoPlan,       // the torpedo dialog's plan
    ProbeDialog,       // the probe dialog's course and probes left (ProbeDialog, ProbesLeftCaption)
};
// One past the last display (a loop over every View runs up to it).
inline constexpr int kViewCount = static_cast<int>(View::ProbeDialog) + 1;

// Window timers whose running the engine starts, stops or tests. Each window runs its own timer
// and calls the engine on each tick; the running state is kept by the game (Game::Timer).
enum class Timer {
    frmSRS_tmrMorvTractor,            // the Morv ship's tractor beam holds the ship
    frmSRS_tmrShield,                 // the ship's shield animation
    frmGalaxy_tmrBlink,               // the galaxy chart blinks a starbase under attack
    frmStatus_tmrBlink,               // a status lamp blinks
    frmRetrofit_tmrBlink,             // a retrofit button blinks
    frmCOM_tmrTC,                     // the automatic target calculator runs
    frmSSControl_tmrMessage,          // the exploration console's message queue
    frmBackground_tmrScroll,          // the background window's grey caption show
    frmBackground_tmrNoMorv,          // the background window's red caption show
    frmDES_tmrCount,                  // the self-destruct countdown
    frmShip_tmrAnimation,             // the ship-loss animation
    frmMenu_tmrBreak,                 // the main menu's break animation
    frmMenu_tmrSavedGame,             // the timed save
    frmTargetCalculator_tmrCheckSRS,  // the target calculator waits for a sector pick
    frmTargetCalculator_tmrCheckCOM,  // the target calculator waits for a quadrant pick
    frmFinalReport_tmrMenu,           // the final report's return to the menu
    frmMorvReport_tmrAnim,            // the Morv report types its text
    frmSSControl_tmrFlag,             // the exploration console's planet-flag display (debug mode)
};
inline constexpr int kTimerCount = static_cast<int>(Timer::frmSSControl_tmrFlag) + 1;

// The window that runs a timer (the part of its name before "_tmr").
Form TimerOwner(Timer timer);

// The marker shapes put over a sector while it is hit: the shield outline of a Zarvoni ship,
// cloaked ship or Zarvoni starbase (shpZshield); of a friendly starbase (shpMshield); of the
// Morv ship (shpMorvShield).
enum class SectorMarker { ZarvoniShield, StarbaseShield, MorvShield };

// Mouse pointer shapes.
enum class Pointer : int { Default = 0, Hourglass = 11, ArrowHourglass = 13 };

// The saved-game file dialog's mode.
enum class FileDialogMode : int { Load = 0, Save = 1 };

// The enum's own name ("frmSRS", "ShortRangeScan", "frmSRS_tmrMorvTractor").
const char* Name(Form value);
const char* Name(View value);
const char* Name(Timer value);
const char* Name(SectorMarker value);

// ---- Interfaces --------------------------------------------------------------------------------

// Words to the player: the message log, notices and questions, the note window, the background
// lines, the error report, and the inputs that wait for an answer.
class PlayerDialogs {
public:
    virtual ~PlayerDialogs() = default;
    // Appends one line to the message log (the engine has split the text at NewLine).
    virtual void AppendOutputLine(const std::string& line) = 0;
    // Empties the message log (a loaded game's log replaces it).
    virtual void ClearOutputLog() = 0;
    // The lines of the message log, oldest first (what a saved game keeps beside it).
    virtual std::vector<std::string> OutputLines() = 0;
    // Shows a notice and waits until the player closes it; `ownDialog` picks the game's own
    // message window over the platform's box (which shows a tab as five blanks, a question's
    // tab as one).
    virtual void ShowNotice(const std::string& text, long style, bool ownDialog) = 0;
    // Asks a question and returns the button chosen (MsgResult).
    virtual int AskQuestion(const std::string& prompt, long style, bool ownDialog) = 0;
    // Shows the note window that does not wait (with a text: that text, fitted and centred;
    // without: the previous note as it was), or hides it. Returns 0, or the number of the
    // failure that kept the note from showing (401 while a modal window is open).
    virtual int ShowNote(bool show, const std::optional<std::string>& text) = 0;
    // Adds a line to the scrolling background window; "RESET" clears it.
    virtual void AddBackgroundLine(const std::string& text) = 0;
    // Returns when the game's own message window is no longer showing; window events (the
    // player's answer to it included) go on meanwhile.
    virtual void WaitForMessageClose() = 0;
    // Shows the run-time error report and returns the button chosen (kAbort, kRetry, kIgnore).
    virtual int ShowErrorReport(const std::string& text) = 0;
    // Shows a window modally and returns when the player closes it; the window reads and writes
    // its data in the game state and gives back its own result code (kOK, kCancel, ...). A form
    // with no window, or with one that is not a dialog, is a fault of the program: the desktop
    // host throws (the engine's guard reports it) instead of answering for the player.
    virtual int RunModal(Form form) = 0;
    // The saved-game file dialog, opened in `folder`: the chosen path, or nothing when
    // cancelled. `pattern` lists the file patterns shown ("*.KVW;*.KVA", "*.LOG").
    virtual std::optional<std::string> ChooseFile(FileDialogMode mode, const std::string& pattern,
                                                  const std::string& folder) = 0;
    // A line of text typed by the player, or nothing when cancelled.
    virtual std::optional<std::string> InputText(const std::string& prompt, const std::string& title,
                                                 const std::string& initial) = 0;
    // A colour (0xBBGGRR) chosen by the player in a picker titled `title` that opens on
    // `initial`, or nothing when cancelled.
    virtual std::optional<long> ChooseColour(long initial, const std::string& title) = 0;
    // The high-score submission window for a qualifying record of the list `kind` ("captain" or
    // "badguy"), shown modally; returns when the player closes it.
    virtual void SubmitHighScore(const std::string& name, const std::string& sn, const std::string& code,
                                 const std::string& comments, const std::string& kind) = 0;
};

// What the engine draws on the short-range scan: sector pictures, the blast, the tow, the beam
// lines and the weapon effects. The scan window implements it; it only draws, it changes no
// game state.
class ScanView {
public:
    virtual ~ScanView() = default;
    // Redraws one cell of the short-range scan (sectors 1..8) with a picture: an icon 0..12 of
    // the scan's icon strip (SrsIcon in engine/tactical/ShortRangeScan.h: 0 empty, 1 the ship,
    // 2 Zarvoni ship, 3 a spent Zarvoni ship, 4/5 star, 6 starbase, 7/8 Zarvoni starbase, 9/10
    // cloaked ship, 11 out of the damaged sensors' reach, 12 Morv ship), 13 the tow icon or
    // 14 a photon torpedo in flight.
    virtual void DrawSector(int row, int col, int code) = 0;
    // Every cell of the short-range scan shows the empty-sector picture.
    virtual void ResetSRSCells() = 0;
    // A sector cell's size in pixels (the explosion rings are drawn to it).
    virtual int SectorCellPixels() = 0;
    // The explosion flash: one ring of the given radius (pixels) and palette colour over the
    // cell (its picture hidden), then the end of the flash (drawing cleared, picture back).
    virtual void DrawFlashRing(int row, int col, int radius, int colour) = 0;
    virtual void EndFlash(int row, int col) = 0;
    // The warp tow: the tow icon in a cell, and a cell's own picture restored.
    virtual void ShowTowIcon(int row, int col) = 0;
    virtual void ResetSectorPicture(int row, int col) = 0;

    // ---- Beam lines of the short-range scan (0..14; 10..14 are the tractor beam) -----------
    // Aims a beam line from the centre of sector cell (fromRow, fromCol) to about the centre of
    // (toRow, toCol): the window moves the far end by a small offset of its own choosing. A cell
    // outside 1..8 leaves the line as it was. Shown or hidden apart (ShowBeamLines).
    virtual void AnimateSectorMove(int fromRow, int fromCol, int toRow, int toCol, int line) = 0;
    virtual void ShowBeamLines(int first, int last, bool visible) = 0;
    // The tractor beam's lines in the Morv ship's greens, or back in their own colours.
    virtual void SetTractorBeamColours(bool morv) = 0;

    // ---- Weapon effects on the short-range scan: each shape keeps its state until it is
    // changed; the engine paces them with Pause and refreshes the scan between frames.
    // Centres a marker shape on a sector (sectors 1..8), and shows or hides it.
    virtual void PlaceMarker(SectorMarker marker, int row, int col) = 0;
    virtual void ShowMarker(SectorMarker marker, bool visible) = 0;
    // The star flare: a spot of `size` pixels whose centre lies (dx, dy) pixels from the centre
    // of the star's sector; size 0 hides it.
    virtual void ShowFlare(int row, int col, double dx, double dy, int size) = 0;
    // The hyperspace flash over the whole scan: frame 1..8 shows it in the colour given
    // (0xBBGGRR) with every sector picture hidden; frame 0 ends it and shows the pictures again.
    virtual void HyperspaceFlash(int frame, long colour) = 0;
    // The Morv ship glides from one sector cell to a neighbouring one; returns once it is there.
    virtual void AnimateMorvMove(int fromRow, int fromCol, int toRow, int toCol) = 0;
};

// Displays: refresh requests, the short-range scan (Scan) and the galaxy chart.
class Views {
public:
    virtual ~Views() = default;
    virtual void Refresh(View view) = 0;
    // The short-range scan's drawing surface: the scan window itself while it is built, else
    // one that draws nothing.
    virtual ScanView& Scan() = 0;
    // The background colour of a galaxy-chart quadrant label (index (row - 1) * 8 + col - 1):
    // kChartCleared, kChartScanned or a palette colour 0..15.
    virtual void SetChartQuadrantColor(int index, long color) = 0;
    // Moves the chart's target frame around a quadrant label and shows it.
    virtual void FrameChartQuadrant(int index) = 0;
    // Clears the highlight of every quadrant label (the end of a game).
    virtual void ClearChartHighlights() = 0;
    // The info window's starbase line shows a progress text while a game is saved or loaded
    // (`showWindow` shows the info window first); "" puts its caption back. Repainted at once.
    virtual void ShowInfoProgress(const std::string& text, bool showWindow) = 0;
};

// The game's windows as windows: visibility, order, enabling and the mouse pointer.
class Forms {
public:
    virtual ~Forms() = default;
    // The game this host serves; the game gives itself as it is built, before any other call.
    virtual void Attach(Game& g) = 0;
    // Creates a window without showing it (once: a window exists from then on to the end of the
    // program). A window that is not built yet changes nothing.
    virtual void LoadForm(Form form) = 0;
    // Relabels every window from the current language file.
    virtual void ApplyLanguage() = 0;
    virtual bool IsFormVisible(Form form) = 0;
    // Shows a window modeless (which activates it and gives it the focus, but for the background) or hides it.
    virtual void ShowForm(Form form) = 0;
    virtual void HideForm(Form form) = 0;
    // Shows a window modeless as ShowForm does, unless a modal window is open, which a modeless
    // window cannot be shown over: returns 0 when shown, 401 when refused (nothing changes).
    virtual int ShowFormChecked(Form form) = 0;
    // Brings a window to the front of the window order.
    virtual void BringToFront(Form form) = 0;
    // Window regions: HideByRegion gives a window a region that covers nothing of it, so it stays
    // shown and active but nothing of it is drawn; ShowByRegion removes the region, so the whole
    // window is drawn again. Neither shows nor hides the window.
    virtual void HideByRegion(Form form) = 0;
    virtual void ShowByRegion(Form form) = 0;
    // Enables or disables one window for input.
    virtual void SetFormEnabled(Form form, bool enabled) = 0;
    virtual Pointer MousePointer() = 0;
    virtual void SetMousePointer(Pointer pointer) = 0;
    // Gives the focus to the first control of the command bar.
    virtual void FocusCommandBar() = 0;
    // Closes every window (each may keep its state as it closes) and ends the program at once.
    virtual void EndProgram() = 0;
};

// Sound output.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // The number of sound output devices (0 when there is none).
    virtual int SoundDeviceCount() = 0;
    // Plays a sound file (full path). Flags: 1 returns at once while the sound plays (else the
    // call returns when it has ended); 16 leaves a sound that is already playing alone (the new
    // one is then not played). Without 16 a new sound cuts off the one playing.
    virtual void PlaySoundFile(const std::string& path, int flags) = 0;
};

// Waiting and timers.
class Clock {
public:
    virtual ~Clock() = default;
    // Waits the given seconds on a monotonic clock while windows repaint and timers tick; the
    // player's input waits until the engine is done.
    virtual void Wait(double seconds) = 0;
    // A window timer was switched on or off (the game keeps the state; Game::SetTimer).
    virtual void TimerChanged(Timer timer, bool enabled) = 0;
    // Seconds since midnight by the local clock (0 .. 86400).
    virtual double TimeOfDay() = 0;
};

// The printer.
class Printer {
public:
    virtual ~Printer() = default;
    // Prints the lines (after the platform's print dialog); false when cancelled or failed.
    virtual bool PrintLines(const std::vector<std::string>& lines, const std::string& title) = 0;
};

// The desktop around the windows: the screen, the pointer's position and the background window.
class Desktop {
public:
    virtual ~Desktop() = default;
    // The screen's size in twips; window positions from the settings are kept on it.
    virtual void ScreenSizeTwips(long& width, long& height) = 0;
    // Moves the mouse pointer out of the way.
    virtual void CenterMouse() = 0;
    // Loads the background picture into the background window; false when the file is not a
    // readable picture.
    virtual bool LoadBackgroundPicture(const std::string& path) = 0;
    // Why the last background picture that could not be loaded was refused, in the system's
    // words ("" when it gives none).
    virtual std::string BackgroundPictureError() = 0;
    // The background window shows only the colour (no picture); or it is hidden, no picture.
    virtual void SetBackgroundColor(long color) = 0;
    virtual void HideBackground() = 0;
    // The version splash: prints the text in the given colour (0xBBGGRR) at the bottom right of
    // the background window, over what it printed before.
    virtual void DrawVersionText(const std::string& text, long color) = 0;
    // Keeps planet picture `index` (1..14) loaded for the exploration console ("" leaves the
    // slot empty).
    virtual void CachePlanetPicture(int index, const std::string& path) = 0;
    // Opens a document (the help page, a message log) in the desktop's own viewer for its kind
    // and returns at once; a "#name" after the path opens a page at that section. False when the
    // desktop could not open it.
    virtual bool OpenDocument(const std::string& path) = 0;
};

// Everything the engine asks of the windows.
class GameHost : public PlayerDialogs,
                 public Views,
                 public Forms,
                 public SoundOutput,
                 public Clock,
                 public Printer,
                 public Desktop {};

}  // namespace kv
