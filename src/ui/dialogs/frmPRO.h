#pragma once
// The probe dialog: the course of a probe. LaunchProbe opens it modally at course 1.0 and
// reads the course box when it closes ("-32767" after Cancel).
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ui/dialogs/CommandDialog.h"

namespace kv {

class ProbeDial;

class frmPRO : public CommandDialog {
    Q_OBJECT
public:
    frmPRO(Game& g, QtHost& host);

    void Form_Activate() override;
    void Cancel() override;
    void Show();

    QGroupBox* fraCourse;
    QScrollBar* hsbCourse;
    QLineEdit* txtCourse;
    ProbeDial* gagCourse;
    QLabel* lblProbesLeft;
    QLabel* lblProbes;
    QPushButton *cmdAccept, *cmdCancel;
};

}  // namespace kv
