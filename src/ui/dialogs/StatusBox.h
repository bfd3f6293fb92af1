#pragma once
// The pieces the status displays and reports are made of: a box painted in code (a gauge, a
// lamp, a report row) that answers a click, a label that answers a click, the 3-D panel's
// drawing, and the window's own texts from the relabelling table.
#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>

#include "screens/main/Panel.h"
#include "state/Game.h"
#include "ui/host/ClickLabel.h"
#include "ui/host/WindowBits.h"

class QPainter;

namespace kv {

class QtHost;

// A picture box: `paint` draws it; a left click runs `click`; a mouse move runs `move` with the
// Ctrl/Shift state as the game counts it (1 Shift, 2 Ctrl, 4 Alt).
class StatusBox : public QWidget {
    Q_OBJECT
public:
    explicit StatusBox(QWidget* parent, const QString& name);
    std::function<void(QPainter&)> paint;
    std::function<void()> click;
    std::function<void(int shift)> hover;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

// Draws a panel as DrawPanel laid it out in `w` x `h` pixels at the origin: the gauge's fill in
// `fill`, the caption in `text`, the edge.
void PaintPanel(QPainter& p, const PanelDrawing& panel, int w, int h, const QColor& fill, const QColor& text);
// The panel of a box with the tag, edge and gauge flag, measured with the painter's font.
PanelDrawing LayOutPanel(QPainter& p, const std::string& tag, int w, int h, int edge, bool gauge);

// Sets the texts the relabelling table gives the window's controls (captions, frame titles,
// the window title, panel tags as the "Tag" property), so that a window made after the run, or
// in a language the run skips, shows them too.
void ApplyOwnLabels(Game& g, Form form, QWidget* window);
// A control's caption as the relabelling run would set it.
void SetCaption(QWidget* control, const QString& text);

}  // namespace kv
