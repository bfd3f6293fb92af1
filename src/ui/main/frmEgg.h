#pragma once
// The hidden picture window: a small picture with a one-line message, shown modally for ten
// seconds, then it hides itself; neither Escape nor its close box ends it sooner.
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <memory>

#include "state/Game.h"

namespace Ui {
class frmEgg;
}

namespace kv {

class frmEgg : public QDialog {
    Q_OBJECT
public:
    explicit frmEgg(Game& g, QWidget* parent = nullptr);
    ~frmEgg() override;

    void Form_Load();
    void Form_Activate();
    void tmrHide_Timer();

    QLabel* Picture1;
    QLabel* Label1;
    QTimer* tmrHide;

protected:
    void showEvent(QShowEvent* e) override;
    // Dismissed by the program: hidden at once, its timer stopped.
    void reject() override;

private:

    std::unique_ptr<Ui::frmEgg> ui_;
};

}  // namespace kv
