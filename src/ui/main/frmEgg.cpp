#include "ui/main/frmEgg.h"

#include <QKeyEvent>
#include <QPixmap>

#include "platform/Files.h"
#include "ui/host/WindowArranger.h"
#include "ui_frmEgg.h"

namespace kv {

frmEgg::frmEgg(Game& g, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), ui_(std::make_unique<Ui::frmEgg>()) {
    ui_->setupUi(this);
    setObjectName("frmEgg");
    setFixedSize(size());
    Picture1 = ui_->Picture1;
    Label1 = ui_->Label1;
    const std::string picture = FindFile(g.st.PicturesPath, "EGG.*");
    if (!picture.empty()) Picture1->setPixmap(QPixmap(QString::fromStdString(picture)));
    // The relabelling gives it the language's text again.
    Label1->setText(QString::fromStdString(g.Text("EggMsg")));

    tmrHide = new QTimer(this);
    tmrHide->setObjectName("tmrHide");
    tmrHide->setInterval(10000);
    tmrHide->setSingleShot(true);
    connect(tmrHide, &QTimer::timeout, this, [this] { tmrHide_Timer(); });
    CentreOnScreen();
}

frmEgg::~frmEgg() = default;

void frmEgg::CentreOnScreen() { CentreOnDesktop(this); }

// Each showing is centred again (wherever the player moved it) and lasts ten seconds.
void frmEgg::showEvent(QShowEvent* e) {
    CentreOnScreen();
    QDialog::showEvent(e);
    tmrHide->start();
}

void frmEgg::tmrHide_Timer() {
    tmrHide->stop();
    hide();
}

void frmEgg::reject() {
    tmrHide->stop();
    QDialog::reject();
}

// The window hides by itself: Escape ends nothing.
void frmEgg::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(e);
}

}  // namespace kv
