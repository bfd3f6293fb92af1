#pragma once
// The hidden picture window: a small picture with a one-line message, shown modally for ten
// seconds, then it hides itself. Its close box hides it at once.
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
    // The close box: hidden at once, its timer stopped. Escape does nothing.
    void reject() override;
    void keyPressEvent(QKeyEvent* e) override;

private:

    std::unique_ptr<Ui::frmEgg> ui_;
};

}  // namespace kv
