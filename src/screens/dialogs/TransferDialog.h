#pragma once
// The energy-transfer dialog (frmDAM): how much energy goes into the repair of one ship system.
// Its opener fills st.TransferDialog (the largest amount allowed, the energy and the system's
// name), shows it modally and reads the amount when it closes. The amount bar runs inverted:
// amount = Max - Value, the top of the bar being the largest amount.
#include "state/Game.h"

namespace kv {

// Fills the dialog for a transfer of at most `allowed` (0 or more) into `system` (1..8), shows
// it modally and returns the amount chosen (see TransferAmount): 0 when cancelled.
Long RunTransferDialog(Game& g, Long allowed, int system);

// Activation: when the allowed amount is the ship's whole energy the dialog opens at 0,
// otherwise at the whole allowed amount.
void TransferDialogActivate(Game& g);

// The bar moved: the box shows Max - Value.
void TransferBarChanged(TransferDialogData& d);

// Cancel: the box shows "0"; both buttons close the dialog.
void TransferAccept(Game& g);
void TransferCancel(Game& g);

// The amount the box holds, read as a whole number and kept within 0..Max (a typed amount
// beyond the allowed one gives the allowed one).
Long TransferAmount(const TransferDialogData& d);

}  // namespace kv
