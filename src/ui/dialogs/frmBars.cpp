#include "ui/dialogs/frmBars.h"

#include <QCloseEvent>
#include <QPainter>

#include "screens/dialogs/StatusWindows.h"
#include "state/DisplayData.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"

namespace kv {
namespace {
constexpr int kBarLeft = 14, kBarTop = 10, kBarStep = 32, kBarWidth = 20, kBarHeight = 112;
constexpr int kWidth = 2 * kBarLeft + 4 * kBarStep + kBarWidth, kHeight = kBarTop + kBarHeight + 28;
const char* const kLabels[5] = {"lblEN", "lblSH", "lblPT", "lblTI", "lblMI"};
const char* const kDesign[5] = {"EN", "SH", "PT", "TI", "MI"};
}  // namespace

frmBars::frmBars(Game& g, QtHost& host, QWidget* parent) : QWidget(parent, Qt::Window), g_(g), host_(host) {
    setObjectName("frmBars");
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    setWindowTitle(QStringLiteral("Status Bars"));
    setFixedSize(kWidth, kHeight);
    pnlBack = new StatusBox(this, "pnlBack");
    pnlBack->setGeometry(0, 0, kWidth, kHeight);
    pnlBack->paint = [this](QPainter& p) { pnlBack_Paint(p); };
    for (int i = 0; i < 5; ++i) {
        const int left = kBarLeft + i * kBarStep;
        pnlBar[i] = new StatusBox(this, QStringLiteral("pnlBar(%1)").arg(i));
        pnlBar[i]->setGeometry(left, kBarTop, kBarWidth, kBarHeight);
        pnlBar[i]->paint = [this, i](QPainter& p) { pnlBar_Paint(i, p); };
        pnlBar[i]->click = host.Handler(Form::frmBars, [this, i] { pnlBar_Click(i); });
        lblBar[i] = new ClickLabel(this, kLabels[i], kDesign[i]);
        lblBar[i]->setAlignment(Qt::AlignCenter);
        lblBar[i]->setGeometry(left - 6, kBarTop + kBarHeight + 4, kBarWidth + 12, 20);
    }
    const std::array<void (frmBars::*)(), 5> captionClicks = {&frmBars::lblEN_Click, &frmBars::lblSH_Click,
                                                               &frmBars::lblPT_Click, &frmBars::lblTI_Click,
                                                               &frmBars::lblMI_Click};
    for (int i = 0; i < 5; ++i)
        lblBar[i]->click = host.Handler(Form::frmBars, [this, click = captionClicks[i]] { (this->*click)(); });
    Form_Load();

    host.OnView(View::Bars, this, [this] { ShowBars(); });
    // The minimum-shield line follows the command-state colours.
    host.FollowView(View::CommandState, this, [this] { pnlBar[1]->update(); });
    ShowBars();
}

void frmBars::Form_Load() {
    host_.PlaceBy(Form::frmBars, this, [this] {
        long sw = 0, sh = 0;
        host_.ScreenSizeTwips(sw, sh);
        const WindowPosition at = BarsPosition(sw, sh, OuterWidthTwips(this), OuterHeightTwips(this));
        PlaceTwips(this, at.left, at.top);
    });
}

void frmBars::ShowBars() {
    for (int i = 0; i < 5; ++i) {
        lblBar[i]->setText(QString::fromStdString(g_.displays.bars.Caption[static_cast<size_t>(i)]));
        pnlBar[i]->update();
    }
}

void frmBars::pnlBack_Paint(QPainter& p) {
    PaintPanel(p, LayOutPanel(p, "", width(), height(), kEdgeRaised, false), width(), height(), {}, {});
}

void frmBars::pnlBar_Paint(int index, QPainter& p) {
    const int w = pnlBar[index]->width(), h = pnlBar[index]->height();
    const GaugeLook look = PaintGauge(g_, index, w, h);
    p.fillRect(0, 0, w, h, ColourOf(0xC0C0C0));
    p.fillRect(QRectF(0, look.fillTop, w, h - look.fillTop), ColourOf(look.fillColour));
    if (look.marker) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(0, look.markerY), QPointF(w, look.markerY));
    }
    PaintPanel(p, LayOutPanel(p, "", w, h, kEdgeSunken, false), w, h, {}, {});
}

void frmBars::pnlBar_Click(int index) { BarClick(g_, index); }

void frmBars::lblEN_Click() { pnlBar_Click(0); }

void frmBars::lblSH_Click() { pnlBar_Click(1); }

void frmBars::lblPT_Click() { pnlBar_Click(2); }

void frmBars::lblTI_Click() { pnlBar_Click(3); }

void frmBars::lblMI_Click() { pnlBar_Click(4); }

}  // namespace kv
