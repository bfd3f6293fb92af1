#include "ui/main/frmDifficulty.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

#include "screens/main/DifficultyDialog.h"
#include "state/ScreenData.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"

namespace kv {

frmDifficulty::frmDifficulty(Game& g, QtHost& host, QWidget* parent) : QDialog(parent), g_(g), host_(host) {
    setupUi(this);
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

    connect(txtName, &QLineEdit::textEdited, this,
            [this](const QString& t) { Do([this, t] { DifficultyNameChange(g_, t.toStdString()); }); });
    connect(vsbSkill, &QScrollBar::valueChanged, this, [this](int v) { Do([this, v] { DifficultySkillChange(g_, v); }); });
    connect(vsbLength, &QScrollBar::valueChanged, this,
            [this](int v) { Do([this, v] { DifficultyLengthChange(g_, v); }); });
    connect(cboMissionType, &QComboBox::currentIndexChanged, this,
            [this](int i) { Do([this, i] { DifficultyMissionTypeChange(g_, i); }); });
    connect(chkUpgrades, &QCheckBox::clicked, this,
            [this](bool c) { Do([this, c] { DifficultyUpgradesClick(g_, c ? 1 : 0); }); });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        Do([this] {
            if (DifficultyOK(g_)) accept();
        });
    });
    Show();
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
    DifficultyActivate(g_);
    Show();
}

void frmDifficulty::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(e);
}

void frmDifficulty::closeEvent(QCloseEvent* e) { e->ignore(); }

}  // namespace kv
