#pragma once
// The library options dialog: the ship's computer's standing orders for shields, phasers and
// torpedoes, on three tabbed pages. Its controls show and edit the game's library options; OK
// and Apply save them under the current configuration (never "General"), Cancel brings back the
// saved ones; the close box and Escape only hide the window.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <array>
#include <memory>

#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmLibOptions;
}

namespace kv {

class frmLibOptions : public CommandDialog {
    Q_OBJECT
public:
    frmLibOptions(Game& g, QtHost& host);
    ~frmLibOptions() override;

    void Form_Load();
    void Form_Activate() override;
    // Closing from the frame (or Escape) only hides the window: the edits stay in force unsaved,
    // and the shields are left as they are (OK and Cancel set them).
    void Form_QueryUnload();
    void Show();

    void TabStrip1_Click();
    void optShLevel_Click(int index);
    void optShFrequency_Click(int index);
    void optPK_Click(int index);
    // The bars moved (Change once let go, Scroll while dragged).
    void vsbReserve_Change();
    void vsbReserve_Scroll();
    void hsbPZSBPerTurn_Change();
    void hsbPZSBPerTurn_Scroll();
    void spnTS_UpClick();
    void spnTS_DownClick();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdApply_Click();

    QTabBar* TabStrip1;
    std::array<QWidget*, 3> picTab{};
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4, *Frame7;
    std::array<QRadioButton*, 4> optShLevel{};  // 1..3
    std::array<QRadioButton*, 3> optShFrequency{};
    QScrollBar* vsbReserve;
    QLabel* lblShReserve;
    std::array<QRadioButton*, 2> optPK{};
    QCheckBox* chkPZSB;
    QScrollBar* hsbPZSBPerTurn;
    QLabel* lblPZSBPerTurn;
    std::array<QRadioButton*, 3> optTZ{};
    QCheckBox* chkTS;
    std::array<QRadioButton*, 2> optTS{};
    QLabel* lblSit;
    QLabel* lblTSpresent;
    QWidget* spnTS;
    QLabel* picNumZ;
    QCheckBox* chkTZSB;
    std::array<QRadioButton*, 3> optTZSB{};
    QCheckBox* chkTZSBdisabled;
    QLabel* lblWarning;
    QPushButton *cmdOK, *cmdCancel, *cmdApply;

protected:
    // Each opening comes up in the middle of the desktop; a return to the open dialog leaves it
    // where the player put it.
    void showEvent(QShowEvent* e) override;

private:
    // Takes the layout's controls and gives them their captions from the language file.
    void TakeControls();
    // Runs an edit of the options and shows the result.
    void Edit(std::function<void()> edit);
    std::unique_ptr<Ui::frmLibOptions> ui_;
    QPixmap digits_;
};

}  // namespace kv
