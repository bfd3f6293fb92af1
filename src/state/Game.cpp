#include "state/Game.h"

#include <algorithm>
#include <cmath>

#include <filesystem>
#include <new>
#include <stdexcept>
#include <utility>

#include "platform/Files.h"
#include "state/ConsoleState.h"
#include "state/DisplayData.h"
#include "state/SavedGame.h"
#include "state/ScreenData.h"
#include "state/WindowTable.h"

namespace kv {

struct Game::WindowData {
    ConsoleState console;
    DisplayData displays;
    ScreenData screens;
};

Game::Game(Random& r, SettingsStore& s, GameHost& h, GameFolders f)
    : rng(r),
      settings(s),
      host(h),
      lang(s, f.program.empty() ? std::string() : f.program + "LANGUAGE/"),
      folders(std::move(f)),
      windowData_(std::make_unique<WindowData>()),
      console(windowData_->console),
      displays(windowData_->displays),
      screens(windowData_->screens) {
    host.Attach(*this);
    if (!folders.program.empty()) {
        st.AppPath = folders.program;
        st.SoundsPath = folders.program + "SOUNDS/";
        st.PicturesPath = folders.program + "PICTURES/";
        st.SSDescriptorPath = folders.program + "SSDescriptor/";
        st.LanguagePath = folders.program + "LANGUAGE/";
    }
}

Game::~Game() = default;

void Game::SetTimer(Timer timer, bool enabled) {
    bool& on = timers_[static_cast<size_t>(timer)];
    if (on == enabled) return;
    on = enabled;
    host.TimerChanged(timer, enabled);
}

void PrintOutput(Game& g, const std::string& text) {
    const std::string& nl = g.st.NewLine;
    size_t pos = 0;
    while (true) {
        size_t next = text.find(nl, pos);
        if (next == std::string::npos) {
            g.host.AppendOutputLine(text.substr(pos));
            break;
        }
        g.host.AppendOutputLine(text.substr(pos, next - pos));
        pos = next + nl.size();
    }
}

namespace {
bool Suppressed(const Game& g, int slot) { return slot >= 0 && slot <= 50 && g.MessageSuppressed[slot]; }
}  // namespace

void MessageBox(Game& g, int slot, const std::string& text, long buttons) {
    Guarded(g, "MSGBOX : MessageBox", "<none> ", [&] {
        if (Suppressed(g, slot)) {
            PrintOutput(g, text);
            return;
        }
        g.host.ShowNotice(text, buttons, buttons < kSystemModal && g.UseQuietDialogs);
    });
}

int MessageQuery(Game& g, int slot, const std::string& prompt, long buttons) {
    int answer = 0;
    Guarded(g, "MSGBOX : MessageQuery", "<none> ", [&] {
        if (Suppressed(g, slot)) return;
        answer = g.host.AskQuestion(prompt, buttons, buttons < kSystemModal && g.UseQuietDialogs);
    });
    return answer;
}

void WaitForMessageClose(Game& g) { g.host.WaitForMessageClose(); }

int ShowMessage(Game& g, bool show, const std::optional<std::string>& text) { return g.host.ShowNote(show, text); }

void AddBackgroundLine(Game& g, const std::string& text) {
    BackgroundWindowData& bg = g.background;
    if (text == "RESET") {
        bg.BackgroundLineCount = 0;
        bg.lblScroll.resize(1);
    } else {
        bg.lblScroll.resize(static_cast<size_t>(bg.BackgroundLineCount) + 1);
        bg.lblScroll[static_cast<size_t>(bg.BackgroundLineCount)] = text;
        ++bg.BackgroundLineCount;
        bg.lblScroll.push_back(std::string());
    }
    g.host.AddBackgroundLine(text);
}

void DetectSound(Game& g) {
    g.st.WaveDevicePresent = static_cast<Flag>(std::clamp(g.host.SoundDeviceCount(), 0, 32767));
}

void PlaySound(Game& g, const std::string& file, int flags) {
    if (!g.st.SoundOn || g.st.WaveDevicePresent == 0 || file.empty()) return;
    const std::string path = FindFile(g.st.SoundsPath, file);
    if (!path.empty()) g.host.PlaySoundFile(path, flags);
}

void Pause(Game& g, double seconds) {
    // The span in single precision, times the speed factor ("/FAST" 0.5, "/SLOW" 2.0). The host
    // waits on a monotonic clock, so the wait ends after the span even when the day changes.
    const Single target = static_cast<Single>(seconds) * g.st.SpeedFactor;
    if (target > 0 && std::isfinite(target)) g.host.Wait(target);
}

namespace {
// The run-time library's text for the error numbers the game can meet.
std::string ErrorDescription(int number) {
    switch (number) {
        case 5: return "Invalid procedure call or argument";
        case 6: return "Overflow";
        case 7: return "Out of memory";
        case 9: return "Subscript out of range";
        case 11: return "Division by zero";
        case 13: return "Type mismatch";
        case 52: return "Bad file name or number";
        case 53: return "File not found";
        case 57: return "Device I/O error";
        case 61: return "Disk full";
        case 62: return "Input past end of file";
        case 70: return "Permission denied";
        case 75: return "Path/File access error";
        case 76: return "Path not found";
        default: return "Application-defined or object-defined error " + std::to_string(number);
    }
}
}  // namespace

void ReportError(Game& g, int number, const std::string& source, const std::string& step) {
    PlaySound(g, "ERROR.WAV");
    const std::string& nl = g.st.NewLine;
    std::error_code ec;
    const std::string folder = std::filesystem::current_path(ec).string();
    std::string text = g.Text("KVMAIN0001") + nl + g.Text("KVMAIN0002") + nl + g.Text("KVMAIN0003") + nl + nl +
                       g.Text("KVMAIN0004") + nl + nl + g.Text("KVMAIN0005") + ErrorDescription(number) + nl +
                       g.Text("KVMAIN0006") + source + nl + g.Text("KVMAIN0007") + step + nl + g.Text("KVMAIN0008") +
                       folder + nl + nl;
    for (int k = 9; k <= 13; ++k) {
        text += g.Text(std::string(k < 10 ? "KVMAIN000" : "KVMAIN00") + std::to_string(k));
        if (k < 13) text += nl;
    }
    const int answer = g.host.ShowErrorReport(text);
    g.st.ErrorReported = kTrue;
    if (answer == kAbort) {
        QuitGame(g, true);
        return;
    }
    // A save that fails is not answered by another save: while one runs, Retry acts as Ignore.
    if (answer != kRetry || source == "KVMAIN : SaveGame" || g.emergencySaveRunning_) return;
    const long goOn = kYesNo | 256;  // No is the default
    if (g.st.GameRunning) {
        g.emergencySaveRunning_ = true;
        const bool saved = SaveGame(g, "*EMERGNCY", g.host.OutputLines());
        g.emergencySaveRunning_ = false;
        // A save that failed has told the player so itself.
        if (saved) g.host.ShowNotice(g.Text("KVMAIN0014"), kOKOnly, false);
        if (g.host.AskQuestion(g.Text("KVMAIN0015"), goOn, false) != kYes) QuitGame(g, true);
    } else {
        g.host.ShowNotice(g.Text("KVMAIN0016"), kOKOnly, false);
        if (g.host.AskQuestion(g.Text("KVMAIN0017"), goOn, false) != kYes) QuitGame(g, true);
    }
}

int ErrorNumber(const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e)) return 7;
    if (dynamic_cast<const std::out_of_range*>(&e)) return 9;
    if (dynamic_cast<const std::overflow_error*>(&e)) return 6;
    if (dynamic_cast<const std::invalid_argument*>(&e)) return 13;
    return 5;
}

void SetFormsEnabled(Game& g, bool enabled) {
    // The game windows that take commands; the message log, the reports, the menu, the console
    // and the other dialogs stay as they are.
    auto set = [&](int from, int to) {
        for (int i = from; i <= to; ++i) g.host.SetFormEnabled(static_cast<Form>(i), enabled);
    };
    set(3, 16);
    set(22, 24);
    set(29, 29);
    // The busy pointer toggles between the default and the arrow with hourglass only; any other
    // shape a dialog has set is kept.
    const Pointer now = g.host.MousePointer();
    if (enabled && now == Pointer::ArrowHourglass) g.host.SetMousePointer(Pointer::Default);
    if (!enabled && now == Pointer::Default) g.host.SetMousePointer(Pointer::ArrowHourglass);
}

}  // namespace kv
