#include "ui/dialogs/frmSRSInfo.h"

#include <QPixmap>

#include "screens/dialogs/ScanWindow.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmSRSInfo.h"

namespace kv {

frmSRSInfo::frmSRSInfo(Game& g, QtHost&, QWidget* parent) : QDialog(parent), ui_(new Ui::frmSRSInfo), g_(g) {
    ui_->setupUi(this);
    picSector = ui_->picSector;
    lblMessage = ui_->lblMessage;
    cmdOK = ui_->cmdOK;
    // OK only closes the box: it runs no game code.
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    SettleKeys(this, {cmdOK, {}, [this] { Form_QueryUnload(); }});
    Form_Load();
}

void frmSRSInfo::Form_Load() { cmdOK->setText(QString::fromStdString(g_.Text("OK"))); }

frmSRSInfo::~frmSRSInfo() = default;

void frmSRSInfo::cmdOK_Click() { accept(); }

void frmSRSInfo::Form_QueryUnload() { reject(); }

void frmSRSInfo::showEvent(QShowEvent* e) {
    Form_Activate();
    QDialog::showEvent(e);
}

void frmSRSInfo::Form_Activate() {
    setWindowTitle(QStringLiteral("Kestrava"));
    const SectorInfoBox& info = g_.st.SectorInfo;
    const QPixmap strip(QString::fromStdString(ScanIconFile(g_)));
    if (!strip.isNull() && info.Icon >= 0 && info.Icon < kStripCells) {
        const int w = strip.width() / kStripCells;
        picSector->setPixmap(strip.copy(info.Icon * w, 0, w, strip.height()));
    } else {
        picSector->clear();
    }
    lblMessage->setText(QString::fromStdString(info.Message));
    adjustSize();
    CentreOnDesktop(this);
}

}  // namespace kv
