#include <set>

#include <gtest/gtest.h>

#include "game/random.h"

namespace pet {
namespace {

class FixedTimeOfDay final : public TimeOfDay {
public:
    std::uint32_t millisecondsOfDay() override { return ms; }
    std::uint32_t ms = 12345;
};

TEST(ClockSeededRandom, GivesFreshNonNegativeDrawsAfterReseedsInOneMillisecond) {
    FixedTimeOfDay clock;
    ClockSeededRandom rng(clock);
    std::set<i32> firsts;
    for (int i = 0; i < 1000; ++i) {
        rng.reseed();  // the clock does not move
        const i32 v = rng.next();
        EXPECT_GE(v, 0);
        firsts.insert(v);
    }
    EXPECT_EQ(firsts.size(), 1000u);
}

TEST(ClockSeededRandom, RepeatsForTheSameClockReadings) {
    FixedTimeOfDay c1, c2;
    ClockSeededRandom a(c1, 7), b(c2, 7);
    for (int i = 0; i < 100; ++i) {
        c1.ms = c2.ms = static_cast<std::uint32_t>(i * 40);
        a.reseed();
        b.reseed();
        ASSERT_EQ(a.next(), b.next());
    }
}

TEST(ClockSeededRandom, SpreadsRemaindersEvenly) {
    FixedTimeOfDay clock;
    ClockSeededRandom rng(clock);
    int counts[6] = {};
    for (int i = 0; i < 60000; ++i) {
        if (i % 3 == 0) rng.reseed();
        ++counts[random(rng, 6)];
    }
    for (int c : counts) EXPECT_NEAR(c, 10000, 500);
}

TEST(ScriptedRandom, ReturnsItsDrawsInOrderAndCountsThem) {
    ScriptedRandom rng{3, 1, 4};
    EXPECT_EQ(rng.next(), 3);
    EXPECT_EQ(rng.next(), 1);
    EXPECT_EQ(rng.left(), 1u);
    EXPECT_EQ(rng.next(), 4);
    EXPECT_EQ(rng.next(), 0);  // past the script
    EXPECT_EQ(rng.drawn(), 4u);
    EXPECT_EQ(rng.overrun(), 1u);
}

}  // namespace
}  // namespace pet
