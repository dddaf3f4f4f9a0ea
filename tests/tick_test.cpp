#include "support.h"

namespace pet::test {
namespace {

class Tick : public GameTest {
protected:
    void SetUp() override { g.NewGameClick(); }
};

TEST_F(Tick, ShowsTheClockAndItsHint) {
    struct Case { i32 timer; const char* caption; const char* hint; };
    const Case cases[] = {
        {1, "1 День, 0:03", "Время : 1 День, 0:03 (1)"},
        {200, "1 День, 10:00", "Время : 1 День, 10:00 (200)"},
        {481, "2 День, 0:03", "Время : 2 День, 0:03 (481)"},
        {840, "2 День, 18:00", "Время : 2 День, 18:00 (840)"},
        {23, "1 День, 1:09", "Время : 1 День, 1:09 (23)"},
    };
    for (const Case& c : cases) {
        tickTo(c.timer);
        EXPECT_EQ(g.s.timer, c.timer);
        EXPECT_EQ(g.w.TimeLabel.caption, c.caption);
        EXPECT_EQ(g.w.TimeLabel.hint, c.hint);
    }
}

TEST_F(Tick, ChargesTheDailyExpenseAtSixInTheEvening) {
    struct Case { i32 timer, money, after; };
    const Case cases[] = {
        {360, 500, 400}, {840, 50, -50}, {1320, 100, 0}, {359, 500, 500}, {361, 500, 500},
        {360, INT32_MIN, INT32_MAX - 99},  // money wraps like a 32-bit register
    };
    for (const Case& c : cases) {
        g.s.money = c.money;
        tickTo(c.timer);
        EXPECT_EQ(g.s.money, c.after) << c.timer;
    }
}

TEST_F(Tick, ReseedsThreeTimesAndDrawsNothingOnAQuietTick) {
    tickTo(1);
    EXPECT_EQ(rng.trace(), "RRR");
}

// The reseeds fall at the tick's start, before the process effects and before
// the end tests: hunger draws after the first, the punishment after the
// second, and the dying pet's epitaph after the third.
TEST_F(Tick, ReseedsBeforeTheDriftTheProcessAndTheEndTests) {
    g.s.GrowthNotice = 10;
    g.s.pillClock = g.s.drugClock = g.s.cafeClock = g.s.beerClock = g.s.robbClock = 30;
    g.s.procKind = pkPunish;
    g.s.procEnd = 100;
    g.s.Fit = -6;
    rng.set({10, 0, 0, 0});
    tickTo(4);
    EXPECT_EQ(rng.trace(), "R.R..R.");
    EXPECT_FALSE(g.w.GlobalTimer.enabled);
}

TEST_F(Tick, DriftsTheStatsAtTheirPeriods) {
    struct Case {
        const char* what;
        i32 timer, kind, drug;
        i32 before[7];  // Fit, Fed, Mod, Int, Wis, Doc, Fat
        std::initializer_list<i32> draws;
        i32 after[7];
    };
    const Case cases[] = {
        {"hunger", 4, pkIdle, 0, {50, 50, 100, 50, 50, 50, 50}, {10}, {50, 48, 100, 50, 50, 50, 50}},
        {"hunger on drugs", 4, pkIdle, 1, {50, 50, 100, 50, 50, 50, 50}, {1}, {50, 49, 100, 50, 50, 50, 50}},
        {"overeating", 4, pkIdle, 0, {50, 117, 100, 50, 50, 50, 50}, {0, 2}, {49, 116, 100, 50, 50, 50, 50}},
        {"starving, sulks", 4, pkIdle, 0, {50, 1, 100, 50, 50, 50, 50}, {0, 1}, {50, 0, 99, 50, 50, 50, 50}},
        {"starving, shrugs", 4, pkIdle, 0, {50, 1, 100, 50, 50, 50, 50}, {0, 3}, {50, 0, 100, 50, 50, 50, 50}},
        {"no hunger while eating", 4, pkEating, 0, {50, 50, 100, 50, 50, 50, 50}, {}, {50, 50, 100, 50, 50, 50, 50}},
        {"mood", 3, pkIdle, 0, {50, 50, 100, 50, 50, 50, 50}, {}, {50, 50, 99, 50, 50, 50, 50}},
        {"no mood loss at fun", 3, pkFun, 0, {50, 50, 100, 50, 50, 50, 50}, {}, {50, 50, 100, 50, 50, 50, 50}},
        {"strong health", 18, pkIdle, 0, {80, 50, 100, 50, 50, 50, 50}, {10, 4}, {79, 50, 99, 50, 50, 50, 50}},
        {"weak health", 18, pkIdle, 0, {20, 50, 100, 50, 50, 50, 50}, {4, 2}, {17, 50, 99, 50, 50, 50, 50}},
        {"health 75 keeps its strength", 18, pkIdle, 0, {75, 50, 100, 50, 50, 50, 50}, {0, 4}, {76, 50, 99, 50, 50, 50, 50}},
        {"health lost below 75 first", 18, pkIdle, 0, {76, 50, 100, 50, 50, 50, 50}, {10}, {74, 50, 99, 50, 50, 50, 50}},
        {"middling health", 18, pkIdle, 0, {50, 50, 100, 50, 50, 50, 50}, {9}, {49, 50, 99, 50, 50, 50, 50}},
        {"no health loss at the gym", 18, pkGym, 0, {50, 50, 100, 50, 50, 50, 50}, {}, {50, 50, 99, 50, 50, 50, 50}},
        {"knowledge at Int 0", 25, pkIdle, 0, {50, 50, 100, 0, 50, 50, 50}, {}, {50, 50, 100, 0, 46, 50, 50}},
        {"knowledge at Int 100", 25, pkIdle, 0, {50, 50, 100, 100, 50, 50, 50}, {}, {50, 50, 100, 100, 49, 50, 50}},
        {"no forgetting at school", 25, pkLearning, 0, {50, 50, 100, 0, 50, 50, 50}, {}, {50, 50, 100, 0, 50, 50, 50}},
        {"vigor", 10, pkIdle, 0, {50, 50, 100, 50, 50, 50, 90}, {10}, {50, 50, 100, 50, 50, 50, 88}},
        {"no vigor loss asleep", 10, pkSleep, 0, {50, 50, 100, 50, 50, 50, 90}, {}, {50, 50, 100, 50, 50, 50, 90}},
        {"obedience at Int 0", 30, pkIdle, 0, {50, 50, 100, 0, 50, 10, 90}, {9, 3}, {50, 50, 99, 0, 50, 7, 90}},
        {"obedience at Int 100, no draw", 30, pkIdle, 0, {50, 50, 100, 100, 50, 10, 90}, {7}, {50, 50, 99, 100, 50, 11, 89}},
        {"no obedience drift when punished", 30, pkPunish, 0, {50, 50, 100, 0, 50, 10, 90}, {7}, {50, 50, 99, 0, 50, 10, 89}},
        {"everything at 120", 120, pkIdle, 0, {50, 100, 100, 50, 50, 10, 90}, {0, 1, 2, 4},
         {50, 99, 99, 48, 50, 9, 89}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g.NewGameClick();
        g.s.procKind = c.kind;
        g.s.drug = c.drug;
        g.s.drugClock = 60;  // not wearing off at this tick
        i32* stats[] = {&g.s.Fit, &g.s.Fed, &g.s.Mod, &g.s.Int, &g.s.Wis, &g.s.Doc, &g.s.Fat};
        for (int i = 0; i < 7; ++i) *stats[i] = c.before[i];
        rng.set(c.draws);
        tickTo(c.timer);
        for (int i = 0; i < 7; ++i) EXPECT_EQ(*stats[i], c.after[i]) << "stat " << i;
        EXPECT_EQ(rng.left(), 0u);
        EXPECT_EQ(rng.overrun(), 0u);
    }
}

TEST_F(Tick, NamesTheSchoolByKnowledgeAndIntellect) {
    struct Case { i32 Wis, Int; const char* caption; };
    const Case cases[] = {
        {9, 50, "Отправить в ясли"},          {120, 14, "Отправить в ясли"},
        {10, 15, "Отправить в школу"},        {65, 66, "Отправить в школу"},
        {66, 65, "Отправить в школу"},        {66, 66, "Отправить в университет"},
    };
    for (const Case& c : cases) {
        g.s.Wis = c.Wis;
        g.s.Int = c.Int;
        tickTo(1);
        EXPECT_EQ(g.w.School.caption, c.caption) << c.Wis << " " << c.Int;
    }
}

TEST_F(Tick, ShowsTheRobberyChanceClampedToZeroAndNinetyEight) {
    struct Case { i32 Fit, Wis, Int, Fat, Fed, Mod, robb, chance; const char* caption; };
    const Case cases[] = {
        {60, 60, 50, 70, 80, 50, 0, 88, "Грабануть магазин  (вероятность 88%)"},
        {60, 60, 50, 70, 80, 50, 1, 82, "Грабануть магазин  (вероятность 82%)"},
        {60, 60, 50, 70, 80, 50, 2, 77, "Грабануть магазин  (вероятность 77%)"},
        {100, 120, 100, 100, 120, 120, 0, 129, "Грабануть магазин  (вероятность 98%)"},
        {60, 60, 50, 70, 80, 50, 30, -77, "Грабануть магазин  (вероятность 0%)"},
        // each quotient truncates by itself: (-5 - 60) / 10 is -6, (0 - 60) / 15 is -4 ...
        {-5, 0, 0, 0, 0, 0, 0, 38, "Грабануть магазин  (вероятность 38%)"},
    };
    for (const Case& c : cases) {
        g.s.Fit = c.Fit;
        g.s.Wis = c.Wis;
        g.s.Int = c.Int;
        g.s.Fat = c.Fat;
        g.s.Fed = c.Fed;
        g.s.Mod = c.Mod;
        g.s.robb = c.robb;
        g.s.robbClock = 480;  // not forgotten at this tick
        tickTo(1);
        EXPECT_EQ(g.RobberyChance(), c.chance);
        EXPECT_EQ(g.w.WorkRobber.caption, c.caption);
    }
}

TEST_F(Tick, WritesNumbersBarsAndTheProcessName) {
    g.s.Fit = -3;
    g.s.Fed = 118;
    g.s.beer = 4;
    g.s.pill = 2;
    g.s.drug = 1;
    g.s.cafe = 7;
    g.s.money = -250;
    g.s.book = 12;
    g.s.beerClock = g.s.pillClock = g.s.drugClock = g.s.cafeClock = 9;  // nothing wears off yet
    g.w.LabelAlco.fontColor = clRed;
    g.w.AnimateTimer.enabled = false;
    tickTo(1);
    EXPECT_EQ(g.w.B1.position, -3);
    EXPECT_EQ(g.w.Label7.caption, "-3");
    EXPECT_EQ(g.w.B2.position, 118);
    EXPECT_EQ(g.w.Label8.caption, "118");
    EXPECT_EQ(g.w.Label13.caption, "90");
    EXPECT_EQ(g.w.AlcoLabel.caption, "4");
    EXPECT_EQ(g.w.PharmLabel.caption, "2");
    EXPECT_EQ(g.w.DrugLabel.caption, "1");
    EXPECT_EQ(g.w.CafeLabel.caption, "7");
    EXPECT_EQ(g.w.Money.caption, "-250");
    EXPECT_EQ(g.w.TotalBookRead.caption, "12");
    EXPECT_EQ(g.w.CurrentProcType.caption, "Битьё баклуш");
    EXPECT_EQ(g.w.LabelAlco.fontColor, clWindowText);
    EXPECT_TRUE(g.w.AnimateTimer.enabled);
}

TEST_F(Tick, ClockWrapsAtTheEndOfTheThirtyTwoBitRange) {
    tickTo(INT32_MIN);  // the tick after 2147483647
    EXPECT_EQ(g.s.timer, INT32_MIN);
    EXPECT_EQ(g.w.TimeLabel.caption, "-4473923 День, -6:0-24");
}

}  // namespace
}  // namespace pet::test
