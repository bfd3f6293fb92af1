#pragma once
// The shield dialog (frmSHE). SetShields gives the shield energy back to the ship, keeps the old
// level in LibComputerState[0] (and in entry 1 whether Auto is unavailable) and shows the dialog
// modally; its Accept or Cancel sets ShieldLevel and takes that energy from ShipEnergy again.
// The dialog's controls are st.ShieldDialog; the bar is drawn from BarTag and DragLineTop.
#include <string>

#include "state/Game.h"

namespace kv {

// Activation: Auto is offered only when LibComputerState[1] is 0; the box shows the old level;
// nothing is dragged over the bar.
void ShieldDialogActivate(Game& g);

// The level box changed to `text`: above MaxShields it shows MaxShields, below 0 it shows "0";
// otherwise the bar's fill and the drag line follow the level.
void ShieldTextChanged(Game& g, const std::string& text);

// Something dragged over the bar: state 0 entering (the bar takes the button-shadow colour),
// 1 leaving (back to the button face).
void ShieldBarDragOver(Game& g, int state);

// The drag line dropped at height y of the bar (its own units, 0 at the top): the level the
// height stands for goes into the box (then checked as typed).
void ShieldBarDropped(Game& g, int y);

// The four level buttons. Max and Half keep 100 energy in reserve (Half rounds halves to even);
// Drop is 0; Auto is the automatic shields' choice, its energy given back for Accept to take.
void ShieldMaximum(Game& g);
void ShieldHalf(Game& g);
void ShieldDrop(Game& g);
void ShieldAuto(Game& g);

// Accept: the level typed (rounded halves to even) is charged to the energy; when the energy
// cannot pay it, the old level is charged instead. Cancel charges the old level. Both close the
// dialog.
void ShieldAccept(Game& g);
void ShieldCancel(Game& g);

}  // namespace kv
