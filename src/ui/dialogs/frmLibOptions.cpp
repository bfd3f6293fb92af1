#include "ui/dialogs/frmLibOptions.h"

#include <QSignalBlocker>
#include <algorithm>

#include "screens/dialogs/LibOptionsDialog.h"
#include "state/Game.h"
#include "ui/main/QtHost.h"

namespace kv {
namespace {

constexpr int kDigitWidth = 24, kDigitHeight = 32;

void SetChecked(QAbstractButton* b, bool on) {
    const QSignalBlocker block(b);
    b->setChecked(on);
}

QLabel* Caption(QWidget* parent, const QString& text, QRect at) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(at);
    return l;
}

}  // namespace

QRadioButton* frmLibOptions::Option(QWidget* parent, const char* name, int index, const char* key, QRect at) {
    auto* b = new QRadioButton(T(std::string(key) + std::to_string(index)), parent);
    b->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
    b->setGeometry(at);
    // The game data say which one is set, also none.
    b->setAutoExclusive(false);
    return b;
}

QCheckBox* frmLibOptions::Check(QWidget* parent, const char* name, const char* key, QRect at) {
    auto* b = new QCheckBox(T(key), parent);
    b->setObjectName(name);
    b->setGeometry(at);
    return b;
}

void frmLibOptions::Edit(std::function<void()> edit) {
    host.Run(form_, edit);
    Show();
}

