#include "state/Reset.h"

#include <fstream>

#include "platform/Codepage.h"
#include "platform/Files.h"
#include "state/Numeric.h"
#include "state/ShipValues.h"

namespace kv {
namespace {

std::string Key2(const char* prefix, int n) {
    std::string d = std::to_string(n);
    if (d.size() < 2) d = "0" + d;
    return prefix + d;
}

// Reads up to 255 alien names; false when the file is missing or unreadable.
bool ReadAlienNames(Game& g) {
    std::string path = FindFile(g.st.AppPath, "aliens.txt");
    std::string bytes;
    if (path.empty() || !ReadFileBytes(path, bytes)) return false;
    size_t pos = 0;
    int k = 1;
    while (pos < bytes.size() && k <= 255) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        g.st.AlienNames[static_cast<size_t>(k++)] = Cp1252ToUtf8(line);
        pos = end + 1;
    }
    return true;
}

}  // namespace

void LoadArrayConsts(Game& g) {
    GameState& s = g.st;
    for (int i = 1; i <= 8; ++i) s.SystemNames[i] = g.Text(Key2("KVMAIN00", i + 20));
    const int rgb[7][3] = {{255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {0, 160, 0},
                           {0, 0, 255}, {128, 0, 255}, {255, 0, 255}};
    s.ColorTable[0] = 0;
    for (int i = 0; i < 7; ++i) s.ColorTable[i + 1] = rgb[i][0] + 256 * rgb[i][1] + 65536 * rgb[i][2];
    const char* roman[] = {"I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"};
    for (int i = 1; i <= 12; ++i) s.RomanNumerals[i] = roman[i - 1];
    for (int i = 0; i <= 7; ++i) s.SSTexts9[i] = g.Text(Key2("KVMAIN00", i + 29));
    s.SSTexts9[8].clear();
    s.SSChanceTable = {0.0f, 0.5f, 0.3f, 0.1f};
    const Long counts[14] = {14, 9, 2, 8, 4, 6, 6, 5, 5, 7, 12, 9, 9, 9};
    s.SSCountTable[0] = 0;
    for (int i = 1; i <= 14; ++i) s.SSCountTable[i] = counts[i - 1];
    for (int i = 0; i <= 14; ++i) {
        s.SSTextPairs[i][0] = g.Text(Key2("KVMAIN00", 2 * i + 37));
        s.SSTextPairs[i][1] = g.Text(Key2("KVMAIN00", 2 * i + 38));
    }
    for (int i = 0; i <= 3; ++i) s.ConditionNames[i] = g.Text(Key2("KVGAME00", i + 86));
    for (int i = 1; i <= 5; ++i) {
        s.UpgradeNames[i - 1] = g.Text("UpgName" + std::to_string(i));
        s.UpgradeInitials[i - 1] = g.Text("UpgInitials" + std::to_string(i));
    }
    g.host.Refresh(View::UpgradeInitials);
    s.ShipPrefix = g.Text("KV");
    s.StrongEnemyText = g.Text("StrongEnemy");
    s.EnemyText = g.Text("Enemy");
    s.EnemysText = g.Text("Enemys");
    for (auto& n : s.AlienNames) n.clear();
    if (!ReadAlienNames(g)) ReportError(g, 53, "KVMAIN : LoadArrayConsts", "aliens.txt");
}

void ResetGameState(Game& g, UpgradeGrant grant) {
    GameState& s = g.st;
    // 1. Empty the game tables.
    s.Galaxy = {};
    s.KnownGalaxy = {};
    s.SpareGrid = {};
    s.Starbases = {};
    s.SectorGrid = {};
    s.ZarvoniShips = {};
    s.SystemDamage = {};
    s.StarbaseSectors = {};
    s.MorvShip = {};
    s.StarbaseFlags = {};
    s.ZarvoniEnergy = {};
    s.ZarvoniBase = {};
    s.RetrofitSlots = {};
    s.UpgradeTable = {};
    s.CloakedPerQuadrant = {};
    s.ZarvoniFlags = {};
    s.LibComputerState = {};
    s.ClearStarSystems();

    // 2. Size of the hostile force.
    int zarvonis = static_cast<int>(Int(g.Rnd() * 10)) + 10 * s.GameLength + 2 * (s.SkillLevel / 2);
    if (s.SkillLevel % 2 == 0) zarvonis += 3;
    if (s.SkillLevel > 10) zarvonis = 10 * s.GameLength + 34;
    if (zarvonis > 64) zarvonis = 64;
    s.InitialZarvonis = static_cast<Integer>(zarvonis);

    // 3. Time allowed.
    s.TotalTime = static_cast<Single>(Int(g.Rnd() * 11) + 10 + s.InitialZarvonis - s.SkillLevel);
    if (s.SkillLevel > 10) s.TotalTime = static_cast<Single>(100 * s.GameLength);

    // 4. Counters and flags.
    s.ZarvonisLeft = s.DockCount = s.StatCounterH = s.TurnPassedWarp = s.ZarvoniBaseShips = 0;
    s.TimeOffset = 0;
    s.ZarvoniBaseDestroyed = 0;
    s.CloakedKilled = s.ScoreCounterA = s.ScoreCounterE = s.GoalProgress = s.GoalSystemsDone = 0;
    s.ScoreCounterC = s.MissionGoal = s.SystemsCount = s.FirePlanMode = s.SpecialSystems = 0;
    s.MorvCountdown = 0;
    s.MorvStrength = 0;
    s.MorvCounterA = 0;
    s.MorvMoveFlag = 0;
    s.MorvStarsTaken = s.MorvBasesTaken = 0;
    s.MorvCountdownStarted = 0;
    s.MorvShipsDestroyed = 0;
    s.FlaggedZarvonis = 0;
    s.TacticalQuadRow = s.TacticalQuadCol = s.PrevQuadRow = s.PrevQuadCol = 0;
    s.QuadrantChanged = kTrue;
    s.WarpFactor = 10.0f;
    s.MorvTimerScale = 5.0f;

    // 5-7.
    s.CaptainName = g.Text("Captain");
    for (auto& tag : s.RetrofitButtonTag) tag.clear();
    s.MaxProbes = 10;

    // 8. Upgrades: the standard level, then further levels by chance.
    static constexpr int kChance[6] = {0, 15, 33, 33, 25, 20};
    for (int slot = 1; slot <= 5; ++slot) {
        s.UpgradeBorderColor[slot] = 0;
        grant(g, slot);
        for (int n = 1; n <= static_cast<int>(s.TechLevel) - 1; ++n) {
            float r = g.Rnd();
            if (static_cast<double>(kChance[slot]) / n / 100.0 > r || s.UpgradeAllFlag) grant(g, slot);
        }
    }

    // 9.
    s.Docked = 0;
    s.MaxStarbaseStrength = 50000;
    s.ZarvoniBaseStrength = Clamp32(static_cast<long long>(s.SkillLevel) * 5000);
    StoreCondition(s, kGreen);

    // 10. Fill the stores from the capacities.
    s.TorpedoStockClass2 = s.MaxTorpedoesClass2;
    s.TorpedoStockClass1 = s.MaxTorpedoesClass1;
    s.ShieldLevel = s.MaxShields;
    s.ZarvonisLeft = s.InitialZarvonis;
    s.Probes = s.MaxProbes;
    s.ShipEnergy = s.MaxEnergy - s.MaxShields;
    s.TimeLeft = s.TotalTime;
    s.ShieldsChanged = kTrue;
    s.RepairRate = static_cast<Single>(s.SkillLevel * 5 + 45);
    s.StarbaseCount = static_cast<Integer>(3 - Int(s.SkillLevel / 3.33));
    s.StarbasesLost = s.StatCounterF = s.StatCounterG = 0;
    s.ShipLost = 0;
    // A new game may enter the high-score lists.
    s.ScoreEligible = true;

    // 11.
    s.MissionMarker = s.MissionType;
    // No tractor beam of an earlier game holds the ship of a new or loaded one, and none of its
    // lines stays drawn on the scan.
    g.SetTimer(Timer::frmSRS_tmrMorvTractor, false);
    g.host.Scan().ShowBeamLines(0, 14, false);
    g.host.Refresh(View::GeneralReport);
}

}  // namespace kv
