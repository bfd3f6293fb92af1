#include "ui/main/frmCommands.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "state/WindowTable.h"
#include "ui/host/QtColours.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

// One button's cell in pixels; the grid overlaps neighbours by a pixel.
constexpr int kCellWidth = 52, kCellHeight = 26;

// The caption key of each button, by CommandButton.
constexpr std::array<const char*, kCommandButtons> kCaptionKeys{"CommandsGame", "Command1", "Command2",   "Command3",
                                                                "Command4",     "Command5", "Command6",   "Command7",
                                                                "Command8",     "Command9", "CommandHyp", "CommandDes"};

// After these commands the focus moves on only while a game still runs: they may end it.
bool MayEndTheGame(CommandButton b) {
    return b == CommandButton::cmdPRO || b == CommandButton::cmdDES || b == CommandButton::cmdHYP;
}

}  // namespace

// The click handler of each button, by CommandButton (the game button opens its menu outside the
// host's handler frame).
const std::array<void (frmCommands::*)(), kCommandButtons> frmCommands::kCommandHandlers{
    &frmCommands::cmdGame_Click, &frmCommands::cmdNAV_Click, &frmCommands::cmdSRS_Click, &frmCommands::cmdLRS_Click,
    &frmCommands::cmdPHA_Click,  &frmCommands::cmdTOR_Click, &frmCommands::cmdSHE_Click, &frmCommands::cmdDAM_Click,
    &frmCommands::cmdCOM_Click,  &frmCommands::cmdPRO_Click, &frmCommands::cmdHYP_Click, &frmCommands::cmdDES_Click};

frmCommands::frmCommands(Game& g, QtHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint),
      g_(g),
      host_(host) {
    setObjectName("frmCommands");
    // Escape is the bar's Quit key; the close box does nothing.
    SettleKeys(this, {nullptr, [this] { Form_KeyPress(27); }, {}});
    setWindowTitle(QString::fromStdString(g.Text("CommandsCap")));

    // Takes the keyboard focus after every command; never seen.
    cmdScapeGoat = new QPushButton(this);
    cmdScapeGoat->setObjectName("cmdScapeGoat");
    cmdScapeGoat->setFixedSize(0, 0);

    for (int i = 0; i < kCommandButtons; ++i) {
        const auto b = static_cast<CommandButton>(i);
        auto* button = new QPushButton(QString::fromStdString(g.Text(kCaptionKeys[static_cast<size_t>(i)])), this);
        button->setObjectName(Name(b));
        button->setFixedSize(kCellWidth, kCellHeight);
        button->setFocusPolicy(Qt::TabFocus);
        button->setMouseTracking(true);
        button->installEventFilter(this);
        buttons_[static_cast<size_t>(i)] = button;
        if (b == CommandButton::cmdGame)
            connect(button, &QPushButton::clicked, this, [this] { cmdGame_Click(); });
        else
            connect(button, &QPushButton::clicked, this,
                    host.Handler(Form::frmCommands, [this, i] { (this->*kCommandHandlers[static_cast<size_t>(i)])(); }));
    }
    cmdScapeGoat->installEventFilter(this);

    mnuPopup = new QMenu(this);
    mnuPopup->setObjectName("mnuPopup");
    auto item = [&](const char* name, const char* key, void (frmCommands::*handler)()) {
        QAction* a = mnuPopup->addAction(QString::fromStdString(g.Text(key)));
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, host.Handler(Form::frmCommands, [this, handler] { (this->*handler)(); }));
        return a;
    };
    mnuLoad = item("mnuLoad", "CommandsLoad", &frmCommands::mnuLoad_Click);
    mnuSave = item("mnuSave", "CommandsSave", &frmCommands::mnuSave_Click);
    mnuSep1 = mnuPopup->addSeparator();
    mnuSep1->setObjectName("mnuSep1");
    mnuMenu = item("mnuMenu", "CommandsMenu", &frmCommands::mnuMenu_Click);
    mnuOptions = item("mnuOptions", "CommandsOpt", &frmCommands::mnuOptions_Click);
    mnuHelp = item("mnuHelp", "CommandsHelp", &frmCommands::mnuHelp_Click);
    mnuSep2 = mnuPopup->addSeparator();
    mnuSep2->setObjectName("mnuSep2");
    mnuQuit = item("mnuQuit", "CommandsQuit", &frmCommands::mnuQuit_Click);
    // The main menu and the options come with windows of their own: their items stay disabled
    // while the program has no such window.
    connect(mnuPopup, &QMenu::aboutToShow, this, [this] {
        host_.LoadForm(Form::frmMenu);
        host_.LoadForm(Form::frmOptions);
        mnuMenu->setEnabled(host_.FormWindow(Form::frmMenu) != nullptr);
        mnuOptions->setEnabled(host_.FormWindow(Form::frmOptions) != nullptr);
    });
    connect(mnuPopup, &QMenu::aboutToHide, this, [this] { FocusAway(); });

    ArrangeButtons();
    ShowCommandState();
    host.PlaceBy(Form::frmCommands, this, [this] { Form_Load(); });
    host.OnView(View::CommandBar, this, [this] { ArrangeButtons(); });
    host.OnView(View::CommandState, this, [this] { ShowCommandState(); });
}

void frmCommands::FocusAway() { cmdScapeGoat->setFocus(); }

// At the top of the desktop, right of the message log.
void frmCommands::Form_Load() {
    const QWidget* output = host_.FormWindow(Form::frmOutput);
    const QRect area = DesktopArea();
    move(output ? static_cast<int>(OuterBox(output).Right()) : area.left(), area.top());
}