frmLibOptions::frmLibOptions(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmLibOptions, "LCOCap") {
    GameState& s = g.st;
    setFixedSize(460, 404);
    digits_.load(QString::fromStdString(g.folders.program + "PICTURES/NUMZ.png"));

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName("TabStrip1");
    TabStrip1->setGeometry(10, 8, 440, 30);
    TabStrip1->addTab(T("LCOShTitle"));
    TabStrip1->addTab(T("LCOTorTitle"));
    TabStrip1->addTab(T("LCOPhaTitle"));
    for (int i = 0; i < 3; ++i) {
        auto* page = new QFrame(this);
        page->setObjectName(QStringLiteral("picTab(%1)").arg(i));
        page->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        page->setGeometry(10, 38, 440, 276);
        picTab[i] = page;
    }

    // Shields.
    QWidget* p = picTab[0];
    Frame1 = new QGroupBox(T("LCOShDef"), p);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(10, 8, 220, 118);
    for (int i = 1; i <= 3; ++i) optShLevel[i] = Option(Frame1, "optShLevel", i, "LCOShDef", {10, 2 + 28 * i, 200, 24});
    optShLevel[1]->setText(T("LCOShDef0"));
    optShLevel[2]->setText(T("LCOShDef1"));
    optShLevel[3]->setText(T("LCOShDef2"));
    Frame3 = new QGroupBox(T("LCOShReserve"), p);
    Frame3->setObjectName("Frame3");
    Frame3->setGeometry(240, 8, 190, 118);
    vsbReserve = new QScrollBar(Qt::Vertical, Frame3);
    vsbReserve->setObjectName("vsbReserve");
    vsbReserve->setGeometry(14, 26, 20, 82);
    vsbReserve->setRange(0, 1000);
    vsbReserve->setSingleStep(10);
    vsbReserve->setPageStep(100);
    Caption(Frame3, QStringLiteral("0"), {40, 24, 50, 18});
    Caption(Frame3, QStringLiteral("1000"), {40, 90, 50, 18});
    lblShReserve = Caption(Frame3, QString(), {96, 54, 80, 24});
    lblShReserve->setObjectName("lblShReserve");
    lblShReserve->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblShReserve->setAlignment(Qt::AlignCenter);
    Frame2 = new QGroupBox(T("LCOShFreq"), p);
    Frame2->setObjectName("Frame2");
    Frame2->setGeometry(10, 134, 420, 118);
    for (int i = 0; i <= 2; ++i)
        optShFrequency[i] = Option(Frame2, "optShFrequency", i, "LCOShFreq", {10, 30 + 28 * i, 400, 24});

    // Phasers.
    p = picTab[1];
    Frame4 = new QGroupBox(T("LCOPhaDef"), p);
    Frame4->setObjectName("Frame4");
    Frame4->setGeometry(10, 8, 220, 90);
    for (int i = 0; i <= 1; ++i) optPK[i] = Option(Frame4, "optPK", i, "LCOPhaDef", {10, 30 + 28 * i, 200, 24});
    chkPZSB = Check(p, "chkPZSB", "LCOPhaZSB", {10, 112, 420, 24});
    hsbPZSBPerTurn = new QScrollBar(Qt::Horizontal, p);
    hsbPZSBPerTurn->setObjectName("hsbPZSBPerTurn");
    hsbPZSBPerTurn->setGeometry(30, 150, 300, 20);
    hsbPZSBPerTurn->setRange(0, 2000);
    hsbPZSBPerTurn->setSingleStep(10);
    hsbPZSBPerTurn->setPageStep(100);
    Caption(p, QStringLiteral("0"), {30, 174, 40, 18});
    Caption(p, QStringLiteral("2000"), {296, 174, 40, 18});
    lblPZSBPerTurn = Caption(p, QString(), {346, 148, 70, 24});
    lblPZSBPerTurn->setObjectName("lblPZSBPerTurn");
    lblPZSBPerTurn->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblPZSBPerTurn->setAlignment(Qt::AlignCenter);

    // Torpedoes.
    p = picTab[2];
    Frame7 = new QGroupBox(T("LCOTorDef"), p);
    Frame7->setObjectName("Frame7");
    Frame7->setGeometry(10, 8, 190, 118);
    for (int i = 0; i <= 2; ++i) optTZ[i] = Option(Frame7, "optTZ", i, "LCOTorDef", {10, 30 + 28 * i, 170, 24});
    chkTS = Check(p, "chkTS", "LCOTorSp", {212, 10, 218, 24});
    for (int i = 0; i <= 1; ++i) optTS[i] = Option(p, "optTS", i, "LCOTorSp", {232, 36 + 24 * i, 190, 22});
    lblSit = Caption(p, T("LCOTorSit"), {212, 86, 150, 48});
    lblSit->setWordWrap(true);
    lblSit->setObjectName("lblSit");
    lblTSpresent = Caption(p, QString(), {0, 0, 0, 0});
    lblTSpresent->setObjectName("lblTSpresent");
    lblTSpresent->hide();  // the count; its digit shows in picNumZ
    picNumZ = Caption(p, QString(), {370, 94, kDigitWidth, kDigitHeight});
    picNumZ->setObjectName("picNumZ");
    spnTS = new QWidget(p);
    spnTS->setObjectName("spnTS");
    spnTS->setGeometry(398, 94, 20, kDigitHeight);
    auto* up = new QToolButton(spnTS);
    up->setObjectName("spnTS_Up");
    up->setArrowType(Qt::UpArrow);
    up->setGeometry(0, 0, 20, kDigitHeight / 2);
    auto* down = new QToolButton(spnTS);
    down->setObjectName("spnTS_Down");
    down->setArrowType(Qt::DownArrow);
    down->setGeometry(0, kDigitHeight / 2, 20, kDigitHeight / 2);
    chkTZSB = Check(p, "chkTZSB", "LCOTorZSB", {10, 140, 420, 24});
    for (int i = 0; i <= 2; ++i) optTZSB[i] = Option(p, "optTZSB", i, "LCOTorZSB", {30, 166 + 24 * i, 400, 22});
    chkTZSBdisabled = Check(p, "chkTZSBdisabled", "LCOTorZSBDis", {10, 242, 420, 24});

    lblWarning = MakeLabel("lblWarning", T("LCOWarning"), {10, 320, 440, 36});
    lblWarning->setWordWrap(true);
    lblWarning->setStyleSheet(QStringLiteral("color: #C00000;"));
    cmdOK = MakeButton("cmdOK", T("OK"), {110, 364, 106, 28});
    cmdCancel = MakeButton("cmdCancel", T("Cancel"), {226, 364, 106, 28});
    cmdApply = MakeButton("cmdApply", T("Apply"), {342, 364, 106, 28});
    cmdOK->setDefault(true);

    connect(TabStrip1, &QTabBar::currentChanged, this, [this](int i) {
        g.st.LibOptionsDialog.Tab = i + 1;
        Show();
    });
    for (int i = 1; i <= 3; ++i)
        connect(optShLevel[i], &QRadioButton::clicked, this, [this, i] { Edit([this, i] { ChooseShieldLevel(g, i); }); });
    for (int i = 0; i <= 2; ++i) {
        connect(optShFrequency[i], &QRadioButton::clicked, this,
                [this, i] { Edit([this, i] { ChooseShieldFrequency(g, i); }); });
        connect(optTZ[i], &QRadioButton::clicked, this,
                [this, i] { Edit([this, i] { g.st.LibTorZarvonis = static_cast<Integer>(i); }); });
        connect(optTZSB[i], &QRadioButton::clicked, this,
                [this, i] { Edit([this, i] { g.st.LibTorZSBAmount = static_cast<Integer>(i); }); });
    }
    for (int i = 0; i <= 1; ++i) {
        connect(optPK[i], &QRadioButton::clicked, this, [this, i] { Edit([this, i] { ChoosePhaserMode(g, i); }); });
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
    connect(vsbReserve, &QScrollBar::valueChanged, this,
            [this](int v) { Edit([this, v] { ShieldReserveChanged(g, v); }); });
    connect(hsbPZSBPerTurn, &QScrollBar::valueChanged, this,
            [this](int v) { Edit([this, v] { StarbaseEnergyChanged(g, v); }); });
    connect(up, &QToolButton::clicked, this, Handler([this] { SpreadCountUp(g); }));
    connect(down, &QToolButton::clicked, this, Handler([this] { SpreadCountDown(g); }));
    connect(cmdOK, &QPushButton::clicked, this, Handler([this] { LibOptionsOK(g); }));
    connect(cmdCancel, &QPushButton::clicked, this, Handler([this] { Cancel(); }));
    connect(cmdApply, &QPushButton::clicked, this, Handler([this] { LibOptionsApply(g); }));

    host.OnView(View::LibOptions, this, [this] { Show(); });
    (void)s;
    ForwardMouseMoves();
    Centre();
    Show();
}

void frmLibOptions::Form_Activate() {
    Centre();
    LibOptionsActivate(g);
    Show();
}

// Closing without OK: the saved options come back.
void frmLibOptions::Cancel() { LibOptionsCancel(g); }

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
