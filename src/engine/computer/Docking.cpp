#include "engine/computer/Docking.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/computer/Displays.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Condition.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Time.h"
#include "engine/turn/Upgrades.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// The share of the ship's capacity still missing, a tenth of a time unit for a full refill.
double RefillShare(const GameState& s) {
    if (s.MaxEnergy <= 0) return 0;
    return static_cast<double>(s.MaxEnergy - static_cast<double>(s.ShipEnergy)) / s.MaxEnergy / 10;
}

// Refills the ship's energy from a base's strength: the base gives what it has.
template <typename Strength>
void Refill(GameState& s, Strength& strength) {
    long long st = static_cast<long long>(strength) - (static_cast<long long>(s.MaxEnergy) - s.ShipEnergy);
    long long energy = s.MaxEnergy;
    if (st < 0) {
        energy += st;
        st = 0;
    }
    strength = Clamp32(st);
    s.ShipEnergy = Clamp32(energy);
}

void RestockTorpedoes(GameState& s) {
    s.TorpedoStockClass1 = Clamp16(std::min<long long>(s.TorpedoStockClass1 + 20LL, s.MaxTorpedoesClass1));
    if (s.TorpedoClass2Power > 1)
        s.TorpedoStockClass2 = Clamp16(std::min<long long>(s.TorpedoStockClass2 + 3LL, s.MaxTorpedoesClass2));
}

void Restock(GameState& s) {
    s.Probes = Clamp16(std::min<long long>(s.Probes + 2LL, s.MaxProbes));
    RestockTorpedoes(s);
}

// Every system repaired; a quarter of a time unit per point of damage.
double Repair(GameState& s) {
    double time = 0;
    for (int i = 1; i <= 8; ++i) {
        time += s.SystemDamage[i] / 4.0;
        s.SystemDamage[i] = 0;
    }
    return time;
}

// Shields lowered into the ship's energy.
void LowerShieldsToDock(Game& g, const char* key) {
    GameState& s = g.st;
    if (s.ShieldLevel > 0) PrintOutput(g, g.Text(key));
    s.DockCount = Clamp16(s.DockCount + 1LL);
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) + s.ShieldLevel);
    s.ShieldLevel = 0;
    UpdateBars(g);
}

// The ship moves onto the base's sector.
void MoveOnto(GameState& s, long row, long col) {
    if (!InGrid(row) || !InGrid(col)) return;
    if (InGrid(s.ShipSectorRow) && InGrid(s.ShipSectorCol) && s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] == kShip)
        s.SectorGrid[s.ShipSectorRow][s.ShipSectorCol] = kEmpty;
    s.ShipSectorRow = static_cast<Integer>(row);
    s.ShipSectorCol = static_cast<Integer>(col);
}

// The scan, a short pause, and the scan again with the hostiles' turn. False when the game
// ended.
bool ScanWithHostileTurn(Game& g) {
    SRS(g);
    if (!g.st.GameRunning) return false;
    Pause(g, 0.1);
    g.st.HostileTurnFlag = 1;
    SRS(g);
    return g.st.GameRunning != 0;
}

double ToHundredths(double time) { return Int(time * 100 + 0.1) / 100; }

bool HostilesInQuadrant(const GameState& s) {
    return InGalaxy(s.ShipQuadrantRow, s.ShipQuadrantCol) && s.Galaxy[s.ShipQuadrantRow][s.ShipQuadrantCol] > 99;
}

void Close(Game& g) {
    g.st.HostileTurnFlag = 1;
    RefreshAll(g);
}

void DockAtCapturedBase(Game& g) {
    GameState& s = g.st;
    if (s.ZarvoniBase[0] == 0) {
        MessageBox(g, -1, g.Text("KVCOM0003"), 0);
        return Close(g);
    }
    s.Docked = 1;
    MoveOnto(s, s.ZarvoniBase[3], s.ZarvoniBase[4]);
    PlaySound(g, "DOCK.WAV");
    LowerShieldsToDock(g, "KVCOM0035");
    if (s.ConditionIndex != kRed) SetCondition(g, kDocked);
    Refill(s, s.ZarvoniBase[5]);
    ShowStarbaseStatus(g);
    UpdateBaseReport(g);
    Restock(s);
    double time = 1 + RefillShare(s);
    time += Repair(s);
    if (!ScanWithHostileTurn(g)) return;
    const Single charged = static_cast<Single>(ToHundredths(time));
    PassTime(g, charged);
    UpdateCommandState(g);
    PrintOutput(g, g.Text("KVCOM0037"));
    PrintOutput(g, g.Text("KVCOM0038") + s.EnemyText + g.Text("KVCOM0039") + Str(charged) + g.Text("KVCOM0040"));
    if (HostilesInQuadrant(s)) PrintOutput(g, g.Text("KVCOM0041"));
    Close(g);
}

