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
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // A handler as one engine action; the controls show the outcome. False when refused (busy).
    bool Do(const std::function<void()>& handler);
    // The window's height fits the panel's button.
    void FitHeight();
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
