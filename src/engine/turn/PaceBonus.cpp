#include "engine/turn/PaceBonus.h"

#include <cmath>

namespace kv {

double TimeStatusValue(const GameState& s, double score) {
    const Single timeLeft = s.TimeOffset + s.TimeLeft;
    if (timeLeft == 0 || s.TotalTime == 0) return 0;

    long work = 0, reference = 0;
    double margin = 0.1;
    Single scale = 800;
    switch (s.MissionType) {
        case 0:
            work = s.ZarvonisLeft;
            reference = s.InitialZarvonis;
            break;
        case 1:
            work = s.ZarvonisLeft;
            reference = s.ZarvonisCounted;
            margin = 1.0;
            scale = 1000;
            break;
        case 2: {
            const long done = s.GoalBySystems ? s.GoalSystemsDone : s.GoalProgress;
            work = static_cast<long>(s.MissionGoal) - done;
            reference = s.MissionGoal;
            break;
        }
        default: return score;
    }

    const Single rateLeft = static_cast<Single>(work) / timeLeft;
    const Single ratePlanned = static_cast<Single>(reference) / s.TotalTime;
    if (static_cast<double>(ratePlanned) + margin > static_cast<double>(rateLeft)) return score + scale;
    Single d = 1.0f - (rateLeft - ratePlanned);
    if (d <= -1.0f) d = 0;
    return score + static_cast<double>(std::fabs(d) * d * scale);
}

}  // namespace kv
