#pragma once
// The number-entry dialog: a number between two bounds, typed or chosen with the scroll bar
// (screens/main/NumberEntry.h keeps the two in step); SetupNumberDialog opens it.
#include <QDialog>
#include <functional>

#include "state/Game.h"
#include "ui_frmGetNumber.h"

namespace kv {

class QtHost;

class frmGetNumber : public QDialog, public Ui::frmGetNumber {
    Q_OBJECT
public:
    frmGetNumber(Game& g, QtHost& host, QWidget* parent = nullptr);
    void Show();

    // Handlers.
    void Form_Activate();
    void txtNumber_Change();
    void vsbNumber_Change();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Do(const std::function<void()>& handler);
    void FitToPrompt();
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
