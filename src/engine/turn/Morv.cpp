#include "engine/turn/Morv.h"

namespace kv {

// Placeholders until the assimilating faction's turn is built.
void StartMorvCountdown(Game&, int) {}
void ConsiderMorvArrival(Game&) {}

}  // namespace kv
