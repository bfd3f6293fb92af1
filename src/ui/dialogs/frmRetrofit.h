#pragma once
// The retrofit panel: five slide buttons, one per retrofit kind. A button hides behind a cover
// that slides up out of view while the kind is offered; its lamp shows light red while off and
// blinks green while engaged. A click on a button engages the retrofit or switches it off.
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "ui/host/ClickLabel.h"
#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmRetrofit;
}

namespace kv {

// A lamp (shpButton): a rounded box in a palette colour.
class RetrofitLamp : public QWidget {
    Q_OBJECT
public:
    explicit RetrofitLamp(QWidget* parent) : QWidget(parent) {}
    void SetColour(int palette);
    int Colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int colour_ = 12;
};

// A button's count (lblClick): a label over the lamp that takes the click.
class RetrofitCount : public ClickLabel {
public:
    explicit RetrofitCount(QWidget* parent) : ClickLabel(parent, QString()) {}
};

// A cover (pnlSlide): a raised panel.
class RetrofitCover : public QWidget {
    Q_OBJECT
public:
    explicit RetrofitCover(QWidget* parent) : QWidget(parent) {}
    // Its window's paint handler.
    std::function<void()> paint;

protected:
    void paintEvent(QPaintEvent*) override;
};

class frmRetrofit : public CommandDialog {
    Q_OBJECT
public:
    frmRetrofit(Game& g, QtHost& host);
    ~frmRetrofit() override;

    void Form_Load();
    void lblClick_Click(int index);
    void tmrBlink_Timer();
    // Draws cover `index` (called from its paint event).
    void pnlSlide_Paint(int index);
    void Show();

    std::array<RetrofitCover*, 5> pnlSlide{};
    std::array<RetrofitLamp*, 5> shpButton{};
    std::array<ClickLabel*, 5> lblClick{};
    std::array<QLabel*, 5> lblButtonText{};

private:
    std::unique_ptr<Ui::frmRetrofit> ui_;
};

}  // namespace kv
