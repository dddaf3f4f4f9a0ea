#include "rules_support.h"

namespace pet::test {
namespace {

using Deaths = RulesTest;

constexpr const char* kRip = "        †  †  †   † †   †<-(RIP Зверёк)      † † †    †    †  † †   †";

TEST_F(Deaths, EachCauseOnePointEitherSide) {
    struct Case { i32 PetState::*stat; i32 lives, dies; };
    const Case cases[] = {
        {&PetState::Fit, -5, -6}, {&PetState::Fed, -29, -30}, {&PetState::Mod, -49, -50},
        {&PetState::Doc, -9, -10}, {&PetState::Fat, -24, -25},
    };
    for (const Case& c : cases) {
        SetUp();
        g.s.*c.stat = c.lives;
        EXPECT_FALSE(g.IsDead()) << c.lives;
        tickAt(1, {});
        EXPECT_TRUE(g.w.GlobalTimer.enabled);
        g.s.*c.stat = c.dies;
        EXPECT_TRUE(g.IsDead()) << c.dies;
        tickAt(2, {0});
        EXPECT_FALSE(g.w.GlobalTimer.enabled) << c.dies;
        EXPECT_TRUE(g.w.AnimateTimer.enabled);  // the face moves on once the box is closed
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, kRip);
        EXPECT_EQ(dialogs.shown[0].text, g.epitaph);
    }
}

TEST_F(Deaths, TheLastCauseTestedWritesTheEpitaph) {
    struct Case {
        const char* what;
        std::array<i32, 7> stats;  // Fit, Fed, Mod, Int, Wis, Doc, Fat
        i32 beer, pill, drug, kind;
        std::initializer_list<i32> draws;
        const char* epitaph;
    };
    const Case cases[] = {
        {"ran away", {50, 50, -60, 50, 50, 50, 50}, 0, 0, 0, pkIdle, {2},
         "†††  Твоё зверьё убежало из дома и сдохло   †††\nНадо лучше относиться к нему."},
        {"overeating", {-7, 110, 50, 50, 50, 50, 50}, 0, 0, 0, pkIdle, {0},
         "†††  Твоё зверьё пожелтело, обблевалось и захлебнулось продуктами своего пищеварения  †††\nБолезни "
         "сейчас не редкость, к тому же когда жрёшь дофига и немерено."},
        {"Fed 101 is no overeating", {-7, 101, 50, 50, 50, 50, 50}, 0, 0, 0, pkIdle, {0},
         "†††  Твоё зверьё покрылось пятнами, облезло и сдохло   †††\nБолезни сейчас не редкость...."},
        {"overeating, 30 is no overdose", {-7, 110, 50, 50, 50, 50, 50}, 10, 0, 0, pkIdle, {0},
         "†††  Твоё зверьё пожелтело, обблевалось и захлебнулось продуктами своего пищеварения  †††\nБолезни "
         "сейчас не редкость, к тому же когда жрёшь дофига и немерено."},
        {"overdose at 31.8", {-7, 110, 50, 50, 50, 50, 50}, 10, 1, 0, pkIdle, {0},
         "†††  Твоё зверьё посинело, обблевалось и переколбасилось по полу  †††\nВрачи поставили диагноз : "
         "Передоз в теле."},
        // 1.8 is a hair above 1.8 as a double: 21 + 5 × 1.8 lies above 30.
        {"overdose at 21 + 5 x 1.8", {-7, 110, 50, 50, 50, 50, 50}, 7, 5, 0, pkIdle, {0},
         "†††  Твоё зверьё посинело, обблевалось и переколбасилось по полу  †††\nВрачи поставили диагноз : "
         "Передоз в теле."},
        {"disease, then starvation", {-7, -35, 50, 50, 50, 50, 50}, 0, 0, 0, pkIdle, {0, 1},
         "†††  Твоё зверьё скончалось от истощения  †††\nКушать все хотят, даже звери."},
        {"starving in a wooden box", {50, -35, 50, 50, 50, 50, 10}, 0, 0, 0, pkIdle, {0},
         "†††  Пухтяш как знал что надо отдыхать в деревянной коробочке  †††\nСпи зверёк сладким сном."},
        {"played too long", {50, -35, 95, 50, 50, 50, 10}, 0, 0, 0, pkIdle, {0},
         "†††  Твоё зверьё заигралось и забыло покушать  †††\nКушать надо хотя бы хлеб."},
        {"the monitor", {50, 50, 50, 50, 50, 50, -30}, 0, 0, 0, pkFun, {0, 1},
         "†††  Бессонные ночи у экрана монитора после трудового дня сыграли злую шутку  †††\n...Незаметно "
         "прошла неделя игрального времени..."},
        {"drink less", {50, 50, 50, 50, 50, 50, -30}, 7, 0, 0, pkFun, {0, 1},
         "†††  Твоё зверьё посинело, обблевалось и переколбасилось по полу  †††\nПить меньше надо!!!."},
        {"exhausted", {50, 50, 50, 50, 50, 50, -30}, 0, 0, 0, pkIdle, {1},
         "†††  Устал бедненький, уснул и не проснулся  †††\n... Комбаин подкрался не заметно..."},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        if (c.kind != pkIdle) running(c.kind, pvPcGame);
        setStats(c.stats);
        g.s.beer = c.beer;
        g.s.pill = c.pill;
        g.s.drug = c.drug;
        tickAt(1, c.draws);
        EXPECT_EQ(g.epitaph, c.epitaph);
        EXPECT_EQ(dialogs.shown.size(), 1u);
    }
}

TEST_F(Deaths, ADeadPetStaysDeadAndSaysSoAgainWhenResumed) {
    g.s.Fed = -40;
    tickAt(1, {0});
    const i32 timer = g.s.timer;
    g.FeelingsClick();  // the face still moves
    g.Pause1Click();    // resuming
    EXPECT_TRUE(g.w.GlobalTimer.enabled);
    tickAt(2, {0});
    EXPECT_FALSE(g.w.GlobalTimer.enabled);
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(g.s.timer, timer + 1);
}

using Growth = RulesTest;

TEST_F(Growth, LevelsComeOneATickAndHoldTheClock) {
    g.s.GrowthNotice = 0;
    setStats({60, 80, 70, 20, 25, 40, 50});  // enough for level 3
    bool held = true;
    dialogs.whileOpen = [&](std::size_t) { held = held && !g.w.GlobalTimer.enabled; };
    for (i32 t = 1; t <= 4; ++t) {
        setStats({60, 80, 70, 20, 25, 40, 50});
        tickAt(t * 6 + 1, {});  // ticks without drift
    }
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[0].caption, "Level 1");
    EXPECT_EQ(dialogs.shown[0].text, "Зверьку c тобой более-менее нормально.");
    EXPECT_EQ(dialogs.shown[2].caption, "Level 3");
    EXPECT_EQ(g.s.GrowthNotice, 3);
    EXPECT_TRUE(held);
    EXPECT_TRUE(g.w.GlobalTimer.enabled);
}

