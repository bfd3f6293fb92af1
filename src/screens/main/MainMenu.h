#pragma once
// The main menu frmMenu: its Game and Help items, the new-game panel (name, skill, length,
// mission type, upgrades, technology level), the timed save, the bonus and the break of the
// skill bar, and debug mode. Its state is Game::screens.menu; the window shows it and calls
// the handlers below. The New game item itself is screens/main/NewGame.h.
//
// The player's name typed here is the game's ConfigName (it also names the configuration);
// the form of address printed before it is the game's CaptainName.
#include <string>

#include "state/FileDialogSetup.h"
#include "state/Game.h"

namespace kv {

// ---- Window events ---------------------------------------------------------------------------
// Loading: the skill label and SkillLevel from the skill bar, the New game caption (MENU0001),
// the skill bar enabled while the skill is 10 or less, Save disabled, the timed save's timer on.
void MenuLoad(Game& g);
// Each activation: the panel takes the game's choices; while a game runs the panel is locked,
// Save and End mission are enabled, Options disabled and the panel's button returns to the
// game (MENU0007); otherwise it starts a new game (MENU0001). A game whose final report asked
// for the skill bar's break is no longer running.
void MenuActivate(Game& g);
// The close box: while a game runs, back to the game; otherwise the program ends (QuitGame
// asks its own question).
void MenuCloseBox(Game& g);
// The panel's button: a new game while none runs, else back to the game (the windows'
// visibility is remembered in FormVisible and the menu hides).
void MenuNewClose(Game& g);

// ---- The new-game panel ------------------------------------------------------------------
// The name box: ConfigName follows it; while no game runs a broken skill bar is mended.
void MenuNameChange(Game& g, const std::string& text);
void MenuSkillChange(Game& g, int value);   // SkillLevel = 11 - value
void MenuLengthChange(Game& g, int value);  // GameLength = Max + 1 - value
void MenuMissionTypeChange(Game& g, int index);
void MenuUpgradesClick(Game& g, int value);
// The technology level spinner: one step down (-1) or up (+1), within 1..9; TechLevel follows.
void MenuMaxUpStep(Game& g, int direction);

// ---- Game and Help items -----------------------------------------------------------------
// Load (also the command bar's Load): a name must be typed; a running game with unsaved
// changes is offered a save first (MENU0004), and a Cancel there, a cancelled file dialog or a
// failed save leaves the game as it was. A game loaded under another name asks which name to
// keep (MENU0005/MENU0006). A file the load refuses leaves a running game going as it was.
// Then the configuration is loaded and the menu activated again.
// Nothing happens while the skill bar's break runs. Returns false when a file was chosen and
// the load refused it.
bool MenuLoadGame(Game& g);
// Save (also the command bar's Save): a name must be typed; the game is saved under the name
// the file dialog gives. Nothing happens while the break runs or when no game runs.
void MenuSaveGame(Game& g);
// End mission: the menu hides and the game ends with its final report.
void MenuEndMission(Game& g);
// Options: the options dialog, modal, edits the configuration "General".
void MenuOptions(Game& g);
// Exit: the program ends (QuitGame asks while a game runs).
void MenuExit(Game& g);
// Help: item 0 (the help item) opens our help page at its start, items 1..3 (the help-type
// items) at its sections on playing, the commands and the keys. Without a help page the
// player is told so.
void MenuHelp(Game& g, int item);
// About: the about window.
void MenuAbout(Game& g);

// The help page beside the program ("kestrava.html", found without regard to case), "" when
// it is missing.
std::string HelpPagePath(const Game& g);

// ---- Timed save (tmrSavedGame, every second) ---------------------------------------------
// While a game runs, every 300th tick saves it as TIMESAVE (the save name the player chose is
// kept) under a note (MENU0084); when the note cannot be shown the save waits 5 ticks. The
// indicator's bar grows as the next save comes near.
void TimedSaveTick(Game& g);
// A click on the indicator explains the timed save.
void TimedSaveClick(Game& g);

// ---- Bonus and break (tmrBreak) ----------------------------------------------------------
// A click on the bonus labels: the skill bar goes to its top, the hand appears and the break
// timer starts (100 ms). Nothing once the bar is broken.
void BonusClick(Game& g);
// A tick of the break: the hand moves left 120 twips a tick until it reaches 1260 and hides;
// then the bar falls one step a tick until it breaks (BREAK.WAV, the broken picture, the bar
// disabled, 500 ms); on the next tick the skill becomes 20 with MENU0082 and MENU0083.
void BreakTick(Game& g);

// ---- Debug mode ----------------------------------------------------------------------------
// The name label: with "/DEBUG" on the command line and debug mode off, the hidden code box
// opens empty.
void MenuNameLabelClick(Game& g);
// The code box's text changed: an empty box forgets the code typed.
void PassWordChange(Game& g, const std::string& text);
// A character typed into the code box: Backspace takes the last one back, Enter closes the
// box, "*" tries the code (any letter case), other printable characters are added (shown as
// "*"). The right code switches debug mode on and shows the debug panel.
void PassWordKeyPress(Game& g, int code);
enum class DebugBox { CaptureAll, LengthIncrease, ShowCloak, ShowStars, UpgradeAll };
// A debug check box took `value` (0 or 1): its flag follows (a checked box says so); the
// length box allows game lengths up to 9 (and, while a game runs, moves the length bar to its
// new top).
void DebugBoxClick(Game& g, DebugBox box, int value);
// The right mouse button on the upgrade-all box: while a game runs and the Morv have not set
// out yet, they set out in 3 turns.
void UpgradeAllRightClick(Game& g);

// ---- Shared with the new game ---------------------------------------------------------------
// FormVisible 1..31 from the windows' visibility.
void RememberFormVisibility(Game& g);
// The configuration of the player's name, or "General" when configurations by name are off,
// into the options' configuration label; then that configuration is loaded.
void LoadPlayerConfiguration(Game& g);

}  // namespace kv
