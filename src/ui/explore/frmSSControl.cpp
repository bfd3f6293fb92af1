#include "ui/explore/frmSSControl.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <cmath>

#include "datafiles/SolarSystemFiles.h"
#include "explore/Console.h"
#include "platform/Files.h"
#include "platform/Strings.h"
#include "state/Game.h"
#include "state/Numeric.h"
#include "ui/explore/Room.h"
#include "ui/host/FormSkin.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowArranger.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

// ---- Layout (pixels) ----------------------------------------------------------------------------
constexpr int kSystemLeft = 8, kSystemTop = 26, kSystemSide = kSystemPictureSize / kTwipsPerPixel;
constexpr int kDrawLeft = 420, kDrawTop = 26, kDrawWidth = 200, kDrawHeight = 200;
constexpr int kInfoLeft = 632, kInfoWidth = 240;
constexpr int kCommandLeft = 884, kCommandWidth = 132, kCommandStep = 28;
constexpr int kMessageTop = 452;
constexpr int kMapTop = 552;
constexpr int kMapPanelW = kMapPanelWidth / kTwipsPerPixel, kMapPanelH = kMapPanelHeight / kTwipsPerPixel;
constexpr int kActionStep = 34;
// The spectrum strip: 300 twips high, centred in picDraw.
constexpr int kSpectrumHeight = 300 / kTwipsPerPixel;
// The console's own colour, which the skins of its action buttons take as "no button".
const QColor kConsoleColour(0x0e, 0x18, 0x22);
// The outline drawn along an action button's shape (seen while the button is pressed).
constexpr long kActionOutline = 0xDCAA78;  // 0xBBGGRR

int Px(Long twips) { return static_cast<int>(twips / kTwipsPerPixel); }

QColor PaletteColour(int c) { return ConsoleColour(QBColor(c)); }

QLabel* MakeLabel(QWidget* parent, const QString& name, QRect at, bool wrap = false) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setGeometry(at);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// The game's texts carry "\r\n" line ends; the windows show "\n".
QString Shown(const std::string& text) {
    QString s = Q(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

PixelPicture ToPixels(const QImage& image) {
    PixelPicture p;
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    p.width = img.width();
    p.height = img.height();
    p.pixels.resize(static_cast<size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < p.width; ++x)
            p.pixels[static_cast<size_t>(y) * p.width + x] = RGB(qRed(row[x]), qGreen(row[x]), qBlue(row[x]));
    }
    return p;
}

QImage ToImage(const PixelPicture& p) {
    QImage img(p.width, p.height, QImage::Format_RGB32);
    for (int y = 0; y < p.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < p.width; ++x) {
            const Long c = p.At(x, y);
            row[x] = qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        }
    }
    return img;
}

}  // namespace

// ---- PictureBox -----------------------------------------------------------------------------------

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (!image.isNull()) p.drawImage(0, 0, image);
    if (paintOver) paintOver(p);
}
void PictureBox::mousePressEvent(QMouseEvent* e) {
    emit MouseDown(ButtonOf(e), ShiftOf(e->modifiers()), static_cast<int>(e->position().x()),
                   static_cast<int>(e->position().y()));
}
void PictureBox::mouseMoveEvent(QMouseEvent* e) {
    emit MouseMove(ButtonOf(e), ShiftOf(e->modifiers()), static_cast<int>(e->position().x()),
                   static_cast<int>(e->position().y()));
}
void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
    if (rect().contains(e->position().toPoint())) emit Clicked();
}

// ---- ShapedPictureButton ---------------------------------------------------------------------------

void ShapedPictureButton::SetPicture(const QImage& picture, const QColor& key) {
    picture_ = picture;
    key_ = key;
    resize(picture.size());
    update();
}
void ShapedPictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), key_);
    p.drawImage(0, 0, picture_);
}
void ShapedPictureButton::mousePressEvent(QMouseEvent* e) { emit MouseDown(e->button()); }
void ShapedPictureButton::mouseMoveEvent(QMouseEvent* e) { emit MouseMove(e->buttons(), e->position().toPoint()); }
void ShapedPictureButton::mouseReleaseEvent(QMouseEvent* e) { emit MouseUp(e->button()); }

// ---- The window ---------------------------------------------------------------------------------

frmSSControl::frmSSControl(Game& g, QtHost& host) : g_(g), host_(host) {
    setObjectName("frmSSControl");
    // A window without a caption bar: no close box, and nothing but the exit command ends a visit.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    // Escape and the desktop's close request do nothing: the notes keep their Return.
    SettleKeys(this, {});
    setWindowTitle(Q(g.Text("SSCCap")));
    setMouseTracking(true);
    Build();
    host.OnView(View::SSConsole, this, [this] { ShowConsole(); });
    host.OnView(View::SSSystemView, this, [this] { DrawSystem(); });
    host.OnView(View::SSPlanetView, this, [this] { DrawPlanets(); });
    host.OnView(View::SSSpectrum, this, [this] { DrawSpectral(); });
    tmrMessage = host.AddTimer(Timer::frmSSControl_tmrMessage, this, 1000, [this] { tmrMessage_Timer(); });
    tmrFlag = host.AddTimer(Timer::frmSSControl_tmrFlag, this, 500, [this] { tmrFlag_Timer(); });
    clipTimer_ = new QTimer(this);
    connect(clipTimer_, &QTimer::timeout, this, [this] { NextClipFrame(); });
    Form_Load();
}

void frmSSControl::tmrMessage_Timer() {
    kv::tmrMessage_Timer(g_);
    ShowConsole();
}

void frmSSControl::tmrFlag_Timer() { kv::tmrFlag_Timer(g_); }

void frmSSControl::cmdEnterOrbit_Click() { kv::cmdEnterOrbit_Click(g_); }
void frmSSControl::cmdLeaveOrbit_Click() { kv::cmdLeaveOrbit_Click(g_); }
void frmSSControl::cmdHail_Click() { kv::cmdHail_Click(g_); }
void frmSSControl::cmdBeam_Click() { kv::cmdBeam_Click(g_); }
void frmSSControl::cmdEnergy_Click() { kv::cmdEnergy_Click(g_); }
void frmSSControl::cmdPhaser_Click() { kv::cmdPhaser_Click(g_); }
void frmSSControl::cmdPhoton_Click() { kv::cmdPhoton_Click(g_); }
void frmSSControl::cmdShields_Click() { kv::cmdShields_Click(g_); }
void frmSSControl::cmdExit_Click() { kv::cmdExit_Click(g_); }
void frmSSControl::cmdRecord_Click() { kv::cmdRecord_Click(g_); }
void frmSSControl::cmdReset_Click() { kv::cmdReset_Click(g_); }
void frmSSControl::cmdIgnore_Click() { kv::cmdIgnore_Click(g_); }
void frmSSControl::cmdRespond_Click() { kv::cmdRespond_Click(g_); }

