#pragma once
// What the tests of the main menu's windows share: a desktop game whose program folder holds
// the shipped data (the galaxy's star systems, the help page), and the player's moves on the
// menu, the file dialog and the other windows run modally.
#include <QTreeWidget>
#include <filesystem>

#include "state/Reset.h"
#include "ui/main/frmFile.h"
#include "ui/main/frmMenu.h"
#include "ui/support/DesktopGame.h"

namespace kv::test {

// Copies the shipped data folder into the scratch program folder.
inline void CopyShippedData(const ScratchFolder& scratch) {
    std::filesystem::copy(KESTRAVA_DATA_DIR, scratch.Program(),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    ForgetFileStamps();
}

struct MenuGame : DesktopGame {
    explicit MenuGame(Random& r) : DesktopGame(r) {
        CopyShippedData(scratch);
        LoadArrayConsts(game);
        st.SoundOn = kFalse;
        script.fileWindow = true;
        // The program's end (the menu's Exit, its close box with no game) is only recorded.
        host.onEndProgram = [this] { ++ended; };
    }
    int ended = 0;

    frmMenu& Menu() { return *Window<frmMenu>(Form::frmMenu); }
    frmFile& File() { return *Window<frmFile>(Form::frmFile); }

    // A click on a check box or option button: on its box, which takes the click wherever the
    // control is wide (its middle may lie beyond its caption).
    void Tick(Form form, const QString& name) {
        if (QWidget* c = Control(form, name)) ClickAt(c, QPoint(6, c->height() / 2));
    }
    // Types a name into the menu's name box as the player would.
    void TypeName(const QString& name) {
        QLineEdit* edit = Menu().txtName->lineEdit();
        edit->selectAll();
        SendKey(edit, Qt::Key_Delete, QString());
        for (QChar ch : name) SendKey(edit, 0, QString(ch));
    }
    // The file dialog's script: `act` acts on it while it is open.
    void OnFileDialog(std::function<void(frmFile&)> act) {
        script.modal[Form::frmFile] = [this, act](QDialog&) { act(File()); };
    }
    // Types into the file dialog's name box and presses OK.
    void TypeFileAndOK(const QString& name) {
        Keys(Form::frmFile, "txtFile", name);
        Click(Form::frmFile, "cmdOK");
    }
    // Opens the main menu modally, as start-up and the command bar do, with `act` as the player.
    void RunMenu(std::function<void()> act) {
        script.modal[Form::frmMenu] = [act](QDialog&) { act(); };
        host.RunModal(Form::frmMenu);
    }
};

}  // namespace kv::test
