#pragma once
// The context every engine procedure is given: the game state, the random generator, the
// settings store, the language lookup, the folders, the source of star systems and the host
// that stands for the windows. Nothing of a game lives outside it.
//
// The game also holds what its windows show (the status displays, the menu and dialogs, the
// exploration console), but this header only names those types: a file that shows something
// includes state/DisplayData.h, state/ScreenData.h or state/ConsoleState.h itself, and the
// engine's rules, which include none of them, cannot reach what a window shows.
#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "state/BackgroundWindow.h"
#include "state/BadWords.h"
#include "state/CommandLine.h"
#include "state/Configs.h"
#include "state/CosmeticRandom.h"
#include "state/GameState.h"
#include "state/NumberDialog.h"
#include "state/Options.h"
#include "state/Port.h"
#include "state/Random.h"
#include "state/StarSystemSource.h"
#include "text/Language.h"

namespace kv {

struct ConsoleState;
struct DisplayData;
struct ScreenData;

// The folders a game works with, each ending in "/". `program` holds the data files that come
// with the game (LANGUAGE, SOUNDS, PICTURES, SSDescriptor, SOLARSYS.TXT, aliens.txt); `config`
// the user's configuration folder (the legacy settings file); `savedGames` the user's saved
// games, logs and temporary saves. The program fills them at start; tests give scratch folders.
struct GameFolders {
    std::string program;
    std::string config;
    std::string savedGames;
};

struct Game {
    Game(Random& rng, SettingsStore& settings, GameHost& host, GameFolders folders = {});
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState st;
    Random& rng;
    SettingsStore& settings;
    GameHost& host;
    Language lang;
    GameFolders folders;
    // The star-system list and descriptors of new galaxies; the files of the program folder
    // unless a test gives another (created on first use).
    std::unique_ptr<StarSystemSource> starSystems;

    // Message slots 0..50 that the player switched off (-1), and whether the game's own message
    // window is used instead of the platform's box. Set from the option settings.
    std::array<Flag, 51> MessageSuppressed{};
    bool UseQuietDialogs = true;

    // The words refused in high-score comments: start-up adds the Morv's name, the end of a
    // game cleans the comment with them.
    BadWordList badWords;

    // The option settings as the options window shows them, and the player-name boxes with
    // the count of stored configuration names.
    OptionSettings options;
    ConfigNameBoxes configNames;

private:
    struct WindowData;
    std::unique_ptr<WindowData> windowData_;  // owns console, displays and screens below

public:
    // Window data of the exploration console and of the number-entry dialog.
    ConsoleState& console;
    NumberDialogData numberDialog;

    // The background window's pending request, caption-show lines and show state.
    BackgroundWindowData background;

    // The generator of cosmetic drawing (star fields and the like): never the game's own, so
    // that what a window draws does not change the game.
    CosmeticRandom cosmetic;

    // What the status displays and reports show (computed by the display updaters), and the
    // state of the menu, dialogs and panels whose handlers are core functions.
    DisplayData& displays;
    ScreenData& screens;

    // The command line the program was started with, and what it asks for ("/DEBUG" for the
    // main menu, "/BADPLANETS" and "/CACHE1" for the exploration console ...).
    std::string commandLine;
    CommandLineSwitches switches;

    float Rnd() { return rng.Rnd(); }
    // The same draw widened to double, so that Int(Rnd x n + m) stays below n + m even for the
    // largest draw (in single precision the sum can round up onto n + m).
    double RndExact() { return rng.Rnd(); }
    std::string Text(const std::string& key) { return lang.GetLanguageText(key); }

    // Window timers: the game keeps whether each runs; the window that owns it is told.
    void SetTimer(Timer timer, bool enabled);
    bool TimerEnabled(Timer timer) const { return timers_[static_cast<size_t>(timer)]; }

