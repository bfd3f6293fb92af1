#include "ui/dialogs/Panels.h"

#include "engine/turn/Condition.h"
#include "ui/dialogs/StatusBox.h"
#include "screens/main/Panel.h"
#include "ui/host/WindowBits.h"

namespace kv {

QColor Palette(int index) { return ColourOf(PaletteColor(index)); }

// The one drawing of a panel: laid out by DrawPanel in the box's font, painted as the status
// displays paint theirs (fill, caption, edge).
void PaintPanel(QWidget* w, int edge, const QColor& face, bool gauge, const std::string& tag, const QColor& fill) {
    QPainter p(w);
    p.setFont(w->font());
    p.fillRect(w->rect(), face);
    const int width = w->width(), height = w->height();
    PaintPanel(p, LayOutPanel(p, tag, width, height, edge, gauge), width, height, fill,
               w->palette().color(QPalette::WindowText));
}

}  // namespace kv
