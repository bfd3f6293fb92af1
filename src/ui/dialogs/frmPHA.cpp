#include "ui/dialogs/frmPHA.h"

#include "screens/dialogs/PhaserDialog.h"
#include "state/Game.h"
#include "ui/dialogs/FirePlanList.h"
#include "ui/main/QtHost.h"

namespace kv {

frmPHA::frmPHA(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmPHA, "PhaCap") {
    setFixedSize(520, 318);
    lstFire = MakePlanList(this, "lstFire", true);
    lstFire->setGeometry(10, 10, 360, 166);
    lstPrevious = MakePlanList(this, "lstPrevious", false);
    lstPrevious->hide();  // the last plan fired, kept for Previous

    const int x = 380, w = 130, bh = 28;
    cmdAdd = MakeButton("cmdAdd", T("PhaAdd"), {x, 10, w, bh});
    cmdRemove = MakeButton("cmdRemove", T("PhaRem"), {x, 42, w, bh});
    cmdClearAll = MakeButton("cmdClearAll", T("PhaClear"), {x, 74, w, bh});
    cmdSelectAll = MakeButton("cmdSelectAll", T("PhaSelect"), {x, 106, w, bh});
    cmdInfo = MakeButton("cmdInfo", T("PhaInfo"), {x, 138, w, bh});
    cmdPrevious = MakeButton("cmdPrevious", QStringLiteral("Previous"), {x, 170, w, bh});

    cmdKill = MakeButton("cmdKill", T("PhaKill"), {10, 186, 116, bh});
    cmdDisable = MakeButton("cmdDisable", T("PhaDis"), {132, 186, 116, bh});
    cmdOther = MakeButton("cmdOther", T("PhaOther"), {254, 186, 116, bh});

    lblTotal = MakeLabel("lblTotal", T("PhaTotal"), {10, 226, 80, 24});
    Total = MakeLabel("Total", QStringLiteral("0"), {92, 226, 120, 24});
    QFont bold = Total->font();
    bold.setBold(true);
    Total->setFont(bold);
    Total->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    cmdAutoTarget = MakeButton("cmdAutoTarget", T("PhaAuto"), {x, 222, w, bh});
    cmdAccept = MakeButton("cmdAccept", T("Accept"), {x - 136, 276, w, bh});
    cmdCancel = MakeButton("cmdCancel", T("Cancel"), {x, 276, w, bh});
    cmdAccept->setDefault(true);

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
    Centre();
    Show();
}

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
