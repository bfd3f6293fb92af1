#include "ui/dialogs/frmSHE.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

#include "screens/dialogs/ShieldDialog.h"
#include "screens/main/Panel.h"
#include "state/Game.h"
#include "ui/dialogs/Panels.h"
#include "ui/main/QtHost.h"

namespace kv {

namespace {
constexpr int kBarWidth = 40, kBarHeight = 200;
}

ShieldBar::ShieldBar(frmSHE& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setObjectName("pnlShieldBar");
    lblDragLine = new QLabel(QStringLiteral("------"), this);
    lblDragLine->setObjectName("lblDragLine");
    lblDragLine->setAlignment(Qt::AlignCenter);
    lblDragLine->setStyleSheet(QStringLiteral("background: #000080; color: #000080;"));
    lblDragLine->setCursor(Qt::SizeVerCursor);
}

void ShieldBar::paintEvent(QPaintEvent*) {
    const ShieldDialogData& d = owner_.game().st.ShieldDialog;
    const QColor face = palette().color(d.DragOver ? QPalette::Dark : QPalette::Button);
    PaintPanel(this, kEdgeSunken, face, true, d.BarTag, Palette(9));
}

void ShieldBar::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    dragging_ = true;
    owner_.pnlShieldBar_DragOver(0);
    lblDragLine->move(lblDragLine->x(), static_cast<int>(e->position().y()) - lblDragLine->height() / 2);
}

void ShieldBar::mouseMoveEvent(QMouseEvent* e) {
    if (dragging_) lblDragLine->move(lblDragLine->x(), static_cast<int>(e->position().y()) - lblDragLine->height() / 2);
}

void ShieldBar::mouseReleaseEvent(QMouseEvent* e) {
    if (!dragging_ || e->button() != Qt::LeftButton) return;
    dragging_ = false;
    if (rect().contains(e->position().toPoint()))
        owner_.pnlShieldBar_DragDrop(static_cast<int>(e->position().y()));
    else
        owner_.pnlShieldBar_DragOver(1);
}

frmSHE::frmSHE(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmSHE, "SheCap") {
    setFixedSize(300, 240);
    pnlShieldBar = new ShieldBar(*this, this);
    pnlShieldBar->setGeometry(16, 16, kBarWidth, kBarHeight);
    lblDragLine = pnlShieldBar->lblDragLine;
    lblDragLine->setGeometry(2, 0, kBarWidth - 4, 4);
    g.st.ShieldDialog.BarHeight = kBarHeight;

    txtShields = new QLineEdit(this);
    txtShields->setObjectName("txtShields");
    txtShields->setGeometry(72, 16, 80, 26);
    txtShields->setAlignment(Qt::AlignRight);

    const int x = 72, w = 212, hgt = 28;
    cmdMax = MakeButton("cmdMax", T("SheMax"), {x, 52, w, hgt});
    cmdHalf = MakeButton("cmdHalf", T("SheHalf"), {x, 84, w, hgt});
    cmdDrop = MakeButton("cmdDrop", T("SheDrop"), {x, 116, w, hgt});
    cmdAuto = MakeButton("cmdAuto", T("SheAuto"), {x, 148, w, hgt});
    cmdAccept = MakeButton("cmdAccept", T("Accept"), {x, 196, 102, hgt});
    cmdCancel = MakeButton("cmdCancel", T("Cancel"), {x + 110, 196, 102, hgt});
    cmdAccept->setDefault(true);

    connect(txtShields, &QLineEdit::textEdited, this,
            [this](const QString& text) { host.Run(form_, [this, text] { ShieldTextChanged(g, text.toStdString()); }); Show(); });
    connect(cmdMax, &QPushButton::clicked, this, Handler([this] { ShieldMaximum(g), Show(); }));
    connect(cmdHalf, &QPushButton::clicked, this, Handler([this] { ShieldHalf(g), Show(); }));
    connect(cmdDrop, &QPushButton::clicked, this, Handler([this] { ShieldDrop(g), Show(); }));
    connect(cmdAuto, &QPushButton::clicked, this, Handler([this] { ShieldAuto(g), Show(); }));
    connect(cmdAccept, &QPushButton::clicked, this, Handler([this] { ShieldAccept(g); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { ShieldCancel(g); }));

    ForwardMouseMoves();
    // Where the short-range scan's top-left corner stands when that window is centred.
    QSize scan(600, 560);
    if (QWidget* srs = host.FormWindow(Form::frmSRS)) scan = srs->size();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - scan.width()) / 2, area.y() + (area.height() - scan.height()) / 2);
    }
}

void frmSHE::Form_Activate() {
    ShieldDialogActivate(g);
    Show();
}

void frmSHE::Cancel() { ShieldCancel(g); }

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
