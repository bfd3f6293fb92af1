#include "support/captain/Captain.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <random>
#include <sstream>

#include "engine/computer/AutoShields.h"
#include "engine/computer/Displays.h"
#include "engine/computer/Docking.h"
#include "engine/computer/FirePlan.h"
#include "engine/computer/Navigation.h"
#include "engine/computer/PhaserComputer.h"
#include "engine/computer/TargetCalculator.h"
#include "engine/computer/TorpedoComputer.h"
#include "engine/tactical/Hyperspace.h"
#include "engine/tactical/LongRangeScan.h"
#include "engine/tactical/Phasers.h"
#include "engine/tactical/Probes.h"
#include "engine/tactical/SelfDestruct.h"
#include "engine/tactical/Shields.h"
#include "engine/tactical/ShipSystems.h"
#include "engine/tactical/Torpedoes.h"
#include "engine/turn/EndGame.h"
#include "engine/turn/QuadrantLookups.h"
#include "engine/turn/Refresh.h"
#include "engine/turn/Score.h"
#include "engine/turn/Time.h"
#include "explore/Console.h"
#include "state/NumberDialog.h"
#include "state/Numeric.h"
#include "support/captain/Invariants.h"

namespace kv::test {

const char* EndingName(Ending e) {
    switch (e) {
        case Ending::Unfinished: return "unfinished";
        case Ending::MissionComplete: return "mission complete";
        case Ending::TimeOut: return "out of time";
        case Ending::EnergyOut: return "out of energy";
        case Ending::ShipDestroyed: return "ship destroyed";
        case Ending::SelfDestructed: return "self-destructed";
        case Ending::Resigned: return "resigned";
        case Ending::Unexplained: return "unexplained";
    }
    return "?";
}

GameSetup SetupForSeed(uint32_t seed) {
    GameSetup setup;
    setup.mission = static_cast<Integer>(seed % 4);
    setup.length = static_cast<Integer>(seed / 4 % 3 + 1);
    setup.skill = static_cast<Integer>(seed / 12 % 10 + 1);
    setup.upgrades = seed / 120 % 4 != 3;  // one game in four without upgrades
    return setup;
}

std::string Describe(const GameRecord& r) {
    std::ostringstream out;
    out << "seed " << r.seed << " (mission " << r.setup.mission << ", skill " << r.setup.skill << ", length "
        << r.setup.length << (r.setup.upgrades ? "" : ", no upgrades") << "): " << EndingName(r.ending) << " after "
        << r.actions << " actions, score " << r.score;
    return out.str();
}

namespace {

constexpr double kPi = 3.14159265358979;
constexpr const char* kCancelledCourse = "-32767";

// A target on the short-range scan: its sector and what the fire dialogs would label it.
struct Target {
    int row = 0, col = 0;
    std::string label;  // "Z" and the slot, "ZB", "MV", "--", "??"
    int slot = 0;       // the Zarvoni slot, 0 for anything else
};

class Captain {
public:
    Captain(uint32_t seed, const CaptainOptions& options)
        : options_(options), hg_(seed), pick_(seed * 2654435761u + 97u), g_(hg_.game), s_(hg_.st) {
        record_.seed = seed;
        record_.setup = SetupForSeed(seed);
        // The captain's temperament, different in every game: how readily it fights and with
        // what, how soon it docks, how much it scans, probes and explores, how it answers the
        // warp check, whether it will blow the ship up, how long it plays on.
        aggression_ = Uniform(0.4, 0.95);
        // In mission types 0 and 1 the goal is the hostiles: those captains hunt them.
        huntWill_ = record_.setup.mission <= 1 ? Uniform(0.3, 0.8) : Uniform(0.1, 0.4);
        caution_ = Uniform(0.0, 0.9);
        calculatorWill_ = Chance(0.5) ? Uniform(0.0, 0.5) : 0.0;
        computerWill_ = Uniform(0.0, 1.0);
        torpedoWill_ = Uniform(0.1, 0.7);
        dockBelow_ = Uniform(0.05, 0.5);
        scanWill_ = Uniform(0.0, 0.3);
        shieldWill_ = Uniform(0.0, 0.15);
        probeWill_ = Uniform(0.0, 0.06);
        hyperWill_ = Uniform(0.0, 0.03);
        // In mission type 2 the goal lies in the solar systems: those captains explore.
        exploreWill_ = record_.setup.mission == 2 ? Uniform(0.4, 0.9) : Uniform(0.0, 0.3);
        warpGiveUp_ = Uniform(0.0, 0.2);
        warpSelfDestruct_ = Chance(0.3) ? Uniform(0.0, 0.1) : 0.0;
        // A few captains blow the ship up after a while (some think better of it in the
        // countdown).
        if (Chance(0.04)) selfDestructAt_ = Between(3, 250);
        abortWill_ = Uniform(0.0, 0.4);
        // Some captains resign early; in mission type 3, which has no time limit, every one
        // ends the mission in the end.
        const bool resigns = record_.setup.mission == 3 || Chance(0.03);
        patience_ = resigns ? static_cast<long>(Uniform(20, 400)) : -1;

        hg_.host.onQuestion = [this](const std::string& prompt, long style) { return Answer(prompt, style); };
        hg_.host.onModal = [this](Form form) { return Modal(form); };
        // The end of the game as the final report shows it, before the displays are reset.
        hg_.host.onFinalReport = [this] {
            ++finalReports_;
            for (const auto& v : EndedGameViolations(s_)) Fail(v);
        };
        if (options_.trace)
            hg_.host.onLine = [this](const std::string& line) {
                options_.trace("    " + line);
                // The galaxy's codes as each line goes out: where inside an action a rule broke.
                if (s_.GameRunning && !hg_.host.watchdog.Tripped())
                    for (const auto& v : GalaxyViolations(s_)) options_.trace("    !! " + v);
                // The Morv ship, whenever its record or its cells change.
                const std::string morv = MorvLine();
                if (morv != lastMorv_) options_.trace("      [" + morv + "]");
                lastMorv_ = morv;
            };
    }

