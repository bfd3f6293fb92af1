#include "state/CosmeticRandom.h"

#include <bit>
#include <cmath>

namespace kv {

namespace {

// Spreads the bits of a seed over the whole word, so that neighbouring seeds start far apart.
uint32_t Mix(uint32_t v) {
    v ^= v >> 16;
    v *= 0x7feb352du;
    v ^= v >> 15;
    v *= 0x846ca68bu;
    v ^= v >> 16;
    return v;
}

}  // namespace

float CosmeticRandom::Next() {
    // A 32-bit linear congruential step with its output bits scrambled; 24 bits make the value.
    state_ = state_ * 747796405u + 2891336453u;
    const uint32_t out = Mix(state_);
    last_ = static_cast<float>(out >> 8) * (1.0f / 16777216.0f);
    drawn_ = true;
    return last_;
}

float CosmeticRandom::Rnd(float x) {
    if (x < 0) {
        state_ = Mix(std::bit_cast<uint32_t>(x));
        return Next();
    }
    if (x == 0 && drawn_) return last_;
    return Next();
}

void CosmeticRandom::Randomize(double seed) {
    // Seconds since midnight, to the millisecond, fit in 32 bits.
    const auto millis = static_cast<uint64_t>(std::llround(std::fabs(seed) * 1000.0));
    state_ = Mix(static_cast<uint32_t>(millis) ^ static_cast<uint32_t>(millis >> 32) ^ 0x9e3779b9u);
}

}  // namespace kv
