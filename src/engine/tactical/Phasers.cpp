#include "engine/tactical/Phasers.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/computer/Displays.h"
#include "engine/computer/FirePlan.h"
#include "engine/tactical/Destroy.h"
#include "engine/tactical/Hostiles.h"
#include "engine/tactical/SectorHit.h"
#include "engine/tactical/WeaponEffects.h"
#include "engine/turn/Condition.h"
#include "engine/turn/QuadrantLookups.h"
#include "state/Numeric.h"

namespace kv {
namespace {

// A Zarvoni ship, cloaked ship or the Morv ship shot at with `amount` from the ship's sector:
// the energy it keeps. Near targets suffer more: about 2 x amount / distance.
Integer PhaserDamage(const GameState& s, int row, int col, Integer energy, long amount) {
    const double dc = s.ShipSectorCol - col, dr = s.ShipSectorRow - row;
    const double d = static_cast<Single>(std::sqrt(dc * dc + dr * dr));
    if (d == 0) return -1;
    const Integer need = CInt(energy / 2.0 * d);
    return CInt((need - static_cast<double>(amount)) / d * 2);
}

// The position text of a message: " 3 , 4".
std::string Position(int row, int col) { return Str(row) + " ," + Str(col); }

// One entry of the plan under way.
struct Shot {
    Game& g;
    GameState& s;
    std::string line;
    int row = 0, col = 0;
    long amount = 0;
    bool morvDestroyed = false;

    void Refund() { s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) + amount); }

    void Beam() { g.host.Scan().AnimateSectorMove(s.ShipSectorRow, s.ShipSectorCol, row, col, kPhaserBeam); }

    void HitZarvoni(int slot) {
        Integer& energy = s.ZarvoniEnergy[static_cast<size_t>(slot)];
        if (energy < 0) return;  // already destroyed: the energy is spent
        Beam();
        g.host.Scan().ShowBeamLines(kPhaserBeam, kPhaserBeam, true);
        PlaceSectorMarker(g, SectorMarker::ZarvoniShield, row, col);
        g.host.Scan().ShowMarker(SectorMarker::ZarvoniShield, true);
        g.host.Refresh(View::ShortRangeScan);
        PlaySound(g, "PHASER.WAV");
        Pause(g, 0.6);
        g.host.Scan().ShowMarker(SectorMarker::ZarvoniShield, false);
        g.host.Scan().ShowBeamLines(kPhaserBeam, kPhaserBeam, false);
        g.host.Refresh(View::ShortRangeScan);
        Pause(g, 0.3);

        energy = PhaserDamage(s, row, col, energy, amount);
        line +=
            g.Text("KVBASIC0053") + s.EnemyText + g.Text("KVBASIC0054") + Position(row, col) + g.Text("KVBASIC0055");
        if (energy == 0) {
            line += g.Text("KVBASIC0056");
            RecordEnemyDestroyed(g, slot);
        } else if (energy < 0) {
            line += g.Text("KVBASIC0057");
        } else if (energy < 20) {
            line += g.Text("KVBASIC0058");
        } else {
            line += g.Text("KVBASIC0059");
        }
        if (energy < 0) DestroyZarvoniShip(g, slot);
        UpdateZarvoniReport(g);
    }

    void HitStarbase() {
        const int n = s.QuadStarbase;
        if (n < 1 || n > 3) {
            ClearUnrecordedCell(g, row, col);
            return;
        }
        Long& strength = s.Starbases[3][static_cast<size_t>(n)];
        strength = CLng(strength - s.SkillLevel * static_cast<double>(amount) / 2);
        if (strength < 0) {
            DestroyFriendlyStarbase(g);
            ShowStarbaseStatus(g);
            return;
        }
        Beam();
        PlaceSectorMarker(g, SectorMarker::StarbaseShield, row, col);
        g.host.Scan().ShowMarker(SectorMarker::StarbaseShield, true);
        PlaySound(g, "PHASER.WAV");
        FlashPhaserBeam(g, kPhaserBeam, 0.9, 0.6);
        g.host.Scan().ShowMarker(SectorMarker::StarbaseShield, false);
        line += g.Text("KVBASIC0036") + Str(n) + g.Text("KVBASIC0037");
        ++s.ScoreCounterE;
        ShowStarbaseStatus(g);
    }

