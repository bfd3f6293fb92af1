#pragma once
// The background window behind the game windows: shown behind every visible game window, made
// to disappear at once without closing it, and the request that a modal window kept from being
// carried out completed once the modal window is gone (the return from the main menu).
#include "state/Game.h"

namespace kv {

// Shows the background window behind every visible game window (its region removed first, so a
// window made invisible by ReskinBackground is drawn again). While a modal window is open the
// show is refused: the request waits as BackgroundTag::Show for RefreshBackground.
void ApplyBackground(Game& g);

// Makes the background window disappear at once (an empty region), and records that it is to be
// hidden properly (BackgroundTag::Hide).
void ReskinBackground(Game& g);

// Completes the recorded request: removes the region, then hides the window ("HIDE") or shows
// it behind the game windows ("SHOW"). Nothing pending: nothing happens.
void RefreshBackground(Game& g);

// No background behind the game windows: the window is hidden, and a show that a modal window
// kept back is dropped, so that it does not come back when that window closes.
void HideBackgroundWindow(Game& g);

// True while the background window is visible or still to be hidden properly.
bool BackgroundActive(Game& g);

}  // namespace kv
