#pragma once
// The whole shared state of a game: the galaxy, the current quadrant, the ship, the starbases,
// the hostile forces, the mission and its statistics, and the text and constant tables.
// Every engine procedure reads and writes these members directly. Index ranges keep the
// historical layout: entries numbered from 1 keep an unused entry 0.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/CommandDialogs.h"
#include "state/PlaySurface.h"

namespace kv {

using Integer = int16_t;  // 16-bit signed
using Long = int32_t;     // 32-bit signed
using Single = float;     // 32-bit float
using Flag = int16_t;     // -1 true, 0 false (any non-zero counts as true)

inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;
inline Flag ToFlag(bool b) { return b ? kTrue : kFalse; }

template <typename T, size_t R, size_t C>
using Table2 = std::array<std::array<T, C>, R>;

using Grid9 = Table2<Integer, 9, 9>;  // rows and columns 1..8 in use

// The ship's systems, as SystemDamage and SystemNames number them, each by the commands that
// depend on it. A system with damage above 0 is damaged; 7.0 or more is out of action. Entry 0
// is the hull: it takes the damage once all eight are out of action, and the ship is lost when
// it reaches 7.0.
enum ShipSystem : int {
    kHull = 0,
    kWarpEngines = 1,    // NAV, the target calculator, docking
    kShortRangeSensors,  // SRS
    kLongRangeSensors,   // LRS
    kPhasers,            // PHA
    kTorpedoes,          // TOR and the probes
    kShields,            // SHE
    kDamageControl,      // DAM
    kComputer,           // COM
};
inline constexpr int kShipSystems = 8;

// What a click on the short-range scan picks a sector for (SectorPickMode); a sector picked
// for the target calculator is left there as its number 1..64.
enum SectorPick : Integer {
    kNoPick = 0,
    kCalculatorPick = -1,
    kPhaserPick = -2,
    kTorpedoPick = -3,
};

// Sector contents of the current quadrant.
enum SectorCode : Integer {
    kEmpty = 0,
    kShip = 1,
    kZarvoni = 2,
    kStar = 3,
    kStarbase = 4,
    kZarvoniStarbase = 5,
    kCloaked = 6,
    kMorv = 7
};

// Alert conditions, by index.
enum ConditionCode : Long { kYellow = 0, kDocked = 1, kGreen = 2, kRed = 3 };

struct PlanetEntry {
    Integer PlanetValue1 = 0;
    Integer PlanetValue2 = 0;
    Integer PlanetValue3 = 0;
    Long PlanetValue4 = 0;     // packed 2-bit codes; Int(v / 16384) Mod 4 = 2 marks a goal planet
    Integer PlanetValue5 = 0;  // planet class 0..14
    Long PlanetFlag = 0;
    int64_t PlanetBits = 0;  // fixed point, four decimal places: stored value x 10000

    bool operator==(const PlanetEntry&) const = default;
};

// The navigation dialog's controls, kept as data (not saved): the warp scroll bar runs inverted
// (warp x 10 = WarpMax - WarpValue), the course scroll bar holds the course x 10 (10..90); the
// texts are the dialog's course and warp boxes, the tags the fill of its two gauges in percent.
struct NavDialogData {
    Integer WarpMax = 80;
    Integer WarpValue = 80;
    Integer CourseValue = 10;
    std::string CourseText = "1.0";
    std::string WarpText = "0.0";
    std::string CourseTag = "0";
    std::string WarpTag = "0";
};

struct SolarSystemRecord {
    std::string DescriptorName;
    Integer PlanetCount = 0;
    Integer SystemValue2 = 0;                 // star code 0..8
    std::string Name = std::string(20, ' ');  // always 20 characters, padded with blanks
    std::array<PlanetEntry, 10> Planets{};    // planets 1..10 are Planets[0..9]
    Integer SectorRow = 0;
    Integer SectorCol = 0;
    Long SystemValue3 = 0;  // visit stamp
    std::string Notes;

    // A record whose name starts with a blank (or lower) holds no system yet.
    bool InUse() const { return !Name.empty() && static_cast<unsigned char>(Name[0]) > ' '; }
    // Sets the 20-character name: cut or padded with blanks.
    void SetName(const std::string& n) {
        Name = n.substr(0, 20);
        Name.resize(20, ' ');
    }
    bool operator==(const SolarSystemRecord&) const = default;
};

struct GameState {
    GameState();

