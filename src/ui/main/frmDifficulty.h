#pragma once
// The new-game difficulty dialog: while a game runs, the next game's name, skill, length,
// mission and upgrades are chosen here (screens/main/DifficultyDialog.h computes them).
#include <QDialog>
#include <functional>

#include "state/Game.h"
#include "ui_frmDifficulty.h"

namespace kv {

class QtHost;

class frmDifficulty : public QDialog, public Ui::frmDifficulty {
    Q_OBJECT
public:
    frmDifficulty(Game& g, QtHost& host, QWidget* parent = nullptr);
    // The controls show the dialog's data.
    void Show();

    // Handlers.
    void Form_Activate();
    void txtName_Change();
    void vsbSkill_Change();
    void vsbLength_Change();
    void cboMissionType_Change();
    void chkUpgrades_Click();
    void cmdOK_Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // A handler as one engine action; the controls show the outcome.
    void Do(const std::function<void()>& handler);
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
