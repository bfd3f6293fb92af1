#include "engine/tactical/Destroy.h"

namespace kv {

// Placeholders until the destruction of ships and starbases is built.
void DestroyZarvoniShip(Game&, int) {}
void DestroyCloakedShip(Game&, int) {}
void DestroyMorvShip(Game&) {}
void DestroyFriendlyStarbase(Game&) {}
void DestroyZarvoniBase(Game&) {}
void DestroyStarbase(Game&, int) {}

}  // namespace kv
