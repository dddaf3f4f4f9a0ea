#include <climits>

#include <gtest/gtest.h>

#include "game/arith.h"
#include "game/random.h"

namespace pet {
namespace {

TEST(Arithmetic, WrapsAroundLikeThirtyTwoBitRegisters) {
    struct Case { i32 got, want; };
    const Case cases[] = {
        {add(INT_MAX, 1), INT_MIN},
        {add(INT_MIN, -1), INT_MAX},
        {sub(INT_MIN, 1), INT_MAX},
        {sub(0, INT_MIN), INT_MIN},
        {mul(65536, 65536), 0},
        {mul(INT_MAX, 2), -2},
        {mul(-961582837, 1), -961582837},
        {neg(INT_MIN), INT_MIN},
        {wrap(312571029771LL), -961582837},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(Arithmetic, DivisionAndRemainderTruncateTowardZero) {
    struct Case { i32 a, b, q, m; };
    const Case cases[] = {
        {7, 2, 3, 1},      {-7, 2, -3, -1},  {7, -2, -3, 1},   {-7, -2, 3, -1},
        {-170, 7, -24, -2}, {-3, 20, 0, -3}, {INT_MIN, -1, INT_MIN, 0}, {INT_MIN, 1, INT_MIN, 0},
        {INT_MAX, -1, -INT_MAX, 0}, {5, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(div(c.a, c.b), c.q) << c.a << " / " << c.b;
        EXPECT_EQ(mod(c.a, c.b), c.m) << c.a << " % " << c.b;
    }
}

TEST(Arithmetic, FractionalProductsAreTruncatedTowardZero) {
    struct Case { real x; i32 want; };
    const Case cases[] = {
        {-8.5L, -8},
        {160 * 0.55L, 88},
        {-1 * 0.55L, 0},
        {1.5L * INT_MAX, wrap(3221225470LL)},  // beyond 32 bits: the low half is kept
        {-1.5L * INT_MAX, wrap(-3221225470LL)},
        {1e30L, 0},                            // beyond 64 bits
        {-1e30L, 0},
        {static_cast<real>(NAN), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(truncToI32(c.x), c.want) << static_cast<double>(c.x);
}

TEST(RandomRemainder, IsTheRemainderOfAFreshDrawByTheMagnitude) {
    struct Case { i32 draw, n, want; };
    const Case cases[] = {
        {17, 5, 2}, {17, -5, 2}, {4, 5, 4}, {0, 5, 0}, {INT_MAX, 1, 0},
        {INT_MAX, INT_MIN, INT_MAX}, {INT_MAX, INT_MAX, 0}, {12345, -1, 0},
    };
    for (const Case& c : cases) {
        ScriptedRandom rng{c.draw};
        EXPECT_EQ(random(rng, c.n), c.want) << c.draw << " % " << c.n;
        EXPECT_EQ(rng.drawn(), 1u);
    }
}

TEST(RandomRemainder, ByZeroIsZeroWithoutADraw) {
    ScriptedRandom rng{9};
    EXPECT_EQ(random(rng, 0), 0);
    EXPECT_EQ(rng.drawn(), 0u);
    EXPECT_EQ(random(rng, 4), 1);
}

}  // namespace
}  // namespace pet
