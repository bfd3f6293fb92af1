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

    for (int i = 0; i < 4; ++i)
        connect(optBase[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                Choice([this, i] { ChooseTargetBase(g, i); }));
    for (int k = 0; k < 8; ++k)
        connect(optLRS[static_cast<size_t>(k)], &QRadioButton::clicked, this,
                Choice([this, k] { ChooseTargetNeighbour(g, k); }));
    lblQuad->click = Choice([this] { PickTargetCell(g, true); });
    lblSect->click = Choice([this] { PickTargetCell(g, false); });
    connect(optPrev, &QRadioButton::clicked, this, Choice([this] { ChooseTargetPrevious(g); }));
    connect(cmdNearestBase, &QPushButton::clicked, this, Choice([this] { ChooseNearestBase(g); }));
    connect(cmdZarvonis, &QPushButton::clicked, this,
            Choice([this] { ChooseBestNeighbour(g, NeighbourScore::Hostiles); }));
    connect(cmdStars, &QPushButton::clicked, this, Choice([this] { ChooseBestNeighbour(g, NeighbourScore::Stars); }));
    connect(cmdSafety, &QPushButton::clicked, this,
            Choice([this] { ChooseBestNeighbour(g, NeighbourScore::Safety); }));
    connect(cmdClosestSector, &QPushButton::clicked, this, Choice([this] { ClosestSector(g); }));
    connect(cmdStarCharts, &QPushButton::clicked, this, Choice([this] { g.host.RunModal(Form::frmStars); }));
    connect(cmdHelp, &QPushButton::clicked, this, Handler([this] { TargetCalculatorHelp(g); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { TargetCalculatorAccept(g); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { Cancel(); }));

    host.OnView(View::TargetCalculator, this, [this] { Show(); });
    host.AddTimer(Timer::frmTargetCalculator_tmrCheckSRS, this, 100, [this] { tmrCheckSRS_Timer(); });
    host.AddTimer(Timer::frmTargetCalculator_tmrCheckCOM, this, 50, [this] { tmrCheckCOM_Timer(); });
    ForwardMouseMoves();
    ForwardControlMoves(cmdAccept, g, host, form_);
    adjustSize();
    Centre();
    Show();
}

frmTargetCalculator::~frmTargetCalculator() = default;

void frmTargetCalculator::Form_Activate() {
    TargetCalculatorActivate(g);
    Show();
}

void frmTargetCalculator::Cancel() { TargetCalculatorCancel(g); }

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
