#pragma once
// The torpedo dialog (frmTOR): the torpedo fire plan, one entry per torpedo (st.TorpedoPlan,
// entries as engine/computer/FirePlan.h describes them, written with TOR0029 and TOR0030), kept
// in text order regardless of case like the last plan fired (st.TorpedoPlanPrevious): class-2
// torpedoes (the class mark "*<power>*") first, nearer targets first within a class. An entry
// is class 2 exactly when it begins with "*". Targets are picked on the short-range scan
// (SectorPickMode -3): a shown selection frame of border width w stands for w - 1 torpedoes at
// its cell, yellow (palette 14) ones of class 2.
#include "state/Game.h"

namespace kv {

inline constexpr int kTorpedoPlanSize = 8;

// The room left in the plan: 8 entries, and never more than the torpedoes on board.
int TorpedoPlanRoom(const GameState& s);

// The entry of a torpedo of class 2 (or 1) at sector (row, col).
std::string TorpedoPickedEntry(Game& g, int row, int col, bool classTwo);

// Activation. While the dialog's own message shows (FirePlanMode 1) nothing but the reset. Opening (no
// pick of its own under way; another window's pick mode is left alone): the computer's button is
// offered with sensors and computer working, nothing is selected. Back from picking: the torpedoes
// the frames mark (in cell order) are added while the plan has room (the first one beyond it is
// named, TOR0026..TOR0028), the scan is redrawn and picking ends. Either way the class switch shows
// while class-2 torpedoes are on board.
void TorpedoDialogActivate(Game& g, const SectorFrames& frames);

// Add: with room, the picking instructions (TOR0005..TOR0007, TOR0008 too with class-2
// torpedoes on board) and the scan to pick on; without room TOR0004. FirePlanMode marks the
// instructions (and the activation's message naming a torpedo left out) only while they show.
void TorpedoAdd(Game& g);

// Edit: the frames that show the whole plan on the scan (a cell's width 1 + its torpedoes, at
// most 9; yellow for class 2); the plan empties and the scan takes over the picking.
SectorFrames TorpedoEdit(Game& g);

// The class switch on the selected entries: the class mark taken off, or put on with the
// class-2 power. Switching twice gives the entry back.
void TorpedoSwitchClass(Game& g);
void TorpedoRemove(Game& g);
void TorpedoClearAll(Game& g);
void TorpedoSelectAll(Game& g);

// Info on each selected target (TOR0009..TOR0023).
void TorpedoInfo(Game& g);

// The computer writes the plan; Previous restores the last plan fired.
void TorpedoAutoTargetClick(Game& g);
void TorpedoPrevious(Game& g);

// Cancel closes the dialog. Accept refuses a plan with more torpedoes of a class than are on
// board (TOR0001 class 1; TOR0002, the class-2 power, TOR0003 class 2), the plan staying for
// editing; otherwise closes the dialog, keeps the plan as the last one fired and fires.
void TorpedoCancel(Game& g);
void TorpedoAccept(Game& g);

}  // namespace kv
