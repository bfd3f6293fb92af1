#include "engine/tactical/Hostiles.h"

namespace kv {

// Placeholders until the hostiles' fire and movement are built.
void HitShip(Game&) {}
void Movem(Game&) {}

}  // namespace kv