// The flight to the base inside the quadrant, with a tow when the ship cannot make it.
void FlyToBase(Game& g) {
    GameState& s = g.st;
    const int n = s.QuadStarbase;
    const double dr = s.StarbaseSectors[1][n] - s.ShipSectorRow, dc = s.StarbaseSectors[2][n] - s.ShipSectorCol;
    const int d = CInt(std::sqrt(dr * dr + dc * dc));
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) - 10 - d);

    const long long deficit = -static_cast<long long>(s.ShipEnergy);
    if (s.SystemDamage[kShields] == 0 && s.ShipEnergy < 0 && s.ShieldLevel > deficit) {
        const std::string text = g.Text("KVCOM0008");
        PrintOutput(g, text);
        MessageBox(g, -1, text, 0);
        s.ShieldLevel = Clamp16(s.ShieldLevel + static_cast<long long>(s.ShipEnergy));
        s.ShipEnergy = 0;
    }
    const bool engineDamaged = s.SystemDamage[kWarpEngines] > 0 && s.SystemDamage[kWarpEngines] < 7.0f;
    const bool shortOfEnergy =
        s.ShipEnergy < 0 && (s.SystemDamage[kShields] > 0 || s.ShieldLevel < -static_cast<long long>(s.ShipEnergy));
    if (!engineDamaged && !shortOfEnergy) return;

    // The base tows the ship in; the time it takes grows with the energy missing and is never
    // given back.
    const Single towTime =
        static_cast<Single>(std::max(0.0, Int(-static_cast<double>(s.ShipEnergy) * 0.05 * 100 + 0.1) / 100));
    const std::string base = Str(s.QuadStarbase);
    const std::string lines[8] = {g.Text("KVCOM0009"),        g.Text("KVCOM0010"),
                                  g.Text("KVCOM0011") + base, g.Text("KVCOM0012"),
                                  g.Text("KVCOM0013"),        g.Text("KVCOM0014") + Str(towTime) + g.Text("KVCOM0015"),
                                  g.Text("KVCOM0016"),        g.Text("KVCOM0017") + base + g.Text("KVCOM0018")};
    for (int i = 0; i < 8; ++i) {
        if (i == 2) PlaySound(g, "MESSAGE.WAV");
        PrintOutput(g, lines[i]);
        MessageBox(g, -1, lines[i], 0);
        if (i == 6) PassTime(g, towTime);
    }
}

// The priced offer of upgrades; adds to the docking time what the accepted offer costs.
void OfferUpgrades(Game& g, double& time) {
    GameState& s = g.st;
    const std::string& nl = s.NewLine;
    const int n = s.QuadStarbase;
    std::string text = g.Text("KVCOM0021") + nl + g.Text("KVCOM0022") + nl;
    int offer[6] = {};
    int total = 0;
    for (int i = 1; i <= 5; ++i) {
        const double threshold = s.TechLevel != 0 ? s.UpgradeTable[i] / s.TechLevel * 0.67 + 0.33 : 1.0;
        if (g.Rnd() > threshold) offer[i] = static_cast<int>(Int(g.Rnd() * 1.5 + 1));
        if (s.UpgradeTable[i] + offer[i] > s.TechLevel)
            offer[i] = std::max(0, static_cast<int>(s.TechLevel - s.UpgradeTable[i]));
        total += offer[i];
        if (offer[i] > 0)
            text += nl + CStr(static_cast<long long>(offer[i])) + " " + s.UpgradeNames[i - 1] +
                    g.Text(offer[i] > 1 ? "KVCOM0023" : "KVCOM0024");
    }
    double price = g.Rnd() * total + total / 2.0;
    if (total > 4) price -= 1;
    if (total > 6) price -= 1;
    if (total <= 0) return;

    const std::string question = text + nl + nl + g.Text("KVCOM0025") + nl + g.Text("KVCOM0026") + nl +
                                 g.Text("KVCOM0027") + Format(price, "0.00") + g.Text("KVCOM0028");
    if (MessageQuery(g, -1, question, kYesNo) != kYes) return;
    for (int i = 1; i <= 5; ++i) {
        for (int k = 0; k < offer[i]; ++k) StartUpgrade(g, i);
        if (offer[i] > 0)
            PrintOutput(g, CStr(static_cast<long long>(offer[i])) + " " + s.UpgradeNames[i - 1] + g.Text("KVCOM0029"));
        if (s.ShipEnergy < s.MaxEnergy) {
            // A larger capacity is filled from the base too.
            time += RefillShare(s);
            Refill(s, s.Starbases[3][n]);
            ShowStarbaseStatus(g);
            UpdateBaseReport(g);
        }
        if (i == 3 || i == 5) RestockTorpedoes(s);
    }
    time += price;
}