    GameRecord Play() {
        ChooseLibraryOptions();
        Run("new game", [&] { StartNewGame(g_, record_.setup); });
        while (s_.GameRunning && record_.failures.empty() && record_.actions < options_.maxActions) {
            if (patience_ >= 0 && record_.actions >= patience_) {
                resigned_ = true;
                Run("end mission", [&] { EndGame(g_); });
                break;
            }
            NextAction();
        }
        Finish();
        return record_;
    }

private:
    // ---- Choices -------------------------------------------------------------------------
    double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(pick_); }
    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(pick_); }
    bool Chance(double p) { return Uniform(0.0, 1.0) < p; }
    template <typename T>
    const T& OneOf(const std::vector<T>& items) {
        return items[static_cast<size_t>(Between(0, static_cast<int>(items.size()) - 1))];
    }

    // The library options and the computer panel's switches, as the player sets them before
    // the game.
    void ChooseLibraryOptions() {
        s_.LibShieldLevel = static_cast<Integer>(Between(1, 3));
        s_.LibShieldFrequency = static_cast<Integer>(Between(0, 2));
        s_.LibShieldReserve = std::to_string(Between(0, 10) * 100);
        s_.ComAutoShields = ToFlag(Chance(0.7));
        s_.ComAutoLRS = ToFlag(Chance(0.7));
        s_.LibPhaKillOrDisable = static_cast<Integer>(Chance(0.8) ? 0 : 1);
        s_.LibPhaZarvoniStarbase = ToFlag(Chance(0.5));
        s_.LibTorZarvonis = static_cast<Integer>(Between(0, 2));
        s_.LibTorSpread = ToFlag(Chance(0.3));
        s_.LibTorSpreadType = static_cast<Integer>(Between(0, 1));
        s_.LibTorSpreadZarvonis = std::to_string(Between(1, 9));
        s_.LibTorZarvoniStarbase = ToFlag(Chance(0.6));
    }

    // ---- Running an action and checking after it ------------------------------------------
    template <typename F>
    void Run(const std::string& what, F&& body) {
        action_ = what;
        ++record_.actionCounts[KindOf(what)];
        if (options_.onAction) options_.onAction(record_.actions, what);
        if (options_.trace) options_.trace(std::to_string(record_.actions) + ": " + what);
        const TimeMark mark = MarkTime(s_);
        const size_t errors = hg_.host.errors.size();
        const long refreshes = hg_.host.refreshes;
        noticesBefore_ = hg_.host.notices.size();
        visited_ = false;
        hg_.host.watchdog.Arm(options_.maxWorkPerAction);
        try {
            body();
        } catch (const std::exception& e) {
            Fail(std::string("exception: ") + e.what());
        }
        hg_.host.watchdog.Arm(-1);
        ++record_.actions;
        if (options_.trace) options_.trace("   = " + StateLine());
        for (size_t i = errors; i < hg_.host.errors.size(); ++i) Fail("error report: " + FirstLine(hg_.host.errors[i]));
        if (!s_.GameRunning) return;
        for (const auto& v : RunningGameViolations(s_, hg_.host.refreshes > refreshes)) Fail(v);
        if (record_.actions > 1)  // the new game sets the time afresh
            for (const auto& v : TimeViolations(mark, s_, visited_)) Fail(v);
    }
    // The figures a replay shows after every action.
    std::string StateLine() const {
        std::ostringstream out;
        out << "quadrant " << s_.ShipQuadrantRow << "," << s_.ShipQuadrantCol << " sector " << s_.ShipSectorRow << ","
            << s_.ShipSectorCol << " code "
            << (InGalaxy(s_.ShipQuadrantRow, s_.ShipQuadrantCol) ? s_.Galaxy[s_.ShipQuadrantRow][s_.ShipQuadrantCol]
                                                                 : -1)
            << (s_.Docked ? " docked" : "") << ", energy " << s_.ShipEnergy << " shields " << s_.ShieldLevel
            << ", time " << s_.TimeLeft << "+" << s_.TimeOffset << ", Zarvoni left " << s_.ZarvonisLeft << " counted "
            << s_.ZarvonisCounted << " flagged " << s_.FlaggedZarvonis;
        if (s_.MorvCountdown == -1)
            out << ", Morv ship " << s_.MorvShip[1] << "," << s_.MorvShip[2] << " sector " << s_.MorvShip[3] << ","
                << s_.MorvShip[4];
        return out.str();
    }
    std::string MorvLine() const {
        std::ostringstream out;
        out << "Morv " << s_.MorvCountdown << ": quadrant " << s_.MorvShip[1] << "," << s_.MorvShip[2] << " sector "
            << s_.MorvShip[3] << "," << s_.MorvShip[4] << "; cells";
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                if (s_.SectorGrid[r][c] == kMorv) out << " " << r << "," << c;
        return out.str();
    }
    static std::string KindOf(const std::string& what) { return what.substr(0, what.find(" (")); }
    static std::string FirstLine(const std::string& text) {
        std::string line = text.substr(0, text.find('\n'));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
    void Fail(const std::string& what) {
        record_.failures.push_back("action " + std::to_string(record_.actions) + " (" + action_ + "): " + what);
    }

    // ---- What the captain sees -------------------------------------------------------------
    // A command button counts as off once its system has any damage (its colour changes), as
    // the command bar tests it; the computer panel and its buttons only go at 7.0.
    bool ButtonOn(int system) const { return s_.SystemDamage[system] <= 0; }
    bool Usable(int system) const { return s_.SystemDamage[system] < 7.0f; }
    bool PanelShown() const { return Usable(8); }
    bool ComputerAims() const { return s_.SystemDamage[kShortRangeSensors] <= 0 && s_.SystemDamage[kComputer] <= 0; }

    // Hostile targets on the scan: Zarvoni ships, the Zarvoni starbase and the Morv ship. With
    // damaged short-range sensors only what lies within two sectors is known.
    std::vector<Target> Targets() const {
        std::vector<Target> out;
        if (s_.QuadrantChanged) return out;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) {
                const Integer cell = s_.SectorGrid[r][c];
                if (cell != kZarvoni && cell != kZarvoniStarbase && cell != kMorv) continue;
                const Target t = TargetAt(r, c);
                // A disabled ship (no energy left) fires no more: not worth a shot.
                if (t.slot > 0 && s_.ZarvoniEnergy[t.slot] <= 0) continue;
                out.push_back(t);
            }
        return out;
    }
    Target TargetAt(int r, int c) const {
        Target t{r, c, "--", 0};
        const int slot = FindEnemyShip(s_, r, c);
        if (slot > 0) t.label = "Z" + std::to_string(slot), t.slot = slot;
        if (s_.ZarvoniBase[0] == 0 && s_.ZarvoniBase[1] == s_.ShipQuadrantRow &&
            s_.ZarvoniBase[2] == s_.ShipQuadrantCol && s_.ZarvoniBase[3] == r && s_.ZarvoniBase[4] == c)
            t.label = "ZB", t.slot = 0;
        if (s_.MorvShip[1] == s_.ShipQuadrantRow && s_.MorvShip[2] == s_.ShipQuadrantCol && s_.MorvShip[3] == r &&
            s_.MorvShip[4] == c)
            t.label = "MV", t.slot = 0;
        if (s_.SystemDamage[kShortRangeSensors] > 0 &&
            (std::abs(r - s_.ShipSectorRow) > 2 || std::abs(c - s_.ShipSectorCol) > 2))
            t.label = "??", t.slot = 0;
        return t;
    }
    double Distance(int r, int c) const {
        const double dr = r - s_.ShipSectorRow, dc = c - s_.ShipSectorCol;
        return std::sqrt(dr * dr + dc * dc);
    }
    std::string TextOr(const char* key, const char* fallback) {
        const std::string t = g_.Text(key);
        return t.empty() ? std::string(fallback) : t;
    }

