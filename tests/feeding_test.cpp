#include "actions_support.h"

namespace pet::test {
namespace {

using Feeding = ActionTest;

TEST_F(Feeding, EachMealPaysEatsAndSetsItsRates) {
    struct Case {
        int meal;  // 0 for RB1
        i32 Fit;
        std::initializer_list<i32> draws;
        std::array<i32, 7> after;  // Fit, Fed, Mod, Int, Wis, Doc, Fat
        i32 fedRate, modRate, docPeriod, duration, money;
    };
    const Case cases[] = {
        {0, 50, {4, 1}, {48, 51, 46, 50, 50, 50, 45}, 4, 9, -2, 7, 98},
        {1, 50, {}, {49, 51, 50, 50, 50, 50, 49}, 3, 9, -5, 10, 92},
        {2, 50, {9}, {50, 51, 49, 50, 50, 50, 50}, 4, 9, -3, 15, 88},
        {3, 50, {3, 1}, {47, 51, 53, 50, 50, 50, 50}, 0, 6, 1, 8, 90},
        {3, 80, {3}, {79, 51, 53, 50, 50, 50, 50}, 0, 6, 1, 8, 90},
        {3, 69, {3, 1}, {66, 51, 53, 50, 50, 50, 50}, 0, 6, 1, 8, 90},
        {3, 70, {3}, {69, 51, 53, 50, 50, 50, 50}, 0, 6, 1, 8, 90},
        {4, 50, {2}, {53, 51, 52, 53, 50, 50, 50}, 3, 9, -10, 16, 80},
        {5, 90, {0, 1}, {87, 50, 50, 48, 50, 50, 50}, 2, 4, 2, 20, 78},
        {6, 50, {4}, {50, 51, 54, 50, 52, 50, 50}, 2, 1, 5, 38, 70},
        {7, 50, {1}, {50, 52, 51, 50, 50, 50, 50}, 2, 5, 2, 45, 40},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.meal);
        g.s.Fit = c.Fit;
        g.s.mealModRate = 9;  // a meal that leaves it keeps the last one
        for (int i = 0; i < 8; ++i) g.w.meals()[static_cast<std::size_t>(i)]->checked = i == c.meal;
        rng.set(c.draws);
        g.FeedClick();
        EXPECT_EQ(stats(), c.after);
        EXPECT_EQ(g.s.mealFedRate, c.fedRate);
        EXPECT_EQ(g.s.mealModRate, c.modRate);
        EXPECT_EQ(g.s.mealDocPeriod, c.docPeriod);
        EXPECT_EQ(g.s.procKind, pkEating);
        EXPECT_EQ(g.s.procEnd, 10 + c.duration);
        EXPECT_EQ(g.w.GlobalTimer.interval, 40);
        EXPECT_EQ(g.s.money, c.money);
        expectDrawsUsed();
    }
}

TEST_F(Feeding, RefusesWhenFullOrPoor) {
    struct Case { i32 Fed, money; bool eats; const char* remark; bool box; };
    const Case cases[] = {
        {101, 100, false, "Не хочу я есть ... Я хочу пить :)", false},
        {100, 100, true, "", false},
        {50, 20, true, "", false},  // the price exactly: money ends at 0
        {50, 19, false, "", true},
    };
    for (const Case& c : cases) {
        SetUp();
        g.s.Fed = c.Fed;
        g.s.money = c.money;
        g.s.procKind = pkBeg;
        g.s.procEnd = 100;
        dialogs.shown.clear();
        rng.set({0});
        g.FeedClick();
        EXPECT_EQ(g.s.procKind, c.eats ? pkEating : pkBeg) << c.Fed << " " << c.money;
        EXPECT_EQ(g.s.money, c.eats ? c.money - 20 : c.money);
        EXPECT_EQ(g.s.thoughtText, c.remark);
        ASSERT_EQ(dialogs.shown.size(), c.box ? 1u : 0u);
        if (c.box) {
            EXPECT_EQ(dialogs.shown[0].text, "Нет бабок нормально похавать");
            EXPECT_EQ(dialogs.shown[0].caption, "Работай лучше");
        }
    }
}

TEST_F(Feeding, DearMealsLiftAVeryBadMoodFirst) {
    struct Case { int meal; std::initializer_list<i32> draws; i32 mood; };
    const Case cases[] = {{3, {2, 0}, -8}, {1, {}, -30}, {2, {5}, -15}};
    for (const Case& c : cases) {
        SetUp();
        g.s.Mod = -30;
        for (int i = 0; i < 8; ++i) g.w.meals()[static_cast<std::size_t>(i)]->checked = i == c.meal;
        rng.set(c.draws);
        g.FeedClick();
        EXPECT_EQ(g.s.Mod, c.mood) << c.meal;
    }
}

}  // namespace
}  // namespace pet::test