void frmCommands::ArrangeButtons() {
    const CommandBarGeometry grid = kv::ArrangeCommandBar(g_.options.CommandBarColumns, kCellWidth * kTwipsPerPixel,
                                                          kCellHeight * kTwipsPerPixel, kTwipsPerPixel, 0, 0);
    for (int i = 0; i < kCommandButtons; ++i) {
        QPushButton* b = buttons_[static_cast<size_t>(i)];
        b->move(static_cast<int>(grid.left[static_cast<size_t>(i)] / kTwipsPerPixel),
                static_cast<int>(grid.top[static_cast<size_t>(i)] / kTwipsPerPixel));
        b->raise();
    }
    setFixedSize(static_cast<int>(grid.outerWidth / kTwipsPerPixel),
                 static_cast<int>(grid.outerHeight / kTwipsPerPixel));
}

void frmCommands::ShowCommandState() {
    const CommandStateLook& look = g_.st.CommandLook;
    for (int i = 0; i < kCommandButtons; ++i) {
        const ButtonLook& l = look.Commands[static_cast<size_t>(i)];
        QPushButton* b = buttons_[static_cast<size_t>(i)];
        b->setEnabled(l.Enabled);
        if (l.BackColor == kButtonFace) {
            b->setPalette(QPalette());
        } else {
            QPalette p = b->palette();
            const QColor face = PaletteQColour(static_cast<int>(l.BackColor));
            p.setColor(QPalette::Button, face);
            p.setColor(QPalette::ButtonText, face.lightness() < 128 ? Qt::white : Qt::black);
            b->setPalette(p);
        }
    }
}

void frmCommands::CommandClick(CommandButton b) {
    RunCommand(g_, b);
    if (!MayEndTheGame(b) || g_.st.GameRunning) FocusAway();
}

void frmCommands::cmdNAV_Click() { CommandClick(CommandButton::cmdNAV); }
void frmCommands::cmdSRS_Click() { CommandClick(CommandButton::cmdSRS); }
void frmCommands::cmdLRS_Click() { CommandClick(CommandButton::cmdLRS); }
void frmCommands::cmdPHA_Click() { CommandClick(CommandButton::cmdPHA); }
void frmCommands::cmdTOR_Click() { CommandClick(CommandButton::cmdTOR); }
void frmCommands::cmdSHE_Click() { CommandClick(CommandButton::cmdSHE); }
void frmCommands::cmdDAM_Click() { CommandClick(CommandButton::cmdDAM); }
void frmCommands::cmdCOM_Click() { CommandClick(CommandButton::cmdCOM); }
void frmCommands::cmdPRO_Click() { CommandClick(CommandButton::cmdPRO); }
void frmCommands::cmdDES_Click() { CommandClick(CommandButton::cmdDES); }
void frmCommands::cmdHYP_Click() { CommandClick(CommandButton::cmdHYP); }

void frmCommands::mnuLoad_Click() { RunPopupItem(g_, PopupItem::mnuLoad); }
void frmCommands::mnuSave_Click() { RunPopupItem(g_, PopupItem::mnuSave); }
void frmCommands::mnuMenu_Click() { RunPopupItem(g_, PopupItem::mnuMenu); }
void frmCommands::mnuOptions_Click() { RunPopupItem(g_, PopupItem::mnuOptions); }
void frmCommands::mnuHelp_Click() { RunPopupItem(g_, PopupItem::mnuHelp); }
void frmCommands::mnuQuit_Click() { RunPopupItem(g_, PopupItem::mnuQuit); }

// The menu drops down just under the game button and goes on by itself: its items are handlers
// of their own.
void frmCommands::cmdGame_Click() {
    const QPushButton* game = Button(CommandButton::cmdGame);
    mnuPopup->popup(mapToGlobal(QPoint(game->x(), game->y() + game->height())));
}

void frmCommands::Form_KeyPress(int keyAscii) {
    KeyAction action = KeyAction::None;
    host_.Run(Form::frmCommands, [&] {
        const CommandKey key = CommandForKey(keyAscii);
        action = CommandBarKeyPress(g_, keyAscii);
        if (action == KeyAction::Command && (!MayEndTheGame(key.button) || g_.st.GameRunning)) FocusAway();
    });
    if (action == KeyAction::GameMenu) cmdGame_Click();
}

int frmCommands::KeyAscii(const QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return 27;
    const QString text = e->text();
    if (text.size() != 1) return 0;
    const char16_t c = text.at(0).unicode();
    return c < 128 && c >= 32 ? static_cast<int>(c) : 0;
}

// The bar sees a key before its buttons do.
bool frmCommands::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int key = KeyAscii(static_cast<QKeyEvent*>(e));
        if (key != 0) {
            Form_KeyPress(key);
            return true;
        }
    } else if (e->type() == QEvent::MouseMove && watched != cmdScapeGoat) {
        const int shift = ShiftOf(static_cast<QMouseEvent*>(e)->modifiers());
        host_.Run(Form::frmCommands, [&] { ReturnToMainWindows(g_, shift); });
    }
    return QWidget::eventFilter(watched, e);
}

void frmCommands::keyPressEvent(QKeyEvent* e) {
    const int key = KeyAscii(e);
    if (key != 0)
        Form_KeyPress(key);
    else
        QWidget::keyPressEvent(e);
}

void frmCommands::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) host_.Run(Form::frmCommands, [this] { Form_Click(); });
    QWidget::mousePressEvent(e);
}

void frmCommands::Form_Click() { CommandBarClick(g_); }

void frmCommands::Form_Activate() { CommandBarActivate(g_); }

void frmCommands::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        host_.Run(Form::frmCommands, [this] { Form_Activate(); });
    QWidget::changeEvent(e);
}

}  // namespace kv
