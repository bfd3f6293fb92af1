#pragma once
// The language changer's one window: the languages installed beside the game as flags, three
// groups of five; the player picks one and OK records it as the game's current language.
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>

#include "vernalect/LanguageStore.h"

namespace vernalect {

class frmVrnlct : public QWidget {
    Q_OBJECT
public:
    // `programFolder` holds the game program and the LANGUAGE folder (ending in "/");
    // `settingsFile` is the game's settings file. Messages go to `notify` (a message box by
    // default).
    frmVrnlct(QString programFolder, QString settingsFile, QWidget* parent = nullptr);

    std::function<void(const QString&)> notify;

    // The game's version text ("0" when it cannot be read).
    QString KestravaVersion();

    // Tests the game's version and lists the installed languages (bringing the registration
    // file in once when none is usable). False when the program must end (a message was given).
    bool Form_Load();
    // Shows the installed languages' flags, selects the current one and narrows the window to
    // the groups in use.
    void Form_Activate();

    // Draws every flag, dimmed where its language is not installed.
    void Form_Paint();
    // True when a close from the window's frame is refused (no language recorded yet).
    bool Form_QueryUnload();
    void Choice_Click(int index);
    void picLang_MouseDown(int index, Qt::MouseButton button);
    void picLang_MouseUp(int index);
    void picLang_Click(int index);
    void cmdOK_Click();
    void cmdCancel_Click();

    const QStringList& InstalledLanguages() const { return installed_; }
    const QString& CurrentLanguage() const { return current_; }
    // True once OK or Cancel ended the window.
    bool Ended() const { return ended_; }

    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    std::array<QRadioButton*, 15> Choice{};
    std::array<QLabel*, 15> picLang{};
    QFrame* shpBorder;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool ReadLanguages(bool& sectionHadValues);
    void PaintFlag(int index);
    void End();

    QString programFolder_, languageFolder_;
    LanguageStore store_;
    QString version_;
    QString current_;
    QStringList installed_;
    bool pressed_ = false;
    bool ended_ = false;
};

}  // namespace vernalect
