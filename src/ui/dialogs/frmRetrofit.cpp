#include "ui/dialogs/frmRetrofit.h"

#include <QPainter>

#include "engine/turn/Retrofit.h"
#include "screens/dialogs/RetrofitPanel.h"
#include "screens/main/Panel.h"
#include "state/Game.h"
#include "ui/dialogs/FormLayout.h"
#include "ui/dialogs/Panels.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowBits.h"
#include "ui/host/WindowKeys.h"
#include "ui_frmRetrofit.h"

namespace kv {

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

void RetrofitCover::paintEvent(QPaintEvent*) {
    if (paint) paint();
}

frmRetrofit::frmRetrofit(Game& game, QtHost& h)
    : CommandDialog(game, h, Form::frmRetrofit, "RetCap"), ui_(std::make_unique<Ui::frmRetrofit>()) {
    ui_->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    for (int i = 0; i < 5; ++i) {
        shpButton[i] = TakeElement<RetrofitLamp>(this, "shpButton", i);
        // The layout file makes the counts RetrofitCount labels (ClickLabel has no meta-object
        // of its own to look it up by).
        lblClick[i] = static_cast<RetrofitCount*>(TakeElement<QLabel>(this, "lblClick", i));
        lblButtonText[i] = TakeElement<QLabel>(this, "lblButtonText", i);
        lblButtonText[i]->setText(T("RetName" + std::to_string(i)));
        lblClick[i]->click = Handler([this, i] { lblClick_Click(i); });
        // The cover lies over the lamp; the slot clips it as it slides up out of view.
        QWidget* slot = shpButton[i]->parentWidget();
        slot->setFixedHeight(kRetrofitCoverHeight);
        pnlSlide[i] = new RetrofitCover(slot);
        pnlSlide[i]->setObjectName(ElementName("pnlSlide", i));
        pnlSlide[i]->setGeometry(0, 0, slot->maximumWidth(), kRetrofitCoverHeight);
        pnlSlide[i]->paint = [this, i] { pnlSlide_Paint(i); };
    }
    host.OnView(View::RetrofitPanel, this, [this] { Show(); });
    host.AddTimer(Timer::frmRetrofit_tmrBlink, this, 500, [this] { tmrBlink_Timer(); }, Tick::Cosmetic);
    SettleKeys(this, {});
    Form_Load();
}

void frmRetrofit::Form_Load() {
    Show();
    adjustSize();
    Centre();
}

void frmRetrofit::tmrBlink_Timer() { RetrofitBlinkTick(g); }

void frmRetrofit::pnlSlide_Paint(int index) {
    RetrofitCover* cover = pnlSlide[static_cast<size_t>(index)];
    PaintPanel(cover, kEdgeRaised, cover->palette().color(QPalette::Button));
}

frmRetrofit::~frmRetrofit() = default;

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
