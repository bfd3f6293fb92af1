#include "screens/main/DifficultyDialog.h"

#include <algorithm>

#include "platform/Strings.h"
#include "state/Configs.h"
#include "state/Numeric.h"
#include "state/ScreenData.h"

namespace kv {
namespace {

DifficultyData& Dialog(Game& g) { return g.screens.difficulty; }

int InRange(const ScrollBarState& bar, int value) { return std::clamp<int>(value, bar.Min, bar.Max); }

}  // namespace

void DifficultyActivate(Game& g) {
    GameState& s = g.st;
    DifficultyData& d = Dialog(g);
    if (s.SkillLevel <= 10)
        DifficultySkillChange(g, InRange(d.vsbSkill, 11 - s.SkillLevel));
    else
        d.vsbSkill.Visible = false;
    DifficultyLengthChange(g, InRange(d.vsbLength, d.vsbLength.Max + 1 - s.GameLength));
    d.txtName = s.ConfigName;
    d.chkUpgrades = s.UpgradesOn ? 1 : 0;
    d.cboMissionType = s.MissionType;
}

void SkillBarChanged(Game& g, ScrollBarState& bar, std::string& label, int value) {
    bar.Value = static_cast<Integer>(value);
    label = Str(11 - value);
    g.st.SkillLevel = static_cast<Integer>(11 - value);
}

void LengthBarChanged(Game& g, ScrollBarState& bar, std::string& label, int value) {
    bar.Value = static_cast<Integer>(value);
    const int length = bar.Max + 1 - value;
    label = Str(length);
    g.st.GameLength = static_cast<Integer>(length);
}

void DifficultySkillChange(Game& g, int value) {
    SkillBarChanged(g, Dialog(g).vsbSkill, Dialog(g).lblSkillLevel, value);
}

void DifficultyLengthChange(Game& g, int value) {
    LengthBarChanged(g, Dialog(g).vsbLength, Dialog(g).lblGameLength, value);
}

void DifficultyMissionTypeChange(Game& g, int index) {
    Dialog(g).cboMissionType = static_cast<Integer>(index);
    g.st.MissionType = static_cast<Integer>(index);
}

void DifficultyUpgradesClick(Game& g, int value) {
    Dialog(g).chkUpgrades = static_cast<Integer>(value);
    g.st.UpgradesOn = ToFlag(value != 0);
}

void DifficultyNameChange(Game& g, const std::string& text) {
    Dialog(g).txtName = text;
    g.st.ConfigName = text;
}

bool DifficultyOK(Game& g) {
    DifficultyData& d = Dialog(g);
    g.st.ConfigName = Trim(g.st.ConfigName);
    d.txtName = g.st.ConfigName;
    if (d.txtName.empty()) {
        MessageBox(g, -1, g.Text("DIFFCLTY0001"));
        g.screens.Focus = "txtName";
        return false;
    }
    SaveConfigNames(g, g.st.ConfigName);
    d.vsbSkill.Visible = true;
    return true;
}

}  // namespace kv
