#include "actions_support.h"

namespace pet::test {
namespace {

using Care = ActionTest;

TEST_F(Care, SubstancesRefusedForWantOfMoney) {
    struct Case {
        void (Game::*click)();
        i32 price;
        const char* text;
        const char* caption;
        const char* remark;
    };
    const Case cases[] = {
        {&Game::PillClick, 30, "Нет бабок на лечение Пухтяша:(", "Иди работай", ""},
        {&Game::DrugClick, 60, "Нет бабок на калёса ;[\nБарыга приехал, увидел Пухтяша без карманов и уехал.",
         "Иди воруй бабки", "Ладно буду вести здоровый образ жизни"},
        {&Game::BeerClick, 12, "Нет бабок даже на пивище :(", "Оооо-о-о-о не-е-е-ет!!", "Оооо-о-о-о не-е-е-ет!!"},
        {&Game::VodkaClick, 36, "Нет бабок на водку :(", "Фак!!", "Деньги-деньги дребеденьги ...."},
        {&Game::CafeClick, 6, "Нет бабок на сливки :)", "Облом", "Где бы денег взять ...."},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.caption);
        dialogs.shown.clear();
        g.s.money = c.price - 1;
        const auto before = stats();
        rng.set({});
        (g.*c.click)();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, c.text);
        EXPECT_EQ(dialogs.shown[0].caption, c.caption);
        EXPECT_EQ(g.s.thoughtText, c.remark);
        EXPECT_EQ(stats(), before);
        EXPECT_EQ(g.s.money, c.price - 1);
        EXPECT_EQ(g.s.pill + g.s.drug + g.s.beer + g.s.cafe, 0);
        EXPECT_EQ(rng.drawn(), 0u);

        g.s.money = c.price;  // the price exactly is paid
        rng.set({});
        (g.*c.click)();
        EXPECT_EQ(g.s.money, 0);
    }
}

