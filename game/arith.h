// The game's arithmetic: 32-bit integers and x87 floating point.
//
// Stats, counters and money are signed 32-bit integers that wrap around on
// overflow. Plain C++ signed overflow is undefined behaviour, so every
// operation that can overflow goes through these helpers, which work on the
// unsigned representation and convert back (well defined since C++20).
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace pet {

using i32 = std::int32_t;

constexpr i32 wrap(std::int64_t v) { return static_cast<i32>(static_cast<std::uint32_t>(v)); }
constexpr i32 add(i32 a, i32 b) { return static_cast<i32>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b)); }
constexpr i32 sub(i32 a, i32 b) { return static_cast<i32>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b)); }
constexpr i32 mul(i32 a, i32 b) { return static_cast<i32>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b)); }
constexpr i32 neg(i32 a) { return static_cast<i32>(0u - static_cast<std::uint32_t>(a)); }

// Quotient truncated toward zero. The two cases C++ leaves undefined get a
// definite answer: a zero divisor gives 0, and INT_MIN / -1 wraps to INT_MIN.
constexpr i32 div(i32 a, i32 b) {
    if (b == 0) return 0;
    if (b == -1) return neg(a);
    return a / b;
}

// Remainder with the sign of the dividend; 0 for a zero divisor.
constexpr i32 mod(i32 a, i32 b) {
    if (b == 0 || b == -1) return 0;
    return a % b;
}

// |n| as an unsigned number, exact also for INT_MIN.
constexpr std::uint32_t magnitude(i32 n) {
    return n < 0 ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
}

// Float products are computed in extended precision, with the 64-bit
// significand of the x87 floating-point unit, and stored truncated toward
// zero. The truncated value is taken as a 64-bit integer and its low 32 bits
// are kept, which is what storing such a result in a 32-bit field does on
// x86. NaN and values beyond the 64-bit range give 0 rather than undefined
// behaviour.
using real = long double;
static_assert(std::numeric_limits<real>::digits == 64, "the game's rules need the x87 extended format");

// A fractional factor of the rules: the double nearest to the decimal
// constant, widened. 0.7 is 0.69999999999999995559 as a double, so 30 × 0.7
// is 20.9999999999999986677 in extended precision and stores as 20.
constexpr real frac(double c) { return static_cast<real>(c); }

inline i32 truncToI32(real x) {
    if (std::isnan(x)) return 0;
    constexpr real lim = 9223372036854775807.0L;  // 2^63 - 1, rounds to 2^63
    if (x >= lim || x <= -lim) return 0;
    return wrap(static_cast<std::int64_t>(x));
}

// v × c with a fractional constant c, truncated: the one rule of every
// fractional product the game stores.
inline i32 times(i32 v, double c) { return truncToI32(static_cast<real>(v) * frac(c)); }

}  // namespace pet
