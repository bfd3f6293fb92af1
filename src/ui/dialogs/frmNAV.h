#pragma once
// The navigation dialog: course and warp by scroll bar or typed, the course dial, the warp
// gauge and the distance map; Accept carries the order out (engine/computer/Navigation.h), Auto
// hands over to the target calculator, Cancel leaves the cancel mark. The dialog's data is
// GameState::NavDialog, which SetupNavDialog prepares before it shows the window.
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "state/Game.h"
#include "ui/dialogs/NavGauges.h"

namespace Ui {
class frmNAV;
}

namespace kv {

class QtHost;

class frmNAV : public QDialog {
    Q_OBJECT
public:
    frmNAV(Game& g, QtHost& host, QWidget* parent = nullptr);
    ~frmNAV() override;

    void Form_Load();
    void cmdAccept_Click();
    void cmdCancel_Click();
    void cmdAuto_Click();
    void Form_Activate();
    // The pointer moving over the dialog or its distance map with the given key state.
    void Form_MouseMove(int shift);
    // The bars moved (Change once let go, Scroll while dragged) and the texts typed.
    void hsbCourse_Change();
    void hsbCourse_Scroll();
    void vsbWarp_Change();
    void vsbWarp_Scroll();
    void txtCourse_Change();
    void txtWarp_Change();
    void gagCourse_Paint();
    void pnlWarp_Paint();
    // A press on the distance map, and the pointer moving over it, draw the line to the point.
    void pnlDist_MouseDown(Qt::MouseButton button, QPointF at);
    void pnlDist_MouseMove(Qt::MouseButtons buttons, int shift, QPointF at);
    // The controls as the dialog's data holds them.
    void ShowData();

    QPushButton* cmdAccept;
    QPushButton* cmdCancel;
    QPushButton* cmdAuto;
    QGroupBox* fraCourse;
    QGroupBox* fraWarpFactor;
    QGroupBox* fraDist;
    QLineEdit* txtCourse;
    QLineEdit* txtWarp;
    QScrollBar* hsbCourse;
    QScrollBar* vsbWarp;
    CourseDial* gagCourse;
    WarpPanel* pnlWarp;
    DistanceMap* pnlDist;

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void Centre();

    std::unique_ptr<Ui::frmNAV> ui_;
    Game& g_;
    QtHost& host_;
    bool showing_ = false;  // the controls are being set from the data: no change handlers
};

}  // namespace kv