    // True while an engine action runs (see EngineAction).
    bool Busy() const { return actionDepth_ > 0; }
    // True when an action may start now: none runs, or the innermost modal window that an
    // action opened for the player (ModalLevel) waits for the player and none of its own
    // handlers runs.
    bool CanStartAction() const { return actionDepth_ == (modalBase_.empty() ? 0 : modalBase_.back()); }

private:
    friend class EngineAction;
    friend class ModalLevel;
    friend void ReportError(Game&, int, const std::string&, const std::string&);
    bool emergencySaveRunning_ = false;
    std::array<bool, kTimerCount> timers_{};
    int actionDepth_ = 0;
    std::vector<int> modalBase_;  // the action depth at which each open modal window was opened
};

// An engine action under way. A window handler or timer that calls the engine holds one for
// the call; while one is held no other can be taken, so a click or a tick that arrives while
// the engine waits (a pause, a question) does nothing instead of entering the engine again.
// The one exception is a modal window that the action opened for the player (ModalLevel): its
// own handlers start actions of their own, one at a time, inside the one that opened it.
//     EngineAction action(game);
//     if (!action) return;
class EngineAction {
public:
    explicit EngineAction(Game& g) : g_(g), entered_(g.CanStartAction()) {
        if (entered_) ++g_.actionDepth_;
    }
    ~EngineAction() {
        if (entered_) --g_.actionDepth_;
    }
    EngineAction(const EngineAction&) = delete;
    EngineAction& operator=(const EngineAction&) = delete;
    explicit operator bool() const { return entered_; }

private:
    Game& g_;
    bool entered_;
};

// A modal window the engine opened for the player, open for the lifetime of this object: the
// window's own handlers may start actions while the action that opened it waits for it to close.
// The desktop host holds one around each window it runs through RunModal.
class ModalLevel {
public:
    explicit ModalLevel(Game& g) : g_(g) { g_.modalBase_.push_back(g_.actionDepth_); }
    ~ModalLevel() { g_.modalBase_.pop_back(); }
    ModalLevel(const ModalLevel&) = delete;
    ModalLevel& operator=(const ModalLevel&) = delete;

private:
    Game& g_;
};

// ---- Words to the player ---------------------------------------------------------------------
// Appends the text to the message log, one line per NewLine-separated part (a text ending in
// NewLine adds an empty line; a lone carriage return or line feed is no separator).
void PrintOutput(Game& g, const std::string& text);
// Shows a notice for a message slot (-1 always shown, 0..50 one the player can switch off) in
// the game's own message window (styles below 4096 with UseQuietDialogs) or the platform's box.
// A notice of a switched-off slot is only appended to the message log; a shown one is not.
void MessageBox(Game& g, int slot, const std::string& text, long buttons = 0);
// Asks a question and returns the button chosen (MsgResult); for a switched-off slot returns 0
// at once without asking or logging.
int MessageQuery(Game& g, int slot, const std::string& prompt, long buttons = 0);
// Returns when the game's own message window is no longer showing.
void WaitForMessageClose(Game& g);
// Shows the note window with a text (without one: the previous note), or hides it. Returns 0,
// or the number of the failure that kept the note from showing (401 while a modal window is open).
int ShowMessage(Game& g, bool show, const std::optional<std::string>& text = std::nullopt);
// Adds a line to the background window's caption show (the next element of lblScroll, followed
// by an empty one); "RESET" starts the lines again from element 0 and drops those of an earlier
// show.
void AddBackgroundLine(Game& g, const std::string& text);

// ---- Sound and waiting -----------------------------------------------------------------------
// Plays a sound of the SOUNDS folder (a file name or a pattern) when sound is on and a device
// was found at start. Flags: 1 (the default) returns at once while the sound plays, 0 plays it
// to the end first, 16 leaves a sound that is already playing alone.
void PlaySound(Game& g, const std::string& file, int flags = 1);
// Counts the sound devices once, at start: with none, nothing is played until the program ends.
void DetectSound(Game& g);
// Waits seconds x SpeedFactor while window events go on.
void Pause(Game& g, double seconds);

// ---- Errors ------------------------------------------------------------------------------------
// Reports an unexpected error of a guarded procedure ("KVGAME : RefreshAll", step label) with
// the error sound and the platform's box, and acts on the player's choice: Abort ends the
// program; Retry saves a running game as EMERGNCY (an error of a save under way is not retried
// by another save: there Retry acts as Ignore), then asks whether to go on; Ignore goes on.
// Sets ErrorReported in every case.
void ReportError(Game& g, int number, const std::string& source, const std::string& step);

// The run-time error number that stands for an unexpected exception (9 subscript out of range,
// 6 overflow, 7 out of memory, 13 type mismatch, 5 otherwise).
int ErrorNumber(const std::exception& e);

// Runs one statement of a guarded procedure: an unexpected error is reported with the
// procedure's source text and current step label, and the procedure goes on with the next.
template <typename F>
void Guarded(Game& g, const std::string& source, const std::string& step, F&& statement) {
    try {
        statement();
    } catch (const std::exception& e) {
        ReportError(g, ErrorNumber(e), source, step);
    } catch (...) {
        ReportError(g, 5, source, step);
    }
}

void SetFormsEnabled(Game& g, bool enabled);

}  // namespace kv
