#pragma once
// The command bar: eleven command buttons, the game button with its pop-up menu, and the keys
// "1".."9", Escape and "g". What each command does is the core's (screens/main/CommandBar.h);
// the bar shows the command-state colours, lays its buttons out in the chosen grid and gives
// the keyboard focus to its hidden cmdScapeGoat after every command.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "screens/main/CommandBar.h"
#include "state/Game.h"

namespace kv {

class QtHost;

class frmCommands : public QWidget {
    Q_OBJECT
public:
    frmCommands(Game& g, QtHost& host, QWidget* parent = nullptr);

    // The button of a command (cmdGame .. cmdDES).
    QPushButton* Button(CommandButton b) const { return buttons_[static_cast<size_t>(b)]; }

    // Handlers.
    void CommandClick(CommandButton b);
    void cmdNAV_Click();
    void cmdSRS_Click();
    void cmdLRS_Click();
    void cmdPHA_Click();
    void cmdTOR_Click();
    void cmdSHE_Click();
    void cmdDAM_Click();
    void cmdCOM_Click();
    void cmdPRO_Click();
    void cmdDES_Click();
    void cmdHYP_Click();
    void cmdGame_Click();
    void mnuLoad_Click();
    void mnuSave_Click();
    void mnuMenu_Click();
    void mnuOptions_Click();
    void mnuHelp_Click();
    void mnuQuit_Click();
    void Form_Load();
    void Form_Activate();
    void Form_Click();
    void Form_KeyPress(int keyAscii);
    // The buttons' colours and enabled states from the command-state colours.
    void ShowCommandState();
    // The buttons in the grid of the options' column count, the window fitted around them.
    void ArrangeButtons();

    QPushButton* cmdScapeGoat;
    QMenu* mnuPopup;
    QAction* mnuLoad;
    QAction* mnuSave;
    QAction* mnuSep1;
    QAction* mnuMenu;
    QAction* mnuOptions;
    QAction* mnuHelp;
    QAction* mnuSep2;
    QAction* mnuQuit;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void FocusAway();
    // The character a key press types (27 for Escape), or 0.
    static int KeyAscii(const QKeyEvent* e);

    static const std::array<void (frmCommands::*)(), kCommandButtons> kCommandHandlers;

    Game& g_;
    QtHost& host_;
    std::array<QPushButton*, kCommandButtons> buttons_{};
};

}  // namespace kv
