#include "support.h"

namespace pet::test {
namespace {

using NewGame = GameTest;

TEST_F(NewGame, ProgramStartsWithNoGameRunning) {
    EXPECT_FALSE(g.w.GlobalTimer.enabled);
    EXPECT_EQ(g.w.GlobalTimer.interval, 600);
    EXPECT_FALSE(g.w.AnimateTimer.enabled);
    EXPECT_EQ(g.w.AnimateTimer.interval, 400);
    EXPECT_FALSE(g.w.PageControl1.enabled);
    EXPECT_EQ(g.w.TimeLabel.caption, "<Press F2>");
    EXPECT_EQ(g.w.sbBar.caption, kWelcomeHint);
    EXPECT_TRUE(g.w.RB5.checked);
    EXPECT_FALSE(g.w.RedHole.visible);
    EXPECT_FALSE(g.w.MaximizeAll.visible);
    EXPECT_EQ(g.s.procEnd, 0);
    EXPECT_EQ(g.s.tickInterval, 1000);
    EXPECT_EQ(g.s.busyInterval, 40);
    EXPECT_TRUE(g.s.guardianAngel);
    EXPECT_EQ(g.s.thoughtColor, clNavy);
    EXPECT_EQ(g.s.faceFitStep, -1);
    EXPECT_TRUE(g.w.menu.N1000ms1.checked);
    EXPECT_TRUE(g.w.menu.GuardianAngel.checked);
    EXPECT_TRUE(g.w.menu.HintsOFF.checked);
    EXPECT_FALSE(g.w.menu.Pause1.checked);
}

TEST_F(NewGame, EachDifficultyWritesItsPreset) {
    struct Preset {
        Command command;
        i32 Fit, Fed, Mod, Int, Wis, Doc, Fat, money, beer;
    };
    const Preset presets[] = {
        {Command::NewGameClick, 50, 100, 120, 0, 0, 10, 90, 500, 0},
        {Command::DifficultyHIGHClick, 40, 80, 20, 0, 0, 0, 100, 300, 6},
        {Command::DifficultyLOWClick, 20, 60, 60, 60, 0, 0, 60, 1000, 0},
    };
    for (const Preset& p : presets) {
        // A game under way, with everything New Game resets moved off its start.
        g.MaximizeAllClick();
        g.s.timer = 777;
        g.s.procKind = pkEating;
        g.s.procEnd = 900;
        g.s.pill = g.s.drug = g.s.cafe = g.s.beer = g.s.robb = 3;
        g.s.pillClock = g.s.drugClock = g.s.cafeClock = g.s.beerClock = g.s.robbClock = 9;
        g.s.book = 4;
        g.s.pistol = true;
        g.w.RedHole.visible = true;

        g.run(p.command);
        SCOPED_TRACE(commandName(p.command));
        const i32 stats[] = {g.s.Fit, g.s.Fed, g.s.Mod, g.s.Int, g.s.Wis, g.s.Doc, g.s.Fat, g.s.money, g.s.beer};
        const i32 want[] = {p.Fit, p.Fed, p.Mod, p.Int, p.Wis, p.Doc, p.Fat, p.money, p.beer};
        for (int i = 0; i < 9; ++i) EXPECT_EQ(stats[i], want[i]) << "field " << i;
        EXPECT_EQ(g.s.timer, 0);
        EXPECT_EQ(g.s.procEnd, -1);
        EXPECT_EQ(g.s.procKind, pkIdle);
        EXPECT_EQ(g.s.GrowthNotice, 0);
        EXPECT_EQ(g.s.pill + g.s.drug + g.s.cafe + g.s.robb, 0);
        EXPECT_EQ(g.s.pillClock + g.s.drugClock + g.s.cafeClock + g.s.beerClock + g.s.robbClock, 0);
        EXPECT_EQ(g.s.book, 0);
        EXPECT_FALSE(g.s.pistol);
        EXPECT_FALSE(g.w.RedHole.visible);
        EXPECT_TRUE(g.w.GlobalTimer.enabled);
        EXPECT_TRUE(g.w.AnimateTimer.enabled);
        EXPECT_EQ(g.w.GlobalTimer.interval, 1000);
        EXPECT_TRUE(g.w.PageControl1.enabled);
    }
}

TEST_F(NewGame, KeepsTheProcessVariantMealsSettingsAndRemark) {
    g.s.procVariant = pvDisco;
    g.s.mealFedRate = 3;
    g.s.mealModRate = 2;
    g.s.mealDocPeriod = -5;
    g.s.tickInterval = 250;
    g.s.guardianAngel = false;
    g.s.confirmSaveLoad = true;
    g.s.faceFitStep = 2;
    g.s.say("Ой", clMaroon);
    g.epitaph = "RIP";
    g.w.menu.Pause1.checked = true;
    g.w.TimeLabel.fontColor = clRed;

    g.NewGameClick();
    EXPECT_EQ(g.s.procVariant, pvDisco);
    EXPECT_EQ(g.s.mealFedRate, 3);
    EXPECT_EQ(g.s.mealModRate, 2);
    EXPECT_EQ(g.s.mealDocPeriod, -5);
    EXPECT_EQ(g.w.GlobalTimer.interval, 250);
    EXPECT_FALSE(g.s.guardianAngel);
    EXPECT_TRUE(g.s.confirmSaveLoad);
    EXPECT_EQ(g.s.faceFitStep, 2);
    EXPECT_EQ(g.s.thoughtText, "Ой");
    EXPECT_EQ(g.epitaph, "RIP");
    EXPECT_TRUE(g.w.menu.Pause1.checked);
    EXPECT_EQ(g.w.TimeLabel.fontColor, clRed);
}

TEST_F(NewGame, MaxFillsTheStatsAndStartsOnlyTheGameClock) {
    g.s.beer = 5;
    g.s.book = 2;
    g.s.pistol = true;
    g.s.timer = 50;
    g.MaximizeAllClick();
    const i32 stats[] = {g.s.Fit, g.s.Fed, g.s.Mod, g.s.Int, g.s.Wis, g.s.Doc, g.s.Fat};
    const i32 want[] = {100, 120, 120, 100, 100, 100, 100};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(stats[i], want[i]);
    EXPECT_EQ(g.s.money, 3000);
    EXPECT_EQ(g.s.GrowthNotice, 10);
    EXPECT_EQ(g.s.timer, 0);
    EXPECT_EQ(g.s.procEnd, -1);
    EXPECT_EQ(g.s.beer, 5);
    EXPECT_EQ(g.s.book, 2);
    EXPECT_TRUE(g.s.pistol);
    EXPECT_TRUE(g.w.GlobalTimer.enabled);
    EXPECT_FALSE(g.w.AnimateTimer.enabled);
    EXPECT_FALSE(g.w.PageControl1.enabled);
}

// A clock stopped in the hidden half of its blink, paused or after a death,
// is shown again by every command that starts the clock anew.
TEST_F(NewGame, AStoppedClockHiddenByItsBlinkIsShownAgain) {
    void (Game::*const starts[])() = {&Game::NewGameClick, &Game::DifficultyHIGHClick,
                                      &Game::DifficultyLOWClick, &Game::MaximizeAllClick};
    for (auto start : starts) {
        g.NewGameClick();
        g.Pause1Click();
        g.FeelingsClick();
        g.FeelingsClick();
        if (g.w.TimeLabel.visible) g.FeelingsClick();
        ASSERT_FALSE(g.w.TimeLabel.visible);
        (g.*start)();
        EXPECT_TRUE(g.w.GlobalTimer.enabled);
        EXPECT_TRUE(g.w.TimeLabel.visible);
    }
}

}  // namespace
}  // namespace pet::test
