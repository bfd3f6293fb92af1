#pragma once
// What the play surface shows, kept as game data (not saved): the command buttons' colours and
// enabled states, the computer panel's buttons and automatic-function boxes that follow the
// same damage, and the galaxy chart's 64 quadrant labels. The updaters of the ship's computer
// compute them; the windows only paint them.
#include <array>
#include <string>

#include "state/Port.h"

namespace kv {

// The system colour of a button's face (an undamaged command); a cleared chart label has it too.
inline constexpr long kButtonFace = kChartCleared;

// The command bar's twelve buttons, in the order of their grid (row by row, left to right).
enum class CommandButton : int {
    cmdGame = 0,
    cmdNAV,
    cmdSRS,
    cmdLRS,
    cmdPHA,
    cmdTOR,
    cmdSHE,
    cmdDAM,
    cmdCOM,
    cmdPRO,
    cmdHYP,
    cmdDES,
};
inline constexpr int kCommandButtons = 12;
const char* Name(CommandButton button);

struct ButtonLook {
    long BackColor = kButtonFace;  // kButtonFace or a palette colour 0..15
    bool Enabled = true;
    bool operator==(const ButtonLook&) const = default;
};

struct CheckBoxLook {
    long ForeColor = 0;  // palette colour
    bool Enabled = true;
    bool operator==(const CheckBoxLook&) const = default;
};

struct CommandStateLook {
    std::array<ButtonLook, kCommandButtons> Commands{};  // by CommandButton
    // The computer panel.
    ButtonLook TargetCalculator, DockAtStarbase, PhaserFire, TorpedoFire;
    CheckBoxLook AutoShields, AutoLRS;  // chkSHE, chkLRS
    // Whether the target-calculator lamp (pnlTC) and the phaser-mode panel (pnlPKHolder) take
    // clicks; both stay in sight either way.
    bool TargetCalculatorPanel = true;
    bool PhaserModePanel = true;
    // The status bars' minimum-shield line.
    bool MinShieldLine = true;

    ButtonLook& operator[](CommandButton b) { return Commands[static_cast<size_t>(b)]; }
    const ButtonLook& operator[](CommandButton b) const { return Commands[static_cast<size_t>(b)]; }
};

// One quadrant label of the galaxy chart.
struct ChartLabel {
    std::string Caption;
    long ForeColor = 0;              // palette colour
    long BackColor = kChartCleared;  // kChartCleared, kChartScanned or a palette colour
    bool Visible = true;
    bool Border = false;  // a fixed single border (the ship's quadrant, a pick)
    bool operator==(const ChartLabel&) const = default;
};

// The chart label of quadrant (row, col), both 1..8: (row - 1) x 8 + col - 1.
inline constexpr int LabelIndex(long row, long col) { return static_cast<int>((row - 1) * 8 + col - 1); }

struct GalaxyChartLook {
    std::array<ChartLabel, 64> Labels{};  // index LabelIndex(row, col)
    int Tab = 1;                          // the selected display tab 1..4
};

// The selection frame of a short-range scan cell (rectSector): shown to flash a cell or to mark
// a pick. For the torpedo plan the border width w stands for w - 1 torpedoes and a yellow
// border (14) for class 2; the fire dialogs read the frames back.
struct SectorFrame {
    bool Visible = false;
    int BorderWidth = 1;
    long BorderColour = 13;  // palette colour
    bool operator==(const SectorFrame&) const = default;
};
// The 64 frames by cell index (row - 1) x 8 + column - 1.
using SectorFrames = std::array<SectorFrame, 64>;

// The short-range scan's hover label (lblName): its text and top-left corner (twips), the cell
// it was last shown for, and whether its 3-second hiding timer (tmrHideLabel) runs.
struct ScanHoverLabel {
    bool Visible = false;
    std::string Text;
    double Left = 0, Top = 0;
    int LastCell = -1;
    bool TimerRunning = false;
};

// The sector information box (frmSRSInfo): the picture of the sector in question (an icon of
// the scan's strip) and its text.
struct SectorInfoBox {
    int Icon = 0;
    std::string Message;
};

// The quadrant picker (frmQuadSelect): an 8 x 8 grid of option buttons, cell (row - 1) x 8 +
// col - 1. The opener sets the caption and the disabled cell and reads the selection back;
// -1 is none (the choice was abandoned).
struct QuadrantPicker {
    std::string Caption;
    std::array<bool, 64> Enabled = [] {
        std::array<bool, 64> all{};
        all.fill(true);
        return all;
    }();
    int Selected = -1;
};

}  // namespace kv