QPushButton* frmSSControl::Command(const char* name, const char* key, int y, void (frmSSControl::*handler)()) {
    auto* b = new QPushButton(Q(g_.Text(key)), this);
    b->setObjectName(name);
    b->setGeometry(kCommandLeft, y, kCommandWidth, 26);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, host_.Handler(Form::frmSSControl, [this, handler] {
        (this->*handler)();
        ShowConsole();
        if (g_.console.GoatFocus) cmdGoat->setFocus(Qt::OtherFocusReason);
    }));
    return b;
}

void frmSSControl::Build() {
    QPalette own = palette();
    own.setColor(QPalette::Window, kConsoleColour);
    setPalette(own);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral(
        "QLabel { color: #d6e2ec; }"
        "QLabel#lblM0Title, QLabel#lblM1Title, QLabel#lblM2Title, QLabel#lblMessage, QLabel#lblName,"
        " QLabel#lblCommands, QLabel#lblSystemNotes, QLabel#plblM0Title { color: #8fd0ff; font-weight: bold; }"
        "QLabel#lblPlanet\\(0\\), QLabel#lblPlanet\\(2\\) { font-weight: bold; }"
        "QFrame#pnlMessage, QFrame#pnlBack { background: #16242f; border: 1px solid #3b5568; }"
        "QLabel#pnlOrbiting { color: #ffe08a; }"
        "QLabel#pnlM0Title, QLabel#pnlM0Text { background: #0e1822; }"
        "QPlainTextEdit { background: #08111a; color: #e8f0f6; border: 1px solid #3b5568; }"));

    lblName = MakeLabel(this, "lblName", QRect(kSystemLeft, 6, kSystemSide, 18));
    picSolarSystem = new PictureBox(this);
    picSolarSystem->setObjectName("picSolarSystem");
    picSolarSystem->setGeometry(kSystemLeft, kSystemTop, kSystemSide, kSystemSide);
    QPalette black = picSolarSystem->palette();
    black.setColor(QPalette::Base, Qt::black);
    picSolarSystem->setPalette(black);
    picSolarSystem->setMouseTracking(true);
    picSolarSystem->paintOver = [this](QPainter& p) { PaintSystem(p); };
    connect(picSolarSystem, &PictureBox::MouseDown, this, [this](int button, int shift, int x, int y) {
        host_.Run(Form::frmSSControl, [&] { picSolarSystem_MouseDown(button, shift, x, y); });
    });
    connect(picSolarSystem, &PictureBox::MouseMove, this, [this](int, int, int, int) { picSolarSystem_MouseMove(); });
    picStar = MakeLabel(picSolarSystem, "picStar",
                        QRect(Px(kStarPictureLeft), Px(kStarPictureTop), Px(kStarPictureSize), Px(kStarPictureSize)));
    picStar->setAlignment(Qt::AlignCenter);
    picStar->installEventFilter(this);
    shpSelect = MakeLabel(picSolarSystem, "shpSelect", QRect());
    shpSelect->setAttribute(Qt::WA_TransparentForMouseEvents);
    shpSelect->setStyleSheet(QStringLiteral("border: 1px dashed #ff5050; background: transparent;"));
    shpSelect->hide();
    const char* arrows[3] = {"<<", "", ">>"};
    for (int i : {0, 2}) {
        lblPlanet[i] = MakeLabel(
            this, QStringLiteral("lblPlanet(%1)").arg(i),
            QRect(i == 0 ? kSystemLeft : kSystemLeft + kSystemSide - 40, kSystemTop + kSystemSide + 4, 40, 20));
        lblPlanet[i]->setText(QString::fromLatin1(arrows[i]));
        lblPlanet[i]->setAlignment(i == 0 ? Qt::AlignLeft : Qt::AlignRight);
        lblPlanet[i]->setCursor(Qt::PointingHandCursor);
        lblPlanet[i]->setMouseTracking(true);
        lblPlanet[i]->installEventFilter(this);
        SetArrowColour(i, 15);
    }
    lblName->setMouseTracking(true);
    lblName->installEventFilter(this);

    pnlFlags = new QFrame(this);
    pnlFlags->setObjectName("pnlFlags");
    pnlFlags->setGeometry(kSystemLeft + kSystemSide / 2 - 56, kSystemTop + kSystemSide + 6, 112, 14);
    for (int i = 0; i < 8; ++i) {
        shpFlag[i] = new QFrame(pnlFlags);
        shpFlag[i]->setObjectName(QStringLiteral("shpFlag(%1)").arg(i));
        shpFlag[i]->setGeometry(i * 14 + 1, 1, 12, 12);
        shpFlag[i]->setAutoFillBackground(true);
    }
    pnlFlags->hide();

    // ---- The information panel --------------------------------------------------------------
    picDraw = new PictureBox(this);
    picDraw->setObjectName("picDraw");
    picDraw->setGeometry(kDrawLeft, kDrawTop, kDrawWidth, kDrawHeight);
    picDraw->setPalette(black);
    lblScanning = MakeLabel(this, "lblScanning", QRect(kDrawLeft, kDrawTop + kDrawHeight / 2 - 10, kDrawWidth, 20));
    lblScanning->setText(QStringLiteral("Scanning . . ."));
    lblScanning->setAlignment(Qt::AlignCenter);
    lblScanning->hide();
    AVI = MakeLabel(this, "AVI", picDraw->geometry());
    AVI->setAlignment(Qt::AlignCenter);
    AVI->setStyleSheet(QStringLiteral("background: black;"));
    AVI->hide();
    lblM0Title = MakeLabel(this, "lblM0Title", QRect(kInfoLeft, 26, kInfoWidth, 18), true);
    lblM0Text = MakeLabel(this, "lblM0Text", QRect(kInfoLeft, 44, kInfoWidth, 36), true);
    lblM1Title = MakeLabel(this, "lblM1Title", QRect(kInfoLeft, 84, kInfoWidth, 18), true);
    lblM1Text = MakeLabel(this, "lblM1Text", QRect(kInfoLeft, 102, kInfoWidth, 54), true);
    lblM2Title = MakeLabel(this, "lblM2Title", QRect(kInfoLeft, 160, kInfoWidth, 18), true);
    lblM2Text = MakeLabel(this, "lblM2Text", QRect(kInfoLeft, 178, kInfoWidth, 48), true);
    pnlM0Title = MakeLabel(this, "pnlM0Title", lblM0Title->geometry());
    pnlM0Text = MakeLabel(this, "pnlM0Text", lblM0Text->geometry());
    plblM0Title = MakeLabel(pnlM0Title, "plblM0Title", QRect(QPoint(0, 0), lblM0Title->size()), true);
    plblM0Text = MakeLabel(pnlM0Text, "plblM0Text", QRect(QPoint(0, 0), lblM0Text->size()), true);
    pnlM0Title->hide();
    pnlM0Text->hide();
    shpNoHS = MakeLabel(this, "shpNoHS", QRect(kInfoLeft - 10, 30, 8, 8));
    shpNoHS->setStyleSheet(QStringLiteral("background: #ff3030; border-radius: 4px;"));
    shpNoHS->setToolTip(QStringLiteral("!"));
    shpNoHS->hide();
    lblLib = MakeLabel(this, "lblLib", QRect(kDrawLeft, 232, kInfoLeft + kInfoWidth - kDrawLeft, 50), true);
    pnlOrbiting = MakeLabel(this, "pnlOrbiting", QRect(kDrawLeft, 286, kInfoLeft + kInfoWidth - kDrawLeft, 20));
    pnlOrbiting->hide();

    // ---- Commands and notes -------------------------------------------------------------------
    lblCommands = MakeLabel(this, "lblCommands", QRect(kCommandLeft, 6, kCommandWidth, 18));
    lblCommands->setText(Q(g_.Text("SSCCom")));
    int y = 26;
    cmdEnterOrbit = Command("cmdEnterOrbit", "SSCOrbit", y, &frmSSControl::cmdEnterOrbit_Click);
    cmdLeaveOrbit = Command("cmdLeaveOrbit", "SSCLeave", y += kCommandStep, &frmSSControl::cmdLeaveOrbit_Click);
    cmdHail = Command("cmdHail", "SSCHail", y += kCommandStep, &frmSSControl::cmdHail_Click);
    cmdBeam = Command("cmdBeam", "SSCBeam", y += kCommandStep, &frmSSControl::cmdBeam_Click);
    cmdEnergy = Command("cmdEnergy", "SSCEnergy", y += kCommandStep, &frmSSControl::cmdEnergy_Click);
    cmdPhaser = Command("cmdPhaser", "SSCPhaser", y += kCommandStep, &frmSSControl::cmdPhaser_Click);
    cmdPhoton = Command("cmdPhoton", "SSCPhoton", y += kCommandStep, &frmSSControl::cmdPhoton_Click);
    cmdShields = Command("cmdShields", "SSCShields", y += kCommandStep, &frmSSControl::cmdShields_Click);
    cmdExit = Command("cmdExit", "SSCExit", y += kCommandStep, &frmSSControl::cmdExit_Click);

    lblSystemNotes = MakeLabel(this, "lblSystemNotes", QRect(kDrawLeft, 310, 460, 16));
    lblSystemNotes->setText(Q(g_.Text("SSCNotes")));
    txtNotes = new QPlainTextEdit(this);
    txtNotes->setObjectName("txtNotes");
    txtNotes->setGeometry(kDrawLeft, 328, kInfoLeft + kInfoWidth - kDrawLeft, 86);
    txtNotes->installEventFilter(this);
    connect(txtNotes, &QPlainTextEdit::textChanged, this, [this] { txtNotes_Change(); });
    cmdRecord = Command("cmdRecord", "SSCRecord", 328, &frmSSControl::cmdRecord_Click);
    cmdReset = Command("cmdReset", "SSCReset", 358, &frmSSControl::cmdReset_Click);

    // ---- The message panel ---------------------------------------------------------------------
    pnlMessage = new QFrame(this);
    pnlMessage->setObjectName("pnlMessage");
    pnlMessage->setGeometry(kSystemLeft, kMessageTop, kCommandLeft - 8 - kSystemLeft, 94);
    lblMessage = MakeLabel(pnlMessage, "lblMessage", QRect(8, 4, pnlMessage->width() - 16, 18));
    Message = MakeLabel(pnlMessage, "Message", QRect(8, 24, pnlMessage->width() - 16, 66), true);
    pnlMessage->hide();
    cmdIgnore = Command("cmdIgnore", "SSCIgnore", kMessageTop + 38, &frmSSControl::cmdIgnore_Click);
    cmdRespond = Command("cmdRespond", "SSCRespond", kMessageTop + 68, &frmSSControl::cmdRespond_Click);
    cmdIgnore->hide();
    cmdRespond->hide();

    // ---- The room map ----------------------------------------------------------------------------
    pnlBack = new QFrame(this);
    pnlBack->setObjectName("pnlBack");
    pnlBack->setGeometry(kSystemLeft, kMapTop, kMapPanelW, kMapPanelH);
    picMap = new PictureBox(pnlBack);
    picMap->setObjectName("picMap");
    picMap->resize(Px(kMapPictureSize), Px(kMapPictureSize));
    QPalette mapColours = picMap->palette();
    mapColours.setColor(QPalette::Base, QColor(0x16, 0x24, 0x2f));
    picMap->setPalette(mapColours);
    picMap->setMouseTracking(true);
    connect(picMap, &PictureBox::MouseDown, this,
            [this](int button, int, int x, int y) { picMap_MouseDown(button, picMap->mapToGlobal(QPoint(x, y))); });
    connect(picMap, &PictureBox::MouseMove, this, [this](int, int, int, int) { picMap_MouseMove(QCursor::pos()); });
    picYouAreHere = MakeLabel(picMap, "picYouAreHere", QRect(0, 0, Px(kMarkerSize), Px(kMarkerSize)));
    picYouAreHere->setMouseTracking(true);
    picYouAreHere->installEventFilter(this);
    picNorthUp = MakeLabel(pnlBack, "picNorthUp", QRect(kMapPanelW - 28, 4, 24, 32));
    picNorthUp->setAttribute(Qt::WA_TransparentForMouseEvents);
    pnlBack->hide();

    // Out of sight and never pressed: it only holds the keyboard focus between commands.
    cmdGoat = new QPushButton(this);
    cmdGoat->setObjectName("cmdGoat");
    cmdGoat->setAutoDefault(false);
    cmdGoat->setFlat(true);
    cmdGoat->setGeometry(-40, -40, 8, 8);
}

