#pragma once
// The context every engine procedure is given: the game state, the random generator, the
// settings store, the language lookup, the folders, the source of star systems and the host
// that stands for the windows. Nothing of a game lives outside it.
#include <array>
#include <exception>
#include <memory>
#include <string>

#include "platform/SettingsStore.h"
#include "state/BadWords.h"
#include "state/ConsoleState.h"
#include "state/Configs.h"
#include "state/GameState.h"
#include "state/NumberDialog.h"
#include "state/Options.h"
#include "state/Port.h"
#include "state/Random.h"
#include "state/StarSystemSource.h"
#include "text/Language.h"

namespace kv {

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

    // Window data of the exploration console and of the number-entry dialog.
    ConsoleState console;
    NumberDialogData numberDialog;

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

private:
    friend class EngineAction;
    std::array<bool, kTimerCount> timers_{};
    int actionDepth_ = 0;
};

// An engine action under way. A window handler or timer that calls the engine holds one for
// the call; while one is held no other can be taken, so a click or a tick that arrives while
// the engine waits (a pause, a question) does nothing instead of entering the engine again.
//     EngineAction action(game);
//     if (!action) return;
class EngineAction {
public:
    explicit EngineAction(Game& g) : g_(g), entered_(g.actionDepth_ == 0) {
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

// ---- Words to the player ---------------------------------------------------------------------
// Appends the text to the message log, one line per NewLine-separated part.
void PrintOutput(Game& g, const std::string& text);
// Shows a notice for a message slot (-1 none). A notice of a slot the player switched off is
// only appended to the message log.
void MessageBox(Game& g, int slot, const std::string& text, long buttons = 0);
// Asks a question; for a switched-off slot returns 0 at once without asking.
int MessageQuery(Game& g, int slot, const std::string& prompt, long buttons);
// Shows (or with "" hides) the note window; false when it could not be shown.
bool ShowMessage(Game& g, const std::string& text);
void AddBackgroundLine(Game& g, const std::string& text);

// ---- Sound and waiting -----------------------------------------------------------------------
// Plays a sound of the SOUNDS folder when sound is on and a device exists.
void PlaySound(Game& g, const std::string& file, int flags = 0);
// Waits seconds x SpeedFactor while window events go on.
void Pause(Game& g, double seconds);

// ---- Errors ------------------------------------------------------------------------------------
// Reports an unexpected error of a guarded procedure ("KVGAME : RefreshAll", step label).
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
