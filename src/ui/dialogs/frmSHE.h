#pragma once
// The shield dialog: the level typed, dragged on the bar or chosen by one of four buttons.
// Opened modally by SetShields; Accept and Cancel set the level and take its energy.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmSHE;
}

namespace kv {

class frmSHE;

// The shield bar: a gauge of the level with the drag line, which the player drags to a height.
// It paints and reports to the dialog it is given (SetOwner).
class ShieldBar : public QWidget {
    Q_OBJECT
public:
    explicit ShieldBar(QWidget* parent = nullptr);
    void SetOwner(frmSHE& owner) { owner_ = &owner; }
    QLabel* lblDragLine;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    QRect LineHold() const;
    frmSHE* owner_ = nullptr;
    bool dragging_ = false;  // the line is being dragged
    bool over_ = false;      // ... and the pointer is over the bar
    QRect home_;             // where the line could be taken hold of when the drag began
};

class frmSHE : public CommandDialog {
    Q_OBJECT
public:
    frmSHE(Game& g, QtHost& host);
    ~frmSHE() override;

    void Form_Load();
    void Form_Activate() override;
    void Show();

    void txtShields_Change();
    void cmdMax_Click();
    void cmdHalf_Click();
    void cmdDrop_Click();
    void cmdAuto_Click();
    void cmdAccept_Click();
    void cmdCancel_Click();
    // Draws the bar (called from its paint event).
    void pnlShieldBar_Paint();

    // The drag line picked up, and dropped at height y of the bar.
    void pnlShieldBar_DragOver(int state);
    void pnlShieldBar_DragDrop(int y);

    QLineEdit* txtShields;
    ShieldBar* pnlShieldBar;
    QLabel* lblDragLine;
    QPushButton *cmdMax, *cmdHalf, *cmdDrop, *cmdAuto, *cmdAccept, *cmdCancel;

    Game& game() { return g; }

private:
    std::unique_ptr<Ui::frmSHE> ui_;
};

}  // namespace kv
