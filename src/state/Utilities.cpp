#include "state/Utilities.h"

namespace kv {

int StrToBool(const std::string& text) {
    if (text == "True") return -1;
    if (text == "False") return 0;
    return kNotABool;
}

void FillRandom(Game& g, std::span<Single> values) {
    for (auto& v : values) v = g.Rnd();
}

std::string GetVersionString() {
    return std::to_string(KESTRAVA_VERSION_MAJOR) + "." + std::to_string(KESTRAVA_VERSION_MINOR) + "." +
           std::to_string(KESTRAVA_VERSION_PATCH);
}

void CenterMouse(Game& g) { g.host.CenterMouse(); }

}  // namespace kv
