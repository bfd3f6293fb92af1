#pragma once
// The status window: six lamps that the game switches on and off (colours and captions as
// PaintLamp gives them); four of them open a report, one may blink.
#include <QWidget>
#include <array>

#include "ui/dialogs/StatusBox.h"

namespace kv {

// The window's size in twips (three lamps by two), for the windows placed beside it.
inline constexpr long kStatusWidthTwips = 4695, kStatusHeightTwips = 1200;

class frmStatus : public QWidget {
    Q_OBJECT
public:
    frmStatus(Game& g, QtHost& host, QWidget* parent = nullptr);

    // Lamp 1..6 as SetStatusItem numbers them (pnlAttackBase, pnlZarvoni, pnlDamage, pnlDocked,
    // pnlBaseCaptured, pnlTimeLow).
    std::array<StatusBox*, 7> lamp{};
    void ShowLamps();

    // Places the lamps at the screen's edge.
    void Form_Load();
    // The clicks on the lamps that answer one.
    void pnlAttackBase_Click();
    void pnlZarvoni_Click();
    void pnlDamage_Click();
    void pnlDocked_Click();
    void tmrBlink_Timer();

private:
    void PaintLampBox(QPainter& p, int index);
    Game& g_;
    QtHost& host_;
};

}  // namespace kv
