#include "engine/computer/Docking.h"

namespace kv {

void DockAtStarbase(Game&) {}

}  // namespace kv
