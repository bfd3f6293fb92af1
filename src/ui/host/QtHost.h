#pragma once
// The game's host on the desktop. It makes each window from the window list it is given (the
// program's FormList) the first time the game refers to it (start-up makes them all), and each window registers here
// what it shows and runs: the displays it repaints (OnView), its timers (AddTimer), the scan and
// chart surfaces. A request for a window that is not built yet changes nothing on the screen
// (the game state still holds what it would show); a modal window that is not built is an
// error (RunModal).
//
// The busy guard: every window handler and every timer tick that runs engine code goes through
// Run (or Handler), which holds the game's EngineAction. While an action runs, the player's
// mouse, key, wheel and close events aimed at the game windows are dropped, not kept for later;
// the modal windows opened for the player during the action (a message box, a file dialog, the
// game's own message window, a window run through RunModal) still take theirs, and the
// handlers of the innermost window run through RunModal run as a nested action.
#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/platform/SoundPlayer.h"
#include "scores/Hiscore.h"
#include "screens/MessageLog.h"
#include "state/NullHost.h"
#include "state/Port.h"
#include "ui/host/FormMaker.h"
#include "ui/host/HostWindows.h"
#include "ui/host/WindowArranger.h"

namespace kv {

// What the galaxy chart draws for the engine.
class ChartSurface {
public:
    virtual ~ChartSurface() = default;
    virtual void SetChartQuadrantColor(int index, long color) = 0;
    virtual void FrameChartQuadrant(int index) = 0;
    virtual void ClearChartHighlights() = 0;
};

// Answers, in place of the player, what the host would otherwise ask in a box or dialog of its
// own (window tests): nothing blocks. Each method is called instead of showing the box, except
// Modal, which is called once the real window run through RunModal is up, to act on it as the
// player would (set its controls, press its buttons) until it closes.
class HostScript {
public:
    virtual ~HostScript() = default;
    virtual void Notice(const std::string& text, long style, bool ownDialog) = 0;
    virtual int Question(const std::string& prompt, long style, bool ownDialog) = 0;
    virtual int ErrorReport(const std::string& text) = 0;
    virtual void Modal(Form form, QDialog& window) = 0;
    virtual std::optional<std::string> File(FileDialogMode mode, const std::string& pattern,
                                            const std::string& folder) = 0;
    // True when a file choice goes through the game's own file dialog (frmFile, acted on with
    // Modal) instead of File.
    virtual bool FileWindow() const { return false; }
    virtual std::optional<std::string> Text(const std::string& prompt, const std::string& title,
                                            const std::string& initial) = 0;
    virtual std::optional<long> Colour(long initial, const std::string& title) = 0;
    // True when a colour choice goes through the real colour picker (acted on while it is the
    // active modal window) instead of Colour.
    virtual bool ColourWindow() const { return false; }
    virtual bool Print(const std::vector<std::string>& lines, const std::string& title) = 0;
    // A sound the game plays (its full path and flags): heard by nobody, kept for the test.
    virtual void Sound(const std::string& path, int flags) = 0;
};

// A timer tick that runs engine code goes through the busy guard; a cosmetic one (a blink, an
// animation frame that calls no engine code) always runs.
enum class Tick { Engine, Cosmetic };

class QtHost : public GameHost, public RelabelHost {
public:
    // `windows`: the window list the host makes the windows from (the program's wiring gives it).
    explicit QtHost(FormEntries windows);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // ---- The windows ----------------------------------------------------------------------
    // The window of a form, once it is made (nullptr before, or when it is not built).
    QWidget* FormWindow(Form form) const override;
    // A window made elsewhere takes the form's place (a test's stand-in); the host does not own it.
    void RegisterForm(Form form, QWidget* window);
    // Destroys the windows the host made, before the game they show goes.
    void DestroyForms();

