#pragma once
// The score of a game: the formula the general report shows while a game runs and the final
// report adds to the mission rating when it ends.
#include <optional>
#include <string>

#include "state/Game.h"

namespace kv {

// The score by mission type from the game's statistics: the time kept in hand, the hostiles
// destroyed or captured, the quadrants charted, the planets, systems and treaties, less the
// dockings, starbases lost and shots at friends, with the Morv's part. Mission type 3 has no
// score (nothing); any type other than 0..3 counts only the common terms. Computed wide and
// kept to the 16-bit range; with no time allowed the time term counts nothing.
std::optional<Integer> ComputeScore(const GameState& st);
inline std::optional<Integer> ComputeScore(Game& g) { return ComputeScore(g.st); }

// The mission's verdict at the end of a game.
inline constexpr Integer kOutcomeWon = -1;
inline constexpr Integer kOutcomeFailed = 0;
inline constexpr Integer kOutcomeNone = 47;  // mission type 3 has no verdict

// The mission rating and verdict by mission type: a won mission rates 800 (1000 in mission
// type 1, and 25 more per hostile ship below zero left in type 0); a failed one rates its
// progress scaled by the game length. Mission type 3 rates 0 with no verdict.
struct MissionRating {
    Integer rating = 0;
    Integer outcome = kOutcomeFailed;
};
MissionRating RateMission(const GameState& st);

// The final score: the rating plus ComputeScore, kept to the 16-bit range.
Integer FinalScore(const GameState& st);

// A score as the rating text shows it: a tenth of it with one decimal and a percent sign
// (1234 reads "123.4%").
std::string RatingText(long score);

}  // namespace kv
