#include "support.h"

namespace pet::test {
namespace {

class Speed : public GameTest {
protected:
    void SetUp() override { g.NewGameClick(); }
};

TEST_F(Speed, AProcessOfNTicksRunsBusyAndEndsAtTPlusN) {
    tickTo(10);
    rng.set({});
    g.startProcess(pkSweep, 5);
    EXPECT_EQ(g.s.procEnd, 15);
    EXPECT_EQ(g.w.GlobalTimer.interval, 40);
    for (i32 t = 11; t <= 14; ++t) {
        g.GlobalTimerTimer();
        EXPECT_EQ(g.s.procKind, pkSweep) << t;
        EXPECT_EQ(g.w.CurrentProcType.caption, "Дворник");
        EXPECT_EQ(g.w.GlobalTimer.interval, 40);
    }
    g.s.mealFedRate = 4;
    g.s.mealModRate = 2;
    g.s.mealDocPeriod = 3;
    g.s.procVariant = pvTeach;
    g.GlobalTimerTimer();  // tick 15
    EXPECT_EQ(g.s.procKind, pkIdle);
    EXPECT_EQ(g.s.procVariant, 0);
    EXPECT_EQ(g.s.mealFedRate, 0);
    EXPECT_EQ(g.s.mealModRate, 0);
    EXPECT_EQ(g.s.mealDocPeriod, 3);
    EXPECT_EQ(g.w.GlobalTimer.interval, 1000);
    EXPECT_EQ(g.w.CurrentProcType.caption, "Битьё баклуш");
}

TEST_F(Speed, AProcessLastsAtLeastOneTick) {
    tickTo(10);
    g.startProcess(pkSleep, -3);
    EXPECT_EQ(g.s.procEnd, 11);
    g.GlobalTimerTimer();
    EXPECT_EQ(g.s.procKind, pkIdle);
    EXPECT_EQ(g.w.GlobalTimer.interval, 1000);
}

TEST_F(Speed, EscEndsAProcessOrAccelerationAtTheNextTick) {
    for (bool busy : {true, false}) {
        tickTo(100);
        if (busy) g.startProcess(pkBeg, 50);
        g.AccelerateTime1Click();
        g.StopProc1Click();
        EXPECT_EQ(g.s.procKind, pkIdle);
        EXPECT_EQ(g.s.procEnd, 101);
        EXPECT_EQ(g.w.GlobalTimer.interval, 1);
        g.GlobalTimerTimer();
        EXPECT_EQ(g.s.procKind, pkIdle);
        EXPECT_EQ(g.w.GlobalTimer.interval, 1000);
        EXPECT_TRUE(g.w.menu.AccelerateTime1.checked);  // the mark stays
        g.AccelerateTime1Click();
        EXPECT_EQ(g.w.GlobalTimer.interval, 1);
        g.AccelerateTime1Click();
    }
}

TEST_F(Speed, AccelerateTogglesOneMillisecondAndItsCheckMark) {
    g.startProcess(pkGym, 30);
    g.AccelerateTime1Click();
    EXPECT_EQ(g.w.GlobalTimer.interval, 1);
    EXPECT_TRUE(g.w.menu.AccelerateTime1.checked);
    g.AccelerateTime1Click();  // back to the normal speed, not the busy one
    EXPECT_EQ(g.w.GlobalTimer.interval, 1000);
    EXPECT_FALSE(g.w.menu.AccelerateTime1.checked);
    g.AccelerateTime1Click();
    g.startProcess(pkGym, 30);  // a process sets busy but leaves the mark
    EXPECT_EQ(g.w.GlobalTimer.interval, 40);
    EXPECT_TRUE(g.w.menu.AccelerateTime1.checked);
    g.AccelerateTime1Click();
    EXPECT_EQ(g.w.GlobalTimer.interval, 1);
}

TEST_F(Speed, SpeedItemSetsTheNormalIntervalAtOnceAndMovesTheMark) {
    g.startProcess(pkLoader, 100);
    g.N1000ms1Click(g.w.menu.N50ms1);
    EXPECT_EQ(g.s.tickInterval, 50);
    EXPECT_EQ(g.w.GlobalTimer.interval, 50);
    int marks = 0;
    for (MenuItem* item : g.w.menu.speedItems()) marks += item->checked;
    EXPECT_EQ(marks, 1);
    EXPECT_TRUE(g.w.menu.N50ms1.checked);
    g.GlobalTimerTimer();
    EXPECT_EQ(g.w.GlobalTimer.interval, 50);  // the rest of the process at 50 ms
    const i32 tags[] = {2000, 1000, 750, 500, 250, 100, 50};
    int i = 0;
    for (MenuItem* item : g.w.menu.speedItems()) EXPECT_EQ(item->tag, tags[i++]);
}

TEST_F(Speed, PauseStopsOnlyTheGameClock) {
    g.w.TimeLabel.visible = false;
    g.Pause1Click();
    EXPECT_FALSE(g.w.GlobalTimer.enabled);
    EXPECT_TRUE(g.w.AnimateTimer.enabled);
    EXPECT_TRUE(g.w.menu.Pause1.checked);
    EXPECT_TRUE(g.w.TimeLabel.visible);
    g.TimeLabelMouseDown(MouseButton::Middle);
    EXPECT_FALSE(g.w.GlobalTimer.enabled);
    g.TimeLabelMouseDown(MouseButton::Left);
    EXPECT_TRUE(g.w.GlobalTimer.enabled);
    EXPECT_FALSE(g.w.menu.Pause1.checked);
    g.TimeLabelMouseDown(MouseButton::Right);
    EXPECT_EQ(g.w.GlobalTimer.interval, 1);
}

TEST_F(Speed, HoldClockPutsBackWhatItFound) {
    for (bool running : {true, false}) {
        g.w.GlobalTimer.enabled = running;
        g.w.TimeLabel.visible = false;
        g.HoldClock(true);
        EXPECT_FALSE(g.w.GlobalTimer.enabled);
        g.HoldClock(true);  // a nested hold
        g.HoldClock(false);
        EXPECT_FALSE(g.w.GlobalTimer.enabled);
        g.HoldClock(false);
        EXPECT_EQ(g.w.GlobalTimer.enabled, running);
        EXPECT_TRUE(g.w.TimeLabel.visible);
        EXPECT_FALSE(g.w.menu.Pause1.checked);
    }
}

TEST_F(Speed, GuardianAngelSlowsACriticalPetForOneRedTick) {
    struct Case {
        const char* what;
        i32 kind;
        bool angel;
        bool slowed;
    };
    const Case cases[] = {
        {"at work", pkBeg, true, true},
        {"eating", pkEating, true, false},
        {"having fun", pkFun, true, false},
        {"asleep", pkSleep, true, false},
        {"angel off", pkBeg, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g.NewGameClick();
        g.s.guardianAngel = c.angel;
        g.startProcess(c.kind, 200);
        g.s.Fed = -21;
        rng.set({});
        g.GlobalTimerTimer();
        EXPECT_EQ(g.w.GlobalTimer.interval, c.slowed ? 1000 : 40);
        EXPECT_EQ(g.w.TimeLabel.fontColor, c.slowed ? clRed : clBlue);
        g.GlobalTimerTimer();
        EXPECT_EQ(g.w.TimeLabel.fontColor, clBlue);
        EXPECT_EQ(g.s.procKind, c.kind);
    }
}

TEST_F(Speed, CriticalBoundsLieAboveDeath) {
    struct Case { i32 PetState::*stat; i32 calm, critical; };
    const Case cases[] = {
        {&PetState::Doc, -4, -5}, {&PetState::Mod, -40, -41}, {&PetState::Fit, 3, 2},
        {&PetState::Fed, -20, -21}, {&PetState::Fat, -15, -16},
    };
    for (const Case& c : cases) {
        g.NewGameClick();
        g.s.*c.stat = c.calm;
        EXPECT_FALSE(g.isCritical()) << c.calm;
        g.s.*c.stat = c.critical;
        EXPECT_TRUE(g.isCritical()) << c.critical;
    }
}

TEST_F(Speed, GuardianAngelOptionTogglesAndPaintsTheClockBlue) {
    g.w.TimeLabel.fontColor = clRed;
    g.GuardianAngelClick();
    EXPECT_FALSE(g.s.guardianAngel);
    EXPECT_FALSE(g.w.menu.GuardianAngel.checked);
    EXPECT_EQ(g.w.TimeLabel.fontColor, clBlue);
    g.GuardianAngelClick();
    EXPECT_TRUE(g.s.guardianAngel);
    EXPECT_TRUE(g.w.menu.GuardianAngel.checked);
}

}  // namespace
}  // namespace pet::test
