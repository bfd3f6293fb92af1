#pragma once
// The phaser dialog (frmPHA): the phaser fire plan, at most eight targets of the current
// quadrant with the energy for each (st.PhaserPlan, entries as engine/computer/FirePlan.h
// describes them), its total (st.PhaserPlanTotal), the last plan fired (st.PhaserPlanPrevious,
// in text order) and the list's selection and buttons (st.PhaserDialog). Targets are picked on
// the short-range scan: Add hands over to it (SectorPickMode -2), the next activation collects
// the cells whose selection frames are shown.
//
// Entry texts: picked sectors PHA0034/PHA0035, Kill PHA0021/PHA0022, Disable PHA0004/PHA0005,
// Other PHA0027/PHA0028; a hostile ship's label is "Z" and its slot 1..10, whole.
#include <optional>

#include "state/Game.h"

namespace kv {

inline constexpr int kPhaserPlanSize = 8;

// The energy that destroys a hostile ship of energy e at distance d: Int((e / 2 x d + 5) / 5)
// x 5. The share of the kill amount k that leaves it disabled, Int(k / e x (e - 18)); nothing
// for a ship of energy 18 or less, which no amount disables.
long PhaserKillAmount(double energy, double distance);
std::optional<long> PhaserDisableAmount(long kill, double energy);

// The entry for a picked sector (row, col): the hostile ship's label and, with sensors and
// computer working, its kill amount; "ZB" 1000 for the standing Zarvoni starbase, "MV" 2000 for
// the Morv ship, "??" 1 for a sector beyond two rows or columns while the short-range sensors are
// damaged, "--" 1 for anything else.
std::string PhaserPickedEntry(Game& g, int row, int col);

// Activation. While the dialog's own message shows (FirePlanMode 2) nothing but the reset. Opening (no
// pick of its own under way; another window's pick mode is left alone): the computer's button is
// offered with sensors and computer working, nothing is selected. Back from picking: the marked
// cells (frames shown, in cell order) are added while the plan has room (the first one beyond it is
// named, PHA0031..PHA0033, slot 10), the scan is redrawn, and picking ends.
void PhaserDialogActivate(Game& g, const SectorFrames& frames);

// The selection changed: Kill for a selected hostile ship the sensors can see, Disable also
// when its energy is above 20, Other for any selection.
void PhaserSelectionChanged(Game& g);

// Add: with room, the picking instructions (PHA0002, the room, PHA0003) and the scan to pick
// on; a full plan says PHA0001. FirePlanMode marks the instructions only while they show.
void PhaserAdd(Game& g);
void PhaserRemove(Game& g);
void PhaserClearAll(Game& g);
void PhaserSelectAll(Game& g);

// The amount buttons rewrite the selected entries that hold a hostile ship (Other: every
// selected entry, with the amount the player enters, 0 .. the energy but at most 2000; a
// cancelled entry keeps its text). Disable leaves a ship of energy 18 or less as it was.
void PhaserKill(Game& g);
void PhaserDisable(Game& g);
void PhaserOther(Game& g);

// Info on each selected target (PHA0006..PHA0020).
void PhaserInfo(Game& g);

// The computer writes the plan; Previous restores the last plan fired.
void PhaserAutoTargetClick(Game& g);
void PhaserPrevious(Game& g);

// Cancel closes the dialog; Accept closes it, keeps the plan as the last one fired and fires.
void PhaserCancel(Game& g);
void PhaserAccept(Game& g);

}  // namespace kv