    void HitZarvoniBase() {
        s.ZarvoniBase[5] = Clamp32(static_cast<long long>(s.ZarvoniBase[5]) - 5LL * amount);
        Beam();
        PlaceSectorMarker(g, SectorMarker::ZarvoniShield, row, col);
        g.host.Scan().ShowMarker(SectorMarker::ZarvoniShield, true);
        PlaySound(g, "PHASER.WAV");
        FlashPhaserBeam(g, kPhaserBeam, 0.9, 0.7);
        if (s.ZarvoniBase[5] < 0) {
            line += s.EnemyText + g.Text("KVBASIC0039");
            DestroyZarvoniBase(g);
        } else {
            Pause(g, 0.1);
            line += s.EnemyText + g.Text("KVBASIC0038");
        }
        ShowStarbaseStatus(g);
    }

    void HitCloaked() {
        const int c = FindCloakedShip(g, row, col);
        if (c < 1) {
            ClearUnrecordedCell(g, row, col);
            return;
        }
        Integer& energy = s.CloakedEnergy[static_cast<size_t>(c)];
        if (energy < 0) return;
        Beam();
        PlaceSectorMarker(g, SectorMarker::ZarvoniShield, row, col);
        g.host.Scan().ShowMarker(SectorMarker::ZarvoniShield, true);
        PlaySound(g, "PHASER.WAV");
        FlashPhaserBeam(g, kPhaserBeam, 0.9, 0.6);
        energy = PhaserDamage(s, row, col, energy, amount);
        line +=
            g.Text("KVBASIC0040") + s.EnemyText + g.Text("KVBASIC0041") + Position(row, col) + g.Text("KVBASIC0042");
        if (energy < 1) {
            line += g.Text("KVBASIC0043");
        } else if (energy < 20) {
            line += g.Text("KVBASIC0044");
            g.host.Scan().DrawSector(row, col, 9);  // the cloak fails: the ship is seen
            PrintOutput(g, line);
            line = s.EnemyText + g.Text("KVBASIC0045") + Position(row, col);
        } else {
            line += g.Text("KVBASIC0046");
        }
        if (energy < 1) DestroyCloakedShip(g, c);
        UpdateZarvoniReport(g);
    }

    void HitMorv() {
        ShowStarbaseStatus(g);
        Beam();
        g.host.Scan().ShowBeamLines(kPhaserBeam, kPhaserBeam, true);
        g.host.Refresh(View::ShortRangeScan);
        PlaySound(g, "PHASER.WAV");
        const bool shielded = s.MorvStrength >= 0.75 * (1000000.0 + 200000.0 * s.MorvShipsDestroyed);
        if (shielded) {
            PlaceSectorMarker(g, SectorMarker::MorvShield, s.MorvShip[3], s.MorvShip[4]);
            g.host.Scan().ShowMarker(SectorMarker::MorvShield, true);
            g.host.Refresh(View::ShortRangeScan);
        }
        // The phaser-frequency retrofit makes the phasers bite and lets them break the tractor.
        const double bonus = Val(s.RetrofitButtonTag[2]) > 0 ? 3.0 : 0.0;
        s.MorvStrength = CLng(s.MorvStrength - (s.MorvTimerScale + bonus) * static_cast<double>(amount));
        if (s.MorvStrength < 0) {
            g.host.Scan().ShowMarker(SectorMarker::MorvShield, false);
            g.host.Scan().ShowBeamLines(kPhaserBeam, kPhaserBeam, false);
            DestroyMorvShip(g);
            morvDestroyed = true;
            return;
        }
        PlaySound(g, "MVHIT.WAV");
        Pause(g, 0.6);
        g.host.Scan().ShowMarker(SectorMarker::MorvShield, false);
        g.host.Scan().ShowBeamLines(kPhaserBeam, kPhaserBeam, false);
        g.host.Refresh(View::ShortRangeScan);
        line += g.Text("KVBASIC0047") + s.StrongEnemyText + g.Text("KVBASIC0048");
        if (g.TimerEnabled(Timer::frmSRS_tmrMorvTractor)) {
            const Single r = g.Rnd() * 1000.0f;
            if (amount * 0.05 * bonus > r) {
                s.MorvCounterA = static_cast<Integer>(Int(g.RndExact() * 3));
                HideSRSOverlays(g);
                PrintOutput(g, g.Text("KVBASIC0049") + s.StrongEnemyText + g.Text("KVBASIC0050"));
                MessageBox(g, -1, g.Text("KVBASIC0051") + s.StrongEnemyText + g.Text("KVBASIC0052"), 0);
            }
        }
    }

