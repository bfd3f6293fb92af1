#pragma once
// A game played with no windows: the shipped data (star systems, aliens, the English language
// file), a seeded generator, in-memory settings and a host that answers like a closed window
// unless the player behind it says otherwise. Used by the whole-game tests, the soak runner and
// the benchmarks; it needs no test framework.
#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "state/Game.h"
#include "state/NullHost.h"

namespace kv::test {

// The program folder with the shipped data, ending in "/" (the build's KESTRAVA_DATA_DIR).
std::string ShippedDataFolder();

// Raised when an action has done more work than any action can need: it never ends.
class RunawayAction : public std::exception {
public:
    const char* what() const noexcept override { return "the action never ends (work limit reached)"; }
};

// Counts the work of the action under way: the generator's draws and the calls on the host.
// Past the limit every further draw or call throws RunawayAction, and so does the error report
// that the engine's guards make of it, so the action is stopped even inside guarded procedures.
struct Watchdog {
    long long used = 0;
    long long limit = -1;  // -1: no limit
    void Tick() {
        if (limit >= 0 && ++used > limit) throw RunawayAction();
    }
    bool Tripped() const { return limit >= 0 && used > limit; }
    void Arm(long long work) { used = 0, limit = work; }
};

// The short-range scan's sector pictures count as work too.
class WatchedScan : public NullScan {
public:
    explicit WatchedScan(Watchdog& watchdog) : watchdog_(watchdog) {}
    void DrawSector(int, int, int) override { watchdog_.Tick(); }

private:
    Watchdog& watchdog_;
};

// The seeded generator under the watchdog.
class WatchedRandom : public SeededRandom {
public:
    WatchedRandom(uint32_t seed, Watchdog& watchdog) : SeededRandom(seed), watchdog_(watchdog) {}
    float Rnd() override {
        watchdog_.Tick();
        return SeededRandom::Rnd();
    }

private:
    Watchdog& watchdog_;
};

// The set-up of a new game, as the player chooses it in the main menu.
struct GameSetup {
    Integer mission = 0;  // 0..3
    Integer skill = 1;    // 1..10
    Integer length = 1;   // 1 short, 2 medium, 3 long
    bool upgrades = true;
    bool keepTech = false;
};

// The NullHost with a player behind it: questions and modal windows go to the player's
// answers when given; notices, error reports and high-score records are kept for the checks.
class CaptainHost : public NullHost {
public:
    std::function<int(const std::string& prompt, long style)> onQuestion;
    std::function<int(Form form)> onModal;
    std::function<void(const std::string& line)> onLine;  // every message-log line, when set
    std::function<void()> onFinalReport;                  // the final report comes up (before the displays are reset)
    // The saved-game file dialog: the name the player picks (nothing: Cancel, as when unset).
    std::function<std::optional<std::string>(FileDialogMode mode)> onChooseFile;

    CaptainHost();

    std::vector<std::string> notices;  // every notice shown, in order
    std::vector<std::string> errors;   // every run-time error report
    int submitted = 0;                 // high-score records handed to the submission window
    long refreshes = 0;                // end-of-action refreshes that ran (each brings the info window up)

    Watchdog watchdog;  // the work of the action under way
    WatchedScan watchedScan{watchdog};

    void AppendOutputLine(const std::string& line) override {
        watchdog.Tick();
        if (onLine) onLine(line);
    }
    void ShowNotice(const std::string& text, long, bool) override {
        watchdog.Tick();
        notices.push_back(text);
        if (onLine) onLine("[notice] " + text);
    }
    int AskQuestion(const std::string& prompt, long style, bool) override {
        watchdog.Tick();
        return onQuestion ? onQuestion(prompt, style) : CloseAnswer(style);
    }
    int ShowErrorReport(const std::string& text) override {
        if (watchdog.Tripped()) throw RunawayAction();
        errors.push_back(text);
        return kIgnore;
    }
    int RunModal(Form form) override {
        watchdog.Tick();
        return onModal ? onModal(form) : NullHost::RunModal(form);
    }
    std::optional<std::string> ChooseFile(FileDialogMode mode, const std::string& pattern,
                                          const std::string& folder) override {
        return onChooseFile ? onChooseFile(mode) : NullHost::ChooseFile(mode, pattern, folder);
    }
    void Refresh(View) override { watchdog.Tick(); }
    ScanView& Scan() override { return watchedScan; }
    void Wait(double) override { watchdog.Tick(); }
    void SubmitHighScore(const std::string&, const std::string&, const std::string&, const std::string&,
                         const std::string&) override {
        ++submitted;
    }

    // The windows count as shown from the start of the game's windows until hidden.
    void BringToFront(Form form) override { refreshes += form == Form::frmInfo; }
    bool IsFormVisible(Form form) override { return visible_.count(form) > 0; }
    void ShowForm(Form form) override {
        Show(form);
        if (form == Form::frmFinalReport && onFinalReport) onFinalReport();
    }
    void HideForm(Form form) override { Hide(form); }
    void Show(Form form) { visible_.insert(form); }
    void Hide(Form form) { visible_.erase(form); }

private:
    std::set<Form> visible_;
};

// A game of its own: generator, settings, host and the game on the shipped data, with the
// constant tables filled as at start-up. Its saved-games and configuration folders are a
// private temporary folder, removed with the game.
class HeadlessGame {
public:
    explicit HeadlessGame(uint32_t seed, const std::string& dataFolder = ShippedDataFolder());
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    CaptainHost host;
    WatchedRandom rng;
    MemorySettingsStore settings;

private:
    std::string scratch_;

public:
    Game game;
    GameState& st = game.st;
};

// Starts a new game as the main menu's new-game command does, without its windows: the
// technology level, the reset, the star systems and the placement, the mission's own time and
// goal, the upgrade announcement, the start quadrant's shields, the first long-range scan and
// the quadrant's set-up, then the first end-of-action refresh.
void StartNewGame(Game& g, const GameSetup& setup);

}  // namespace kv::test
