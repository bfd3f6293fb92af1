#pragma once
// The command bar (frmCommands): what its eleven command buttons, its game button's pop-up menu
// and its keys do to the game. The window calls these from its handlers and, after each, gives
// the keyboard focus to its hidden cmdScapeGoat (after PRO, DES and HYP only while a game still
// runs), so that no command button keeps it.
#include <array>
#include <optional>

#include "state/Game.h"

namespace kv {

// True when a command does not respond: its button is disabled, or its face shows damage (any
// colour but the button face). The command-state colours (GameState::CommandLook) decide it.
bool ButtonIsOff(const GameState& s, CommandButton button);

// Runs a command button's click: the tests of the command (a command that does not respond
// plays NOTRESP.WAV and does nothing), then its window or its engine procedure. cmdGame does
// nothing here: its window pops its menu up under the button.
void RunCommand(Game& g, CommandButton button);

// What a key typed on the command bar does: "1".."9" the commands NAV .. PRO, Escape the quit
// item, "g" (lower case only) the game menu. Nothing for any other character.
enum class KeyAction { None, Command, Quit, GameMenu };
struct CommandKey {
    KeyAction action = KeyAction::None;
    CommandButton button = CommandButton::cmdGame;  // for KeyAction::Command
};
CommandKey CommandForKey(int keyAscii);

// The key press: a command key runs its command when its button is enabled and plays
// ERROR.WAV when it is not; Escape runs the quit item. Returns the key's action; for GameMenu
// the window pops the menu up (as cmdGame's click does).
KeyAction CommandBarKeyPress(Game& g, int keyAscii);

// The items of the game button's pop-up menu, in their order (separators left out).
enum class PopupItem { mnuLoad, mnuSave, mnuMenu, mnuOptions, mnuHelp, mnuQuit };
inline constexpr std::array<PopupItem, 6> kPopupItems{PopupItem::mnuLoad,    PopupItem::mnuSave,
                                                      PopupItem::mnuMenu,    PopupItem::mnuOptions,
                                                      PopupItem::mnuHelp,    PopupItem::mnuQuit};
const char* Name(PopupItem item);
// Runs a pop-up item:
//  - mnuLoad: the main menu's Load (MenuLoadGame: the name check, the save offered first, the
//    question which name to keep, the player's configuration), then the end-of-action refresh
//    unless the load refused its file (the running game goes on untouched); with no game
//    running then, the main menu as for mnuMenu;
//  - mnuSave: the main menu's Save (MenuSaveGame);
//  - mnuMenu: the main menu, modally; when it closes without the final report showing, the
//    return from the menu and the end-of-action refresh;
//  - mnuOptions: shows the options window;
//  - mnuHelp: the help page at its start (as the main menu's help item);
//  - mnuQuit: CommandBarQuit.
void RunPopupItem(Game& g, PopupItem item);

// The quit item (and Escape). A changed running game asks COMMANDS0017 (Yes, No, Cancel): Yes
// asks for a name and saves, then ends the program; a cancelled file dialog or a failed save
// returns to the game, so nothing unsaved is lost without a No. No ends the program at once;
// Cancel returns to the game. Otherwise QuitGame asks its own question while a game runs.
void CommandBarQuit(Game& g);

// The bar's activation: the debug switch that captures every ship drains the Zarvoni ships'
// energy; the damage report lets the player pick the next repair while damage control works.
void CommandBarActivate(Game& g);
// A click on the bar's background: the hint COMMANDS0019 / COMMANDS0020.
void CommandBarClick(Game& g);

// ---- The bar's layout ------------------------------------------------------------------------
// The twelve buttons of one size in a grid of `columns` columns (a divisor of 12), filled row by
// row in CommandButton order; neighbours overlap by one pixel, so their borders coincide, and a
// later button lies over the shared edge of an earlier one. Units are twips.
struct CommandBarGeometry {
    int columns = 12, rows = 1;
    long outerWidth = 0, outerHeight = 0;  // the window's new outer size
    // Each button's left and top edge, by CommandButton; place them in this order, each brought
    // to the front as it is placed.
    std::array<long, kCommandButtons> left{}, top{};
};
// `cellWidth`, `cellHeight`: cmdGame's size; `pixel`: the screen's twips per pixel; `frameWidth`,
// `frameHeight`: the window's outer size less its inner size. A column count below 1 counts as 1.
CommandBarGeometry ArrangeCommandBar(int columns, long cellWidth, long cellHeight, int pixel, long frameWidth,
                                     long frameHeight);

}  // namespace kv
