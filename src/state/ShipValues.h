#pragma once
// Values of the ship that follow from others, kept as plain data: the alert condition's word,
// and the capacities and indicator colours that follow from the upgrade levels. The turn
// engine's SetCondition and StartUpgrade build on these; the reset and the saved-game reader
// use them directly, since they must not run the engine's notices, draws or Morv tests.
#include "state/Game.h"

namespace kv {

// Stores the alert condition (a value outside 0..3 becomes green, 2) and its word from
// ConditionNames.
void StoreCondition(GameState& s, long index);

// Recomputes the values that follow from the level of upgrade slot 1..5 (just raised by one):
// MaxEnergy (slot 1), MaxShields and ShieldFactor (2), TorpedoClass2Power (3), the torpedo
// capacities (3 and 4), LRSRange (5). Other slot numbers change nothing.
void DeriveUpgradeSlot(GameState& s, int slot);

// Fill colour of an upgrade indicator for a level 1..9 (24-bit RGB; -1 = the button face).
Long UpgradeLevelColor(int level);

// Border colour of an upgrade indicator whose slot stands at the technology limit.
inline constexpr Long kUpgradeLimitBorder = 128 + 256 * 128 + 65536 * 128;

// One more level for slot 1..5 below the technology limit, with its derived values and the
// indicator's colours, and nothing else: no notice, no draw, no Morv arrival test. A slot at
// the limit, or another slot number, is left alone.
void GrantUpgradeLevel(Game& g, int slot);

// Rebuilds the values derived from the levels now in UpgradeTable (a loaded game), as the
// grants from level 0 would, but without the Morv arrival tests, draws or notices, so that
// loading a game never changes it. Also sets the indicators' colours.
void RestoreUpgrades(Game& g);

}  // namespace kv
