#include "ui/host/WindowArranger.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <array>

namespace kv {
namespace {

// A window comes after the windows its rule places it against, the windows held to a corner of the
// desktop before those that find a free place near theirs, and the report windows last: they give
// way to every other game window.
constexpr std::array kOrder = {
    Form::frmOutput,        Form::frmCommands,      Form::frmInfo,         Form::frmStatus,
    Form::frmGalaxy,        Form::frmBars,          Form::frmSRS,          Form::frmCOM,
    Form::frmDamageReport,  Form::frmGeneralReport, Form::frmZarvoniReport, Form::frmBaseReport,
};

bool GivesWay(Form form) {
    return form == Form::frmDamageReport || form == Form::frmGeneralReport || form == Form::frmZarvoniReport ||
           form == Form::frmBaseReport;
}

size_t Turn(Form form) {
    const auto* it = std::find(kOrder.begin(), kOrder.end(), form);
    return static_cast<size_t>(it - kOrder.begin());
}

QRect& DesktopOverride() {
    static QRect area;
    return area;
}

constexpr int kSettleMs = 25;
// How long a window shown waits for its frame: a desktop without a window manager gives none.
constexpr int kSettleTicks = 16;

bool GivesFrames() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

void UseDesktopArea(const QRect& area) { DesktopOverride() = area; }

QRect DesktopArea() {
    if (!DesktopOverride().isEmpty()) return DesktopOverride();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void DesktopSizeTwips(long& width, long& height) {
    const QRect area = DesktopArea();
    width = static_cast<long>(area.x() + area.width()) * 15;
    height = static_cast<long>(area.y() + area.height()) * 15;
}

WindowBox DesktopBox() {
    const QRect area = DesktopArea();
    return {area.x(), area.y(), area.width(), area.height()};
}

WindowBox OuterBox(const QWidget* w) {
    const QRect r = w->frameGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

void PlaceTwips(QWidget* w, long left, long top) { w->move(static_cast<int>(left / 15), static_cast<int>(top / 15)); }

void CentreOnDesktop(QWidget* w) {
    const QRect area = DesktopArea();
    const QPoint centred = area.center() - QRect(QPoint(), w->size()).center();
    w->setGeometry(QRect(QPoint(std::max(area.left(), centred.x()), std::max(area.top(), centred.y())), w->size()));
}

WindowArranger::WindowArranger() {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] { Settle(); });
}

void WindowArranger::Add(Form form, QWidget* window, std::function<void()> place) {
    Rule& rule = rules_[form] = Rule{window, std::move(place), {}, false};
    window->installEventFilter(this);
    Place(rule, StandingBefore(form));
}

std::vector<StandingWindow> WindowArranger::StandingBefore(Form form) const {
    std::vector<StandingWindow> standing;
    for (const auto& [other, rule] : rules_) {
        if (other == form || Turn(other) >= Turn(form) || !rule.window) continue;
        if (GivesWay(other) && !rule.window->isVisible()) continue;
        standing.push_back({OuterBox(rule.window), GivesWay(other)});
    }
    return standing;
}

void WindowArranger::Place(Rule& rule, const std::vector<StandingWindow>& standing) {
    rule.place();
    const WindowBox box = OuterBox(rule.window);
    const WindowBox at = NearestFreePlace(box, standing, DesktopBox());
    if (at != box) MoveTo(rule.window, at);
    rule.placedAt = rule.window->pos();
}

void WindowArranger::ArrangeNow() {
    ++arranged_;
    std::vector<std::pair<size_t, Form>> turns;
    for (const auto& [form, rule] : rules_) turns.emplace_back(Turn(form), form);
    std::sort(turns.begin(), turns.end());
    for (const auto& [turn, form] : turns) {
        Rule& rule = rules_[form];
        if (rule.window && rule.window->pos() == rule.placedAt) Place(rule, StandingBefore(form));
    }
    KeepAboveReports();
}

bool WindowArranger::Beneath(Form form) const {
    auto it = rules_.find(form);
    return it != rules_.end() && it->second.beneath;
}

void WindowArranger::KeepAboveReports() {
    // Not while a modal window is up: the windows raised would cover it.
    const bool raise = QApplication::activeModalWidget() == nullptr;
    for (auto& [report, r] : rules_) {
        r.beneath = false;
        if (!GivesWay(report) || !r.window || !r.window->isVisible() || r.window->pos() != r.placedAt) continue;
        for (auto& [form, w] : rules_) {
            if (GivesWay(form) || !w.window || !w.window->isVisible()) continue;
            if (CoveredArea(OuterBox(r.window), OuterBox(w.window)) == 0) continue;
            r.beneath = true;
            if (raise) w.window->raise();
        }
    }
}

bool WindowArranger::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Show) {
        for (auto& [form, rule] : rules_) {
            if (rule.window != watched || rule.shown) continue;
            rule.shown = true;
            waited_ = 0;
            settle_.start();
        }
    } else if (e->type() == QEvent::Resize) {
        // A window shown that changes its size moves the windows placed against it.
        for (auto& [form, rule] : rules_)
            if (rule.window == watched && rule.shown && rule.window->isVisible() && !settle_.isActive()) {
                waited_ = 0;
                settle_.start();
            }
    }
    return QObject::eventFilter(watched, e);
}

// Every window shown has its frame from the desktop (or the desktop gives none).
bool WindowArranger::Framed() const {
    for (const auto& [form, rule] : rules_)
        if (rule.window && rule.window->isVisible() &&
            !(rule.window->windowFlags() & Qt::FramelessWindowHint) &&
            rule.window->frameGeometry() == rule.window->geometry())
            return false;
    return true;
}

void WindowArranger::Settle() {
    if (GivesFrames() && !Framed() && ++waited_ < kSettleTicks) {
        settle_.start();
        return;
    }
    ArrangeNow();
}

}  // namespace kv
