#include "ui/dialogs/frmSRS.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/tactical/ShortRangeScan.h"
#include "state/DisplayData.h"
#include "ui/host/QtColours.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

constexpr int kPixel = 15;             // twips per pixel
constexpr int kTorpedoCode = 14;       // a photon torpedo in flight (a frame of its own strip)
constexpr int kFallbackIcon = 24;      // the cell size when no icon strip could be read
constexpr double kDesignCell = 255.0;  // the cell the marker sizes were set for (twips)

std::vector<QPixmap> Cut(const QPixmap& strip, int cells) {
    std::vector<QPixmap> out;
    if (strip.isNull() || cells <= 0) return out;
    const int w = strip.width() / cells;
    for (int i = 0; i < cells; ++i) out.push_back(strip.copy(i * w, 0, w, strip.height()));
    return out;
}

}  // namespace

// ---- The cells ---------------------------------------------------------------------------------

ScanCell::ScanCell(frmSRS& window, int index) : QWidget(&window), window_(window), index_(index) {
    setObjectName(QStringLiteral("picSector(%1)").arg(index));
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ScanCell::mousePressEvent(QMouseEvent* e) {
    afterDoubleClick_ = false;
    window_.picSector_MouseDown(index_, ButtonOf(e->button()), ShiftOf(e->modifiers()));
}

void ScanCell::mouseReleaseEvent(QMouseEvent* e) {
    // The release that ends a double click makes no click of its own.
    const bool click = e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && !afterDoubleClick_;
    afterDoubleClick_ = false;
    if (click) window_.picSector_Click(index_);
}

void ScanCell::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    afterDoubleClick_ = true;
    window_.picSector_DblClick(index_);
}

void ScanCell::mouseMoveEvent(QMouseEvent* e) { window_.picSector_MouseMove(index_, ButtonOf(e->buttons())); }

// ---- The window ----------------------------------------------------------------------------------

frmSRS::frmSRS(Game& g, QtHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      g_(g),
      host_(host) {
    setObjectName("frmSRS");
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    setWindowTitle(QString::fromStdString(g.Text("SRSCap")));
    setMouseTracking(true);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::WindowText, QColor(170, 190, 220));
    setPalette(dark);
    setAutoFillBackground(false);

    for (int k = 0; k < 64; ++k) picSector[static_cast<size_t>(k)] = new ScanCell(*this, k);
    for (int i = 0; i < 8; ++i) {
        auto make = [&](const char* name) {
            auto* l = new QLabel(QString::number(i + 1), this);
            l->setObjectName(QStringLiteral("%1(%2)").arg(name).arg(i));
            l->setAlignment(Qt::AlignCenter);
            l->setFixedSize(12, 16);
            l->setAttribute(Qt::WA_TransparentForMouseEvents);
            return l;
        };
        Coordh[static_cast<size_t>(i)] = make("Coordh");
        Coordv[static_cast<size_t>(i)] = make("Coordv");
    }
    lblName = new QLabel(QStringLiteral("System Name"), this);
    lblName->setObjectName("lblName");
    lblName->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblName->setStyleSheet(QStringLiteral(
        "QLabel { background: rgb(255, 255, 200); color: black; border: 1px solid black; padding: 1px 3px; }"));
    lblName->hide();

    tmrHideLabel = new QTimer(this);
    tmrHideLabel->setObjectName("tmrHideLabel");
    tmrHideLabel->setInterval(3000);
    tmrHideLabel->setSingleShot(true);
    connect(tmrHideLabel, &QTimer::timeout, this, [this] { tmrHideLabel_Timer(); });

    // The ship's shield ring runs through the colour table while the shields are up, at the
    // pace the status bars give it (an interval of 0 stops it).
    tmrShield_ = new QTimer(this);
    tmrShield_->setObjectName("tmrShield");
    tmrShield_->setInterval(1000);
    connect(tmrShield_, &QTimer::timeout, this, [this] { tmrShield_Timer(); });
    host.OnTimer(Timer::frmSRS_tmrShield, this, [this](bool) { ApplyShieldAnimation(); });
    host.FollowView(View::Bars, this, [this] { ApplyShieldAnimation(); });
    ApplyShieldAnimation();
    QTimer* tractor = host.AddTimer(Timer::frmSRS_tmrMorvTractor, this, 200, [this] { tmrMorvTractor_Timer(); });
    tractor->setObjectName("tmrMorvTractor");

    Form_Load();

    host.OnView(View::SrsIcons, this, [this] { LoadSrsIcons(); });
    host.OnView(View::SrsColors, this, [this] { ApplySrsColors(); });
    host.OnView(View::ShortRangeScan, this, [this] { ShowScan(); });
    host.SetScanSurface(this);
}

