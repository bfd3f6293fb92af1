#include "ui/dialogs/frmPHA.h"

#include "screens/dialogs/PhaserDialog.h"
#include "state/Game.h"
#include "ui/dialogs/ControlMoves.h"
#include "ui/dialogs/FirePlanList.h"
#include "ui/host/QtHost.h"
#include "ui_frmPHA.h"

namespace kv {

frmPHA::frmPHA(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmPHA, "PhaCap"), ui_(new Ui::frmPHA) {
    ui_->setupUi(this);
    lstFire = ui_->lstFire;
    lstPrevious = ui_->lstPrevious;  // the last plan fired, kept for Previous
    lblTotal = ui_->lblTotal;
    Total = ui_->Total;
    cmdAdd = ui_->cmdAdd;
    cmdRemove = ui_->cmdRemove;
    cmdClearAll = ui_->cmdClearAll;
    cmdSelectAll = ui_->cmdSelectAll;
    cmdInfo = ui_->cmdInfo;
    cmdPrevious = ui_->cmdPrevious;
    cmdKill = ui_->cmdKill;
    cmdDisable = ui_->cmdDisable;
    cmdOther = ui_->cmdOther;
    cmdAutoTarget = ui_->cmdAutoTarget;
    cmdAccept = ui_->cmdAccept;
    cmdCancel = ui_->cmdCancel;
    SetUpPlanList(lstFire, true);
    SetUpPlanList(lstPrevious, false);

    setWindowTitle(T("PhaCap"));
    cmdAdd->setText(T("PhaAdd"));
    cmdRemove->setText(T("PhaRem"));
    cmdClearAll->setText(T("PhaClear"));
    cmdSelectAll->setText(T("PhaSelect"));
    cmdInfo->setText(T("PhaInfo"));
    cmdKill->setText(T("PhaKill"));
    cmdDisable->setText(T("PhaDis"));
    cmdOther->setText(T("PhaOther"));
    lblTotal->setText(T("PhaTotal"));
    cmdAutoTarget->setText(T("PhaAuto"));
    cmdAccept->setText(T("Accept"));
    cmdCancel->setText(T("Cancel"));

    connect(lstFire, &QListWidget::itemSelectionChanged, this, Handler([this] { lstFire_Click(); }));
    connect(cmdAdd, &QPushButton::clicked, this, Handler([this] { PhaserAdd(g); }));
    connect(cmdRemove, &QPushButton::clicked, this, Handler([this] { PhaserRemove(g); }));
    connect(cmdClearAll, &QPushButton::clicked, this, Handler([this] { PhaserClearAll(g); }));
    connect(cmdSelectAll, &QPushButton::clicked, this, Handler([this] { PhaserSelectAll(g); }));
    connect(cmdInfo, &QPushButton::clicked, this, Handler([this] { PhaserInfo(g); }));
    connect(cmdPrevious, &QPushButton::clicked, this, Handler([this] { PhaserPrevious(g); }));
    connect(cmdKill, &QPushButton::clicked, this, Handler([this] { PhaserKill(g); }));
    connect(cmdDisable, &QPushButton::clicked, this, Handler([this] { PhaserDisable(g); }));
    connect(cmdOther, &QPushButton::clicked, this, Handler([this] { PhaserOther(g); }));
    connect(cmdAutoTarget, &QPushButton::clicked, this, Handler([this] { PhaserAutoTargetClick(g); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { PhaserAccept(g); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { PhaserCancel(g); }));

    host.OnView(View::PhaserPlan, this, [this] { Show(); });
    ForwardMouseMoves();
    ForwardControlMoves(lstFire, g, host, form_);
    adjustSize();
    Centre();
    Show();
}

frmPHA::~frmPHA() = default;

void frmPHA::Form_Activate() {
    PhaserDialogActivate(g, g.st.SectorFrames);
    Show();
}

void frmPHA::Cancel() { PhaserCancel(g); }

void frmPHA::lstFire_Click() {
    g.st.PhaserDialog.Selected = ShownSelection(lstFire);
    PhaserSelectionChanged(g);
}

void frmPHA::Show() {
    const GameState& s = g.st;
    const FirePlanDialogData& d = s.PhaserDialog;
    ShowPlan(lstFire, s.PhaserPlan, d.Selected);
    ShowPlan(lstPrevious, s.PhaserPlanPrevious, {});
    Total->setText(QString::fromStdString(s.PhaserPlanTotal));
    if (!d.SelectAllCaption.empty()) cmdSelectAll->setText(QString::fromStdString(d.SelectAllCaption));
    cmdKill->setEnabled(d.KillEnabled);
    cmdDisable->setEnabled(d.DisableEnabled);
    cmdOther->setEnabled(d.OtherEnabled);
    cmdAutoTarget->setEnabled(d.AutoTargetEnabled);
}

}  // namespace kv
