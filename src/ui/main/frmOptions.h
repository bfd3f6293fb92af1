#pragma once
// The options dialog over the option settings of the current configuration (Game::options):
// sound, themed dialogs, configurations by name, keeping the technology level, notes, the
// short-range scan's pictures, the report windows, the command bar's layout, the message log's
// font and colours, the background and the notices the player may switch off. OK applies and
// stores, Apply applies, Cancel goes back to the settings of the moment it came up
// (screens/main/OptionsDialog.h). It also places the game windows where the settings keep them.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <array>
#include <functional>

#include "state/Game.h"

namespace kv {

class QtHost;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(Game& g, QtHost& host, QWidget* parent = nullptr);
    // The controls show the option settings.
    void Show();
    // The game windows 1..15 take the positions the settings keep.
    void PlaceWindows();

    // Handlers.
    void Form_Load();
    void Form_Activate();
    void Form_MouseMove(int shift);
    void chkNameConfig_Click();
    void chkBold_Click();
    void chkItalics_Click();
    void chkMessage_Click(int index);
    void optLong_Click();
    void optTall_Click();
    void optCustom_Click();
    void spnWidth_UpClick();
    void spnWidth_DownClick();
    void spnFontSize_UpClick();
    void spnFontSize_DownClick();
    void cmdSelBack_Click();
    void cmdSelFore_Click();
    void cmdSelectColor_Click();
    // The picture picker: the chosen picture becomes the background picture.
    void cmdSelectPicture_Click();
    void cmdClear_Click();
    void cmdInfo_Click();
    void cmdAll_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdApply_Click();
    // The close box, and Escape: the dialog hides; its controls keep what they show.
    void Form_QueryUnload();

    QTabWidget* TabStrip1;
    std::array<QWidget*, 6> picTab{};
    QCheckBox *chkSound, *chkSuppress, *chkNameConfig, *chkKeepTech, *chkNotes;
    QLabel *lblConfigNameLabel, *lblConfigName;
    QGroupBox *fraPicQual, *fraDispOpt;
    std::array<QRadioButton*, 4> optSRSPic{};
    QCheckBox *chkLarge, *chkCoord, *chkReserved;
    QGroupBox* Frame4;
    QCheckBox *chkGeneral, *chkZarvoni, *chkDamage, *chkStarbase;
    QGroupBox* Frame5;
    QRadioButton *optLong, *optTall, *optCustom;
    QLineEdit* txtCustom;
    QToolButton *spnWidthUp, *spnWidthDown;
    QGroupBox *Frame1, *Frame2, *Frame3;
    QLabel* lblPreviewSize;
    QToolButton *spnFontSizeUp, *spnFontSizeDown;
    QCheckBox *chkBold, *chkItalics;
    QLabel *lblBack, *lblFore, *lblBackColor, *lblForeColor;
    QPushButton *cmdSelBack, *cmdSelFore, *cmdClear;
    QRadioButton *optNone, *optColor, *optPicture;
    QLabel *lblColor, *lblPictureFile;
    QPushButton *cmdSelectColor, *cmdSelectPicture, *cmdInfo;
    std::array<QCheckBox*, 17> chkMessage{};
    QPushButton* cmdAll;
    QPushButton *cmdOK, *cmdCancel, *cmdApply;

protected:
    void showEvent(QShowEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Do(const std::function<void()>& handler);
    Game& g_;
    QtHost& host_;
    bool placing_ = false;  // the windows are being placed (their moves are not recorded)
    bool centred_ = false;  // centred on its first showing
};

}  // namespace kv
