#include "engine/turn/Score.h"

#include <cmath>
#include <cstdlib>

#include "engine/turn/QuadrantLookups.h"
#include "state/Numeric.h"

namespace kv {

std::optional<Integer> ComputeScore(const GameState& s) {
    if (s.MissionType == 3) return std::nullopt;

    // The share of the allowed time still in hand, in single precision. With no time allowed
    // (or a value no game reaches) it counts nothing instead of dividing by zero.
    Single t = 0.0f;
    if (s.TotalTime > 0) {
        t = (s.TimeOffset + s.TimeLeft) / s.TotalTime;
        if (!std::isfinite(t)) t = 0.0f;
    }
    // Every term is summed wide: the counters are 16-bit, their weighted sums need not be.
    const long long charted = CountChartedQuadrants(s) - static_cast<long long>(s.StatCounterH);
    long long base = 0;
    switch (s.MissionType) {
        case 0:
        case 1: {
            const long long a = CLng(50.0f * t + static_cast<Single>(5LL * s.FlaggedZarvonis + 10LL * s.CloakedKilled));
            const long long b = 5LL * s.GoalProgress + a;
            const long long c = CLng(static_cast<double>(b) + static_cast<double>(charted) * 0.2);
            base = 50LL * s.ScoreCounterD + (5LL * s.ScoreCounterC + c);
            break;
        }
        case 2: {
            const long long destroyed = static_cast<long long>(s.InitialZarvonis) - s.ZarvonisLeft;
            const long long a = CLng(50.0f * t + static_cast<Single>(6LL * s.CloakedKilled + 4LL * destroyed));
            const long long c = CLng(static_cast<double>(a) + static_cast<double>(charted) * 0.4);
            base = 75LL * s.ScoreCounterD + (10LL * s.ScoreCounterC + c);
            break;
        }
        default: break;
    }
    const long long score = base - 25LL * s.DockCount + 100LL * s.StatCounterF - 75LL * s.StatCounterG -
                            50LL * s.StarbasesLost + 50LL * s.ScoreCounterB + (s.ZarvoniBase[0] != 0 ? 25 : 0) +
                            100LL * std::llabs(s.ZarvoniBaseDestroyed) - 50LL * s.ScoreCounterA -
                            10LL * s.ScoreCounterE - 100LL * std::llabs(s.MorvCountdownStarted) -
                            25LL * s.MorvStarsTaken + 100LL * s.MorvShipsDestroyed - 50LL * std::llabs(s.ShipLost);
    return Clamp16(score);
}

MissionRating RateMission(const GameState& s) {
    MissionRating r;
    // A game length below 1 is no length a game is set up with; it scales as a short game
    // rather than dividing by zero.
    const double length = s.GameLength >= 1 ? s.GameLength : 1.0;
    switch (s.MissionType) {
        case 0:
            if (s.ZarvonisLeft > 0) {
                r.rating = CInt((static_cast<double>(s.InitialZarvonis) - s.ZarvonisLeft) * 10.0 / length);
            } else {
                r.rating = Clamp16(25LL * std::llabs(s.ZarvonisLeft) + 800);
                r.outcome = kOutcomeWon;
            }
            break;
        case 1:
            if (s.ZarvonisLeft > 0) {
                r.rating = CInt((static_cast<double>(s.ZarvonisCounted) - s.ZarvonisLeft) * 3.0 / length);
            } else {
                r.rating = 1000;
                r.outcome = kOutcomeWon;
            }
            break;
        case 2: {
            const Integer x = s.GoalBySystems == 1 ? s.GoalSystemsDone : s.GoalProgress;
            if (x >= s.MissionGoal) {
                r.rating = 800;
                r.outcome = kOutcomeWon;
            } else {
                r.rating = CInt((10.0 * s.GoalBySystems + 10.0) * x / length);
            }
            break;
        }
        case 3: r.outcome = kOutcomeNone; break;
        default: break;
    }
    return r;
}

Integer FinalScore(const GameState& s) {
    return Clamp16(static_cast<long long>(RateMission(s).rating) + ComputeScore(s).value_or(0));
}

std::string RatingText(long score) { return Format(static_cast<double>(score) / 10.0, "0.0") + "%"; }

}  // namespace kv
