#include "rules_support.h"

namespace pet::test {
namespace {

using CareEffects = RulesTest;

TEST_F(CareEffects, EachProcessActsAtItsTicks) {
    struct Case {
        const char* what;
        i32 kind, variant, timer;
        std::array<i32, 7> before;  // Fit, Fed, Mod, Int, Wis, Doc, Fat
        i32 beer, cafe, drug;
        std::initializer_list<i32> draws;
        std::array<i32, 7> after;
    };
    const Case cases[] = {
        {"gym", pkGym, 0, 5, {60, 50, 50, 50, 50, 50, 50}, 0, 0, 0, {2, 4, 1, 9, 1, 0}, {63, 49, 51, 51, 50, 50, 48}},
        {"gym, well fed", pkGym, 0, 1, {100, 90, 50, 50, 50, 50, 50}, 0, 0, 0, {15, 0, 0}, {100, 87, 50, 50, 50, 50, 49}},
        {"disco", pkFun, pvDisco, 1, {50, 50, 50, 50, 50, 50, 50}, 5, 0, 3, {}, {50, 50, 52, 50, 50, 50, 50}},
        {"disco at 42", pkFun, pvDisco, 42, {50, 50, 50, 50, 50, 50, 50}, 0, 0, 0, {}, {51, 49, 50, 50, 50, 51, 49}},
        {"computer club", pkFun, pvPcGame, 1, {50, 50, 50, 50, 50, 50, 50}, 0, 0, 0, {6}, {50, 50, 51, 50, 51, 50, 50}},
        {"computer club at 5", pkFun, pvPcGame, 5, {50, 50, 50, 50, 50, 50, 50}, 1, 2, 0, {1, 0}, {50, 49, 52, 50, 50, 51, 49}},
        {"brothel", pkFun, pvBrothel, 1, {66, 50, 50, 50, 50, 50, 50}, 0, 0, 0, {0, 7, 5}, {67, 50, 52, 50, 50, 50, 47}},
        {"taught at home", pkLearning, pvTeach, 10, {50, 50, 50, 50, 50, 50, 50}, 0, 0, 0, {0, 5, 3, 39, 15},
         {50, 50, 45, 51, 52, 53, 49}},
        {"reading", pkLearning, pvRead, 35, {50, 50, 50, 50, 50, 50, 50}, 0, 0, 0, {2, 3}, {50, 50, 52, 52, 50, 50, 50}},
        {"school", pkLearning, pvSchool, 7, {50, 50, 50, 50, 50, 50, 50}, 0, 0, 0, {3, 1}, {50, 50, 50, 50, 53, 49, 50}},
        {"punished", pkPunish, pvPunish, 5, {50, 50, 50, 50, 50, 50, 50}, 0, 0, 0, {9, 0, 4, 2}, {50, 50, 45, 49, 50, 54, 50}},
        {"asleep, a little drunk", pkSleep, 0, 7, {50, 50, 50, 50, 50, 50, 90}, 4, 0, 0, {3}, {50, 50, 54, 50, 50, 50, 97}},
        {"asleep on coffee", pkSleep, 0, 7, {50, 50, 50, 50, 50, 50, 90}, 0, 4, 0, {3}, {50, 50, 52, 50, 50, 50, 86}},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        running(c.kind, c.variant);
        setStats(c.before);
        g.s.beer = c.beer;
        g.s.cafe = c.cafe;
        g.s.drug = c.drug;
        tickAt(c.timer, c.draws);
        EXPECT_EQ(stats(), c.after);
    }
}

TEST_F(CareEffects, EatingFollowsTheMeal) {
    struct Case { i32 timer, Fed, fedRate, modRate, docPeriod; std::initializer_list<i32> draws; i32 FedAfter, Mod, Doc, Fit; };
    const Case cases[] = {
        {1, 99, 3, 5, 0, {}, 103, 50, 50, 50},
        {1, 100, 3, 5, 0, {7}, 103, 50, 50, 50},
        {3, 50, 3, 5, 0, {}, 54, 55, 50, 50},   // every third tick the mood
        {20, 50, 3, 0, 0, {}, 54, 50, 50, 49},  // every twentieth a point of health
        {5, 50, 3, 0, -5, {}, 54, 50, 49, 50},
        {5, 50, 3, 0, 5, {}, 54, 50, 51, 50},
        {6, 50, 3, 0, -5, {}, 54, 50, 50, 50},
    };
    for (const Case& c : cases) {
        SetUp();
        running(pkEating);
        g.s.Fed = c.Fed;
        g.s.mealFedRate = c.fedRate;
        g.s.mealModRate = c.modRate;
        g.s.mealDocPeriod = c.docPeriod;
        tickAt(c.timer, c.draws);
        EXPECT_EQ(g.s.Fed, c.FedAfter) << c.timer << " " << c.Fed;
        EXPECT_EQ(g.s.Mod, c.Mod) << c.timer;
        EXPECT_EQ(g.s.Doc, c.Doc) << c.timer;
        EXPECT_EQ(g.s.Fit, c.Fit) << c.timer;
    }
}

TEST_F(CareEffects, SleepEndsAtExactlyFullVigor) {
    struct Case { i32 Fat; bool wakes; };
    for (const Case c : {Case{93, true}, Case{95, false}}) {
        SetUp();
        running(pkSleep);
        g.s.Fat = c.Fat;
        g.s.beer = 4;  // adds 6 every seventh tick
        tickAt(7, {0});
        EXPECT_EQ(g.s.procKind, c.wakes ? pkIdle : pkSleep) << c.Fat;
        EXPECT_EQ(g.s.Fat, 100);
        EXPECT_EQ(g.w.GlobalTimer.interval, 40);  // busy until the planned end
        EXPECT_EQ(g.w.CurrentProcType.caption, c.wakes ? "Битьё баклуш" : "Крепкий сон");
    }
}

TEST_F(CareEffects, AnUnknownLessonSaysSoAtEveryTick) {
    running(pkLearning, 0);
    tickAt(1, {});
    tickAt(2, {});
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "pWis:default _DEBUG_");
}

}  // namespace
}  // namespace pet::test
