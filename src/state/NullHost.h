#pragma once
// A host with no windows, for games run headless (benchmarks, soak runs): it shows nothing, waits
// for nothing, and answers every question as a window closed through its frame would
// (CloseAnswer: Cancel, else No, else OK). Windows count as hidden.
#include "state/Port.h"

namespace kv {

// A short-range scan that draws nothing (a game without windows, a desktop game before the scan
// window is built).
class NullScan : public ScanView {
public:
    void DrawSector(int, int, int) override {}
    void ResetSRSCells() override {}
    int SectorCellPixels() override { return 32; }
    void DrawFlashRing(int, int, int, int) override {}
    void EndFlash(int, int) override {}
    void ShowTowIcon(int, int) override {}
    void ResetSectorPicture(int, int) override {}
    void AnimateSectorMove(int, int, int, int, int) override {}
    void ShowBeamLines(int, int, bool) override {}
    void SetTractorBeamColours(bool) override {}
    void PlaceMarker(SectorMarker, int, int) override {}
    void ShowMarker(SectorMarker, bool) override {}
    void ShowFlare(int, int, double, double, int) override {}
    void HyperspaceFlash(int, long) override {}
    void AnimateMorvMove(int, int, int, int) override {}
};

class NullHost : public GameHost {
public:
    void AppendOutputLine(const std::string&) override {}
    void ClearOutputLog() override {}
    std::vector<std::string> OutputLines() override { return {}; }
    void ShowNotice(const std::string&, long, bool) override {}
    int AskQuestion(const std::string&, long style, bool) override { return CloseAnswer(style); }
    int ShowNote(bool, const std::optional<std::string>&) override { return 0; }
    void AddBackgroundLine(const std::string&) override {}
    void WaitForMessageClose() override {}
    int ShowErrorReport(const std::string&) override { return kIgnore; }
    int RunModal(Form) override { return kCancel; }
    std::optional<std::string> ChooseFile(FileDialogMode, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> InputText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<long> ChooseColour(long, const std::string&) override { return std::nullopt; }
    void SubmitHighScore(const std::string&, const std::string&, const std::string&, const std::string&,
                         const std::string&) override {}

    void Refresh(View) override {}
    ScanView& Scan() override { return scan_; }
    void SetChartQuadrantColor(int, long) override {}
    void FrameChartQuadrant(int) override {}
    void ClearChartHighlights() override {}
    void ShowInfoProgress(const std::string&, bool) override {}

    void Attach(Game&) override {}
    void LoadForm(Form) override {}
    void ApplyLanguage() override {}
    bool IsFormVisible(Form) override { return false; }
    void ShowForm(Form) override {}
    void HideForm(Form) override {}
    int ShowFormChecked(Form) override { return 0; }
    void BringToFront(Form) override {}
    void HideByRegion(Form) override {}
    void ShowByRegion(Form) override {}
    void SetFormEnabled(Form, bool) override {}
    Pointer MousePointer() override { return pointer_; }
    void SetMousePointer(Pointer p) override { pointer_ = p; }
    void FocusCommandBar() override {}
    void EndProgram() override {}

    int SoundDeviceCount() override { return 0; }
    void PlaySoundFile(const std::string&, int) override {}

    void Wait(double) override {}
    void TimerChanged(Timer, bool) override {}
    double TimeOfDay() override { return 43200; }

    bool PrintLines(const std::vector<std::string>&, const std::string&) override { return false; }

    void ScreenSizeTwips(long& width, long& height) override {
        width = 1024L * 15;
        height = 768L * 15;
    }
    void CenterMouse() override {}
    bool LoadBackgroundPicture(const std::string&) override { return true; }
    std::string BackgroundPictureError() override { return {}; }
    void SetBackgroundColor(long) override {}
    void HideBackground() override {}
    void DrawVersionText(const std::string&, long) override {}
    void CachePlanetPicture(int, const std::string&) override {}
    bool OpenDocument(const std::string&) override { return true; }

private:
    Pointer pointer_ = Pointer::Default;
    NullScan scan_;
};

}  // namespace kv
