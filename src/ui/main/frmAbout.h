#pragma once
// The about window: the game's version, and the credits rising through a box a pixel a tick. A
// right-click on a small spot of its picture opens the hidden picture window. OK stops the
// scroll and hides the window at the next tick; the steps are the core's (About).
#include <QDialog>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <string>

#include "screens/main/About.h"
#include "state/Game.h"

namespace Ui {
class frmAbout;
}

namespace kv {

class QtHost;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(Game& g, QtHost& host, QWidget* parent = nullptr);
    ~frmAbout() override;

    void Form_Load();
    void Form_Activate();
    void tmrScroll_Timer();
    void cmdOK_Click();
    // A press on Picture1 at a point of its own (pixels).
    void Picture1_MouseDown(Qt::MouseButton button, QPoint at);

    // Where the top of the credits stands in picScroll (pixels), and their height.
    int CreditsTop() const { return creditsTop_; }
    int CreditsHeight() const { return creditsHeight_; }
    const std::string& Credits() const { return creditsText_; }

    QLabel* Picture1;
    QLabel* lblVersion;
    QWidget* picScroll;
    QWidget* picDraw;
    QPushButton* cmdOK;
    QPushButton* cmdGoat;
    QTimer* tmrScroll;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    // The close box stops the scroll and hides the window at once.
    void reject() override;

private:
    // The credits printed on picDraw's surface, in its font, once per font.
    void DrawCredits();

    Game& g_;
    QtHost& host_;
    std::unique_ptr<Ui::frmAbout> ui_;
    std::string creditsText_;
    AboutScroll scroll_;
    QPixmap drawing_;
    QFont drawnIn_;
    int creditsHeight_ = 0;
    int creditsTop_ = 0;
};

}  // namespace kv
