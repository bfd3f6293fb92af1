#include "ui/main/frmDifficulty.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

#include "screens/main/DifficultyDialog.h"
#include "state/ScreenData.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {

frmDifficulty::frmDifficulty(Game& g, QtHost& host, QWidget* parent) : QDialog(parent), g_(g), host_(host) {
    setupUi(this);
    // OK is the dialog's one way out: Return presses it; Escape and the close box do nothing.
    SettleKeys(this, {cmdOK, {}, {}});
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    setWindowTitle(Q(g.Text("DiffCap")));
    lblName->setText(Q(g.Text("DiffName")));
    lblSkill->setText(Q(g.Text("DiffSkill")));
    lblLength->setText(Q(g.Text("DiffLength")));
    lblMissionType->setText(Q(g.Text("DiffMisType")));
    chkUpgrades->setText(Q(g.Text("DiffUpg")));
    cmdOK->setText(Q(g.Text("OK")));
    for (int i = 0; i <= 3; ++i) cboMissionType->addItem(Q(g.Text("DiffMis" + std::to_string(i))));
    vsbSkill->setPageStep(g.screens.difficulty.vsbSkill.LargeChange);

    connect(txtName, &QLineEdit::textEdited, this, [this] { Do([this] { txtName_Change(); }); });
    connect(vsbSkill, &QScrollBar::valueChanged, this, [this] { Do([this] { vsbSkill_Change(); }); });
    connect(vsbLength, &QScrollBar::valueChanged, this, [this] { Do([this] { vsbLength_Change(); }); });
    connect(cboMissionType, &QComboBox::currentIndexChanged, this, [this] { Do([this] { cboMissionType_Change(); }); });
    connect(chkUpgrades, &QCheckBox::clicked, this, [this] { Do([this] { chkUpgrades_Click(); }); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { Do([this] { cmdOK_Click(); }); });
    Show();
}

void frmDifficulty::txtName_Change() { DifficultyNameChange(g_, txtName->text().toStdString()); }
void frmDifficulty::vsbSkill_Change() { DifficultySkillChange(g_, vsbSkill->value()); }
void frmDifficulty::vsbLength_Change() { DifficultyLengthChange(g_, vsbLength->value()); }
void frmDifficulty::cboMissionType_Change() { DifficultyMissionTypeChange(g_, cboMissionType->currentIndex()); }
void frmDifficulty::chkUpgrades_Click() { DifficultyUpgradesClick(g_, chkUpgrades->isChecked() ? 1 : 0); }

void frmDifficulty::cmdOK_Click() {
    if (DifficultyOK(g_)) accept();
}

void frmDifficulty::Do(const std::function<void()>& handler) {
    host_.Run(Form::frmDifficulty, handler);
    Show();
}

void frmDifficulty::Show() {
    const DifficultyData& d = g_.screens.difficulty;
    Put(txtName, d.txtName);
    Put(vsbSkill, d.vsbSkill.Min, d.vsbSkill.Max, d.vsbSkill.Value);
    vsbSkill->setVisible(d.vsbSkill.Visible);
    lblSkillLevel->setVisible(d.vsbSkill.Visible);
    Put(lblSkillLevel, d.lblSkillLevel);
    Put(vsbLength, d.vsbLength.Min, d.vsbLength.Max, d.vsbLength.Value);
    Put(lblGameLength, d.lblGameLength);
    Put(cboMissionType, d.cboMissionType);
    Put(chkUpgrades, d.chkUpgrades != 0);
    if (g_.screens.Focus == "txtName") {
        txtName->setFocus();
        g_.screens.Focus.clear();
    }
}

// Each showing takes the game's choices; the dialog runs inside the new game that opened it.
void frmDifficulty::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    Form_Activate();
}

void frmDifficulty::Form_Activate() {
    DifficultyActivate(g_);
    Show();
}

}  // namespace kv
