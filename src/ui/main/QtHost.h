#pragma once
// The game's host on the desktop. Windows register themselves here as they are created: a form
// under its name, the displays it shows, and the scan and chart surfaces. A request for a
// window that does not exist yet changes nothing on the screen (the game state still holds
// what it would show).
#include <QPixmap>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <map>

#include "screens/MessageLog.h"
#include "state/Port.h"

namespace kv {

// What the short-range scan window draws for the engine.
class ScanSurface {
public:
    virtual ~ScanSurface() = default;
    virtual void DrawSector(int row, int col, int code) = 0;
    virtual void ResetSRSCells() = 0;
    virtual int SectorCellPixels() = 0;
    virtual void DrawFlashRing(int row, int col, int radius, int colour) = 0;
    virtual void EndFlash(int row, int col) = 0;
    virtual void ShowTowIcon(int row, int col) = 0;
    virtual void ResetSectorPicture(int row, int col) = 0;
    virtual void AnimateSectorMove(int fromRow, int fromCol, int toRow, int toCol, int line) = 0;
    virtual void ShowBeamLines(int first, int last, bool visible) = 0;
    virtual void SetTractorBeamColours(bool morv) = 0;
    // Weapon effects (see Views).
    virtual void PlaceMarker(SectorMarker marker, int row, int col) = 0;
    virtual void ShowMarker(SectorMarker marker, bool visible) = 0;
    virtual void ShowFlare(int row, int col, double dx, double dy, int size) = 0;
    virtual void HyperspaceFlash(int frame) = 0;
    virtual void AnimateMorvMove(int fromRow, int fromCol, int toRow, int toCol) = 0;
};

// What the galaxy chart draws for the engine.
class ChartSurface {
public:
    virtual ~ChartSurface() = default;
    virtual void SetChartQuadrantColor(int index, long color) = 0;
    virtual void FrameChartQuadrant(int index) = 0;
    virtual void ClearChartHighlights() = 0;
};

class QtHost : public GameHost {
public:
    // ---- Registration of the windows ------------------------------------------------------
    void RegisterForm(Form form, QWidget* window);
    QWidget* FormWindow(Form form) const;
    // The display shown by a form is brought up to date by `show` on each refresh.
    void OnView(View view, std::function<void()> show);
    void OnTimer(Timer timer, std::function<void(bool enabled)> changed);
    void SetScanSurface(ScanSurface* surface) { scan_ = surface; }
    void SetChartSurface(ChartSurface* surface) { chart_ = surface; }
    // Receives every line appended to the message log, and the log's clearing.
    std::function<void(const QString&)> onOutputLine;
    std::function<void()> onClearOutput;
    // Fills and shows the high-score submission window (the program wires it to the window).
    std::function<void(const std::string& name, const std::string& sn, const std::string& code,
                       const std::string& comments, const std::string& kind)>
        onSubmitHighScore;
    // Ends the program (the program keeps its settings first); without one the process exits.
    std::function<void()> onEndProgram;
    // The message log's lines (the log window shows them).
    const MessageLog& OutputLog() const { return log_; }
    // The planet pictures loaded at start (index 1..14; a null picture when none was found).
    QPixmap PlanetPicture(int index) const;

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
    std::optional<std::string> ChooseFile(FileDialogMode mode, const std::string& pattern) override;
    std::optional<std::string> InputText(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override;
    std::optional<long> ChooseColour(long initial) override;
    void SubmitHighScore(const std::string& name, const std::string& sn, const std::string& code,
                         const std::string& comments, const std::string& kind) override;

    // ---- Views ----------------------------------------------------------------------------
    void Refresh(View view) override;
    void DrawSector(int row, int col, int code) override;
    void ResetSRSCells() override;
    int SectorCellPixels() override;
    void DrawFlashRing(int row, int col, int radius, int colour) override;
    void EndFlash(int row, int col) override;
    void ShowTowIcon(int row, int col) override;
    void ResetSectorPicture(int row, int col) override;
    void SetChartQuadrantColor(int index, long color) override;
    void FrameChartQuadrant(int index) override;
    void ClearChartHighlights() override;
    void ShowRetrofitSlots(int kind, bool opening) override;
    void ShowInfoProgress(const std::string& text, bool showWindow) override;
    void AnimateSectorMove(int fromRow, int fromCol, int toRow, int toCol, int line) override;
    void ShowBeamLines(int first, int last, bool visible) override;
    void SetTractorBeamColours(bool morv) override;
    void PlaceMarker(SectorMarker marker, int row, int col) override;
    void ShowMarker(SectorMarker marker, bool visible) override;
    void ShowFlare(int row, int col, double dx, double dy, int size) override;
    void HyperspaceFlash(int frame) override;
    void AnimateMorvMove(int fromRow, int fromCol, int toRow, int toCol) override;

    // ---- Forms ----------------------------------------------------------------------------
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
    void RestoreFormsAfterMenu() override;
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
    void SetBackgroundColor(long color) override;
    void HideBackground() override;
    void DrawVersionText(const std::string& text, long color) override;
    void CachePlanetPicture(int index, const std::string& path) override;
    void OpenDocument(const std::string& path) override;

private:
    std::map<Form, QPointer<QWidget>> forms_;
    std::map<View, std::function<void()>> views_;
    std::map<Timer, std::function<void(bool)>> timers_;
    ScanSurface* scan_ = nullptr;
    ChartSurface* chart_ = nullptr;
    Pointer pointer_ = Pointer::Default;
    MessageLog log_;
    std::map<int, QPixmap> planets_;
    std::map<std::string, QObject*> sounds_;
};

}  // namespace kv
