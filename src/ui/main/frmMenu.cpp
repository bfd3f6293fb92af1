#include "ui/main/frmMenu.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QShowEvent>
#include <QVBoxLayout>

#include "platform/Files.h"
#include "screens/main/MainMenu.h"
#include "screens/main/NewGame.h"
#include "state/ScreenData.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

constexpr int kTwips = 15;
// The panel's width, and the debug panel's beside it.
constexpr int kPanelWidth = 560, kDebugWidth = 140;

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect at) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(at);
    return l;
}

QPixmap Picture(const Game& g, const char* file) {
    const std::string path = FindFile(g.st.PicturesPath, file);
    return path.empty() ? QPixmap() : QPixmap(Q(path));
}

}  // namespace

frmMenu::frmMenu(Game& g, QtHost& host, QWidget* parent) : QDialog(parent), g_(g), host_(host) {
    setObjectName("frmMenu");
    // No OK and no Cancel: Return and Escape do nothing; the close box goes back to the game
    // while one runs, else ends the program (MenuCloseBox).
    SettleKeys(this, {nullptr, {}, [this] { Form_QueryUnload(); }});
    setWindowTitle(Q(g.Text("MenuCap")));
    auto T = [&g](const std::string& key) { return Q(g.Text(key)); };

    // ---- The menus ----
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menuBar = new QMenuBar(this);
    menuBar->setObjectName("menuBar");
    layout->setMenuBar(menuBar);
    mnuGame = menuBar->addMenu(T("MGame"));
    mnuGame->setObjectName("mnuGame(100)");
    auto item = [this](QMenu* menu, const char* name, const QString& caption, std::function<void()> body) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, body] { Do(body); });
        return a;
    };
    mnuGNew = item(mnuGame, "mnuGNew(110)", T("MGNew"), [this] { mnuGNew_Click(); });
    mnuGResume = item(mnuGame, "mnuGResume(115)", T("MGResume"), [this] { mnuGResume_Click(); });
    mnuGame->addSeparator();
    mnuGLoad = item(mnuGame, "mnuGLoad(120)", T("MGLoad"), [this] { mnuGLoad_Click(); });
    mnuGSave = item(mnuGame, "mnuGSave(130)", T("MGSave"), [this] { mnuGSave_Click(); });
    mnuGame->addSeparator();
    mnuGEndMission = item(mnuGame, "mnuGEndMission(140)", T("MGEnd"), [this] { mnuGEndMission_Click(); });
    mnuGOptions = item(mnuGame, "mnuGOptions(150)", T("MGOpt"), [this] { mnuGOptions_Click(); });
    mnuGame->addSeparator();
    mnuGExit = item(mnuGame, "mnuGExit(190)", T("MGExit"), [this] { mnuGExit_Click(); });
    mnuHelp = menuBar->addMenu(T("MHelp"));
    mnuHelp->setObjectName("mnuHelp(999)");
    mnuHKVHelp = item(mnuHelp, "mnuHKVHelp", T("MHKV"), [this] { mnuHKVHelp_Click(); });
    for (int i = 1; i <= 3; ++i) {
        const std::string name = "mnuHHelpType(" + std::to_string(i) + ")";
        mnuHHelpType[static_cast<size_t>(i)] =
            item(mnuHelp, name.c_str(), T("MHType" + std::to_string(i)), [this, i] { mnuHHelpType_Click(i); });
    }
    mnuHelp->addSeparator();
    mnuHAbout = item(mnuHelp, "mnuHAbout(997)", T("MHAbout"), [this] { mnuHAbout_Click(); });

    // ---- The new-game panel ----
    auto* body = new QWidget(this);
    layout->addWidget(body);
    pnlDifficulty = new QFrame(body);
    pnlDifficulty->setObjectName("pnlDifficulty");
    pnlDifficulty->setFrameShape(QFrame::StyledPanel);
    pnlDifficulty->setGeometry(8, 8, kPanelWidth, 262);
    QWidget* p = pnlDifficulty;

    lblName = MakeLabel(p, "lblName", T("MenuName"), {12, 12, 104, 22});
    txtName = new QComboBox(p);
    txtName->setObjectName("txtName");
    txtName->setEditable(true);
    txtName->setInsertPolicy(QComboBox::NoInsert);
    txtName->setGeometry(120, 10, 428, 26);
    txtPassWord = new QLineEdit(p);
    txtPassWord->setObjectName("txtPassWord");
    txtPassWord->setGeometry(120, 38, 140, 22);
    txtPassWord->hide();

    lblSkill = MakeLabel(p, "lblSkill", T("MenuSkill"), {12, 48, 170, 20});
    vsbSkill = new QScrollBar(Qt::Vertical, p);
    vsbSkill->setObjectName("vsbSkill");
    vsbSkill->setGeometry(64, 72, 20, 150);
    vsbSkill->setPageStep(g.screens.menu.vsbSkill.LargeChange);
    picBroken = new QLabel(p);
    picBroken->setObjectName("picBroken");
    picBroken->setPixmap(Picture(g, "MENUBROKEN.*"));
    picBroken->setGeometry(60, 70, 28, 160);
    picBroken->hide();
    lblSkillLevel = MakeLabel(p, "lblSkillLevel", "", {34, 226, 80, 20});
    lblSkillLevel->setAlignment(Qt::AlignCenter);
    picHand = new QLabel(p);
    picHand->setObjectName("picHand");
    picHand->setPixmap(Picture(g, "MENUHAND.*"));
    picHand->resize(48, 40);
    picHand->hide();

    lblLength = MakeLabel(p, "lblLength", T("MenuLen"), {196, 48, 100, 20});
    vsbLength = new QScrollBar(Qt::Vertical, p);
    vsbLength->setObjectName("vsbLength");
    vsbLength->setGeometry(216, 72, 20, 90);
    vsbLength->setPageStep(1);
    lblGameLength = MakeLabel(p, "lblGameLength", "", {196, 166, 60, 20});
    lblGameLength->setAlignment(Qt::AlignCenter);
    Bonus = MakeLabel(p, "Bonus", T("MenuBonus"), {110, 186, 110, 18});
    ClickMe = MakeLabel(p, "ClickMe", T("MenuClickMe"), {110, 204, 110, 18});
    for (QLabel* l : {Bonus, ClickMe}) {
        l->setCursor(Qt::PointingHandCursor);
        l->setStyleSheet(QStringLiteral("color: #806000;"));
    }

    lblMissionType = MakeLabel(p, "lblMissionType", T("MenuMisType"), {300, 48, 248, 20});
    cboMissionType = new QComboBox(p);
    cboMissionType->setObjectName("cboMissionType");
    cboMissionType->setGeometry(300, 70, 248, 26);
    for (int i = 0; i <= 3; ++i) cboMissionType->addItem(T("MenuMis" + std::to_string(i)));
    cboMissionType->view()->setMinimumWidth(cboMissionType->view()->sizeHintForColumn(0) + 24);
    chkUpgrades = new QCheckBox(T("MenuUpg"), p);
    chkUpgrades->setObjectName("chkUpgrades");
    chkUpgrades->setGeometry(300, 104, 248, 22);
    lblMaxUpCaption = MakeLabel(p, "lblMaxUpCaption", T("MenuTech"), {300, 136, 206, 20});
    lblMaxUp = MakeLabel(p, "lblMaxUp", "3", {508, 136, 18, 20});
    lblMaxUp->setAlignment(Qt::AlignCenter);
    spnMaxUpUp = new QToolButton(p);
    spnMaxUpUp->setObjectName("spnMaxUpUp");
    spnMaxUpUp->setArrowType(Qt::UpArrow);
    spnMaxUpUp->setGeometry(528, 130, 20, 16);
    spnMaxUpDown = new QToolButton(p);
    spnMaxUpDown->setObjectName("spnMaxUpDown");
    spnMaxUpDown->setArrowType(Qt::DownArrow);
    spnMaxUpDown->setGeometry(528, 146, 20, 16);

    pnlTimedSave = new QFrame(p);
    pnlTimedSave->setObjectName("pnlTimedSave");
    pnlTimedSave->setFrameShape(QFrame::Box);
    pnlTimedSave->setGeometry(300, 180, 1890 / kTwips + 4, 14);
    pnlTimedSave->setCursor(Qt::PointingHandCursor);
    shpTime = new QFrame(pnlTimedSave);
    shpTime->setObjectName("shpTime");
    shpTime->setStyleSheet(QStringLiteral("background: #2060c0;"));
    shpTime->setGeometry(2, 2, 0, 10);
    pnlTimedSave->hide();

    cmdNewClose = new QPushButton(p);
    cmdNewClose->setObjectName("cmdNewClose");
    cmdNewClose->setGeometry(348, 214, 200, 36);

    // ---- The debug panel ----
    pnlDebug = new QFrame(body);
    pnlDebug->setObjectName("pnlDebug");
    pnlDebug->setFrameShape(QFrame::StyledPanel);
    pnlDebug->setGeometry(8 + kPanelWidth + 8, 8, kDebugWidth, 150);
    pnlDebug->hide();
    auto debugBox = [this](const char* name, const char* caption, int row, DebugBox box) {
        auto* c = new QCheckBox(QString::fromLatin1(caption), pnlDebug);
        c->setObjectName(name);
        c->setGeometry(10, 8 + row * 26, kDebugWidth - 20, 22);
        connect(c, &QCheckBox::clicked, this, [this, box](bool on) { Do([this, box, on] { DebugBoxClick(g_, box, on ? 1 : 0); }); });
        return c;
    };
    chkCapAll = debugBox("chkCapAll", "C", 0, DebugBox::CaptureAll);
    chkLengthInc = debugBox("chkLengthInc", "L", 1, DebugBox::LengthIncrease);
    chkShowCloak = debugBox("chkShowCloak", "V", 2, DebugBox::ShowCloak);
    chkShowStars = debugBox("chkShowStars", "S", 3, DebugBox::ShowStars);
    chkUpAll = debugBox("chkUpAll", "U", 4, DebugBox::UpgradeAll);

    // ---- The handlers ----
    connect(txtName, &QComboBox::editTextChanged, this, [this] { Do([this] { txtName_Change(); }); });
    connect(vsbSkill, &QScrollBar::valueChanged, this, [this] { Do([this] { vsbSkill_Change(); }); });
    connect(vsbLength, &QScrollBar::valueChanged, this, [this] { Do([this] { vsbLength_Change(); }); });
    connect(cboMissionType, &QComboBox::currentIndexChanged, this, [this] { Do([this] { cboMissionType_Change(); }); });
    connect(chkUpgrades, &QCheckBox::clicked, this, [this] { Do([this] { chkUpgrades_Click(); }); });
    connect(spnMaxUpUp, &QToolButton::clicked, this, [this] { Do([this] { spnMaxUp_UpClick(); }); });
    connect(spnMaxUpDown, &QToolButton::clicked, this, [this] { Do([this] { spnMaxUp_DownClick(); }); });
    connect(cmdNewClose, &QPushButton::clicked, this, [this] { Do([this] { cmdNewClose_Click(); }); });
    for (QWidget* w : {static_cast<QWidget*>(Bonus), static_cast<QWidget*>(ClickMe),
                       static_cast<QWidget*>(pnlTimedSave), static_cast<QWidget*>(lblName),
                       static_cast<QWidget*>(txtPassWord), static_cast<QWidget*>(chkUpAll)})
        w->installEventFilter(this);
    connect(txtPassWord, &QLineEdit::textEdited, this, [this] { Do([this] { txtPassWord_Change(); }); });

    tmrSavedGame = host.AddTimer(Timer::frmMenu_tmrSavedGame, this, 1000, [this] { tmrSavedGame_Timer(); });
    tmrBreak = host.AddTimer(Timer::frmMenu_tmrBreak, this, 100, [this] { tmrBreak_Timer(); });

    body->setFixedSize(8 + kPanelWidth + 8, 262 + 16);
    Form_Load();
}

