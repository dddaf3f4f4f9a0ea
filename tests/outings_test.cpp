#include "actions_support.h"

namespace pet::test {
namespace {

using Outings = ActionTest;

TEST_F(Outings, TheComputerClub) {
    struct Case {
        const char* what;
        i32 Fit, beer, money;
        std::initializer_list<i32> draws;
        i32 kind, moneyAfter, FitAfter;
        const char* caption;  // of the box
    };
    const Case cases[] = {
        {"no money", 50, 0, 11, {}, pkIdle, 11, 50, ""},
        {"the last 12 dollars", 50, 0, 12, {1, 5, 2, 1, 0}, pkFun, 0, 49, nullptr},
        {"too strong to be beaten", 80, 0, 12, {5, 2, 1, 0}, pkFun, 0, 79, nullptr},
        {"beaten, 20 dollars", 50, 0, 20, {0, 100, 10}, pkIdle, -125, 17, "Подонки блин ;("},
        {"beaten every time", 0, 27, 100, {50, 10, 0}, pkIdle, 75, -10, "Подонки блин ;("},
        // 30 × 0.7 is a hair under 21 in extended precision (21 in double).
        {"beaten down to 30, then 20", 45, 0, 20, {0, 100, 0}, pkIdle, -125, 20, "Подонки блин ;("},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        g.s.Fit = c.Fit;
        g.s.beer = c.beer;
        g.s.money = c.money;
        rng.set(c.draws);
        g.btPlayGameOnPCClick();
        expectDrawsUsed();
        EXPECT_EQ(g.s.procKind, c.kind);
        EXPECT_EQ(g.s.money, c.moneyAfter);
        EXPECT_EQ(g.s.Fit, c.FitAfter);
        if (c.caption != nullptr) {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].caption, c.caption);
        }
    }
}

TEST_F(Outings, ABeatingAtTheClub) {
    g.s.Fit = 30;
    g.s.money = 100;  // k = 3: the take is 15 + random(51)
    rng.set({0, 10, 0});
    g.btPlayGameOnPCClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Пухтяшу надавали звиздюлей в клубе.\nПоиграли им в баскетболл\nи отобрали деньги (25$).");
    EXPECT_EQ(g.s.thoughtText, "Долбаные уроды!!!");
    EXPECT_EQ(g.s.money, 75);
    EXPECT_EQ(g.s.Fit, 10);  // (30 - 15) x 0.7, toward zero
    EXPECT_EQ(g.s.Fat, 25);
    EXPECT_EQ(g.s.Mod, 7);  // 50 - (12.5 + 30), toward zero
    EXPECT_EQ(g.s.Wis, 58);
    EXPECT_EQ(g.s.Doc, 60);
}

TEST_F(Outings, TheClubsNextGame) {
    struct Case { std::initializer_list<i32> last; const char* caption; };
    const Case cases[] = {{{0}, "Погамить в Quake3"}, {{1, 0}, "Погамить в Fallout2"}, {{1, 1}, "Погамить в Diablo2"}};
    for (const Case& c : cases) {
        SetUp();
        g.s.Fit = 90;
        rng.set({0, 0, 1});
        for (i32 d : c.last) rng.push(d);
        g.btPlayGameOnPCClick();
        expectDrawsUsed();
        EXPECT_EQ(g.w.btPlayGameOnPC.caption, c.caption);
        EXPECT_EQ(g.w.menu.N16.caption, "Погамить");
    }
}