void frmSSControl::LoadPictures() {
    const std::string& folder = g_.st.PicturesPath;
    auto load = [&](const char* pattern) {
        QImage img;
        const std::string path = FindFile(folder, pattern);
        if (!path.empty()) img.load(Q(path));
        return img;
    };
    stars_ = load("STARS.*");
    actions_ = load("ACTIONS.*");
    const QImage north = load("NORTH.*"), marker = load("MARKER.*");
    // The arrow and the marker keep the outline of their pictures (SetFormRegion): what the
    // picture leaves transparent shows as the console's own colour, which the shape leaves out.
    auto shaped = [](QLabel* box, const QImage& picture) {
        QImage keyed(picture.size(), QImage::Format_RGB32);
        keyed.fill(kConsoleColour);
        QPainter(&keyed).drawImage(0, 0, picture);
        box->setPixmap(QPixmap::fromImage(keyed));
        box->resize(picture.size());
        long transparent = -1;
        SetFormRegion(box, transparent);
    };
    if (!north.isNull()) {
        picNorthUp->move(kMapPanelW - north.width() - 4, 4);
        shaped(picNorthUp, north);
    }
    if (!marker.isNull()) shaped(picYouAreHere, marker);
    const QImage grab = load("GRAB.*"), ungrab = load("UNGRAB.*");
    grab_ = grab.isNull() ? QCursor(Qt::ClosedHandCursor) : QCursor(QPixmap::fromImage(grab));
    ungrab_ = ungrab.isNull() ? QCursor(Qt::OpenHandCursor) : QCursor(QPixmap::fromImage(ungrab));
    picMap->setCursor(ungrab_);
}

