#include "screens/dialogs/Reports.h"

#include <algorithm>

#include "engine/computer/AutoShields.h"
#include "engine/computer/Displays.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Condition.h"
#include "engine/turn/Upgrades.h"
#include "screens/dialogs/TransferDialog.h"
#include "screens/main/Panel.h"
#include "state/DisplayData.h"
#include "state/Numeric.h"

namespace kv {

void DamageReportLoad(Game& g) {
    for (int i = 0; i < 8; ++i) {
        DamageRow& row = g.displays.damage.Rows[static_cast<size_t>(i)];
        row.Number = " " + CStr(static_cast<long long>(i + 1));
        row.Name = g.st.SystemNames[static_cast<size_t>(i + 1)];
    }
    g.host.Refresh(View::DamageReport);
}

DamageRowLook PaintDamageRow(const Game& g, int row) {
    if (row < 0 || row > 7) return {};
    const DamageRow& r = g.displays.damage.Rows[static_cast<size_t>(row)];
    DamageRowLook look;
    look.edge = r.Pressed ? kEdgeSunken : r.Raised ? kEdgeRaised : kEdgeNone;
    look.singleBorder = look.edge == kEdgeNone;
    look.enabled = r.Enabled;
    look.number = r.Number;
    look.name = r.Name;
    look.figure = r.Figure;
    return look;
}

RepairTransferDialog RepairThroughTransferDialog(Game& g) {
    return [&g](const RepairTransferRequest& request) {
        return CStr(static_cast<long long>(RunTransferDialog(g, request.maximum, g.st.DamageReportMode)));
    };
}

WindowPosition DamageReportPosition(long screenWidth, long screenHeight, long screenWidthPixels, long statusLeft,
                                    long statusWidth, long width, long height) {
    if (screenWidthPixels > 801) return {statusLeft + statusWidth, screenHeight - height};
    return CentredOnScreen(screenWidth, screenHeight, width, height);
}

void DamageReportClick(Game& g, int row, const RepairTransferDialog& dialog) {
    GameState& s = g.st;
    if (row < 0 || row > 7 || s.DamageReportMode == 0) return;
    DamageRow& shown = g.displays.damage.Rows[static_cast<size_t>(row)];
    if (shown.Pressed) return;
    s.DamageReportMode = static_cast<Integer>(row + 1);
    shown.Pressed = true;
    g.host.Refresh(View::DamageReport);
    Pause(g, 0.05);
    shown.Pressed = false;
    g.host.Refresh(View::DamageReport);

    const int sys = s.DamageReportMode;
    if (sys < 1 || sys > 8 || g.host.IsFormVisible(Form::frmDAM)) return;
    UpdateDamageReport(g);
    Single& damage = s.SystemDamage[static_cast<size_t>(sys)];
    if (damage <= 0) {
        MessageBox(g, -1, g.Text("DREPORT0001"), kOKOnly);
        return;
    }
    // A full repair needs 100 a unit of damage while damage control works.
    long long most = s.SystemDamage[kDamageControl] <= 0 ? CInt(static_cast<double>(damage) * 100) : s.ShipEnergy;
    most = std::min<long long>(most, s.ShipEnergy);
    if (most < 0) most = 0;
    RepairTransferRequest request{Clamp32(most), CStr(static_cast<long long>(s.ShipEnergy)),
                                  s.SystemNames[static_cast<size_t>(sys)]};
    long long amount = dialog ? CInt(Val(dialog(request))) : 0;
    if (amount < 1) return;
    // A dialog never offers more; the bound also holds for one that would.
    amount = std::min<long long>(amount, request.maximum);
    if (amount < 1) return;

    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) - amount);
    damage = static_cast<Single>(Int((static_cast<double>(damage) - amount / 100.0) * 100) / 100);
    if (damage <= 0) {
        damage = 0;
        MessageBox(g, 3, s.SystemNames[static_cast<size_t>(sys)] + g.Text("DREPORT0002"), kOKOnly);
        UpdateCommandState(g);
        UpdateDamageReport(g);
        UpdateGeneralReport(g);
        UpdateZarvoniReport(g);
        if (sys == kShortRangeSensors) SRS(g);
        if (sys == kShortRangeSensors || sys == kShields || sys == kComputer) RaiseLowerShields(g, 0);
    }
    UpdateDamageReport(g);
}