TEST_F(Care, DosesActAtOnce) {
    struct Case {
        const char* what;
        void (Game::*click)();
        i32 Fit, Mod, Fat, beer;
        std::initializer_list<i32> draws;
        std::array<i32, 7> after;  // Fit, Fed, Mod, Int, Wis, Doc, Fat
        i32 pill, drug, beerAfter, cafe;
        i32 Doc = 50;
    };
    const Case cases[] = {
        // Medicine heals an eighth of what is missing; with no alcohol the mixing draw is made all the same.
        {"medicine, sober", &Game::PillClick, 20, 50, 50, 0, {7, 20, 4, 3, 4}, {30, 38, 45, 48, 50, 47, 50}, 3, 0, 0, 0},
        {"medicine with a beer", &Game::PillClick, 20, 50, 50, 1, {7, 20, 4, 3, 4}, {25, 38, 45, 48, 50, 47, 50}, 3, 0, 1, 0},
        {"medicine at full health", &Game::PillClick, 100, 50, 50, 0, {0, 0, 0, 0, 0}, {100, 40, 50, 49, 50, 50, 50}, 3, 0, 0, 0},
        // Obedience 30 takes its medicine without the spit-out draw.
        {"medicine at Doc 30", &Game::PillClick, 20, 50, 50, 0, {7, 20, 4, 3, 4}, {30, 38, 45, 48, 50, 27, 50}, 3, 0, 0, 0,
         30},
        {"drug", &Game::DrugClick, 50, 50, 50, 0, {2, 3, 5, 2, 1}, {48, 50, 69, 45, 48, 55, 100}, 0, 3, 0, 0},
        {"drug, no vigor left", &Game::DrugClick, 50, 50, 0, 0, {0, 0, 0, 0, 0}, {48, 50, 69, 48, 50, 50, 0}, 0, 3, 0, 0},
        // A bad mood is lifted first; random(0) for the mixing makes no draw.
        {"beer", &Game::BeerClick, 50, -5, 50, 0, {45, 3, 1, 6}, {49, 56, 30, 50, 50, 50, 44}, 0, 0, 1, 0},
        {"vodka", &Game::VodkaClick, 50, 50, 50, 0, {12, 7, 11, 14}, {47, 39, 109, 50, 50, 50, 36}, 0, 0, 5, 0},
        {"vodka in a bad mood", &Game::VodkaClick, 50, -10, -7, 0, {6, 0, 0, 0}, {47, 50, 81, 50, 50, 50, -7}, 0, 0, 5, 0},
        {"coffee", &Game::CafeClick, 50, 50, 50, 0, {3, 1, 0}, {50, 55, 52, 50, 50, 50, 70}, 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        g.s.Fit = c.Fit;
        g.s.Mod = c.Mod;
        g.s.Fat = c.Fat;
        g.s.beer = c.beer;
        g.s.Doc = c.Doc;
        rng.set(c.draws);
        (g.*c.click)();
        EXPECT_EQ(stats(), c.after);
        EXPECT_EQ(g.s.pill, c.pill);
        EXPECT_EQ(g.s.drug, c.drug);
        EXPECT_EQ(g.s.beer, c.beerAfter);
        EXPECT_EQ(g.s.cafe, c.cafe);
        EXPECT_EQ(g.s.procKind, pkIdle);  // no process
        expectDrawsUsed();
    }
}

TEST_F(Care, ADoseStartsOnlyAStoppedClock) {
    g.s.money = 1000;
    g.BeerClick();
    EXPECT_EQ(g.s.beerClock, 50);
    g.s.beerClock = 7;
    g.BeerClick();
    EXPECT_EQ(g.s.beerClock, 7);
    g.PillClick();
    g.DrugClick();
    g.CafeClick();
    EXPECT_EQ(g.s.pillClock, 40);
    EXPECT_EQ(g.s.drugClock, 60);
    EXPECT_EQ(g.s.cafeClock, 40);
}

TEST_F(Care, ASpatOutMedicineMayBePunishedWhileTheClockIsHeld) {
    struct Case { Answer answer; bool paused; };
    for (const Case c : {Case{Answer::Yes, false}, Case{Answer::No, false}, Case{Answer::Yes, true}}) {
        SetUp();
        g.s.Doc = 29;
        if (c.paused) g.Pause1Click();
        dialogs.shown.clear();
        dialogs.answers = {c.answer};
        bool heldWhileOpen = false;
        dialogs.whileOpen = [&](std::size_t) { heldWhileOpen = !g.w.GlobalTimer.enabled; };
        rng.set({0, 1, 2, 3, 0, 0, 0, 0, 0});
        g.PillClick();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, "Выплюнул ...");
        EXPECT_TRUE(heldWhileOpen);
        EXPECT_EQ(g.w.GlobalTimer.enabled, !c.paused);  // as it was before the question
        EXPECT_EQ(g.s.money, 70);
        if (c.answer == Answer::Yes) {
            EXPECT_EQ(g.s.pill, 0);
            EXPECT_EQ(g.s.procKind, pkPunish);
            EXPECT_EQ(g.s.Doc, 29 + 12 + 1 * (2 - 1));
            EXPECT_EQ(g.s.Mod, 50 - 3);
        } else {
            EXPECT_EQ(g.s.pill, 3);
            EXPECT_EQ(g.s.thoughtText, "ФУ БЯКА, нехочууууу");
        }
        dialogs.whileOpen = nullptr;
    }
}