    // ---- The orders -----------------------------------------------------------------------
    void NextAction() {
        if (selfDestructAt_ >= 0 && record_.actions >= selfDestructAt_) {
            selfDestructAt_ = -1;
            return DestructCommand();
        }
        // Actions that take no time cannot go on for ever: after a run of them the ship moves.
        const Single timeNow = s_.TimeLeft + s_.TimeOffset;
        idleActions_ = timeNow == lastTime_ ? idleActions_ + 1 : 0;
        lastTime_ = timeNow;
        if (idleActions_ > 20) return Chance(0.8) ? FlyAnywhere() : HyperspaceCommand();
        const auto targets = Targets();
        // Held by the Morv ship's tractor beam: no move or docking is possible; fight it off
        // or jump away (or try the engines all the same).
        if (g_.TimerEnabled(Timer::frmSRS_tmrMorvTractor)) {
            if (!targets.empty() && Chance(0.7) && Fight(targets)) return;
            return Chance(0.3) ? HyperspaceCommand() : FlyAnywhere();
        }
        const bool energyLow = s_.ShipEnergy + s_.ShieldLevel < dockBelow_ * s_.MaxEnergy;
        if (s_.QuadStarbase != 0 && s_.Docked == 0 && energyLow && PanelShown() && Usable(1)) return Dock();
        // Under fire with the shields low: raise them first.
        if (!targets.empty() && s_.ShieldLevel < 0.3 * s_.MaxShields && ButtonOn(6) && s_.Docked == 0 &&
            Chance(caution_))
            return ShieldCommand(true);
        // Badly damaged: off to a starbase for repairs.
        double damage = 0;
        for (int k = 1; k <= 8; ++k) damage += s_.SystemDamage[k];
        if (damage > 4 && Chance(caution_ * 0.5)) {
            if (s_.QuadStarbase != 0 && s_.Docked == 0 && PanelShown() && Usable(1)) return Dock();
            return FlyToStarbase();
        }
        if (!targets.empty() && Chance(aggression_)) {
            if (Fight(targets)) return;
        }
        if (Chance(0.3)) {
            // A retrofit the ship holds, engaged on the retrofit panel.
            for (int kind = 1; kind <= 5; ++kind)
                if (s_.RetrofitCoverOpen[kind - 1] && s_.RetrofitSlots[kind] > 0 &&
                    s_.RetrofitButtonTag[kind - 1].empty())
                    return EngageRetrofit(kind);
        }
        if (Chance(hyperWill_)) return HyperspaceCommand();
        if (s_.Probes > 0 && ButtonOn(5) && Chance(probeWill_)) return ProbeCommand();
        if (s_.LRSDone == 0 && ButtonOn(3) && Chance(scanWill_)) return ScanLongRange();
        if (ButtonOn(6) && s_.Docked == 0 && Chance(shieldWill_)) return ShieldCommand(false);
        if (Chance(exploreWill_)) return Explore();
        if (energyLow && Chance(0.7)) return FlyToStarbase();
        if (Chance(huntWill_)) return FlyToHostiles();
        return FlyAnywhere();
    }

