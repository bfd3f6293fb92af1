#include "ui/dialogs/frmSHE.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>

#include "screens/dialogs/ShieldDialog.h"
#include "screens/main/Panel.h"
#include "state/Game.h"
#include "ui/dialogs/Panels.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmSHE.h"

namespace kv {

ShieldBar::ShieldBar(QWidget* parent) : QWidget(parent) {
    setObjectName("pnlShieldBar");
    lblDragLine = new QLabel(QStringLiteral("------"), this);
    lblDragLine->setObjectName("lblDragLine");
    lblDragLine->setAlignment(Qt::AlignCenter);
    lblDragLine->setStyleSheet(QStringLiteral("background: #000080; color: #000080;"));
    lblDragLine->setCursor(Qt::SizeVerCursor);
}

void ShieldBar::paintEvent(QPaintEvent*) {
    if (owner_) owner_->pnlShieldBar_Paint();
}

// Where the line can be taken hold of: the line itself, with a few pixels' grace above and below.
QRect ShieldBar::LineHold() const { return lblDragLine->geometry().adjusted(0, -3, 0, 3); }

// Only the drag line is picked up: a press elsewhere on the bar does nothing.
void ShieldBar::mousePressEvent(QMouseEvent* e) {
    if (!owner_ || e->button() != Qt::LeftButton || dragging_) return;
    const QRect hold = LineHold();
    if (!hold.contains(e->position().toPoint())) return;
    dragging_ = over_ = true;
    home_ = hold;
    owner_->pnlShieldBar_DragOver(0);
}

// While dragged over the bar the line follows the pointer; out of the bar the bar takes its face
// colour again and the line stands at the level.
void ShieldBar::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_) return;
    const QPoint at = e->position().toPoint();
    const bool over = rect().contains(at);
    if (over != over_) {
        over_ = over;
        owner_->pnlShieldBar_DragOver(over ? 0 : 1);
        if (!over) owner_->Show();
    }
    if (over) lblDragLine->move(lblDragLine->x(), at.y() - lblDragLine->height() / 2);
}

// Dropped on the bar, the line sets the level of that height. Let go outside the bar, or where
// the line stood (dropped on itself), nothing changes.
void ShieldBar::mouseReleaseEvent(QMouseEvent* e) {
    if (!dragging_ || e->button() != Qt::LeftButton) return;
    dragging_ = false;
    const QPoint at = e->position().toPoint();
    if (rect().contains(at) && !home_.contains(at)) {
        owner_->pnlShieldBar_DragDrop(at.y());
        return;
    }
    if (over_) owner_->pnlShieldBar_DragOver(1);
    owner_->Show();
}

// A drag that the dialog's closing cuts short ends with it.
void ShieldBar::hideEvent(QHideEvent* e) {
    dragging_ = over_ = false;
    QWidget::hideEvent(e);
}

frmSHE::frmSHE(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmSHE, "SheCap"), ui_(std::make_unique<Ui::frmSHE>()) {
    ui_->setupUi(this);
    pnlShieldBar = ui_->pnlShieldBar;
    txtShields = ui_->txtShields;
    cmdMax = ui_->cmdMax;
    cmdHalf = ui_->cmdHalf;
    cmdDrop = ui_->cmdDrop;
    cmdAuto = ui_->cmdAuto;
    cmdAccept = ui_->cmdAccept;
    cmdCancel = ui_->cmdCancel;
    pnlShieldBar->SetOwner(*this);
    lblDragLine = pnlShieldBar->lblDragLine;
    // The bar keeps the fixed size its layout gives it; the level's drop height counts in it.
    lblDragLine->setGeometry(2, 0, pnlShieldBar->maximumWidth() - 4, 4);
    pnlShieldBar->setFixedHeight(g.st.ShieldDialog.BarHeight);

    connect(txtShields, &QLineEdit::textEdited, this, [this] {
        host.Run(form_, [this] { txtShields_Change(); });
        Show();
    });
    connect(cmdMax, &QPushButton::clicked, this, Handler([this] { cmdMax_Click(); }));
    connect(cmdHalf, &QPushButton::clicked, this, Handler([this] { cmdHalf_Click(); }));
    connect(cmdDrop, &QPushButton::clicked, this, Handler([this] { cmdDrop_Click(); }));
    connect(cmdAuto, &QPushButton::clicked, this, Handler([this] { cmdAuto_Click(); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { cmdAccept_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { cmdCancel_Click(); }));
    SettleKeys(this, {cmdAccept, Press(cmdCancel), Press(cmdCancel)});

    ForwardMouseMoves();
    Form_Load();
}

void frmSHE::Form_Load() {
    setWindowTitle(T("SheCap"));
    cmdMax->setText(T("SheMax"));
    cmdHalf->setText(T("SheHalf"));
    cmdDrop->setText(T("SheDrop"));
    cmdAuto->setText(T("SheAuto"));
    cmdAccept->setText(T("Accept"));
    cmdCancel->setText(T("Cancel"));
    layout()->activate();
    // Where the short-range scan's top-left corner stands when that window is centred.
    QSize scan(600, 560);
    if (QWidget* srs = host.FormWindow(Form::frmSRS)) scan = srs->size();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - scan.width()) / 2, area.y() + (area.height() - scan.height()) / 2);
    }
}

frmSHE::~frmSHE() = default;

void frmSHE::Form_Activate() {
    ShieldDialogActivate(g);
    Show();
}

void frmSHE::txtShields_Change() { ShieldTextChanged(g, txtShields->text().toStdString()); }

// Each button sets its level; the controls follow.
void frmSHE::cmdMax_Click() {
    ShieldMaximum(g);
    Show();
}

void frmSHE::cmdHalf_Click() {
    ShieldHalf(g);
    Show();
}

void frmSHE::cmdDrop_Click() {
    ShieldDrop(g);
    Show();
}

void frmSHE::cmdAuto_Click() {
    ShieldAuto(g);
    Show();
}

void frmSHE::cmdAccept_Click() { ShieldAccept(g); }

void frmSHE::cmdCancel_Click() { ShieldCancel(g); }

void frmSHE::pnlShieldBar_Paint() {
    const ShieldDialogData& d = g.st.ShieldDialog;
    const QColor face = pnlShieldBar->palette().color(d.DragOver ? QPalette::Dark : QPalette::Button);
    PaintPanel(pnlShieldBar, kEdgeSunken, face, true, d.BarTag, Palette(9));
}

void frmSHE::pnlShieldBar_DragOver(int state) {
    host.Run(form_, [this, state] { ShieldBarDragOver(g, state); });
    pnlShieldBar->update();
}

void frmSHE::pnlShieldBar_DragDrop(int y) {
    host.Run(form_, [this, y] { ShieldBarDropped(g, y); });
    Show();
}

void frmSHE::Show() {
    const ShieldDialogData& d = g.st.ShieldDialog;
    const QString text = QString::fromStdString(d.txtShields);
    if (txtShields->text() != text) txtShields->setText(text);
    cmdAuto->setEnabled(d.AutoEnabled);
    lblDragLine->move(lblDragLine->x(), d.DragLineTop - lblDragLine->height() / 2);
    pnlShieldBar->update();
}

}  // namespace kv
