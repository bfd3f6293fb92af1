#pragma once
// The main menu: the Game and Help menus, the new-game panel (name, skill, length, mission,
// upgrades, technology level), the timed save's indicator, the bonus and the break of the skill
// bar, and the hidden debug panel. What its handlers do is screens/main/MainMenu.h and
// NewGame.h; the window shows Game::screens.menu.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <functional>

#include "state/Game.h"

namespace kv {

class QtHost;

class frmMenu : public QDialog {
    Q_OBJECT
public:
    frmMenu(Game& g, QtHost& host, QWidget* parent = nullptr);
    // The controls show the menu's data.
    void Show();

    // Handlers.
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Form_QueryUnload();
    void mnuGNew_Click();
    void mnuGResume_Click();
    void mnuGLoad_Click();
    void mnuGSave_Click();
    void mnuGEndMission_Click();
    void mnuGOptions_Click();
    void mnuGExit_Click();
    void mnuHKVHelp_Click();
    void mnuHHelpType_Click(int index);
    void mnuHAbout_Click();
    void txtName_Change();
    void vsbSkill_Change();
    void vsbLength_Change();
    void cboMissionType_Change();
    void chkUpgrades_Click();
    void spnMaxUp_UpClick();
    void spnMaxUp_DownClick();
    void cmdNewClose_Click();
    void Bonus_Click();
    void ClickMe_Click();
    void pnlTimedSave_Click();
    void lblName_Click();
    void txtPassWord_Change();
    void txtPassWord_KeyPress(int keyAscii);
    void chkUpAll_MouseDown();
    void tmrSavedGame_Timer();
    void tmrBreak_Timer();

    QMenuBar* menuBar;
    QMenu* mnuGame;
    QAction *mnuGNew, *mnuGResume, *mnuGLoad, *mnuGSave, *mnuGEndMission, *mnuGOptions, *mnuGExit;
    QMenu* mnuHelp;
    QAction* mnuHKVHelp;
    std::array<QAction*, 4> mnuHHelpType{};  // items 1..3
    QAction* mnuHAbout;

    QFrame* pnlDifficulty;
    QLabel *lblName, *lblSkill, *lblSkillLevel, *lblLength, *lblGameLength, *lblMissionType;
    QComboBox* txtName;
    QScrollBar *vsbSkill, *vsbLength;
    QComboBox* cboMissionType;
    QCheckBox* chkUpgrades;
    QLabel *lblMaxUpCaption, *lblMaxUp;
    QToolButton *spnMaxUpUp, *spnMaxUpDown;
    QPushButton* cmdNewClose;
    QLabel *Bonus, *ClickMe, *picHand, *picBroken;
    QFrame* pnlTimedSave;
    QFrame* shpTime;
    QLineEdit* txtPassWord;
    QFrame* pnlDebug;
    QCheckBox *chkCapAll, *chkLengthInc, *chkShowCloak, *chkShowStars, *chkUpAll;
    QTimer *tmrSavedGame, *tmrBreak;

protected:
    void showEvent(QShowEvent* e) override;
    // Dismissing the menu is its close box's step (Form_QueryUnload).
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // A handler as one engine action; the controls show the outcome. False when refused (busy).
    bool Do(const std::function<void()>& handler);
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
