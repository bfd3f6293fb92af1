#include "engine/tactical/Damage.h"

namespace kv {

// Placeholder until damage under fire is built.
int DamageSystem(Game&, int, int) { return 0; }

}  // namespace kv
