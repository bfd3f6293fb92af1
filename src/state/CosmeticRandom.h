#pragma once
// The generator of cosmetic drawing: star fields, sparkles and the other draws that only decorate
// a window. It is kept apart from the game's generator (Game::rng), so that looking at a window
// never changes the course of a game, and it follows the BASIC rules for Rnd(x): a negative x
// restarts the sequence from x (the same x always gives the same sequence), a positive x gives
// the next value and 0 gives the last value again.
#include <cstdint>

#include "state/Random.h"

namespace kv {

class CosmeticRandom : public Random {
public:
    explicit CosmeticRandom(uint32_t seed = 0x4b657374u) : state_(seed) {}

    // The next value, 0 <= x < 1 (Rnd with a positive argument).
    float Rnd() override { return Rnd(1.0f); }
    // x < 0: restarts from x and gives the first value of that sequence; x > 0: the next value;
    // x = 0: the last value given again (before any draw, the next one).
    float Rnd(float x);
    // A new starting point, from the clock at start (Randomize).
    void Randomize(double seed);

private:
    float Next();

    uint32_t state_;
    float last_ = 0.0f;
    bool drawn_ = false;
};

}  // namespace kv
