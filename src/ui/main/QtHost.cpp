#include "ui/main/QtHost.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace kv {
namespace {

QMessageBox::StandardButtons ButtonsFor(long style) {
    switch (style & 7) {
        case kOKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case kAbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case kYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case kYesNo: return QMessageBox::Yes | QMessageBox::No;
        case kRetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
        default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconFor(long style) {
    switch (style & 0x70) {
        case kCritical: return QMessageBox::Critical;
        case kQuestion: return QMessageBox::Question;
        case kExclamation: return QMessageBox::Warning;
        case kInformation: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

int ResultOf(int button) {
    switch (button) {
        case QMessageBox::Ok: return kOK;
        case QMessageBox::Cancel: return kCancel;
        case QMessageBox::Abort: return kAbort;
        case QMessageBox::Retry: return kRetry;
        case QMessageBox::Ignore: return kIgnore;
        case QMessageBox::Yes: return kYes;
        case QMessageBox::No: return kNo;
        default: return kCancel;
    }
}

int Run(const std::string& text, long style) {
    QMessageBox box(IconFor(style), QStringLiteral("Kestrava"), QString::fromStdString(text),
                    ButtonsFor(style));
    return ResultOf(box.exec());
}

}  // namespace

void QtHost::AppendOutputLine(const std::string& line) {
    QString l = QString::fromStdString(line);
    outputLines << l;
    if (onOutputLine) onOutputLine(l);
}

void QtHost::ShowNotice(const std::string& text, long buttons, bool) { Run(text, buttons); }

int QtHost::AskQuestion(const std::string& prompt, long buttons, bool) { return Run(prompt, buttons); }

void QtHost::Wait(double seconds) {
    QElapsedTimer clock;
    clock.start();
    const qint64 ms = static_cast<qint64>(seconds * 1000.0);
    QEventLoop loop;
    while (clock.elapsed() < ms) {
        QTimer::singleShot(static_cast<int>(std::min<qint64>(ms - clock.elapsed(), 20)), &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}

int QtHost::ShowErrorReport(const std::string& text) {
    return Run(text, kAbortRetryIgnore | kCritical);
}

}  // namespace kv

namespace kv {

// Moves the pointer out of the way: the bottom-right corner of the primary screen.
void QtHost::CenterMouse() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) QCursor::setPos(screen, screen->geometry().bottomRight());
}

}  // namespace kv
