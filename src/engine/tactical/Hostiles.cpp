#include "engine/tactical/Hostiles.h"

namespace kv {

// Placeholders until the hostiles' fire and movement are built.
void HitShip(Game& g) { g.host.Refresh("HitShip"); }
void Movem(Game& g) { g.host.Refresh("Movem"); }

}  // namespace kv