// Each level at its thresholds exactly, and not with any one stat a point short.
TEST_F(Growth, EachLevelAtItsThresholdsAndOnePointShort) {
    const std::array<i32, 7> thresholds[] = {
        {20, 30, 20, 5, 5, 10, 15},   {50, 80, 60, 15, 15, 25, 40},  {60, 80, 70, 20, 25, 40, 50},
        {70, 90, 80, 40, 50, 60, 60}, {80, 100, 90, 65, 75, 80, 70}, {93, 100, 90, 93, 100, 90, 90},
    };
    for (i32 level = 1; level <= 6; ++level) {
        const auto& at = thresholds[level - 1];
        for (std::size_t shortOf = 0; shortOf <= at.size(); ++shortOf) {  // at.size(): none short
            SetUp();
            SCOPED_TRACE(testing::Message() << "level " << level << ", short of stat " << shortOf);
            g.s.GrowthNotice = level - 1;
            auto stats = at;
            if (shortOf < stats.size()) --stats[shortOf];
            setStats(stats);
            tickAt(1, {});
            if (shortOf < stats.size()) {
                EXPECT_TRUE(dialogs.shown.empty());
                EXPECT_EQ(g.s.GrowthNotice, level - 1);
            } else {
                ASSERT_EQ(dialogs.shown.size(), 1u);
                EXPECT_EQ(dialogs.shown[0].caption, "Level " + std::to_string(level));
                EXPECT_EQ(g.s.GrowthNotice, level);
            }
        }
    }
}

TEST_F(Growth, VictoryNeedsMoreThanFifteenHundredDollars) {
    g.s.GrowthNotice = 6;
    setStats({10, 10, 10, 10, 10, 10, 10});  // the stats do not matter
    g.s.money = 1500;
    tickAt(1, {});
    EXPECT_EQ(dialogs.shown.size(), 0u);
    g.s.money = 1501;
    tickAt(7, {});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Level 7 - ПОБЕДА!!!");
    EXPECT_EQ(dialogs.shown[0].text, "\t!!!\n\nТы вырастил Зверька и заработал много денег\n\n\t!!!");
    EXPECT_EQ(g.s.GrowthNotice, 7);
    tickAt(11, {});
    EXPECT_EQ(dialogs.shown.size(), 1u);  // nothing after the victory
}

TEST_F(Growth, DeathAndVictoryInOneTickLeaveTheClockStopped) {
    g.s.GrowthNotice = 6;
    g.s.money = 2000;
    g.s.Fat = -30;
    tickAt(1, {0});
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].caption, kRip);
    EXPECT_EQ(dialogs.shown[1].caption, "Level 7 - ПОБЕДА!!!");
    EXPECT_FALSE(g.w.GlobalTimer.enabled);  // holding the clock for the box does not restart a dead pet's
}

TEST_F(Growth, NothingAfterMax) {
    g.MaximizeAllClick();
    for (i32 t = 1; t <= 3; ++t) tickAt(t * 6 + 1, {});
    EXPECT_EQ(dialogs.shown.size(), 0u);
}

}  // namespace
}  // namespace pet::test
