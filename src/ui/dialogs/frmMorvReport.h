#pragma once
// The Morv report: six rows of title and value that type themselves out a character a tick.
// The opener fills the texts and shows it modally; Close (or the close box) ends it at the
// next tick.
#include <QLabel>
#include <QPushButton>
#include <array>

#include "ui/dialogs/CommandDialog.h"

namespace kv {

class frmMorvReport : public CommandDialog {
    Q_OBJECT
public:
    frmMorvReport(Game& g, QtHost& host);

    void Form_Activate() override;
    void Cancel() override;
    void tmrAnim_Timer();
    void Show();

    std::array<QLabel*, 12> lblAnim{};
    QPushButton* cmdClose;
    QPushButton* cmdGoat;  // a tiny button that holds the focus
};

}  // namespace kv