    // ---- What a window registers (in its constructor) ------------------------------------
    // `show` brings the display up to date on each refresh, for as long as `owner` lives.
    void OnView(View view, QObject* owner, std::function<void()> show);
    // `show` also runs on each refresh of a display that another window serves, for a window
    // that shows a part of it (the computer panel's buttons follow the command state); it does
    // not count as serving the display.
    void FollowView(View view, QObject* owner, std::function<void()> show);
    // The window's timer: a QTimer of `owner` every `ms` milliseconds that runs while the game
    // says it runs (Game::SetTimer); an engine tick goes through Run, so it is dropped while an
    // action runs.
    QTimer* AddTimer(Timer timer, QWidget* owner, int ms, std::function<void()> tick, Tick kind = Tick::Engine);
    // The low-level form of AddTimer: `changed` is told when the game switches the timer.
    void OnTimer(Timer timer, QObject* owner, std::function<void(bool enabled)> changed);
    // The window's placement rule: run now, and again once the desktop has framed the windows
    // (WindowArranger).
    void PlaceBy(Form form, QWidget* window, std::function<void()> place);
    // Places the windows again by their rules now (each is done by itself once new windows are framed).
    void ArrangeWindows() { arranger_->ArrangeNow(); }
    int WindowsArranged() const { return arranger_->Arranged(); }
    // A report window that had to be placed over other game windows and stands beneath them.
    bool WindowBeneath(Form form) const { return arranger_->Beneath(form); }
    void SetScanSurface(ScanView* surface) { scan_ = surface; }
    void SetChartSurface(ChartSurface* surface) { chart_ = surface; }
    // Receives every line appended to the message log, and the log's clearing.
    void OnOutput(QObject* owner, std::function<void(const QString&)> line, std::function<void()> clear);
    bool HasView(View view) const;
    bool HasTimer(Timer timer) const;
    bool HasScanSurface() const { return scan_ != nullptr; }
    bool HasChartSurface() const { return chart_ != nullptr; }

    // ---- The busy guard --------------------------------------------------------------------
    // Runs a handler of the window `owner` as one engine action. Returns false, and does
    // nothing, while another action runs (or, with a modal window open, for any window but the
    // innermost modal one). An unexpected error of the handler is reported to the player.
    bool Run(Form owner, const std::function<void()>& handler);
    // A handler as a slot, through Run:
    //     connect(cmdAccept, &QPushButton::clicked, this, host.Handler(Form::frmNAV, [this] { cmdAccept_Click(); }));
    std::function<void()> Handler(Form owner, std::function<void()> handler);
    // True when the player's input event aimed at `receiver` reaches it now.
    bool TakesInput(QObject* receiver) const;

    // ---- The rest of the program -----------------------------------------------------------
    // Answers the host's questions in place of the player (window tests); nullptr: the player.
    void SetScript(HostScript* script) { script_ = script; }
    // Ends the program (the program keeps its settings first); without one the process exits.
    std::function<void()> onEndProgram;
    // The message log's lines (the log window shows them).
    const MessageLog& OutputLog() const { return log_; }
    // The planet pictures loaded at start (index 1..14; a null picture when none was found).
    QPixmap PlanetPicture(int index) const;
    // What the high-score submission window shows each time it opens.
    HighScoreState& HighScores() { return highScores_; }
    // The program's environment, where the high-score window looks for the desktop folder.
    EnvironmentLookup environment = EmptyEnvironment;
    // The progress text of a save or load that the info window shows in place of its starbase
    // line ("" when none runs).
    const std::string& InfoProgress() const { return infoProgress_; }

    // The window that shows a display.
    static Form FormShowing(View view);

