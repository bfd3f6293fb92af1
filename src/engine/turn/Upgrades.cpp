#include "engine/turn/Upgrades.h"

#include "engine/turn/Morv.h"
#include "state/Numeric.h"

namespace kv {
namespace {
constexpr Long Rgb(int r, int gr, int b) { return r + 256 * gr + 65536 * b; }
}  // namespace

Long UpgradeLevelColor(int level) {
    static constexpr Long kColors[10] = {-1, -1, Rgb(255, 255, 0), Rgb(0, 255, 0), Rgb(0, 255, 255),
                                         Rgb(255, 0, 0), Rgb(255, 0, 255), Rgb(0, 0, 255),
                                         Rgb(0, 128, 128), Rgb(255, 255, 255)};
    return level >= 1 && level <= 9 ? kColors[level] : -1;
}

void StartUpgrade(Game& g, int slot) {
    GameState& s = g.st;
    if (slot < 1 || slot > 5) {
        ConsiderMorvArrival(g);
        return;
    }
    Integer& level = s.UpgradeTable[slot];
    if (s.MorvCountdown == 0) {
        if (level > 0 && !s.UpgradesOn) {
            level = 0;
            MessageBox(g, -1, g.Text("KVGAME0156"), 0);
        }
        if (level >= s.TechLevel && g.Rnd() > 0.5f) StartMorvCountdown(g);
    }
    if (level >= s.TechLevel) {
        MessageBox(g, -1, g.Text("KVGAME0161") + s.UpgradeNames[slot - 1] + g.Text("KVGAME0162"), 0);
        return;
    }
    ++level;
    const auto& L = s.UpgradeTable;
    auto torpedoCapacities = [&] {
        Integer class2 = L[3] <= 1 ? 0 : Clamp16(10 * L[4] - (L[4] > 1 ? 10 : 0));
        s.MaxTorpedoesClass2 = class2;
        s.MaxTorpedoesClass1 = Clamp16(30 * L[4] - class2);
    };
    switch (slot) {
        case 1:
            s.MaxEnergy = L[1] == 1 ? 5000 : Clamp32(static_cast<long long>(s.MaxEnergy) + 5000);
            break;
        case 2:
            if (L[2] == 1) {
                s.MaxShields = 2000;
                s.ShieldFactor = 1.0f;
            } else {
                s.ShieldFactor = s.ShieldFactor * 0.8f;
            }
            break;
        case 3:
            s.TorpedoClass2Power = L[3];
            if (L[4] > 0) torpedoCapacities();
            break;
        case 4:
            torpedoCapacities();
            break;
        case 5:
            s.LRSRange = L[5];
            break;
    }
    if (level >= s.TechLevel) s.UpgradeBorderColor[slot] = Rgb(128, 128, 128);
    s.UpgradeFillColor[slot] = UpgradeLevelColor(level);
    ConsiderMorvArrival(g);
}

}  // namespace kv
