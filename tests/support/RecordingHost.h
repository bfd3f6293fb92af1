#pragma once
// The one host of the tests: it records every request of the engine in one transcript
// (`events`, one line per call, "kind:details"), answers queries from settable fields, and
// fails the running test on a question, modal window, input or error report it was not scripted
// to answer.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "state/Port.h"

namespace kv::test {

class RecordingHost : public GameHost, public ScanView {
public:
    ~RecordingHost() override {
        EXPECT_TRUE(errorAnswers.empty()) << errorAnswers.size() << " expected error report(s) never came";
    }

    // ---- Scripts and settable answers ----------------------------------------------------
    std::deque<int> answers;                              // questions, in order
    std::map<Form, std::function<int()>> modal;           // a modal window: acts, returns its result
    std::deque<std::optional<std::string>> files, texts;  // file dialog, text input
    std::deque<std::optional<long>> colours;              // colour dialog
    std::set<Form> visible;                               // windows that count as shown
    std::function<void(View)> onRefresh;                  // a test acting in the middle of a stage
    // Error reports the test expects, answered in order (kAbort, kRetry or kIgnore). An error
    // report beyond them fails the test: an engine fault never passes unseen.
    std::deque<int> errorAnswers;
    void ExpectErrors(int count, int answer = kIgnore) { errorAnswers.insert(errorAnswers.end(), count, answer); }
    std::function<void()> onWaitMessage;                  // what happens while the game's message shows
    int soundDevices = 1;
    int cellPixels = 32;
    double timeOfDay = 43200;  // noon
    long screenWidth = 1024L * 15, screenHeight = 768L * 15;
    bool pictureReadable = true;
    bool modalOpen = false;  // a modal window is open: a checked show is refused with 401
    bool printOk = true;
    int noteFailure = 0;  // what the note window answers when asked to show (401: a modal window is open)

    // ---- What was asked ------------------------------------------------------------------
    std::vector<std::string> events;  // everything, in order
    std::vector<std::string> output, notices, questions, sounds, errors;
    std::vector<int> soundFlags;                          // the flags of each sound played
    std::vector<long> styles;                             // the style of each notice and question
    std::vector<std::string> inputTitles, inputDefaults;  // each text input's title and default
    std::vector<std::string> fileFolders;                 // the folder each file dialog opened in
    std::vector<std::vector<std::string>> printed;
    double waited = 0;
    Pointer pointer = Pointer::Default;

    // Events whose text starts with the prefix, in order.
    std::vector<std::string> Events(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& e : events)
            if (e.rfind(prefix, 0) == 0) out.push_back(e);
        return out;
    }
    bool Saw(const std::string& event) const {
        for (const auto& e : events)
            if (e == event) return true;
        return false;
    }