    // The command bar's NAV: the automatic long-range scan, the highest warp the engines allow,
    // the dialog, and the order typed into it.
    void Navigate(const std::string& why, double course, double warp) {
        const std::string c = Format(course, "0.00");
        Run("navigate (" + why + ", course " + c + ", warp " + Format(warp, "0.00") + ")", [&] {
            if (s_.LRSDone == 0 && s_.ComAutoLRS && Usable(3) && s_.SystemDamage[kLongRangeSensors] <= 0) {
                PrintOutput(g_, g_.Text("COM0001"));
                PassTime(g_, 0.1f);
                LRS(g_);
                UpdateGalaxyRecord(g_);
            }
            Single maxWarp = 8.0f;
            if (!ButtonOn(1)) {
                MessageBox(g_, 5, s_.SystemNames[kWarpEngines] + g_.Text("COM0002"), 0);
                maxWarp = 0.5f;
            }
            SetupNavDialog(g_, maxWarp);
            const double w = std::clamp(warp, 0.0, static_cast<double>(maxWarp));
            AcceptNavOrder(g_, c, Format(w, "0.00"));
        });
    }
    // The target calculator, from the navigation dialog's Auto button (the computer
    // undamaged) or the computer panel's button: the target picked on the charts, then
    // Accept, and the move it proposes (a question) flown.
    bool CalculatorTo(const std::string& why, int absRow, int absCol) {
        const bool fromDialog = s_.SystemDamage[kComputer] <= 0;
        const bool fromPanel = PanelShown() && !TargetCalculatorDisabled(s_);
        if (!fromDialog && !fromPanel) return false;
        const int qr = (absRow - 1) / 8, qc = (absCol - 1) / 8, sr = (absRow - 1) % 8 + 1, sc = (absCol - 1) % 8 + 1;
        if (!InGalaxy(qr, qc)) return false;
        auto index = [](int row, int col) { return Format((row - 1) * 8 + (col - 1), "00"); };
        // A quadrant alone now and then: the calculator takes its sector nearest the ship.
        const std::string target = Chance(0.3) ? "Q" + index(qr, qc) : "S" + index(sr, sc) + "Q" + index(qr, qc);
        Run("target calculator (" + why + ", " + target + ")", [&] {
            s_.ComTargetText = target;
            TargetCalculator(g_);
            if (Chance(0.2)) ClosestSector(g_);
            TargetSector(g_);
        });
        return true;
    }
    // Course and warp from the ship to an absolute position (quadrant x 8 + sector).
    void NavigateTo(const std::string& why, int absRow, int absCol) {
        if (Chance(calculatorWill_) && CalculatorTo(why, absRow, absCol)) return;
        const int dr = absRow - (s_.ShipQuadrantRow * 8 + s_.ShipSectorRow);
        const int dc = absCol - (s_.ShipQuadrantCol * 8 + s_.ShipSectorCol);
        if (dr == 0 && dc == 0) return FlyAnywhere();
        double a = std::atan2(-static_cast<double>(dr), static_cast<double>(dc));
        if (a < 0) a += 2 * kPi;
        double course = a / (kPi / 4) + 1;
        if (course >= 9.0) course -= 8.0;
        const double distance = std::sqrt(static_cast<double>(dr * dr + dc * dc));
        Navigate(why, course, distance / 8.0);
    }
    void FlyAnywhere() {
        const double warp = Chance(0.1) ? Uniform(0.0, 0.1) : Uniform(0.05, 1.0) * Uniform(0.1, 8.0);
        Navigate("anywhere", Uniform(1.0, 9.0), warp);
    }
    // The stars of the ship's quadrant, those never visited first.
    std::vector<const SolarSystemRecord*> StarsHere(bool unvisitedOnly) const {
        std::vector<const SolarSystemRecord*> stars;
        if (s_.QuadrantChanged) return stars;
        for (int n = 1; n <= std::min<int>(s_.Galaxy[s_.ShipQuadrantRow][s_.ShipQuadrantCol] % 10, 4); ++n) {
            const SolarSystemRecord& rec = s_.StarSystem(s_.ShipQuadrantRow, s_.ShipQuadrantCol, n);
            if (rec.SectorRow >= 1 && (!unvisitedOnly || rec.SystemValue3 == 0)) stars.push_back(&rec);
        }
        return stars;
    }
    // To a star of this quadrant (one not yet visited when there is one), else towards a
    // charted quadrant with a system never visited.
    void Explore() {
        auto stars = StarsHere(true);
        if (stars.empty() && Chance(0.3)) stars = StarsHere(false);
        if (!stars.empty()) {
            const SolarSystemRecord& rec = *OneOf(stars);
            return NavigateTo("to a star", s_.ShipQuadrantRow * 8 + rec.SectorRow,
                              s_.ShipQuadrantCol * 8 + rec.SectorCol);
        }
        std::vector<std::pair<int, int>> quadrants;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c) {
                if (s_.KnownGalaxy[r][c] < 0 || (r == s_.ShipQuadrantRow && c == s_.ShipQuadrantCol)) continue;
                for (int n = 1; n <= std::min<int>(s_.KnownGalaxy[r][c] % 10, 4); ++n)
                    if (s_.StarSystem(r, c, n).SystemValue3 == 0) {
                        quadrants.emplace_back(r, c);
                        break;
                    }
            }
        if (quadrants.empty()) return ButtonOn(3) && s_.LRSDone == 0 ? ScanLongRange() : FlyAnywhere();
        const auto [r, c] = OneOf(quadrants);
        NavigateTo("to unexplored systems", r * 8 + Between(1, 8), c * 8 + Between(1, 8));
    }
    void FlyToStarbase() {
        for (int n = 1; n <= 3; ++n) {
            if (s_.Starbases[3][n] < 0 || !InGalaxy(s_.Starbases[1][n], s_.Starbases[2][n])) continue;
            const long qr = s_.Starbases[1][n], qc = s_.Starbases[2][n];
            if (s_.KnownGalaxy[qr][qc] < 0) continue;  // not charted: the captain does not know it
            if (qr == s_.ShipQuadrantRow && qc == s_.ShipQuadrantCol && !s_.QuadrantChanged) {
                // Beside the base: the move offers docking.
                return NavigateTo(
                    "beside the starbase", static_cast<int>(qr * 8 + s_.StarbaseSectors[1][n]),
                    static_cast<int>(qc * 8 + s_.StarbaseSectors[2][n] + (s_.StarbaseSectors[2][n] > 1 ? -1 : 1)));
            }
            return NavigateTo("to a starbase", static_cast<int>(qr * 8 + Between(1, 8)),
                              static_cast<int>(qc * 8 + Between(1, 8)));
        }
        FlyAnywhere();
    }
    void FlyToHostiles() {
        std::vector<std::pair<int, int>> targets;
        for (int r = 1; r <= 8; ++r)
            for (int c = 1; c <= 8; ++c)
                if (s_.KnownGalaxy[r][c] >= 100 && !(r == s_.ShipQuadrantRow && c == s_.ShipQuadrantCol))
                    targets.emplace_back(r, c);
        if (targets.empty()) return FlyAnywhere();
        const auto [r, c] = OneOf(targets);
        NavigateTo("to hostiles", r * 8 + Between(1, 8), c * 8 + Between(1, 8));
    }
    // The command bar's LRS: refused with a damaged sensor, told when already scanned.
    void ScanLongRange() {
        Run("long-range scan", [&] {
            if (s_.LRSDone) return MessageBox(g_, 4, g_.Text("COMMANDS0014"), 0);
            PrintOutput(g_, g_.Text("COM0001"));
            PassTime(g_, 0.05f);
            LRS(g_);
        });
    }
    void ShieldCommand(bool raise) {
        raiseShields_ = raise;
        Run(raise ? "shields (raise)" : "shields", [&] { SetShields(g_, 0); });
        raiseShields_ = false;
    }
    // The computer panel's docking button, followed by the refresh the panel runs.
    void Dock() {
        Run("dock", [&] {
            DockAtStarbase(g_);
            if (s_.GameRunning) RefreshAll(g_);
        });
    }
    void ProbeCommand() {
        probeCourse_ = Chance(0.1) ? kCancelledCourse : Format(Uniform(1.0, 9.0), "0.0");
        Run("probe (course " + probeCourse_ + ")", [&] { LaunchProbe(g_); });
    }
    void HyperspaceCommand() {
        Run("hyperspace", [&] {
            Hyperspace(g_);
            if (s_.GameRunning) SetFormsEnabled(g_, true);
        });
    }
    // A click on a retrofit button that is off: the retrofit is engaged for its turns, as the
    // retrofit panel does it (the end-of-action refresh counts the turns down and spends the
    // use).
    void EngageRetrofit(int kind) {
        Run("retrofit (" + std::to_string(kind) + ")", [&] {
            std::string& tag = s_.RetrofitButtonTag[kind - 1];
            switch (kind) {
                case 1:
                    s_.ShipEnergy = CLng(s_.ShipEnergy + s_.MaxEnergy / 20.0);
                    if (static_cast<long long>(s_.ShipEnergy) + s_.ShieldLevel > s_.MaxEnergy)
                        s_.ShipEnergy = Clamp32(static_cast<long long>(s_.MaxEnergy) - s_.ShieldLevel);
                    UpdateBars(g_);
                    tag = CStr(static_cast<long long>(s_.RetrofitSlots[1]) * 3);
                    break;
                case 2:
                    if (s_.ShieldLevel > 0)
                        tag = CStr(static_cast<long long>(s_.RetrofitSlots[2]) * 2);
                    else
                        MessageBox(g_, -1, g_.Text("RETROFIT0001"), 0);
                    break;
                case 3: tag = "3"; break;
                case 4: tag = "2"; break;
                default: {
                    s_.RetrofitSystem = 0;
                    for (char digit : std::string("16452783")) {
                        const int system = digit - '0';
                        if (s_.SystemDamage[system] < 7.0f) continue;
                        if (MessageQuery(g_, -1, g_.Text("RETROFIT0002") + s_.SystemNames[system] + "?", kYesNo) ==
                            kYes) {
                            s_.RetrofitSystem = static_cast<Integer>(system);
                            break;
                        }
                    }
                    if (s_.RetrofitSystem == 0)
                        MessageBox(g_, -1, g_.Text("RETROFIT0003"), 0);
                    else
                        tag = CStr(static_cast<long long>(s_.RetrofitSlots[5]) + 4);
                    break;
                }
            }
        });
    }
    void DestructCommand() {
        abortCountdown_ = Chance(abortWill_);
        Run(abortCountdown_ ? "self-destruct (aborted)" : "self-destruct", [&] { SelfDestruct(g_); });
    }

    // A fight with what the scan shows: phasers or torpedoes, planned by hand in the dialog or
    // by the ship's computer. False when no weapon answers.
    bool Fight(const std::vector<Target>& targets) {
        const bool phasers = ButtonOn(4) && s_.ShipEnergy > 50;
        const bool torpedoes = ButtonOn(5) && s_.TorpedoStockClass1 + s_.TorpedoStockClass2 > 0;
        if (!phasers && !torpedoes) return false;
        const bool useTorpedoes = torpedoes && (!phasers || Chance(torpedoWill_));
        // The computer panel's fire buttons, or the dialog's Auto Target, or a plan by hand.
        const int how = Chance(computerWill_) ? (PanelShown() && Chance(0.5) ? 0 : 1) : 2;
        if (useTorpedoes)
            TorpedoCommand(targets, how);
        else
            PhaserCommand(targets, how);
        return true;
    }

    void PhaserCommand(const std::vector<Target>& targets, int how) {
        if (how == 0) {
            return Run("phasers (computer panel)", [&] {
                PhaserAutoTarget(g_);
                FirePhasers(g_);
            });
        }
        Run(how == 1 && ComputerAims() ? "phasers (auto target)" : "phasers (by hand)", [&] {
            s_.PhaserPlan.clear();
            ParsePhaserTarget(g_);
            if (how == 1 && ComputerAims()) {
                PhaserAutoTarget(g_);
            } else {
                std::vector<Target> picked = targets;
                std::shuffle(picked.begin(), picked.end(), pick_);
                picked.resize(std::min<size_t>(picked.size(), static_cast<size_t>(Between(1, 8))));
                // Now and then a sector of nothing in particular (a star, a base, empty space).
                if (picked.size() < 8 && Chance(0.08)) picked.push_back(TargetAt(Between(1, 8), Between(1, 8)));
                for (const Target& t : picked) s_.PhaserPlan.push_back(PhaserEntry(t));
            }
            ParsePhaserTarget(g_);
            if (s_.PhaserPlan.empty() || Chance(0.03)) return;  // Cancel
            // Accept: the plan becomes the previous plan (in text order), then the volley.
            s_.PhaserPlanPrevious = s_.PhaserPlan;
            std::sort(s_.PhaserPlanPrevious.begin(), s_.PhaserPlanPrevious.end());
            FirePhasers(g_);
        });
    }
    // One entry of the phaser dialog: the picked sector with its default amount, then Kill,
    // Disable or Other as the captain likes.
    std::string PhaserEntry(const Target& t) {
        const std::string prefix = TextOr("PHA0034", "Target: ");
        const std::string middle = TextOr("PHA0035", " Energy:");
        long amount = t.label == "ZB" ? 1000 : t.label == "MV" ? 2000 : 1;
        if (t.slot > 0) {
            const double e = s_.ZarvoniEnergy[t.slot];
            const long kill = Clamp16(static_cast<long long>(Int((e / 2 * Distance(t.row, t.col) + 5) / 5) * 5));
            if (ComputerAims()) amount = kill;
            if (s_.SystemDamage[kShortRangeSensors] <= 0 && e > 20 && Chance(0.15))
                amount = static_cast<long>(Int(kill / e * (e - 18)));
        }
        if (Chance(0.25)) {
            // Other: the number dialog, up to the energy (2000 at most).
            const Single limit = static_cast<Single>(std::clamp<long long>(s_.ShipEnergy, 0, 2000));
            Single value = static_cast<Single>(amount), factor = 1;
            const double chosen = SetupNumberDialog(g_, "", "", "", value, 0, limit, factor);
            if (chosen >= 0) amount = static_cast<long>(chosen);
        }
        return PhaserEntryText(prefix, t.row, t.col, t.label, middle, amount);
    }

    void TorpedoCommand(const std::vector<Target>& targets, int how) {
        if (how == 0) {
            return Run("torpedoes (computer panel)", [&] {
                TorpedoAutoTarget(g_);
                FireTorpedo(g_);
            });
        }
        Run(how == 1 && ComputerAims() ? "torpedoes (auto target)" : "torpedoes (by hand)", [&] {
            s_.TorpedoPlan.clear();
            if (how == 1 && ComputerAims()) {
                TorpedoAutoTarget(g_);
            } else {
                const int stock = s_.TorpedoStockClass1 + s_.TorpedoStockClass2;
                const int room = std::min(8, stock);
                const std::string first = TextOr("TOR0029", "Torpedo: ");
                const std::string second = TextOr("TOR0030", " at ");
                for (int n = Between(1, room); n > 0; --n) {
                    const Target t = Chance(0.08) ? TargetAt(Between(1, 8), Between(1, 8)) : OneOf(targets);
                    std::string entry = TorpedoEntryText(1, first, Distance(t.row, t.col), second, t.row, t.col);
                    if (s_.TorpedoStockClass2 > 0 && Chance(0.3))
                        entry = SwitchTorpedoClass(entry, s_.TorpedoClass2Power);
                    s_.TorpedoPlan.push_back(entry);
                }
                std::sort(s_.TorpedoPlan.begin(), s_.TorpedoPlan.end());  // the list keeps text order
            }
            if (s_.TorpedoPlan.empty() || Chance(0.03)) return;  // Cancel
            // Accept: the plan must fit the stock of each class.
            int class2 = 0;
            for (const auto& e : s_.TorpedoPlan) class2 += !e.empty() && e[0] == '*';
            const int class1 = static_cast<int>(s_.TorpedoPlan.size()) - class2;
            if (class1 > s_.TorpedoStockClass1) return MessageBox(g_, -1, g_.Text("TOR0001"), 0);
            if (class2 > s_.TorpedoStockClass2) return MessageBox(g_, -1, g_.Text("TOR0002"), 0);
            s_.TorpedoPlanPrevious = s_.TorpedoPlan;
            FireTorpedo(g_);
        });
    }

    // ---- Questions and modal windows ------------------------------------------------------
    bool Asks(const std::string& prompt, const char* key) {
        const std::string text = g_.Text(key);
        return !text.empty() && prompt.find(text) != std::string::npos;
    }

    int Answer(const std::string& prompt, long style) {
        const int buttons = static_cast<int>(style & 7);
        // The warp check: the warp engines are out.
        if (Asks(prompt, "KVGAME0022")) {
            if (buttons == kOKCancel) {
                if (Chance(warpSelfDestruct_)) return kOK;
                return kCancel;
            }
            if (Chance(warpGiveUp_)) return kAbort;
            return Chance(0.75) ? kRetry : kIgnore;
        }
        // The captain's own commands: confirmed, mostly.
        if (Asks(prompt, "KVBASIC0146") || Asks(prompt, "KVBASIC0148")) return Chance(0.95) ? kYes : kNo;
        if (Asks(prompt, "KVBASIC0026")) return Chance(0.95) ? kYes : kNo;
        if (Asks(prompt, "DES0003")) return abortCountdown_ ? kYes : kNo;
        if (Asks(prompt, "KVCOM0081")) return Chance(0.9) ? kYes : kNo;  // the calculator's move
        // Offers to raise the shields on entering danger.
        if (Asks(prompt, "KVBASIC0233") || Asks(prompt, "KVBASIC0253")) {
            raiseShields_ = Chance(caution_);
            return raiseShields_ || Chance(0.5) ? kYes : kNo;
        }
        switch (buttons) {
            case kOKCancel: return Chance(0.7) ? kOK : kCancel;
            case kAbortRetryIgnore: return Chance(0.5) ? kRetry : kIgnore;
            case kYesNoCancel: return Chance(0.6) ? kYes : (Chance(0.5) ? kNo : kCancel);
            case kYesNo: return Chance(0.6) ? kYes : kNo;
            case kRetryCancel: return Chance(0.5) ? kRetry : kCancel;
            default: return kOK;
        }
    }

    int Modal(Form form) {
        switch (form) {
            case Form::frmShip: return kOK;
            case Form::frmSHE: return ShieldDialog();
            case Form::frmSSControl: return Visit();
            case Form::frmRespond: return Respond();
            case Form::frmPRO: return ProbeDialog();
            case Form::frmDES: return Countdown();
            case Form::frmGetNumber: return NumberDialog();
            default: return kCancel;
        }
    }

    // The shield dialog: a level typed (the box caps it at the capacity), or one of the Max,
    // Half, Drop and Auto buttons, then Accept (a level the energy cannot pay falls back to the
    // old one); or Cancel, which puts the old level back.
    int ShieldDialog() {
        const Integer old = static_cast<Integer>(s_.LibComputerState[0]);
        if (Chance(0.1)) {
            s_.ShieldLevel = old;
            s_.ShipEnergy = Clamp32(static_cast<long long>(s_.ShipEnergy) - s_.ShieldLevel);
            return kCancel;
        }
        const long long ceiling = std::min<long long>(s_.MaxShields, static_cast<long long>(s_.ShipEnergy) - 100);
        long long level;
        switch (raiseShields_ && Chance(0.8) ? 0 : Between(0, 4)) {
            case 0: level = ceiling; break;                                 // Max
            case 1: level = CInt(static_cast<double>(ceiling) / 2); break;  // Half
            case 2: level = 0; break;                                       // Drop
            case 3:
                if (s_.LibComputerState[1] == 0) {  // Auto, while offered
                    AutoShields(g_);
                    s_.ShipEnergy = Clamp32(static_cast<long long>(s_.ShipEnergy) + s_.ShieldLevel);
                    level = s_.ShieldLevel;
                    break;
                }
                [[fallthrough]];
            default: level = Between(0, std::max<int>(0, s_.MaxShields)); break;  // typed
        }
        level = std::clamp<long long>(level, 0, s_.MaxShields);
        // Accept.
        const Long before = s_.ShipEnergy;
        s_.ShieldLevel = static_cast<Integer>(level);
        s_.ShipEnergy = Clamp32(static_cast<long long>(s_.ShipEnergy) - s_.ShieldLevel);
        if (s_.ShipEnergy < 0) {
            s_.ShipEnergy = before;
            s_.ShieldLevel = old;
            s_.ShipEnergy = Clamp32(static_cast<long long>(s_.ShipEnergy) - s_.ShieldLevel);
        }
        return kOK;
    }

    // The probe dialog: the course, or the cancel marker.
    int ProbeDialog() {
        s_.ProbeDialog.CourseText = probeCourse_;
        if (probeCourse_ == kCancelledCourse) return kCancel;
        PrintOutput(g_, "");
        PrintOutput(g_, g_.Text("PRO0001") + probeCourse_);
        Pause(g_, 0.1);
        return kOK;
    }

    // The countdown window: started by its activation, a tick a second until 0:00, or a click
    // on the time that asks whether to abort.
    int Countdown() {
        StartSelfDestructCountdown(g_);
        const int clickAt = abortCountdown_ ? Between(0, 9) : -1;
        for (int tick = 0; tick < 11; ++tick) {
            if (tick == clickAt && AbortSelfDestruct(g_)) return kOK;
            if (SelfDestructCountdownTick(g_)) return kOK;
        }
        return kOK;
    }

    // The number dialog: a number in its range, or Cancel (a number above the range).
    int NumberDialog() {
        NumberDialogData& d = g_.numberDialog;
        const double factor = std::max(1.0, Val(d.ScaleFactor));
        const double lo = d.Min * factor, hi = d.Max * factor;
        if (Chance(0.1)) {
            d.lblNumber = CStr(static_cast<long long>(hi + factor + 1));
            return kCancel;
        }
        d.lblNumber = CStr(static_cast<long long>(Int(Uniform(lo, std::max(lo, hi)))));
        return kOK;
    }

    // A visit to a solar system: the console opens on it, and the captain orbits, hails,
    // answers, beams down, fights and lets the planets' messages run for a while, then leaves.
    int Visit() {
        visited_ = true;
        hg_.host.Show(Form::frmSSControl);
        ConsoleState& c = g_.console;
        ActivateConsole(g_);
        const int steps = Between(3, 30);
        for (int step = 0; step < steps && s_.GameRunning && c.Visiting; ++step) {
            const int n = c.SSPlanetCount;
            switch (Between(0, 16)) {
                case 0:
                case 1:
                    if (n > 0 && c.OrbitPlanet == 0) {
                        c.SelectTag = std::to_string(Between(1, n));
                        UpdateSelect(g_);
                        cmdEnterOrbit_Click(g_);
                    }
                    break;
                case 2:
                    if (c.Enabled.cmdHail) cmdHail_Click(g_);
                    break;
                case 3:
                    if (c.cmdRespondVisible) cmdRespond_Click(g_);
                    break;
                case 4:
                    if (c.cmdIgnoreVisible) cmdIgnore_Click(g_);
                    break;
                case 5:
                    if (c.Enabled.cmdBeam) cmdBeam_Click(g_);
                    break;
                case 6:
                    if (c.Enabled.cmdLeaveOrbit && Chance(0.3)) cmdLeaveOrbit_Click(g_);
                    break;
                case 7: {
                    std::vector<int> offered;
                    for (size_t i = 0; i < c.Actions.size(); ++i)
                        if (!c.Actions[i].Tag.empty()) offered.push_back(static_cast<int>(i));
                    if (!offered.empty()) rcmdAction_Click(g_, OneOf(offered));
                    break;
                }
                case 8:
                    if (c.Enabled.cmdPhaser && Chance(0.3)) cmdPhaser_Click(g_);
                    break;
                case 9:
                    if (c.Enabled.cmdPhoton && Chance(0.3)) cmdPhoton_Click(g_);
                    break;
                case 10:
                    if (c.Enabled.cmdEnergy && Chance(0.5)) cmdEnergy_Click(g_);
                    break;
                case 11:
                    if (Chance(0.2)) cmdShields_Click(g_);
                    break;
                case 12: {
                    // A note on the system, typed and recorded.
                    std::string text = c.txtNotes;
                    for (const char ch : std::string(Chance(0.5) ? "Seen. " : "Rich world\r")) {
                        int key = static_cast<unsigned char>(ch);
                        txtNotes_KeyPress(text, key, s_.NewLine);
                        if (key != 0) text += static_cast<char>(key);
                    }
                    c.txtNotes = text;
                    txtNotes_Change(g_);
                    if (c.Enabled.cmdRecord) cmdRecord_Click(g_);
                    break;
                }
                case 13:
                    if (Chance(0.5))
                        picStar_Click(g_);
                    else
                        lblPlanet_Click(g_, Between(0, 1) * 2);
                    break;
                default:
                    for (int t = Between(1, 6); t > 0 && g_.TimerEnabled(Timer::frmSSControl_tmrMessage); --t)
                        tmrMessage_Timer(g_);
                    break;
            }
        }
        if (s_.GameRunning && c.Visiting) cmdExit_Click(g_);
        hg_.host.Hide(Form::frmSSControl);
        return kOK;
    }
    // The responses dialog: one of the offered answers, or none.
    int Respond() {
        ConsoleState& c = g_.console;
        if (c.RespondOptions.empty() || Chance(0.1)) {
            c.RespondTag.clear();
            return kCancel;
        }
        c.RespondTag = std::to_string(OneOf(c.RespondOptions).Index);
        return kOK;
    }

    // ---- The end --------------------------------------------------------------------------
    void Finish() {
        record_.score = s_.FinalScore;
        if (s_.GameRunning) {
            record_.ending = Ending::Unfinished;
            if (record_.failures.empty())
                Fail("the game did not end within " + std::to_string(options_.maxActions) + " actions");
            return;
        }
        if (finalReports_ != 1) Fail("the final report came up " + std::to_string(finalReports_) + " times");
        record_.ending = Classify();
        if (record_.ending == Ending::Unexplained) Fail("the game ended in no way a game ends");
    }
    Ending Classify() const {
        if (resigned_) return Ending::Resigned;
        // The countdown that ran out leaves its window at 0:00.
        if (s_.ShipLost) return s_.SelfDestructTime == "0:00" ? Ending::SelfDestructed : Ending::ShipDestroyed;
        if (s_.FinalOutcome == kOutcomeWon) return Ending::MissionComplete;
        const std::string energy = g_.lang.GetLanguageText("KVGAME0059"), time = g_.lang.GetLanguageText("KVGAME0049");
        for (size_t i = noticesBefore_; i < hg_.host.notices.size(); ++i) {
            const std::string& n = hg_.host.notices[i];
            if (!energy.empty() && n.find(energy) != std::string::npos) return Ending::EnergyOut;
            if (!time.empty() && n.find(time) != std::string::npos) return Ending::TimeOut;
        }
        return Ending::Unexplained;
    }

    CaptainOptions options_;
    HeadlessGame hg_;
    std::mt19937 pick_;
    Game& g_;
    GameState& s_;
    GameRecord record_;
    std::string action_;
    size_t noticesBefore_ = 0;
    bool visited_ = false;
    int finalReports_ = 0;
    std::string lastMorv_;
    bool resigned_ = false;
    bool abortCountdown_ = false;
    bool raiseShields_ = false;  // the shield dialog is opened to raise the shields
    std::string probeCourse_ = kCancelledCourse;
    double caution_ = 0, huntWill_ = 0, calculatorWill_ = 0;
    double aggression_ = 0, computerWill_ = 0, torpedoWill_ = 0, dockBelow_ = 0, scanWill_ = 0, shieldWill_ = 0;
    double probeWill_ = 0, hyperWill_ = 0, exploreWill_ = 0, warpGiveUp_ = 0, warpSelfDestruct_ = 0, abortWill_ = 0;
    long selfDestructAt_ = -1;
    long idleActions_ = 0;  // actions in a row that took no time
    Single lastTime_ = 0;
    long patience_ = -1;
};

}  // namespace

GameRecord PlayGame(uint32_t seed, const CaptainOptions& options) {
    Captain captain(seed, options);
    return captain.Play();
}

}  // namespace kv::test