    // Fires one readable entry.
    void Fire(const PhaserEntry& e) {
        row = e.row;
        col = e.col;
        amount = e.amount;
        if (amount < 1 || s.ShipEnergy < amount) {
            line += g.Text("KVBASIC0030");
            return;
        }
        s.ShipEnergy -= static_cast<Long>(amount);
        UpdateBars(g);

        // Tracking: the better the long-range sensors, the easier; damaged short-range sensors
        // make it harder.
        Single a = 0.5f - (s.LRSRange - 1) * 0.1f, b = 0.6f - (s.LRSRange - 1) * 0.2f;
        if (s.SystemDamage[kShortRangeSensors] > 0) a += 0.1f, b += 0.2f;
        if (s.SystemDamage[kShortRangeSensors] >= 7.0f) a += 0.1f, b += 0.2f;
        int locked = -1;  // -1 none, 0 the Morv ship, 1..10 a Zarvoni ship
        if (e.slot >= 1) {
            const int tRow = g.Rnd() > a ? 1 : 0;
            const int tCol = g.Rnd() > a ? 1 : 0;
            const bool tAny = g.Rnd() > b;
            const int sr = s.ZarvoniShips[1][static_cast<size_t>(e.slot)],
                      sc = s.ZarvoniShips[2][static_cast<size_t>(e.slot)];
            if ((std::abs(sr - row) <= tRow && std::abs(sc - col) <= tCol) || tAny) {
                locked = e.slot;
                row = sr;
                col = sc;
            }
        }
        if (e.kind == "MV") {
            // Only the Morv ship of this quadrant can be aimed at; otherwise the energy comes back.
            const bool here = s.MorvShip[1] == s.ShipQuadrantRow && s.MorvShip[2] == s.ShipQuadrantCol &&
                              InGrid(s.MorvShip[3]) && InGrid(s.MorvShip[4]) &&
                              s.SectorGrid[s.MorvShip[3]][s.MorvShip[4]] == kMorv;
            if (!here) {
                Refund();
                line += g.Text("KVBASIC0031");
                return;
            }
            locked = 0;
            row = s.MorvShip[3];
            col = s.MorvShip[4];
        }

        const Integer code = InGrid(row) && InGrid(col) ? s.SectorGrid[row][col] : Integer{kEmpty};
        if (locked == -1 && e.slot >= 1) {
            Refund();  // the ship slipped away
            line += g.Text("KVBASIC0031");
        } else if (code == kEmpty && locked == -1) {
            PlaySound(g, "PHASER.WAV");
            Pause(g, 0.2);
            line += CStr(static_cast<long long>(amount)) + g.Text("KVBASIC0032");
        } else if (locked > 0) {
            HitZarvoni(locked);
        } else if (const int found = FindEnemyShip(g, row, col); found > 0) {
            HitZarvoni(found);
        } else {
            switch (code) {
                case kShip:
                    Refund();
                    line += g.Text("KVBASIC0033");
                    break;
                case kZarvoni:
                    // No ship stands behind the code: the energy is spent, the cell cleared.
                    line += s.EnemyText + g.Text("KVBASIC0034");
                    ClearUnrecordedCell(g, row, col);
                    break;
                case kStar:
                    ShowPhaserAtStar(g, col, row);
                    line += g.Text("KVBASIC0035");
                    ResolveSectorHit(g, col, row);
                    break;
                case kStarbase: HitStarbase(); break;
                case kZarvoniStarbase: HitZarvoniBase(); break;
                case kCloaked: HitCloaked(); break;
                case kMorv: HitMorv(); break;
                default: break;
            }
        }
    }
};

}  // namespace

void FirePhasers(Game& g) {
    GameState& s = g.st;
    if (s.PhaserPlan.empty()) {
        MessageBox(g, -1, g.Text("KVBASIC0028"), 0);
        return;
    }
    SetFormsEnabled(g, false);
    HitShip(g);
    if (s.ShipLost || !s.GameRunning) return;
    PhaserVolley(g);
}

void PhaserVolley(Game& g) {
    GameState& s = g.st;
    const std::vector<std::string> plan = s.PhaserPlan;
    for (size_t i = 0; i < plan.size(); ++i) {
        const auto entry = ReadPhaserEntry(plan[i]);
        if (!entry) continue;
        Shot shot{g, s, g.Text("KVBASIC0029") + Str(static_cast<int>(i + 1)) + " -> "};
        shot.Fire(*entry);
        // A flare that reached the ship has ended the game.
        if (!s.GameRunning) return;
        if (shot.morvDestroyed) break;
        PrintOutput(g, shot.line);
    }
    EndWeaponAction(g);
}

}  // namespace kv
