#pragma once
// The info window (frmInfo): the game's close button and what its starbase panel and Morv
// countdown line show.
#include <string>

#include "state/Game.h"

namespace kv {

// The close button. A changed running game asks INFO0001 (Yes, No, Cancel): Yes asks for a name
// and saves, then ends the program (a cancelled file dialog or a failed save returns to the
// game); No ends it at once; Cancel returns to the game. Otherwise QuitGame asks its own question
// while a game runs.
void InfoClose(Game& g);

// What the window shows: the starbase panel's text, and the countdown line (debug mode only)
// whose length is a fraction of the starbase label's width.
struct InfoLines {
    std::string starbase;
    bool morvLineVisible = false;
    double morvLineLength = 0;
};
InfoLines InfoWindowLines(const GameState& s, double starbaseLabelWidth);

// The window's place: the top-right corner of the screen (twips).
void PlaceInfoWindow(double screenWidth, double windowWidth, double& left, double& top);

}  // namespace kv
