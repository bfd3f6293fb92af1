#include "engine/turn/Upgrades.h"

#include <vector>

#include "engine/turn/Condition.h"
#include "engine/turn/Morv.h"
#include "state/Numeric.h"
#include "state/Reset.h"

namespace kv {

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
    GrantUpgradeLevel(g, slot);
    ConsiderMorvArrival(g);
}

void ResetGameState(Game& g) { ResetGameState(g, StartUpgrade); }

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
        entries.push_back(g.Text("KVGAME0129") + " " + CStr(static_cast<long long>(level)) + " " +
                          s.UpgradeNames[slot - 1] + g.Text("KVGAME0130") + s.NewLine + "\t" +
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
            MessageIfEnabled(g, -1,
                             g.Text("KVGAME0098") + " " + CStr(static_cast<long long>(k)) + g.Text("KVGAME0099"));
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
