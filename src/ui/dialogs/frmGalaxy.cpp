#include "ui/dialogs/frmGalaxy.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "engine/computer/Displays.h"
#include "engine/turn/Condition.h"
#include "screens/dialogs/GalaxyChart.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {

constexpr int kTwips = 15;
// A quadrant label is a little smaller than its cell, so that the frames stand apart.
constexpr int kLabelWidth = 34, kLabelHeight = 18;
constexpr int kCellWidth = static_cast<int>(kChartCellWidth) / kTwips;    // 36
constexpr int kCellHeight = static_cast<int>(kChartCellHeight) / kTwips;  // 20
constexpr int kBoardWidth = 300 / kTwips + 8 * kCellWidth + 4;
constexpr int kBoardHeight = 300 / kTwips + 8 * kCellHeight + 4;

// The chart stands on a dark board; a label's own face is light, so that the palette's colours
// read on it as they do on a button.
const QColor kBoard(14, 20, 38);
const QColor kNumbers(170, 186, 214);
const QColor kFace(198, 202, 210);       // a cleared label (the button face)
const QColor kHighlight(250, 250, 252);  // a label of the last scan (the 3-D highlight)
const QColor kTargetFrame(255, 200, 40);

QColor PaletteColour(long index) { return ColourOf(PaletteColor(static_cast<int>(index))); }

// A code's colour on its label: the palette's, with its bright colours a shade deeper, so that
// light green, cyan and yellow still read on a light face.
QColor TextColour(long index) {
    switch (index) {
        case 9: return QColor(40, 40, 255);
        case 10: return QColor(0, 176, 0);
        case 11: return QColor(0, 160, 184);
        case 12: return QColor(235, 0, 0);
        case 13: return QColor(210, 0, 210);
        case 14: return QColor(184, 150, 0);
        default: return PaletteColour(index);
    }
}

QColor BackColour(long back) {
    if (back == kChartCleared) return kFace;
    if (back == kChartScanned) return kHighlight;
    if (back >= 0 && back <= 15) return PaletteColour(back);
    return kFace;
}

}  // namespace

frmGalaxy::frmGalaxy(Game& g, QtHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), g_(g), host_(host) {
    setObjectName("frmGalaxy");
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    setWindowTitle(QString::fromStdString(g.Text("GalaxyCap")));

    tabDisplay = new QTabBar(this);
    tabDisplay->setObjectName("tabDisplay");
    tabDisplay->setExpanding(false);
    tabDisplay->setDrawBase(false);
    for (int i = 0; i < 4; ++i) tabDisplay->addTab(QString::fromStdString(g.Text("GalaxyTab" + std::to_string(i))));
    const int tabHeight = tabDisplay->sizeHint().height();
    tabDisplay->setGeometry(0, 0, kBoardWidth, tabHeight);

    board_ = new QWidget(this);
    board_->setObjectName("board");
    board_->setGeometry(0, tabHeight, kBoardWidth, kBoardHeight);
    board_->setAutoFillBackground(true);
    QPalette boardPalette = board_->palette();
    boardPalette.setColor(QPalette::Window, kBoard);
    boardPalette.setColor(QPalette::WindowText, kNumbers);
    board_->setPalette(boardPalette);

    // The row and column numbers beside the grid.
    for (int i = 0; i < 8; ++i) {
        double left = 0, top = 0;
        ChartLabelPlace(i, left, top);
        lblCol[static_cast<size_t>(i)] = new QLabel(QString::number(i + 1), board_);
        lblCol[static_cast<size_t>(i)]->setObjectName(ElementName("lblCol", i));
        lblCol[static_cast<size_t>(i)]->setAlignment(Qt::AlignCenter);
        lblCol[static_cast<size_t>(i)]->setGeometry(static_cast<int>(left) / kTwips, 0, kLabelWidth, 300 / kTwips);
        ChartLabelPlace(i * 8, left, top);
        lblRow[static_cast<size_t>(i)] = new QLabel(QString::number(i + 1), board_);
        lblRow[static_cast<size_t>(i)]->setObjectName(ElementName("lblRow", i));
        lblRow[static_cast<size_t>(i)]->setAlignment(Qt::AlignCenter);
        lblRow[static_cast<size_t>(i)]->setGeometry(0, static_cast<int>(top) / kTwips, 300 / kTwips, kLabelHeight);
    }

    for (int k = 0; k < 64; ++k) {
        double left = 0, top = 0;
        ChartLabelPlace(k, left, top);
        auto* label = new QLabel(board_);
        label->setObjectName(ElementName("lblQuad", k));
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        label->setGeometry(static_cast<int>(left) / kTwips, static_cast<int>(top) / kTwips, kLabelWidth, kLabelHeight);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        lblQuad[static_cast<size_t>(k)] = label;
    }

    shpLimit = new QFrame(board_);
    shpLimit->setObjectName("shpLimit");
    shpLimit->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpLimit->setLineWidth(1);
    QPalette framePalette = shpLimit->palette();
    framePalette.setColor(QPalette::WindowText, kTargetFrame);
    shpLimit->setPalette(framePalette);
    shpLimit->setAttribute(Qt::WA_TransparentForMouseEvents);
    shpLimit->hide();

    setFixedSize(kBoardWidth, tabHeight + kBoardHeight);

    {
        const QSignalBlocker quiet(tabDisplay);
        tabDisplay->setCurrentIndex(std::clamp(g.st.Chart.Tab, 1, 4) - 1);
    }
    connect(tabDisplay, &QTabBar::currentChanged, this, [this](int index) {
        if (!host_.Run(Form::frmGalaxy, [this, index] { tabDisplay_Click(index + 1); })) {
            // Refused (another action runs): the tab shown stays the chart's own.
            const QSignalBlocker quiet(tabDisplay);
            tabDisplay->setCurrentIndex(std::clamp(g_.st.Chart.Tab, 1, 4) - 1);
        }
    });

    host.OnView(View::GalaxyChart, this, [this] { ShowChart(); });
    host.AddTimer(Timer::frmGalaxy_tmrBlink, this, 500, [this] { tmrBlink_Timer(); })->setObjectName("tmrBlink");
    host.SetChartSurface(this);
    ShowChart();
    host.PlaceBy(Form::frmGalaxy, this, [this] { Form_Load(); });
}

