#include "engine/tactical/Torpedoes.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/computer/Course.h"
#include "engine/computer/Displays.h"
#include "engine/computer/FirePlan.h"
#include "engine/tactical/Damage.h"
#include "engine/tactical/Destroy.h"
#include "engine/tactical/Hostiles.h"
#include "engine/tactical/SectorHit.h"
#include "engine/tactical/WeaponEffects.h"
#include "engine/turn/Condition.h"
#include "engine/turn/QuadrantLookups.h"
#include "state/Numeric.h"

namespace kv {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr int kMaxTorpedoes = 10;
constexpr int kMaxRounds = 10;
constexpr int kDrawTorpedo = 14;

// How an impact leaves the volley.
enum class Outcome { Continue, MorvDestroyed, GameOver };

struct Torpedo {
    bool classTwo = false;
    int power = 1;
    int targetRow = 0, targetCol = 0;
    Single colStep = 0, rowStep = 0;
    Single x = 0, y = 0;   // exact position: column, row
    int row = 0, col = 0;  // the rounded cell
    bool done = false;
    bool drawn = false;  // its picture stands in its cell
};

std::string Position(int row, int col) { return Str(row) + " ," + Str(col); }

class Volley {
public:
    explicit Volley(Game& g) : g_(g), s_(g.st) {}

    // The impact of a torpedo of power k in cell (row, col), then its blast.
    Outcome Impact(int k, int row, int col) {
        const Outcome direct = DirectImpact(k, row, col);
        if (direct != Outcome::Continue) return direct;
        if (k > 1) return Blast(k, row, col);
        return Outcome::Continue;
    }

private:
    Game& g_;
    GameState& s_;

    double R() { return g_.RndExact(); }
    // Int(R x 1500 + 1500): the punch of a torpedo against a starbase, the Morv ship or a ship's
    // shields.
    double HeavyHit() { return Int(R() * 1500 + 1500); }

    void Flash(SectorMarker marker, int row, int col, const char* sound) {
        PlaceSectorMarker(g_, marker, row, col);
        g_.host.Scan().ShowMarker(marker, true);
        PlaySound(g_, sound);
        Pause(g_, 0.6);
        g_.host.Scan().ShowMarker(marker, false);
    }

    Outcome DirectImpact(int k, int row, int col) {
        GameState& s = s_;
        switch (s.SectorGrid[row][col]) {
            case kStar:
                PrintOutput(g_, g_.Text("KVBASIC0063"));
                ResolveSectorHit(g_, col, row);
                return s.GameRunning ? Outcome::Continue : Outcome::GameOver;
            case kShip:
                ShieldHit(g_, CInt(HeavyHit() * k));
                if (!s.GameRunning) return Outcome::GameOver;
                ShowStarbaseStatus(g_);
                PlaySound(g_, "SBHIT.WAV");
                Pause(g_, 0.6);
                return Outcome::Continue;
            case kStarbase: {
                const int n = s.QuadStarbase;
                if (n < 1 || n > 3) {
                    ClearUnrecordedCell(g_, row, col);
                    return Outcome::Continue;
                }
                Long& strength = s.Starbases[3][static_cast<size_t>(n)];
                strength = CLng(strength - HeavyHit() * k);
                if (strength < 0) {
                    DestroyFriendlyStarbase(g_);
                    ShowStarbaseStatus(g_);
                    return Outcome::Continue;
                }
                ShowStarbaseStatus(g_);
                Flash(SectorMarker::StarbaseShield, s.StarbaseSectors[1][static_cast<size_t>(n)],
                      s.StarbaseSectors[2][static_cast<size_t>(n)], "SBHIT.WAV");
                PrintOutput(g_, g_.Text("KVBASIC0064") + Str(n) + g_.Text("KVBASIC0065"));
                PrintOutput(g_, g_.Text("KVBASIC0066"));
                ++s.ScoreCounterE;
                ShowStarbaseStatus(g_);
                return Outcome::Continue;
            }
            case kZarvoniStarbase:
                s.ZarvoniBase[5] = CLng(s.ZarvoniBase[5] - HeavyHit() * k);
                if (s.ZarvoniBase[5] < 0) {
                    DestroyZarvoniBase(g_);
                    ShowStarbaseStatus(g_);
                    return Outcome::Continue;
                }
                ShowStarbaseStatus(g_);
                Flash(SectorMarker::ZarvoniShield, static_cast<int>(s.ZarvoniBase[3]),
                      static_cast<int>(s.ZarvoniBase[4]), "ZSBHIT.WAV");
                PrintOutput(g_, s.EnemyText + g_.Text("KVBASIC0067"));
                return Outcome::Continue;
            case kMorv: return HitMorv(k);
            case kZarvoni: ShipHit(k, row, col, false, 0); return Outcome::Continue;
            case kCloaked: ShipHit(k, row, col, true, 0); return Outcome::Continue;
            default: return Outcome::Continue;  // a self-detonation in an empty cell
        }
    }

