#include "ui/dialogs/frmRetrofit.h"

#include <QPainter>

#include "engine/turn/Retrofit.h"
#include "screens/dialogs/RetrofitPanel.h"
#include "screens/main/Panel.h"
#include "state/Game.h"
#include "ui/dialogs/Panels.h"
#include "ui/main/QtHost.h"
#include "ui/main/WindowBits.h"

namespace kv {
namespace {

constexpr int kSlotWidth = 112;

}  // namespace

void RetrofitLamp::SetColour(int palette) {
    if (palette == colour_) return;
    colour_ = palette;
    update();
}

void RetrofitLamp::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Palette(colour_));
    p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
}

void RetrofitCover::paintEvent(QPaintEvent*) { PaintPanel(this, kEdgeRaised, palette().color(QPalette::Button)); }

frmRetrofit::frmRetrofit(Game& game, QtHost& h) : CommandDialog(game, h, Form::frmRetrofit, "RetCap") {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setFixedSize(5 * kSlotWidth + 16, kCoverHeight + 66);
    setProperty("coverHeight", kCoverHeight);
    for (int i = 0; i < 5; ++i) {
        const int x = 8 + i * kSlotWidth;
        // The slot clips its cover as it slides up out of view.
        auto* slot = new QWidget(this);
        slot->setGeometry(x + 4, 8, kSlotWidth - 8, kCoverHeight);
        shpButton[i] = new RetrofitLamp(slot);
        shpButton[i]->setObjectName(ElementName("shpButton", i));
        shpButton[i]->setGeometry(slot->rect());
        lblClick[i] = new ClickLabel(slot, ElementName("lblClick", i));
        lblClick[i]->setGeometry(slot->rect());
        lblClick[i]->setAlignment(Qt::AlignCenter);
        QFont big = lblClick[i]->font();
        big.setPixelSize(22);
        big.setBold(true);
        lblClick[i]->setFont(big);
        lblClick[i]->setCursor(Qt::PointingHandCursor);
        pnlSlide[i] = new RetrofitCover(slot);
        pnlSlide[i]->setObjectName(ElementName("pnlSlide", i));
        pnlSlide[i]->setGeometry(0, 0, slot->width(), kCoverHeight);
        lblButtonText[i] = new QLabel(T("RetName" + std::to_string(i)), this);
        lblButtonText[i]->setObjectName(ElementName("lblButtonText", i));
        lblButtonText[i]->setGeometry(x, kCoverHeight + 12, kSlotWidth, 44);
        lblButtonText[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblButtonText[i]->setWordWrap(true);
        lblClick[i]->click = Handler([this, i] { lblClick_Click(i); });
    }
    host.OnView(View::RetrofitPanel, this, [this] { Show(); });
    host.AddTimer(Timer::frmRetrofit_tmrBlink, this, 500, [this] { RetrofitBlinkTick(g); }, Tick::Cosmetic);
    Centre();
    Show();
}

void frmRetrofit::lblClick_Click(int index) { RetrofitButtonClick(g, index); }

void frmRetrofit::Show() {
    const GameState& s = g.st;
    for (int i = 0; i < 5; ++i) {
        pnlSlide[i]->move(0, s.RetrofitCoverTop[static_cast<size_t>(i)]);
        shpButton[i]->SetColour(RetrofitLampColour(s, i));
        lblClick[i]->setText(QString::fromStdString(RetrofitCountCaption(s, i + 1)));
    }
}

}  // namespace kv
