#include "engine/turn/Mission.h"

#include "state/Numeric.h"

namespace kv {

void SettleTechLevel(GameState& s, Integer& saved) {
    if (!s.KeepTech) s.TechLevel = 3;
    if (!s.UpgradesOn) {
        saved = static_cast<Integer>(s.TechLevel);
        s.TechLevel = 1;
    }
    if (s.TechLevel < saved && s.UpgradesOn && s.KeepTech) s.TechLevel = saved;
    if (s.UpgradesOn) saved = 0;
}

void AdjustMission(Game& g) {
    GameState& s = g.st;
    switch (s.MissionType) {
        case 1:
            // With no hostile drawn there is nothing to scale the time to.
            if (s.InitialZarvonis != 0)
                s.TotalTime =
                    static_cast<Single>(s.ZarvonisCounted * static_cast<double>(s.TotalTime) / s.InitialZarvonis);
            s.InitialZarvonis = s.ZarvonisLeft = s.ZarvonisCounted;
            s.TimeLeft = s.TotalTime;
            break;
        case 2: {
            Integer goal = CInt(s.SpecialSystems * static_cast<double>(s.SkillLevel) / 10);
            if (goal < 1) goal = 1;
            s.MissionGoal = goal;
            s.TotalTime = static_cast<Single>(Int(g.Rnd() * 8) + goal * 1.2 + Int(s.SkillLevel / 1.5));
            s.GoalBySystems = 1;
            s.TimeLeft = s.TotalTime;
            break;
        }
        case 3: SetFreePlay(s); break;
        default: break;
    }
}

void SetFreePlay(GameState& s) {
    s.MissionGoal = 0;
    s.InitialZarvonis = s.ZarvonisLeft = s.ZarvonisCounted;
    s.TotalTime = 1.0f;
    s.TimeLeft = 0;
}

}  // namespace kv