TEST_F(Care, GymAndSleepStartTheirProcesses) {
    struct Case {
        const char* what;
        void (Game::*click)();
        i32 Fed, Mod, Doc, Fat, money;
        i32 kind, duration;
        const char* remark;
    };
    const Case cases[] = {
        {"gym, too full", &Game::FitnessClick, 106, 50, 50, 50, 100, pkIdle, 0, "Я так наелся что сейчас лопну :)"},
        {"gym, the last ten dollars", &Game::FitnessClick, 105, 50, 50, 50, 10, pkGym, 30, ""},
        {"gym, no money", &Game::FitnessClick, 50, 50, 50, 50, 9, pkIdle, 0, "Не и фиг с вами ..."},
        {"sleep, hungry", &Game::SleepClick, 9, 50, 50, 50, 100, pkIdle, 0, "Жрааа-аа-а-ать Хааа-аа-а-чу-у-у ..."},
        {"sleep, a fairy tale first", &Game::SleepClick, 10, -1, 79, 50, 100, pkIdle, 0, "Расска-а-а-ажи  скааа-а-азку ..."},
        {"sleep, obedient", &Game::SleepClick, 10, -1, 80, 20, 100, pkSleep, 80, ""},
        {"sleep, content at Mod 0", &Game::SleepClick, 10, 0, 79, 50, 100, pkSleep, 50, ""},
        {"sleep, exhausted", &Game::SleepClick, 50, 50, 50, -20, 100, pkSleep, 120, ""},
        {"sleep, rested", &Game::SleepClick, 50, 50, 50, 100, 100, pkSleep, 1, ""},
        {"sleep, over-rested", &Game::SleepClick, 50, 50, 50, 104, 100, pkSleep, 1, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        g.s.Fed = c.Fed;
        g.s.Mod = c.Mod;
        g.s.Doc = c.Doc;
        g.s.Fat = c.Fat;
        g.s.money = c.money;
        (g.*c.click)();
        EXPECT_EQ(g.s.procKind, c.kind);
        EXPECT_EQ(g.s.thoughtText, c.remark);
        if (c.kind != pkIdle) {
            EXPECT_EQ(g.s.procEnd, 10 + c.duration);
            EXPECT_EQ(g.w.GlobalTimer.interval, 40);
        }
        if (c.kind == pkGym) {
            EXPECT_EQ(g.s.money, c.money - 10);
        }
        if (c.kind == pkSleep) {
            EXPECT_EQ(g.s.Wis, 49);
        }
    }
}

TEST_F(Care, ASleepOfNoLengthStillEndsAtTheNextTick) {
    g.s.Fat = 100;
    g.SleepClick();
    g.GlobalTimerTimer();
    EXPECT_EQ(g.s.procKind, pkIdle);
    EXPECT_EQ(g.w.GlobalTimer.interval, 1000);
}

// The overdose follows whatever the answer; Yes only adds the reagent's box.
TEST_F(Care, EuthanasiaOverdosesThePetWhateverTheAnswer) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        SetUp();
        dialogs.answers = {answer};
        g.s.beerClock = 33;
        g.w.Face.brush = clYellow;
        rng.set({1, 2, 3, 4});
        g.EuthanasyClick();
        EXPECT_EQ(g.s.thoughtText, "ТЫ ЧЁ ЗАДУМАЛ? 8|");
        EXPECT_EQ(g.s.thoughtHold, 8);
        ASSERT_EQ(dialogs.shown.size(), answer == Answer::Yes ? 2u : 1u);
        EXPECT_EQ(dialogs.shown[0].caption, "Эвтаназия?");
        EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNo);
        if (answer == Answer::Yes) {
            EXPECT_EQ(dialogs.shown[1].caption, "Эвтаназия");
            EXPECT_EQ(dialogs.shown[1].buttons, Buttons::Ok);
        }
        EXPECT_EQ(g.s.drug, 11);
        EXPECT_EQ(g.s.pill, 12);
        EXPECT_EQ(g.s.beer, 13);
        EXPECT_EQ(g.s.cafe, 14);
        EXPECT_EQ(g.s.drugClock, 12);
        EXPECT_EQ(g.s.pillClock, 8);
        EXPECT_EQ(g.s.beerClock, 33);
        EXPECT_EQ(g.s.cafeClock, 8);
        EXPECT_EQ(g.w.Face.brush, 6029274u);
        EXPECT_FALSE(g.s.guardianAngel);
        EXPECT_TRUE(g.w.menu.GuardianAngel.checked);
        expectDrawsUsed();
    }
}

}  // namespace
}  // namespace pet::test
