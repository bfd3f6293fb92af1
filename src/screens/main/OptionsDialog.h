#pragma once
// The options dialog frmOptions over the option settings of the current configuration
// (Game::options, state/Options.h): Apply carries them into the running game, OK also stores
// them, and Cancel goes back to the copy ("Temp") the dialog stored when it came up. Its own
// controls are Game::screens.options; the window shows both and calls the handlers below.
#include <string>

#include "state/Game.h"

namespace kv {

// Carries the dialog's state into the running game: the message log's font and colours, sound,
// the command-bar layout (a custom count becomes the next divisor of 12, at least 1), the
// report windows (not while the main menu shows), the background, the themed dialogs, the
// message switches 0..16, keeping the technology level (a cleared box clears it at once) and
// the short-range scan's pictures and drawing.
void ApplySettings(Game& g);

// ---- Window events ---------------------------------------------------------------------------
// Loading: sound only with a sound device, the configuration label, a picture-quality choice
// only where its ICONS picture exists, and the help page.
void OptionsLoad(Game& g);
// Each activation: the configuration label, then the settings and library options stored as
// "Temp" for Cancel.
void OptionsActivate(Game& g);
// OK: apply, store under the configuration label's name, hide.
void OptionsOK(Game& g);
// Apply: apply only; the dialog stays.
void OptionsApply(Game& g);
// Cancel: the settings of "Temp" come back and are applied (the library options stay as they
// are); while a game runs the report windows follow the report boxes again; the dialog hides.
void OptionsCancel(Game& g);

// ---- Controls --------------------------------------------------------------------------------
// The command-bar buttons: 0 one row of 12, 1 three per row, 2 a custom count.
void OptionsCommandBarClick(Game& g, int layout);
// The custom count's spinner: down (-1) or up (+1) through 1, 2, 3, 4, 6, 12.
void OptionsWidthStep(Game& g, int direction);
// The font preview's spinner: by 1 between 8 and 12, by 2 from 12 to 24.
void OptionsFontSizeStep(Game& g, int direction);
// A message box (slot 0..16) took `value`; the all-button's caption (and what it does next)
// follows whether every box is checked.
void OptionsMessageClick(Game& g, int slot, int value);
// The all-button: checks every message box, or clears them all when it did so last.
void OptionsAllClick(Game& g);
// The configuration-by-name box took `value`. Only while the dialog shows and the player is
// not called "General": asks whether to keep the choice (OPTIONS0004; Yes stores it in
// "General"), shows the configuration now in use, and on Yes while a game runs loads it.
void OptionsNameConfigClick(Game& g, int value, bool dialogVisible);
// The colour buttons: 0 the message log's background, 1 its text, 2 the background behind the
// windows. The colour picker starts at the swatch's colour; Cancel changes nothing.
void OptionsPickColour(Game& g, int which);
// The background picture the player picked (its full path).
void OptionsPictureChosen(Game& g, const std::string& path);
// The description button is enabled while a description file (the picture's path with "nfo"
// for the last three characters) exists; its Tag holds that file.
void UpdateInfoButton(Game& g);
// The description button: the description file's lines as one notice.
void OptionsInfoClick(Game& g);
// The clear button: the message log is emptied.
void OptionsClearLog(Game& g);

// ---- Arithmetic of the spinners and the custom layout ---------------------------------------
// The font size one step down or up from `size` (its whole part counts).
int FontSizeStep(double size, int direction);
// The custom count one step down or up from the number at the start of `text`.
int CustomWidthStep(const std::string& text, int direction);
// The custom count Apply uses: the number at the start of the text, at least 1, raised to the
// next divisor of 12, at most 12.
int CustomWidth(const std::string& text);

}  // namespace kv
