#include "ui/dialogs/frmLibOptions.h"

#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "screens/dialogs/LibOptionsDialog.h"
#include "state/Game.h"
#include "ui/dialogs/FormLayout.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmLibOptions.h"

namespace kv {
namespace {

constexpr int kDigitWidth = 24, kDigitHeight = 32;

void SetChecked(QAbstractButton* b, bool on) {
    const QSignalBlocker block(b);
    b->setChecked(on);
}

}  // namespace

frmLibOptions::~frmLibOptions() = default;

void frmLibOptions::TakeControls() {
    TabStrip1 = ui_->TabStrip1;
    for (int i = 0; i < 3; ++i) {
        picTab[i] = TakeElement<QWidget>(this, "picTab", i);
        KeepPlaceWhenHidden(picTab[i]);
    }
    Frame1 = ui_->Frame1;
    Frame2 = ui_->Frame2;
    Frame3 = ui_->Frame3;
    Frame4 = ui_->Frame4;
    Frame7 = ui_->Frame7;
    for (int i = 1; i <= 3; ++i) optShLevel[i] = TakeElement<QRadioButton>(this, "optShLevel", i);
    for (int i = 0; i <= 2; ++i) {
        optShFrequency[i] = TakeElement<QRadioButton>(this, "optShFrequency", i);
        optTZ[i] = TakeElement<QRadioButton>(this, "optTZ", i);
        optTZSB[i] = TakeElement<QRadioButton>(this, "optTZSB", i);
    }
    for (int i = 0; i <= 1; ++i) {
        optPK[i] = TakeElement<QRadioButton>(this, "optPK", i);
        optTS[i] = TakeElement<QRadioButton>(this, "optTS", i);
    }
    vsbReserve = ui_->vsbReserve;
    lblShReserve = ui_->lblShReserve;
    chkPZSB = ui_->chkPZSB;
    hsbPZSBPerTurn = ui_->hsbPZSBPerTurn;
    lblPZSBPerTurn = ui_->lblPZSBPerTurn;
    chkTS = ui_->chkTS;
    lblSit = ui_->lblSit;
    lblTSpresent = ui_->lblTSpresent;
    lblTSpresent->hide();  // the count; its digit shows in picNumZ
    picNumZ = ui_->picNumZ;
    spnTS = ui_->spnTS;
    chkTZSB = ui_->chkTZSB;
    chkTZSBdisabled = ui_->chkTZSBdisabled;
    lblWarning = ui_->lblWarning;
    KeepPlaceWhenHidden(lblWarning);
    cmdOK = ui_->cmdOK;
    cmdCancel = ui_->cmdCancel;
    cmdApply = ui_->cmdApply;

    TabStrip1->addTab(T("LCOShTitle"));
    TabStrip1->addTab(T("LCOTorTitle"));
    TabStrip1->addTab(T("LCOPhaTitle"));
    Frame1->setTitle(T("LCOShDef"));
    Frame2->setTitle(T("LCOShFreq"));
    Frame3->setTitle(T("LCOShReserve"));
    Frame4->setTitle(T("LCOPhaDef"));
    Frame7->setTitle(T("LCOTorDef"));
    for (int i = 1; i <= 3; ++i) optShLevel[i]->setText(T("LCOShDef" + std::to_string(i - 1)));
    for (int i = 0; i <= 2; ++i) {
        optShFrequency[i]->setText(T("LCOShFreq" + std::to_string(i)));
        optTZ[i]->setText(T("LCOTorDef" + std::to_string(i)));
        optTZSB[i]->setText(T("LCOTorZSB" + std::to_string(i)));
    }
    for (int i = 0; i <= 1; ++i) {
        optPK[i]->setText(T("LCOPhaDef" + std::to_string(i)));
        optTS[i]->setText(T("LCOTorSp" + std::to_string(i)));
    }
    chkPZSB->setText(T("LCOPhaZSB"));
    chkTS->setText(T("LCOTorSp"));
    chkTZSB->setText(T("LCOTorZSB"));
    chkTZSBdisabled->setText(T("LCOTorZSBDis"));
    lblSit->setText(T("LCOTorSit"));
    lblWarning->setText(T("LCOWarning"));
    cmdOK->setText(T("OK"));
    cmdCancel->setText(T("Cancel"));
    cmdApply->setText(T("Apply"));
}

void frmLibOptions::Edit(std::function<void()> edit) {
    host.Run(form_, edit);
    Show();
}

frmLibOptions::frmLibOptions(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmLibOptions, "LCOCap"), ui_(std::make_unique<Ui::frmLibOptions>()) {
    ui_->setupUi(this);
    TakeControls();
    digits_.load(QString::fromStdString(g.folders.program + "PICTURES/NUMZ.png"));

    connect(TabStrip1, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
    for (int i = 1; i <= 3; ++i)
        connect(optShLevel[i], &QRadioButton::clicked, this, [this, i] { Edit([this, i] { optShLevel_Click(i); }); });
    for (int i = 0; i <= 2; ++i) {
        connect(optShFrequency[i], &QRadioButton::clicked, this,
                [this, i] { Edit([this, i] { optShFrequency_Click(i); }); });
        connect(optTZ[i], &QRadioButton::clicked, this,
                [this, i] { Edit([this, i] { g.st.LibTorZarvonis = static_cast<Integer>(i); }); });
        connect(optTZSB[i], &QRadioButton::clicked, this,
                [this, i] { Edit([this, i] { g.st.LibTorZSBAmount = static_cast<Integer>(i); }); });
    }
    for (int i = 0; i <= 1; ++i) {
        connect(optPK[i], &QRadioButton::clicked, this, [this, i] { Edit([this, i] { optPK_Click(i); }); });
        connect(optTS[i], &QRadioButton::clicked, this,
                [this, i] { Edit([this, i] { g.st.LibTorSpreadType = static_cast<Integer>(i); }); });
    }
    const auto flag = [this](QCheckBox* box, Flag GameState::*member) {
        connect(box, &QCheckBox::clicked, this,
                [this, box, member] { Edit([this, box, member] { g.st.*member = ToFlag(box->isChecked()); }); });
    };
    flag(chkPZSB, &GameState::LibPhaZarvoniStarbase);
    flag(chkTS, &GameState::LibTorSpread);
    flag(chkTZSB, &GameState::LibTorZarvoniStarbase);
    flag(chkTZSBdisabled, &GameState::LibTorZSBFireDisabled);
    connect(vsbReserve, &QScrollBar::valueChanged, this, [this] {
        Edit([this] { vsbReserve->isSliderDown() ? vsbReserve_Scroll() : vsbReserve_Change(); });
    });
    connect(hsbPZSBPerTurn, &QScrollBar::valueChanged, this, [this] {
        Edit([this] { hsbPZSBPerTurn->isSliderDown() ? hsbPZSBPerTurn_Scroll() : hsbPZSBPerTurn_Change(); });
    });
    connect(ui_->spnTS_Up, &QToolButton::clicked, this, Handler([this] { spnTS_UpClick(); }));
    connect(ui_->spnTS_Down, &QToolButton::clicked, this, Handler([this] { spnTS_DownClick(); }));
    connect(cmdOK, &QPushButton::clicked, this, Handler([this] { cmdOK_Click(); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { cmdCancel_Click(); }));
    connect(cmdApply, &QPushButton::clicked, this, Handler([this] { cmdApply_Click(); }));
    const auto close = Handler([this] { Form_QueryUnload(); });
    SettleKeys(this, {cmdOK, close, close});

    host.OnView(View::LibOptions, this, [this] { Show(); });
    ForwardMouseMoves();
    Form_Load();
}

void frmLibOptions::Form_Load() {
    Show();
    adjustSize();
    Centre();
}

void frmLibOptions::TabStrip1_Click() {
    g.st.LibOptionsDialog.Tab = TabStrip1->currentIndex() + 1;
    Show();
}

void frmLibOptions::optShLevel_Click(int index) { ChooseShieldLevel(g, index); }

void frmLibOptions::optShFrequency_Click(int index) { ChooseShieldFrequency(g, index); }

void frmLibOptions::optPK_Click(int index) { ChoosePhaserMode(g, index); }

void frmLibOptions::vsbReserve_Change() { ShieldReserveChanged(g, vsbReserve->value()); }

void frmLibOptions::vsbReserve_Scroll() { vsbReserve_Change(); }

void frmLibOptions::hsbPZSBPerTurn_Change() { StarbaseEnergyChanged(g, hsbPZSBPerTurn->value()); }

void frmLibOptions::hsbPZSBPerTurn_Scroll() { hsbPZSBPerTurn_Change(); }

void frmLibOptions::spnTS_UpClick() { SpreadCountUp(g); }

void frmLibOptions::spnTS_DownClick() { SpreadCountDown(g); }

void frmLibOptions::cmdOK_Click() { LibOptionsOK(g); }

void frmLibOptions::cmdApply_Click() { LibOptionsApply(g); }

// Each opening: centred. A return to the open dialog leaves it where the player put it: moved by
// the click that brings it back, it would leave the rest of that click (a double click) to
// whatever then lies under the pointer.
void frmLibOptions::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Centre();
    CommandDialog::showEvent(e);
}

void frmLibOptions::Form_Activate() {
    LibOptionsActivate(g);
    Show();
}

void frmLibOptions::Form_QueryUnload() { LibOptionsClose(g); }

// Closing without OK: the saved options come back.
void frmLibOptions::cmdCancel_Click() { LibOptionsCancel(g); }

void frmLibOptions::Show() {
    const GameState& s = g.st;
    {
        const QSignalBlocker block(TabStrip1);
        TabStrip1->setCurrentIndex(std::clamp(s.LibOptionsDialog.Tab, 1, 3) - 1);
    }
    const int page = static_cast<int>(LibOptionsTabPage(s.LibOptionsDialog.Tab));
    for (int i = 0; i < 3; ++i) picTab[i]->setVisible(i == page);

    for (int i = 1; i <= 3; ++i) SetChecked(optShLevel[i], s.LibShieldLevel == i);
    for (int i = 0; i <= 2; ++i) {
        SetChecked(optShFrequency[i], s.LibShieldFrequency == i);
        SetChecked(optTZ[i], s.LibTorZarvonis == i);
        SetChecked(optTZSB[i], s.LibTorZSBAmount == i);
    }
    for (int i = 0; i <= 1; ++i) {
        SetChecked(optPK[i], s.LibPhaKillOrDisable == i);
        SetChecked(optTS[i], s.LibTorSpreadType == i);
    }
    SetChecked(chkPZSB, s.LibPhaZarvoniStarbase != 0);
    SetChecked(chkTS, s.LibTorSpread != 0);
    SetChecked(chkTZSB, s.LibTorZarvoniStarbase != 0);
    SetChecked(chkTZSBdisabled, s.LibTorZSBFireDisabled != 0);
    {
        const QSignalBlocker a(vsbReserve), b(hsbPZSBPerTurn);
        vsbReserve->setValue(s.LibShieldReserveBar);
        hsbPZSBPerTurn->setValue(s.LibPhaZSBEnergyBar);
    }
    lblShReserve->setText(QString::fromStdString(s.LibShieldReserve));
    lblPZSBPerTurn->setText(QString::fromStdString(s.LibPhaZSBEnergyFire));
    lblTSpresent->setText(QString::fromStdString(s.LibTorSpreadZarvonis));
    const int cell = SpreadDigitCell(s.LibTorSpreadZarvonis);
    if (cell < 0 || digits_.isNull())
        picNumZ->clear();
    else
        picNumZ->setPixmap(digits_.copy(cell * kDigitWidth, 0, kDigitWidth, kDigitHeight));
    lblWarning->setVisible(s.LibOptionsDialog.WarningVisible);
}

}  // namespace kv
