#pragma once
// The final report of an ended game: the mission's figures row by row, the captain, the rating,
// the cover over what was left on board when the ship was lost, and the Morv report's button.
// Once the player closes it, its timer runs the end-of-game questions and returns to the main
// menu (screens/dialogs/FinalReportWindow.h). ShowFinalReport fills what it shows.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <array>

#include "state/Game.h"

namespace kv {

class QtHost;

class frmFinalReport : public QWidget {
    Q_OBJECT
public:
    frmFinalReport(Game& g, QtHost& host, QWidget* parent = nullptr);
    void Show();

    void Form_Load();
    // Each showing: the figures ShowFinalReport filled, the log's Save and Print items.
    void Form_Activate();
    // The close box: the report hides, and its timer then runs the end of the game.
    void Form_QueryUnload();
    void cmdMorvReport_Click();
    void tmrMenu_Timer();

    QLabel* Title;
    QLabel* lblName;
    std::array<QLabel*, 19> Line{}, Num{};
    QLabel *lblRating, *Rating;
    QLabel* Cover;
    QPushButton* cmdMorvReport;
    QTimer* tmrMenu;

protected:
    void showEvent(QShowEvent* e) override;

private:
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