// Once per run: centred, its pictures loaded, its texts empty, and the close-ups' shading set
// from the command line.
void frmSSControl::Form_Load() {
    LoadPictures();
    ConsoleFormLoad(g_);
    picDraw->image = QImage();
    picSolarSystem->image = QImage();
    // Sized first, so that the console is centred on its own size, whole on the desktop.
    ShowConsole();
    const QRect area = DesktopArea();
    const ConsoleBox at = CentredOnDesktop(width(), height(), {area.x(), area.y(), area.width(), area.height()});
    move(static_cast<int>(at.left), static_cast<int>(at.top));
}

void frmSSControl::KeepOnDesktop() {
    const QRect area = DesktopArea();
    const QRect outer = frameGeometry();
    const ConsoleBox at = KeptOnDesktop({outer.x(), outer.y(), outer.width(), outer.height()},
                                        {area.x(), area.y(), area.width(), area.height()});
    if (at.left != outer.x() || at.top != outer.y()) move(static_cast<int>(at.left), static_cast<int>(at.top));
}

void frmSSControl::reject() {
    // A visit runs from the engine's entry to the exit command; a dismissal meanwhile would leave
    // the ship on the star with the visit half recorded.
    if (g_.console.Visiting || g_.st.EnteringSystem) return;
    QDialog::reject();
}

void frmSSControl::Form_Activate() {
    host_.Run(Form::frmSSControl, [this] { ActivateConsole(g_); });
    ShowConsole();
}

void frmSSControl::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    // The visit starts once the window is up (a dialog cannot be closed while it is being shown).
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

// Minimising the console takes the other game windows out of sight; restoring brings them back.
void frmSSControl::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

// Minimised, the console takes the other windows away with it; restored, it brings them back.
void frmSSControl::Form_Resize() {
    if (isMinimized() && !away_) {
        hidden_.clear();
        for (int f = 1; f <= static_cast<int>(Form::frmLanguage); ++f) {
            const Form form = static_cast<Form>(f);
            QWidget* w = host_.FormWindow(form);
            if (!w || w == this || !w->isVisible()) continue;
            if (form == Form::frmBackground) {
                host_.HideByRegion(form);
                continue;
            }
            hidden_.push_back(w);
            w->hide();
        }
        away_ = true;
    } else if (!isMinimized() && away_) {
        for (const QPointer<QWidget>& w : hidden_)
            if (w) w->show();
        hidden_.clear();
        host_.ShowByRegion(Form::frmBackground);
        away_ = false;
    }
}

void frmSSControl::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QDialog::mouseMoveEvent(event);
}

// The text colour of a planet arrow, a palette colour.
void frmSSControl::SetArrowColour(int index, int colour) {
    lblPlanet[index]->setStyleSheet(QStringLiteral("color: %1;").arg(PaletteColour(colour).name()));
}

// Off the planet arrows: their hover highlight ends, both white again.
void frmSSControl::Form_MouseMove() {
    for (int i : {0, 2}) SetArrowColour(i, 15);
}
void frmSSControl::lblName_MouseMove() { Form_MouseMove(); }
void frmSSControl::picSolarSystem_MouseMove() { Form_MouseMove(); }
// Under the pointer an arrow turns red.
void frmSSControl::lblPlanet_MouseMove(int index) { SetArrowColour(index, 12); }

// A click as the player makes it: the left button pressed on the control and released over it.
// Takes the control's presses and releases; true for the release that ends a click.
bool frmSSControl::Clicked(QWidget* control, QEvent* event) {
    const auto* e = static_cast<const QMouseEvent*>(event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (e->button() == Qt::LeftButton) pressedOn_ = control;
            return false;
        case QEvent::MouseButtonRelease: {
            if (e->button() != Qt::LeftButton) return false;
            const bool click = pressedOn_ == control && control->rect().contains(e->position().toPoint());
            pressedOn_ = nullptr;
            return click;
        }
        default: return false;
    }
}

