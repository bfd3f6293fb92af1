#include "engine/tactical/ShortRangeScan.h"

namespace kv {

// Placeholder until the scan's drawing is built.
void SRS(Game& g) { g.host.Refresh(View::ShortRangeScan); }

}  // namespace kv