void frmMenu::Form_Load() {
    MenuLoad(g_);
    Show();
    Form_Resize();
}

void frmMenu::mnuGNew_Click() { NewGame(g_); }
void frmMenu::mnuGResume_Click() {}
void frmMenu::mnuGLoad_Click() { MenuLoadGame(g_); }
void frmMenu::mnuGSave_Click() { MenuSaveGame(g_); }
void frmMenu::mnuGEndMission_Click() { MenuEndMission(g_); }
void frmMenu::mnuGOptions_Click() { MenuOptions(g_); }
void frmMenu::mnuGExit_Click() { MenuExit(g_); }
void frmMenu::mnuHKVHelp_Click() { MenuHelp(g_, 0); }
void frmMenu::mnuHHelpType_Click(int index) { MenuHelp(g_, index); }
void frmMenu::mnuHAbout_Click() { MenuAbout(g_); }

void frmMenu::txtName_Change() { MenuNameChange(g_, txtName->currentText().toStdString()); }
void frmMenu::vsbSkill_Change() { MenuSkillChange(g_, vsbSkill->value()); }
void frmMenu::vsbLength_Change() { MenuLengthChange(g_, vsbLength->value()); }
void frmMenu::cboMissionType_Change() { MenuMissionTypeChange(g_, cboMissionType->currentIndex()); }
void frmMenu::chkUpgrades_Click() { MenuUpgradesClick(g_, chkUpgrades->isChecked() ? 1 : 0); }
// The spinner's steps change the technology level's label and the level with it.
void frmMenu::spnMaxUp_UpClick() { MenuMaxUpStep(g_, +1); }
void frmMenu::spnMaxUp_DownClick() { MenuMaxUpStep(g_, -1); }
void frmMenu::cmdNewClose_Click() { MenuNewClose(g_); }
void frmMenu::Bonus_Click() { BonusClick(g_); }
void frmMenu::ClickMe_Click() { Bonus_Click(); }
void frmMenu::pnlTimedSave_Click() { TimedSaveClick(g_); }
void frmMenu::lblName_Click() { MenuNameLabelClick(g_); }
void frmMenu::txtPassWord_Change() { PassWordChange(g_, txtPassWord->text().toStdString()); }
void frmMenu::txtPassWord_KeyPress(int keyAscii) { PassWordKeyPress(g_, keyAscii); }