bool frmSSControl::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool mouseButton = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                             type == QEvent::MouseButtonRelease;
    // The star stands over the system view as a control of its own: its presses never reach the
    // view, where they would pick the nearest planet.
    if (watched == picStar && mouseButton) {
        if (Clicked(picStar, event)) host_.Run(Form::frmSSControl, [this] { picStar_Click(); });
        return true;
    }
    for (int i : {0, 2}) {
        if (watched != lblPlanet[i]) continue;
        if (mouseButton) {
            if (Clicked(lblPlanet[i], event)) host_.Run(Form::frmSSControl, [this, i] { lblPlanet_Click(i); });
            return true;
        }
        if (type == QEvent::MouseMove) {
            // The move is the arrow's own: going on to the console, it would end the highlight.
            lblPlanet_MouseMove(i);
            return true;
        }
    }
    if (watched == lblName && type == QEvent::MouseMove) lblName_MouseMove();
    if (watched == picYouAreHere) {
        if (type == QEvent::MouseButtonPress) {
            auto* e = static_cast<QMouseEvent*>(event);
            picYouAreHere_MouseDown(ButtonOf(e), e->globalPosition().toPoint());
            return true;
        }
        if (type == QEvent::MouseMove)
            picYouAreHere_MouseMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    }
    if (watched == txtNotes && type == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        int key = 0;
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
            key = 13;
        else if (e->key() == Qt::Key_Tab)
            key = 9;
        else if (e->text().size() == 1)
            key = e->text()[0].unicode();
        if (key == 0) return false;
        return txtNotes_KeyPress(key);
    }
    return QDialog::eventFilter(watched, event);
}

void frmSSControl::picStar_Click() { kv::picStar_Click(g_); }
void frmSSControl::lblPlanet_Click(int index) { kv::lblPlanet_Click(g_, index); }

void frmSSControl::picSolarSystem_MouseDown(int button, int shift, int x, int y) {
    kv::picSolarSystem_MouseDown(g_, button, shift, static_cast<double>(x) * kTwipsPerPixel,
                                 static_cast<double>(y) * kTwipsPerPixel);
}

// The notes as the box holds them, with the game's line ends; pasted notes are cut to the limit
// like typed ones.
void frmSSControl::txtNotes_Change() {
    if (showingNotes_) return;
    std::string text = txtNotes->toPlainText().toStdString();
    std::string withEnds;
    for (char ch : text) withEnds += ch == '\n' ? g_.st.NewLine : std::string(1, ch);
    if (CharCount(withEnds) > kNotesLimit) {
        withEnds = FirstCharacters(withEnds, kNotesLimit);
        QApplication::beep();
        g_.console.txtNotes = withEnds;
        ShowNotes();
    }
    g_.console.txtNotes = withEnds;
    host_.Run(Form::frmSSControl, [this] { kv::txtNotes_Change(g_); });
    cmdRecord->setEnabled(g_.console.Enabled.cmdRecord);
}

// A key typed into the notes, through the notes' filter; true when the box must not type it
// itself (discarded, or typed here).
bool frmSSControl::txtNotes_KeyPress(int keyAscii) {
    std::string text = g_.console.txtNotes;
    const bool beep = kv::txtNotes_KeyPress(text, keyAscii, g_.st.NewLine);
    if (beep) QApplication::beep();
    if (text != g_.console.txtNotes) {
        g_.console.txtNotes = text;
        ShowNotes();
        txtNotes->moveCursor(QTextCursor::End);
        host_.Run(Form::frmSSControl, [this] { kv::txtNotes_Change(g_); });
        cmdRecord->setEnabled(g_.console.Enabled.cmdRecord);
    }
    // The filter sets a discarded key to 0.
    return keyAscii == 0 || keyAscii == 13 || keyAscii == 9;
}

// ---- The room map --------------------------------------------------------------------------------

void frmSSControl::picMap_MouseDown(int button, QPoint globalPos) {
    ConsoleState& c = g_.console;
    if (button & 1) {
        picMap->setCursor(grab_);
        mapGrab_ = true;
        DragWindow(picMap, globalPos, [this] {
            g_.console.picMap.Left = picMap->x() * kTwipsPerPixel;
            g_.console.picMap.Top = picMap->y() * kTwipsPerPixel;
            picNorthUp->raise();
        });
        picNorthUp->raise();
    } else if (button & 2) {
        CenterMap(c);
        ShowMapControls();
    }
}

// The first pointer move after a drag (the drag itself takes the moves while the button is held).
void frmSSControl::picMap_MouseMove(QPoint) {
    if (!mapGrab_) return;
    picMap->setCursor(ungrab_);
    mapGrab_ = false;
}

void frmSSControl::picYouAreHere_MouseDown(int button, QPoint globalPos) { picMap_MouseDown(button, globalPos); }
void frmSSControl::picYouAreHere_MouseMove(QPoint globalPos) { picMap_MouseMove(globalPos); }
void frmSSControl::Rooms_MouseDown(int, int button, QPoint globalPos) { picMap_MouseDown(button, globalPos); }
void frmSSControl::Rooms_MouseMove(int, QPoint globalPos) { picMap_MouseMove(globalPos); }

void frmSSControl::ShowMapControls() {
    const ConsoleState& c = g_.console;
    pnlBack->setVisible(c.MapMode != 0);
    picMap->move(Px(c.picMap.Left), Px(c.picMap.Top));
    while (Rooms.size() < c.Rooms.size()) {
        auto* room = new Room(picMap);
        const int index = static_cast<int>(Rooms.size());
        room->setObjectName(QStringLiteral("Rooms(%1)").arg(index));
        room->setMouseTracking(true);
        connect(room, &Room::MouseDown, this, [this, room, index](int button, int, int x, int y) {
            Rooms_MouseDown(index, button, room->mapToGlobal(QPoint(x, y)));
        });
        connect(room, &Room::MouseMove, this, [this, index](int, int, int, int) { Rooms_MouseMove(index, QCursor::pos()); });
        Rooms.push_back(room);
    }
    while (Rooms.size() > c.Rooms.size()) {
        delete Rooms.back();
        Rooms.pop_back();
    }
    for (size_t i = 0; i < Rooms.size(); ++i) {
        const RoomCell& cell = c.Rooms[i];
        Room* room = Rooms[i];
        room->move(Px(cell.Place.Left), Px(cell.Place.Top));
        room->SetDoors(cell.Door);
        room->SetTag(Q(cell.Tag));
        room->setVisible(cell.Place.Visible);
    }
    if (c.CurrentRoom >= 0 && static_cast<size_t>(c.CurrentRoom) < Rooms.size()) Rooms[c.CurrentRoom]->raise();
    picYouAreHere->move(Px(c.picYouAreHere.Left), Px(c.picYouAreHere.Top));
    picYouAreHere->setVisible(c.picYouAreHere.Visible);
    picYouAreHere->raise();
    picNorthUp->raise();
}

