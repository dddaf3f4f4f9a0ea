#include "game/random.h"

#include <chrono>

namespace pet {

std::uint32_t SystemTimeOfDay::millisecondsOfDay() {
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(now % (24LL * 60 * 60 * 1000));
}

namespace {

std::uint64_t splitmix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr std::uint32_t rotl(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

}  // namespace

ClockSeededRandom::ClockSeededRandom(TimeOfDay& clock, std::uint64_t salt) : clock_(clock) {
    seed(salt ^ 0x5DEECE66DULL);
}

void ClockSeededRandom::seed(std::uint64_t value) {
    std::uint64_t x = value;
    for (auto& word : s_) word = static_cast<std::uint32_t>(splitmix64(x) >> 32);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;
}

void ClockSeededRandom::reseed() {
    ++reseeds_;
    const std::uint64_t state = (static_cast<std::uint64_t>(s_[0]) << 32 | s_[1]) ^
                                (static_cast<std::uint64_t>(s_[2]) << 32 | s_[3]);
    seed(state ^ (static_cast<std::uint64_t>(clock_.millisecondsOfDay()) << 20) ^ reseeds_);
}

i32 ClockSeededRandom::next() {
    const std::uint32_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint32_t t = s_[1] << 9;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 11);
    return static_cast<i32>(result >> 1);
}

i32 ScriptedRandom::next() {
    trace_ += '.';
    if (pos_ < draws_.size()) return draws_[pos_++];
    ++overrun_;
    return 0;
}

}  // namespace pet
