#pragma once
// What the game's status displays show: the status bars, the damage, starbase, hostile-ship and
// general reports and the status lamps' blinking. The ship's computer's updaters
// (engine/computer/Displays.h, StatusPanel.h) compute it from the game state and then ask the
// display to repaint; the windows only paint what stands here. Colours are palette numbers
// 0..15. Not saved: every update rewrites what it owns.
#include <array>
#include <string>

#include "state/GameState.h"

namespace kv {

// A horizontal marker line on a status bar: its height as a share of the bar's drawing height,
// measured from the top (0 the top edge, 1 the bottom edge; values outside 0..1 lie off the
// bar), and whether it is drawn.
struct BarMarker {
    double y = 1.0;
    bool visible = true;
};

// The five gauges of the bars window: 0 energy, 1 shields, 2 photon torpedoes, 3 time,
// 4 mission progress.
struct BarsDisplay {
    std::array<Integer, 5> BackColor{};                       // the gauge's colour
    std::array<std::string, 5> Tag{"0", "0", "0", "0", "0"};  // its fill in whole percent
    // The captions under the gauges (lblEN, lblSH, lblPT, lblTI, lblMI).
    std::array<std::string, 5> Caption{"EN", "SH", "PT", "TI", "MI"};
    // The marker line drawn on each gauge: 0 linTotal (energy and shields together),
    // 1 linMinShields (the shields the quadrant calls for; its visibility follows the
    // command-state colours), 2 linClass1 (where the class-2 stock ends), 3 linTime, 4 linMission.
    std::array<BarMarker, 5> Marker{};
    // The short-range scan's shield animation: its timer's interval in milliseconds (0 stops
    // it) and whether the ship's shield outline shows.
    Long ShieldInterval = 0;
    bool ShieldOutline = false;
};

// The damage report: one row per ship system (row i - 1 for system i).
struct DamageRow {
    std::string Number, Name;  // lblNumber (" 1" .. " 8") and lblSystemName, set when the window loads
    bool Enabled = true;
    bool Pressed = false;  // shown pressed for a moment when clicked
    // Drawn as a raised 3-D panel (a damaged system); a working one is a plain row with a
    // single border.
    bool Raised = false;
    std::string Figure = "0";  // lblSysDamage
};
struct DamageReportDisplay {
    std::array<DamageRow, 8> Rows{};
};

// The starbase report: row 0 the Zarvoni starbase, rows 1..3 the player's starbases.
struct BaseRow {
    bool Enabled = false;
    bool DataVisible = true;      // lblQuad, lblStrength and lblStatus
    bool UnknownVisible = false;  // lblUnknown: the base has not been seen yet
    std::string Quad, Strength, Status;
};
struct BaseReportDisplay {
    std::array<BaseRow, 4> Rows{};
};

// The hostile-ship report: at most nine ships of the current quadrant, or the sensors' notice.
struct ZarvoniRow {
    bool Visible = false;
    std::string Sector = "- , -", Strength = "---%", Status;
};
struct ZarvoniReportDisplay {
    bool SensorsDown = false;  // lblSensorsDown
    std::array<ZarvoniRow, 9> Rows{};
};

// The general report. Only the current mission type's frame shows, so one set of the frame's
// values serves all four frames.
struct GeneralReportDisplay {
    std::array<bool, 4> FrameVisible{true, false, false, false};
    bool UpgradesVisible = false;  // pnlUpgrades
    bool ScoreVisible = true;      // lblScore (set by a new game)
    // The current frame: hostiles at the start, the time as the mission counts it, hostiles
    // left, hostiles destroyed (with the cloaked ships destroyed in brackets when there are
    // any), hostiles captured.
    std::string Initial, Time, Left, Destroyed, Captured;
    // The goal line of mission type 2: its caption, the goal, what is done and what remains.
    std::string GoalCaption, Goal, Done, Remaining;
    std::string Torpedoes = "0";  // lblPT
    Integer TorpedoColour = 0;
    std::string Probes = "0";  // lblPO
    Integer ProbeColour = 0;
    std::string Quadrant, Sector, Skill, Length;  // lblQ, lblS, lblSkill and the game length
    std::string Rating = "---.-%";                // lblScore
    // Written by the status bars' update: lblEN, lblSH, lblENSH.
    std::string Energy = "0", Shields = "0", EnergyAndShields = "0";
};

// The status window's blink: the lamp (1..6) its timer blinks (the timer's Tag), the ticks
// counted so far (0 when idle) and the lamp's state when the blink began.
struct LampBlink {
    Integer Lamp = 0;
    Integer Count = 0;
    bool SavedState = false;
};

struct DisplayData {
    BarsDisplay bars;
    DamageReportDisplay damage;
    BaseReportDisplay bases;
    ZarvoniReportDisplay zarvoni;
    GeneralReportDisplay general;
    LampBlink blink;
};

}  // namespace kv
