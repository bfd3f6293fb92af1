#pragma once
// The info window at the top-right corner of the screen: the close and minimise buttons of the
// whole game, the panel that reports the starbases (StarbaseLine, or the progress text of a
// save or load while one runs) and the Morv countdown line of the debug mode.
#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "state/Game.h"

namespace kv {

class QtHost;

class frmInfo : public QWidget {
    Q_OBJECT
public:
    frmInfo(Game& g, QtHost& host, QWidget* parent = nullptr);

    // The top-right corner of the screen.
    void Form_Load();
    // The starbase panel's text and the countdown line, as the game holds them.
    void ShowLines();

    void cmdClose_Click();
    void cmdMinimize_Click();
    // Draws the panel behind the starbase text (called from its paint event).
    void pnlStarbase_Paint();

    QWidget* pnlStarbase;
    QLabel* lblStarbase;
    QFrame* lnMorvTimer;
    QAbstractButton* cmdClose;
    QAbstractButton* cmdMinimize;
    QAbstractButton* cmdMaximize;
    QPushButton* cmdSG;

private:
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
