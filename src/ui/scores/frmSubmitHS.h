#pragma once
// The high-score submission window: shows the record and the list it qualifies for, and posts
// it to the score server, mails it, or appends it to HISCORE.TXT on the desktop. Each time it
// opens it starts afresh from the data the game filled (ShowSubmitHighScore).
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <array>
#include <functional>
#include <string>

#include "scores/Hiscore.h"

namespace kv {

struct Game;
class QtHost;

class frmSubmitHS : public QDialog, public SubmitHSView {
    Q_OBJECT
public:
    // `data` is the game's own (HighScoreState::dialog), read each time the window opens.
    frmSubmitHS(Game& g, const SubmitHSData& data, ScoreEndpoints endpoints = {},
                EnvironmentLookup env = EmptyEnvironment, QWidget* parent = nullptr);
    // The game's window: it shows what the host keeps for it (QtHost::HighScores).
    frmSubmitHS(Game& g, QtHost& host);

    // The window as it opens: the application title, the three submit buttons enabled, and the
    // texts of the game's data.
    void Form_Load();
    // Shows the window's texts and the record; a comment wider than its label is left-justified.
    void Fill(const SubmitHSData& data);

    QString ListKind() const { return listKind_; }
    void SetListKind(const QString& kind) { listKind_ = kind; }

    void cmdSubmit_Click(int index);
    void cmdView_Click();

    HighScoreSubmitter& Submitter() { return submitter_; }

    // What the submission asks of the window.
    void SetSubmitEnabled(bool enabled) override;
    void ShowStatus(const std::string& status) override;
    void PumpEvents() override;
    bool OpenInBrowser(const std::string& url) override;

    // Opens a page in the browser (the desktop's default browser unless replaced).
    std::function<bool(const QUrl&)> openUrl;

    QPushButton* cmdSG;
    std::array<QPushButton*, 3> cmdSubmit;
    QPushButton* cmdView;
    QLabel* lblComments;
    QLabel* lblCode;
    QLabel* lblSN;
    QLabel* lblName;
    std::array<QLabel*, 4> lblLine;
    QLabel* lblStatus;
    QLabel* lblType;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const SubmitHSData& data_;
    HighScoreSubmitter submitter_;
    // How a button's handler runs: at once, or through the host's busy guard.
    std::function<void(const std::function<void()>&)> run_ = [](const std::function<void()>& f) { f(); };
    QString listKind_;
};

}  // namespace kv