    // ---- Quadrant grids -------------------------------------------------------------------
    Grid9 Galaxy{};       // Zarvoni x 100 + 10 x starbase number + star systems
    Grid9 KnownGalaxy{};  // the player's chart; -1 never scanned
    Grid9 SectorGrid{};   // current quadrant, SectorCode values
    Grid9 SpareGrid{};
    Table2<Integer, 8, 8> CloakedPerQuadrant{};  // (row - 1, col - 1)

    // ---- Current quadrant -------------------------------------------------------------------
    Table2<Integer, 5, 11> ZarvoniShips{};  // (field 0..4, ship 0..10): 1 row, 2 col
    std::array<Integer, 11> ZarvoniEnergy{};
    std::array<Integer, 11> ZarvoniFlags{};
    Table2<Integer, 3, 6> CloakedShips{};  // (field 0..2, ship 0..5)
    std::array<Integer, 6> CloakedEnergy{};
    Integer QuadZarvonis = 0, QuadStars = 0, QuadStarbase = 0;
    Integer TacticalQuadRow = 0, TacticalQuadCol = 0;
    Integer PrevQuadRow = 0, PrevQuadCol = 0;
    Flag QuadrantChanged = 0;
    Integer HostileTurnFlag = 0;  // 1 moved, -32767 hostiles just acted, 0 reset before their turn

    // ---- Starbases and fixed positions --------------------------------------------------
    Table2<Long, 4, 4> Starbases{};           // (field 0..3, base 0..3): 1 row, 2 col, 3 strength
    Table2<Integer, 3, 4> StarbaseSectors{};  // (field 0..2, base 0..3)
    std::array<Integer, 4> StarbaseFlags{};
    std::array<Long, 6> ZarvoniBase{};  // 0 flag, 1 qrow, 2 qcol, 3 srow, 4 scol, 5 strength
    std::array<Integer, 5> MorvShip{};  // 1 qrow, 2 qcol, 3 srow, 4 scol
    Integer ShipQuadrantRow = 0, ShipQuadrantCol = 0, ShipSectorRow = 0, ShipSectorCol = 0;

    // ---- Ship systems, energy and weapons ---------------------------------------------------
    std::array<Single, 9> SystemDamage{};
    std::array<std::string, 9> SystemNames{};
    Long ShipEnergy = 0, MaxEnergy = 0;
    Integer ShieldLevel = 0, MaxShields = 0;
    Single ShieldFactor = 0;
    Flag ShieldsChanged = 0;
    Flag Docked = 0;  // 1 while docked
    Integer TorpedoStockClass1 = 0, TorpedoStockClass2 = 0;
    Integer MaxTorpedoesClass1 = 0, MaxTorpedoesClass2 = 0;
    Integer TorpedoClass2Power = 0;
    Integer LRSRange = 0;
    Integer Probes = 0, MaxProbes = 0;
    Single WarpFactor = 0;
    Single HitChance = 0;
    Long ConditionIndex = kGreen;
    std::string ConditionText;

    // ---- Upgrades and retrofit --------------------------------------------------------------
    std::array<Integer, 6> UpgradeTable{};
    double TechLevel = 3;
    Flag UpgradesOn = 0;
    std::array<Integer, 6> RetrofitSlots{};
    Integer RetrofitSystem = 0;
    // The five retrofit buttons' tags (button 0..4): a number, or "" for 0.
    std::array<std::string, 5> RetrofitButtonTag{};

    // ---- Mission, time and counters ------------------------------------------------------
    Integer MissionType = 0;
    Integer MissionGoal = 0;
    Flag GoalBySystems = 0;
    Integer GoalProgress = 0, GoalSystemsDone = 0;
    Integer SkillLevel = 1;
    Integer GameLength = 1;
    Integer InitialZarvonis = 0, ZarvonisLeft = 0, ZarvonisCounted = 0;
    Integer FlaggedZarvonis = 0;
    Single TotalTime = 0, TimeLeft = 0, TimeOffset = 0;
    Single RepairRate = 0;
    Integer StarbaseCount = 0;
    Long MaxStarbaseStrength = 50000;
    Long ZarvoniBaseStrength = 0;
    Integer ZarvoniBaseShips = 0;
    Flag ZarvoniBaseDestroyed = 0, ZarvoniBaseKnown = 0;
    Integer SystemsCount = 0, SpecialSystems = 0;
    Integer DockCount = 0, StarbasesLost = 0, CloakedKilled = 0;
    Integer ScoreCounterA = 0, ScoreCounterB = 0, ScoreCounterC = 0, ScoreCounterD = 0, ScoreCounterE = 0;
    Integer StatCounterF = 0, StatCounterG = 0, StatCounterH = 0;
    Flag ShipLost = 0;
    Flag FinalReportFlag = 0;
    Integer TurnPassedWarp = 0;
    bool ScoreEligible = true;
    Flag GameRunning = 0;
    Flag GameChanged = 0;

