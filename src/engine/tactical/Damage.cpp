#include "engine/tactical/Damage.h"

namespace kv {

// Placeholders until damage under fire is built.
int DamageSystem(Game&, int, int) { return 0; }
int DestroySystem(Game&, int) { return 0; }
void ShieldHit(Game&, long) {}
void ZeroShipPower(Game&) {}

}  // namespace kv
