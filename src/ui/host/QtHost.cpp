#include "ui/host/QtHost.h"

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageReader>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "screens/MessageBoxes.h"
#include "state/FileDialogSetup.h"
#include "state/Game.h"
#include "state/ScreenData.h"
#include "ui/host/FormSkin.h"
#include "ui/host/HostWindows.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowRelabel.h"

#ifdef KESTRAVA_HAVE_MULTIMEDIA
#include <QAudioDevice>
#include <QMediaDevices>
#endif
#ifdef KESTRAVA_HAVE_PRINTSUPPORT
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#endif

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

int ResultOf(QMessageBox::StandardButton button, long style) {
    switch (button) {
        case QMessageBox::Ok: return kOK;
        case QMessageBox::Cancel: return kCancel;
        case QMessageBox::Abort: return kAbort;
        case QMessageBox::Retry: return kRetry;
        case QMessageBox::Ignore: return kIgnore;
        case QMessageBox::Yes: return kYes;
        case QMessageBox::No: return kNo;
        default: return CloseAnswer(style);  // closed through its frame
    }
}

// Escape on a box whose buttons hold neither Cancel nor a lone OK (Yes/No, Abort/Retry/Ignore):
// the platform's box gives it no answer, where Qt's would take No or Ignore for it.
class NoEscapeAnswer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) return true;
        return QObject::eventFilter(watched, e);
    }
};

int RunBox(const std::string& text, long style) {
    QMessageBox box(IconFor(style), QStringLiteral("Kestrava"), QString::fromStdString(text), ButtonsFor(style));
    NoEscapeAnswer noEscape;
    if (!HasCancelButton(style) && MessageButtons(style).size() > 1) box.installEventFilter(&noEscape);
    // The default button: bits 8-11 count the buttons from the left.
    const QList<QAbstractButton*> buttons = box.buttons();
    const std::vector<MessageButton> order = MessageButtons(style);
    const size_t slot = static_cast<size_t>(DefaultButtonSlot(style));
    for (QAbstractButton* b : buttons) {
        const int code = ResultOf(box.standardButton(b), style);
        if (slot < order.size() && code == order[slot].code) box.setDefaultButton(qobject_cast<QPushButton*>(b));
        // Closed through its frame, the box answers as the game's own message window does (Qt
        // would press Abort of Abort, Retry and Ignore).
        if (code == CloseAnswer(style)) box.setEscapeButton(b);
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    return ResultOf(clicked ? box.standardButton(clicked) : QMessageBox::NoButton, style);
}

// The player's input: what is dropped while the engine is busy.
bool IsPlayerInput(const QEvent* e) {
    switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu: return true;
        // A window closed through its frame; the program's own close() calls pass.
        case QEvent::Close: return e->spontaneous();
        default: return false;
    }
}

