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

    // Handlers.
    void Form_Activate();
    void flstSave_Click(int row);
    void flstSave_DblClick(int row);
    void txtFile_Change();
    // The key typed, or 0 (with a beep) for one a saved game's name cannot hold.
    int txtFile_KeyPress(int keyAscii);
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Do(const std::function<void()>& handler);
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