QImage frmSSControl::ActionIcon(int icon) const {
    if (!actions_.isNull() && icon >= 0 && icon < kActionIcons) {
        const int w = actions_.width() / kActionIcons;
        return actions_.copy(icon * w, 0, w, actions_.height());
    }
    // A response without an icon of its own: a plain round face of the icons' size.
    const int side = actions_.isNull() ? 32 : actions_.height();
    QImage face(side, side, QImage::Format_ARGB32_Premultiplied);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(160, 200, 235), 1.5));
    p.setBrush(QColor(40, 70, 105));
    p.drawEllipse(QRectF(1, 1, side - 2, side - 2));
    p.setBrush(QColor(255, 235, 140));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(side / 2.0, side / 2.0), side / 8.0, side / 8.0);
    return face;
}

void frmSSControl::ShowActions() {
    const ConsoleState& c = g_.console;
    while (rcmdAction.size() < c.Actions.size()) {
        const int i = static_cast<int>(rcmdAction.size());
        // Each button gets its picture and the shape of that picture when it is made.
        auto* b = new ShapedPictureButton(this);
        b->setObjectName(QStringLiteral("rcmdAction(%1)").arg(i));
        b->hide();
        b->SetPicture(ActionIcon(i < kActionIcons ? i : -1), kConsoleColour);
        long transparent = -1;
        SkinForm(b, transparent, kActionOutline);
        connect(b, &ShapedPictureButton::MouseDown, this, [this, i](Qt::MouseButton button) { rcmdAction_MouseDown(i, button); });
        connect(b, &ShapedPictureButton::MouseMove, this,
                [this, i](Qt::MouseButtons buttons, QPoint at) { rcmdAction_MouseMove(i, buttons, at); });
        connect(b, &ShapedPictureButton::MouseUp, this, [this, i](Qt::MouseButton button) { rcmdAction_MouseUp(i, button); });
        rcmdAction.push_back(b);
        auto* l = MakeLabel(this, QStringLiteral("lblAct(%1)").arg(i), QRect());
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lblAct.push_back(l);
    }
    for (size_t i = 0; i < rcmdAction.size(); ++i) ShowAction(i);
}

void frmSSControl::rcmdAction_MouseDown(int index, Qt::MouseButton button) {
    ShapedButtonDown(rcmdAction[static_cast<size_t>(index)], button);
}

void frmSSControl::rcmdAction_MouseMove(int index, Qt::MouseButtons buttons, QPoint at) {
    ShapedButtonMove(rcmdAction[static_cast<size_t>(index)], buttons, at);
}

void frmSSControl::rcmdAction_MouseUp(int index, Qt::MouseButton button) {
    if (!ShapedButtonUp(rcmdAction[static_cast<size_t>(index)], button)) return;
    host_.Run(Form::frmSSControl, [this, index] {
        rcmdAction_Click(index);
        ShowConsole();
    });
}

void frmSSControl::rcmdAction_Click(int index) { kv::rcmdAction_Click(g_, index); }

void frmSSControl::ShowAction(size_t i) {
    const ConsoleState& c = g_.console;
    ShapedPictureButton* b = rcmdAction[i];
    QLabel* l = lblAct[i];
    if (i >= c.Actions.size() || !c.Actions[i].Visible || !c.MapMode) {
        // A button taken away takes its outline with it.
        if (!b->isHidden()) PaintSkinBorder(b, 0, 0);
        b->hide();
        l->hide();
        return;
    }
    const ActionButton& a = c.Actions[i];
    const QPoint rest(kSystemLeft + kMapPanelW + 12, kMapTop + a.Row * kActionStep);
    const QImage picture = ActionIcon(a.Icon);
    // Placed (and outlined) again only when its place or picture changes, so that a button
    // held down stays pressed while the console is shown again.
    if (b->isHidden() || b->property("rest").toPoint() != rest || b->Picture() != picture) {
        if (!b->isHidden()) PaintSkinBorder(b, 0, 0);
        b->move(rest);
        b->setProperty("rest", rest);
        if (b->Picture() != picture) {
            b->SetPicture(picture, kConsoleColour);
            long transparent = -1;
            SkinForm(b, transparent, kActionOutline);
        }
        // The outline along the button's shape, which shows while the button is pressed.
        PaintSkinBorder(b, 1, 1);
        b->show();
    }
    b->setToolTip(Q(a.Caption));
    b->setProperty("Tag", Q(a.Tag));
    const int left = rest.x() + b->width() + 6;
    l->setGeometry(left, rest.y(), kCommandLeft + kCommandWidth - left, b->height());
    const QFontMetrics metrics(l->font());
    const int room = l->width();
    l->setText(
        Q(ShortenedToFit(a.Caption, [&](const std::string& t) { return metrics.horizontalAdvance(Q(t)) <= room; })));
    l->setToolTip(Q(a.Caption));
    l->show();
}

// ---- The whole console ---------------------------------------------------------------------------

void frmSSControl::ShowNotes() {
    QString shown = Shown(g_.console.txtNotes);
    if (txtNotes->toPlainText() == shown) return;
    showingNotes_ = true;
    txtNotes->setPlainText(shown);
    showingNotes_ = false;
}

void frmSSControl::SetFlagColours() {
    const ConsoleState& c = g_.console;
    pnlFlags->setVisible(c.pnlFlagsVisible);
    for (int i = 0; i < 8; ++i) {
        QPalette pal = shpFlag[i]->palette();
        const QColor colour = ConsoleColour(c.FlagColour[i]);
        if (pal.color(QPalette::Window) == colour) continue;
        pal.setColor(QPalette::Window, colour);
        shpFlag[i]->setPalette(pal);
    }
}

