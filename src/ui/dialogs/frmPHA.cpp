#include "ui/dialogs/frmPHA.h"

#include "screens/dialogs/PhaserDialog.h"
#include "state/Game.h"
#include "ui/dialogs/ControlMoves.h"
#include "ui/dialogs/FirePlanList.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"
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

    connect(lstFire, &QListWidget::itemSelectionChanged, this, Handler([this] { lstFire_Click(); }));
    connect(cmdAdd, &QPushButton::clicked, this, Handler([this] { cmdAdd_Click(); }));
    connect(cmdRemove, &QPushButton::clicked, this, Handler([this] { cmdRemove_Click(); }));
    connect(cmdClearAll, &QPushButton::clicked, this, Handler([this] { cmdClearAll_Click(); }));
    connect(cmdSelectAll, &QPushButton::clicked, this, Handler([this] { cmdSelectAll_Click(); }));
    connect(cmdInfo, &QPushButton::clicked, this, Handler([this] { cmdInfo_Click(); }));
    connect(cmdPrevious, &QPushButton::clicked, this, Handler([this] { cmdPrevious_Click(); }));
    connect(cmdKill, &QPushButton::clicked, this, Handler([this] { cmdKill_Click(); }));
    connect(cmdDisable, &QPushButton::clicked, this, Handler([this] { cmdDisable_Click(); }));
    connect(cmdOther, &QPushButton::clicked, this, Handler([this] { cmdOther_Click(); }));
    connect(cmdAutoTarget, &QPushButton::clicked, this, Handler([this] { cmdAutoTarget_Click(); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { cmdAccept_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { cmdCancel_Click(); }));
    SettleKeys(this, {cmdAccept, Press(cmdCancel), Press(cmdCancel)});

    host.OnView(View::PhaserPlan, this, [this] { Show(); });
    ForwardMouseMoves();
    ForwardControlMoves(lstFire, host, form_, [this](int shift) { lstFire_MouseMove(shift); });
    Form_Load();
}

void frmPHA::Form_Load() {
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
    adjustSize();
    Centre();
    Show();
}

frmPHA::~frmPHA() = default;

void frmPHA::Form_Activate() {
    PhaserDialogActivate(g, g.st.SectorFrames);
    Show();
}

void frmPHA::cmdAdd_Click() { PhaserAdd(g); }

void frmPHA::cmdRemove_Click() { PhaserRemove(g); }

void frmPHA::cmdClearAll_Click() { PhaserClearAll(g); }

void frmPHA::cmdSelectAll_Click() { PhaserSelectAll(g); }

void frmPHA::cmdInfo_Click() { PhaserInfo(g); }

void frmPHA::cmdPrevious_Click() { PhaserPrevious(g); }

void frmPHA::cmdKill_Click() { PhaserKill(g); }

void frmPHA::cmdDisable_Click() { PhaserDisable(g); }

void frmPHA::cmdOther_Click() { PhaserOther(g); }

void frmPHA::cmdAutoTarget_Click() { PhaserAutoTargetClick(g); }

void frmPHA::cmdAccept_Click() { PhaserAccept(g); }

void frmPHA::cmdCancel_Click() { PhaserCancel(g); }

void frmPHA::lstFire_MouseMove(int shift) { Form_MouseMove(shift); }

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