// The application's filter of the player's input (QtHost::TakesInput decides).
class InputGate : public QObject {
public:
    explicit InputGate(const QtHost& host) : host_(host) {
        if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputGate() override {
        if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override {
        if (!IsPlayerInput(e) || host_.TakesInput(receiver)) return false;
        if (e->type() == QEvent::Close) e->ignore();  // the window stays open
        return true;
    }

private:
    const QtHost& host_;
};

Qt::CursorShape ShapeOf(Pointer p) {
    switch (p) {
        case Pointer::Default: return Qt::ArrowCursor;
        case Pointer::Hourglass: return Qt::WaitCursor;
        case Pointer::ArrowHourglass: return Qt::BusyCursor;
    }
    return Qt::ArrowCursor;
}

}  // namespace

// ---- The windows -------------------------------------------------------------------------------

QtHost::QtHost(FormEntries windows)
    : windows_(std::move(windows)), gate_(std::make_unique<InputGate>(*this)), arranger_(std::make_unique<WindowArranger>()) {}

void QtHost::PlaceBy(Form form, QWidget* window, std::function<void()> place) {
    arranger_->Add(form, window, std::move(place));
}

QtHost::~QtHost() {
    gate_.reset();
    DestroyForms();
}

void QtHost::DestroyForms() {
    views_.clear();
    followers_.clear();
    timers_.clear();
    outputLine_ = {};
    clearOutput_ = {};
    scan_ = nullptr;
    chart_ = nullptr;
    while (!made_.empty()) made_.pop_back();  // the last made goes first
}

void QtHost::RegisterForm(Form form, QWidget* window) { forms_[form] = window; }

QWidget* QtHost::FormWindow(Form form) const {
    auto it = forms_.find(form);
    return it == forms_.end() ? nullptr : it->second.data();
}

QWidget* QtHost::Window(Form form) {
    if (QWidget* w = FormWindow(form)) return w;
    if (!game_) return nullptr;
    for (const FormEntry& entry : windows_) {
        if (entry.form != form) continue;
        // Registered before it is made, so that a request of its constructor finds it.
        made_.emplace_back();
        QWidget* w = entry.make(*game_, *this);
        made_.back().reset(w);
        forms_[form] = w;
        // The game's windows all come into being at start-up, some after the relabelling run:
        // those speak the language's texts in its fonts too, as the ones made before it do.
        if (languageFonts_) ReplaceWindowFonts(form, w, languageFonts_->first, languageFonts_->second);
        return w;
    }
    return nullptr;
}

void QtHost::LoadForm(Form form) { Window(form); }

// The relabelling run gives every window its captions from the language file; the windows
// read their texts as they are made until it does.
void QtHost::ApplyLanguage() {
    if (!game_) return;
    WindowRelabel surface(*this);
    kv::ApplyLanguage(*game_, surface);
}

void QtHost::KeepLanguageFonts(const std::string& font, const std::string& serifFont) {
    languageFonts_.emplace(font, serifFont);
}

void QtHost::OnView(View view, QObject* owner, std::function<void()> show) { views_[view] = {owner, std::move(show)}; }

void QtHost::FollowView(View view, QObject* owner, std::function<void()> show) {
    followers_.insert({view, {owner, std::move(show)}});
}

void QtHost::OnTimer(Timer timer, QObject* owner, std::function<void(bool)> changed) {
    timers_[timer] = {owner, std::move(changed)};
}

QTimer* QtHost::AddTimer(Timer timer, QWidget* owner, int ms, std::function<void()> tick, Tick kind) {
    auto* t = new QTimer(owner);
    t->setInterval(ms);
    QObject::connect(t, &QTimer::timeout, owner, [this, timer, tick = std::move(tick), kind] {
        if (kind == Tick::Cosmetic)
            tick();
        else
            Run(TimerOwner(timer), tick);
    });
    OnTimer(timer, owner, [t](bool enabled) {
        if (enabled)
            t->start();
        else
            t->stop();
    });
    if (game_ && game_->TimerEnabled(timer)) t->start();
    return t;
}

void QtHost::OnOutput(QObject* owner, std::function<void(const QString&)> line, std::function<void()> clear) {
    outputLine_ = {owner, std::move(line)};
    clearOutput_ = {owner, std::move(clear)};
}

bool QtHost::HasView(View view) const {
    auto it = views_.find(view);
    return it != views_.end() && it->second.owner && it->second.call;
}

bool QtHost::HasTimer(Timer timer) const {
    auto it = timers_.find(timer);
    return it != timers_.end() && it->second.owner && it->second.call;
}

// ---- The busy guard ----------------------------------------------------------------------------

bool QtHost::IsForm(const QWidget* w) const {
    for (const auto& [form, window] : forms_)
        if (window == w) return true;
    return false;
}

bool QtHost::IsRunModal(const QWidget* w) const {
    return std::find(running_.begin(), running_.end(), w) != running_.end();
}

QWidget* QtHost::OwnerOf(QWidget* w) const {
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (IsForm(p)) return p;
        // A dialog open for the player that is no game window (a message box, the file dialog).
        if (p->isWindow() && p->isModal() && p->isVisible()) return p;
    }
    return nullptr;
}

bool QtHost::TakesInput(QObject* receiver) const {
    QWidget* w = nullptr;
    for (QObject* o = receiver; o && !w; o = o->parent()) w = qobject_cast<QWidget*>(o);
    QWidget* owner = w ? OwnerOf(w) : nullptr;
    if (!owner || !game_) return true;
    // The note window runs no engine code: a click on it only hides it.
    if (owner == FormWindow(Form::frmShowMessage)) return true;
    QWidget* modal = QApplication::activeModalWidget();
    // The innermost modal window takes the player's answer, unless it is a window run through
    // RunModal whose own handler is under way.
    if (owner == modal) return !IsRunModal(owner) || game_->CanStartAction();
    // With a modal window open, the game windows below it take nothing.
    if (modal) return !IsForm(owner);
    return !game_->Busy();
}

