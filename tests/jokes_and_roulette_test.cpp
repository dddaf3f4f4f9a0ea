#include "actions_support.h"

#include "game/text_tables.h"

namespace pet::test {
namespace {

using Jokes = ActionTest;

TEST_F(Jokes, AJokeMakesThePetSulkOrLaughWhileTheClockIsHeld) {
    struct Case { i32 index, beer, drug; std::initializer_list<i32> draws; i32 Mod, Doc, Fit, Wis; const char* reaction; };
    const Case cases[] = {
        {5, 0, 0, {5, 0}, 40, 48, 50, 50, ":("},
        {5, 0, 4, {5, 2}, 40, 44, 54, 50, ":("},
        {6, 0, 0, {6, 3}, 60, 50, 50, 51, ":)"},
        {6, 9, 0, {6, 3}, 87, 50, 50, 54, ":)"},
        {14, 0, 0, {14, 0}, 60, 50, 50, 50, ":)"},
    };
    for (const Case& c : cases) {
        SetUp();
        g.s.beer = c.beer;
        g.s.drug = c.drug;
        bool held = false;
        dialogs.whileOpen = [&](std::size_t) { held = !g.w.GlobalTimer.enabled; };
        rng.set(c.draws);
        g.btAnecdotClick();
        dialogs.whileOpen = nullptr;
        expectDrawsUsed();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, anecdotes[static_cast<std::size_t>(c.index)]);
        EXPECT_EQ(dialogs.shown[0].caption, std::string("Анекдот   ") + c.reaction);
        EXPECT_TRUE(held);
        EXPECT_TRUE(g.w.GlobalTimer.enabled);
        EXPECT_EQ(g.s.Mod, c.Mod) << c.index;
        EXPECT_EQ(g.s.Doc, c.Doc) << c.index;
        EXPECT_EQ(g.s.Fit, c.Fit) << c.index;
        EXPECT_EQ(g.s.Wis, c.Wis) << c.index;
        EXPECT_EQ(g.s.thoughtText, c.reaction);
        EXPECT_EQ(g.s.thoughtColor, c.index < 6 ? clMaroon : clGreen);
    }
}

using Roulette = ActionTest;

TEST_F(Roulette, ThePistolFirst) {
    g.s.money = 150;
    dialogs.answers = {Answer::Yes};
    g.btPlayRussianRouletteClick();
    EXPECT_TRUE(g.s.pistol);
    EXPECT_EQ(g.s.money, -50);
    EXPECT_EQ(g.s.Doc, 60);
    EXPECT_EQ(g.s.Mod, 40);
    EXPECT_EQ(rng.drawn(), 0u);
    EXPECT_EQ(rng.reseeds(), 1u);
    g.s.money = 5;  // no cartridge
    g.btPlayRussianRouletteClick();
    EXPECT_EQ(dialogs.shown.back().caption, "Нда-а-а");
    EXPECT_EQ(g.s.money, 5);
}

TEST_F(Roulette, AMissThrills) {
    g.s.pistol = true;
    g.s.Mod = 100;
    g.s.beer = 4;  // 620 chambers' worth, 100 of them loaded
    rng.set({0, 0, 100});
    g.btPlayRussianRouletteClick();
    expectDrawsUsed();
    EXPECT_EQ(g.s.thoughtText, "Фуу-у круто пронесло!!!");
    EXPECT_EQ(g.s.Mod, 180);
    EXPECT_EQ(g.s.Doc, 70);
    EXPECT_EQ(g.s.Wis, 52);
    EXPECT_EQ(g.s.Fat, 60);
    EXPECT_EQ(g.s.money, 94);
}

TEST_F(Roulette, AHitWounds) {
    struct Case { i32 Fit, kept; i32 FitAfter; bool dead; };
    // Keeping 29 % of ±100 is 29.0000000000000006 in extended precision
    // (28.999999999999996 in double).
    for (const Case c : {Case{100, 40, 40, false}, Case{20, 0, -8, true}, Case{100, 19, 19, false},
                         Case{-100, 19, -39, true}}) {
        SetUp();
        g.s.pistol = true;
        g.s.Fit = c.Fit;
        g.s.Fat = 49;  // 59 after the cartridge's kick
        g.w.RedHole.top = 33;
        g.w.RedHole.left = 316;
        rng.set({0, 0, 99, c.kept, 10, 3, 5, 8});
        g.btPlayRussianRouletteClick();
        expectDrawsUsed();
        EXPECT_EQ(g.s.thoughtText, "Ааa a а ууч !!! :(");
        EXPECT_EQ(g.s.Fit, c.FitAfter);
        EXPECT_EQ(g.s.Fed, 10);
        EXPECT_EQ(g.s.Int, 47);
        EXPECT_EQ(g.s.Wis, 31);  // 51 - (10 + 10)
        EXPECT_EQ(g.s.Mod, 0);
        EXPECT_EQ(g.s.Doc, 50);
        EXPECT_EQ(g.s.Fat, 5);
        EXPECT_EQ(g.w.RedHole.top, 37);
        EXPECT_EQ(g.w.RedHole.left, 320);
        EXPECT_TRUE(g.w.RedHole.visible);
        EXPECT_EQ(g.w.AnimateTimer.enabled, !c.dead);
        EXPECT_EQ(g.w.LEyeX.left, 310);
        EXPECT_EQ(g.w.LEyeX.top, 47);
        EXPECT_EQ(g.w.REyeX.left, 329);
        EXPECT_EQ(g.w.REyeX.top, 49);
        EXPECT_EQ(dialogs.shown.back().caption, "Еее-ее-е-есть");
    }
}

}  // namespace
}  // namespace pet::test
