#include "screens/dialogs/RetrofitPanel.h"

#include <algorithm>

#include "engine/turn/Retrofit.h"

namespace kv {
namespace {

constexpr int kLampOff = 12, kLampOn = 10;

// The systems a rebuild offers, in the order offered.
constexpr int kRebuildOrder[8] = {1, 6, 4, 5, 2, 7, 8, 3};

bool ValidButton(int button) { return button >= 0 && button <= 4; }

// Engages button i; false when it cannot be engaged.
bool Engage(Game& g, int button, std::string& tag) {
    GameState& s = g.st;
    const auto uses = [&](int kind) { return static_cast<long long>(s.RetrofitSlots[static_cast<size_t>(kind)]); };
    switch (button) {
        case 0:
            EnginePowerBoost(g);
            tag = std::to_string(uses(1) * 3);
            return true;
        case 1:
            if (s.ShieldLevel <= 0) {
                MessageBox(g, -1, g.Text("RETROFIT0001"), 0);
                return false;
            }
            tag = std::to_string(uses(2) * 2);
            return true;
        case 2: tag = "3"; return true;
        case 3: tag = "2"; return true;
        default: break;
    }
    s.RetrofitSystem = 0;
    for (const int system : kRebuildOrder) {
        if (s.SystemDamage[static_cast<size_t>(system)] < 7.0f) continue;
        const std::string offer = g.Text("RETROFIT0002") + s.SystemNames[static_cast<size_t>(system)] + "?";
        if (MessageQuery(g, -1, offer, kYesNo) == kYes) {
            s.RetrofitSystem = static_cast<Integer>(system);
            break;
        }
    }
    if (s.RetrofitSystem == 0) {
        MessageBox(g, -1, g.Text("RETROFIT0003"), 0);
        return false;
    }
    tag = std::to_string(uses(5) + 4);
    return true;
}

}  // namespace

int RetrofitLampColour(const GameState& s, int button) {
    if (!ValidButton(button) || s.RetrofitButtonTag[static_cast<size_t>(button)].empty()) return kLampOff;
    const Integer own = s.RetrofitLampFill[static_cast<size_t>(button)];
    return own != 0 ? own : s.RetrofitBlinkColour;
}

void RetrofitBlinkTick(Game& g) {
    Integer& c = g.st.RetrofitBlinkColour;
    c = c == 10 ? 2 : 10;
    // Every engaged lamp takes the blink colour, also one engaged since the last tick.
    g.st.RetrofitLampFill.fill(0);
    g.host.Refresh(View::RetrofitPanel);
}

void RetrofitButtonClick(Game& g, int button) {
    GameState& s = g.st;
    if (!ValidButton(button) || !s.RetrofitCoverOpen[static_cast<size_t>(button)]) return;
    std::string& tag = s.RetrofitButtonTag[static_cast<size_t>(button)];
    const int kind = button + 1;
    if (!tag.empty()) {
        // Switching it off spends the use.
        tag.clear();
        Integer& uses = s.RetrofitSlots[static_cast<size_t>(kind)];
        if (uses > 0) --uses;
        if (uses < 1) {
            uses = 0;
            ShowRetrofitSlot(g, kind, false);
        }
    } else {
        std::string engaged;
        if (Engage(g, button, engaged)) {
            tag = engaged;
            // An engaged lamp lights light green at once, whatever the blink stands at.
            s.RetrofitLampFill[static_cast<size_t>(button)] = kLampOn;
        }
    }
    g.host.Refresh(View::RetrofitPanel);
}

}  // namespace kv
