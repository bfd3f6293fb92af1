#include "ui/dialogs/frmTargetCalculator.h"

#include <QSignalBlocker>
#include <utility>

#include "engine/computer/TargetCalculator.h"
#include "screens/dialogs/TargetCalculatorDialog.h"
#include "screens/main/Panel.h"
#include "state/Game.h"
#include "ui/dialogs/ControlMoves.h"
#include "ui/dialogs/Panels.h"
#include "ui/dialogs/TargetPanel.h"
#include "ui/dialogs/FormLayout.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmTargetCalculator.h"

namespace kv {

std::function<void()> frmTargetCalculator::Choice(std::function<void()> choose) {
    return [this, choose = std::move(choose)] {
        host.Run(form_, choose);
        Show();
    };
}

frmTargetCalculator::frmTargetCalculator(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmTargetCalculator, "TCCap"), ui_(new Ui::frmTargetCalculator) {
    ui_->setupUi(this);
    pnlQuad = ui_->pnlQuad;
    pnlSect = ui_->pnlSect;
    lblQuad = ui_->pnlQuad->Text();
    lblSect = ui_->pnlSect->Text();
    lblQuad->setObjectName("lblQuad");
    lblSect->setObjectName("lblSect");
    Label1 = ui_->Label1;
    Label4 = ui_->Label4;
    lblQuadrant = ui_->lblQuadrant;
    fraBase = ui_->fraBase;
    fraLRS = ui_->fraLRS;
    fraOther = ui_->fraOther;
    for (size_t i = 0; i < optBase.size(); ++i) optBase[i] = TakeElement<QRadioButton>(this, "optBase", static_cast<int>(i));
    for (size_t k = 0; k < optLRS.size(); ++k) optLRS[k] = TakeElement<QRadioButton>(this, "optLRS", static_cast<int>(k));
    optPrev = ui_->optPrev;
    cmdNearestBase = ui_->cmdNearestBase;
    cmdZarvonis = ui_->cmdZarvonis;
    cmdStars = ui_->cmdStars;
    cmdSafety = ui_->cmdSafety;
    cmdStarCharts = ui_->cmdStarCharts;
    cmdClosestSector = ui_->cmdClosestSector;
    cmdHelp = ui_->cmdHelp;
    cmdAccept = ui_->cmdAccept;
    cmdCancel = ui_->cmdCancel;

    QFont big = lblQuad->font();
    big.setPixelSize(22);
    big.setBold(true);
    lblQuad->setFont(big);
    lblSect->setFont(big);

    for (int i = 0; i < 4; ++i)
        connect(optBase[static_cast<size_t>(i)], &QRadioButton::clicked, this, Choice([this, i] { optBase_Click(i); }));
    for (int k = 0; k < 8; ++k)
        connect(optLRS[static_cast<size_t>(k)], &QRadioButton::clicked, this, Choice([this, k] { optLRS_Click(k); }));
    lblQuad->click = Choice([this] { lblQuad_Click(); });
    lblSect->click = Choice([this] { lblSect_Click(); });
    pnlQuad->paint = [this] { pnlQuad_Paint(); };
    pnlSect->paint = [this] { pnlSect_Paint(); };
    connect(optPrev, &QRadioButton::clicked, this, Choice([this] { optPrev_Click(); }));
    connect(cmdNearestBase, &QPushButton::clicked, this, Choice([this] { cmdNearestBase_Click(); }));
    connect(cmdZarvonis, &QPushButton::clicked, this, Choice([this] { cmdZarvonis_Click(); }));
    connect(cmdStars, &QPushButton::clicked, this, Choice([this] { cmdStars_Click(); }));
    connect(cmdSafety, &QPushButton::clicked, this, Choice([this] { cmdSafety_Click(); }));
    connect(cmdClosestSector, &QPushButton::clicked, this, Choice([this] { cmdClosestSector_Click(); }));
    connect(cmdStarCharts, &QPushButton::clicked, this, Choice([this] { cmdStarCharts_Click(); }));
    connect(cmdHelp, &QPushButton::clicked, this, Handler([this] { cmdHelp_Click(); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { cmdAccept_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { cmdCancel_Click(); }));
    SettleKeys(this, {cmdAccept, Press(cmdCancel), Press(cmdCancel)});

    host.OnView(View::TargetCalculator, this, [this] { Show(); });
    host.AddTimer(Timer::frmTargetCalculator_tmrCheckSRS, this, 100, [this] { tmrCheckSRS_Timer(); });
    host.AddTimer(Timer::frmTargetCalculator_tmrCheckCOM, this, 50, [this] { tmrCheckCOM_Timer(); });
    ForwardMouseMoves();
    ForwardControlMoves(cmdAccept, host, form_, [this](int shift) { cmdAccept_MouseMove(shift); });
    Form_Load();
}

void frmTargetCalculator::Form_Load() {
    // The base options and the ship's label keep their design captions.
    setWindowTitle(T("TCCap"));
    Label1->setText(T("TCTarget"));
    cmdClosestSector->setText(T("TCClosest"));
    fraBase->setTitle(T("TCSB"));
    cmdNearestBase->setText(T("TCClosest"));
    fraLRS->setTitle(T("TCLRS"));
    cmdZarvonis->setText(T("Enemys"));
    cmdStars->setText(T("TCStars"));
    cmdSafety->setText(T("TCSafety"));
    fraOther->setTitle(T("TCOther"));
    optPrev->setText(T("TCPrev"));
    cmdStarCharts->setText(T("TCStarList"));
    cmdHelp->setText(T("TCHelp"));
    cmdAccept->setText(T("Accept"));
    cmdCancel->setText(T("Cancel"));
    adjustSize();
    Centre();
    Show();
}

frmTargetCalculator::~frmTargetCalculator() = default;

void frmTargetCalculator::Form_Activate() {
    TargetCalculatorActivate(g);
    Show();
}

void frmTargetCalculator::optBase_Click(int index) { ChooseTargetBase(g, index); }

void frmTargetCalculator::optLRS_Click(int index) { ChooseTargetNeighbour(g, index); }

void frmTargetCalculator::optPrev_Click() { ChooseTargetPrevious(g); }

void frmTargetCalculator::lblQuad_Click() { PickTargetCell(g, true); }

void frmTargetCalculator::lblSect_Click() { PickTargetCell(g, false); }

void frmTargetCalculator::cmdNearestBase_Click() { ChooseNearestBase(g); }

void frmTargetCalculator::cmdZarvonis_Click() { ChooseBestNeighbour(g, NeighbourScore::Hostiles); }

void frmTargetCalculator::cmdStars_Click() { ChooseBestNeighbour(g, NeighbourScore::Stars); }

void frmTargetCalculator::cmdSafety_Click() { ChooseBestNeighbour(g, NeighbourScore::Safety); }

void frmTargetCalculator::cmdClosestSector_Click() { ClosestSector(g); }

void frmTargetCalculator::cmdStarCharts_Click() { g.host.RunModal(Form::frmStars); }

void frmTargetCalculator::cmdHelp_Click() { TargetCalculatorHelp(g); }

void frmTargetCalculator::cmdAccept_Click() { TargetCalculatorAccept(g); }

void frmTargetCalculator::cmdCancel_Click() { TargetCalculatorCancel(g); }

void frmTargetCalculator::cmdAccept_MouseMove(int shift) { Form_MouseMove(shift); }

void frmTargetCalculator::pnlQuad_Paint() { pnlQuad->Draw(); }

void frmTargetCalculator::pnlSect_Paint() { pnlSect->Draw(); }

void frmTargetCalculator::tmrCheckCOM_Timer() { TakeChartPick(g); }

void frmTargetCalculator::tmrCheckSRS_Timer() { TakeScanPick(g); }

void frmTargetCalculator::Show() {
    const GameState& s = g.st;
    lblQuad->setText(QString::fromStdString(s.TargetQuadText));
    lblSect->setText(QString::fromStdString(s.TargetSectText));
    lblQuadrant->setText(QString::fromStdString(s.TargetShipQuadText));
    for (size_t i = 0; i < optBase.size(); ++i) {
        const QSignalBlocker block(optBase[i]);
        optBase[i]->setChecked(s.TargetOptBase[i]);
        optBase[i]->setStyleSheet(
            QStringLiteral("color: %1;").arg(Palette(static_cast<int>(s.TargetOptBaseColour[i])).name()));
    }
    for (size_t k = 0; k < optLRS.size(); ++k) {
        const QSignalBlocker block(optLRS[k]);
        optLRS[k]->setChecked(s.TargetOptLRS[k]);
    }
    const QSignalBlocker block(optPrev);
    optPrev->setChecked(s.TargetOptPrev);
}

}  // namespace kv
