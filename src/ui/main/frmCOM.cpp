#include "ui/main/frmCOM.h"

#include <QMouseEvent>
#include <QPainter>

#include "engine/turn/Condition.h"
#include "screens/dialogs/TargetCalculatorDialog.h"
#include "screens/main/ComputerPanel.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmCOM.h"

namespace kv {
namespace {

// A button's face: the button colour, or the damage colour with a text that reads on it.
QString ButtonStyle(const ButtonLook& look) {
    if (look.BackColor == kButtonFace) return {};
    const QColor back = ColourOf(PaletteColor(static_cast<int>(look.BackColor)));
    const QColor text = back.lightness() < 110 ? Qt::white : Qt::black;
    return QStringLiteral("QPushButton { background: %1; } QPushButton:enabled { color: %2; }")
        .arg(back.name(), text.name());
}

}  // namespace

frmCOM::frmCOM(Game& g, QtHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::frmCOM>()), g_(g), host_(host) {
    ui_->setupUi(this);
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    cmdScapeGoat = ui_->cmdScapeGoat;
    cmdTargetCalculator = ui_->cmdTargetCalculator;
    cmdTorpedoFire = ui_->cmdTorpedoFire;
    cmdPhaserFire = ui_->cmdPhaserFire;
    cmdDockAtStarbase = ui_->cmdDockAtStarbase;
    cmdGalaticRecord = ui_->cmdGalaticRecord;
    cmdLibOptions = ui_->cmdLibOptions;
    pnlTC = ui_->pnlTC;
    pnlPKHolder = ui_->pnlPKHolder;
    pnlPK = ui_->pnlPK;
    pnlOptions = ui_->pnlOptions;
    chkSHEBackup = ui_->chkSHEBackup;
    chkLRS = ui_->chkLRS;
    chkSHE = ui_->chkSHE;
    chkSHEBackup->hide();
    for (QPushButton* b : {cmdTargetCalculator, cmdTorpedoFire, cmdPhaserFire, cmdDockAtStarbase, cmdGalaticRecord,
                           cmdLibOptions})
        b->installEventFilter(this);

    pnlTC->paint = [this](QPainter& p) { pnlTC_Paint(p); };
    pnlTC->click = host.Handler(Form::frmCOM, [this] { pnlTC_Click(); });
    pnlPKHolder->paint = [this](QPainter& p) {
        const int w = pnlPKHolder->width(), h = pnlPKHolder->height();
        PaintPanel(p, LayOutPanel(p, "", w, h, kEdgeSunken, false), w, h, {}, {});
    };
    pnlPK->paint = [this](QPainter& p) {
        const int w = pnlPK->width(), h = pnlPK->height();
        PaintPanel(p, LayOutPanel(p, PaintComputerPanel(g_).phaserMode, w, h, kEdgeNone, false), w, h, {},
                   palette().color(QPalette::WindowText));
    };
    pnlPK->click = host.Handler(Form::frmCOM, [this] { pnlPK_Click(); });
    pnlOptions->paint = [this](QPainter& p) {
        const int w = pnlOptions->width(), h = pnlOptions->height();
        PaintPanel(p, LayOutPanel(p, "", w, h, kEdgeSunken, false), w, h, {}, {});
    };

    Connect(cmdDockAtStarbase, [this] { cmdDockAtStarbase_Click(); });
    Connect(cmdGalaticRecord, [this] { cmdGalaticRecord_Click(); });
    Connect(cmdLibOptions, [this] { cmdLibOptions_Click(); });
    Connect(cmdPhaserFire, [this] { cmdPhaserFire_Click(); });
    Connect(cmdTorpedoFire, [this] { cmdTorpedoFire_Click(); });
    Connect(cmdTargetCalculator, [this] { cmdTargetCalculator_Click(); });
    connect(chkLRS, &QCheckBox::clicked, this, host.Handler(Form::frmCOM, [this] { chkLRS_Click(); }));
    connect(chkSHE, &QCheckBox::clicked, this, host.Handler(Form::frmCOM, [this] { chkSHE_Click(); }));

    ApplyOwnLabels(g, Form::frmCOM, this);
    adjustSize();
    host.PlaceBy(Form::frmCOM, this, [this] { Form_Load(); });

    host.OnView(View::ComputerPanel, this, [this] { ShowPanel(); });
    host.FollowView(View::CommandState, this, [this] { ShowPanel(); });
    host.FollowView(View::LibOptions, this, [this] { ShowPanel(); });
    host.AddTimer(
        Timer::frmCOM_tmrTC, this, 50,
        [this] { tmrTC_Timer(); },
        Tick::Cosmetic);
    ShowPanel();
}

frmCOM::~frmCOM() = default;

// Under the middle of the command bar. The bar keeps the layout the player chose: the panel loads at
// every start, and setting the bar to one row here would throw that choice away each time.
void frmCOM::Form_Load() {
    long sw = 0, sh = 0;
    host_.ScreenSizeTwips(sw, sh);
    long barLeft = sw / 2, barTop = 0, barWidth = 0, barHeight = 0;
    if (const QWidget* bar = host_.FormWindow(Form::frmCommands)) {
        const WindowBox b = OuterBox(bar);
        barLeft = b.left * 15L, barTop = b.top * 15L, barWidth = b.width * 15L, barHeight = b.height * 15L;
    }
    const WindowBox own = OuterBox(this);
    const WindowPosition at =
        ComputerPanelPosition(barLeft, barTop, barWidth, barHeight, own.width * 15L, own.height * 15L, sw / 15);
    PlaceTwips(this, at.left, at.top);
}

void frmCOM::cmdDockAtStarbase_Click() { ComDockClick(g_); }
void frmCOM::cmdGalaticRecord_Click() { ComGalacticRecordClick(g_); }
void frmCOM::cmdLibOptions_Click() { ComLibOptionsClick(g_); }
void frmCOM::cmdPhaserFire_Click() {
    ComPhaserFireClick(g_, !ComButtonIsOff(PaintComputerPanel(g_).phaserFire));
}
void frmCOM::cmdTorpedoFire_Click() {
    ComTorpedoFireClick(g_, !ComButtonIsOff(PaintComputerPanel(g_).torpedoFire));
}
void frmCOM::cmdTargetCalculator_Click() {
    ComTargetCalculatorClick(g_, !ComButtonIsOff(PaintComputerPanel(g_).targetCalculator),
                             [this] { SaveTCState(g_); });
}
void frmCOM::chkLRS_Click() {
    if (isActiveWindow()) cmdScapeGoat->setFocus();
    ComAutoScanClick(g_, chkLRS->isChecked() ? 1 : 0);
}
void frmCOM::chkSHE_Click() { ComAutoShieldsClick(g_, chkSHE->isChecked() ? 1 : 0); }
void frmCOM::pnlPK_Click() { ComPhaserModeClick(g_); }
void frmCOM::pnlTC_Click() { ComCalculatorLampClick(g_); }

void frmCOM::pnlTC_Paint(QPainter& p) {
    const int w = pnlTC->width(), h = pnlTC->height();
    const ComputerPanelLook look = PaintComputerPanel(g_);
    if (!look.lampRunning) {
        p.fillRect(0, 0, w, h, pnlTC->palette().color(QPalette::Button));
        PaintPanel(p, LayOutPanel(p, "", w, h, kEdgeRaised, false), w, h, {}, {});
        return;
    }
    // Switched on: the pulse inside one plain line, no 3-D edge.
    p.fillRect(0, 0, w, h, ColourOf(look.lampColour));
    p.setPen(pnlTC->palette().color(QPalette::Dark));
    p.drawRect(0, 0, w - 1, h - 1);
}

void frmCOM::tmrTC_Timer() {
    ComLampTick(g_);
    pnlTC->update();
}

void frmCOM::Connect(QPushButton* button, std::function<void()> handler) {
    connect(button, &QPushButton::clicked, this, host_.Handler(Form::frmCOM, [this, handler = std::move(handler)] {
        cmdScapeGoat->setFocus();
        handler();
    }));
}

void frmCOM::ShowPanel() {
    const ComputerPanelLook look = PaintComputerPanel(g_);
    const std::pair<QPushButton*, const ButtonLook*> buttons[] = {{cmdTargetCalculator, &look.targetCalculator},
                                                                  {cmdDockAtStarbase, &look.dockAtStarbase},
                                                                  {cmdPhaserFire, &look.phaserFire},
                                                                  {cmdTorpedoFire, &look.torpedoFire}};
    for (const auto& [b, l] : buttons) {
        b->setEnabled(l->Enabled);
        b->setStyleSheet(ButtonStyle(*l));
    }
    const std::pair<QCheckBox*, const ComSwitchLook*> boxes[] = {{chkSHE, &look.autoShields}, {chkLRS, &look.autoScan}};
    for (const auto& [box, l] : boxes) {
        box->setChecked(l->checked);
        box->setEnabled(l->enabled);
        box->setStyleSheet(QStringLiteral("QCheckBox:enabled { color: %1; }").arg(ColourOf(l->foreColour).name()));
    }
    chkSHEBackup->setChecked(g_.st.ComAutoShieldsBackup != 0);
    pnlPKHolder->setEnabled(look.phaserModeEnabled);
    pnlTC->setEnabled(look.lampEnabled);
    pnlPK->update();
    pnlTC->update();
}

// Moving over a button: back to the main windows (the automatic calculator stops unless Ctrl
// alone is held).
bool frmCOM::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove) {
        const int shift = ShiftOf(static_cast<QMouseEvent*>(e)->modifiers());
        host_.Run(Form::frmCOM, [this, shift] { ReturnToMainWindows(g_, shift); });
    }
    return QWidget::eventFilter(watched, e);
}

// A click on the panel's background gives a hint.
void frmCOM::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) host_.Run(Form::frmCOM, [this] { Form_Click(); });
}

void frmCOM::Form_Click() { ComBackgroundClick(g_); }

}  // namespace kv
