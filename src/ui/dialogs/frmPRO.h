#pragma once
// The probe dialog: the course of a probe. LaunchProbe opens it modally at course 1.0 and
// reads the course box when it closes ("-32767" after Cancel).
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmPRO;
}

namespace kv {

class ProbeDial;

class frmPRO : public CommandDialog {
    Q_OBJECT
public:
    frmPRO(Game& g, QtHost& host);
    ~frmPRO() override;

    void Form_Load();
    void Form_Activate() override;
    void Show();

    // The course bar moved (Change once let go, Scroll while dragged), the course typed.
    void hsbCourse_Change();
    void hsbCourse_Scroll();
    void txtCourse_Change();
    void gagCourse_Paint();
    void cmdAccept_Click();
    void cmdCancel_Click();

    QGroupBox* fraCourse;
    QScrollBar* hsbCourse;
    QLineEdit* txtCourse;
    ProbeDial* gagCourse;
    QLabel* lblProbesLeft;
    QLabel* lblProbes;
    QPushButton *cmdAccept, *cmdCancel;

protected:
    // Each opening comes up in the middle of the desktop; a return to the open dialog leaves it
    // where the player put it.
    void showEvent(QShowEvent* e) override;

private:
    std::unique_ptr<Ui::frmPRO> ui_;
};

}  // namespace kv
