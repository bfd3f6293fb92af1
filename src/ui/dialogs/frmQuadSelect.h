#pragma once
// The quadrant picker: an 8 x 8 grid of option buttons, one per quadrant or sector. The opener
// sets its caption and the cell it may not pick (GameState::QuadSelect), runs it modally and
// reads the selection back; every opening starts with nothing selected, and the close box
// leaves nothing selected.
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <memory>

#include "state/Game.h"

namespace Ui {
class frmQuadSelect;
}

namespace kv {

class QtHost;

class frmQuadSelect : public QDialog {
    Q_OBJECT
public:
    frmQuadSelect(Game& g, QtHost& host, QWidget* parent = nullptr);
    ~frmQuadSelect() override;

    // Centred on the screen.
    void Form_Load();
    // Every opening: nothing selected, the opener's caption and cells.
    void Form_Activate();
    void optQS_Click(int index);
    // The player closes the picker with the close box: it hides with nothing selected. Escape
    // does nothing (the picker has no Cancel).
    void Form_QueryUnload();

    std::array<QRadioButton*, 64> optQS{};
    QPushButton* cmdKeepFocus;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void ClearOptions();

    Game& g_;
    QtHost& host_;
    std::unique_ptr<Ui::frmQuadSelect> ui_;
};

}  // namespace kv
