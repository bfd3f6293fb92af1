#include "engine/turn/Upgrades.h"

#include <algorithm>
#include <vector>

#include "engine/turn/Condition.h"
#include "engine/turn/Morv.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr Long Rgb(int r, int gr, int b) { return r + 256 * gr + 65536 * b; }
constexpr Long kLimitBorder = Rgb(128, 128, 128);  // a slot at the technology limit

// Recomputes the values that follow from a slot's level (just raised by one).
void DeriveSlot(GameState& s, int slot) {
    const auto& L = s.UpgradeTable;
    // Torpedo capacity: 30 per level of slot 4; once class-2 torpedoes exist (slot 3 above 1)
    // they take 10 at level 1 and 10 per level above it.
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
                // The product is taken at full precision and only then stored as a Single,
                // so two levels give exactly the Single nearest 0.64.
                s.ShieldFactor = static_cast<Single>(s.ShieldFactor * 0.8);
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
}

}  // namespace

Long UpgradeLevelColor(int level) {
    static constexpr Long kColors[10] = {-1, -1, Rgb(255, 255, 0), Rgb(0, 255, 0), Rgb(0, 255, 255),
                                         Rgb(255, 0, 0), Rgb(255, 0, 255), Rgb(0, 0, 255),
                                         Rgb(0, 128, 128), Rgb(255, 255, 255)};
    return level >= 1 && level <= 9 ? kColors[level] : -1;
}

void StartUpgrade(Game& g, int slot) {
    GameState& s = g.st;
    // Only the five slots exist; any other number changes nothing.
    if (slot < 1 || slot > 5) return;
    Integer& level = s.UpgradeTable[slot];
    if (s.MorvCountdown == 0) {
        if (level > 0 && !s.UpgradesOn) {
            level = 0;
            MessageBox(g, -1, g.Text("KVGAME0156"), 0);
        }
        // Pushing against the technology limit may draw the Morv in.
        if (level >= s.TechLevel && g.Rnd() > 0.5f) StartMorvCountdown(g);
    }
    if (level >= s.TechLevel) {
        MessageBox(g, -1, g.Text("KVGAME0161") + s.UpgradeNames[slot - 1] + g.Text("KVGAME0162"), 0);
        return;
    }
    ++level;
    DeriveSlot(s, slot);
    if (level >= s.TechLevel) s.UpgradeBorderColor[slot] = kLimitBorder;
    s.UpgradeFillColor[slot] = UpgradeLevelColor(level);
    g.host.Refresh(View::UpgradeIndicators);
    ConsiderMorvArrival(g);
}

void RestoreUpgrades(Game& g) {
    GameState& s = g.st;
    for (int slot = 1; slot <= 5; ++slot) {
        const Integer target = std::max<Integer>(s.UpgradeTable[slot], 0);
        s.UpgradeTable[slot] = 0;
        while (s.UpgradeTable[slot] < target) {
            ++s.UpgradeTable[slot];
            DeriveSlot(s, slot);
        }
        s.UpgradeBorderColor[slot] = target >= s.TechLevel ? kLimitBorder : 0;
        s.UpgradeFillColor[slot] = UpgradeLevelColor(target);
    }
    g.host.Refresh(View::UpgradeIndicators);
}

void DescribeUpgrade(Game& g, bool announce) {
    GameState& s = g.st;
    if (!s.UpgradesOn) {
        if (announce)
            MessageIfEnabled(g, -1, g.Text("KVGAME0128"));
        else
            MessageBox(g, -1, g.Text("KVGAME0128"), 0);
        return;
    }
    std::vector<std::string> entries;
    for (int slot = 1; slot <= 5; ++slot) {
        const Integer level = s.UpgradeTable[slot];
        if (level <= 1) continue;
        entries.push_back(g.Text("KVGAME0129") + " " + CStr(static_cast<long long>(level)) + " " + s.UpgradeNames[slot - 1] +
                          g.Text("KVGAME0130") + s.NewLine + "\t" +
                          g.Text("KVGAME0" + std::to_string(130 + slot)));
    }
    // With no upgrade above the standard level the list holds the one line that says so.
    if (entries.empty()) entries.push_back(g.Text("KVGAME0136"));

    if (announce) {
        PrintOutput(g, g.Text("KVGAME0154"));
        PrintOutput(g, "");
    }
    std::string box = g.Text("KVGAME0154") + s.NewLine;
    for (const auto& entry : entries) {
        if (announce) PrintOutput(g, entry);
        box += s.NewLine + "    " + entry;
    }
    if (announce) PrintOutput(g, "");
    MessageBox(g, -1, box, 0);
}

void AnnounceUpgrades(Game& g) {
    GameState& s = g.st;
    DescribeUpgrade(g, true);

    if (s.SkillLevel < 3) {
        const int k = static_cast<int>(Int(g.Rnd() * 3 + 1));
        const long row = s.Starbases[1][k], col = s.Starbases[2][k];
        if (InGalaxy(row, col)) {
            s.KnownGalaxy[row][col] = s.Galaxy[row][col];
            PlaySound(g, "MESSAGE.WAV");
            MessageIfEnabled(g, -1, g.Text("KVGAME0098") + " " + CStr(static_cast<long long>(k)) + g.Text("KVGAME0099"));
        }
    }
    const long row = s.ZarvoniBase[1], col = s.ZarvoniBase[2];
    if (row > 0 && s.SkillLevel < 5 && InGalaxy(row, col)) {
        s.KnownGalaxy[row][col] = s.Galaxy[row][col];
        PlaySound(g, g.Text("KVGAME0100"));
        MessageIfEnabled(g, -1, s.EnemyText + g.Text("KVGAME0101"));
        s.ZarvoniBaseKnown = kTrue;
    }
}

}  // namespace kv
