#pragma once
// The new-game difficulty dialog frmDifficulty: while a game runs, the next game's name, skill,
// length, mission type and upgrades are chosen here (with no game running the main menu's own
// panel does it). Its state is Game::screens.difficulty; the window shows it and calls the
// handlers below. The bars run inverted as on the menu: skill = 11 - value, length = Max + 1 -
// value.
#include <string>

#include "state/Game.h"
#include "state/ScreenData.h"

namespace kv {

// The inverted bars of both new-game panels (this dialog's and the main menu's): a skill bar at
// `value` gives skill 11 - value, a length bar Max + 1 - value; the label shows the number as
// Str writes it.
void SkillBarChanged(Game& g, ScrollBarState& bar, std::string& label, int value);
void LengthBarChanged(Game& g, ScrollBarState& bar, std::string& label, int value);

// Each showing: the controls take the game's choices; above skill 10 the skill bar is hidden
// (the skill stays).
void DifficultyActivate(Game& g);
void DifficultySkillChange(Game& g, int value);
void DifficultyLengthChange(Game& g, int value);
void DifficultyMissionTypeChange(Game& g, int index);
void DifficultyUpgradesClick(Game& g, int value);
void DifficultyNameChange(Game& g, const std::string& text);
// OK: true when the dialog closes. A name of blanks only is refused (DIFFCLTY0001, the focus
// to the name box); otherwise the name is stored among the configuration names and the skill
// bar shows again the next time.
bool DifficultyOK(Game& g);

}  // namespace kv
