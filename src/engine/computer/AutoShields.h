#pragma once
// The automatic shields of the ship's computer.
//
// The shield page of the library options and the computer panel's switch are game data:
//   st.LibShieldLevel      1 maximum, 2 minimum (the need of the quadrant), 3 energy saver;
//                          0 none selected
//   st.LibShieldFrequency  0 constantly, 1 only on entering a quadrant, 2 never; -1 none
//   st.LibShieldReserve    the energy reserve as its caption shows it (read with Val)
//   st.ComAutoShields      the panel's automatic-shields check box (non-zero = checked)
//   st.ComAutoShieldsColor the check box's text colour: 0 while usable, else marked damaged
//   st.ShieldRaisePending  armed to act (not saved)
#include "state/Game.h"

namespace kv {

// Chooses the shield level by the library options and moves that energy from ShipEnergy into
// ShieldLevel; the caller has already given the old shield energy back to ShipEnergy. While
// docked it refuses with KVCOM0088 and changes nothing. The level never exceeds MaxShields or
// the energy above the reserve, and is never negative.
void AutoShields(Game& g);

// The automatic-shield step after an action (`arrival` non-zero when the ship has just entered
// a quadrant). Acts only when the panel's switch and the frequency option allow it, the player
// did not set the shields by hand and the ship is not docked; with the computer damaged it
// answers NOTRESP.WAV once per arming. With hostiles in the quadrant and working sensors and
// computer it runs AutoShields, reports a raised (KVCOM0089) or lowered (KVCOM0090) level
// and redraws the status bars.
void RaiseLowerShields(Game& g, int arrival);

}  // namespace kv
