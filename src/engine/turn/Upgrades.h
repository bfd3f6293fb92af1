#pragma once
// The ship's five upgrades (energy capacity, shields, class-2 torpedoes, torpedo capacity,
// long-range sensors) and the technology limit they stand under.
#include "state/Game.h"
#include "state/ShipValues.h"

namespace kv {

// Grants one level of upgrade slot 1..5, or refuses it at the technology limit (with a notice
// and no other change), and derives the capacities that follow from the slot's level:
// MaxEnergy, MaxShields, ShieldFactor, TorpedoClass2Power, the torpedo capacities, LRSRange.
// While no Morv countdown runs, a slot already at the limit may start one (a draw > 0.5), and
// with upgrades switched off a slot falls back to level 0 before the grant. Every granted
// level ends with the Morv arrival test. Other slot numbers change no value.
void StartUpgrade(Game& g, int slot);

// The new-game reset (ResetGameState of state/Reset.h) with every upgrade level granted
// through StartUpgrade, notices and Morv arrival tests included.
void ResetGameState(Game& g);

// RestoreUpgrades (a loaded game's levels, without tests or notices) and UpgradeLevelColor
// are plain data: state/ShipValues.h.

// Lists the upgrades standing above the standard level 1 in a notice. With `announce` (the
// game start) the list also goes to the message log. Upgrades switched off: KVGAME0128 only;
// none above level 1: KVGAME0154 with the line KVGAME0136.
void DescribeUpgrade(Game& g, bool announce);

// The game-start announcement: the upgrade list, and below skill level 3 the position of one
// friendly starbase, below skill level 5 the position of the hostile starbase (charted in
// KnownGalaxy and told to the player).
void AnnounceUpgrades(Game& g);

}  // namespace kv
