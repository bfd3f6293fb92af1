#include "engine/tactical/Tractor.h"

namespace kv {

// Placeholder until the tractor beam is built.
void TractorTow(Game&, int, int) {}

}  // namespace kv
