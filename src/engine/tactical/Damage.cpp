#include "engine/tactical/Damage.h"

#include <cstdlib>

#include "engine/computer/Displays.h"
#include "engine/tactical/ShortRangeScan.h"
#include "engine/turn/Condition.h"
#include "engine/turn/QuadrantLookups.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr Single kOutOfAction = 7.0f;

bool AnyWorkingSystem(const GameState& s) {
    for (int n = 1; n <= 8; ++n)
        if (s.SystemDamage[n] < kOutOfAction) return true;
    return false;
}

// A random working system 1..8; the caller has made sure that one exists. Draws until one
// works; a generator that keeps naming broken systems (a stuck or scripted one) falls back to
// the first working system rather than drawing forever.
int RandomWorkingSystem(Game& g) {
    constexpr int kMaxDraws = 1000;
    for (int k = 0; k < kMaxDraws; ++k) {
        const int n = static_cast<int>(Int(g.RndExact() * 8 + 1));
        if (n >= 1 && n <= 8 && g.st.SystemDamage[n] < kOutOfAction) return n;
    }
    for (int n = 1; n <= 8; ++n)
        if (g.st.SystemDamage[n] < kOutOfAction) return n;
    return 1;
}

// The system asked for when it still works, else the one drawn.
int Chosen(const GameState& s, int asked, int drawn) {
    return asked >= 1 && asked <= 8 && s.SystemDamage[asked] < kOutOfAction ? asked : drawn;
}

// The computer panel goes away once the computer is hit.
void HideComputerPanel(Game& g) {
    try {
        g.host.HideForm(Form::frmCOM);
    } catch (...) {
        // A panel that cannot be hidden is no reason to stop the damage.
    }
}

void RefreshDamageDisplays(Game& g) {
    UpdateDamageReport(g);
    UpdateGeneralReport(g);
    ShowStarbaseStatus(g);
    UpdateCommandState(g);
}

// A damage of 100..149 hundredths on a random working system, as a shield overflow deals it.
int OverflowDamage(Game& g) {
    const int n = DamageSystem(g, static_cast<int>(Int(g.RndExact() * 50 + 100)), 0);
    if (n == 2) SRS(g);
    return n;
}

}  // namespace

int DamageSystem(Game& g, int amount, int system) {
    GameState& s = g.st;
    long long a = static_cast<long long>(amount) + static_cast<long long>(Int(g.RndExact() * 50 - 25));
    if (a < 1) a = 1;
    if (!AnyWorkingSystem(s)) {
        s.SystemDamage[kHull] = static_cast<Single>(s.SystemDamage[kHull] + a / 100.0);
        if (s.SystemDamage[kHull] >= kOutOfAction) LoseShip(g);
        return 0;
    }
    const int n = Chosen(s, system, RandomWorkingSystem(g));
    s.SystemDamage[n] = static_cast<Single>(s.SystemDamage[n] + a / 100.0);
    if (s.SystemDamage[n] < kOutOfAction)
        PrintOutput(g, s.SystemNames[n] + g.Text("KVBASIC0005"));
    else
        MessageIfEnabled(g, 12, s.SystemNames[n] + g.Text("KVBASIC0001"));
    if (n == 8 && !s.InSolarSystem) HideComputerPanel(g);
    RefreshDamageDisplays(g);
    return n;
}

int DestroySystem(Game& g, int system) {
    GameState& s = g.st;
    if (!AnyWorkingSystem(s)) {
        LoseShip(g);
        return 0;
    }
    const int n = Chosen(s, system, RandomWorkingSystem(g));
    s.SystemDamage[n] = 8.0f;
    MessageIfEnabled(g, 12, s.SystemNames[n] + g.Text("KVBASIC0001"));
    if (n == 8) HideComputerPanel(g);
    RefreshDamageDisplays(g);
    return n;
}

void ShieldHit(Game& g, long hit) {
    GameState& s = g.st;
    // The shield factor is at most 1 and never 0 in a game; a table without one counts as 1.
    const Single factor = s.ShieldFactor > 0 ? s.ShieldFactor : 1.0f;
    const Single absorbed = static_cast<Single>(hit) * factor;
    s.ShieldLevel = CInt(static_cast<Single>(s.ShieldLevel) - absorbed);
    if (s.ShieldLevel < 0) {
        // The overflow back in hit units, less 50 that the hull takes without harm. The shields
        // show the excess while it is worked off.
        long long excess = static_cast<long long>(CLng(s.ShieldLevel / static_cast<double>(factor))) + 50;
        if (excess > 0) {
            PrintOutput(g, g.Text("KVBASIC0112"));
            excess = 0;
        }
        s.ShieldLevel = Clamp16(excess);
        while (excess < 0) {
            if (excess <= -100) {
                OverflowDamage(g);
                if (!s.GameRunning) return;
            }
            const Single chance = static_cast<Single>(std::llabs(excess)) / 100.0f;
            if (g.Rnd() < chance) {
                const int n = OverflowDamage(g);
                if (!s.GameRunning) return;
                excess += 100;
                if (s.SystemDamage[n] >= kOutOfAction) excess += 200;
            } else {
                if (hit < 150) PrintOutput(g, g.Text("KVBASIC0113"));
                excess += 100;
            }
            s.ShieldLevel = Clamp16(excess < 0 ? excess : 0);
        }
        s.ShieldLevel = 0;
    }
    UpdateBars(g);
    ShowStarbaseStatus(g);
}

void ZeroShipPower(Game& g) {
    GameState& s = g.st;
    s.ShipEnergy = 0;
    s.ShieldLevel = 0;
    s.TorpedoStockClass1 = 0;
    s.TorpedoStockClass2 = 0;
    s.Probes = 0;
    LoseShip(g);
}

}  // namespace kv