    // ---- PlayerDialogs ---------------------------------------------------------------------
    void AppendOutputLine(const std::string& line) override;
    void ClearOutputLog() override;
    std::vector<std::string> OutputLines() override;
    void ShowNotice(const std::string& text, long style, bool ownDialog) override;
    int AskQuestion(const std::string& prompt, long style, bool ownDialog) override;
    int ShowNote(bool show, const std::optional<std::string>& text) override;
    void AddBackgroundLine(const std::string& text) override;
    void WaitForMessageClose() override;
    int ShowErrorReport(const std::string& text) override;
    int RunModal(Form form) override;
    std::optional<std::string> ChooseFile(FileDialogMode mode, const std::string& pattern,
                                          const std::string& folder) override;
    std::optional<std::string> InputText(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override;
    std::optional<long> ChooseColour(long initial, const std::string& title) override;
    void SubmitHighScore(const std::string& name, const std::string& sn, const std::string& code,
                         const std::string& comments, const std::string& kind) override;

    // ---- Views ----------------------------------------------------------------------------
    void Refresh(View view) override;
    // The scan window draws what the engine asks of the scan (a scan that draws nothing until
    // it is built).
    ScanView& Scan() override;
    void SetChartQuadrantColor(int index, long color) override;
    void FrameChartQuadrant(int index) override;
    void ClearChartHighlights() override;
    void ShowInfoProgress(const std::string& text, bool showWindow) override;

    // ---- Forms ----------------------------------------------------------------------------
    void Attach(Game& g) override { game_ = &g; }
    void LoadForm(Form form) override;
    void ApplyLanguage() override;
    // The language's fonts, once the relabelling run has put them on the windows that stood
    // then: a window made later takes them as it is made.
    void KeepLanguageFonts(const std::string& font, const std::string& serifFont) override;
    bool IsFormVisible(Form form) override;
    void ShowForm(Form form) override;
    void HideForm(Form form) override;
    int ShowFormChecked(Form form) override;
    void BringToFront(Form form) override;
    void HideByRegion(Form form) override;
    void ShowByRegion(Form form) override;
    void SetFormEnabled(Form form, bool enabled) override;
    Pointer MousePointer() override;
    void SetMousePointer(Pointer pointer) override;
    void FocusCommandBar() override;
    void EndProgram() override;

    // ---- Sound ----------------------------------------------------------------------------
    int SoundDeviceCount() override;
    void PlaySoundFile(const std::string& path, int flags) override;

    // ---- Clock ----------------------------------------------------------------------------
    void Wait(double seconds) override;
    void TimerChanged(Timer timer, bool enabled) override;
    double TimeOfDay() override;

    // ---- Printer --------------------------------------------------------------------------
    bool PrintLines(const std::vector<std::string>& lines, const std::string& title) override;

    // ---- Desktop --------------------------------------------------------------------------
    void ScreenSizeTwips(long& width, long& height) override;
    void CenterMouse() override;
    bool LoadBackgroundPicture(const std::string& path) override;
    std::string BackgroundPictureError() override { return pictureError_; }
    void SetBackgroundColor(long color) override;
    void HideBackground() override;
    void DrawVersionText(const std::string& text, long color) override;
    void CachePlanetPicture(int index, const std::string& path) override;
    bool OpenDocument(const std::string& path) override;

private:
    // The window of a form, made from the window list on first use (nullptr when not built).
    QWidget* Window(Form form);
    bool CanRun(Form owner) const;
    // The window that input to `w` counts for: the nearest game window or open modal window
    // among `w` and its parents (nullptr when neither).
    QWidget* OwnerOf(QWidget* w) const;
    bool IsForm(const QWidget* w) const;
    // The innermost window run through RunModal.
    bool IsRunModal(const QWidget* w) const;
    // A notice or question in the game's own message window or the platform's box.
    int Ask(const std::string& prompt, long style, bool ownDialog);

    template <typename F>
    struct Owned {
        QPointer<QObject> owner;
        F call;
    };
    FormEntries windows_;
    Game* game_ = nullptr;
    HostScript* script_ = nullptr;
    std::map<Form, QPointer<QWidget>> forms_;
    std::vector<std::unique_ptr<QWidget>> made_;  // the windows the host made, in the order made
    std::vector<QDialog*> running_;               // the windows run through RunModal, innermost last
    std::map<View, Owned<std::function<void()>>> views_;
    std::multimap<View, Owned<std::function<void()>>> followers_;
    std::map<Timer, Owned<std::function<void(bool)>>> timers_;
    Owned<std::function<void(const QString&)>> outputLine_;
    Owned<std::function<void()>> clearOutput_;
    std::unique_ptr<QObject> gate_;  // the application's input filter
    std::unique_ptr<WindowArranger> arranger_;
    ScanView* scan_ = nullptr;
    NullScan noScan_;
    ChartSurface* chart_ = nullptr;
    Pointer pointer_ = Pointer::Default;
    MessageLog log_;
    HighScoreState highScores_;
    std::map<int, QPixmap> planets_;
    std::string pictureError_;  // why the last background picture could not be loaded
    SoundPlayer sound_;
    std::string infoProgress_;
    std::optional<std::pair<std::string, std::string>> languageFonts_;  // "Font", "SFont"
};

}  // namespace kv
