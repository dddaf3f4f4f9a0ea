// The pinned signature of one scripted game. Any change to a rule changes it;
// a deliberate change states the new value in its commit message.
#include <gtest/gtest.h>

#include "app/simulation.h"

namespace pet {
namespace {

TEST(Signature, OneScriptedGameRepeatsExactly) {
    const SimulationResult a = simulate(Difficulty::Hard, 1, 60000);
    const SimulationResult b = simulate(Difficulty::Hard, 1, 60000);
    EXPECT_EQ(a.hash, b.hash);
    EXPECT_EQ(a.clock, b.clock);
    EXPECT_NE(simulate(Difficulty::Hard, 2, 60000).hash, a.hash);
}

TEST(Signature, IsPinned) {
    const SimulationResult r = simulate(Difficulty::Standard, 1, 100000);
    EXPECT_EQ(r.hash, 0x6d3a3cfc62d203eeULL) << std::hex << r.hash;
}

}  // namespace
}  // namespace pet
