#include "support.h"

namespace pet::test {
namespace {

class FixedWidth final : public TextMeasure {
public:
    int textWidth(const Widget&) override { return width; }
    int width = 100;
};

class Face : public ::testing::Test {
protected:
    void SetUp() override { g.NewGameClick(); }
    // A pet in good health whose eyes are calm and whose idle remark is "Мне клёво!".
    void wellPet() {
        g.s.Fit = 50;
        g.s.Fed = 100;
        g.s.Mod = 60;
        g.s.Doc = 50;
        g.s.Fat = 90;
    }

    ScriptedRandom rng;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    FixedWidth measure;
    Game g{{rng, dialogs, shell, &measure}};
};

TEST_F(Face, MouthDepthsFollowTheMood) {
    struct Case { i32 Mod, d1, d2; };
    const Case cases[] = {
        {0, -1, -4},   {1, -1, -4},   {2, -1, -3},    {5, 0, -2},     {6, 0, 2},
        {10, 2, 6},    {11, 1, 3},    {120, 15, 40},  {500, 15, 40},  {-1, -1, -5},
        {-9, -4, -13}, {-10, -5, -15}, {INT32_MIN, -5, -15},
    };
    for (const Case& c : cases) {
        wellPet();
        g.s.Mod = c.Mod;
        g.FeelingsClick();
        EXPECT_EQ(g.w.mouth.d1, c.d1) << c.Mod;
        EXPECT_EQ(g.w.mouth.d2, c.d2) << c.Mod;
        EXPECT_EQ(g.w.mouth.smile, c.d1 > 0) << c.Mod;
        EXPECT_TRUE(g.w.mouth.visible);
        EXPECT_EQ(g.w.mouth.x0, 302);
        EXPECT_EQ(g.w.mouth.y0, 84);
    }
}

TEST_F(Face, PupilsLookByTheStateAndTheProcess) {
    struct Case {
        const char* what;
        i32 Fit, beer, kind;
        std::initializer_list<i32> draws;
        i32 lx, ly, rx, ry;
    };
    const Case cases[] = {
        {"calm", 50, 0, pkIdle, {2}, 308, 50, 336, 50},
        {"uneasy", 20, 0, pkIdle, {2, 1, 0, 1}, 308, 50, 336, 50},
        {"wild", 50, 7, pkIdle, {0, 2, 2, 0}, 301, 50, 331, 50},
        {"at the gym", 50, 0, pkGym, {3, 1}, 306, 45, 334, 45},
        {"asleep", 50, 0, pkSleep, {3}, 301, 55, 329, 55},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        wellPet();
        g.s.Fit = c.Fit;
        g.s.beer = c.beer;
        g.s.procKind = c.kind;
        rng.set(c.draws);
        g.FeelingsClick();
        EXPECT_EQ(g.w.LEyeX.left, c.lx);
        EXPECT_EQ(g.w.LEyeX.top, c.ly);
        EXPECT_EQ(g.w.REyeX.left, c.rx);
        EXPECT_EQ(g.w.REyeX.top, c.ry);
        EXPECT_EQ(rng.left(), 0u);
        EXPECT_EQ(rng.overrun(), 0u);
    }
    EXPECT_EQ(g.w.Thought.caption, "ZZZzzz...");
    EXPECT_EQ(g.w.mouth.d1, -5);
    EXPECT_EQ(g.w.mouth.d2, 1);
}

TEST_F(Face, PupilsLookDownWhenHungryAndTired) {
    struct Case { i32 Fed, Fat, v; };
    const Case cases[] = {{100, 90, 0}, {120, 100, -1}, {-30, -25, 5}};
    for (const Case& c : cases) {
        wellPet();
        g.s.Fed = c.Fed;
        g.s.Fat = c.Fat;
        g.FeelingsClick();
        EXPECT_EQ(g.w.LEyeX.top, 50 + c.v) << c.Fed << " " << c.Fat;
        EXPECT_EQ(g.w.REyeX.top, 50 + c.v);
    }
}

TEST_F(Face, TheFirstFittingIdleRemarkIsShown) {
    struct Case {
        i32 Fit, Fed, Mod, Int, Wis, Doc, Fat, beer, robb;
        const char* remark;
        TColor color;
    };
    const Case cases[] = {
        {-1, 100, 60, 0, 0, 50, 90, 8, 0, "Мааама убей меня. :(", clRed},
        {50, -26, 60, 0, 0, 50, 90, 0, 0, "Мааама убей меня. :(", clRed},
        {50, 100, 60, 0, 0, 50, -21, 0, 0, "Мааама убей меня. :(", clRed},
        {50, 100, 60, 0, 0, 50, -20, 0, 0, "Поспать бы.", clOlive},
        {50, 100, 60, 0, 0, 50, 90, 7, 0, "Лааа-а-ай лааа-ай лалала-ай!!", clGreen},
        {50, 100, 60, 0, 0, 50, 90, 8, 0, "Лааа-а-ай лааа-ай лалала-ай!!", clGreen},
        {50, 100, 60, 0, 0, 50, 90, 9, 0, "Ооох голова болит. :(", clMaroon},
        {15, 100, 60, 0, 0, 50, 90, 0, 0, "Ооох голова болит. :(", clMaroon},
        {50, 100, -10, 0, 0, 50, 90, 0, 0, "Скуука блин.", clMaroon},
        {50, 100, -9, 0, 0, 9, 90, 0, 0, "Да Пошёл ты козёл.", clRed},
        {50, 100, 49, 0, 0, 9, 90, 0, 0, "Да Пошёл ты козёл.", clRed},
        {50, 100, 29, 0, 0, 10, 11, 2, 0, "Пивка бы что-ли.", clNavy},
        {50, 100, 29, 0, 0, 10, 11, 3, 0, "Тра-ля-ля тополя.", clNavy},  // no beer wanted when drunk
        {50, 51, 81, 0, 0, 50, 51, 0, 0, "Всё зашибись!!! :)", clNavy},
        {50, 51, 80, 0, 0, 50, 51, 0, 0, "Мне клёво!", clNavy},
        {59, 9, 19, 0, 0, 49, 29, 0, 0, "Жизнь - дерьмо. :(", clMaroon},
        {30, -1, 60, 0, 0, 50, 50, 0, 0, "Мне плоховато.", clMaroon},
        {50, 50, 59, 41, 51, 61, 10, 0, 3, "Блиин ...Я...был вором... :(", clMaroon},
        {50, 50, 59, 41, 51, 61, 10, 0, 2, "Тра-ля-ля тополя.", clNavy},
    };
    for (const Case& c : cases) {
        g.s.Fit = c.Fit;
        g.s.Fed = c.Fed;
        g.s.Mod = c.Mod;
        g.s.Int = c.Int;
        g.s.Wis = c.Wis;
        g.s.Doc = c.Doc;
        g.s.Fat = c.Fat;
        g.s.beer = c.beer;
        g.s.robb = c.robb;
        rng.set({});
        g.FeelingsClick();
        EXPECT_EQ(g.w.Thought.caption, c.remark) << c.remark;
        EXPECT_EQ(g.w.Thought.fontColor, c.color) << c.remark;
    }
}

TEST_F(Face, AQueuedRemarkStaysForItsHold) {
    struct Case { i32 hold, steps; };
    for (const Case c : {Case{0, 4}, Case{12, 12}, Case{1, 1}}) {
        wellPet();
        g.s.say("Клонируемся :)", clGradientActiveCaption);
        g.s.thoughtHold = c.hold;
        for (int step = 1; step <= c.steps; ++step) {
            g.FeelingsClick();
            EXPECT_EQ(g.w.Thought.caption, "Клонируемся :)") << c.hold << " step " << step;
            EXPECT_EQ(g.w.Thought.fontColor, clGradientActiveCaption);
        }
        EXPECT_TRUE(g.s.thoughtText.empty());
        g.FeelingsClick();
        EXPECT_EQ(g.w.Thought.caption, "Мне клёво!") << c.hold;
    }
}

TEST_F(Face, ARemarkDuringSleepIsNeverShown) {
    wellPet();
    g.s.procKind = pkSleep;
    g.s.say("Ой", clMaroon);
    for (int step = 0; step < 4; ++step) {
        g.FeelingsClick();
        EXPECT_EQ(g.w.Thought.caption, "ZZZzzz...");
        EXPECT_EQ(g.w.Thought.fontColor, clPurple);
    }
    EXPECT_TRUE(g.s.thoughtText.empty());
}

TEST_F(Face, TheBubbleGrowsWithItsText) {
    struct Case { int text, body, cap; };
    for (const Case c : {Case{121, 131, 398}, Case{120, 120, 387}, Case{50, 120, 387}, Case{258, 268, 535}}) {
        measure.width = c.text;
        g.FeelingsClick();
        EXPECT_EQ(g.w.Thought.width, c.text);
        EXPECT_EQ(g.w.ShapeBoubles0.width, c.body);
        EXPECT_EQ(g.w.ShapeBublR.left, c.cap);
        EXPECT_EQ(g.w.ShapeBoubles0.left, 278);
        EXPECT_EQ(g.w.ShapeBublL.left, 272);
    }
}

TEST_F(Face, TheFaceGrowsAndShrinksAboutItsCentre) {
    struct Case { i32 Fit, Fed, width, left; };
    for (const Case c : {Case{100, 120, 105, 270}, Case{-5, -30, 83, 281}, Case{50, 100, 99, 273}}) {
        g.s.Fit = c.Fit;
        g.s.Fed = c.Fed;
        g.FeelingsClick();
        EXPECT_EQ(g.w.Face.width, c.width) << c.Fit << " " << c.Fed;
        EXPECT_EQ(g.w.Face.left, c.left);
        EXPECT_EQ(g.w.Face.top, 28);
        EXPECT_EQ(g.w.Face.height, 97);
        EXPECT_EQ(g.w.mouth.x0, 302);
    }
    // Unchanged steps leave the face as it is.
    g.s.faceFitStep = 0;
    g.s.faceFedStep = 0;
    g.w.Face.width = 77;
    g.s.Fit = 30;
    g.s.Fed = 35;
    g.FeelingsClick();
    EXPECT_EQ(g.w.Face.width, 77);
}

TEST_F(Face, FirstStepWithTheStartingStepsKeepsTheDesignedFace) {
    ASSERT_EQ(g.s.faceFitStep, -1);  // the memory at start
    ASSERT_EQ(g.s.faceFedStep, -1);
    g.s.Fit = 20;  // (20 - 40) / 15 and (25 - 40) / 10 are both -1: a face of 91 if it were sized
    g.s.Fed = 25;
    g.FeelingsClick();
    EXPECT_EQ(g.w.Face.width, 93);
    EXPECT_EQ(g.w.Face.left, 276);
}

TEST_F(Face, TheClockBlinksOnlyWhileStopped) {
    g.FeelingsClick();
    EXPECT_TRUE(g.w.TimeLabel.visible);
    g.Pause1Click();
    g.FeelingsClick();
    EXPECT_FALSE(g.w.TimeLabel.visible);
    g.FeelingsClick();
    EXPECT_TRUE(g.w.TimeLabel.visible);
    g.FeelingsClick();
    g.Pause1Click();  // resuming shows it again
    EXPECT_TRUE(g.w.TimeLabel.visible);
}

TEST(FaceBeforeTheFirstGame, ShowsTheDesignedBubbleAndNoMouth) {
    WindowModel w;
    EXPECT_EQ(w.Thought.caption, "Ба-а-абу-у-ушка-аа испеки меня-я-яя");
    EXPECT_EQ(w.Thought.fontColor, clNavy);
    EXPECT_FALSE(w.mouth.visible);
    EXPECT_FALSE(w.AnimateTimer.enabled);
}

}  // namespace
}  // namespace pet::test
