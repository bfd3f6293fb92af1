#include "ui/dialogs/frmPRO.h"

#include <QSignalBlocker>

#include "engine/computer/Navigation.h"
#include "screens/dialogs/ProbeDialog.h"
#include "state/Game.h"
#include "ui/dialogs/ProbeDial.h"
#include "ui/main/QtHost.h"

namespace kv {

frmPRO::frmPRO(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmPRO, "ProCap") {
    setFixedSize(300, 236);
    fraCourse = new QGroupBox(T("ProCourse"), this);
    fraCourse->setObjectName("fraCourse");
    fraCourse->setGeometry(10, 6, 280, 150);
    // The compass picture of the navigation dialog's dial.
    const QPixmap compass(QString::fromStdString(g.folders.program + "PICTURES/COMPASS.png"));
    gagCourse = new ProbeDial("gagCourse", compass, [this] { return g.st.ProbeDialog.CourseTag; }, fraCourse);
    gagCourse->setGeometry(12, 24, 110, 110);
    txtCourse = new QLineEdit(fraCourse);
    txtCourse->setObjectName("txtCourse");
    txtCourse->setGeometry(140, 40, 80, 26);
    txtCourse->setAlignment(Qt::AlignRight);
    hsbCourse = new QScrollBar(Qt::Horizontal, fraCourse);
    hsbCourse->setObjectName("hsbCourse");
    hsbCourse->setGeometry(140, 84, 128, 20);
    hsbCourse->setRange(10, 90);

    lblProbesLeft = MakeLabel("lblProbesLeft", T("ProLeft"), {14, 164, 110, 24});
    lblProbes = MakeLabel("lblProbes", QStringLiteral("10"), {126, 164, 60, 24});
    cmdAccept = MakeButton("cmdAccept", T("Accept"), {10, 198, 136, 28});
    cmdCancel = MakeButton("cmdCancel", T("Cancel"), {154, 198, 136, 28});
    cmdAccept->setDefault(true);

    connect(hsbCourse, &QScrollBar::valueChanged, this, [this](int v) {
        host.Run(form_, [this, v] {
            g.st.ProbeDialog.CourseValue = static_cast<Integer>(v);
            NavCourseChanged(g.st.ProbeDialog);
        });
        Show();
    });
    connect(txtCourse, &QLineEdit::textEdited, this, [this](const QString& text) {
        host.Run(form_, [this, text] { ProbeCourseTyped(g, text.toStdString()); });
        Show();
    });
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { ProbeAccept(g); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { ProbeCancel(g); }));

    host.OnView(View::ProbeDialog, this, [this] { Show(); });
    ForwardMouseMoves();
    Centre();
}

void frmPRO::Form_Activate() {
    Centre();
    Show();
}

void frmPRO::Cancel() { ProbeCancel(g); }

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
