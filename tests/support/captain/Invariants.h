#pragma once
// The consistency a game's state keeps between player actions: the galaxy's quadrant codes
// agree with the starbase, star-system and hostile tables and with the current quadrant's grid,
// no count goes below zero or past its capacity, and time runs only one way.
#include <string>
#include <vector>

#include "state/GameState.h"

namespace kv::test {

// What an action may change of the time left, taken before the action.
struct TimeMark {
    Single timeLeft = 0, timeOffset = 0;
    bool zarvoniBaseStanding = false;    // destroying it gives time back
    Integer captures = 0, treaties = 0;  // capturing it, and a treaty, give time back too
};
TimeMark MarkTime(const GameState& s);

// Every rule a running game's state breaks, one text each: the galaxy codes, the current
// quadrant, the counters, the ship and its stores. `refreshed`: the action ran the end-of-action
// refresh, whose end check lets no energy deficit stand that the shields cannot cover (an
// action without it, such as a refused navigation order, may leave one until the next).
std::vector<std::string> RunningGameViolations(const GameState& s, bool refreshed);

// The galaxy's codes against the starbase and star-system tables alone: rules that hold even
// in the middle of an action (a replay checks them after every line of the message log).
std::vector<std::string> GalaxyViolations(const GameState& s);

// Time never rises without a cause: TimeLeft never rises, and the time remaining only grows
// when the Zarvoni starbase fell or was captured, a treaty was made, or (`visited`) a planet's
// message gave time back during a visit to a solar system.
std::vector<std::string> TimeViolations(const TimeMark& before, const GameState& after, bool visited);

// What an ended game shows in its final report (before the displays are reset): the game
// stopped, the counters still not negative, a rating.
std::vector<std::string> EndedGameViolations(const GameState& s);

}  // namespace kv::test