    // ---- PlayerDialogs -------------------------------------------------------------------
    void AppendOutputLine(const std::string& line) override {
        output.push_back(line);
        Log("log:" + line);
    }
    void ClearOutputLog() override {
        output.clear();
        Log("clearlog");
    }
    std::vector<std::string> OutputLines() override { return output; }
    void ShowNotice(const std::string& text, long style, bool) override {
        notices.push_back(text);
        styles.push_back(style);
        Log("notice:" + text);
    }
    int AskQuestion(const std::string& prompt, long style, bool) override {
        questions.push_back(prompt);
        styles.push_back(style);
        Log("ask:" + prompt);
        if (answers.empty()) {
            ADD_FAILURE() << "unscripted question: " << prompt;
            return CloseAnswer(style);
        }
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    int ShowNote(bool show, const std::optional<std::string>& text) override {
        Log(std::string(show ? "note:" : "hidenote") + (show && text ? *text : std::string()));
        return show ? noteFailure : 0;
    }
    void AddBackgroundLine(const std::string& text) override { Log("background:" + text); }
    void WaitForMessageClose() override {
        Log("waitmessage");
        if (onWaitMessage) onWaitMessage();
    }
    int ShowErrorReport(const std::string& text) override {
        errors.push_back(text);
        Log("error:" + text);
        if (errorAnswers.empty()) {
            ADD_FAILURE() << "unexpected error report:\n" << text;
            return kIgnore;
        }
        const int a = errorAnswers.front();
        errorAnswers.pop_front();
        return a;
    }
    int RunModal(Form form) override {
        Log(std::string("modal:") + Name(form));
        auto it = modal.find(form);
        if (it == modal.end() || !it->second) {
            ADD_FAILURE() << "unscripted modal window: " << Name(form);
            return kCancel;
        }
        return it->second();
    }
    std::optional<std::string> ChooseFile(FileDialogMode mode, const std::string& pattern,
                                          const std::string& folder) override {
        fileFolders.push_back(folder);
        Log(std::string(mode == FileDialogMode::Save ? "savefile:" : "loadfile:") + pattern);
        return Next(files, "file dialog");
    }
    std::optional<std::string> InputText(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override {
        inputTitles.push_back(title);
        inputDefaults.push_back(initial);
        Log("input:" + prompt);
        return Next(texts, "text input");
    }
    std::optional<long> ChooseColour(long, const std::string& title) override {
        Log("colour:" + title);
        return Next(colours, "colour dialog");
    }
    void SubmitHighScore(const std::string& name, const std::string& sn, const std::string& code,
                         const std::string& comments, const std::string& kind) override {
        Log("submit:" + kind + ":" + name + "|" + sn + "|" + code + "|" + comments);
    }

    // ---- Views ---------------------------------------------------------------------------
    void Refresh(View view) override {
        Log(std::string("refresh:") + Name(view));
        if (onRefresh) onRefresh(view);
    }
    // The scan's drawing is recorded with the rest.
    ScanView& Scan() override { return *this; }
    void DrawSector(int row, int col, int code) override { Log("draw:" + Cell(row, col) + ":" + std::to_string(code)); }
    void ResetSRSCells() override { Log("resetcells"); }
    int SectorCellPixels() override { return cellPixels; }
    void DrawFlashRing(int row, int col, int radius, int colour) override {
        Log("ring:" + Cell(row, col) + ":" + std::to_string(radius) + ":" + std::to_string(colour));
    }
    void EndFlash(int row, int col) override { Log("endflash:" + Cell(row, col)); }
    void ShowTowIcon(int row, int col) override { Log("tow:" + Cell(row, col)); }
    void ResetSectorPicture(int row, int col) override { Log("resetsector:" + Cell(row, col)); }
    void SetChartQuadrantColor(int index, long color) override {
        chart[index] = color;
        Log("chart:" + std::to_string(index) + ":" + std::to_string(color));
    }
    void FrameChartQuadrant(int index) override {
        framed = index;
        Log("frame:" + std::to_string(index));
    }
    void ClearChartHighlights() override { Log("clearchart"); }
    void ShowInfoProgress(const std::string& text, bool showWindow) override {
        Log(std::string(showWindow ? "progress+show:" : "progress:") + text);
    }
    void AnimateSectorMove(int fromRow, int fromCol, int toRow, int toCol, int line) override {
        Log("beam:" + std::to_string(line) + ":" + Cell(fromRow, fromCol) + ">" + Cell(toRow, toCol));
    }
    void ShowBeamLines(int first, int last, bool visible) override {
        Log("beams:" + std::to_string(first) + "-" + std::to_string(last) + (visible ? ":on" : ":off"));
    }
    void SetTractorBeamColours(bool morv) override { Log(morv ? "beamcolours:morv" : "beamcolours:own"); }
    // Weapon effects: "marker:Name:r,c", "marker:Name:on|off", "flare:r,c:dx,dy:size",
    // "hyperflash:frame:colour" ("hyperflash:0" at the end).
    void PlaceMarker(SectorMarker marker, int row, int col) override {
        Log(std::string("marker:") + Name(marker) + ":" + Cell(row, col));
    }
    void ShowMarker(SectorMarker marker, bool visible) override {
        Log(std::string("marker:") + Name(marker) + (visible ? ":on" : ":off"));
    }
    void ShowFlare(int row, int col, double dx, double dy, int size) override {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%g,%g", dx, dy);
        Log("flare:" + Cell(row, col) + ":" + buf + ":" + std::to_string(size));
    }
    void HyperspaceFlash(int frame, long colour) override {
        Log("hyperflash:" + std::to_string(frame) + (frame > 0 ? ":" + std::to_string(colour) : std::string()));
    }
    std::map<int, long> chart;
    int framed = -1;

    // The Morv ship's glide.
    void AnimateMorvMove(int fromRow, int fromCol, int toRow, int toCol) override {
        Log("morvmove:" + Cell(fromRow, fromCol) + ">" + Cell(toRow, toCol));
    }

    // ---- Forms ---------------------------------------------------------------------------
    void Attach(Game&) override {}
    void LoadForm(Form form) override { Log(std::string("load:") + Name(form)); }
    void ApplyLanguage() override { Log("applylanguage"); }
    bool IsFormVisible(Form form) override { return visible.count(form) > 0; }
    void ShowForm(Form form) override {
        visible.insert(form);
        Log(std::string("show:") + Name(form));
    }
    void HideForm(Form form) override {
        visible.erase(form);
        Log(std::string("hide:") + Name(form));
    }
    int ShowFormChecked(Form form) override {
        if (modalOpen) {
            Log(std::string("refused:") + Name(form));
            return 401;
        }
        ShowForm(form);
        return 0;
    }
    void BringToFront(Form form) override { Log(std::string("front:") + Name(form)); }
    // "regionhide:frmX" / "regionshow:frmX"; `regionHidden` holds the windows without a region.
    void HideByRegion(Form form) override {
        regionHidden.insert(form);
        Log(std::string("regionhide:") + Name(form));
    }
    void ShowByRegion(Form form) override {
        regionHidden.erase(form);
        Log(std::string("regionshow:") + Name(form));
    }
    std::set<Form> regionHidden;
    void SetFormEnabled(Form form, bool enabled) override {
        Log(std::string(enabled ? "enable:" : "disable:") + Name(form));
    }
    Pointer MousePointer() override { return pointer; }
    void SetMousePointer(Pointer p) override {
        pointer = p;
        Log("pointer:" + std::to_string(static_cast<int>(p)));
    }
    void FocusCommandBar() override { Log("focus:frmCommands"); }
    void EndProgram() override { Log("endprogram"); }

    // ---- Sound, clock, printer -----------------------------------------------------------
    int SoundDeviceCount() override { return soundDevices; }
    void PlaySoundFile(const std::string& path, int flags) override {
        sounds.push_back(path);
        soundFlags.push_back(flags);
        Log("sound:" + path);
    }
    void Wait(double seconds) override {
        waited += seconds;
        Log("wait");
    }
    void TimerChanged(Timer timer, bool enabled) override {
        Log(std::string("timer:") + Name(timer) + (enabled ? ":on" : ":off"));
    }
    double TimeOfDay() override { return timeOfDay; }
    bool PrintLines(const std::vector<std::string>& lines, const std::string& title) override {
        printed.push_back(lines);
        Log("print:" + title);
        return printOk;
    }

    // ---- Desktop -------------------------------------------------------------------------
    void ScreenSizeTwips(long& width, long& height) override {
        width = screenWidth;
        height = screenHeight;
    }
    void CenterMouse() override { Log("centermouse"); }
    bool LoadBackgroundPicture(const std::string& path) override {
        Log("bgpicture:" + path);
        return pictureReadable;
    }
    std::string BackgroundPictureError() override { return {}; }
    void SetBackgroundColor(long color) override { Log("bgcolor:" + std::to_string(color)); }
    void HideBackground() override { Log("hidebg"); }
    void DrawVersionText(const std::string& text, long color) override {
        Log("version:" + text + ":" + std::to_string(color));
    }
    void CachePlanetPicture(int index, const std::string& path) override {
        Log("planet:" + std::to_string(index) + ":" + path);
    }
    // A document the desktop cannot open (openFails) is refused.
    bool OpenDocument(const std::string& path) override {
        Log("open:" + path);
        return !openFails;
    }
    bool openFails = false;

private:
    void Log(std::string e) { events.push_back(std::move(e)); }
    static std::string Cell(int row, int col) { return std::to_string(row) + "," + std::to_string(col); }
    template <typename T>
    std::optional<T> Next(std::deque<std::optional<T>>& queue, const char* what) {
        if (queue.empty()) {
            ADD_FAILURE() << "unscripted " << what;
            return std::nullopt;
        }
        auto v = queue.front();
        queue.pop_front();
        return v;
    }
};

}  // namespace kv::test
