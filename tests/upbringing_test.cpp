#include "actions_support.h"

namespace pet::test {
namespace {

using Upbringing = ActionTest;

TEST_F(Upbringing, PunishmentSparesOnlyAPetInTopHealth) {
    g.s.Fit = 81;
    g.PunishClick();
    EXPECT_EQ(g.s.thoughtText, "Я тебе щас в нос дам, ПОНЯЛ???");
    EXPECT_EQ(g.s.procKind, pkIdle);
    g.s.Fit = 80;
    rng.set({2, 3, 5});
    g.PunishClick();
    EXPECT_EQ(g.s.procKind, pkPunish);
    EXPECT_EQ(g.s.procVariant, pvPunish);
    EXPECT_EQ(g.s.procEnd, 20);
    EXPECT_EQ(g.s.Doc, 54);  // 2 x (3 - 1)
    EXPECT_EQ(g.s.Mod, 45);
    expectDrawsUsed();
}

TEST_F(Upbringing, TeachingGoesOnWhateverTheAnswer) {
    struct Case { i32 Int, Wis, Doc; Answer answer; std::initializer_list<i32> draws; bool box; i32 doc, mod; };
    const Case cases[] = {
        {81, 50, 50, Answer::Yes, {3, 7}, true, 53, 49},
        {81, 50, 50, Answer::No, {3, 7}, true, 53, 49},
        {50, 101, 50, Answer::No, {1, 7}, true, 51, 49},
        {17, 50, 50, Answer::Yes, {7}, false, 50, 49},     // no obedience draw below Int 18
        {90, 50, 97, Answer::Yes, {3, 5}, true, 100, 49},  // Doc 100 now: the mood loss is random(2)
        {50, 50, 50, Answer::Yes, {1, 11}, false, 51, 45},
    };
    for (const Case& c : cases) {
        SetUp();
        g.s.Int = c.Int;
        g.s.Wis = c.Wis;
        g.s.Doc = c.Doc;
        dialogs.shown.clear();
        dialogs.answers = {c.answer};
        rng.set(c.draws);
        g.TeachClick();
        EXPECT_EQ(dialogs.shown.size(), c.box ? 1u : 0u) << c.Int;
        EXPECT_EQ(g.s.procKind, pkLearning);
        EXPECT_EQ(g.s.procVariant, pvTeach);
        EXPECT_EQ(g.s.procEnd, 50);
        EXPECT_EQ(g.s.Doc, c.doc) << c.Int;
        EXPECT_EQ(g.s.Mod, c.mod) << c.Int;
        expectDrawsUsed();
    }
}

TEST_F(Upbringing, ReadingRefusesAndPays) {
    struct Case { i32 kind, Int, Doc, money; bool reads; i32 moneyAfter, books; bool box; const char* remark; };
    const Case cases[] = {
        {pkEating, 50, 50, 100, false, 100, 0, false, ""},
        {pkIdle, 9, 50, 100, false, 100, 0, true, ""},
        {pkIdle, 10, 29, 100, false, 100, 0, false, "Нихачу-у ... Пашёл нафиг! С Новым Годом!"},
        {pkIdle, 60, -5, 100, true, 73, 2, false, ""},
        {pkIdle, 10, 30, 100, true, 91, 0, false, ""},
        {pkIdle, 11, 30, 100, true, 90, 0, false, ""},  // the price is a hair above 9
        {pkIdle, 10, 30, 5, true, -3, 0, false, ""},    // no test of the balance
        {pkIdle, 20, 30, 100, true, 87, 0, false, ""},
        {pkIdle, 21, 30, 100, true, 87, 1, false, ""},
        {pkIdle, 51, 30, 100, true, 76, 2, false, ""},
        {pkIdle, 81, 30, 100, true, 65, 3, false, ""},
        {pkIdle, 100, 30, 100, true, 58, 3, false, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        g.s.procKind = c.kind;
        g.s.Int = c.Int;
        g.s.Doc = c.Doc;
        g.s.money = c.money;
        dialogs.shown.clear();
        g.ReadBookClick();
        EXPECT_EQ(g.s.money, c.moneyAfter) << c.Int << " " << c.money;
        EXPECT_EQ(g.s.book, c.books) << c.Int;
        EXPECT_EQ(g.s.procVariant == pvRead, c.reads) << c.Int;
        EXPECT_EQ(dialogs.shown.size(), c.box ? 1u : 0u);
        EXPECT_EQ(g.s.thoughtText, c.remark);
        if (c.reads) {
            EXPECT_EQ(g.s.procEnd, 60);
        }
    }
}

TEST_F(Upbringing, SchoolOrTruancy) {
    struct Case {
        const char* what;
        i32 Doc, Mod, Fit, Int, money;
        Answer answer;
        std::initializer_list<i32> draws;
        i32 kind, docAfter, modAfter, moneyAfter, beer;
    };
    const Case cases[] = {
        {"attends", 30, 50, 50, 50, 100, Answer::No, {10, 3, 4}, pkLearning, 28, 47, 95, 0},
        {"clever, attends", 30, 50, 50, 100, 0, Answer::No, {39, 0}, pkLearning, 31, 51, -5, 0},
        {"disobedient, attends", 29, 50, 50, 50, 100, Answer::No, {0, 10, 3, 4}, pkLearning, 27, 47, 95, 0},
        {"truant, let off", 29, 50, 50, 50, 100, Answer::No, {1}, pkIdle, 34, 70, 88, 1},
        {"truant, punished", 29, 50, 50, 50, 100, Answer::Yes, {2, 0, 0, 0}, pkPunish, 44, 60, 88, 1},
        {"truant in a bad mood", 29, -30, 50, 50, 100, Answer::Yes, {1, 0, 0, 0}, pkPunish, 44, -10, 88, 1},
        {"truant too strong to punish", 29, 50, 90, 50, 100, Answer::Yes, {1}, pkIdle, 44, 60, 88, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        g.s.Doc = c.Doc;
        g.s.Mod = c.Mod;
        g.s.Fit = c.Fit;
        g.s.Int = c.Int;
        g.s.money = c.money;
        dialogs.answers = {c.answer};
        rng.set(c.draws);
        g.SchoolClick();
        EXPECT_EQ(g.s.procKind, c.kind);
        EXPECT_EQ(g.s.Doc, c.docAfter);
        EXPECT_EQ(g.s.Mod, c.modAfter);
        EXPECT_EQ(g.s.money, c.moneyAfter);
        EXPECT_EQ(g.s.beer, c.beer);
        expectDrawsUsed();
    }
}

TEST_F(Upbringing, TruancyIsInForceWhileItsQuestionIsOpen) {
    g.s.Doc = 0;
    i32 beerSeen = -1;
    i32 clockSeen = -1;
    dialogs.whileOpen = [&](std::size_t) {
        beerSeen = g.s.beer;
        clockSeen = g.s.beerClock;
        g.GlobalTimerTimer();
    };
    rng.set({1});
    g.SchoolClick();
    EXPECT_EQ(g.s.timer, 11);
    EXPECT_EQ(beerSeen, 1);
    EXPECT_EQ(clockSeen, 50);
    EXPECT_EQ(g.s.beerClock, 49);  // the tick behind the box counted it down
}

}  // namespace
}  // namespace pet::test
