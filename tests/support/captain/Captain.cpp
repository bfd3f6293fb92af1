#include "support/captain/Captain.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <random>
#include <sstream>

#include "engine/computer/Docking.h"
#include "engine/computer/Navigation.h"
#include "engine/tactical/LongRangeScan.h"
#include "engine/tactical/Shields.h"
#include "engine/turn/EndGame.h"
#include "engine/turn/Score.h"
#include "engine/turn/Time.h"
#include "explore/Console.h"
#include "state/Numeric.h"
#include "support/captain/Invariants.h"

namespace kv::test {

const char* EndingName(Ending e) {
    switch (e) {
        case Ending::Unfinished: return "unfinished";
        case Ending::MissionComplete: return "mission complete";
        case Ending::TimeOut: return "time out";
        case Ending::EnergyOut: return "energy out";
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

class Captain {
public:
    Captain(uint32_t seed, const CaptainOptions& options)
        : options_(options), hg_(seed), pick_(seed * 2654435761u + 97u), g_(hg_.game), s_(hg_.st) {
        record_.seed = seed;
        record_.setup = SetupForSeed(seed);
        // The captain's temperament, different in every game: how soon it docks, how much it
        // scans and explores, how it answers the warp check, how long it plays on.
        dockBelow_ = Uniform(0.0, 0.5);
        scanWill_ = Uniform(0.0, 0.3);
        shieldWill_ = Uniform(0.0, 0.2);
        // In mission type 2 the goal lies in the solar systems: those captains explore.
        exploreWill_ = record_.setup.mission == 2 ? Uniform(0.5, 0.9) : Uniform(0.0, 0.4);
        warpGiveUp_ = Uniform(0.0, 0.2);
        warpSelfDestruct_ = Uniform(0.0, 0.5);
        // Some captains resign early; in mission type 3, which has no time limit, every one
        // ends the mission in the end.
        const bool resigns = record_.setup.mission == 3 || Chance(0.05);
        patience_ = resigns ? static_cast<long>(Uniform(20, 400)) : -1;

        hg_.host.onQuestion = [this](const std::string& prompt, long style) { return Answer(prompt, style); };
        hg_.host.onModal = [this](Form form) { return Modal(form); };
        if (options_.trace) hg_.host.onLine = [this](const std::string& line) {
            options_.trace("    " + line);
            if (s_.GameRunning) for (const auto& v : RunningGameViolations(s_, false)) if (v.rfind("quadrant", 0) == 0) options_.trace("    !! " + v);
        };
    }

    GameRecord Play() {
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

    // ---- Running an action and checking after it ------------------------------------------
    template <typename F>
    void Run(const std::string& what, F&& body) {
        action_ = what;
        ++record_.actionCounts[KindOf(what)];
        if (options_.trace) options_.trace(std::to_string(record_.actions) + ": " + what);
        const TimeMark mark = MarkTime(s_);
        const size_t errors = hg_.host.errors.size();
        const long refreshes = hg_.host.refreshes;
        noticesBefore_ = hg_.host.notices.size();
        visited_ = false;
        selfDestructAsked_ = false;
        try {
            body();
        } catch (const std::exception& e) {
            Fail(std::string("exception: ") + e.what());
        }
        ++record_.actions;
        for (size_t i = errors; i < hg_.host.errors.size(); ++i) Fail("error report: " + FirstLine(hg_.host.errors[i]));
        if (!s_.GameRunning) return;
        for (const auto& v : RunningGameViolations(s_, hg_.host.refreshes > refreshes)) Fail(v);
        if (record_.actions > 1)  // the new game sets the time afresh
            for (const auto& v : TimeViolations(mark, s_, visited_)) Fail(v);
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

    // ---- The orders -----------------------------------------------------------------------
    void NextAction() {
        const bool energyLow = s_.ShipEnergy + s_.ShieldLevel < dockBelow_ * s_.MaxEnergy;
        if (s_.QuadStarbase != 0 && s_.Docked == 0 && energyLow && SystemWorks(8)) return Dock();
        if (s_.LRSDone == 0 && SystemWorks(3) && Chance(scanWill_)) return ScanLongRange();
        if (SystemWorks(6) && Chance(shieldWill_)) return SetShieldLevel();
        if (Chance(exploreWill_)) return Explore();
        if (energyLow && Chance(0.7)) return FlyToStarbase();
        if (Chance(0.3)) return FlyToHostiles();
        return FlyAnywhere();
    }

    bool SystemWorks(int system) const { return s_.SystemDamage[system] < 7.0f; }
    Single MaxWarp() const { return SystemWorks(1) ? 8.0f : 0.5f; }

    // A navigation order as the dialog gives it: course 1.0..8.9 and warp as typed.
    void Navigate(const std::string& why, double course, double warp) {
        warp = std::clamp(warp, 0.01, static_cast<double>(MaxWarp()));
        const std::string c = Format(course, "0.00"), w = Format(warp, "0.00");
        Run("navigate (" + why + ", course " + c + ", warp " + w + ")", [&] { AcceptNavOrder(g_, c, w); });
    }
    // Course and warp from the ship to an absolute position (quadrant x 8 + sector).
    void NavigateTo(const std::string& why, int absRow, int absCol) {
        const int dr = absRow - (s_.ShipQuadrantRow * 8 + s_.ShipSectorRow);
        const int dc = absCol - (s_.ShipQuadrantCol * 8 + s_.ShipSectorCol);
        if (dr == 0 && dc == 0) return FlyAnywhere();
        double a = std::atan2(-static_cast<double>(dr), static_cast<double>(dc));
        if (a < 0) a += 2 * kPi;
        double course = a / (kPi / 4) + 1;
        if (course >= 9.0) course -= 8.0;
        const double distance = std::max(std::abs(dr), std::abs(dc));  // one step per sector
        Navigate(why, course, distance / 8.0);
    }
    void FlyAnywhere() { Navigate("anywhere", Uniform(1.0, 9.0), Uniform(0.05, 1.0) * Uniform(0.1, MaxWarp())); }
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
            const SolarSystemRecord& rec = *stars[static_cast<size_t>(Between(0, static_cast<int>(stars.size()) - 1))];
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
        if (quadrants.empty()) return SystemWorks(3) && s_.LRSDone == 0 ? ScanLongRange() : FlyAnywhere();
        const auto [r, c] = quadrants[static_cast<size_t>(Between(0, static_cast<int>(quadrants.size()) - 1))];
        NavigateTo("to unexplored systems", r * 8 + Between(1, 8), c * 8 + Between(1, 8));
    }
    void FlyToStarbase() {
        for (int n = 1; n <= 3; ++n) {
            if (s_.Starbases[3][n] < 0 || !InGalaxy(s_.Starbases[1][n], s_.Starbases[2][n])) continue;
            const long qr = s_.Starbases[1][n], qc = s_.Starbases[2][n];
            if (s_.KnownGalaxy[qr][qc] < 0) continue;  // not charted: the captain does not know it
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
        const auto [r, c] = targets[static_cast<size_t>(Between(0, static_cast<int>(targets.size()) - 1))];
        NavigateTo("to hostiles", r * 8 + Between(1, 8), c * 8 + Between(1, 8));
    }
    void ScanLongRange() {
        Run("long-range scan", [&] {
            PrintOutput(g_, g_.Text("COM0001"));
            PassTime(g_, 0.05f);
            LRS(g_);
        });
    }
    void SetShieldLevel() { Run("shields", [&] { SetShields(g_, 0); }); }
    void Dock() { Run("dock", [&] { DockAtStarbase(g_); }); }

    // ---- Questions and modal windows ------------------------------------------------------
    int Answer(const std::string& prompt, long style) {
        const std::string warpCheck = s_.SystemNames[1] + g_.Text("KVGAME0022");
        if (!warpCheck.empty() && prompt.rfind(warpCheck, 0) == 0) {
            if ((style & 7) == kOKCancel) {
                if (Chance(warpSelfDestruct_)) {
                    selfDestructAsked_ = true;
                    return kOK;
                }
                return kCancel;
            }
            if (Chance(warpGiveUp_)) return kAbort;
            return Chance(0.75) ? kRetry : kIgnore;
        }
        switch (style & 7) {
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
            default: return kCancel;
        }
    }

    // The shield dialog: a level typed (capped at the capacity), Accept; a level the energy
    // cannot pay falls back to the old one. Or Cancel, which puts the old level back.
    int ShieldDialog() {
        const Integer old = static_cast<Integer>(s_.LibComputerState[0]);
        if (Chance(0.1)) {
            s_.ShieldLevel = old;
            s_.ShipEnergy -= s_.ShieldLevel;
            return kCancel;
        }
        const Integer level = static_cast<Integer>(Between(0, std::max<int>(0, s_.MaxShields)));
        s_.ShieldLevel = level;
        s_.ShipEnergy -= level;
        if (s_.ShipEnergy < 0) {
            s_.ShipEnergy += level;
            s_.ShieldLevel = old;
            s_.ShipEnergy -= old;
        }
        return kOK;
    }

    // A visit to a solar system: the console opens on it, and the captain orbits, hails,
    // answers, beams down and lets the planets' messages run for a while, then leaves.
    int Visit() {
        visited_ = true;
        hg_.host.Show(Form::frmSSControl);
        ConsoleState& c = g_.console;
        ActivateConsole(g_);
        const int steps = Between(1, 16);
        for (int step = 0; step < steps && s_.GameRunning && c.Visiting; ++step) {
            const int n = c.SSPlanetCount;
            switch (Between(0, 9)) {
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
                    if (!offered.empty())
                        rcmdAction_Click(g_, offered[static_cast<size_t>(Between(0, static_cast<int>(offered.size()) - 1))]);
                    break;
                }
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
        const auto& option = c.RespondOptions[static_cast<size_t>(Between(0, static_cast<int>(c.RespondOptions.size()) - 1))];
        c.RespondTag = std::to_string(option.Index);
        return kOK;
    }

    // ---- The end --------------------------------------------------------------------------
    void Finish() {
        record_.score = s_.FinalScore;
        if (s_.GameRunning) {
            record_.ending = Ending::Unfinished;
            if (record_.failures.empty()) Fail("the game did not end within " + std::to_string(options_.maxActions) + " actions");
            return;
        }
        for (const auto& v : EndedGameViolations(s_)) Fail(v);
        record_.ending = Classify();
        if (record_.ending == Ending::Unexplained) Fail("the game ended in no way a game ends");
    }
    Ending Classify() const {
        if (resigned_) return Ending::Resigned;
        if (s_.ShipLost) return selfDestructAsked_ ? Ending::SelfDestructed : Ending::ShipDestroyed;
        if (s_.FinalOutcome == kOutcomeWon) return Ending::MissionComplete;
        const std::string energy = g_.Text("KVGAME0059"), time = g_.Text("KVGAME0049");
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
    bool selfDestructAsked_ = false;
    bool resigned_ = false;
    double dockBelow_ = 0, scanWill_ = 0, shieldWill_ = 0, exploreWill_ = 0;
    double warpGiveUp_ = 0, warpSelfDestruct_ = 0;
    long patience_ = -1;
};

}  // namespace

GameRecord PlayGame(uint32_t seed, const CaptainOptions& options) {
    Captain captain(seed, options);
    return captain.Play();
}

}  // namespace kv::test
