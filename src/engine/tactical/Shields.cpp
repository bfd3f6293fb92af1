#include "engine/tactical/Shields.h"

namespace kv {

// Placeholder until the shield setting is built.
void SetShields(Game&, int) {}

}  // namespace kv