void frmSRS::Form_Load() {
    shown_.fill(kIconEmpty);
    own_.fill(kIconEmpty);
    LoadSrsIcons();
    LayOut();
    host_.PlaceBy(Form::frmSRS, this, [this] { PlaceWindow(); });
}

void frmSRS::tmrShield_Timer() {
    shieldStep_ = NextShieldStep(shieldStep_);
    update(ShieldRingPixels().toAlignedRect().adjusted(-2, -2, 2, 2));
}

void frmSRS::tmrMorvTractor_Timer() { MorvTractorTick(g_); }

frmSRS::~frmSRS() { host_.SetScanSurface(nullptr); }

// ---- Layout --------------------------------------------------------------------------------------

void frmSRS::LoadSrsIcons() {
    const std::string file = ScanIconFile(g_);
    if (!file.empty()) {
        QPixmap strip(QString::fromStdString(file));
        if (!strip.isNull()) strip_ = strip;
    }
    const std::string torpedo = TorpedoFramesFile(g_);
    if (!torpedo.empty() && torpedoStrip_.isNull()) torpedoStrip_.load(QString::fromStdString(torpedo));
    ScaleIcons();
    update();
}

void frmSRS::ScaleIcons() {
    const QSize cell(std::max(1L, layout_.cellWidth / kPixel), std::max(1L, layout_.cellHeight / kPixel));
    icons_.clear();
    for (const QPixmap& p : Cut(strip_, kStripCells))
        icons_.push_back(p.scaled(cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    torpedoFrames_.clear();
    const int frames =
        torpedoStrip_.isNull() ? 0 : std::max(1, torpedoStrip_.width() / std::max(1, torpedoStrip_.height()));
    for (const QPixmap& p : Cut(torpedoStrip_, frames))
        torpedoFrames_.push_back(p.scaled(cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void frmSRS::LayOut() {
    ScanLayoutInput in;
    in.drawOption = g_.st.SRSDrawOption;
    const int natural = strip_.isNull() ? kFallbackIcon : strip_.width() / kStripCells;
    in.iconWidth = static_cast<long>(natural) * kPixel;
    in.iconHeight = static_cast<long>(strip_.isNull() ? kFallbackIcon : strip_.height()) * kPixel;
    in.pixelX = in.pixelY = kPixel;
    in.coordhWidth = Coordh[0]->width() * kPixel;
    in.coordvHeight = Coordv[0]->height() * kPixel;
    layout_ = LayOutScan(in);
    ScaleIcons();
    for (int k = 0; k < 64; ++k) {
        picSector[static_cast<size_t>(k)]->setGeometry(CellPixels(k));
        shown_[static_cast<size_t>(k)] = own_[static_cast<size_t>(k)] = kIconEmpty;
        hidden_[static_cast<size_t>(k)] = false;
    }
    for (int i = 0; i < 8; ++i) {
        QLabel* h = Coordh[static_cast<size_t>(i)];
        h->move(qRound(layout_.coordhLeft[static_cast<size_t>(i)] / kPixel), 0);
        h->setVisible(layout_.coords);
        QLabel* v = Coordv[static_cast<size_t>(i)];
        v->move(0, qRound(layout_.coordvTop[static_cast<size_t>(i)] / kPixel));
        v->setVisible(layout_.coords);
    }
    setFixedSize(qRound(layout_.coverWidth / kPixel), qRound(layout_.coverHeight / kPixel));
    lblName->raise();
    update();
}

void frmSRS::ApplySrsColors() {
    LayOut();
    if (g_.st.GameRunning) SRS(g_);
}

void frmSRS::RandomPics() {
    const std::array<int, 64> icons = RandomScanIcons(g_);
    for (int k = 0; k < 64; ++k) DrawSector(k / 8 + 1, k % 8 + 1, icons[static_cast<size_t>(k)]);
}

// Right of the message log; at the top of a small screen, else below the info window's height.
// (Where the command bar or the info window stands in that place, the arranger finds the nearest
// free one.)
void frmSRS::PlaceWindow() {
    const QWidget* output = host_.FormWindow(Form::frmOutput);
    host_.LoadForm(Form::frmInfo);
    const QWidget* info = host_.FormWindow(Form::frmInfo);
    const QRect area = DesktopArea();
    double left = 0, top = 0;
    PlaceScanWindow(area.width(), output ? OuterBox(output).left : area.left(), output ? OuterBox(output).width : 0,
                    info ? OuterBox(info).height : 0, left, top);
    move(qRound(left), area.top() + qRound(top));
}

QRectF frmSRS::Pixels(const TwipRect& r) const {
    return QRectF(r.left / kPixel, r.top / kPixel, r.width / kPixel, r.height / kPixel);
}

QRect frmSRS::CellPixels(int cell) const {
    if (cell < 0 || cell > 63) return {};
    return Pixels(layout_.cells[static_cast<size_t>(cell)]).toRect();
}

std::optional<int> frmSRS::CellOf(int row, int col) const {
    if (!InGalaxy(row, col)) return std::nullopt;
    return (row - 1) * 8 + (col - 1);
}

// ---- ScanView ------------------------------------------------------------------------------------

void frmSRS::DrawSector(int row, int col, int code) {
    const auto cell = CellOf(row, col);
    if (!cell || code < 0 || code > kTorpedoCode) return;
    const size_t k = static_cast<size_t>(*cell);
    shown_[k] = code;
    if (code == kTorpedoCode)
        torpedoFrame_[k] = nextTorpedoFrame_++;
    else if (code < kStripCells - 1)
        own_[k] = code;
    update(CellPixels(*cell).adjusted(-2, -2, 2, 2));
}

void frmSRS::ResetSRSCells() {
    shown_.fill(kIconEmpty);
    own_.fill(kIconEmpty);
    hidden_.fill(false);
    update();
}

int frmSRS::SectorCellPixels() { return static_cast<int>(layout_.cellWidth / kPixel); }

void frmSRS::DrawFlashRing(int row, int col, int radius, int colour) {
    const auto cell = CellOf(row, col);
    if (!cell) return;
    hidden_[static_cast<size_t>(*cell)] = true;
    ring_ = {*cell, radius, colour};
    update();
}

void frmSRS::EndFlash(int row, int col) {
    if (const auto cell = CellOf(row, col)) hidden_[static_cast<size_t>(*cell)] = false;
    ring_ = {};
    update();
}

void frmSRS::ShowTowIcon(int row, int col) { DrawSector(row, col, kStripCells - 1); }

void frmSRS::ResetSectorPicture(int row, int col) {
    if (const auto cell = CellOf(row, col)) DrawSector(row, col, own_[static_cast<size_t>(*cell)]);
}

void frmSRS::AnimateSectorMove(int fromRow, int fromCol, int toRow, int toCol, int line) {
    if (line < 0 || line > 14) return;
    // The far end's scatter is the window's own: it draws from the cosmetic generator.
    const double dx = g_.cosmetic.Rnd(), dy = g_.cosmetic.Rnd();
    if (const auto ends = BeamEnds(layout_.frames, fromRow, fromCol, toRow, toCol, dx, dy))
        beams_[static_cast<size_t>(line)].ends = *ends;
    update();
}

void frmSRS::ShowBeamLines(int first, int last, bool visible) {
    for (int i = std::max(0, first); i <= std::min(14, last); ++i) beams_[static_cast<size_t>(i)].visible = visible;
    update();
}

void frmSRS::SetTractorBeamColours(bool morv) {
    morvTractorColours_ = morv;
    update();
}

double frmSRS::MarkerSide(SectorMarker marker) const {
    // The sizes were set for a 255-twip cell; the rings keep their proportion to our cells.
    const double side = marker == SectorMarker::MorvShield ? layout_.morvShieldSize : layout_.shieldSize;
    return side * static_cast<double>(layout_.cellWidth) / (kDesignCell * layout_.scale);
}

void frmSRS::PlaceMarker(SectorMarker marker, int row, int col) {
    const size_t m = static_cast<size_t>(marker);
    const double side = MarkerSide(marker);
    markerPlace_[m] = kv::CentreOnSector(layout_.frames, side, side, row, col);
    if (!markerPlace_[m]) markerVisible_[m] = false;
    update();
}

void frmSRS::ShowMarker(SectorMarker marker, bool visible) {
    const size_t m = static_cast<size_t>(marker);
    markerVisible_[m] = visible && markerPlace_[m].has_value();
    update();
}

bool frmSRS::MarkerVisible(SectorMarker marker) const { return markerVisible_[static_cast<size_t>(marker)]; }

QRectF frmSRS::MarkerPixels(SectorMarker marker) const {
    const auto& place = markerPlace_[static_cast<size_t>(marker)];
    return place ? Pixels(*place) : QRectF();
}

QLineF frmSRS::BeamPixels(int line) const {
    const BeamLine& b = beams_[static_cast<size_t>(line)].ends;
    return QLineF(b.x1 / kPixel, b.y1 / kPixel, b.x2 / kPixel, b.y2 / kPixel);
}

void frmSRS::ShowFlare(int row, int col, double dx, double dy, int size) {
    const auto cell = CellOf(row, col);
    if (!cell || size <= 0)
        flare_.reset();
    else
        flare_ = FlareSpot(layout_.frames[static_cast<size_t>(*cell)], dx, dy, size, kPixel);
    update();
}

void frmSRS::HyperspaceFlash(int frame, long colour) {
    hyperFrame_ = frame;
    hyperColour_ = colour;
    update();
}

// The glide keeps its own pace on the clock and lets nothing else run meanwhile: only the
// sprite is painted, step by step.
void frmSRS::AnimateMorvMove(int fromRow, int fromCol, int toRow, int toCol) {
    MorvGlide glide = PlanMorvGlide(g_.st, layout_.cells, fromRow, fromCol, toRow, toCol, kPixel, kPixel);
    spriteLeft_ = glide.left;
    spriteTop_ = glide.top;
    spriteVisible_ = false;
    const double pace = glideSecondsPerCell / 4.438;
    QElapsedTimer clock;
    clock.start();
    double due = 0;
    while (!(glide.left == glide.toLeft && glide.top == glide.toTop)) {
        due += glide.stepTime * pace;
        const qint64 dueMs = static_cast<qint64>(due * 1000);
        while (clock.elapsed() < dueMs)
            QThread::msleep(static_cast<unsigned long>(std::min<qint64>(dueMs - clock.elapsed(), 10)));
        if (!GlideStep(glide)) break;
        spriteLeft_ = glide.left;
        spriteTop_ = glide.top;
        spriteVisible_ = glide.visible;
        if (isVisible()) repaint();
    }
    spriteVisible_ = false;
    if (isVisible()) repaint();
}

// ---- What the window shows -------------------------------------------------------------------------

int frmSRS::CellIcon(int cell) const {
    if (cell < 0 || cell > 63) return kNotAStripCell;
    const int code = shown_[static_cast<size_t>(cell)];
    return code >= 0 && code < kStripCells ? code : kNotAStripCell;
}

bool frmSRS::CellHidden(int cell) const {
    return cell >= 0 && cell < 64 && (hidden_[static_cast<size_t>(cell)] || hyperFrame_ > 0);
}

// The scan as a whole: the ship's shield ring on the ship's sector, the hover label as the game
// holds it.
void frmSRS::ShowScan() {
    const GameState& s = g_.st;
    shieldCell_ = CellOf(s.ShipSectorRow, s.ShipSectorCol).value_or(-1);
    ShowHoverLabel(s.ScanHover.TimerRunning, s.ScanHover.LastCell);
    update();
}

// The shield ring shows while the shields hold energy (the status bars' outline), on the ship's
// sector, and not under the hyperspace flash.
bool frmSRS::ShieldRingVisible() const {
    return g_.displays.bars.ShieldOutline && shieldCell_ >= 0 && hyperFrame_ <= 0 && !ShieldRingPixels().isEmpty();
}

QRectF frmSRS::ShieldRingPixels() const {
    if (shieldCell_ < 0) return {};
    const double side = MarkerSide(SectorMarker::ZarvoniShield);
    const auto place = kv::CentreOnSector(layout_.frames, side, side, shieldCell_ / 8 + 1, shieldCell_ % 8 + 1);
    return place ? Pixels(*place) : QRectF();
}

// The ring's colours cycle while the game runs the shield timer and the status bars give it an
// interval; its outline follows the bars at once.
void frmSRS::ApplyShieldAnimation() {
    const Long interval = g_.displays.bars.ShieldInterval;
    if (g_.TimerEnabled(Timer::frmSRS_tmrShield) && interval > 0) {
        const int ms = static_cast<int>(std::min<Long>(interval, std::numeric_limits<int>::max()));
        if (!tmrShield_->isActive() || tmrShield_->interval() != ms) tmrShield_->start(ms);
    } else {
        tmrShield_->stop();
    }
    update();
}

QColor frmSRS::BeamColour(int line) const {
    if (line == 3) return QColor(255, 210, 60);               // the ship's phasers
    if (line >= 6 && line <= 9) return QColor(80, 255, 110);  // the Morv ship's tractor beam
    if (line >= 10)
        return morvTractorColours_ ? QColor(80, 255, 110)  // a tow
                                   : QColor(120, 180, 255);
    return QColor(255, 80, 70);  // the hostiles' fire
}

void frmSRS::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const GameState& s = g_.st;

    // The sector pictures.
    if (hyperFrame_ <= 0) {
        for (int k = 0; k < 64; ++k) {
            const size_t i = static_cast<size_t>(k);
            if (hidden_[i]) continue;
            const QRect r = CellPixels(k);
            const int code = shown_[i];
            if (code == kTorpedoCode && !torpedoFrames_.empty())
                p.drawPixmap(r.topLeft(),
                             torpedoFrames_[static_cast<size_t>(torpedoFrame_[i]) % torpedoFrames_.size()]);
            else if (code >= 0 && static_cast<size_t>(code) < icons_.size())
                p.drawPixmap(r.topLeft(), icons_[static_cast<size_t>(code)]);
        }
    }
    // A faint grid between the cells keeps the sectors apart.
    p.setPen(QPen(QColor(40, 52, 80), 1));
    const QRect first = CellPixels(0), last = CellPixels(63);
    for (int i = 1; i < 8; ++i) {
        const int x = CellPixels(i).left(), y = CellPixels(8 * i).top();
        p.drawLine(x, first.top(), x, last.bottom());
        p.drawLine(first.left(), y, last.right(), y);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);

    // The selection frames of a pick or a flash.
    for (int k = 0; k < 64; ++k) {
        const SectorFrame& f = s.SectorFrames[static_cast<size_t>(k)];
        if (!f.Visible) continue;
        const double w = std::max(1, f.BorderWidth);
        p.setPen(QPen(PaletteQColour(static_cast<int>(f.BorderColour)), w));
        p.drawRect(Pixels(layout_.frames[static_cast<size_t>(k)]).adjusted(w / 2, w / 2, -w / 2, -w / 2));
    }
    // The ship's shield ring.
    if (ShieldRingVisible()) {
        p.setPen(QPen(ColourOf(ShieldRingColour(s, shieldStep_)), 2));
        p.drawEllipse(ShieldRingPixels());
    }
    // The markers of a sector under fire.
    static const QColor kMarkerColours[3] = {QColor(255, 90, 90), QColor(110, 170, 255), QColor(90, 255, 120)};
    for (size_t m = 0; m < 3; ++m) {
        if (!markerVisible_[m] || !markerPlace_[m]) continue;
        p.setPen(QPen(kMarkerColours[m], 2));
        p.drawEllipse(Pixels(*markerPlace_[m]));
    }
    // The beams.
    for (int line = 0; line < 15; ++line) {
        if (!beams_[static_cast<size_t>(line)].visible) continue;
        p.setPen(QPen(BeamColour(line), 2));
        p.drawLine(BeamPixels(line));
    }
    // The star flare.
    if (flare_) {
        QRadialGradient glow(Pixels(*flare_).center(), Pixels(*flare_).width() / 2);
        glow.setColorAt(0, QColor(255, 255, 230));
        glow.setColorAt(0.6, QColor(255, 220, 90));
        glow.setColorAt(1, QColor(255, 140, 20, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(Pixels(*flare_));
        p.setBrush(Qt::NoBrush);
    }
    // A blast's ring.
    if (ring_.cell >= 0) {
        p.setPen(QPen(PaletteQColour(ring_.colour), 2));
        p.drawEllipse(Pixels(BlastRing(layout_.cells[static_cast<size_t>(ring_.cell)], ring_.radius, kPixel)));
    }
    // The Morv ship on its way to the next cell.
    if (spriteVisible_ && static_cast<size_t>(kIconMorv) < icons_.size())
        p.drawPixmap(QPointF(spriteLeft_ / kPixel, spriteTop_ / kPixel), icons_[static_cast<size_t>(kIconMorv)]);
    // The hyperspace flash covers the whole window.
    if (hyperFrame_ > 0)
        p.fillRect(QRectF(0, 0, layout_.coverWidth / kPixel, layout_.coverHeight / kPixel), ColourOf(hyperColour_));
}

// ---- Handlers ------------------------------------------------------------------------------------

void frmSRS::picSector_Click(int index) {
    host_.Run(Form::frmSRS, [&] { ScanClick(g_, index, CellIcon(index)); });
    ShowScan();
}

void frmSRS::picSector_DblClick(int index) {
    host_.Run(Form::frmSRS, [&] { ScanDoubleClick(g_, index); });
    ShowScan();
}

void frmSRS::picSector_MouseDown(int index, int button, int shift) {
    host_.Run(Form::frmSRS, [&] { ScanMouseDown(g_, index, button, shift); });
    update();
}

void frmSRS::picSector_MouseMove(int index, int button) {
    const ScanHoverLabel before = g_.st.ScanHover;
    host_.Run(Form::frmSRS, [&] {
        ScanHoverMetrics m;
        m.cell = layout_.cells[static_cast<size_t>(index)];
        const QRect outer = frameGeometry();
        m.windowWidth = static_cast<double>(outer.width()) * kPixel;
        m.windowHeight = static_cast<double>(outer.height()) * kPixel;
        m.labelSize = [this](const std::string& text) {
            lblName->setText(QString::fromStdString(text));
            const QSize size = lblName->sizeHint();
            return std::pair<double, double>{static_cast<double>(size.width()) * kPixel,
                                             static_cast<double>(size.height()) * kPixel};
        };
        ScanMouseMove(g_, index, CellIcon(index), button, m);
    });
    ShowHoverLabel(before.TimerRunning, before.LastCell);
}

void frmSRS::ShowHoverLabel(bool wasRunning, int wasCell) {
    const ScanHoverLabel& label = g_.st.ScanHover;
    if (!label.Visible) {
        lblName->hide();
    } else {
        lblName->setText(QString::fromStdString(label.Text));
        lblName->adjustSize();
        lblName->move(qRound(label.Left / kPixel), qRound(label.Top / kPixel));
        lblName->raise();
        lblName->show();
    }
    if (!label.TimerRunning)
        tmrHideLabel->stop();
    else if (!wasRunning || wasCell != label.LastCell || !tmrHideLabel->isActive())
        tmrHideLabel->start();
}

void frmSRS::tmrHideLabel_Timer() {
    HideScanHoverLabel(g_);
    lblName->hide();
}

}  // namespace kv
