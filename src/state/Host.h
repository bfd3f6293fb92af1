#pragma once
// The engine's port to the windows. The engine never includes a window: whatever it asks of
// the player or the screen goes through this interface. The Qt side shows real windows (and
// runs a nested event loop where a call must block); tests answer from a script at once.
// Every method has a harmless default, so a host only overrides what it shows.
#include <string>

namespace kv {

// Button codes of a question's answer.
enum MsgResult : int { kOK = 1, kCancel = 2, kAbort = 3, kRetry = 4, kIgnore = 5, kYes = 6, kNo = 7 };
// Button styles (the platform's message-box numbering).
enum MsgStyle : long {
    kOKOnly = 0, kOKCancel = 1, kAbortRetryIgnore = 2, kYesNoCancel = 3, kYesNo = 4,
    kRetryCancel = 5, kCritical = 16, kQuestion = 32, kExclamation = 48, kInformation = 64,
    kSystemModal = 4096
};

class GameHost {
public:
    virtual ~GameHost() = default;

    // ---- Words to the player --------------------------------------------------------------
    // Appends lines to the message log (the text is already split at NewLine).
    virtual void AppendOutputLine(const std::string& /*line*/) {}
    // Shows a notice and waits until the player closes it. `ownDialog` picks the game's own
    // message window over the platform's box.
    virtual void ShowNotice(const std::string& /*text*/, long /*buttons*/, bool /*ownDialog*/) {}
    // Asks a question and returns the button chosen (MsgResult).
    virtual int AskQuestion(const std::string& /*prompt*/, long /*buttons*/, bool /*ownDialog*/) {
        return kOK;
    }
    // Shows (or, with an empty text, hides) the small note window that does not wait;
    // false when it could not be shown.
    virtual bool ShowNote(const std::string& /*text*/) { return true; }
    // Adds a line to the scrolling background window; "RESET" clears it.
    virtual void AddBackgroundLine(const std::string& /*text*/) {}

    // ---- Sound, waiting, pointer ------------------------------------------------------------
    // Plays a sound file (full path); flags 16 = play to the end without cutting a running sound.
    virtual void PlaySoundFile(const std::string& /*path*/, int /*flags*/) {}
    // Waits the given seconds on a monotonic clock while window events go on.
    virtual void Wait(double /*seconds*/) {}
    virtual void CenterMouse() {}

    // ---- Errors and windows ------------------------------------------------------------------
    // Shows the run-time error report and returns the button chosen (kAbort, kRetry, kIgnore).
    virtual int ShowErrorReport(const std::string& /*text*/) { return kIgnore; }
    // Enables or disables every game window and sets the busy pointer.
    virtual void SetFormsEnabled(bool /*enabled*/) {}

    // ---- Requests of the turn engine (redraws, lamps, dialogs) --------------------------
    // Named requests for a window to show new state; the engine's data says what to show.
    virtual void Refresh(const std::string& /*what*/) {}
};

}  // namespace kv
