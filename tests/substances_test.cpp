#include "rules_support.h"

namespace pet::test {
namespace {

using Substances = RulesTest;

TEST_F(Substances, LevelsWearOffByTheirClocks) {
    struct Case {
        i32 PetState::*level;
        i32 PetState::*clock;
        i32 value, clockValue, Int;
        std::initializer_list<i32> draws;
        i32 after, clockAfter;
    };
    const Case cases[] = {
        {&PetState::pill, &PetState::pillClock, 1, 0, 50, {0}, 0, 40},
        {&PetState::pill, &PetState::pillClock, 1, 0, 50, {5}, 0, 40},  // to -1, then set to 0
        {&PetState::pill, &PetState::pillClock, 3, 5, 50, {}, 3, 4},
        {&PetState::pill, &PetState::pillClock, 0, 7, 50, {}, 0, 7},  // an empty level's clock stands
        {&PetState::pill, &PetState::pillClock, -4, 7, 50, {}, 0, 7},
        {&PetState::drug, &PetState::drugClock, 2, 0, 50, {9}, 2, 60},
        {&PetState::drug, &PetState::drugClock, 2, 0, 50, {3}, 1, 60},
        {&PetState::cafe, &PetState::cafeClock, 9, 0, 50, {3}, 5, 40},
        {&PetState::beer, &PetState::beerClock, 6, 0, 50, {1}, 4, 50},
        {&PetState::robb, &PetState::robbClock, 1, 0, 80, {2}, 0, 480},
        {&PetState::robb, &PetState::robbClock, 5, 0, 80, {2}, 2, 480},
        {&PetState::cafe, &PetState::cafeClock, INT32_MAX, 0, 50, {0}, INT32_MAX - 1, 40},
    };
    for (const Case& c : cases) {
        SetUp();
        g.s.Int = c.Int;
        g.s.*c.level = c.value;
        g.s.*c.clock = c.clockValue;
        tickAt(1, c.draws);
        EXPECT_EQ(g.s.*c.level, c.after) << c.value << " " << c.clockValue;
        EXPECT_EQ(g.s.*c.clock, c.clockAfter) << c.value << " " << c.clockValue;
    }
}

// All five due in one tick draw in the order pill, drug, cafe, beer, robb.
TEST_F(Substances, LevelsDueTogetherDrawInTheirOrder) {
    g.s.Int = 80;
    g.s.pill = 5;
    g.s.drug = 5;
    g.s.cafe = 9;
    g.s.beer = 8;
    g.s.robb = 5;
    g.s.pillClock = g.s.drugClock = g.s.cafeClock = g.s.beerClock = g.s.robbClock = 0;
    tickAt(1, {5, 9, 2, 1, 0});
    EXPECT_EQ(g.s.pill, 3);  // 5 - (5 / 5 + 1)
    EXPECT_EQ(g.s.drug, 5);  // 5 - (1 - 9 / 9)
    EXPECT_EQ(g.s.cafe, 6);  // 9 - (2 % 4 + 1)
    EXPECT_EQ(g.s.beer, 6);  // 8 - (1 % 3 + 1)
    EXPECT_EQ(g.s.robb, 4);  // 5 - (0 % 3 + 1)
}

TEST_F(Substances, TheHardGameSobersUpAtOnce) {
    g.DifficultyHIGHClick();
    g.s.GrowthNotice = 10;
    tickAt(1, {1});
    EXPECT_EQ(g.s.beer, 4);
    EXPECT_EQ(g.s.beerClock, 50);
}

TEST_F(Substances, EveryTenthTickAlcoholAndDrugsAct) {
    struct Case {
        const char* what;
        i32 kind, Fit, Mod, beer, drug, cafe;
        std::initializer_list<i32> draws;  // the effects', then the vigor drift's
        std::array<i32, 7> after;          // Fit, Fed, Mod, Int, Wis, Doc, Fat
        i32 beerAfter, drugAfter;
        const char* remark;
    };
    const Case cases[] = {
        {"a lift", pkIdle, 50, 50, 4, 2, 0, {5, 3, 0}, {50, 49, 58, 50, 50, 50, 50}, 4, 2, ""},
        {"truncated toward zero", pkIdle, 50, -10, 1, 0, 0, {0}, {50, 50, -8, 50, 50, 50, 50}, 1, 0, ""},
        {"vomiting", pkIdle, 50, 40, 16, 0, 0, {1, 3, 2, 0}, {47, 27, 0, 47, 50, 50, 34}, 13, 0,
         "Ихтиа-а-андр ... Блээээээээ  :("},
        {"a high", pkIdle, 50, 50, 0, 11, 0, {5, 2, 4, 1, 3, 0}, {50, 50, 85, 48, 50, 50, 50}, 0, 10, "Меня колбасит! 8)"},
        {"no high this time", pkIdle, 50, 50, 0, 1, 0, {4, 0}, {50, 50, 51, 50, 50, 50, 50}, 0, 1, ""},
        {"caffeine in sleep", pkSleep, 50, 50, 0, 2, 3, {2, 1}, {50, 50, 52, 50, 50, 50, 54}, 0, 2, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        if (c.kind != pkIdle) running(c.kind);
        g.s.Fit = c.Fit;
        g.s.Mod = c.Mod;
        g.s.beer = c.beer;
        g.s.drug = c.drug;
        g.s.cafe = c.cafe;
        tickAt(10, c.draws);
        EXPECT_EQ(stats(), c.after);
        EXPECT_EQ(g.s.beer, c.beerAfter);
        EXPECT_EQ(g.s.drug, c.drugAfter);
        EXPECT_EQ(g.s.thoughtText, c.remark);
    }
}

TEST_F(Substances, TheLabelsShowWhatActed) {
    g.s.beer = 16;
    g.s.Fit = 50;
    g.s.Mod = 40;
    tickAt(10, {1, 3, 2, 0});  // vomits
    EXPECT_EQ(g.w.LabelAlco.fontColor, clRed);
    tickAt(11, {});
    EXPECT_EQ(g.w.LabelAlco.fontColor, clWindowText);  // for one tick only
}

TEST_F(Substances, TheBulletHoleHealsWithHealthOrMedicine) {
    struct Case { i32 Fit, pill; bool heals; };
    for (const Case c : {Case{60, 0, true}, Case{59, 0, false}, Case{30, 4, true}, Case{30, 3, false}}) {
        SetUp();
        g.w.RedHole.visible = true;
        g.w.RedHole.left = 320;
        g.w.RedHole.top = 30;
        g.s.Fit = c.Fit;
        g.s.pill = c.pill;
        rng.set({});
        tickTo(10);
        EXPECT_EQ(g.w.RedHole.visible, !c.heals) << c.Fit << " " << c.pill;
        EXPECT_EQ(g.w.RedHole.left, c.heals ? 316 : 320);
        EXPECT_EQ(g.w.RedHole.top, c.heals ? 33 : 30);
    }
}

TEST_F(Substances, MedicineHealsAndMixedItHarms) {
    struct Case {
        const char* what;
        i32 timer, pill, beer, drug;
        std::initializer_list<i32> draws;
        i32 Fit, Fed, Mod;
        const char* damage;
        TColor pharm, alco;
    };
    const Case cases[] = {
        {"works every 7th tick at 3", 7, 3, 0, 0, {1, 0}, 51, 48, 49, "0", clGreen, clWindowText},
        {"not at another tick", 8, 3, 0, 0, {0}, 50, 49, 50, "0", clWindowText, clWindowText},
        {"with beer it harms", 9, 3, 6, 0, {1, 4}, 47, 48, 48, "4", clRed, clRed},
        {"too much of it", 1, 10, 0, 0, {0, 17, 1}, 47, 49, 49, "3", clRed, clWindowText},
        {"too much, but lucky", 1, 8, 0, 0, {1}, 50, 50, 50, "0", clWindowText, clWindowText},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        g.s.pill = c.pill;
        g.s.beer = c.beer;
        g.s.drug = c.drug;
        tickAt(c.timer, c.draws);
        EXPECT_EQ(g.s.Fit, c.Fit);
        EXPECT_EQ(g.s.Fed, c.Fed);
        EXPECT_EQ(g.s.Mod, c.Mod);
        EXPECT_EQ(g.w.lDamage.caption, c.damage);
        EXPECT_EQ(g.w.LabelPharm.fontColor, c.pharm);
        EXPECT_EQ(g.w.LabelAlco.fontColor, c.alco);
    }
}

TEST_F(Substances, VomitingOnDemand) {
    g.LabelAlcoClick();
    EXPECT_EQ(stats(), (std::array<i32, 7>{50, 50, 50, 50, 50, 50, 50}));
    EXPECT_EQ(rng.drawn(), 0u);
    g.s.beer = 1;
    rng.set({1, 2});
    g.LabelAlcoClick();
    EXPECT_EQ(g.s.Fed, 40);
    EXPECT_EQ(g.s.Fat, 49);
    EXPECT_EQ(g.s.Fit, 49);
    EXPECT_EQ(g.s.Mod, 41);  // (50 - 4) x 0.9
    EXPECT_EQ(g.s.beer, -2);
    EXPECT_EQ(g.s.thoughtText, "Блээээээээ  :(");
    EXPECT_EQ(g.w.LabelAlco.fontColor, clWindowText);
    expectDrawsUsed();
}

}  // namespace
}  // namespace pet::test
