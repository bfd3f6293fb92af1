#include "ui/main/WindowArranger.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <array>

namespace kv {
namespace {

// A window comes after the windows its rule places it against.
constexpr std::array kOrder = {
    Form::frmOutput,        Form::frmCommands,   Form::frmInfo,          Form::frmSRS,
    Form::frmStatus,        Form::frmGalaxy,     Form::frmBars,          Form::frmDamageReport,
    Form::frmGeneralReport, Form::frmZarvoniReport, Form::frmBaseReport, Form::frmCOM,
};

constexpr int kSettleMs = 25;
// How long a window shown waits for its frame: a desktop without a window manager gives none.
constexpr int kSettleTicks = 16;

bool GivesFrames() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

QRect DesktopArea() {
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

WindowArranger::WindowArranger() {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] { Settle(); });
}

void WindowArranger::Add(Form form, QWidget* window, std::function<void()> place) {
    Rule& rule = rules_[form] = Rule{window, std::move(place), {}, false};
    window->installEventFilter(this);
    Place(rule);
}

void WindowArranger::Place(Rule& rule) {
    rule.place();
    const WindowBox box = OuterBox(rule.window);
    const WindowBox kept = KeptOnScreen(box, DesktopBox());
    if (kept != box) MoveTo(rule.window, kept);
    rule.placedAt = rule.window->pos();
}

void WindowArranger::ArrangeNow() {
    ++arranged_;
    auto run = [this](Rule& rule) {
        if (rule.window && rule.window->pos() == rule.placedAt) Place(rule);
    };
    for (Form form : kOrder)
        if (auto it = rules_.find(form); it != rules_.end()) run(it->second);
    for (auto& [form, rule] : rules_)
        if (std::find(kOrder.begin(), kOrder.end(), form) == kOrder.end()) run(rule);
}

bool WindowArranger::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Show) {
        for (auto& [form, rule] : rules_) {
            if (rule.window != watched || rule.shown) continue;
            rule.shown = true;
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
