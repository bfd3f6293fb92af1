#include "ui/dialogs/frmStatus.h"

#include <QCloseEvent>
#include <QPainter>

#include "screens/dialogs/StatusWindows.h"
#include "state/WindowTable.h"
#include "ui/host/QtHost.h"
#include "ui/host/WindowKeys.h"

namespace kv {

frmStatus::frmStatus(Game& g, QtHost& host, QWidget* parent) : QWidget(parent, Qt::Window), g_(g), host_(host) {
    setObjectName("frmStatus");
    // Neither Escape nor the close box does anything here.
    SettleKeys(this, {});
    setWindowTitle(QStringLiteral("Status"));
    const LampRect last = LampGeometry(6);
    setFixedSize(static_cast<int>((last.left + last.width) / 15), static_cast<int>((last.top + last.height) / 15));
    QFont f = font();
    f.setBold(true);
    for (int i = 1; i <= 6; ++i) {
        const LampRect r = LampGeometry(i);
        lamp[i] = new StatusBox(this, LampControlName(i));
        lamp[i]->setGeometry(static_cast<int>(r.left / 15), static_cast<int>(r.top / 15),
                             static_cast<int>(r.width / 15), static_cast<int>(r.height / 15));
        lamp[i]->setFont(f);
        lamp[i]->paint = [this, i](QPainter& p) { PaintLampBox(p, i); };
        lamp[i]->click = host.Handler(Form::frmStatus, [this, i] {
            switch (i) {
            case 1: pnlAttackBase_Click(); break;
            case 2: pnlZarvoni_Click(); break;
            case 3: pnlDamage_Click(); break;
            case 4: pnlDocked_Click(); break;
            default: LampClick(g_, i);
            }
        });
        lamp[i]->hover = [this, &host](int shift) {
            host.Run(Form::frmStatus, [this, shift] { ReturnToMainWindows(g_, shift); });
        };
    }
    ApplyOwnLabels(g, Form::frmStatus, this);
    Form_Load();

    host.OnView(View::StatusPanel, this, [this] { ShowLamps(); });
    host.OnView(View::Lamps, this, [this] { ShowLamps(); });
    host.AddTimer(Timer::frmStatus_tmrBlink, this, 500, [this] { tmrBlink_Timer(); });
}

void frmStatus::Form_Load() {
    host_.PlaceBy(Form::frmStatus, this, [this] {
        long sw = 0, sh = 0;
        host_.ScreenSizeTwips(sw, sh);
        const WindowPosition at = StatusPosition(sw, sh, OuterWidthTwips(this), OuterHeightTwips(this));
        PlaceTwips(this, at.left, at.top);
    });
}

void frmStatus::pnlAttackBase_Click() { LampClick(g_, 1); }

void frmStatus::pnlZarvoni_Click() { LampClick(g_, 2); }

void frmStatus::pnlDamage_Click() { LampClick(g_, 3); }

void frmStatus::pnlDocked_Click() { LampClick(g_, 4); }

void frmStatus::tmrBlink_Timer() { LampBlinkTick(g_); }

void frmStatus::ShowLamps() {
    for (int i = 1; i <= 6; ++i) lamp[i]->update();
}

void frmStatus::PaintLampBox(QPainter& p, int index) {
    StatusBox* box = lamp[index];
    const LampLook look = PaintLamp(g_.st, index, box->property("Tag").toString().toStdString());
    const int w = box->width(), h = box->height();
    p.fillRect(0, 0, w, h, ColourOf(look.back));
    PaintPanel(p, LayOutPanel(p, look.caption, w, h, kEdgeRaised, false), w, h, {}, ColourOf(look.fore));
}

}  // namespace kv
