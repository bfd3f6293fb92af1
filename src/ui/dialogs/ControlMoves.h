#pragma once
// Pointer moves over a control of a command dialog take the player back to the game windows
// (ReturnToMainWindows), as moves over the dialog's background do.
#include <QWidget>

#include "state/Port.h"

namespace kv {

struct Game;
class QtHost;

// Every pointer move over `control` (over its viewport, for a list) runs ReturnToMainWindows
// with the move's key state, as an action of window `form`. The control handles the move
// itself and does not pass it on to its window, so one move runs it once.
void ForwardControlMoves(QWidget* control, Game& g, QtHost& host, Form form);

}  // namespace kv
