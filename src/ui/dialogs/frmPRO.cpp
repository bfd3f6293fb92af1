#include "ui/dialogs/frmPRO.h"

#include <QLayout>
#include <QShowEvent>
#include <QSignalBlocker>

#include "engine/computer/Navigation.h"
#include "screens/dialogs/ProbeDialog.h"
#include "state/Game.h"
#include "ui/dialogs/ProbeDial.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmPRO.h"

namespace kv {

frmPRO::frmPRO(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmPRO, "ProCap"), ui_(std::make_unique<Ui::frmPRO>()) {
    ui_->setupUi(this);
    fraCourse = ui_->fraCourse;
    gagCourse = ui_->gagCourse;
    txtCourse = ui_->txtCourse;
    hsbCourse = ui_->hsbCourse;
    lblProbesLeft = ui_->lblProbesLeft;
    lblProbes = ui_->lblProbes;
    cmdAccept = ui_->cmdAccept;
    cmdCancel = ui_->cmdCancel;

    gagCourse->paint = [this] { gagCourse_Paint(); };

    connect(hsbCourse, &QScrollBar::valueChanged, this, [this] {
        host.Run(form_, [this] { hsbCourse->isSliderDown() ? hsbCourse_Scroll() : hsbCourse_Change(); });
        Show();
    });
    connect(txtCourse, &QLineEdit::textEdited, this, [this] {
        host.Run(form_, [this] { txtCourse_Change(); });
        Show();
    });
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { cmdAccept_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { cmdCancel_Click(); }));
    SettleKeys(this, {cmdAccept, Press(cmdCancel), Press(cmdCancel)});

    host.OnView(View::ProbeDialog, this, [this] { Show(); });
    ForwardMouseMoves();
    Form_Load();
}

void frmPRO::Form_Load() {
    setWindowTitle(T("ProCap"));
    fraCourse->setTitle(T("ProCourse"));
    lblProbesLeft->setText(T("ProLeft"));
    cmdAccept->setText(T("Accept"));
    cmdCancel->setText(T("Cancel"));
    // The compass picture of the navigation dialog's dial.
    const QPixmap compass(QString::fromStdString(g.folders.program + "PICTURES/COMPASS.png"));
    gagCourse->Setup(compass, [this] { return g.st.ProbeDialog.CourseTag; });
    layout()->activate();
    Centre();
}

frmPRO::~frmPRO() = default;

// Each opening: centred. A return to the open dialog leaves it where the player put it: moved by
// the click that brings it back, it would leave the rest of that click (a double click) to
// whatever then lies under the pointer.
void frmPRO::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Centre();
    CommandDialog::showEvent(e);
}

void frmPRO::Form_Activate() {
    Show();
}

void frmPRO::hsbCourse_Change() {
    g.st.ProbeDialog.CourseValue = static_cast<Integer>(hsbCourse->value());
    NavCourseChanged(g.st.ProbeDialog);
}

void frmPRO::hsbCourse_Scroll() { hsbCourse_Change(); }

void frmPRO::txtCourse_Change() { ProbeCourseTyped(g, txtCourse->text().toStdString()); }

void frmPRO::gagCourse_Paint() { gagCourse->Draw(); }

void frmPRO::cmdAccept_Click() { ProbeAccept(g); }

void frmPRO::cmdCancel_Click() { ProbeCancel(g); }

void frmPRO::Show() {
    const NavDialogData& d = g.st.ProbeDialog;
    const QSignalBlocker block(hsbCourse);
    hsbCourse->setValue(d.CourseValue);
    const QString text = QString::fromStdString(d.CourseText);
    if (txtCourse->text() != text) txtCourse->setText(text);
    lblProbes->setText(QString::fromStdString(g.st.ProbesLeftCaption));
    gagCourse->update();
    // The count after an Accept shows during its pause.
    lblProbes->repaint();
}

}  // namespace kv
