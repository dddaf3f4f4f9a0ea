// A fixture for the player's actions: a game under way with middling stats.
#pragma once

#include "support.h"

namespace pet::test {

class ActionTest : public GameTest {
protected:
    void SetUp() override {
        g.NewGameClick();
        setStats({50, 50, 50, 50, 50, 50, 50});
        g.s.money = 100;
        g.s.timer = 10;
        g.s.thoughtText.clear();
        g.s.thoughtHold = 0;
        dialogs.shown.clear();
        dialogs.answers.clear();
        rng.set({});
    }
    // Fit, Fed, Mod, Int, Wis, Doc, Fat.
    void setStats(std::array<i32, 7> v) {
        i32* f[] = {&g.s.Fit, &g.s.Fed, &g.s.Mod, &g.s.Int, &g.s.Wis, &g.s.Doc, &g.s.Fat};
        for (int i = 0; i < 7; ++i) *f[i] = v[static_cast<std::size_t>(i)];
    }
    std::array<i32, 7> stats() const { return {g.s.Fit, g.s.Fed, g.s.Mod, g.s.Int, g.s.Wis, g.s.Doc, g.s.Fat}; }
    // All draws given were used, and no more.
    void expectDrawsUsed() {
        EXPECT_EQ(rng.left(), 0u);
        EXPECT_EQ(rng.overrun(), 0u);
    }
};

}  // namespace pet::test
