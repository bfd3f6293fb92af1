#pragma once
// Pointer moves over a control of a command dialog take the player back to the game windows
// (ReturnToMainWindows), as moves over the dialog's background do.
#include <QWidget>
#include <functional>

#include "state/Port.h"

namespace kv {

class QtHost;

// Every pointer move over `control` (over its viewport, for a list) runs `moved` (the control's
// mouse-move handler, which goes on to ReturnToMainWindows) with the move's key state, as an
// action of window `form`. The control handles the move itself and does not pass it on to its
// window, so one move runs it once.
void ForwardControlMoves(QWidget* control, QtHost& host, Form form, std::function<void(int shift)> moved);

}  // namespace kv
