#pragma once
// The game's own message window: it builds itself for each text and style (buttons with
// captions from the language file, an icon, the default and cancel buttons), waits for an
// answer and plays no sound.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "screens/MessageBoxes.h"

namespace kv {

struct Game;

class frmQuiet : public QDialog {
    Q_OBJECT
public:
    // `text` looks a language key up (the captions of the buttons).
    explicit frmQuiet(std::function<std::string(const std::string&)> text, QWidget* parent = nullptr);
    // The captions in the game's language.
    explicit frmQuiet(Game& g, QWidget* parent = nullptr);

    // Builds the window for the text and style, shows it modally and returns the code of the
    // button pressed (closing the window through its frame answers as CloseAnswer says).
    int Ask(const QString& text, long style);

    void BuildMessageDialog(const QString& text, long style);
    void ResetMessageForm();
    void SetPicture(int icon);
    int Result() const { return result_; }
    // The button of an answer code (nullptr when none was made yet).
    QPushButton* Button(int code) const;

    QLabel* lblMessage;
    QLabel* picIcon;
    std::map<int, QPushButton*> cmdButton;
    int PendingMessageIcon = -1;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Centre();
    void cmdButton_Click(int index);
    bool PressLetter(QKeyEvent* e);

    std::function<std::string(const std::string&)> text_;
    std::vector<MessageButton> shown_;
    long style_ = 0;
    int result_ = 0;
    bool arrowPointer_ = false;
};

// The four icons of the message window (0 stop, 1 question, 2 exclamation, 3 information).
QPixmap MessageIconPicture(int icon);

}  // namespace kv
