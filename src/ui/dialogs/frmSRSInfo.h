#pragma once
// The sector information box of the short-range scan: the picture of the sector in question,
// its description (GameState::SectorInfo) and OK. The scan window fills the data and runs the
// box modally.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "state/Game.h"

namespace Ui {
class frmSRSInfo;
}

namespace kv {

class QtHost;

class frmSRSInfo : public QDialog {
    Q_OBJECT
public:
    frmSRSInfo(Game& g, QtHost& host, QWidget* parent = nullptr);
    ~frmSRSInfo() override;

    void Form_Load();
    // Each showing: the application's title, the sector's picture and text, centred.
    void Form_Activate();
    void cmdOK_Click();
    // The player closes the box with the close box: it is hidden. Escape does nothing (the box
    // has OK only, which Return presses).
    void Form_QueryUnload();

    QLabel* picSector;
    QLabel* lblMessage;
    QPushButton* cmdOK;

protected:
    void showEvent(QShowEvent* e) override;

private:
    std::unique_ptr<Ui::frmSRSInfo> ui_;
    Game& g_;
};

}  // namespace kv
