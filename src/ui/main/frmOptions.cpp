#include "ui/main/frmOptions.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QShowEvent>
#include <QTabBar>
#include <QVBoxLayout>

#include "screens/main/OptionsDialog.h"
#include "state/Numeric.h"
#include "state/Options.h"
#include "state/ScreenData.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

template <class W>
W* Named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

// A colour swatch: a framed label painted in the colour.
QLabel* Swatch(QWidget* parent, const char* name) {
    auto* l = Named(new QLabel(parent), name);
    l->setFixedSize(48, 22);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    return l;
}

void Paint(QLabel* swatch, long colour) {
    QPalette p = swatch->palette();
    p.setColor(QPalette::Window, ColourOf(colour));
    swatch->setPalette(p);
}

QToolButton* Arrow(QWidget* parent, const char* name, Qt::ArrowType type) {
    auto* b = Named(new QToolButton(parent), name);
    b->setArrowType(type);
    b->setFixedSize(20, 14);
    return b;
}

// An option button set without its group's exclusivity (none of a group may be chosen).
void PutOption(QRadioButton* b, bool checked) {
    const QSignalBlocker quiet(b);
    b->setAutoExclusive(false);
    b->setChecked(checked);
    b->setAutoExclusive(true);
}

}  // namespace

frmOptions::frmOptions(Game& g, QtHost& host, QWidget* parent) : QDialog(parent), g_(g), host_(host) {
    setObjectName("frmOptions");
    setWindowTitle(Q(g.Text("OptCap")));
    setMouseTracking(true);
    auto T = [&g](const std::string& key) { return Q(g.Text(key)); };
    auto* layout = new QVBoxLayout(this);
    TabStrip1 = Named(new QTabWidget(this), "TabStrip1");
    // Every tab's caption in full: the dialog is as wide as its tabs.
    TabStrip1->setUsesScrollButtons(false);
    TabStrip1->tabBar()->setExpanding(false);
    layout->addWidget(TabStrip1);
    for (int i = 0; i < 6; ++i) {
        picTab[static_cast<size_t>(i)] = Named(new QWidget, ElementName("picTab", i));
        picTab[static_cast<size_t>(i)]->setMouseTracking(true);
        TabStrip1->addTab(picTab[static_cast<size_t>(i)], T("OptTab" + std::to_string(i + 1)));
    }

    // ---- General ----
    {
        auto* page = picTab[0];
        auto* v = new QVBoxLayout(page);
        chkSound = Named(new QCheckBox(T("OptSound"), page), "chkSound");
        chkSuppress = Named(new QCheckBox(T("OptTheme"), page), "chkSuppress");
        chkNameConfig = Named(new QCheckBox(T("OptConfig"), page), "chkNameConfig");
        auto* row = new QHBoxLayout;
        lblConfigNameLabel = Named(new QLabel(T("OptCurName"), page), "lblConfigNameLabel");
        lblConfigName = Named(new QLabel(page), "lblConfigName");
        lblConfigName->setStyleSheet(QStringLiteral("font-weight: bold;"));
        row->addSpacing(24);
        row->addWidget(lblConfigNameLabel);
        row->addWidget(lblConfigName, 1);
        chkKeepTech = Named(new QCheckBox(T("OptKeepTech"), page), "chkKeepTech");
        chkNotes = Named(new QCheckBox(T("OptSaveNotes"), page), "chkNotes");
        for (QWidget* w : {static_cast<QWidget*>(chkSound), static_cast<QWidget*>(chkSuppress),
                           static_cast<QWidget*>(chkNameConfig)})
            v->addWidget(w);
        v->addLayout(row);
        v->addWidget(chkKeepTech);
        v->addWidget(chkNotes);
        auto* scan = new QHBoxLayout;
        fraPicQual = Named(new QGroupBox(T("OptSRSPQ"), page), "fraPicQual");
        auto* pq = new QVBoxLayout(fraPicQual);
        for (int i = 0; i < 4; ++i) {
            optSRSPic[static_cast<size_t>(i)] =
                Named(new QRadioButton(T("OptSRSPic" + std::to_string(i)), fraPicQual), ElementName("optSRSPic", i));
            pq->addWidget(optSRSPic[static_cast<size_t>(i)]);
        }
        fraDispOpt = Named(new QGroupBox(T("OptSRSDO"), page), "fraDispOpt");
        auto* dq = new QVBoxLayout(fraDispOpt);
        chkLarge = Named(new QCheckBox(T("OptSRSLarge"), fraDispOpt), "chkLarge");
        chkCoord = Named(new QCheckBox(T("OptSRSCoord"), fraDispOpt), "chkCoord");
        chkReserved = Named(new QCheckBox(T("OptSRSRes"), fraDispOpt), "chkReserved");
        dq->addWidget(chkLarge);
        dq->addWidget(chkCoord);
        dq->addWidget(chkReserved);
        scan->addWidget(fraPicQual);
        scan->addWidget(fraDispOpt);
        v->addLayout(scan);
        v->addStretch(1);
    }
    // ---- Reports ----
    {
        auto* page = picTab[1];
        auto* v = new QVBoxLayout(page);
        Frame4 = Named(new QGroupBox(T("OptSR"), page), "Frame4");
        auto* f = new QVBoxLayout(Frame4);
        chkGeneral = Named(new QCheckBox(T("OptSRG"), Frame4), "chkGeneral");
        chkZarvoni = Named(new QCheckBox(T("OptSRZ"), Frame4), "chkZarvoni");
        chkDamage = Named(new QCheckBox(T("OptSRD"), Frame4), "chkDamage");
        chkStarbase = Named(new QCheckBox(T("OptSRS"), Frame4), "chkStarbase");
        for (QCheckBox* c : {chkGeneral, chkZarvoni, chkDamage, chkStarbase}) f->addWidget(c);
        v->addWidget(Frame4);
        v->addStretch(1);
    }
    // ---- Command bar ----
    {
        auto* page = picTab[2];
        auto* v = new QVBoxLayout(page);
        Frame5 = Named(new QGroupBox(T("OptCB"), page), "Frame5");
        auto* f = new QGridLayout(Frame5);
        optLong = Named(new QRadioButton(T("OptCBLong"), Frame5), "optLong");
        optTall = Named(new QRadioButton(T("OptCBTall"), Frame5), "optTall");
        optCustom = Named(new QRadioButton(T("OptCBCustom"), Frame5), "optCustom");
        txtCustom = Named(new QLineEdit(Frame5), "txtCustom");
        txtCustom->setFixedWidth(48);
        auto* spin = new QVBoxLayout;
        spin->setSpacing(0);
        spnWidthUp = Arrow(Frame5, "spnWidthUp", Qt::UpArrow);
        spnWidthDown = Arrow(Frame5, "spnWidthDown", Qt::DownArrow);
        spin->addWidget(spnWidthUp);
        spin->addWidget(spnWidthDown);
        f->addWidget(optLong, 0, 0, 1, 3);
        f->addWidget(optTall, 1, 0, 1, 3);
        f->addWidget(optCustom, 2, 0);
        f->addWidget(txtCustom, 2, 1);
        f->addLayout(spin, 2, 2);
        f->setColumnStretch(3, 1);
        v->addWidget(Frame5);
        v->addStretch(1);
    }
    // ---- Message log ----
    {
        auto* page = picTab[3];
        auto* v = new QVBoxLayout(page);
        auto* top = new QHBoxLayout;
        Frame1 = Named(new QGroupBox(T("OptFS"), page), "Frame1");
        auto* f1 = new QHBoxLayout(Frame1);
        lblPreviewSize = Named(new QLabel(Frame1), "lblPreviewSize");
        lblPreviewSize->setAutoFillBackground(true);
        lblPreviewSize->setAlignment(Qt::AlignCenter);
        lblPreviewSize->setMinimumSize(200, 56);
        auto* spin = new QVBoxLayout;
        spin->setSpacing(0);
        spnFontSizeUp = Arrow(Frame1, "spnFontSizeUp", Qt::UpArrow);
        spnFontSizeDown = Arrow(Frame1, "spnFontSizeDown", Qt::DownArrow);
        spin->addWidget(spnFontSizeUp);
        spin->addWidget(spnFontSizeDown);
        f1->addWidget(lblPreviewSize, 1);
        f1->addLayout(spin);
        Frame2 = Named(new QGroupBox(T("OptFSty"), page), "Frame2");
        auto* f2 = new QVBoxLayout(Frame2);
        chkBold = Named(new QCheckBox(T("OptFStyBold"), Frame2), "chkBold");
        chkItalics = Named(new QCheckBox(T("OptFStyItalics"), Frame2), "chkItalics");
        f2->addWidget(chkBold);
        f2->addWidget(chkItalics);
        top->addWidget(Frame1, 1);
        top->addWidget(Frame2);
        Frame3 = Named(new QGroupBox(T("OptClr"), page), "Frame3");
        auto* f3 = new QGridLayout(Frame3);
        lblBack = Named(new QLabel(T("OptClrBG"), Frame3), "lblBack");
        lblFore = Named(new QLabel(T("OptClrFG"), Frame3), "lblFore");
        lblBackColor = Swatch(Frame3, "lblBackColor");
        lblForeColor = Swatch(Frame3, "lblForeColor");
        cmdSelBack = Named(new QPushButton(T("OptClrPick"), Frame3), "cmdSelBack");
        cmdSelFore = Named(new QPushButton(T("OptClrPick"), Frame3), "cmdSelFore");
        f3->addWidget(lblBack, 0, 0);
        f3->addWidget(lblBackColor, 0, 1);
        f3->addWidget(cmdSelBack, 0, 2);
        f3->addWidget(lblFore, 1, 0);
        f3->addWidget(lblForeColor, 1, 1);
        f3->addWidget(cmdSelFore, 1, 2);
        f3->setColumnStretch(3, 1);
        cmdClear = Named(new QPushButton(T("OptClear"), page), "cmdClear");
        v->addLayout(top);
        v->addWidget(Frame3);
        auto* clear = new QHBoxLayout;
        clear->addWidget(cmdClear);
        clear->addStretch(1);
        v->addLayout(clear);
        v->addStretch(1);
    }
    // ---- Background ----
    {
        auto* page = picTab[4];
        auto* f = new QGridLayout(page);
        optNone = Named(new QRadioButton(T("OptNone"), page), "optNone");
        optColor = Named(new QRadioButton(T("OptSolid"), page), "optColor");
        optPicture = Named(new QRadioButton(T("OptPic"), page), "optPicture");
        lblColor = Swatch(page, "lblColor");
        cmdSelectColor = Named(new QPushButton(T("OptSelect"), page), "cmdSelectColor");
        lblPictureFile = Named(new QLabel(page), "lblPictureFile");
        lblPictureFile->setMinimumWidth(160);
        lblPictureFile->setFrameShape(QFrame::StyledPanel);
        cmdSelectPicture = Named(new QPushButton(T("OptSelect"), page), "cmdSelectPicture");
        cmdSelectPicture->setToolTip(T("OptSelect"));
        cmdInfo = Named(new QPushButton(QStringLiteral("?"), page), "cmdInfo");
        cmdInfo->setFixedWidth(32);
        f->addWidget(optNone, 0, 0);
        f->addWidget(optColor, 1, 0);
        f->addWidget(lblColor, 1, 1);
        f->addWidget(cmdSelectColor, 1, 2);
        f->addWidget(optPicture, 2, 0);
        f->addWidget(lblPictureFile, 2, 1);
        f->addWidget(cmdSelectPicture, 2, 2);
        f->addWidget(cmdInfo, 2, 3);
        f->setColumnStretch(1, 1);
        f->setRowStretch(3, 1);
    }
    // ---- Messages ----
    {
        auto* page = picTab[5];
        auto* f = new QGridLayout(page);
        for (int i = 0; i < 17; ++i) {
            auto* c = Named(new QCheckBox(T("OptMsg" + std::to_string(i)), page), ElementName("chkMessage", i));
            chkMessage[static_cast<size_t>(i)] = c;
            f->addWidget(c, i % 9, i / 9);
        }
        cmdAll = Named(new QPushButton(T("OptAll"), page), "cmdAll");
        f->addWidget(cmdAll, 8, 1, Qt::AlignRight);
        f->setRowStretch(9, 1);
    }

    // ---- OK, Cancel, Apply ----
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdOK = Named(new QPushButton(T("OK"), this), "cmdOK");
    cmdCancel = Named(new QPushButton(T("Cancel"), this), "cmdCancel");
    cmdApply = Named(new QPushButton(T("Apply"), this), "cmdApply");
    for (QPushButton* b : {cmdOK, cmdCancel, cmdApply}) buttons->addWidget(b);
    layout->addLayout(buttons);
    SettleKeys(this, {cmdOK, [this] { Form_QueryUnload(); }, [this] { Form_QueryUnload(); }});

    // ---- The handlers ----
    OptionSettings& o = g.options;
    auto box = [this](QCheckBox* c, std::function<void(int)> body) {
        connect(c, &QCheckBox::clicked, this, [this, body](bool on) { Do([body, on] { body(on ? 1 : 0); }); });
    };
    box(chkSound, [&o](int v) { o.chkSound = static_cast<Integer>(v); });
    box(chkSuppress, [&o](int v) { o.chkSuppress = static_cast<Integer>(v); });
    box(chkNameConfig, [this](int) { chkNameConfig_Click(); });
    box(chkKeepTech, [&o](int v) { o.chkKeepTech = static_cast<Integer>(v); });
    box(chkNotes, [&o](int v) { o.chkNotes = static_cast<Integer>(v); });
    box(chkLarge, [&o](int v) { o.chkLarge = static_cast<Integer>(v); });
    box(chkCoord, [&o](int v) { o.chkCoord = static_cast<Integer>(v); });
    box(chkGeneral, [&o](int v) { o.chkGeneral = static_cast<Integer>(v); });
    box(chkZarvoni, [&o](int v) { o.chkZarvoni = static_cast<Integer>(v); });
    box(chkDamage, [&o](int v) { o.chkDamage = static_cast<Integer>(v); });
    box(chkStarbase, [&o](int v) { o.chkStarbase = static_cast<Integer>(v); });
    box(chkBold, [this](int) { chkBold_Click(); });
    box(chkItalics, [this](int) { chkItalics_Click(); });
    for (int i = 0; i < 17; ++i) box(chkMessage[static_cast<size_t>(i)], [this, i](int) { chkMessage_Click(i); });
    for (int i = 0; i < 4; ++i)
        connect(optSRSPic[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Do([this, i] { g_.options.optSRSPic = static_cast<Integer>(i); }); });
    connect(optLong, &QRadioButton::clicked, this, [this] { Do([this] { optLong_Click(); }); });
    connect(optTall, &QRadioButton::clicked, this, [this] { Do([this] { optTall_Click(); }); });
    connect(optCustom, &QRadioButton::clicked, this, [this] { Do([this] { optCustom_Click(); }); });
    connect(txtCustom, &QLineEdit::textEdited, this,
            [this](const QString& t) { Do([this, t] { g_.options.txtCustom = t.toStdString(); }); });
    connect(spnWidthUp, &QToolButton::clicked, this, [this] { Do([this] { spnWidth_UpClick(); }); });
    connect(spnWidthDown, &QToolButton::clicked, this, [this] { Do([this] { spnWidth_DownClick(); }); });
    connect(spnFontSizeUp, &QToolButton::clicked, this, [this] { Do([this] { spnFontSize_UpClick(); }); });
    connect(spnFontSizeDown, &QToolButton::clicked, this, [this] { Do([this] { spnFontSize_DownClick(); }); });
    connect(cmdSelBack, &QPushButton::clicked, this, [this] { Do([this] { cmdSelBack_Click(); }); });
    connect(cmdSelFore, &QPushButton::clicked, this, [this] { Do([this] { cmdSelFore_Click(); }); });
    connect(cmdSelectColor, &QPushButton::clicked, this, [this] { Do([this] { cmdSelectColor_Click(); }); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { Do([this] { cmdClear_Click(); }); });
    const std::pair<QRadioButton*, int> backgrounds[] = {{optNone, 0}, {optColor, 1}, {optPicture, 2}};
    for (const auto& [button, n] : backgrounds)
        connect(button, &QRadioButton::clicked, this, [this, n = n] {
            Do([this, n] {
                g_.options.optNone = n == 0;
                g_.options.optColor = n == 1;
                g_.options.optPicture = n == 2;
            });
        });
    connect(cmdSelectPicture, &QPushButton::clicked, this, [this] { Do([this] { cmdSelectPicture_Click(); }); });
    connect(cmdInfo, &QPushButton::clicked, this, [this] { Do([this] { cmdInfo_Click(); }); });
    connect(cmdAll, &QPushButton::clicked, this, [this] { Do([this] { cmdAll_Click(); }); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { Do([this] { cmdOK_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { Do([this] { cmdCancel_Click(); }); });
    connect(cmdApply, &QPushButton::clicked, this, [this] { Do([this] { cmdApply_Click(); }); });

    host.OnView(View::OptionsWindow, this, [this] { Show(); });
    host.OnView(View::WindowPositions, this, [this] { PlaceWindows(); });
    Form_Load();
}

void frmOptions::Form_Load() {
    OptionsLoad(g_);
    Show();
}

void frmOptions::chkNameConfig_Click() {
    OptionsNameConfigClick(g_, chkNameConfig->isChecked() ? 1 : 0, isVisible());
}
void frmOptions::chkBold_Click() { g_.options.chkBold = chkBold->isChecked() ? 1 : 0; }
void frmOptions::chkItalics_Click() { g_.options.chkItalics = chkItalics->isChecked() ? 1 : 0; }
void frmOptions::chkMessage_Click(int index) {
    OptionsMessageClick(g_, index, chkMessage[static_cast<size_t>(index)]->isChecked() ? 1 : 0);
}
void frmOptions::optLong_Click() { OptionsCommandBarClick(g_, 0); }
void frmOptions::optTall_Click() { OptionsCommandBarClick(g_, 1); }
void frmOptions::optCustom_Click() { OptionsCommandBarClick(g_, 2); }
void frmOptions::spnWidth_UpClick() { OptionsWidthStep(g_, +1); }
void frmOptions::spnWidth_DownClick() { OptionsWidthStep(g_, -1); }
void frmOptions::spnFontSize_UpClick() { OptionsFontSizeStep(g_, +1); }
void frmOptions::spnFontSize_DownClick() { OptionsFontSizeStep(g_, -1); }
void frmOptions::cmdSelBack_Click() { OptionsPickColour(g_, 0); }
void frmOptions::cmdSelFore_Click() { OptionsPickColour(g_, 1); }
void frmOptions::cmdSelectColor_Click() { OptionsPickColour(g_, 2); }
void frmOptions::cmdClear_Click() { OptionsClearLog(g_); }
void frmOptions::cmdInfo_Click() { OptionsInfoClick(g_); }
void frmOptions::cmdAll_Click() { OptionsAllClick(g_); }
void frmOptions::cmdOK_Click() { OptionsOK(g_); }
void frmOptions::cmdCancel_Click() { OptionsCancel(g_); }
void frmOptions::Form_QueryUnload() { hide(); }
void frmOptions::cmdApply_Click() { OptionsApply(g_); }

void frmOptions::Do(const std::function<void()>& handler) {
    host_.Run(Form::frmOptions, handler);
    Show();
}

void frmOptions::Show() {
    const OptionSettings& o = g_.options;
    const OptionsDialogData& d = g_.screens.options;
    Put(chkSound, o.chkSound != 0);
    chkSound->setEnabled(d.chkSoundEnabled);
    Put(chkSuppress, o.chkSuppress != 0);
    Put(chkNameConfig, o.chkNameConfig != 0);
    Put(lblConfigName, o.lblConfigName);
    Put(chkKeepTech, o.chkKeepTech != 0);
    Put(chkNotes, o.chkNotes != 0);
    for (int i = 0; i < 4; ++i) {
        PutOption(optSRSPic[static_cast<size_t>(i)], o.optSRSPic == i);
        optSRSPic[static_cast<size_t>(i)]->setEnabled(d.optSRSPicEnabled[static_cast<size_t>(i)]);
    }
    Put(chkLarge, o.chkLarge != 0);
    Put(chkCoord, o.chkCoord != 0);
    Put(chkGeneral, o.chkGeneral != 0);
    Put(chkZarvoni, o.chkZarvoni != 0);
    Put(chkDamage, o.chkDamage != 0);
    Put(chkStarbase, o.chkStarbase != 0);
    PutOption(optLong, o.optLong);
    PutOption(optTall, o.optTall);
    PutOption(optCustom, o.optCustom);
    Put(txtCustom, o.txtCustom);
    txtCustom->setEnabled(d.txtCustomEnabled);
    spnWidthUp->setEnabled(d.txtCustomEnabled);
    spnWidthDown->setEnabled(d.txtCustomEnabled);

    QFont preview(QStringLiteral("Times New Roman"));
    preview.setStyleHint(QFont::Serif);
    preview.setPointSizeF(o.lblPreviewSize > 0 ? o.lblPreviewSize : 10.0);
    preview.setBold(o.chkBold != 0);
    preview.setItalic(o.chkItalics != 0);
    lblPreviewSize->setFont(preview);
    lblPreviewSize->setText(Q(g_.Text("OptFSA")) + QStringLiteral(" (%1)").arg(static_cast<double>(o.lblPreviewSize)));
    QPalette p = lblPreviewSize->palette();
    p.setColor(QPalette::Window, ColourOf(o.lblBackColor));
    p.setColor(QPalette::WindowText, ColourOf(o.lblForeColor));
    lblPreviewSize->setPalette(p);
    Put(chkBold, o.chkBold != 0);
    Put(chkItalics, o.chkItalics != 0);
    Paint(lblBackColor, o.lblBackColor);
    Paint(lblForeColor, o.lblForeColor);

    PutOption(optNone, o.optNone);
    PutOption(optColor, o.optColor);
    PutOption(optPicture, o.optPicture);
    Paint(lblColor, o.lblColor);
    Put(lblPictureFile, o.lblPictureFile);
    lblPictureFile->setToolTip(Q(o.CMDialogFileName));
    cmdInfo->setEnabled(d.cmdInfoEnabled);

    for (int i = 0; i < 17; ++i) Put(chkMessage[static_cast<size_t>(i)], o.chkMessage[static_cast<size_t>(i)] != 0);
    cmdAll->setText(Q(d.cmdAllCaption.empty() ? g_.Text("OptAll") : d.cmdAllCaption));

    if (g_.screens.Focus == "txtCustom") {
        g_.screens.Focus.clear();
        txtCustom->setFocus();
    }
}

void frmOptions::PlaceWindows() {
    placing_ = true;
    for (int n = 1; n <= kSavedWindows; ++n) {
        QWidget* w = host_.FormWindow(FormTable(n));
        if (!w) continue;
        w->removeEventFilter(this);
        w->installEventFilter(this);
        const WindowGeometry& at = g_.options.Window[static_cast<size_t>(n)];
        // A window the settings hold nothing for stays where it is.
        if (at == WindowGeometry{}) continue;
        w->move(static_cast<int>(at.Left / kTwipsPerPixel), static_cast<int>(at.Top / kTwipsPerPixel));
        if (n == 1 && at.Width > 0 && at.Height > 0)
            w->resize(static_cast<int>(at.Width / kTwipsPerPixel), static_cast<int>(at.Height / kTwipsPerPixel));
    }
    placing_ = false;
}

void frmOptions::cmdSelectPicture_Click() {
    const QString file = QFileDialog::getOpenFileName(
        this, Q(g_.Text("OPTIONS0009")), Q(g_.options.CMDialogFileName),
        QStringLiteral("All Pictures (*.bmp *.BMP *.gif *.GIF *.jpg *.JPG *.png *.PNG);;Bitmap (*.bmp *.BMP);;"
                       "JPEG Images (*.jpg *.JPG);;CompuServe Bitmap (*.gif *.GIF);;All Files (*)"));
    if (!file.isEmpty()) OptionsPictureChosen(g_, file.toStdString());
    if (picTab[0]->isEnabled()) TabStrip1->setFocus();
}

// Each coming up: the configuration in use, and the copy Cancel goes back to.
void frmOptions::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    Form_Activate();
}

void frmOptions::Form_Activate() {
    OptionsActivate(g_);
    Show();
    // Centred once, when it first comes up; later it comes up where the player left it.
    if (!centred_) {
        centred_ = true;
        CentreOnDesktop(this);
    }
}

void frmOptions::mouseMoveEvent(QMouseEvent* e) {
    const int shift = ShiftOf(e->modifiers());
    host_.Run(Form::frmOptions, [this, shift] { Form_MouseMove(shift); });
    QDialog::mouseMoveEvent(e);
}

void frmOptions::Form_MouseMove(int shift) { ReturnToMainWindows(g_, shift); }

// The game windows' moves are kept in the settings (window-table index 1..15).
bool frmOptions::eventFilter(QObject* watched, QEvent* e) {
    if (!placing_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize)) {
        for (int n = 1; n <= kSavedWindows; ++n) {
            QWidget* w = host_.FormWindow(FormTable(n));
            if (w != watched || !w->isVisible()) continue;
            WindowGeometry& at = g_.options.Window[static_cast<size_t>(n)];
            at.Left = static_cast<Long>(w->x()) * kTwipsPerPixel;
            at.Top = static_cast<Long>(w->y()) * kTwipsPerPixel;
            at.Width = static_cast<Long>(w->width()) * kTwipsPerPixel;
            at.Height = static_cast<Long>(w->height()) * kTwipsPerPixel;
        }
    }
    return QDialog::eventFilter(watched, e);
}

}  // namespace kv