    // ---- The assimilating faction ----------------------------------------------------------
    Integer MorvCountdown = 0;
    Flag MorvCountdownStarted = 0;
    Long MorvStrength = 0, MorvRegen = 0;
    Single MorvTimerScale = 5.0f;
    Integer MorvCounterA = 0;
    Flag MorvMoveFlag = 0;
    Integer MorvStarsTaken = 0, MorvBasesTaken = 0, MorvShipsDestroyed = 0;

    // ---- Window modes kept in the game (saved) ---------------------------------------------
    // The damage-control choice: 0 while the damage report's rows take no click, non-zero while
    // they do (-1, set by the command bar's activation when damage control works, and by DAM);
    // a click leaves the chosen system's number 1..8 in it.
    Integer DamageReportMode = 0;
    Integer SectorPickMode = kNoPick;
    Integer QuadrantPickMode = 0;
    Integer FirePlanMode = 0;
    Flag EnteringSystem = 0;
    Flag SelfDestructActive = 0;
    Flag LRSDone = 0;
    // Not saved.
    Integer MovedFlag = 0;
    Integer HyperspaceFlag = 0;
    Single CalcCourse = 0, CalcDistance = 0;
    std::array<Long, 4> LibComputerState{};
    Flag InSolarSystem = 0;
    Flag NewGamePending = 0;
    Flag ErrorReported = 0;

    // ---- Star systems ----------------------------------------------------------------------
    // Up to four per quadrant; reached through StarSystem(row, col, n), all numbered from 1.
    std::vector<SolarSystemRecord> StarSystemTable;
    SolarSystemRecord& StarSystem(int row, int col, int n);
    const SolarSystemRecord& StarSystem(int row, int col, int n) const;
    // Empties every record (names blank, numbers 0, strings empty).
    void ClearStarSystems();

    // ---- Text and constant tables (filled once at start) --------------------------------
    std::array<Long, 8> ColorTable{};
    std::array<std::string, 13> RomanNumerals{};
    std::array<std::string, 9> SSTexts9{};
    Table2<std::string, 15, 2> SSTextPairs{};
    std::array<std::string, 4> ConditionNames{};
    std::array<std::string, 5> UpgradeNames{}, UpgradeInitials{};
    std::string ShipPrefix, StrongEnemyText, EnemyText, EnemysText;
    std::array<std::string, 256> AlienNames{};
    std::array<Single, 4> SSChanceTable{};
    std::array<Long, 15> SSCountTable{};

    // ---- Names, paths and run-time settings ----------------------------------------------
    std::string AppPath, SoundsPath, PicturesPath, SSDescriptorPath, LanguagePath;  // end in "/"
    std::string ConfigName;
    std::string GameFileName;
    std::string CaptainName;
    std::string NewLine = "\r\n";
    Single SpeedFactor = 1.0f;
    std::string StarTarget;
    Integer StarTargetRow = 0, StarTargetCol = 0;
    Flag SoundOn = kTrue;
    Flag WaveDevicePresent = 0;
    Flag KeepTech = 0;
    Integer SRSPicQual = 0, SRSDrawOption = 0;
    std::string BackgroundPicture;
    Single WindowsVersion = 0;
    std::array<Integer, 32> FormVisible{};
    // Debug switches, never saved.
    bool UpgradeAllFlag = false, CaptureAllFlag = false, ShowCloakFlag = false, ShowStarsFlag = false,
         DebugMode = false;

