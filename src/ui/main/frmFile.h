#pragma once
// The saved-game file dialog: the saved games of the saved-games folder with their dates, a
// name box, OK (load or save, as the dialog was opened), Cancel and Delete. What it does is
// screens/main/FileDialog.h; the host opens it for every file choice of the game.
#include <QDialog>
#include <functional>

#include "state/Game.h"
#include "ui_frmFile.h"

namespace kv {

class QtHost;

class frmFile : public QDialog, public Ui::frmFile {
    Q_OBJECT
public:
    frmFile(Game& g, QtHost& host, QWidget* parent = nullptr);
    // The controls show the dialog's data: the list (grey while loading, black while saving),
    // the name box, the date and time of the entry chosen, the OK button.
    void Show();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Do(const std::function<void()>& handler);
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
