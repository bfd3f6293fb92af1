#pragma once
// The command dialogs' controls, kept as game data (not saved): the windows show these and call
// the core's handlers (src/screens/dialogs/), which read and change them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/PlaySurface.h"

namespace kv {

using Integer = int16_t;
using Long = int32_t;

// The shield dialog (frmSHE).
struct ShieldDialogData {
    std::string txtShields = "0";  // the level as typed; Accept reads it
    std::string BarTag = "0";      // pnlShieldBar's fill in percent of MaxShields
    // The bar's inner height in its own units (the window sets it when it lays the bar out) and
    // the top of the drag line inside it.
    int BarHeight = 200;
    int DragLineTop = 198;
    bool AutoEnabled = true;  // cmdAuto
    bool DragOver = false;    // something is dragged over the bar (button-shadow background)
};

// The energy-transfer dialog (frmDAM): vsbPower runs inverted, amount = Max - Value.
struct TransferDialogData {
    Long Max = 1;  // the largest amount allowed
    Long Value = 0;
    std::string txtPower = "0";  // the amount as text; "0" after Cancel
    std::string lblEnergy;       // the ship's free energy
    std::string lblSystem;       // the system being repaired
};

// A fire plan dialog's list and buttons (frmPHA, frmTOR); the plan itself is GameState's
// PhaserPlan or TorpedoPlan, `Selected` runs beside it (an entry past its end is unselected).
struct FirePlanDialogData {
    std::vector<bool> Selected;
    std::string SelectAllTag = "0";  // "0": the next click selects all; "1": deselects all
    std::string SelectAllCaption;
    bool KillEnabled = false, DisableEnabled = false, OtherEnabled = false;  // the phaser dialog's
    bool AutoTargetEnabled = true;
    bool SwitchClassVisible = false;  // the torpedo dialog's class switch
};

// The Morv report's typing (frmMorvReport): each label's caption grows towards its tag
// (GameState::MorvReportTag) one character a tick.
struct MorvReportData {
    std::array<std::string, 12> Caption{};
    bool Stop = false;  // tmrAnim's tag "STOP": the next tick empties and hides the report
    Integer Highest = 0, Run = 0, Label = 0, Chars = 0;  // run: 0 to start, -1 typing, 7 done
};

// The library options dialog beyond the option values (GameState's Lib… members): the tab
// selected (1 shields, 2 torpedoes, 3 phasers, as the tab captions name them) and the warning
// that nothing is saved under "General".
struct LibOptionsDialogData {
    int Tab = 1;
    bool WarningVisible = false;
};

// One line of the star list, with the system's position and number kept beside the text (a
// name may hold any character).
struct StarListRow {
    std::string Text;
    int QuadRow = 0, QuadCol = 0, SectorRow = 0, SectorCol = 0;
    int System = 0;  // 1..4 within its quadrant
};

// The star list (frmStars).
struct StarListData {
    std::vector<StarListRow> Rows;
    bool ByName = true;  // optAlph set (else optLoc)
};

}  // namespace kv