    // ---- Upgrades, retrofits, Morv countdown and automatic shields: window data ------------
    // The info window's Morv countdown bar: the starting count as text, and the bar's length as
    // a fraction of the starbase line (1.0 = full).
    std::string MorvTimerTag;
    Single MorvTimerBar = 0;
    // Whether each retrofit kind's cover is open, i.e. its button shown (kind - 1).
    std::array<bool, 5> RetrofitCoverOpen{};
    // Shield page of the library options and the computer panel's automatic-shields switch:
    // level 1 maximum, 2 minimum, 3 energy saver (0 none); frequency 0 constantly, 1 on
    // entering a quadrant, 2 never (-1 none); the reserve as its caption shows it.
    Integer LibShieldLevel = 2;
    Integer LibShieldFrequency = 0;
    std::string LibShieldReserve = "100";
    Flag ComAutoShields = kTrue;
    Flag ComAutoLRS = kTrue;       // the panel's automatic long-range scan before a move
    Long ComAutoShieldsColor = 0;  // 0 while usable; another colour marks it damaged
    Flag ShieldRaisePending = 0;   // armed to act; not saved

    // ---- Library options, computer panel and the weapons' dialogs: window data, not saved ----
    // Torpedo page: torpedoes per ship 0 one, 1 two, 2 the eight tubes shared (-1 none); spread
    // allowed; spread kind 0 random, 1 even (-1 none); the least ships present for a spread as
    // its caption shows it; fire at the Zarvoni starbase; how many at it 0 the places left,
    // 1 all eight, 2 as many as a ship (-1 none); hold fire once the base counts as disabled.
    Integer LibTorZarvonis = 0;
    Flag LibTorSpread = kFalse;
    Integer LibTorSpreadType = 1;
    std::string LibTorSpreadZarvonis = "5";
    Flag LibTorZarvoniStarbase = kTrue;
    Integer LibTorZSBAmount = 0;
    Flag LibTorZSBFireDisabled = kTrue;
    // Phaser page: 0 kill, 1 disable (-1 none); fire at the Zarvoni starbase; the energy per turn
    // for it as its caption shows it.
    Integer LibPhaKillOrDisable = 0;
    Flag LibPhaZarvoniStarbase = kFalse;
    std::string LibPhaZSBEnergyFire = "1000";
    // The scroll bars beside the reserve (0..1000) and the starbase energy (0..2000).
    Integer LibShieldReserveBar = 100;
    Integer LibPhaZSBEnergyBar = 1000;
    // Computer panel: the player's own choice for the automatic shields (kept while automatic
    // raising is off), whether that box can be used, the automatic long-range scan, the phaser
    // computer's mode caption, the automatic target calculator's tag ("Manual" while the player
    // switched it on) and the target text the scan and chart clicks leave for the calculator
    // ("S" and a two-digit cell, then optionally "Q" and a two-digit quadrant).
    Flag ComAutoShieldsBackup = kTrue;
    Flag ComAutoShieldsEnabled = kTrue;
    std::string ComPhaserModeCaption = "Kill";  // the panel's design wording until a configuration's options load
    std::string ComTCTag;
    std::string ComTargetText;
    // The target calculator: the chosen quadrant and sector ("row,col"), the ship's quadrant as
    // it shows it.
    std::string TargetQuadText, TargetSectText, TargetShipQuadText;

    // ---- The target calculator's option buttons: window data, not saved ----------------------
    // Which of them is set (how the target quadrant was chosen): optBase 0 the Zarvoni starbase,
    // 1..3 the player's starbases; optLRS 0..7 the neighbouring quadrants; optPrev the previous
    // quadrant. The palette colour of each optBase caption.
    std::array<bool, 4> TargetOptBase{};
    std::array<bool, 8> TargetOptLRS{};
    bool TargetOptPrev = false;
    std::array<Integer, 4> TargetOptBaseColour{};

    // The fire plans of the phaser and torpedo dialogs, one text entry per shot or torpedo in
    // firing order, with the last plan fired of each, and the phaser plan's total as shown.
    std::vector<std::string> PhaserPlan, PhaserPlanPrevious;
    std::vector<std::string> TorpedoPlan, TorpedoPlanPrevious;
    std::string PhaserPlanTotal = "0";
    FirePlanDialogData PhaserDialog, TorpedoDialog;
    // The probe dialog: its course controls work as the navigation dialog's (the warp ones are
    // unused); CourseText is the course box ("-32767" after Cancel). Beside it the probes shown.
    NavDialogData ProbeDialog;
    std::string ProbesLeftCaption = "10";
    // The self-destruct countdown's time ("0:10" after an abort).
    std::string SelfDestructTime = "0:10";
    // The shield and energy-transfer dialogs, the library options' tabs, the star list.
    ShieldDialogData ShieldDialog;
    TransferDialogData TransferDialog;
    LibOptionsDialogData LibOptionsDialog;
    StarListData StarList;
    // The target calculator's copy of the automatic calculator's state when the computer panel
    // opened it (the panel's timer running, its tag).
    bool SavedTCEnabled = false;
    std::string SavedTCTarget;
    // The retrofit panel: each cover's slide offset in pixels (0 closed, negative while moved
    // out of view), the blinking lamps' palette colour (10 or 2), and each lamp's own colour
    // from its engaging to the next blink (0: the blinking colour).
    std::array<int, 5> RetrofitCoverTop{};
    Integer RetrofitBlinkColour = 10;
    std::array<Integer, 5> RetrofitLampFill{};
    // The status lamps' captions 1..6 (entry 0 unused); "" shows the lamp's own caption.
    std::array<std::string, 7> LampCaption{};

