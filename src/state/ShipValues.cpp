#include "state/ShipValues.h"

#include <algorithm>

#include "state/Numeric.h"

namespace kv {
namespace {

constexpr Long Rgb(int r, int gr, int b) { return r + 256 * gr + 65536 * b; }

void SetIndicator(GameState& s, int slot) {
    const Integer level = s.UpgradeTable[static_cast<size_t>(slot)];
    if (level >= s.TechLevel) s.UpgradeBorderColor[static_cast<size_t>(slot)] = kUpgradeLimitBorder;
    s.UpgradeFillColor[static_cast<size_t>(slot)] = UpgradeLevelColor(level);
}

}  // namespace

void StoreCondition(GameState& s, long index) {
    if (index < 0 || index > 3) index = kGreen;
    s.ConditionIndex = static_cast<Long>(index);
    s.ConditionText = s.ConditionNames[static_cast<size_t>(index)];
}

void DeriveUpgradeSlot(GameState& s, int slot) {
    const auto& L = s.UpgradeTable;
    // Torpedo capacity: 30 per level of slot 4; once class-2 torpedoes exist (slot 3 above 1)
    // they take 10 at level 1 and 10 per level above it.
    auto torpedoCapacities = [&] {
        Integer class2 = L[3] <= 1 ? 0 : Clamp16(10 * L[4] - (L[4] > 1 ? 10 : 0));
        s.MaxTorpedoesClass2 = class2;
        s.MaxTorpedoesClass1 = Clamp16(30 * L[4] - class2);
    };
    switch (slot) {
        case 1: s.MaxEnergy = L[1] == 1 ? 5000 : Clamp32(static_cast<long long>(s.MaxEnergy) + 5000); break;
        case 2:
            if (L[2] == 1) {
                s.MaxShields = 2000;
                s.ShieldFactor = 1.0f;
            } else {
                // The product is taken at full precision and only then stored as a Single,
                // so two levels give exactly the Single nearest 0.64.
                s.ShieldFactor = static_cast<Single>(s.ShieldFactor * 0.8);
            }
            break;
        case 3:
            s.TorpedoClass2Power = L[3];
            if (L[4] > 0) torpedoCapacities();
            break;
        case 4: torpedoCapacities(); break;
        case 5: s.LRSRange = L[5]; break;
        default: break;
    }
}

Long UpgradeLevelColor(int level) {
    static constexpr Long kColors[10] = {-1,
                                         -1,
                                         Rgb(255, 255, 0),
                                         Rgb(0, 255, 0),
                                         Rgb(0, 255, 255),
                                         Rgb(255, 0, 0),
                                         Rgb(255, 0, 255),
                                         Rgb(0, 0, 255),
                                         Rgb(0, 128, 128),
                                         Rgb(255, 255, 255)};
    return level >= 1 && level <= 9 ? kColors[level] : -1;
}

void GrantUpgradeLevel(Game& g, int slot) {
    GameState& s = g.st;
    if (slot < 1 || slot > 5) return;
    Integer& level = s.UpgradeTable[static_cast<size_t>(slot)];
    if (level >= s.TechLevel) return;
    ++level;
    DeriveUpgradeSlot(s, slot);
    SetIndicator(s, slot);
    g.host.Refresh(View::UpgradeIndicators);
}

void RestoreUpgrades(Game& g) {
    GameState& s = g.st;
    for (int slot = 1; slot <= 5; ++slot) {
        Integer& level = s.UpgradeTable[static_cast<size_t>(slot)];
        const Integer target = std::max<Integer>(level, 0);
        level = 0;
        while (level < target) {
            ++level;
            DeriveUpgradeSlot(s, slot);
        }
        s.UpgradeBorderColor[static_cast<size_t>(slot)] = target >= s.TechLevel ? kUpgradeLimitBorder : 0;
        s.UpgradeFillColor[static_cast<size_t>(slot)] = UpgradeLevelColor(target);
    }
    g.host.Refresh(View::UpgradeIndicators);
}

}  // namespace kv
