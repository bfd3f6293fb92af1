#include "ui/dialogs/frmTOR.h"

#include "screens/dialogs/TorpedoDialog.h"
#include "state/Game.h"
#include "ui/dialogs/ControlMoves.h"
#include "ui/dialogs/FirePlanList.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmTOR.h"

namespace kv {

frmTOR::frmTOR(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmTOR, "TorCap"), ui_(new Ui::frmTOR) {
    ui_->setupUi(this);
    lstFire = ui_->lstFire;
    lstPrevious = ui_->lstPrevious;  // the last plan fired, kept for Previous
    cmdAdd = ui_->cmdAdd;
    cmdEdit = ui_->cmdEdit;
    cmdRemove = ui_->cmdRemove;
    cmdClearAll = ui_->cmdClearAll;
    cmdSelectAll = ui_->cmdSelectAll;
    cmdSwitchClass = ui_->cmdSwitchClass;
    cmdInfo = ui_->cmdInfo;
    cmdAutoTarget = ui_->cmdAutoTarget;
    cmdPrevious = ui_->cmdPrevious;
    cmdAccept = ui_->cmdAccept;
    cmdCancel = ui_->cmdCancel;
    SetUpPlanList(lstFire, true);
    SetUpPlanList(lstPrevious, false);
    // Auto Target keeps its place while Switch Class is hidden.
    QSizePolicy keep = cmdSwitchClass->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    cmdSwitchClass->setSizePolicy(keep);

    connect(lstFire, &QListWidget::itemSelectionChanged, this,
            Handler([this] { g.st.TorpedoDialog.Selected = ShownSelection(lstFire); }));
    connect(cmdAdd, &QPushButton::clicked, this, Handler([this] { cmdAdd_Click(); }));
    connect(cmdEdit, &QPushButton::clicked, this, Handler([this] { cmdEdit_Click(); }));
    connect(cmdRemove, &QPushButton::clicked, this, Handler([this] { cmdRemove_Click(); }));
    connect(cmdClearAll, &QPushButton::clicked, this, Handler([this] { cmdClearAll_Click(); }));
    connect(cmdSelectAll, &QPushButton::clicked, this, Handler([this] { cmdSelectAll_Click(); }));
    connect(cmdSwitchClass, &QPushButton::clicked, this, Handler([this] { cmdSwitchClass_Click(); }));
    connect(cmdInfo, &QPushButton::clicked, this, Handler([this] { cmdInfo_Click(); }));
    connect(cmdAutoTarget, &QPushButton::clicked, this, Handler([this] { cmdAutoTarget_Click(); }));
    connect(cmdPrevious, &QPushButton::clicked, this, Handler([this] { cmdPrevious_Click(); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { cmdAccept_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { cmdCancel_Click(); }));
    SettleKeys(this, {cmdAccept, Press(cmdCancel), Press(cmdCancel)});

    host.OnView(View::TorpedoPlan, this, [this] { Show(); });
    ForwardMouseMoves();
    ForwardControlMoves(lstFire, host, form_, [this](int shift) { lstFire_MouseMove(shift); });
    Form_Load();
}

void frmTOR::Form_Load() {
    setWindowTitle(T("TorCap"));
    cmdAdd->setText(T("TorAdd"));
    cmdEdit->setText(T("TorEdit"));
    cmdRemove->setText(T("TorRem"));
    cmdClearAll->setText(T("TorClr"));
    cmdSelectAll->setText(T("TOR0031"));
    cmdInfo->setText(T("TorInfo"));
    cmdSwitchClass->setText(T("TorSwitch"));
    cmdAutoTarget->setText(T("TorAuto"));
    cmdAccept->setText(T("Accept"));
    cmdCancel->setText(T("Cancel"));
    adjustSize();
    Centre();
    Show();
}

frmTOR::~frmTOR() = default;

void frmTOR::Form_Activate() {
    TorpedoDialogActivate(g, g.st.SectorFrames);
    Show();
}

void frmTOR::cmdAdd_Click() { TorpedoAdd(g); }

void frmTOR::cmdRemove_Click() { TorpedoRemove(g); }

void frmTOR::cmdClearAll_Click() { TorpedoClearAll(g); }

void frmTOR::cmdSelectAll_Click() { TorpedoSelectAll(g); }

void frmTOR::cmdSwitchClass_Click() { TorpedoSwitchClass(g); }

void frmTOR::cmdInfo_Click() { TorpedoInfo(g); }

void frmTOR::cmdAutoTarget_Click() { TorpedoAutoTargetClick(g); }

void frmTOR::cmdPrevious_Click() { TorpedoPrevious(g); }

void frmTOR::cmdAccept_Click() { TorpedoAccept(g); }

void frmTOR::cmdCancel_Click() { TorpedoCancel(g); }

void frmTOR::lstFire_MouseMove(int shift) { Form_MouseMove(shift); }

// The plan goes back onto the scan as marked sectors, for the player to change there.
void frmTOR::cmdEdit_Click() {
    g.st.SectorFrames = TorpedoEdit(g);
    g.host.Refresh(View::ShortRangeScan);
}

void frmTOR::Show() {
    const GameState& s = g.st;
    const FirePlanDialogData& d = s.TorpedoDialog;
    ShowPlan(lstFire, s.TorpedoPlan, d.Selected);
    ShowPlan(lstPrevious, s.TorpedoPlanPrevious, {});
    if (!d.SelectAllCaption.empty()) cmdSelectAll->setText(QString::fromStdString(d.SelectAllCaption));
    cmdSwitchClass->setVisible(d.SwitchClassVisible);
    cmdAutoTarget->setEnabled(d.AutoTargetEnabled);
}

}  // namespace kv
