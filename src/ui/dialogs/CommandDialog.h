#pragma once
// What the command dialogs share: a fixed dialog of the game (laid out in its Designer file) that
// reads its captions from the language file as it is made, runs every handler through the
// host's busy guard, and has its activation (Form_Activate) run once each time it becomes the
// active window, but not when a modal window that opened over it gives it the focus back (that
// focus counts as a return only once the player acts on the dialog). Each dialog gives its
// Return, Escape and close box their steps (SettleKeys).
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <functional>
#include <string>

#include "state/Port.h"

namespace kv {

struct Game;
class QtHost;

class CommandDialog : public QDialog {
    Q_OBJECT
public:
    CommandDialog(Game& g, QtHost& host, Form form, const char* captionKey);

    // The window's activation (Form_Activate): shown, or active again after another window.
    virtual void Form_Activate() {}
    // The pointer moving over the window with the given key state (2 is Ctrl alone).
    void Form_MouseMove(int shift);

    // Centres the window on the screen.
    void Centre();

protected:
    // The text of a language key.
    QString T(const std::string& key) const;
    // A handler of this window as a slot, through the busy guard.
    std::function<void()> Handler(std::function<void()> handler);
    // Runs engine code of the window now: as part of the action under way (the opener's, when
    // the engine shows the window), else as an action of its own.
    void RunNow(const std::function<void()>& code);

    // The pointer moving over the window takes the player back to the game windows
    // (ReturnToMainWindows).
    void ForwardMouseMoves() { setMouseTracking(true); }


    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    // Watches the player's presses while the focus a modal window took may come back.
    bool eventFilter(QObject* watched, QEvent* e) override;

    Game& g;
    QtHost& host;
    Form form_;

private:
    void Activate();
    // Watches the player's presses exactly while one of the two flags below is set.
    void Watch();
    bool active_ = false;      // activated since it was shown or last lost the focus
    bool underModal_ = false;  // lost the focus to a modal window that opened over it
    bool handedBack_ = false;  // has that focus back, and the player has not acted on it yet
};

}  // namespace kv