void frmMenu::tmrSavedGame_Timer() {
    TimedSaveTick(g_);
    Show();
}

void frmMenu::tmrBreak_Timer() {
    BreakTick(g_);
    Show();
}

bool frmMenu::Do(const std::function<void()>& handler) {
    const bool ran = host_.Run(Form::frmMenu, handler);
    Show();
    return ran;
}

void frmMenu::Show() {
    const MainMenuData& m = g_.screens.menu;
    // The name box lists the configurations' names.
    QStringList names;
    for (const std::string& n : g_.configNames.menuNames) names << Q(n);
    QStringList shown;
    for (int i = 0; i < txtName->count(); ++i) shown << txtName->itemText(i);
    if (names != shown) {
        const QSignalBlocker quiet(txtName);
        txtName->clear();
        txtName->addItems(names);
    }
    if (txtName->currentText() != Q(m.txtName)) {
        const QSignalBlocker quiet(txtName);
        txtName->setEditText(Q(m.txtName));
    }
    txtName->setEnabled(m.txtNameEnabled);

    Put(vsbSkill, m.vsbSkill.Min, m.vsbSkill.Max, m.vsbSkill.Value);
    vsbSkill->setEnabled(m.vsbSkill.Enabled);
    vsbSkill->setVisible(!m.picBrokenVisible);
    picBroken->setVisible(m.picBrokenVisible);
    Put(lblSkillLevel, m.lblSkillLevel);
    picHand->move(static_cast<int>(m.picHandLeft / kTwips), 72 + 55);
    picHand->setVisible(m.picHandVisible);
    picHand->raise();
    Put(vsbLength, m.vsbLength.Min, m.vsbLength.Max, m.vsbLength.Value);
    vsbLength->setEnabled(m.vsbLength.Enabled);
    Put(lblGameLength, m.lblGameLength);
    Put(cboMissionType, m.cboMissionType);
    cboMissionType->setEnabled(m.cboMissionTypeEnabled);
    Put(chkUpgrades, m.chkUpgrades != 0);
    chkUpgrades->setEnabled(m.chkUpgradesEnabled);
    Put(lblMaxUp, m.lblMaxUp);
    cmdNewClose->setText(Q(m.cmdNewCloseCaption));
    mnuGSave->setEnabled(m.mnuGSaveEnabled);
    mnuGEndMission->setEnabled(m.mnuGEndMissionEnabled);
    mnuGOptions->setEnabled(m.mnuGOptionsEnabled);

    pnlTimedSave->setVisible(m.pnlTimedSaveVisible);
    shpTime->resize(static_cast<int>(m.shpTimeWidth / kTwips), shpTime->height());
    if (tmrBreak->interval() != m.tmrBreakInterval) tmrBreak->setInterval(m.tmrBreakInterval);

    txtPassWord->setVisible(m.txtPassWordVisible);
    Put(txtPassWord, m.txtPassWord);
    pnlDebug->setVisible(m.pnlDebugVisible);
    Put(chkCapAll, m.chkCapAll != 0);
    Put(chkLengthInc, m.chkLengthInc != 0);
    Put(chkShowCloak, m.chkShowCloak != 0);
    Put(chkShowStars, m.chkShowStars != 0);
    Put(chkUpAll, m.chkUpAll != 0);
    if (QWidget* body = pnlDifficulty->parentWidget()) {
        const int width = 8 + kPanelWidth + 8 + (m.pnlDebugVisible ? kDebugWidth + 8 : 0);
        if (body->width() != width) {
            body->setFixedWidth(width);
            Form_Resize();
        }
    }

    const std::string focus = g_.screens.Focus;
    if (focus == "txtName" || focus == "cboMissionType" || focus == "txtPassWord") {
        g_.screens.Focus.clear();
        if (focus == "txtName") txtName->setFocus();
        if (focus == "cboMissionType") cboMissionType->setFocus();
        if (focus == "txtPassWord") txtPassWord->setFocus();
    }
}

