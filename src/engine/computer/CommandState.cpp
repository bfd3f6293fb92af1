#include "engine/computer/Displays.h"

namespace kv {
namespace {

constexpr Single kOutOfAction = 7.0f;

void ColourCommandButton(ButtonLook& button, Single damage, bool strong) {
    button.BackColor = damage > 0 ? (strong ? 12 : 4) : kButtonFace;
    button.Enabled = damage < kOutOfAction;
}

void ColourCheckBox(CheckBoxLook& box, Single damage) {
    box.ForeColor = damage > 0 ? 12 : 0;
    box.Enabled = damage < kOutOfAction;
}

}  // namespace

Single CombinedDamage(Single first, Single second) {
    if (first >= kOutOfAction || second >= kOutOfAction) return kOutOfAction;
    if (first > 0 || second > 0) return 0.1f;
    return 0;
}

void UpdateCommandState(Game& g) {
    GameState& s = g.st;
    CommandStateLook& look = s.CommandLook;
    const auto& d = s.SystemDamage;
    ColourCommandButton(look[CommandButton::cmdNAV], d[1], true);
    ColourCommandButton(look.TargetCalculator, d[1], true);
    ColourCommandButton(look.DockAtStarbase, d[1], false);
    ColourCommandButton(look[CommandButton::cmdSRS], d[2], true);
    ColourCheckBox(look.AutoShields, CombinedDamage(d[6], d[2]));
    ColourCheckBox(look.AutoLRS, d[3]);
    ColourCommandButton(look[CommandButton::cmdLRS], d[3], false);
    ColourCommandButton(look[CommandButton::cmdPHA], d[4], false);
    ColourCommandButton(look.PhaserFire, d[4], false);
    ColourCommandButton(look[CommandButton::cmdTOR], d[5], false);
    ColourCommandButton(look[CommandButton::cmdPRO], d[5], false);
    ColourCommandButton(look.TorpedoFire, d[5], false);
    ColourCommandButton(look[CommandButton::cmdSHE], d[6], false);
    ColourCommandButton(look[CommandButton::cmdDAM], d[7], true);
    ColourCommandButton(look[CommandButton::cmdCOM], d[8], false);
    // The automatic shields hold back while their box shows damage.
    s.ComAutoShieldsColor = look.AutoShields.ForeColor;

    look.TargetCalculatorPanel = d[1] < kOutOfAction;
    look.PhaserModePanel = d[5] < kOutOfAction;
    look.MinShieldLine = CombinedDamage(d[2], CombinedDamage(d[6], d[8])) == 0;
    if (d[8] >= kOutOfAction) g.host.HideForm(Form::frmCOM);
    g.host.Refresh(View::CommandState);
}

}  // namespace kv
