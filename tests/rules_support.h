// A fixture for the rules of the tick: a healthy pet whose levels do not wear
// off and whose growth is done, so that a tick draws only what a test names.
#pragma once

#include "actions_support.h"

namespace pet::test {

class RulesTest : public ActionTest {
protected:
    void SetUp() override {
        ActionTest::SetUp();
        g.s.GrowthNotice = 10;
        g.s.pillClock = g.s.drugClock = g.s.cafeClock = g.s.beerClock = g.s.robbClock = 30;
        g.w.lDamage.caption = "0";
    }
    // Starts a process that lasts well past the tick under test.
    void running(i32 kind, i32 variant = 0) {
        g.s.procKind = kind;
        g.s.procVariant = variant;
        g.s.procEnd = 100000;
        g.w.GlobalTimer.interval = g.s.busyInterval;
    }
    // The tick that brings the clock to t, with exactly these draws.
    void tickAt(i32 t, std::initializer_list<i32> draws) {
        rng.set(draws);
        tickTo(t);
        expectDrawsUsed();
    }
};

}  // namespace pet::test