// The window's height: to the bottom of the panel's button.
void frmMenu::Form_Resize() {
    adjustSize();
    setFixedSize(sizeHint());
}

void frmMenu::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    Form_Activate();
}

void frmMenu::Form_Activate() {
    MenuActivate(g_);
    Show();
    Form_Resize();
    CentreOnDesktop(this);
}

void frmMenu::reject() { Form_QueryUnload(); }

void frmMenu::Form_QueryUnload() {
    if (!Do([this] { MenuCloseBox(g_); })) return;
    // Where the program did not end (a host that only records its end), the menu closes.
    if (isVisible() && !g_.st.GameRunning) QDialog::reject();
}

// A right click on the upgrade-all box.
void frmMenu::chkUpAll_MouseDown() { UpgradeAllRightClick(g_); }

bool frmMenu::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        const auto* m = static_cast<QMouseEvent*>(e);
        if (watched == chkUpAll) {
            if (m->button() == Qt::RightButton) {
                Do([this] { chkUpAll_MouseDown(); });
                return true;
            }
        } else if (m->button() == Qt::LeftButton) {
            if (watched == Bonus) Do([this] { Bonus_Click(); });
            if (watched == ClickMe) Do([this] { ClickMe_Click(); });
            if (watched == pnlTimedSave) Do([this] { pnlTimedSave_Click(); });
            if (watched == lblName) Do([this] { lblName_Click(); });
        }
    }
    if (watched == txtPassWord && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        int code = 0;
        if (k->key() == Qt::Key_Backspace)
            code = 8;
        else if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
            code = 13;
        else if (!k->text().isEmpty())
            code = k->text().at(0).unicode();
        if (code != 0) {
            Do([this, code] { txtPassWord_KeyPress(code); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace kv
