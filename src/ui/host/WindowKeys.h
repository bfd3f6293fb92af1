#pragma once
// How a window answers Return, Escape and the close of its frame. Each window states its three
// steps once, in its constructor:
//
//     SettleKeys(this, {cmdAccept, Press(cmdCancel), Press(cmdCancel)});
//
// Return presses the window's Accept or OK button whatever control holds the focus, unless that
// control takes Return itself (a box of several lines); it never presses another button, not
// even the one that holds the focus. Escape runs the window's Escape step and the frame's close
// its close step; an empty step does nothing, and the window stays open. A close is the
// desktop's request as well as the program's own close().
#include <QAbstractButton>
#include <functional>

class QWidget;

namespace kv {

struct WindowKeys {
    // The button Return presses; nullptr: Return presses nothing.
    QAbstractButton* accept = nullptr;
    // What Escape does; empty: nothing.
    std::function<void()> escape;
    // What the frame's close does; empty: nothing.
    std::function<void()> close;
};

// A step that presses the button as a click does: nothing while it is disabled or hidden.
std::function<void()> Press(QAbstractButton* button);

// Gives the window its keys. No push button of the window presses itself on Return, and only
// `accept` is shown as the default one; buttons made later are set so each time the window shows.
void SettleKeys(QWidget* window, WindowKeys keys);

}  // namespace kv
