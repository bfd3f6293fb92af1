#pragma once
// The final report window frmFinalReport's own handlers: its Morv report button, the
// end-of-game questions once the player has closed it (delete the saved game and its log, view
// the log, keep the skill bar's break) and the return to the main menu. What the report shows
// is filled by ShowFinalReport (engine/turn/FinalReport.h).
#include "state/Game.h"

namespace kv {

// Loading: the Morv report button's first caption ("&", the Morv's name, FINLRPRT0002).
void FinalReportLoad(Game& g);
// Each activation: the message log's Print and Save items show; the button's caption becomes
// "&", the Morv's name and FINLRPRT0001.
void FinalReportActivate(Game& g);
// The close box: the window hides, the log's items hide again and the command bar shows.
void FinalReportCloseBox(Game& g);
// The Morv report button: the Morv report, modal.
void FinalReportMorvReportClick(Game& g);
// A tick of tmrMenu (500 ms): nothing while the report shows. Once it is hidden the timer stops
// and, with a saved game, the player may delete it (FINLRPRT0004) and its log (FINLRPRT0005)
// or view the log (FINLRPRT0006); a won game at skill 10 asks whether to keep the skill bar's
// break (FINLRPRT0007..0011; Yes forgets it); the game windows come back as they were, the game
// stops and the main menu opens (ReturnToMenuAfterGame). An unexpected error is reported
// ("frmFinalReport:tmrMenu_Timer") and the sequence goes on.
void FinalReportMenuTick(Game& g);
// The return to the main menu at the end of a game: the skill bar's break starts when the
// final report asked for it (unless the bar is broken already); the menu is made ready for a
// new game (FINLRPRT0003) and shown modally; when it closes the windows come back and the
// first refresh runs.
void ReturnToMenuAfterGame(Game& g);

}  // namespace kv
