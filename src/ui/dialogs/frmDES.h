#pragma once
// The self-destruct countdown: ten seconds in large red digits with a grey shadow, counted down
// by its timer. SelfDestruct opens it modally and reads the time when it closes ("0:10": the
// countdown was aborted). A click on the time offers to abort; Escape and the close box do
// nothing.
#include <memory>

#include "ui/host/ClickLabel.h"
#include "ui/dialogs/CommandDialog.h"

namespace Ui {
class frmDES;
}

namespace kv {

class frmDES : public CommandDialog {
    Q_OBJECT
public:
    frmDES(Game& g, QtHost& host);
    ~frmDES() override;

    void Form_Load();
    void Form_Activate() override;
    void tmrCount_Timer();
    void lblTime_Click();
    void Show();

    ClickLabel* lblTime;
    QLabel* lblTime2;

private:
    std::unique_ptr<Ui::frmDES> ui_;
};

}  // namespace kv