ReportPositions BaseAndZarvoniReportPositions(long screenWidth, long screenHeight, long screenWidthPixels,
                                              long baseWidth, long baseHeight, long hostileWidth, long hostileHeight) {
    if (screenWidthPixels < 801)
        return {CentredOnScreen(screenWidth, screenHeight, baseWidth, baseHeight),
                CentredOnScreen(screenWidth, screenHeight, hostileWidth, hostileHeight)};
    const long hostileTop = screenHeight / 2 - 2 * (hostileHeight / 3);
    return {{screenWidth - baseWidth, hostileTop - baseHeight}, {screenWidth - hostileWidth, hostileTop}};
}

WindowPosition GeneralReportPosition(long screenWidth, long screenHeight, long screenWidthPixels, long damageLeft,
                                     long damageWidth, long width, long height) {
    if (screenWidthPixels > 801) return {damageLeft + damageWidth, screenHeight - height};
    return {screenWidth / 2 - width / 2, screenHeight / 2 - height / 2};
}

std::string UpgradeExplanation(Game& g, int index) {
    const GameState& s = g.st;
    if (index < 1 || index > 5) return "";
    auto T = [&](const char* key) { return g.Text(key); };
    auto plain = [](long long v) { return CStr(v); };
    std::string text = "(" + plain(s.UpgradeTable[static_cast<size_t>(index)]) + ") ";
    switch (index) {
        case 1: text += T("GREPORT0001") + Str(static_cast<long long>(s.MaxEnergy)) + T("GREPORT0002"); break;
        case 2: text += T("GREPORT0003") + Format(s.ShieldFactor, "0%") + T("GREPORT0004"); break;
        case 3:
            if (s.TorpedoClass2Power < 2)
                text += T("GREPORT0008");
            else
                text += T("GREPORT0005") + Str(s.TorpedoStockClass2) + T("GREPORT0006") + plain(s.TorpedoClass2Power) +
                        T("GREPORT0007");
            break;
        case 4:
            text += T("GREPORT0009") +
                    Str(Clamp16(static_cast<long long>(s.MaxTorpedoesClass1) + s.MaxTorpedoesClass2)) +
                    T("GREPORT0010");
            if (s.MaxTorpedoesClass2 > 0)
                text += s.NewLine + "(" + plain(s.MaxTorpedoesClass2) + T("GREPORT0011") + plain(s.TorpedoClass2Power) +
                        T("GREPORT0012") + ")";
            break;
        case 5: text += T("GREPORT0013") + Str(s.LRSRange) + "."; break;
        default: break;
    }
    return text;
}

UpgradeIndicatorLook PaintUpgradeIndicator(const GameState& s, int index) {
    if (index < 1 || index > 5) return {};
    const size_t i = static_cast<size_t>(index);
    UpgradeIndicatorLook look;
    look.caption = s.UpgradeInitials[i - 1];
    look.fill = s.UpgradeFillColor[i] == -1 ? PaletteColor(7) : s.UpgradeFillColor[i];
    look.border = s.UpgradeBorderColor[i];
    const long r = look.fill & 0xFF, gr = (look.fill >> 8) & 0xFF, b = (look.fill >> 16) & 0xFF;
    look.text = r * 299 + gr * 587 + b * 114 < 110000 ? 0xFFFFFF : 0;
    return look;
}

ConditionLook PaintCondition(const GameState& s) {
    return {s.ConditionCaption, PaletteColor(s.ConditionColour), PaletteColor(s.ConditionTextColour)};
}

void UpgradeLabelClick(Game& g, int index) {
    const std::string text = UpgradeExplanation(g, index);
    if (!text.empty()) MessageBox(g, -1, text, kOKOnly);
}

void UpgradesPanelClick(Game& g) { DescribeUpgrade(g, false); }

}  // namespace kv
