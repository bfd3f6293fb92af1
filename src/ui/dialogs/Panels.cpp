#include "ui/dialogs/Panels.h"

#include <QApplication>
#include <qdrawutil.h>

#include "engine/turn/Condition.h"
#include "screens/main/Panel.h"
#include "ui/host/WindowBits.h"

namespace kv {

QColor Palette(int index) { return ColourOf(PaletteColor(index)); }

void PaintPanel(QWidget* w, int edge, const QColor& face, bool gauge, const std::string& tag, const QColor& fill) {
    QPainter p(w);
    p.fillRect(w->rect(), face);
    if (gauge) {
        const QFontMetricsF fm(w->font());
        const PanelDrawing d = DrawPanel(
            tag, w->width(), w->height(), edge, true,
            [&](const std::string& t) { return fm.horizontalAdvance(QString::fromStdString(t)); }, fm.height());
        if (d.filled)
            p.fillRect(QRectF(QPointF(d.fillLeft, d.fillTop), QPointF(d.fillRight, d.fillBottom)), fill);
    }
    if (edge != kEdgeNone)
        qDrawWinPanel(&p, w->rect(), w->palette(), edge == kEdgeSunken);
}

}  // namespace kv
