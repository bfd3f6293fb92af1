#pragma once
// frmRespond: the modal dialog in which the player picks one of the responses a planet message
// offers. The console fills the options (ConsoleState::RespondOptions); the dialog hands the
// chosen option's index back in its Tag (ConsoleState::RespondTag), "" when none was chosen.
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <vector>

namespace kv {

struct Game;
class QtHost;

class frmRespond : public QDialog {
    Q_OBJECT
public:
    frmRespond(Game& g, QtHost& host);

    void Form_Activate();
    // A digit key "1".."9" chooses the response of that number; other keys do nothing here.
    void Form_KeyPress(int keyAscii);
    void cmdSend_Click();
    void cmdClose_Click();

    QPushButton* cmdSend;
    QPushButton* cmdClose;
    // Element 0 is the design-time template (never shown); elements 1.. are loaded per response.
    std::vector<QRadioButton*> Response;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UnloadResponses();
    void PlaceButtons(int top);

    Game& g_;
};

}  // namespace kv
