#pragma once
// The player's option settings, kept per named configuration in the settings store under
// "KestravaforWindows9x\Configs" (one section per configuration). OptionSettings is the plain
// data behind the options window: its check boxes, option buttons, colour swatches, the
// message-log font, the background picture and the positions of the game windows. The options
// window only shows and edits it; the option globals (SoundOn, KeepTech, SRSPicQual,
// SRSDrawOption, BackgroundPicture, UseQuietDialogs, MessageSuppressed) live in the game.
#include <array>
#include <string>

#include "state/GameState.h"

namespace kv {

struct Game;

inline constexpr const char* kConfigsApp = "KestravaforWindows9x\\Configs";
// The text the reader gets for a key that is not stored.
inline constexpr const char* kNotUsed = "Not Used";
// Number of message slots the options window switches (0..16).
inline constexpr int kOptionMessageSlots = 17;
// Window-table indices whose positions the settings keep (1 frmOutput .. 15 frmRetrofit).
inline constexpr int kSavedWindows = 15;
inline constexpr int kTwipsPerPixel = 15;
// The short-range scan's picture qualities, one option button and icon set each (0..3).
inline constexpr int kPictureQualities = 4;

// A window's left, top, width and height in twips.
struct WindowGeometry {
    Long Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const WindowGeometry&) const = default;
};

struct OptionSettings {
    // Check boxes hold 1 (checked) or 0; option buttons true when selected.
    Integer chkSound = 1;
    bool optColor = false, optPicture = false, optNone = true;  // background behind the windows
    Long lblColor = 0;                                          // background colour (0xBBGGRR)
    std::string CMDialogFileName;                               // full path of the background picture
    std::string lblPictureFile;                                 // the picture's file name without its folder
    Single lblPreviewSize = 10.0f;                              // message-log font size
    Integer chkBold = 0, chkItalics = 0;
    Long lblBackColor = 0xFFFFFF, lblForeColor = 0;           // message-log colours
    bool optLong = true, optTall = false, optCustom = false;  // command-bar layout
    std::string txtCustom = "12";                             // buttons per row of the custom layout
    Integer CommandBarColumns = 12;                           // the layout the command bar was last arranged with
    Integer chkSuppress = 0;                                  // themed dialogs with their sounds
    std::array<Integer, kOptionMessageSlots> chkMessage = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    Integer chkKeepTech = 0;
    Integer chkNotes = 0;                // keep the star-system notes per configuration
    Integer chkLarge = 0, chkCoord = 0;  // short-range scan: large pictures, coordinates
    Integer optSRSPic = 0;               // the chosen picture quality 0..3 (4: none chosen)
    Integer chkGeneral = 1, chkZarvoni = 1, chkDamage = 1, chkStarbase = 1;  // report windows
    Integer chkNameConfig = 0;                                               // a configuration per player name
    std::string lblConfigName = "General";
    // Window positions by window-table index 1..15 (entry 0 unused).
    std::array<WindowGeometry, kSavedWindows + 1> Window{};

    bool operator==(const OptionSettings&) const = default;
};

// Reads a configuration into the option data and the option globals and applies it to the
// running windows. A configuration not yet stored is first imported from the legacy settings
// file and saved. With applyBackground false the background window keeps its colour and
// visibility (a picture option still loads its picture).
void LoadSettings(Game& g, const std::string& config, bool applyBackground);

// Writes every key of the configuration from the option data and the option globals (and the
// star-system notes when chkNotes is checked).
void SaveSettings(Game& g, const std::string& config);

// ---- Shared with the legacy import ---------------------------------------------------------
// The command-bar column count for a "CommandBar" text: "Long" 12, "Tall" 3, "" 3, else the
// number rounded, raised to the next divisor of 12; 13 or more, and anything below 1, give 12.
int CommandBarValue(const std::string& text);
// Shows the column count in the option buttons and arranges the command bar.
void ApplyCommandBar(Game& g, int columns);
// "Messages": slot k (0..16) is shown exactly when character k+1 is "1".
void ApplyMessagesText(Game& g, const std::string& text);
// "Reports": each report check box is checked when its letter (G, Z, D, S) occurs.
void ApplyReportsText(OptionSettings& o, const std::string& text);
// Sets a check box from a "True"/"False" text; any other text leaves it as it was.
void ApplyCheckText(Integer& box, const std::string& text);
// Sets the option controls from the stored texts they share with the legacy settings file, in
// its key order: sound, background kind, background colour, picture, font size, bold, italics,
// log back and text colours, (9: command bar, not here), suppress, messages, keep technology.
void ApplyStoredOptionTexts(Game& g, const std::string* v);
// Sets a colour from its decimal text when it is a valid colour (0..0xFFFFFF).
void ApplyColorText(Long& color, const std::string& text);
// Keeps windows 1..last inside the screen (left and top at least 0, right and bottom edges
// on the screen), then asks the windows to take their positions.
void KeepWindowsOnScreen(Game& g, int last);
// The picture step of the background: loads the picture of an optPicture background and
// reports one that cannot be read with the texts of keys before / after around the path.
// True when no picture was needed or it loaded.
bool LoadBackgroundPictureOption(Game& g, const char* keyBefore, const char* keyAfter);
// The notice of a background picture that could not be loaded: `text` (which names it), and the
// system's reason on a line of its own when it gives one.
std::string PictureNotShownText(Game& g, const std::string& text);
// Applies the file name, the message-log font and colours and the option globals that follow
// from the check boxes (the closing steps of a load and of the import).
void ApplyClosingOptionSteps(Game& g);

}  // namespace kv