bool QtHost::CanRun(Form owner) const {
    if (!game_ || !game_->CanStartAction()) return false;
    QWidget* modal = QApplication::activeModalWidget();
    return !modal || modal == FormWindow(owner);
}

bool QtHost::Run(Form owner, const std::function<void()>& handler) {
    if (!CanRun(owner)) return false;
    EngineAction action(*game_);
    if (!action) return false;
    try {
        handler();
    } catch (const std::exception& e) {
        qWarning("%s: %s", Name(owner), e.what());
        ReportError(*game_, ErrorNumber(e), Name(owner), "<none> ");
    } catch (...) {
        ReportError(*game_, 5, Name(owner), "<none> ");
    }
    return true;
}

std::function<void()> QtHost::Handler(Form owner, std::function<void()> handler) {
    return [this, owner, handler = std::move(handler)] { Run(owner, handler); };
}

Form QtHost::FormShowing(View view) {
    switch (view) {
        case View::CommandBar: return Form::frmCommands;
        case View::WindowPositions: return Form::frmOutput;
        case View::OutputFont: return Form::frmOutput;
        case View::OptionsWindow: return Form::frmOptions;
        case View::LibOptions: return Form::frmLibOptions;
        case View::SrsIcons: return Form::frmSRS;
        case View::SrsColors: return Form::frmSRS;
        case View::Background: return Form::frmBackground;
        case View::UpgradeIndicators: return Form::frmGeneralReport;
        case View::UpgradeInitials: return Form::frmGeneralReport;
        case View::MorvTimer: return Form::frmInfo;
        case View::Condition: return Form::frmGeneralReport;
        case View::Lamps: return Form::frmStatus;
        case View::StarbaseLine: return Form::frmInfo;
        case View::RetrofitPanel: return Form::frmRetrofit;
        case View::ShortRangeScan: return Form::frmSRS;
        case View::GalaxyChart: return Form::frmGalaxy;
        case View::Bars: return Form::frmBars;
        case View::CommandState: return Form::frmCommands;
        case View::GeneralReport: return Form::frmGeneralReport;
        case View::BaseReport: return Form::frmBaseReport;
        case View::ZarvoniReport: return Form::frmZarvoniReport;
        case View::DamageReport: return Form::frmDamageReport;
        case View::StatusPanel: return Form::frmStatus;
        case View::SSConsole: return Form::frmSSControl;
        case View::SSSystemView: return Form::frmSSControl;
        case View::SSPlanetView: return Form::frmSSControl;
        case View::SSSpectrum: return Form::frmSSControl;
        case View::ComputerPanel: return Form::frmCOM;
        case View::TargetCalculator: return Form::frmTargetCalculator;
        case View::PhaserPlan: return Form::frmPHA;
        case View::TorpedoPlan: return Form::frmTOR;
        case View::ProbeDialog: return Form::frmPRO;
    }
    return Form::frmOutput;
}

// ---- PlayerDialogs -------------------------------------------------------------------------------

void QtHost::AppendOutputLine(const std::string& line) {
    log_.Add(line);
    if (outputLine_.owner && outputLine_.call) outputLine_.call(QString::fromStdString(line));
}

void QtHost::ClearOutputLog() {
    log_.Clear();
    if (clearOutput_.owner && clearOutput_.call) clearOutput_.call();
}

std::vector<std::string> QtHost::OutputLines() { return log_.ToVector(); }

// In the game's own window a notice shows each tab as five blanks (a question's as one).
void QtHost::ShowNotice(const std::string& text, long style, bool ownDialog) {
    if (script_) return script_->Notice(text, style, ownDialog);
    std::string shown;
    for (char c : text) shown += c == '\t' && ownDialog ? std::string(5, ' ') : std::string(1, c);
    Ask(shown, style, ownDialog);
}