    Outcome HitMorv(int k) {
        GameState& s = s_;
        s.MorvStrength = CLng(s.MorvStrength - HeavyHit() * k);
        if (s.MorvStrength < 0) {
            DestroyMorvShip(g_);
            return Outcome::MorvDestroyed;
        }
        ShowStarbaseStatus(g_);
        const bool shielded = s.MorvStrength >= 0.75 * (1000000.0 + 200000.0 * s.MorvShipsDestroyed);
        if (shielded) {
            PlaceSectorMarker(g_, SectorMarker::MorvShield, s.MorvShip[3], s.MorvShip[4]);
            g_.host.Scan().ShowMarker(SectorMarker::MorvShield, true);
        }
        PlaySound(g_, "MVHIT.WAV");
        Pause(g_, 0.6);
        g_.host.Scan().ShowMarker(SectorMarker::MorvShield, false);
        PrintOutput(g_, g_.Text("KVBASIC0068") + s.StrongEnemyText + g_.Text("KVBASIC0069"));
        if (g_.TimerEnabled(Timer::frmSRS_tmrMorvTractor) && R() * 100 < k + 9) {
            // The torpedo breaks the tractor beam.
            s.MorvCounterA = static_cast<Integer>(Int(R() * 3));
            HideSRSOverlays(g_);
            PrintOutput(g_, g_.Text("KVBASIC0070") + s.StrongEnemyText + g_.Text("KVBASIC0071"));
            MessageBox(g_, -1, g_.Text("KVBASIC0072") + s.StrongEnemyText + g_.Text("KVBASIC0073"), 0);
        }
        return Outcome::Continue;
    }

    // The message keys of a hit on a ship: the line's start and the text after the ship's name,
    // then the words for a hit, a ship left below 20, a Zarvoni ship left at exactly 0 (direct
    // hits only), one gone, one left at 20 or more, a deflection, and the cloaked ship's line
    // when its cloak fails (0 where there is none).
    struct HitKeys {
        int first, after, hit, low, zero, gone, high, deflect, decloak;
    };
    static constexpr HitKeys kDirectZarvoni{74, 75, 76, 77, 78, 79, 80, 81, 0};
    static constexpr HitKeys kDirectCloaked{82, 83, 84, 85, 0, 87, 88, 89, 86};
    static constexpr HitKeys kBlastZarvoni{96, 97, 98, 99, 0, 100, 101, 102, 0};
    static constexpr HitKeys kBlastCloaked{103, 104, 105, 106, 0, 108, 109, 110, 107};

