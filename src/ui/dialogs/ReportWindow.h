#pragma once
// What the four report windows share: the close box hides the report (the game shows it again
// when it is called for), and the pointer moving over the report, or over one of its rows, takes
// the player back to the game windows (ReturnToMainWindows).
#include <QWidget>

#include "state/Game.h"
#include "state/Port.h"

namespace kv {

class QtHost;

class ReportWindow : public QWidget {
public:
    ReportWindow(Game& g, QtHost& host, Form form, QWidget* parent);

    // The pointer moved over the report (or one of its rows) with the given key state.
    void Form_MouseMove(int shift);
    // The player closes the report: it is hidden instead.
    void Form_QueryUnload();

protected:

    void mouseMoveEvent(QMouseEvent* e) override;

    Game& g_;
    QtHost& host_;

private:
    Form form_;
};

}  // namespace kv
