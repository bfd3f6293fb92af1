#include "ui/main/frmEgg.h"

#include <QPixmap>

#include "platform/Files.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowKeys.h"
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
    // The window hides by itself: neither Escape nor the close box ends it sooner.
    SettleKeys(this, {});
    Form_Load();
}

frmEgg::~frmEgg() = default;

// Centred on the screen.
void frmEgg::Form_Load() { CentreOnDesktop(this); }

// Each showing is centred again (wherever the player moved it) and lasts ten seconds.
void frmEgg::showEvent(QShowEvent* e) {
    Form_Activate();
    QDialog::showEvent(e);
}

void frmEgg::Form_Activate() {
    Form_Load();
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

}  // namespace kv