TEST_F(Outings, TheBrothel) {
    struct Case {
        const char* what;
        i32 money, Fat, beer, Fit;
        Answer condoms;
        std::initializer_list<i32> draws;
        i32 kind, moneyAfter, Mod, FitAfter;
        std::size_t boxes;
    };
    const Case cases[] = {
        {"no money", 99, 50, 0, 50, Answer::Yes, {}, pkIdle, 99, 50, 50, 0},
        {"protected, exactly 100", 100, 50, 0, 50, Answer::Yes, {0, 0, 5}, pkFun, -30, 60, 50, 1},
        {"no pleasure", 200, 34, 0, 50, Answer::No, {}, pkIdle, 100, 10, 50, 2},
        {"unprotected, lucky", 200, 50, 0, 50, Answer::No, {0, 0, 5, 1}, pkFun, 100, 60, 50, 1},
        {"unprotected, caught something", 200, 50, 0, 50, Answer::No, {0, 0, 5, 0}, pkFun, 100, 20, 7, 2},
        // 20 × 0.15 is a hair under 3 in extended precision (3 in double).
        {"caught something at Fit 20", 200, 50, 0, 20, Answer::No, {0, 0, 5, 0}, pkFun, 100, 20, 2, 2},
        {"too drunk to remember", 200, 50, 4, 50, Answer::Yes, {0, 0, 0, 5, 0}, pkFun, 70, 20, 7, 3},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        g.s.money = c.money;
        g.s.Fat = c.Fat;
        g.s.beer = c.beer;
        g.s.Fit = c.Fit;
        dialogs.answers = {c.condoms};
        rng.set(c.draws);
        g.btPenthouseClick();
        expectDrawsUsed();
        EXPECT_EQ(g.s.procKind, c.kind);
        EXPECT_EQ(g.s.money, c.moneyAfter);
        EXPECT_EQ(g.s.Mod, c.Mod);
        EXPECT_EQ(g.s.Fit, c.FitAfter);
        EXPECT_EQ(dialogs.shown.size(), c.boxes + (c.money < 100 ? 1 : 0));
        if (c.kind == pkFun) {
            EXPECT_EQ(g.s.procVariant, pvBrothel);
            EXPECT_EQ(g.s.procEnd, 40);
        }
    }
}

TEST_F(Outings, TheDiscoHoldsTheClockAndReleasesItOnEveryWayOut) {
    struct Case {
        const char* what;
        i32 money, beer, Fit, Doc;
        Answer crackers;
        std::initializer_list<i32> draws;
        i32 kind, moneyAfter, beerAfter, FitAfter;
        const char* lastCaption;
    };
    const Case cases[] = {
        {"no money", 83, 3, 50, 50, Answer::No, {}, pkIdle, 83, 3, 50, "Обломчик"},
        {"a fever", 100, 3, 9, 50, Answer::No, {}, pkIdle, 16, 5, 9, "Хреново сходил"},
        {"came drunk", 100, 8, 50, 50, Answer::No, {}, pkIdle, 40, 8, 50, "Хреново сходил"},
        {"dances, with crackers and a report", 200, 3, 80, 50, Answer::Yes, {0, 0, 4, 2, 0}, pkFun, 104, 5, 80,
         "Рапорт"},
        {"dances, no report at Doc 30", 100, 6, 80, 34, Answer::No, {0, 0, 0, 2, 0}, pkFun, 40, 6, 80,
         "А как-же закусон"},
        // A cold at Fit 30: 30 × 0.7 is a hair under 21 in extended precision, so 20 - 7.
        {"dances and catches a cold", 100, 3, 30, 50, Answer::No, {0, 0, 4, 2, 0, 4}, pkFun, 16, 5, 13, "Б.Л.И.Н."},
    };
    for (bool paused : {false, true}) {
        for (const Case& c : cases) {
            SetUp();
            SCOPED_TRACE(c.what);
            if (paused) g.Pause1Click();
            g.s.money = c.money;
            g.s.beer = c.beer;
            g.s.Fit = c.Fit;
            g.s.Doc = c.Doc;
            dialogs.answers = {c.crackers};
            bool held = true;
            dialogs.whileOpen = [&](std::size_t) { held = held && !g.w.GlobalTimer.enabled; };
            rng.set(c.draws);
            g.btDiscoClick();
            dialogs.whileOpen = nullptr;
            expectDrawsUsed();
            EXPECT_TRUE(held);
            EXPECT_EQ(g.w.GlobalTimer.enabled, !paused);
            EXPECT_EQ(g.s.procKind, c.kind);
            EXPECT_EQ(g.s.money, c.moneyAfter);
            EXPECT_EQ(g.s.beer, c.beerAfter);
            EXPECT_EQ(g.s.Fit, c.FitAfter);
            ASSERT_FALSE(dialogs.shown.empty());
            EXPECT_EQ(dialogs.shown.back().caption, c.lastCaption);
        }
    }
}

TEST_F(Outings, TheDiscoReportsWhatWasSpent) {
    g.s.money = 200;
    g.s.beer = 3;
    g.s.Fit = 80;
    dialogs.answers = {Answer::Yes};
    rng.set({0, 0, 4, 2, 0});
    g.btDiscoClick();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, "Пухтяш потратил на всё : 96$");
    EXPECT_EQ(g.s.thoughtText, "Нас не догооонят Нас неее догоняяят :8)");
    EXPECT_EQ(g.s.thoughtHold, 12);
    EXPECT_EQ(g.s.procVariant, pvDisco);
    EXPECT_EQ(g.s.procEnd, 10 + 80);
}

}  // namespace
}  // namespace pet::test
