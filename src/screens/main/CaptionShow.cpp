#include "screens/main/CaptionShow.h"

#include <cmath>

#include "state/Numeric.h"
#include "state/Utilities.h"

namespace kv {

namespace {

Timer TimerOf(CaptionShowKind kind) {
    return kind == CaptionShowKind::Grey ? Timer::frmBackground_tmrScroll : Timer::frmBackground_tmrNoMorv;
}

CaptionShowState& StateOf(Game& g, CaptionShowKind kind) {
    return kind == CaptionShowKind::Grey ? g.background.grey : g.background.red;
}

int Nearest(double v) { return static_cast<int>(std::lround(v)); }

std::vector<std::string> SplitLines(const std::string& caption, const std::string& newLine) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at; (at = caption.find(newLine, from)) != std::string::npos; from = at + newLine.size())
        lines.push_back(caption.substr(from, at - from));
    lines.push_back(caption.substr(from));
    return lines;
}

// Grey: every line centred on the window. Red: each centred across and placed down the window by
// its index, the line of the highest index centred on the bottom edge.
void PlaceLines(CaptionShowState& show, CaptionShowKind kind, const CaptionGeometry& window, size_t count) {
    show.places.assign(count, CaptionPlace{});
    for (size_t i = 0; i < count; ++i) {
        const CaptionLabelSize size = i < window.labels.size() ? window.labels[i] : CaptionLabelSize{};
        CaptionPlace& at = show.places[i];
        at.left = Nearest((window.width - size.width) / 2.0);
        if (kind == CaptionShowKind::Grey)
            at.top = Nearest((window.height - size.height) / 2.0);
        else
            at.top =
                Nearest(static_cast<double>(window.height) * static_cast<double>(i + 1) / static_cast<double>(count) -
                        size.height / 2.0);
    }
}

// The line at its level, clamped to 0..255 (the clamped level is kept).
CaptionPrint PrintFadedCaption(Game& g, CaptionShowState& show, CaptionShowKind kind) {
    const auto index = static_cast<size_t>(show.ShowIndex);
    if (show.ShowLevel < 0) show.ShowLevel = 0;
    if (show.ShowLevel > 255) show.ShowLevel = 255;
    CaptionPrint p;
    p.label = show.ShowIndex;
    p.lines = SplitLines(g.background.lblScroll[index], g.st.NewLine);
    if (index < show.places.size()) {
        p.left = show.places[index].left;
        p.top = show.places[index].top;
    }
    p.level = show.ShowLevel;
    const long level = show.ShowLevel;
    p.colour = kind == CaptionShowKind::Grey ? level | (level << 8) | (level << 16) : level;
    return p;
}

// The end of a show: its timer off (the red one back at its delay, so the next red show waits
// for it again), the lines of this show dropped and the window cleared and hidden.
void EndShow(Game& g, CaptionShowKind kind, CaptionTick& tick) {
    CaptionShowState& show = StateOf(g, kind);
    show.ShowStarted = false;
    show.ShowIndex = 0;
    show.ShowWait = 0;  // a pause left over from the last line does not delay the next show
    if (kind == CaptionShowKind::Grey) {
        g.background.stopRequested = false;
    } else {
        g.background.redInterval = kRedShowDelayMs;
    }
    g.SetTimer(TimerOf(kind), false);
    g.background.lblScroll.resize(1);
    g.background.BackgroundLineCount = 0;
    tick.ended = true;
    tick.interval = kind == CaptionShowKind::Red ? g.background.redInterval : kCaptionTickMs;
    g.host.HideForm(Form::frmBackground);
}

}  // namespace

double CaptionFontSize(int screenWidthPixels) { return 24.0 * screenWidthPixels / 1024.0; }

void StartCaptionShow(Game& g, CaptionShowKind kind) { g.SetTimer(TimerOf(kind), true); }

void RequestCaptionShowStop(Game& g) {
    if (g.TimerEnabled(Timer::frmBackground_tmrScroll)) g.background.stopRequested = true;
}

CaptionTick CaptionShowTick(Game& g, CaptionShowKind kind, const CaptionGeometry& window) {
    CaptionShowState& show = StateOf(g, kind);
    const bool grey = kind == CaptionShowKind::Grey;
    CaptionTick tick;
    tick.interval = grey ? kCaptionTickMs : g.background.redInterval;
    show.ShowSpeed = 0.33f;
    if (grey && g.background.stopRequested) {
        EndShow(g, kind, tick);
        return tick;
    }
    if (show.ShowWait > 0) {
        --show.ShowWait;
        return tick;
    }
    const std::vector<std::string>& lines = g.background.lblScroll;
    show.ShowCount = Clamp16(static_cast<long long>(lines.size()));

    if (!show.ShowStarted) {
        PlaceLines(show, kind, window, lines.size());
        if (grey) {
            CenterMouse(g);
        } else {
            g.background.redInterval = kCaptionTickMs;
            tick.interval = kCaptionTickMs;
        }
        show.ShowIndex = 0;
        show.ShowLevel = 0;
        show.ShowStep = 1;
        show.ShowWait = 0;
        show.ShowStarted = true;
        tick.setUp = true;
    }

    if (show.ShowIndex >= show.ShowCount) {
        EndShow(g, kind, tick);
        return tick;
    }
    // An empty line is a pause.
    if (lines[static_cast<size_t>(show.ShowIndex)].empty()) {
        show.ShowWait = CInt(show.ShowSpeed * 20);
        ++show.ShowIndex;
        if (show.ShowIndex >= show.ShowCount) EndShow(g, kind, tick);
        return tick;
    }

    show.ShowLevel = CInt(show.ShowStep * 10 / show.ShowSpeed + show.ShowLevel);
    if (show.ShowLevel >= 0 && show.ShowLevel <= 255) {
        tick.print = PrintFadedCaption(g, show, kind);
        return tick;
    }
    // The end of a fade: a hold after fading in (longer for a caption of several lines), a dark
    // pause after fading out.
    const bool fadedIn = show.ShowStep > 0;
    const bool severalLines = lines[static_cast<size_t>(show.ShowIndex)].find(g.st.NewLine) != std::string::npos;
    show.ShowWait = static_cast<Integer>(show.ShowStep * 10 + 20 + (fadedIn && severalLines ? 20 : 0));
    show.ShowStep = static_cast<Integer>(-show.ShowStep);
    if (fadedIn) return tick;
    tick.print = PrintFadedCaption(g, show, kind);  // at level 0: erases the line
    ++show.ShowIndex;
    show.ShowLevel = 0;
    if (show.ShowIndex >= show.ShowCount) EndShow(g, kind, tick);
    return tick;
}

}  // namespace kv
