#pragma once
// The Morv report: six rows of title and value that type themselves out a character a tick.
// The opener fills the texts and shows it modally; Close (or Escape, or the close box) ends it
// at the next tick.
#include <QLabel>
#include <QPushButton>
#include <array>
#include <memory>

#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmMorvReport;
}

namespace kv {

class frmMorvReport : public CommandDialog {
    Q_OBJECT
public:
    frmMorvReport(Game& g, QtHost& host);
    ~frmMorvReport() override;

    void Form_Activate() override;
    // Close, and the focus holder's click, close the report.
    void cmdClose_Click();
    void cmdGoat_Click();
    void tmrAnim_Timer();
    void Show();

    std::array<QLabel*, 12> lblAnim{};
    QPushButton* cmdClose;
    QPushButton* cmdGoat;  // a tiny button that holds the focus

private:
    // Each label wide enough for the whole text it will type out.
    void FitTexts();

    std::unique_ptr<Ui::frmMorvReport> ui_;
    std::array<int, 12> designWidth_{};  // each label's width in the layout file
};

}  // namespace kv