frmGalaxy::~frmGalaxy() { host_.SetChartSurface(nullptr); }

void frmGalaxy::Form_Load() {
    const QRect area = DesktopArea();
    // Directly above the status lamps: their window when it is made, else where it stands (the
    // bottom of the screen, two rows of 600 twips).
    const QWidget* status = host_.FormWindow(Form::frmStatus);
    const int statusTop = status ? status->frameGeometry().top() : area.bottom() + 1 - 1200 / kTwips;
    const int height = frameGeometry().height();
    move(area.left(), statusTop - height);
}

void frmGalaxy::ShowChart() {
    const auto& labels = g_.st.Chart.Labels;
    for (int i = 0; i < 64; ++i)
        if (!painted_[static_cast<size_t>(i)] || shown_[static_cast<size_t>(i)] != labels[static_cast<size_t>(i)])
            ShowLabel(i);
    const int tab = std::clamp(g_.st.Chart.Tab, 1, 4) - 1;
    if (tabDisplay->currentIndex() != tab) {
        const QSignalBlocker quiet(tabDisplay);
        tabDisplay->setCurrentIndex(tab);
    }
}

void frmGalaxy::ShowLabel(int index) {
    const ChartLabel& l = g_.st.Chart.Labels[static_cast<size_t>(index)];
    QLabel* label = lblQuad[static_cast<size_t>(index)];
    label->setText(QString::fromStdString(l.Caption));
    QPalette p = label->palette();
    p.setColor(QPalette::Window, BackColour(l.BackColor));
    p.setColor(QPalette::WindowText, TextColour(l.ForeColor));
    label->setPalette(p);
    label->setFrameStyle(l.Border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    label->setVisible(l.Visible);
    shown_[static_cast<size_t>(index)] = l;
    painted_[static_cast<size_t>(index)] = true;
}

int frmGalaxy::IndexOf(QObject* label) const {
    for (int i = 0; i < 64; ++i)
        if (lblQuad[static_cast<size_t>(i)] == label) return i;
    return -1;
}

bool frmGalaxy::eventFilter(QObject* watched, QEvent* e) {
    const int index = IndexOf(watched);
    if (index < 0) return QWidget::eventFilter(watched, e);
    switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(e);
            const int button = ButtonOf(m->button());
            const int shift = ShiftOf(m->modifiers());
            host_.Run(Form::frmGalaxy, [this, index, button, shift] { lblQuad_MouseDown(index, button, shift); });
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(e);
            // A click: the left button let go over the label it was pressed on.
            if (m->button() == Qt::LeftButton &&
                lblQuad[static_cast<size_t>(index)]->rect().contains(m->position().toPoint()))
                host_.Run(Form::frmGalaxy, [this, index] { lblQuad_Click(index); });
            return true;
        }
        case QEvent::MouseMove: {
            const int button = ButtonOf(static_cast<QMouseEvent*>(e)->buttons());
            host_.Run(Form::frmGalaxy, [this, button] { lblQuad_MouseMove(button); });
            return false;
        }
        default: return QWidget::eventFilter(watched, e);
    }
}

void frmGalaxy::tabDisplay_Click(int tab) { ChartTabClick(g_, tab); }
void frmGalaxy::lblQuad_Click(int index) { ChartClick(g_, index); }
void frmGalaxy::lblQuad_MouseDown(int index, int button, int shift) { ChartMouseDown(g_, index, button, shift); }
void frmGalaxy::lblQuad_MouseMove(int button) { ChartMouseMove(g_, button); }
void frmGalaxy::tmrBlink_Timer() { ChartBlinkTick(g_); }

// ---- ChartSurface ----------------------------------------------------------------------------

// The chart data holds the colour already; the label shows it at once.
void frmGalaxy::SetChartQuadrantColor(int index, long) {
    if (index >= 0 && index < 64) ShowLabel(index);
}

// The frame around a quadrant: 30 twips left of the label, 45 above, 60 wider and 75 higher.
void frmGalaxy::FrameChartQuadrant(int index) {
    if (index < 0 || index >= 64) return;
    const QRect r = lblQuad[static_cast<size_t>(index)]->geometry();
    shpLimit->setGeometry(r.left() - 30 / kTwips, r.top() - 45 / kTwips, r.width() + 60 / kTwips,
                          r.height() + 75 / kTwips);
    shpLimit->show();
    shpLimit->raise();
}

// The end of a game: the chart data holds no label with the border of the ship's quadrant or
// of a pick any more; the labels show it.
void frmGalaxy::ClearChartHighlights() {
    ShowChart();
}

}  // namespace kv
