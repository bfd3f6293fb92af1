#pragma once
// The window that stands for the whole game on the task bar. Minimising it hides every game
// window; restoring it brings back those that were shown, and the command bar. While it is
// minimised its icon runs through six frames. The rules are the core's (Minimize).
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "screens/main/Minimize.h"

namespace kv {

class frmMinimize : public QWidget {
    Q_OBJECT
public:
    explicit frmMinimize(Game& g, QWidget* parent = nullptr);

    void Form_Load();
    void Form_Resize();
    void tmrAnimation_Timer();
    // The caption the game holds for it, shown now.
    void ShowCaption();

    // The icon frame shown last (Frame(k)), kMinimizeStillFrame at the start.
    int IconFrame() const { return iconFrame_; }
    const MinimizeState& State() const { return state_; }

    std::vector<QLabel*> Frame;  // the animation's pictures, 0..5
    QTimer* tmrAnimation;

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void ShowIcon(int frame);

    Game& g_;
    MinimizeState state_;
    int iconFrame_ = kMinimizeStillFrame;
};

}  // namespace kv
