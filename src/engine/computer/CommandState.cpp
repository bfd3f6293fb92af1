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
    ColourCommandButton(look[CommandButton::cmdNAV], d[kWarpEngines], true);
    ColourCommandButton(look.TargetCalculator, d[kWarpEngines], true);
    ColourCommandButton(look.DockAtStarbase, d[kWarpEngines], false);
    ColourCommandButton(look[CommandButton::cmdSRS], d[kShortRangeSensors], true);
    ColourCheckBox(look.AutoShields, CombinedDamage(d[kShields], d[kShortRangeSensors]));
    ColourCheckBox(look.AutoLRS, d[kLongRangeSensors]);
    ColourCommandButton(look[CommandButton::cmdLRS], d[kLongRangeSensors], false);
    ColourCommandButton(look[CommandButton::cmdPHA], d[kPhasers], false);
    ColourCommandButton(look.PhaserFire, d[kPhasers], false);
    ColourCommandButton(look[CommandButton::cmdTOR], d[kTorpedoes], false);
    ColourCommandButton(look[CommandButton::cmdPRO], d[kTorpedoes], false);
    ColourCommandButton(look.TorpedoFire, d[kTorpedoes], false);
    ColourCommandButton(look[CommandButton::cmdSHE], d[kShields], false);
    ColourCommandButton(look[CommandButton::cmdDAM], d[kDamageControl], true);
    ColourCommandButton(look[CommandButton::cmdCOM], d[kComputer], false);
    // The automatic shields hold back while their box shows damage.
    s.ComAutoShieldsColor = look.AutoShields.ForeColor;

    look.TargetCalculatorPanel = d[kWarpEngines] < kOutOfAction;
    look.PhaserModePanel = d[kTorpedoes] < kOutOfAction;
    look.MinShieldLine = CombinedDamage(d[kShortRangeSensors], CombinedDamage(d[kShields], d[kComputer])) == 0;
    if (d[kComputer] >= kOutOfAction) g.host.HideForm(Form::frmCOM);
    g.host.Refresh(View::CommandState);
}

}  // namespace kv