    std::string Key(int n) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "KVBASIC%04d", n);
        return g_.Text(buf);
    }

    // A Zarvoni ship (or a cloaked ship) in cell (row, col): a direct hit (F = 0) multiplies the
    // damage by k; a blast at factor F divides it by F.
    void ShipHit(int k, int row, int col, bool cloaked, Single F) {
        GameState& s = s_;
        const bool blast = F > 0;
        const HitKeys& keys =
            blast ? (cloaked ? kBlastCloaked : kBlastZarvoni) : (cloaked ? kDirectCloaked : kDirectZarvoni);
        const int slot = cloaked ? FindCloakedShip(g_, row, col) : FindEnemyShip(g_, row, col);
        if (slot < 1) {
            ClearUnrecordedCell(g_, row, col);
            return;
        }
        Integer& energy =
            cloaked ? s.CloakedEnergy[static_cast<size_t>(slot)] : s.ZarvoniEnergy[static_cast<size_t>(slot)];
        std::string line = Key(keys.first) + s.EnemyText + Key(keys.after) + Position(row, col) + " ";
        auto scaled = [&](double damage) { return blast ? damage / F : damage * k; };

        // A strong ship may turn the torpedo aside with its shields.
        const bool strong = energy >= 71;
        const Single r = static_cast<Single>(R());
        if (strong && r <= 0.4f - 0.1f * static_cast<Single>(k)) {
            line += Key(keys.deflect);
            energy = CInt(energy - scaled(Int(R() * 15 + 6)));
            Flash(SectorMarker::ZarvoniShield, row, col, "DEFLECT.WAV");
            PrintOutput(g_, line);
            UpdateZarvoniReport(g_);
            return;
        }
        line += Key(keys.hit);
        energy = CInt(energy - scaled(Int(R() * 60 + 81)));
        // A Zarvoni ship dies below 0; a cloaked ship below 1.
        const bool destroyed = cloaked ? energy < 1 : energy < 0;
        if (energy > 0 && energy < 20) {
            line += Key(keys.low);
            PlaySound(g_, "DISABLE.WAV");
            if (keys.decloak) {
                // Its cloak fails: the ship is drawn, and a line of its own tells where it is.
                g_.host.Scan().DrawSector(row, col, 9);
                PrintOutput(g_, line);
                line = s.EnemyText + Key(keys.decloak) + Position(row, col);
            }
        } else if (keys.zero && energy == 0) {
            line += Key(keys.zero);  // disabled: it counts as beaten and stays where it is
            RecordEnemyDestroyed(g_, slot);
            PlaySound(g_, "DISABLE.WAV");
        } else if (energy < 1) {
            line += Key(keys.gone);
        } else {
            line += Key(keys.high);
        }
        if (destroyed) {
            if (cloaked)
                DestroyCloakedShip(g_, slot);
            else
                DestroyZarvoniShip(g_, slot);
        }
        PrintOutput(g_, line);
        UpdateZarvoniReport(g_);
    }

    Outcome Blast(int k, int row, int col) {
        GameState& s = s_;
        ShowTorpedoBlast(g_, row, col, k);
        const int h = static_cast<int>(Int(k / 2.0));
        for (int r = row - h; r <= row + h; ++r) {
            for (int c = col - h; c <= col + h; ++c) {
                const double d = std::sqrt(static_cast<double>((row - r) * (row - r) + (col - c) * (col - c)));
                const Single F = static_cast<Single>(2 * d / k * 3);
                if (F == 0 || d > k / 2.0 || !InGrid(r) || !InGrid(c)) continue;
                // What the cell holds takes the blast: a docked ship stands on its starbase's
                // sector, so the base is hit; a ship stopped on a star gets the star's flare.
                switch (s.SectorGrid[r][c]) {
                    case kShip:
                        if (s.Docked) break;
                        PrintOutput(g_, g_.Text("KVBASIC0111"));
                        ShieldHit(g_, CInt(HeavyHit() / F));
                        Pause(g_, 0.1);
                        if (!s.GameRunning) return Outcome::GameOver;
                        break;
                    case kStarbase: {
                        const int n = s.QuadStarbase;
                        if (n < 1 || n > 3) {
                            ClearUnrecordedCell(g_, r, c);
                            break;
                        }
                        Long& strength = s.Starbases[3][static_cast<size_t>(n)];
                        strength = CLng(strength - HeavyHit() / F);
                        if (strength < 0) {
                            DestroyFriendlyStarbase(g_);
                            ShowStarbaseStatus(g_);
                            break;
                        }
                        ShowStarbaseStatus(g_);
                        Flash(SectorMarker::StarbaseShield, r, c, "SBHIT.WAV");
                        PrintOutput(g_, g_.Text("KVBASIC0090") + Str(n) + g_.Text("KVBASIC0091"));
                        PrintOutput(g_, g_.Text("KVBASIC0092"));
                        PrintOutput(g_, g_.Text("KVBASIC0093"));
                        ++s.ScoreCounterE;
                        ShowStarbaseStatus(g_);
                        break;
                    }
                    case kZarvoniStarbase:
                        s.ZarvoniBase[5] = CLng(s.ZarvoniBase[5] - HeavyHit() / F);
                        if (s.ZarvoniBase[5] < 0) {
                            DestroyZarvoniBase(g_);
                            ShowStarbaseStatus(g_);
                            break;
                        }
                        ShowStarbaseStatus(g_);
                        Flash(SectorMarker::ZarvoniShield, r, c, "ZSBHIT.WAV");
                        PrintOutput(g_, s.EnemyText + g_.Text("KVBASIC0094"));
                        break;
                    case kStar:
                        PrintOutput(g_, g_.Text("KVBASIC0095"));
                        ResolveSectorHit(g_, c, r);
                        if (!s.GameRunning) return Outcome::GameOver;
                        break;
                    case kZarvoni: ShipHit(k, r, c, false, F); break;
                    case kCloaked: ShipHit(k, r, c, true, F); break;
                    default: break;
                }
            }
        }
        ShowStarbaseStatus(g_);
        return Outcome::Continue;
    }
};

}  // namespace

void FireTorpedo(Game& g) {
    GameState& s = g.st;
    if (s.TorpedoPlan.empty()) {
        MessageBox(g, -1, g.Text("KVBASIC0060"), 0);
        return;
    }
    SetFormsEnabled(g, false);
    HitShip(g);
    if (!s.GameRunning) return;
    s.HostileTurnFlag = 0;
    UpdateZarvoniReport(g);
    TorpedoVolley(g);
}

