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

protected:
    // The pointer moved over the report with the given key state.
    void ReturnToGame(int shift);

    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

    Game& g_;
    QtHost& host_;

private:
    Form form_;
};

}  // namespace kv
