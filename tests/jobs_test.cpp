#include "actions_support.h"

namespace pet::test {
namespace {

using Jobs = ActionTest;

TEST_F(Jobs, EachJobRefusesInItsOrderOrStarts) {
    struct Case {
        const char* what;
        void (Game::*click)();
        std::array<i32, 7> stats;  // Fit, Fed, Mod, Int, Wis, Doc, Fat
        i32 beer, drug;
        i32 kind, duration;  // pkIdle: refused
        const char* caption;  // of the refusal box, nullptr for none
        const char* remark;
    };
    const Case cases[] = {
        {"beg: healthy but obedient", &Game::WorkBeggClick, {100, 50, 50, 50, 50, 30, 50}, 0, 0, pkBeg, 120, nullptr, ""},
        {"beg: healthy and unruly", &Game::WorkBeggClick, {81, 50, 50, 50, 50, 29, 50}, 0, 0, pkIdle, 0, nullptr,
         "Сам пошел туда козёл."},
        {"beg: unruly, not so healthy", &Game::WorkBeggClick, {80, 50, 50, 50, 50, 29, 50}, 0, 0, pkBeg, 120, nullptr, ""},
        {"sweep: drunk", &Game::WorkCleanClick, {50, 50, 50, 50, 50, 50, 50}, 5, 3, pkIdle, 0, "Двоится в глазах",
         "В тёмно-синем лесу, где ИК! осины..."},
        {"sweep: high", &Game::WorkCleanClick, {50, 50, 50, 50, 50, 50, 50}, 4, 3, pkIdle, 0, "Глючит",
         "КУУУЗЯЯЯЯ Стой! Ты зачем усы сбрил!?"},
        {"sweep", &Game::WorkCleanClick, {50, 50, 50, 50, 50, 50, 50}, 4, 2, pkSweep, 120, nullptr, ""},
        {"lorries: weak even when drunk", &Game::WorkWorkerClick, {65, 50, 50, 50, 50, 50, 50}, 9, 0, pkIdle, 0,
         "Иди на...", ""},
        {"lorries: tired", &Game::WorkWorkerClick, {66, 50, 50, 50, 50, 50, 24}, 0, 0, pkIdle, 0, "Пошёл на...", ""},
        {"lorries", &Game::WorkWorkerClick, {66, 50, 50, 50, 50, 50, 25}, 4, 0, pkLoader, 160, nullptr, ""},
        {"bakery: too dull", &Game::WorkBakerClick, {50, 50, 50, 9, 90, 50, 50}, 0, 0, pkIdle, 0,
         "Иди работай грузчиком", ""},
        {"bakery: sick", &Game::WorkBakerClick, {24, 50, 50, 10, 60, 50, 50}, 0, 0, pkIdle, 0, "", ""},
        {"bakery: sleep it off", &Game::WorkBakerClick, {25, 50, 50, 10, 60, 50, 20}, 3, 0, pkIdle, 0, "", ""},
        {"bakery", &Game::WorkBakerClick, {25, 50, 50, 10, 60, 50, 20}, 2, 0, pkBaker, 160, nullptr, ""},
        {"robbery: high and drunk", &Game::WorkRobberClick, {50, 50, 50, 50, 50, 50, 50}, 6, 4, pkIdle, 0,
         "Глючит, зайдите позже :)", "Вот е%@#№й скворечник!!! :("},
        {"robbery: drunk", &Game::WorkRobberClick, {50, 50, 50, 50, 50, 50, 50}, 6, 0, pkIdle, 0,
         "Облом, голова трещит", "Да е%@#ь слона в ж%$@!!! :("},
        {"robbery", &Game::WorkRobberClick, {0, 0, 0, 0, 0, 0, 0}, 5, 3, pkRobbery, 40, nullptr, ""},
        {"firm: high", &Game::WorkXakepClick, {50, 50, 50, 90, 90, 50, 50}, 12, 4, pkIdle, 0,
         "Глючит, зайдите позже :)", "Мяяяяууу Мяяяяяу ШШШШшшшш!!! :)"},
        {"firm: too dull", &Game::WorkXakepClick, {50, 50, 50, 60, 79, 50, 50}, 9, 0, pkIdle, 0, "Иннна",
         "Нипонил ... Че сказал то? "},
        {"firm, a little drunk", &Game::WorkXakepClick, {50, 50, 50, 60, 80, 50, 50}, 9, 0, pkHacker, 100, nullptr, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        setStats(c.stats);
        g.s.beer = c.beer;
        g.s.drug = c.drug;
        (g.*c.click)();
        EXPECT_EQ(g.s.procKind, c.kind);
        if (c.kind != pkIdle) {
            EXPECT_EQ(g.s.procEnd, 10 + c.duration);
            EXPECT_EQ(g.w.GlobalTimer.interval, 40);
        }
        if (c.caption != nullptr) {
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].caption, c.caption);
        } else {
            EXPECT_EQ(dialogs.shown.size(), 0u);
        }
        EXPECT_EQ(g.s.thoughtText, c.remark);
        EXPECT_EQ(g.s.money, 100);  // no job costs anything
    }
}

TEST_F(Jobs, StartingAJobChangesTheMoodAtOnce) {
    struct Case { void (Game::*click)(); i32 Mod, Doc, robb; };
    const Case cases[] = {
        {&Game::WorkBeggClick, 49, 45, 0},
        {&Game::WorkCleanClick, 47, 46, 0},
        {&Game::WorkWorkerClick, 45, 50, 0},
        {&Game::WorkRobberClick, 50, 50, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        setStats({70, 50, 50, 50, 50, 50, 50});
        (g.*c.click)();
        EXPECT_EQ(g.s.Mod, c.Mod);
        EXPECT_EQ(g.s.Doc, c.Doc);
        EXPECT_EQ(g.s.robb, c.robb);
    }
    g.s.Mod = -15;
    g.WorkWorkerClick();
    EXPECT_EQ(g.s.Mod, -13);  // a tenth off, toward zero
}

TEST_F(Jobs, ADrunkRobberHurtsHimselfBeforeTheBox) {
    g.s.beer = 6;
    i32 fitSeen = 0;
    dialogs.whileOpen = [&](std::size_t) { fitSeen = g.s.Fit; };
    g.WorkRobberClick();
    EXPECT_EQ(fitSeen, 45);
    EXPECT_EQ(g.s.Fit, 45);
}

TEST_F(Jobs, TheComputerFirmRewardsTheDrunk) {
    struct Case { i32 beer, Wis; const char* text; i32 Mod, beerAfter, WisAfter, Fat; };
    const Case cases[] = {
        {10, 0, "Пухтяш нашел часть source coda вселенной и готов пойти взять ещё квадрат пива.", 75, 5, 10, 65},
        {12, 0, "Пухтяш нашел часть source coda вселенной и готов пойти взять ещё квадрат пива.", 75, 7, 10, 65},
        {13, 0, nullptr, 110, 13, 0, 50},
    };
    for (const Case& c : cases) {
        SetUp();
        g.s.beer = c.beer;
        g.s.Wis = c.Wis;
        g.WorkXakepClick();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, "Hit any puhtyash to continue...");
        if (c.text != nullptr) {
            EXPECT_EQ(dialogs.shown[0].text, c.text);
        } else {
            EXPECT_EQ(dialogs.shown[0].text.rfind("Пухтяш взломал Pentagon, Microsoft и ", 0), 0u);
        }
        EXPECT_EQ(g.s.Mod, c.Mod);
        EXPECT_EQ(g.s.beer, c.beerAfter);
        EXPECT_EQ(g.s.Wis, c.WisAfter);
        EXPECT_EQ(g.s.Fat, c.Fat);
        EXPECT_EQ(g.s.thoughtHold, 8);
        EXPECT_EQ(g.s.thoughtColor, clGreen);
        EXPECT_EQ(g.s.procKind, pkIdle);
    }
}

TEST_F(Jobs, AJobReplacesARunningProcessAndItsPay) {
    setStats({70, 50, 50, 50, 50, 50, 50});
    g.WorkCleanClick();
    g.s.timer = 50;
    g.WorkBeggClick();
    EXPECT_EQ(g.s.procKind, pkBeg);
    EXPECT_EQ(g.s.procEnd, 170);
}

}  // namespace
}  // namespace pet::test