void frmSSControl::ShowConsole() {
    const ConsoleState& c = g_.console;
    lblName->setText(Q(c.lblName));
    lblM0Title->setText(Shown(c.lblM0Title));
    lblM0Text->setText(Shown(c.lblM0Text));
    lblM1Title->setText(Shown(c.lblM1Title));
    lblM1Text->setText(Shown(c.lblM1Text));
    lblM2Title->setText(Shown(c.lblM2Title));
    lblM2Text->setText(Shown(c.lblM2Text));
    lblLib->setText(Shown(c.lblLib));
    plblM0Title->setText(Shown(c.plblM0Title));
    plblM0Text->setText(Shown(c.plblM0Text));
    pnlM0Title->setVisible(c.pnlM0Visible);
    pnlM0Text->setVisible(c.pnlM0Visible);
    shpNoHS->setVisible(c.shpNoHSVisible);
    pnlOrbiting->setText(Q(c.pnlOrbitingCaption));
    pnlOrbiting->setVisible(c.pnlOrbitingVisible);

    const ConsoleButtons& e = c.Enabled;
    cmdEnterOrbit->setEnabled(e.cmdEnterOrbit);
    cmdLeaveOrbit->setEnabled(e.cmdLeaveOrbit);
    cmdHail->setEnabled(e.cmdHail);
    cmdBeam->setEnabled(e.cmdBeam);
    cmdEnergy->setEnabled(e.cmdEnergy);
    cmdPhaser->setEnabled(e.cmdPhaser);
    cmdPhoton->setEnabled(e.cmdPhoton);
    cmdRecord->setEnabled(e.cmdRecord);
    ShowNotes();

    pnlMessage->setVisible(c.pnlMessageVisible);
    lblMessage->setText(Q(c.lblMessage));
    Message->setText(Shown(c.Message));
    cmdRespond->setVisible(c.cmdRespondVisible);
    cmdIgnore->setVisible(c.cmdIgnoreVisible);
    cmdRespond->setProperty("Tag", Q(c.cmdRespondCaption));

    ShowMapControls();
    ShowActions();
    SetFlagColours();

    if (c.DrawingsCleared) {
        // The visit was left: nothing of its system stays in the pictures.
        if (clip_) CloseClip();
        picDraw->image = QImage();
        picDraw->update();
        picStar->clear();
        shpSelect->hide();
    }

    // The window ends below the map with the map on, below the respond button with it off, and
    // stays whole on the desktop when it grows.
    const QWidget* lowest = c.MapMode ? static_cast<QWidget*>(pnlBack) : static_cast<QWidget*>(cmdRespond);
    const QSize size(cmdRespond->geometry().right() + 1 + 4, lowest->geometry().bottom() + 1 + 4);
    if (size != this->size()) {
        setFixedSize(size);
        KeepOnDesktop();
    }
    picSolarSystem->update();
}

// ---- The system view -----------------------------------------------------------------------------

void frmSSControl::DrawSystem() {
    ConsoleState& c = g_.console;
    // The system's own star picture, else its type's cell of the star strip.
    QImage star;
    const std::string sun = FindFile(g_.st.PicturesPath, c.CurrentSystem.DescriptorName + "Sun.*");
    if (!c.CurrentSystem.DescriptorName.empty() && !sun.empty()) star.load(Q(sun));
    if (star.isNull() && !stars_.isNull()) {
        const int w = stars_.width() / 9;
        star = stars_.copy(std::clamp<int>(c.SSStarType, 0, 8) * w, 0, w, stars_.height());
    }
    picStar->setPixmap(star.isNull() ? QPixmap()
                                     : QPixmap::fromImage(star.scaled(picStar->size(), Qt::KeepAspectRatio,
                                                                      Qt::SmoothTransformation)));
    // The system's planet strip (one cell per planet), kept while the system stays the same.
    const QString desc = Q(c.CurrentSystem.DescriptorName);
    if (!desc.isEmpty() && desc != stripTag_) {
        const std::string path = FindFile(g_.st.PicturesPath, c.CurrentSystem.DescriptorName + ".*");
        QImage strip;
        if (!path.empty() && strip.load(Q(path))) {
            strip_ = strip;
            stripTag_ = desc;
        }
    }
    // The selection frame: round the star, or round the selected planet.
    const int n = static_cast<int>(Val(c.SelectTag));
    if (n >= 1 && n <= c.SSPlanetCount) {
        const double cx = std::floor(kStarPictureLeft + kStarPictureSize / 2.0);
        const double cy = std::floor(kStarPictureTop + kStarPictureSize / 2.0);
        const double x = cx + std::cos(c.PlanetAngle[n]) * c.PlanetOrbitRadius[n];
        const double y = cy + std::sin(c.PlanetAngle[n]) * c.PlanetOrbitRadius[n];
        const int half = c.PlanetDrawSize[n] + 4;
        shpSelect->setGeometry(static_cast<int>(x / kTwipsPerPixel) - half, static_cast<int>(y / kTwipsPerPixel) - half,
                               2 * half + 1, 2 * half + 1);
    } else {
        shpSelect->setGeometry(picStar->geometry().adjusted(-3, -3, 3, 3));
    }
    shpSelect->setVisible(c.shpSelectVisible);
    picSolarSystem->update();
}

void frmSSControl::PaintSystem(QPainter& p) {
    ConsoleState& c = g_.console;
    if (c.DrawingsCleared) return;
    p.setRenderHint(QPainter::Antialiasing, false);
    const int cx = static_cast<int>(std::floor(kStarPictureLeft + kStarPictureSize / 2.0)) / kTwipsPerPixel;
    const int cy = static_cast<int>(std::floor(kStarPictureTop + kStarPictureSize / 2.0)) / kTwipsPerPixel;
    const int selected = static_cast<int>(Val(c.SelectTag));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= c.SSPlanetCount; ++i) {
        const bool belt = c.CurrentSystem.Planets[i - 1].PlanetValue5 == 0;
        p.setPen(QPen(ConsoleColour(OrbitColour(belt, selected == i)), 0));
        if (belt) {
            const BeltPlan plan = BeltSpecks(c.PlanetOrbitRadius[i], c.PlanetAngle[i], g_.cosmetic);
            for (const BeltArc& a : plan.arcs) {
                const double r = a.radius / kTwipsPerPixel;
                const QRectF box(cx - r, cy - r, 2 * r, 2 * r);
                const int start = static_cast<int>(std::lround(a.start * 180 / 3.14159265358979 * 16));
                // A speck runs its step along the ring (a fraction of a degree on a wide orbit).
                const int span = std::max(1, static_cast<int>(std::lround(a.sweep * 180 / 3.14159265358979 * 16)));
                p.drawArc(box, start, span);
            }
        } else {
            const double r = static_cast<double>(c.PlanetOrbitRadius[i]) / kTwipsPerPixel;
            p.drawEllipse(QPointF(cx, cy), r, r);
        }
    }
    for (int i = 1; i <= c.SSPlanetCount; ++i) {
        const double r = c.PlanetOrbitRadius[i];
        const double x = cx * kTwipsPerPixel + Int(std::cos(c.PlanetAngle[i]) * r);
        const double y = cy * kTwipsPerPixel + Int(std::sin(c.PlanetAngle[i]) * r);
        const QColor colour = PaletteColour(static_cast<int>(c.PlanetColour[i]));
        p.setPen(QPen(colour, 0));
        p.setBrush(colour);
        const double size = c.PlanetDrawSize[i];
        p.drawEllipse(QPointF(x / kTwipsPerPixel, y / kTwipsPerPixel), size, size);
    }
}

