// The one random source of the game.
//
// Every random decision draws from it; the rules write a draw as r % n or
// random(n). The tick and Russian roulette reseed it from the clock at fixed
// points, so the source must give fresh draws after every reseed, also when
// two reseeds fall in the same millisecond.
#pragma once

#include <cstdint>
#include <cstddef>
#include <string>
#include <vector>

#include "game/arith.h"

namespace pet {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A fresh non-negative 31-bit integer.
    virtual i32 next() = 0;
    // Reseed from the time of day.
    virtual void reseed() = 0;
};

// random(n), also written r % n: the remainder of a fresh draw by |n|, from 0
// to |n| - 1, and 0 without a draw when n is 0.
inline i32 random(RandomSource& rng, i32 n) {
    if (n == 0) return 0;
    const auto r = static_cast<std::uint32_t>(rng.next());
    return static_cast<i32>(r % magnitude(n));
}

// Where the time of day comes from: the real clock in the game, a simulated
// one in the headless runs so that they repeat exactly.
class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;
    // Milliseconds since midnight.
    virtual std::uint32_t millisecondsOfDay() = 0;
};

class SystemTimeOfDay final : public TimeOfDay {
public:
    std::uint32_t millisecondsOfDay() override;
};

// The production generator: xoshiro128** with its state stirred by every
// reseed. A reseed mixes the time of day into the running state instead of
// replacing it, so reseeds within one millisecond still lead to new draws.
class ClockSeededRandom final : public RandomSource {
public:
    explicit ClockSeededRandom(TimeOfDay& clock, std::uint64_t salt = 0);
    i32 next() override;
    void reseed() override;

private:
    void seed(std::uint64_t value);
    TimeOfDay& clock_;
    std::uint32_t s_[4]{};
    std::uint64_t reseeds_ = 0;
};

// For tests: returns the given draws in order and counts them. Running past
// the script is a test failure waiting to be noticed, so it records that and
// returns 0. The trace places the reseeds among the draws: "R..R.R" is a
// reseed, two draws, a reseed, a draw and a reseed.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<i32> draws) : draws_(draws) {}
    void push(i32 draw) { draws_.push_back(draw); }
    // A new script; the trace starts anew with it.
    void set(std::initializer_list<i32> draws) { draws_ = draws; pos_ = 0; overrun_ = 0; trace_.clear(); }
    i32 next() override;
    void reseed() override { ++reseeds_; trace_ += 'R'; }

    std::size_t drawn() const { return pos_ + overrun_; }
    std::size_t left() const { return draws_.size() - pos_; }
    std::size_t overrun() const { return overrun_; }
    std::size_t reseeds() const { return reseeds_; }
    const std::string& trace() const { return trace_; }

private:
    std::vector<i32> draws_;
    std::size_t pos_ = 0;
    std::size_t overrun_ = 0;
    std::size_t reseeds_ = 0;
    std::string trace_;
};

}  // namespace pet