    // ---- Hostile recount: turn-engine state kept for the whole run, not saved --------------
    // The galaxy-wide hostile count at the previous recount (mission types 0 and 2).
    Long LastEnemyCount = 0;

    // ---- End-of-action refresh, alert condition and status lamps -----------------------------
    // Turn-engine state kept for the whole run, not saved. The technology clock: refreshes
    // counted towards the next rise of TechLevel, and the count at which it rises (0 = none
    // drawn yet). The alarms of the current red or yellow spell.
    Long TechTurnCounter = 0, TechRiseThreshold = 0;
    Flag RedAlertSounded = 0, YellowAlertSounded = 0;
    // What the windows show of it (they only draw this data): the general report's condition
    // box (palette colour of label and shape, palette colour of the label's text, caption);
    // the status lamps 1..6 (background and text colours as 0xBBGGRR; entry 0 unused); the info
    // window's starbase line and the TurnPassedWarp it last saw; the galaxy chart's blink
    // (a starbase calls for help) and the short-range scan's shield animation.
    Integer ConditionColour = 2, ConditionTextColour = 15;
    std::string ConditionCaption;
    std::array<Long, 7> LampBackColor{0, 0x80, 0x80, 0x80, 0x4000, 0x4000, 0x80};
    std::array<Long, 7> LampForeColor{0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0};
    std::string StarbaseLine;
    Integer LastTurnPassedWarp = 0;
    // The navigation dialog (not saved).
    NavDialogData NavDialog;
    // What the command buttons and the galaxy chart show (the updaters fill them; not saved).
    CommandStateLook CommandLook;
    GalaxyChartLook Chart;
    // The short-range scan's selection frames (cell 0..63) and its hover label.
    std::array<SectorFrame, 64> SectorFrames{};
    ScanHoverLabel ScanHover;
    SectorInfoBox SectorInfo;
    QuadrantPicker QuadSelect;

    // ---- Window data kept with the game ---------------------------------------------------
    // Fill and border colours of the general report's upgrade indicators 1..5 (24-bit RGB;
    // -1 = the button-face colour), and its mission-type marker (0..3; -1 none).
    std::array<Long, 6> UpgradeFillColor{};
    std::array<Long, 6> UpgradeBorderColor{};
    Integer MissionMarker = -1;

    // ---- The final report and the Morv report of an ended game: window data, not saved -----
    // What the final report window shows: the captions of its rows 0..18 (`Line`) and their
    // values (`Num`), the captain's line (`lblName`), the rating's caption and text (`lblRating`,
    // `Rating`), whether the ship-destroyed cover shows and the Morv report button is enabled;
    // the game's verdict (-1 won, 0 failed, 47 no verdict) and its final score. The Morv
    // report's labels 0..11 (even: row titles, odd: values), typed out by that window.
    std::array<std::string, 19> FinalLine{}, FinalNum{};
    std::string FinalName, FinalRatingCaption, FinalRating;
    bool FinalShipDestroyed = false, FinalMorvReportEnabled = false;
    Integer FinalOutcome = 0, FinalScore = 0;
    std::array<std::string, 12> MorvReportTag{};
    MorvReportData MorvReport;
};

// A row or column of the galaxy or of a quadrant (1..8).
inline bool InGrid(long v) { return v >= 1 && v <= 8; }
inline bool InGalaxy(long row, long col) { return InGrid(row) && InGrid(col); }

// Condition and quadrant-code helpers.
inline int QuadZarvoniCount(int code) { return code / 100; }
inline int QuadStarbaseNumber(int code) { return (code / 10) % 10; }
inline int QuadStarCount(int code) { return code % 10; }

}  // namespace kv
