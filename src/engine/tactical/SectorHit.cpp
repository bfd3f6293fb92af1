#include "engine/tactical/SectorHit.h"

namespace kv {

// Placeholder until the sector hit is built.
void ResolveSectorHit(Game&, int, int) {}

}  // namespace kv
