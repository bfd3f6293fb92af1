#pragma once
// A raised panel of the target calculator that holds one target text: a label the player
// clicks to pick the cell on a grid.
#include <QVBoxLayout>
#include <QWidget>
#include <functional>

#include "ui/dialogs/Panels.h"
#include "ui/host/ClickLabel.h"

namespace kv {

class TargetPanel : public QWidget {
public:
    explicit TargetPanel(QWidget* parent = nullptr) : QWidget(parent), text_(new ClickLabel(this, QString())) {
        auto* box = new QVBoxLayout(this);
        box->setContentsMargins(3, 3, 3, 3);
        box->addWidget(text_);
        text_->setAlignment(Qt::AlignCenter);
        text_->setCursor(Qt::PointingHandCursor);
    }
    // The target text.
    ClickLabel* Text() const { return text_; }
    // Draws the panel; its window's paint handler, when set (paint), calls it.
    void Draw() { PaintPanel(this, kEdgeRaised, palette().color(QPalette::Button)); }
    std::function<void()> paint;

protected:
    void paintEvent(QPaintEvent*) override { paint ? paint() : Draw(); }

private:
    ClickLabel* text_;
};

}  // namespace kv
