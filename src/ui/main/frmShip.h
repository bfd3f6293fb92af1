#pragma once
// The lost-ship window: over a field of stars the ship's frames play one after another, the last
// stays a second, then the loss notice is shown and the window hides. The engine starts its
// timer and runs it modally; the steps are the core's (LostShip).
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <vector>

#include "screens/main/LostShip.h"

namespace kv {

class QtHost;

class frmShip : public QDialog {
    Q_OBJECT
public:
    frmShip(Game& g, QtHost& host, QWidget* parent = nullptr);

    void Form_Load();
    void Form_Activate();
    void tmrAnimation_Timer();

    // The number of frames found at load (imgShip(1) .. imgShip(N)).
    int FrameCount() const { return static_cast<int>(imgShip.size()) - 1; }
    // The stars of the last activation.
    const std::vector<ShipStar>& Stars() const { return stars_; }

    std::vector<QLabel*> imgShip;  // element 0 is the window's own first picture
    QTimer* tmrAnimation;

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QLabel* MakeFrame(int index, const std::string& file);

    Game& g_;
    LostShipAnimation animation_;
    std::vector<ShipStar> stars_;
};

}  // namespace kv
