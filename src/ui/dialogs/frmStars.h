#pragma once
// The star list: the star systems visited, one line each, sorted by name or by location. Info
// tells about the selected system; Accept (or a double click) makes it the target calculator's
// target. Opened modally by the target calculator; with nothing to list it does not stay open.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <memory>
#include <QRadioButton>

#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmStars;
}

namespace kv {

class frmStars : public CommandDialog {
    Q_OBJECT
public:
    frmStars(Game& g, QtHost& host);
    ~frmStars() override;

    // Fills the list before the window opens; a list with nothing to show never opens.
    int exec() override;
    void Form_Load();
    void Form_Activate() override;
    void Show();

    // The sort order chosen: by name, or by location.
    void optAlph_Click();
    void optLoc_Click();
    // A double click on a star accepts it, as Accept does.
    void lstStars_DblClick();
    void cmdAccept_Click();
    void cmdInfo_Click();
    void cmdCancel_Click();

    QListWidget* lstStars;
    QLabel *Label1, *Label2, *Label3, *Label4;
    QRadioButton *optAlph, *optLoc;
    QPushButton *cmdInfo, *cmdAccept, *cmdCancel;

protected:
    // Each opening comes up in the middle of the desktop; a return to the open dialog leaves it
    // where the player put it.
    void showEvent(QShowEvent* e) override;

private:
    int SelectedLine() const;

    std::unique_ptr<Ui::frmStars> ui_;
    bool filled_ = false;  // the list was filled for this opening
};

}  // namespace kv
