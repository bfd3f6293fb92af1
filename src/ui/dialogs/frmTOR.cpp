#include "ui/dialogs/frmTOR.h"

#include "screens/dialogs/TorpedoDialog.h"
#include "state/Game.h"
#include "ui/dialogs/FirePlanList.h"
#include "ui/main/QtHost.h"

namespace kv {

frmTOR::frmTOR(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmTOR, "TorCap") {
    setFixedSize(520, 300);
    lstFire = MakePlanList(this, "lstFire", true);
    lstFire->setGeometry(10, 10, 360, 200);
    lstPrevious = MakePlanList(this, "lstPrevious", false);
    lstPrevious->hide();  // the last plan fired, kept for Previous

    const int x = 380, w = 130, bh = 28;
    cmdAdd = MakeButton("cmdAdd", T("TorAdd"), {x, 10, w, bh});
    cmdEdit = MakeButton("cmdEdit", T("TorEdit"), {x, 42, w, bh});
    cmdRemove = MakeButton("cmdRemove", T("TorRem"), {x, 74, w, bh});
    cmdClearAll = MakeButton("cmdClearAll", T("TorClr"), {x, 106, w, bh});
    cmdSelectAll = MakeButton("cmdSelectAll", T("TOR0031"), {x, 138, w, bh});
    cmdInfo = MakeButton("cmdInfo", T("TorInfo"), {x, 170, w, bh});
    cmdPrevious = MakeButton("cmdPrevious", QStringLiteral("Previous"), {x, 202, w, bh});

    cmdSwitchClass = MakeButton("cmdSwitchClass", T("TorSwitch"), {10, 218, 176, bh});
    cmdAutoTarget = MakeButton("cmdAutoTarget", T("TorAuto"), {194, 218, 176, bh});
    cmdAccept = MakeButton("cmdAccept", T("Accept"), {x - 136, 260, w, bh});
    cmdCancel = MakeButton("cmdCancel", T("Cancel"), {x, 260, w, bh});
    cmdAccept->setDefault(true);

    connect(lstFire, &QListWidget::itemSelectionChanged, this,
            Handler([this] { g.st.TorpedoDialog.Selected = ShownSelection(lstFire); }));
    connect(cmdAdd, &QPushButton::clicked, this, Handler([this] { TorpedoAdd(g); }));
    connect(cmdEdit, &QPushButton::clicked, this, Handler([this] { cmdEdit_Click(); }));
    connect(cmdRemove, &QPushButton::clicked, this, Handler([this] { TorpedoRemove(g); }));
    connect(cmdClearAll, &QPushButton::clicked, this, Handler([this] { TorpedoClearAll(g); }));
    connect(cmdSelectAll, &QPushButton::clicked, this, Handler([this] { TorpedoSelectAll(g); }));
    connect(cmdSwitchClass, &QPushButton::clicked, this, Handler([this] { TorpedoSwitchClass(g); }));
    connect(cmdInfo, &QPushButton::clicked, this, Handler([this] { TorpedoInfo(g); }));
    connect(cmdAutoTarget, &QPushButton::clicked, this, Handler([this] { TorpedoAutoTargetClick(g); }));
    connect(cmdPrevious, &QPushButton::clicked, this, Handler([this] { TorpedoPrevious(g); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { TorpedoAccept(g); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { TorpedoCancel(g); }));

    host.OnView(View::TorpedoPlan, this, [this] { Show(); });
    ForwardMouseMoves();
    Centre();
    Show();
}

void frmTOR::Form_Activate() {
    TorpedoDialogActivate(g, g.st.SectorFrames);
    Show();
}

void frmTOR::Cancel() { TorpedoCancel(g); }

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
