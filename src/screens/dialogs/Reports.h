#pragma once
// The report windows: the damage report frmDamageReport (a click on a row sends energy into
// that system's repair), the starbase and hostile-ship reports frmBaseReport and
// frmZarvoniReport, and the general report frmGeneralReport (its upgrade labels explain
// themselves). Their rows are filled by the display updaters (engine/computer/Displays.h);
// here are the windows' own handlers and placement.
#include <functional>
#include <string>

#include "screens/Placement.h"
#include "state/Game.h"

namespace kv {

// ---- Damage report ---------------------------------------------------------------------------
// Loading: each row's number (" 1" .. " 8") and system name.
void DamageReportLoad(Game& g);
// On a screen wider than 801 pixels the report stands right of the status window at the bottom
// of the screen; otherwise it is centred.
WindowPosition DamageReportPosition(long screenWidth, long screenHeight, long screenWidthPixels, long statusLeft,
                                    long statusWidth, long width, long height);

// How row 0..7 is drawn: shown pressed (sunken) for its moment after a click, else raised for a
// damaged system, else flat with a single border; greyed when the system is out of action.
struct DamageRowLook {
    int edge = 0;  // PanelEdge
    bool singleBorder = false;
    bool enabled = true;
    std::string number, name, figure;
    bool operator==(const DamageRowLook&) const = default;
};
DamageRowLook PaintDamageRow(const Game& g, int row);

// What the energy-transfer dialog frmDAM is filled with for a repair: its scroll bar's
// maximum, the energy on board as text and the system's name.
struct RepairTransferRequest {
    Long maximum = 0;
    std::string energy, system;
};
// Shows frmDAM modally for the request and returns the text of its amount box (txtPower).
using RepairTransferDialog = std::function<std::string(const RepairTransferRequest&)>;

// A click on row 0..7 (or on its name or figure). Only while the rows respond
// (DamageReportMode, the damage-control choice, is not 0) and the row is not shown pressed:
// the system is chosen (DamageReportMode = row + 1), the row shows pressed for 0.05 s, and
// energy goes into its repair through `dialog`: at most what a full repair needs (100 a unit
// of damage) while damage control works, else all the energy, never more than there is. Every
// 100 units remove 1.0 of damage, cut down to hundredths; a repaired system is reported
// (message slot 3, DREPORT0002) and the displays follow (the short-range scan is drawn again
// for its sensors, the shields are set again for sensors, shields and computer). A working
// system gets DREPORT0001; a cancelled or zero amount changes nothing.
void DamageReportClick(Game& g, int row, const RepairTransferDialog& dialog);
// The energy-transfer dialog as the damage report runs it: filled for the system chosen
// (DamageReportMode), shown modally, its amount as text.
RepairTransferDialog RepairThroughTransferDialog(Game& g);

// ---- Starbase and hostile-ship reports ---------------------------------------------------------
// On a screen narrower than 801 pixels both are centred; otherwise both stand at the right edge,
// the hostile-ship report at half the screen's height less two thirds of its own, the starbase
// report right above it.
struct ReportPositions {
    WindowPosition bases, hostiles;
};
ReportPositions BaseAndZarvoniReportPositions(long screenWidth, long screenHeight, long screenWidthPixels,
                                              long baseWidth, long baseHeight, long hostileWidth, long hostileHeight);

// ---- General report ----------------------------------------------------------------------------
// On a screen wider than 801 pixels the report stands right of the damage report at the bottom
// of the screen; otherwise it is centred.
WindowPosition GeneralReportPosition(long screenWidth, long screenHeight, long screenWidthPixels, long damageLeft,
                                     long damageWidth, long width, long height);
// The explanation of upgrade label 1..5: "(level) " and the upgrade's figures; "" for any other
// label.
std::string UpgradeExplanation(Game& g, int index);
// What upgrade label 1..5 shows: its initials, its fill (the button face for -1), its border and
// a text colour that reads on the fill (white on a dark one, else black); colours 0xBBGGRR.
struct UpgradeIndicatorLook {
    std::string caption;
    Long fill = 0, border = 0, text = 0;
    bool operator==(const UpgradeIndicatorLook&) const = default;
};
UpgradeIndicatorLook PaintUpgradeIndicator(const GameState& s, int index);
// The condition box of the general report: its caption and its colours (0xBBGGRR).
struct ConditionLook {
    std::string caption;
    Long back = 0, text = 0;
    bool operator==(const ConditionLook&) const = default;
};
ConditionLook PaintCondition(const GameState& s);

// A click on upgrade label 1..5: its explanation as a notice.
void UpgradeLabelClick(Game& g, int index);
// A click on the upgrades panel: the list of the upgrades above the standard level.
void UpgradesPanelClick(Game& g);

}  // namespace kv