QImage frmSSControl::SystemPicture() {
    DrawSystem();
    QImage image(picSolarSystem->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    PaintSystem(p);
    return image;
}

// ---- The spectrum ----------------------------------------------------------------------------------

void frmSSControl::DrawSpectral() {
    const ConsoleState& c = g_.console;
    // The star's spectrum takes the box back from a planet's clip.
    CloseClip();
    picDraw->show();
    const int w = picDraw->width(), h = picDraw->height();
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    const std::vector<Long> columns = SpectrumColumns(w);
    if (!columns.empty()) {
        const int top = h / 2 - kSpectrumHeight / 2;
        QPainter p(&image);
        for (int x = 0; x < w; ++x) {
            p.setPen(ConsoleColour(columns[static_cast<size_t>(x)]));
            p.drawLine(x, top, x, top + kSpectrumHeight - 1);
        }
        const int length = static_cast<int>(Q(c.SSSystemName).trimmed().size());
        p.setPen(Qt::black);
        for (int x : SpectrumLines(length, c.SSStarType, w, g_.cosmetic))
            p.drawLine(x, top, x, top + kSpectrumHeight - 1);
    }
    picDraw->image = image;
    picDraw->update();
}

// ---- The planet close-up ----------------------------------------------------------------------------

void frmSSControl::CloseClip() {
    clipTimer_->stop();
    clip_.reset();
    aviTag_.clear();
    AVI->hide();
    AVI->clear();
    g_.console.pnlM0Visible = false;
    pnlM0Title->hide();
    pnlM0Text->hide();
}

void frmSSControl::NextClipFrame() {
    if (!clip_ || clip_->frames.empty()) return;
    clipFrame_ = (clipFrame_ + 1) % clip_->frames.size();
    const std::vector<uint32_t>& f = clip_->frames[clipFrame_];
    QImage image(reinterpret_cast<const uchar*>(f.data()), clip_->width, clip_->height, clip_->width * 4,
                 QImage::Format_RGB32);
    AVI->setPixmap(QPixmap::fromImage(image.copy()));
}

bool frmSSControl::LoadAVI(const SolarSystemRecord& rec, int planet) {
    ConsoleState& c = g_.console;
    const QString name = Q(ClipName(rec.DescriptorName, planet));
    if (name == aviTag_) return true;
    CloseClip();
    const std::string path = FindFile(g_.st.PicturesPath, name.toStdString());
    if (path.empty()) return false;
    std::optional<AviClip> clip = LoadAviClip(path);
    if (!clip) return false;
    clip_ = std::move(clip);
    aviTag_ = name;
    clipFrame_ = clip_->frames.size() - 1;
    NextClipFrame();
    AVI->show();
    AVI->raise();
    clipTimer_->start(std::clamp(clip_->microsecondsPerFrame / 1000, 20, 1000));
    c.pnlM0Visible = true;
    c.plblM0Title = c.lblM0Title;
    c.plblM0Text = c.lblM0Text;
    return true;
}

QImage frmSSControl::TextureFor(int planetClass, int planet) {
    const ConsoleState& c = g_.console;
    const QColor plain = PaletteColour(static_cast<int>(c.PlanetColour[planet]));
    auto filled = [&] {
        QImage box(picDraw->size(), QImage::Format_RGB32);
        box.fill(plain);
        return box;
    };
    // With the start-up cache each class has its own box; element 0 (class 0) holds nothing.
    if (!g_.switches.NoPlanetCache) {
        if (planetClass == 0) return filled();
        const QPixmap cached = host_.PlanetPicture(planetClass);
        return cached.isNull() ? filled() : cached.toImage();
    }
    // Without it, one box serves every class and is loaded again when the class changes.
    if (texture0Class_ != planetClass || texture0_.isNull()) {
        char pattern[16];
        std::snprintf(pattern, sizeof pattern, "PLANET%02d.*", planetClass);
        const std::string path = FindFile(g_.st.PicturesPath, pattern);
        QImage loaded;
        if (path.empty() || !loaded.load(Q(path))) loaded = filled();
        texture0_ = loaded;
        texture0Class_ = planetClass;
    }
    return texture0_;
}

void frmSSControl::DrawPlanets() {
    ConsoleState& c = g_.console;
    const int n = static_cast<int>(Val(c.SelectTag));
    if (n < 1 || n > c.SSPlanetCount) return;
    ++planetDraws;
    g_.host.SetMousePointer(Pointer::Hourglass);
    const PlanetEntry& p = c.CurrentSystem.Planets[n - 1];
    const Long seed = PlanetSeed(p.PlanetValue4, p.PlanetValue1);
    if (LoadAVI(c.CurrentSystem, n)) {
        picDraw->hide();
    } else {
        picDraw->image = QImage();
        picDraw->show();
        picDraw->repaint();
        lblScanning->show();
        lblScanning->raise();
        lblScanning->repaint();
        const std::string& desc = c.CurrentSystem.DescriptorName;
        if (c.PlanetDrawSize[n] != 0 && !stripTag_.isEmpty() && stripTag_ == Q(desc) &&
            HasPlanetPicture(g_, stripTag_.toStdString(), n) && c.SSPlanetCount > 0) {
            const int cell = strip_.width() / c.SSPlanetCount;
            picDraw->image = strip_.copy((n - 1) * cell, 0, cell, strip_.height());
        } else {
            const int cls = std::clamp<int>(p.PlanetValue5, 0, 14);
            const QImage texture = TextureFor(cls, n);
            lastSphere = PlanetSphere(cls, c.PlanetDrawSize[n], picDraw->width(), texture.width(), texture.height(),
                                      seed, g_.cosmetic);
            lastSphereShaded = cls > 0 && c.BadPlanets != 0;
            picDraw->image = ToImage(
                GenerateSphere(ToPixels(texture), picDraw->width(), picDraw->height(), lastSphere, lastSphereShaded));
        }
    }
    lblScanning->hide();
    picDraw->update();
    g_.host.SetMousePointer(Pointer::Default);
}

}  // namespace kv