void DockAtFriendlyBase(Game& g, bool justArrived) {
    GameState& s = g.st;
    const int n = s.QuadStarbase;
    const float r1 = g.Rnd();
    const float r2 = g.Rnd();
    const double full = s.MaxStarbaseStrength;
    const Long strength = s.Starbases[3][n];
    if (HostilesInQuadrant(s) && (r1 > 0.6 || (r2 > 0.4 && strength < 0.3 * full))) {
        MessageBox(g, -1, g.Text("KVCOM0004"), 0);
        return Close(g);
    }
    if (strength < 0.05 * full) {
        MessageBox(g, -1, g.Text("KVCOM0005"), 0);
        return Close(g);
    }
    UpdateBaseReport(g);

    if (!justArrived) FlyToBase(g);

    s.Docked = 1;
    SetStatusItem(g, 4, kTrue);
    MoveOnto(s, s.StarbaseSectors[1][n], s.StarbaseSectors[2][n]);
    PlaySound(g, "DOCK.WAV");
    UpdateGeneralReport(g);
    LowerShieldsToDock(g, "KVCOM0019");
    if (s.ConditionIndex != kRed) SetCondition(g, kDocked);
    double time = 1 + RefillShare(s);
    Refill(s, s.Starbases[3][n]);
    ShowStarbaseStatus(g);
    UpdateBaseReport(g);
    Restock(s);
    time += Repair(s);
    if (!ScanWithHostileTurn(g)) return;
    if (s.Starbases[3][n] < 0) return;  // the base fell during the hostiles' turn

    OfferUpgrades(g, time);
    const Single charged = static_cast<Single>(ToHundredths(time));
    PassTime(g, charged);
    UpdateCommandState(g);
    SetStatusItem(g, 3, kFalse);
    PrintOutput(g, g.Text("KVCOM0030"));
    PrintOutput(g,
                g.Text("KVCOM0031") + Str(s.QuadStarbase) + g.Text("KVCOM0032") + Str(charged) + g.Text("KVCOM0033"));
    if (HostilesInQuadrant(s)) PrintOutput(g, g.Text("KVCOM0034"));
    Close(g);
}

}  // namespace

void DockAtStarbase(Game& g) {
    GameState& s = g.st;
    const bool zarvoniBaseHere = s.ZarvoniBase[1] == s.ShipQuadrantRow && s.ZarvoniBase[2] == s.ShipQuadrantCol;
    if (s.Docked) {
        MessageBox(g, -1, g.Text("KVCOM0001"), 0);
        return;
    }
    if (!zarvoniBaseHere && (s.QuadStarbase < 1 || s.QuadStarbase > 3)) {
        MessageBox(g, -1, g.Text("KVCOM0002"), 0);
        return;
    }
    if (g.TimerEnabled(Timer::frmSRS_tmrMorvTractor)) {
        MessageBox(g, -1, g.Text("KVCOM0006") + s.StrongEnemyText + g.Text("KVCOM0007"), 0);
        return;
    }
    // The movement's mark that the ship has just flown beside the base holds for this call only.
    const bool justArrived = s.MovedFlag != 0;
    s.MovedFlag = 0;
    SetFormsEnabled(g, false);
    if (zarvoniBaseHere)
        DockAtCapturedBase(g);
    else
        DockAtFriendlyBase(g, justArrived);
}

}  // namespace kv