int QtHost::AskQuestion(const std::string& prompt, long style, bool ownDialog) {
    if (script_) return script_->Question(prompt, style, ownDialog);
    return Ask(prompt, style, ownDialog);
}

int QtHost::Ask(const std::string& prompt, long style, bool ownDialog) {
    QWidget* window = Window(Form::frmQuiet);
    if (auto* quiet = dynamic_cast<MessageWindow*>(window); quiet && ownDialog && !window->isVisible())
        return quiet->Ask(QString::fromStdString(prompt), style);
    return RunBox(prompt, style);
}

// While it waits, the player's input reaches the game's message window only: it is the modal
// window open, and the game windows below it take nothing (TakesInput).
void QtHost::WaitForMessageClose() {
    QWidget* quiet = FormWindow(Form::frmQuiet);
    QEventLoop loop;
    while (quiet && quiet->isVisible()) {
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

int QtHost::ShowNote(bool show, const std::optional<std::string>& text) {
    auto* note = dynamic_cast<NoteWindow*>(Window(Form::frmShowMessage));
    return note ? note->ShowNote(show, text) : 0;
}

void QtHost::AddBackgroundLine(const std::string& text) {
    if (auto* bg = dynamic_cast<BackgroundWindow*>(FormWindow(Form::frmBackground))) bg->AddBackgroundLine(text);
}

// Abort, Retry and Ignore with Retry as the default and no icon.
int QtHost::ShowErrorReport(const std::string& text) {
    if (script_) return script_->ErrorReport(text);
    return RunBox(text, kAbortRetryIgnore | 256);
}

// The window's handlers run as actions of their own while it is open (ModalLevel); the window
// ends with done(code): 0 (reject) counts as Cancel.
int QtHost::RunModal(Form form) {
    QWidget* window = Window(form);
    if (!window) throw std::logic_error(std::string("no window is built for ") + Name(form));
    auto* dialog = qobject_cast<QDialog*>(window);
    if (!dialog) throw std::logic_error(std::string(Name(form)) + " is not a dialog");
    if (IsRunModal(dialog)) throw std::logic_error(std::string(Name(form)) + " is open already");
    // A window shown modeless before becomes modal only when it is shown again.
    if (dialog->isVisible()) dialog->hide();
    // It is run for the player's answer, so it takes input even while an action has greyed the
    // game windows (SetFormsEnabled): the exploration console that a move opens runs inside that
    // move, and its shield command opens the shield dialog there.
    dialog->setEnabled(true);
    ModalLevel level(*game_);
    running_.push_back(dialog);
    if (script_) QTimer::singleShot(0, dialog, [this, form, dialog] { script_->Modal(form, *dialog); });
    const int result = dialog->exec();
    running_.pop_back();
    return result == QDialog::Rejected ? kCancel : result;
}

std::optional<std::string> QtHost::ChooseFile(FileDialogMode mode, const std::string& pattern,
                                              const std::string& folder) {
    if (script_ && !script_->FileWindow()) return script_->File(mode, pattern, folder);
    // The game's own file dialog, once it is built: a plain name of the folder, or nothing.
    if (game_ && Window(Form::frmFile)) {
        PrepareFileDialog(*game_, mode, pattern);
        RunModal(Form::frmFile);
        const std::string name = game_->screens.file.txtFile;
        if (name.empty()) return std::nullopt;
        return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
    }
    QString filter = QString::fromStdString(pattern);
    filter.replace(';', ' ');
    const QString dir = QString::fromStdString(folder);
    const QString name = mode == FileDialogMode::Save ? QFileDialog::getSaveFileName(nullptr, QString(), dir, filter)
                                                      : QFileDialog::getOpenFileName(nullptr, QString(), dir, filter);
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

std::optional<std::string> QtHost::InputText(const std::string& prompt, const std::string& title,
                                             const std::string& initial) {
    if (script_) return script_->Text(prompt, title, initial);
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, QString::fromStdString(title), QString::fromStdString(prompt),
                                               QLineEdit::Normal, QString::fromStdString(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::optional<long> QtHost::ChooseColour(long initial, const std::string& title) {
    if (script_ && !script_->ColourWindow()) return script_->Colour(initial, title);
    // Colours are 0xBBGGRR in the game's settings.
    const QColor start = ColourOf(initial);
    const QColor c = QColorDialog::getColor(start, nullptr, QString::fromStdString(title));
    if (!c.isValid()) return std::nullopt;
    return static_cast<long>(c.red()) | (static_cast<long>(c.green()) << 8) | (static_cast<long>(c.blue()) << 16);
}

void QtHost::SubmitHighScore(const std::string& name, const std::string& sn, const std::string& code,
                             const std::string& comments, const std::string& kind) {
    ShowSubmitHighScore(*game_, highScores_, name, sn, code, comments, kind);
}

// ---- Views ---------------------------------------------------------------------------------------

void QtHost::Refresh(View view) {
    auto it = views_.find(view);
    if (it != views_.end() && it->second.owner && it->second.call) it->second.call();
    auto [first, last] = followers_.equal_range(view);
    for (auto f = first; f != last; ++f)
        if (f->second.owner && f->second.call) f->second.call();
    if (QWidget* w = FormWindow(FormShowing(view))) w->update();
}

ScanView& QtHost::Scan() { return scan_ ? *scan_ : noScan_; }

void QtHost::SetChartQuadrantColor(int index, long color) {
    if (chart_) chart_->SetChartQuadrantColor(index, color);
}
void QtHost::FrameChartQuadrant(int index) {
    if (chart_) chart_->FrameChartQuadrant(index);
}
void QtHost::ClearChartHighlights() {
    if (chart_) chart_->ClearChartHighlights();
}
void QtHost::ShowInfoProgress(const std::string& text, bool showWindow) {
    infoProgress_ = text;
    if (showWindow) ShowForm(Form::frmInfo);
    Refresh(View::StarbaseLine);
    if (QWidget* w = FormWindow(Form::frmInfo)) w->repaint();
}

// ---- Forms ---------------------------------------------------------------------------------------

bool QtHost::IsFormVisible(Form form) {
    QWidget* w = FormWindow(form);
    return w && w->isVisible();
}

void QtHost::ShowForm(Form form) {
    if (QWidget* w = Window(form)) {
        w->show();
        w->raise();
        // The background never asks for the focus: a desktop draws a window that has the focus
        // and covers the whole screen over every other window (frmBackground).
        if (form != Form::frmBackground) w->activateWindow();
    }
}

void QtHost::HideForm(Form form) {
    if (QWidget* w = FormWindow(form)) w->hide();
}

int QtHost::ShowFormChecked(Form form) {
    QWidget* w = FormWindow(form);
    QWidget* modal = QApplication::activeModalWidget();
    if (w && modal && modal != w) return 401;
    ShowForm(form);
    return 0;
}

void QtHost::BringToFront(Form form) {
    if (QWidget* w = FormWindow(form)) w->raise();
}

// A mask that covers nothing of the window (Qt takes an empty one for none at all: FormSkin).
void QtHost::HideByRegion(Form form) { kv::HideByRegion(FormWindow(form)); }

void QtHost::ShowByRegion(Form form) { kv::ShowByRegion(FormWindow(form)); }

void QtHost::SetFormEnabled(Form form, bool enabled) {
    if (QWidget* w = FormWindow(form)) w->setEnabled(enabled);
}

Pointer QtHost::MousePointer() { return pointer_; }

void QtHost::SetMousePointer(Pointer pointer) {
    if (pointer == pointer_) return;
    if (pointer_ != Pointer::Default) QGuiApplication::restoreOverrideCursor();
    pointer_ = pointer;
    if (pointer != Pointer::Default) QGuiApplication::setOverrideCursor(QCursor(ShapeOf(pointer)));
}

void QtHost::FocusCommandBar() {
    if (QWidget* w = FormWindow(Form::frmCommands)) {
        if (QWidget* first = w->nextInFocusChain()) first->setFocus();
    }
}

void QtHost::EndProgram() {
    if (onEndProgram)
        onEndProgram();
    else
        std::exit(0);
}

// ---- Sound ---------------------------------------------------------------------------------------

int QtHost::SoundDeviceCount() {
    // A scripted desktop has no sound device: its sounds go to the script.
    if (script_) return 0;
#ifdef KESTRAVA_HAVE_MULTIMEDIA
    return static_cast<int>(QMediaDevices::audioOutputs().size());
#else
    return 0;
#endif
}

void QtHost::PlaySoundFile(const std::string& path, int flags) {
    if (script_) return script_->Sound(path, flags);
    sound_.Play(path, flags);
}

// ---- Clock ---------------------------------------------------------------------------------------

void QtHost::Wait(double seconds) {
    // Windows repaint and timers tick while the engine waits; the player's clicks and keys meanwhile
    // are dropped by the busy guard (TakesInput), and the engine ticks wait for their next turn
    // (Run): nothing starts another action in the middle of this one, nor after it.
    QElapsedTimer clock;
    clock.start();
    const qint64 ms = static_cast<qint64>(seconds * 1000.0);
    QEventLoop loop;
    while (clock.elapsed() < ms) {
        QTimer::singleShot(static_cast<int>(std::min<qint64>(ms - clock.elapsed(), 20)), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void QtHost::TimerChanged(Timer timer, bool enabled) {
    auto it = timers_.find(timer);
    if (it != timers_.end() && it->second.owner && it->second.call) it->second.call(enabled);
}

double QtHost::TimeOfDay() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

// ---- Printer -------------------------------------------------------------------------------------

bool QtHost::PrintLines(const std::vector<std::string>& lines, const std::string& title) {
    if (script_) return script_->Print(lines, title);
#ifdef KESTRAVA_HAVE_PRINTSUPPORT
    QPrinter printer;
    printer.setDocName(QString::fromStdString(title));
    QPrintDialog dialog(&printer);
    if (dialog.exec() != QDialog::Accepted) return false;
    QString text;
    for (const auto& l : lines) text += QString::fromStdString(l) + '\n';
    QTextDocument doc;
    doc.setPlainText(text);
    doc.print(&printer);
    return printer.printerState() != QPrinter::Error;
#else
    (void)lines;
    (void)title;
    return false;
#endif
}

// ---- Desktop -------------------------------------------------------------------------------------

void QtHost::ScreenSizeTwips(long& width, long& height) { DesktopSizeTwips(width, height); }

// Moves the pointer out of the way: the bottom-right corner of the primary screen.
void QtHost::CenterMouse() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) QCursor::setPos(screen, screen->geometry().bottomRight());
}

// The background window shows the picture, the colour and the version splash.
// A picture that cannot be loaded keeps the reader's reason for the notice that names it.
bool QtHost::LoadBackgroundPicture(const std::string& path) {
    pictureError_.clear();
    auto* bg = dynamic_cast<BackgroundWindow*>(Window(Form::frmBackground));
    QImageReader reader(QString::fromStdString(path));
    const bool loaded = bg ? bg->LoadPicture(path) : reader.canRead();
    if (!loaded) {
        reader.read();
        pictureError_ = reader.errorString().toStdString();
    }
    return loaded;
}

void QtHost::SetBackgroundColor(long color) {
    if (auto* bg = dynamic_cast<BackgroundWindow*>(Window(Form::frmBackground))) bg->SetBackColour(color);
}

void QtHost::HideBackground() {
    if (auto* bg = dynamic_cast<BackgroundWindow*>(FormWindow(Form::frmBackground))) bg->HideBackground();
}

void QtHost::DrawVersionText(const std::string& text, long color) {
    if (auto* bg = dynamic_cast<BackgroundWindow*>(FormWindow(Form::frmBackground))) bg->DrawVersionText(text, color);
}

void QtHost::CachePlanetPicture(int index, const std::string& path) {
    QPixmap pm;
    if (!path.empty()) pm.load(QString::fromStdString(path));
    planets_[index] = pm;
}

bool QtHost::OpenDocument(const std::string& path) {
    const QString text = QString::fromStdString(path);
    const qsizetype hash = text.indexOf('#');
    QUrl url = QUrl::fromLocalFile(hash < 0 ? text : text.left(hash));
    if (hash >= 0) url.setFragment(text.mid(hash + 1));
    return QDesktopServices::openUrl(url);
}

QPixmap QtHost::PlanetPicture(int index) const {
    auto it = planets_.find(index);
    return it == planets_.end() ? QPixmap() : it->second;
}

}  // namespace kv
