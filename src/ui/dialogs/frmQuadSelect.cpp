#include "ui/dialogs/frmQuadSelect.h"

#include "screens/dialogs/Pickers.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmQuadSelect.h"

namespace kv {

frmQuadSelect::frmQuadSelect(Game& g, QtHost& host, QWidget* parent)
    : QDialog(parent), g_(g), host_(host), ui_(std::make_unique<Ui::frmQuadSelect>()) {
    ui_->setupUi(this);
    cmdKeepFocus = ui_->cmdKeepFocus;
    for (int i = 0; i < 64; ++i) {
        // The layout file names the array's elements as identifiers ("optQS_12_"); the window
        // gives them their element names ("optQS(12)").
        QRadioButton* option = findChild<QRadioButton*>(QStringLiteral("optQS_%1_").arg(i));
        option->setObjectName(QStringLiteral("optQS(%1)").arg(i));
        optQS[static_cast<size_t>(i)] = option;
        connect(option, &QRadioButton::clicked, this, host.Handler(Form::frmQuadSelect, [this, i] { optQS_Click(i); }));
    }
    SettleKeys(this, {nullptr, {}, host.Handler(Form::frmQuadSelect, [this] { Form_QueryUnload(); })});
    setFixedSize(sizeHint());
    Form_Load();
}

frmQuadSelect::~frmQuadSelect() = default;

void frmQuadSelect::Form_Load() { CentreOnDesktop(this); }

void frmQuadSelect::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Form_Activate();
}

// The opening is no action of the player's: it runs inside the opener's.
void frmQuadSelect::Form_Activate() {
    QuadSelectActivate(g_);
    const QuadrantPicker& picker = g_.st.QuadSelect;
    setWindowTitle(QString::fromStdString(picker.Caption));
    ClearOptions();
    for (int i = 0; i < 64; ++i) optQS[static_cast<size_t>(i)]->setEnabled(picker.Enabled[static_cast<size_t>(i)]);
}

void frmQuadSelect::ClearOptions() {
    for (QRadioButton* option : optQS) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void frmQuadSelect::optQS_Click(int index) { QuadSelectClick(g_, index); }

void frmQuadSelect::Form_QueryUnload() {
    ClearOptions();
    cmdKeepFocus->setFocus();
    QuadSelectClose(g_);
}

}  // namespace kv