void TorpedoVolley(Game& g) {
    GameState& s = g.st;
    // The torpedoes that go: each readable entry whose class still has a torpedo on board.
    std::vector<Torpedo> torpedoes;
    int class1 = s.TorpedoStockClass1, class2 = s.TorpedoStockClass2;
    for (const std::string& entry : s.TorpedoPlan) {
        if (static_cast<int>(torpedoes.size()) == kMaxTorpedoes) break;
        const auto e = ReadTorpedoEntry(entry);
        if (!e) continue;
        int& stock = e->classTwo ? class2 : class1;
        if (stock < 1) continue;
        --stock;
        Torpedo t;
        t.classTwo = e->classTwo;
        t.power = e->power;
        t.targetRow = e->row;
        t.targetCol = e->col;
        torpedoes.push_back(t);
    }

    // 10 energy a torpedo; working shields pay what the energy cannot.
    s.ShipEnergy = Clamp32(static_cast<long long>(s.ShipEnergy) - 10LL * static_cast<long long>(torpedoes.size()));
    if (s.SystemDamage[kShields] == 0 && s.ShipEnergy < 0 && s.ShieldLevel > -static_cast<long long>(s.ShipEnergy)) {
        MessageBox(g, -1, g.Text("KVBASIC0061"), 0);
        s.ShieldLevel = CInt(static_cast<double>(s.ShieldLevel) + s.ShipEnergy);
        s.ShipEnergy = 0;
    }

    for (Torpedo& t : torpedoes) {
        if (!t.classTwo)
            --s.TorpedoStockClass1;
        else
            --s.TorpedoStockClass2;
        CourseAndDistance(g, s.ShipSectorCol, s.ShipSectorRow, t.targetCol, t.targetRow);
        const Single a = s.CalcCourse;
        const double course = a / kPi * 4 + 1;
        t.colStep = std::fabs(std::cos(a));
        t.rowStep = std::fabs(std::sin(a));
        if (course > 1 && course < 5) t.rowStep = -t.rowStep;
        if (course > 3 && course < 7) t.colStep = -t.colStep;
        t.x = s.ShipSectorCol;
        t.y = s.ShipSectorRow;
        t.col = s.ShipSectorCol;
        t.row = s.ShipSectorRow;
        PlaySound(g, "TORPEDO.WAV");
        Pause(g, 0.4);
    }
    UpdateBars(g);
    PrintOutput(g, g.Text("KVBASIC0062"));

    // The self-detonating torpedoes retrofit.
    const bool selfDetonating = Val(s.RetrofitButtonTag[3]) > 0;
    Volley volley(g);
    bool morvDestroyed = false;
    auto restore = [&](Torpedo& t) {
        if (!t.drawn) return;
        t.drawn = false;
        for (const Torpedo& u : torpedoes)
            if (u.drawn && u.row == t.row && u.col == t.col) return;  // another one shows there
        g.host.Scan().DrawSector(t.row, t.col, 0);
    };
    for (int round = 1; round <= kMaxRounds && !morvDestroyed; ++round) {
        for (Torpedo& t : torpedoes) {
            if (t.done) continue;
            restore(t);
            t.x += t.colStep;
            t.y += t.rowStep;
            t.col = CInt(t.x);
            t.row = CInt(t.y);
            if (!InGrid(t.row) || !InGrid(t.col)) {
                t.done = true;  // it has left the quadrant
                continue;
            }
            Outcome outcome = Outcome::Continue;
            if (s.SectorGrid[t.row][t.col] < 1) {
                if (!(selfDetonating && t.row == t.targetRow && t.col == t.targetCol)) {
                    g.host.Scan().DrawSector(t.row, t.col, kDrawTorpedo);
                    t.drawn = true;
                    continue;
                }
                PlaySound(g, "TORPEXPL.WAV");
                FlashSRS(g, t.row, t.col);
            }
            t.done = true;
            outcome = volley.Impact(t.power, t.row, t.col);
            if (outcome == Outcome::GameOver) return;
            if (outcome == Outcome::MorvDestroyed) {
                morvDestroyed = true;
                break;
            }
        }
        g.host.Refresh(View::ShortRangeScan);
        Pause(g, 0.3);
        bool allDone = true;
        for (const Torpedo& t : torpedoes) allDone = allDone && t.done;
        if (allDone) break;
    }
    for (Torpedo& t : torpedoes) restore(t);
    EndWeaponAction(g);
}

}  // namespace kv
