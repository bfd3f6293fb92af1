#pragma once
// The note window: a short note in large letters in the middle of the screen while the game
// does a long piece of work. It does not wait; a click on it hides it.
#include <QLabel>
#include <QWidget>
#include <optional>
#include <string>

#include "ui/host/HostWindows.h"

namespace kv {

class frmShowMessage : public QWidget, public NoteWindow {
    Q_OBJECT
public:
    explicit frmShowMessage(QWidget* parent = nullptr);

    // Shows the note (with a text: fitted to it; without: as it was) or hides it. Returns 0, or
    // 401 when a modal window is open (a note cannot show then and stays hidden).
    int ShowNote(bool visible, const std::optional<std::string>& text) override;
    // Fits the window to its label and centres it on the screen.
    void Setup();

    // Handlers.
    void Form_Load();
    void lblMessage_Click();

    QLabel* lblMessage;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Centre();
};

}  // namespace kv
