#pragma once
// The game's random generator: uniform Single values in [0, 1). Injectable, so that tests can
// script every draw or replay a whole game from a seed.
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

namespace kv {

class Random {
public:
    virtual ~Random() = default;
    // The next value, 0 <= x < 1.
    virtual float Rnd() = 0;
};

// A reproducible generator for whole games.
class SeededRandom : public Random {
public:
    explicit SeededRandom(uint32_t seed = 1) : gen_(seed) {}
    void Seed(uint32_t seed) { gen_.seed(seed); }
    float Rnd() override { return static_cast<float>(gen_() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 gen_;
};

// Raised by ScriptedRandom when a draw is asked for beyond its script.
class RandomExhausted : public std::runtime_error {
public:
    RandomExhausted() : std::runtime_error("scripted random generator ran out of values") {}
};

// Returns the scripted values in order and fails loudly on an extra draw, so a test catches
// a draw that is missing or one too many.
class ScriptedRandom : public Random {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<float> values) : values_(values) {}
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    void Push(float v) { values_.push_back(v); }
    void Push(size_t count, float v) { values_.insert(values_.end(), count, v); }
    float Rnd() override {
        if (next_ >= values_.size()) throw RandomExhausted();
        return values_[next_++];
    }
    size_t Used() const { return next_; }
    size_t Remaining() const { return values_.size() - next_; }

private:
    std::vector<float> values_;
    size_t next_ = 0;
};

// Always the same value: for tests that do not care about the draws.
class ConstantRandom : public Random {
public:
    explicit ConstantRandom(float v) : v_(v) {}
    float Rnd() override {
        ++count_;
        return v_;
    }
    size_t Count() const { return count_; }

private:
    float v_;
    size_t count_ = 0;
};

}  // namespace kv
