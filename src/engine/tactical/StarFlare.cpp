#include "engine/tactical/StarFlare.h"

namespace kv {

// Placeholder until the star flare is built.
void StarFlare(Game&, int, int, int) {}

}  // namespace kv
