#include "ui/dialogs/frmNAV.h"

#include <QMouseEvent>

#include "engine/computer/Navigation.h"
#include "platform/Files.h"
#include "screens/dialogs/NavWindow.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"
#include "ui_frmNAV.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

}  // namespace

frmNAV::frmNAV(Game& g, QtHost& host, QWidget* parent) : QDialog(parent), ui_(new Ui::frmNAV), g_(g), host_(host) {
    ui_->setupUi(this);
    cmdAccept = ui_->cmdAccept;
    cmdCancel = ui_->cmdCancel;
    cmdAuto = ui_->cmdAuto;
    fraCourse = ui_->fraCourse;
    fraWarpFactor = ui_->fraWarpFactor;
    fraDist = ui_->fraDist;
    txtCourse = ui_->txtCourse;
    txtWarp = ui_->txtWarp;
    hsbCourse = ui_->hsbCourse;
    vsbWarp = ui_->vsbWarp;
    gagCourse = ui_->gagCourse;
    pnlWarp = ui_->pnlWarp;
    pnlDist = ui_->pnlDist;

    setMouseTracking(true);
    gagCourse->paint = [this] { gagCourse_Paint(); };
    pnlWarp->paint = [this] { pnlWarp_Paint(); };

    connect(cmdAccept, &QPushButton::clicked, this, host.Handler(Form::frmNAV, [this] { cmdAccept_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, host.Handler(Form::frmNAV, [this] { cmdCancel_Click(); }));
    connect(cmdAuto, &QPushButton::clicked, this, host.Handler(Form::frmNAV, [this] { cmdAuto_Click(); }));
    // Escape and the close box cancel the order.
    SettleKeys(this, {cmdAccept, Press(cmdCancel), Press(cmdCancel)});
    // The scroll bars while moved and once let go: their texts and gauges follow.
    connect(hsbCourse, &QScrollBar::valueChanged, this, [this] {
        if (showing_) return;
        host_.Run(Form::frmNAV, [&] { hsbCourse->isSliderDown() ? hsbCourse_Scroll() : hsbCourse_Change(); });
        ShowData();
    });
    connect(vsbWarp, &QScrollBar::valueChanged, this, [this] {
        if (showing_) return;
        host_.Run(Form::frmNAV, [&] { vsbWarp->isSliderDown() ? vsbWarp_Scroll() : vsbWarp_Change(); });
        ShowData();
    });
    // What the player types is checked as it changes.
    connect(txtCourse, &QLineEdit::textEdited, this, [this] {
        host_.Run(Form::frmNAV, [&] { txtCourse_Change(); });
        ShowData();
    });
    connect(txtWarp, &QLineEdit::textEdited, this, [this] {
        host_.Run(Form::frmNAV, [&] { txtWarp_Change(); });
        ShowData();
    });
    pnlDist->onMouseDown = [this](QMouseEvent* e) { pnlDist_MouseDown(e->button(), e->position()); };
    pnlDist->onMouseMove = [this](QMouseEvent* e) {
        pnlDist_MouseMove(e->buttons(), ShiftOf(e->modifiers()), e->position());
    };
    Form_Load();
}

void frmNAV::Form_Load() {
    setWindowTitle(QString::fromStdString(g_.Text("NavCap")));
    fraCourse->setTitle(QString::fromStdString(g_.Text("NavCrs")));
    fraWarpFactor->setTitle(QString::fromStdString(g_.Text("NavWarp")));
    cmdAuto->setText(QString::fromStdString(g_.Text("NavAuto")));
    cmdAccept->setText(QString::fromStdString(g_.Text("Accept")));
    cmdCancel->setText(QString::fromStdString(g_.Text("Cancel")));
    Centre();
}

void frmNAV::hsbCourse_Change() {
    g_.st.NavDialog.CourseValue = static_cast<Integer>(hsbCourse->value());
    NavCourseChanged(g_.st.NavDialog);
}

void frmNAV::hsbCourse_Scroll() { hsbCourse_Change(); }

void frmNAV::vsbWarp_Change() {
    g_.st.NavDialog.WarpValue = static_cast<Integer>(vsbWarp->value());
    NavWarpChanged(g_.st.NavDialog);
}

void frmNAV::vsbWarp_Scroll() { vsbWarp_Change(); }

void frmNAV::txtCourse_Change() {
    g_.st.NavDialog.CourseText = txtCourse->text().toStdString();
    NavCourseTextChanged(g_);
}

void frmNAV::txtWarp_Change() {
    g_.st.NavDialog.WarpText = txtWarp->text().toStdString();
    NavWarpTextChanged(g_);
}

void frmNAV::gagCourse_Paint() { gagCourse->Draw(); }

void frmNAV::pnlWarp_Paint() { pnlWarp->Draw(); }

void frmNAV::pnlDist_MouseDown(Qt::MouseButton button, QPointF at) {
    if (button == Qt::LeftButton) pnlDist->SetLineEnd(at);
}

void frmNAV::pnlDist_MouseMove(Qt::MouseButtons buttons, int shift, QPointF at) {
    if (buttons & Qt::LeftButton) pnlDist->SetLineEnd(at);
    Form_MouseMove(shift);
}

frmNAV::~frmNAV() = default;

void frmNAV::ShowData() {
    const NavDialogData& nav = g_.st.NavDialog;
    showing_ = true;
    hsbCourse->setRange(10, 90);
    hsbCourse->setValue(nav.CourseValue);
    vsbWarp->setRange(0, nav.WarpMax);
    vsbWarp->setValue(nav.WarpValue);
    const QString course = QString::fromStdString(nav.CourseText), warp = QString::fromStdString(nav.WarpText);
    if (txtCourse->text() != course) txtCourse->setText(course);
    if (txtWarp->text() != warp) txtWarp->setText(warp);
    gagCourse->SetTag(nav.CourseTag);
    pnlWarp->SetTag(nav.WarpTag);
    showing_ = false;
}

void frmNAV::cmdAccept_Click() {
    const std::string course = g_.st.NavDialog.CourseText, warp = g_.st.NavDialog.WarpText;
    AcceptNavOrder(g_, course, warp);
}

void frmNAV::cmdCancel_Click() { NavCancel(g_); }

void frmNAV::cmdAuto_Click() { NavAuto(g_); }

void frmNAV::Centre() { CentreOnDesktop(this); }

// Each activation: the target calculator's button usable only with a working computer, the
// distance map's line from the ship's sector, the controls as the order was prepared.
void frmNAV::Form_Activate() {
    cmdAuto->setEnabled(NavAutoEnabled(g_.st));
    double x = 0, y = 0;
    NavMapLineStart(g_.st, pnlDist->width(), pnlDist->height(), x, y);
    pnlDist->SetLineStart(QPointF(x, y));
    if (gagCourse->property("picture").isNull()) {
        const std::string compass = FindFile(g_.st.PicturesPath, "COMPASS.*");
        if (!compass.empty()) {
            gagCourse->SetPicture(QPixmap(QString::fromStdString(compass)));
            gagCourse->setProperty("picture", QString::fromStdString(compass));
        }
    }
    ShowData();
}

// Each opening comes up in the middle of the desktop. A return to the open dialog leaves it
// where the player put it: moved by the click that brings it back, it would leave the rest of
// that click (a double or triple click) to whatever then lies under the pointer.
void frmNAV::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Centre();
    Form_Activate();
    QDialog::showEvent(e);
}

void frmNAV::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) Form_Activate();
    QDialog::changeEvent(e);
}

void frmNAV::mouseMoveEvent(QMouseEvent* e) {
    Form_MouseMove(ShiftOf(e->modifiers()));
    QDialog::mouseMoveEvent(e);
}

void frmNAV::Form_MouseMove(int shift) {
    host_.Run(Form::frmNAV, [&] { ReturnToMainWindows(g_, shift); });
}

}  // namespace kv
