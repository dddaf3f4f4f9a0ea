#include "rules_support.h"

namespace pet::test {
namespace {

using Work = RulesTest;

TEST_F(Work, JobsWearThePetAndPayAtTheirEnd) {
    struct Case {
        const char* what;
        i32 kind, Fit, Wis, Int;
        bool last;  // the job's last tick
        std::initializer_list<i32> draws;
        i32 money, Mod, Fat, FitAfter, Fed, WisAfter, IntAfter;
    };
    const Case cases[] = {
        {"begging, a generous passer-by", pkBeg, 50, 50, 50, false, {2, 99, 1, 1, 20}, 132, 49, 49, 49, 50, 50, 50},
        {"begging", pkBeg, 50, 50, 50, false, {0, 98, 0, 0, 19}, 100, 50, 50, 50, 50, 50, 50},
        {"sweeping, weak and knowing", pkSweep, 40, 20, 50, false, {4, 6}, 101, 50, 48, 40, 50, 20, 50},
        {"sweeping, knows too little to earn", pkSweep, 40, 19, 50, false, {4}, 100, 50, 48, 40, 50, 19, 50},
        {"sweeping, last tick", pkSweep, 80, 19, 50, true, {3, 30, 14}, 250, 37, 49, 80, 50, 19, 50},
        {"lorries", pkLoader, 70, 50, 50, false, {7, 15}, 100, 50, 49, 71, 50, 50, 50},
        {"lorries, last tick", pkLoader, 90, 50, 50, true, {0, 0, 50, 0}, 350, 53, 50, 90, 50, 50, 50},
        {"bakery, the middle band", pkBaker, 35, 70, 40, false, {4, 1}, 100, 50, 49, 35, 51, 70, 40},
        {"bakery, the best band", pkBaker, 50, 90, 55, false, {5, 0}, 100, 50, 49, 50, 50, 90, 55},
        {"bakery, last tick", pkBaker, 50, 90, 55, true, {0, 0, 50, 10}, 450, 45, 50, 50, 50, 90, 55},
        {"computer firm, learning", pkHacker, 50, 50, 50, false, {10, 6, 15, 7}, 100, 51, 49, 50, 50, 52, 50},
        {"computer firm, clever", pkHacker, 50, 101, 90, false, {20, 8, 2, 0, 0}, 102, 50, 49, 50, 50, 101, 91},
        {"computer firm, last tick", pkHacker, 50, 50, 50, true, {0, 0, 0, 0, 150, 0}, 600, 57, 50, 50, 50, 50, 50},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        running(c.kind);
        g.s.Fit = c.Fit;
        g.s.Wis = c.Wis;
        g.s.Int = c.Int;
        if (c.last) g.s.procEnd = 2;
        tickAt(1, c.draws);
        EXPECT_EQ(g.s.money, c.money);
        EXPECT_EQ(g.s.Mod, c.Mod);
        EXPECT_EQ(g.s.Fat, c.Fat);
        EXPECT_EQ(g.s.Fit, c.FitAfter);
        EXPECT_EQ(g.s.Fed, c.Fed);
        EXPECT_EQ(g.s.Wis, c.WisAfter);
        EXPECT_EQ(g.s.Int, c.IntAfter);
    }
}

TEST_F(Work, AJobStoppedBeforeItsEndPaysNothingMore) {
    running(pkSweep);
    g.s.procEnd = 3;
    tickAt(1, {0, 0});
    g.StopProc1Click();
    tickAt(2, {});  // the process ends, no effects, no pay
    EXPECT_EQ(g.s.procKind, pkIdle);
    EXPECT_EQ(g.s.money, 100);
}

class Robbery : public RulesTest {
protected:
    // The robbery's last tick, with per-tick effects that change nothing.
    void lastTick(std::initializer_list<i32> outcome) {
        running(pkRobbery);
        g.s.procEnd = 2;
        std::vector<i32> draws = {0, 1, 0};
        draws.insert(draws.end(), outcome);
        rng.set({});
        for (i32 d : draws) rng.push(d);
        tickTo(1);
        expectDrawsUsed();
    }
    void strongPet() { setStats({100, 120, 120, 100, 120, 100, 100}); }
};

TEST_F(Robbery, SucceedsWithTheLoot) {
    strongPet();  // a chance of 129, taken as 98
    lastTick({96, 100, 10, 1, 0, 5, 1});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Пухтяшу удалось спереть 50$\nА заодно и похавать печенюшек. :)");
    EXPECT_EQ(dialogs.shown[0].caption, "Сегодня у Пухтяша просто пруха");
    EXPECT_EQ(g.s.money, 150);
    EXPECT_EQ(g.s.Mod, 120);  // 136, capped by the stat panel
    EXPECT_EQ(g.s.Fed, 120);
}

TEST_F(Robbery, TheSecondCandidateWithoutCrackers) {
    strongPet();
    g.s.Mod = 50;
    // chance 98 still; roll 97 succeeds; A = 100 / 2, B = 10 - 98 + 100
    lastTick({96, 100, 10, 0, 1, 0});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Пухтяшу удалось спереть 12$");
    EXPECT_EQ(g.s.money, 112);
    EXPECT_EQ(g.s.Mod, 65);
}

TEST_F(Robbery, ARollOfNinetyEightFailsEvenAtTheBestChance) {
    strongPet();
    lastTick({97, 3, 5});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Пронесло");
    EXPECT_EQ(g.s.Wis, 120);
}

TEST_F(Robbery, ALowChanceIsSpottedAndEscapesByWits) {
    // A chance of 2: only a roll of 1 succeeds.
    setStats({30, 80, 50, 50, 60, 50, 70});
    g.s.robb = 14;
    lastTick({5, 10, 7});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Пухтяш вовремя заметил подставу.");
    EXPECT_EQ(g.s.Wis, 67);
    EXPECT_FALSE(g.w.RedHole.visible);
}

TEST_F(Robbery, NoChanceMeansCaptureWhateverTheWitsAndTheTickEndsThere) {
    // Knowledge above the panel's cap, so that a panel refresh would show.
    setStats({0, 0, 0, 100, 130, 0, 0});
    g.s.robb = 30;  // a chance below 1
    g.w.AnimateTimer.enabled = false;
    g.w.Label7.caption = g.w.CurrentProcType.caption = g.w.School.caption = "?";
    lastTick({50, 0});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Аминь");
    EXPECT_EQ(g.s.Fit, -10);
    EXPECT_TRUE(g.w.RedHole.visible);
    // The tick ended with the capture: no panel refresh, no captions, no
    // third reseed, and the face is not restarted.
    EXPECT_EQ(g.s.Wis, 130);
    EXPECT_EQ(g.w.Label7.caption, "?");
    EXPECT_EQ(g.w.CurrentProcType.caption, "?");
    EXPECT_EQ(g.w.School.caption, "?");
    EXPECT_EQ(rng.trace(), "RR.....");
    EXPECT_FALSE(g.w.AnimateTimer.enabled);

    SetUp();
    setStats({0, 0, 0, 100, 100, 0, 0});
    g.s.robb = 30;
    i32 timerInside = 0;
    i32 kindInside = -1;
    dialogs.whileOpen = [&](std::size_t) {
        g.GlobalTimerTimer();  // the clock runs on behind the box
        timerInside = g.s.timer;
        kindInside = g.s.procKind;
    };
    lastTick({50, 0});
    ASSERT_GE(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Аминь");
    EXPECT_EQ(dialogs.shown[0].text,
              "†††  Твоё зверьё было убито ментами  †††\nМеркантильный Пухтяш позарился на чужие конфетки.");
    EXPECT_EQ(timerInside, 2);
    EXPECT_EQ(kindInside, pkIdle);  // the tick behind the box ended the robbery
    EXPECT_EQ(g.s.Fit, -10);
    EXPECT_TRUE(g.w.RedHole.visible);
    dialogs.whileOpen = nullptr;
    // The next tick finds the pet dead of its wound.
    g.s.Fed = g.s.Fat = g.s.Mod = g.s.Doc = 50;
    rng.set({1});
    g.GlobalTimerTimer();
    EXPECT_FALSE(g.w.GlobalTimer.enabled);
    EXPECT_EQ(g.epitaph, "†††  Твоё зверьё покраснело, надулось и лопнуло   †††\nБолезни сейчас не редкость ... а подлость...");
}

}  // namespace
}  // namespace pet::test
