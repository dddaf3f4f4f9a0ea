#include "support.h"

namespace pet::test {
namespace {

using WindowCommands = GameTest;

TEST_F(WindowCommands, ExitAsksAndClosesOnlyOnYes) {
    dialogs.answers = {Answer::No, Answer::Yes};
    g.ExitClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, "Выход?");
    EXPECT_EQ(dialogs.shown[0].text, "Хочешь кинуть Пухтяша на произвол судьбы?\nЕго же съедят!!!");
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(g.w.closeRequested);
    EXPECT_EQ(g.s.thoughtText, "Не наааадо! Ну остааааньсяяяя!!!! ;(");
    EXPECT_EQ(g.s.thoughtColor, clMaroon);
    g.ExitClick();
    EXPECT_TRUE(g.w.closeRequested);
}

TEST_F(WindowCommands, HintSwitchesToggle) {
    EXPECT_FALSE(g.w.showHint);
    g.HintsOFFClick();
    EXPECT_TRUE(g.w.showHint);
    EXPECT_FALSE(g.w.menu.HintsOFF.checked);
    g.HintsOFFClick();
    EXPECT_FALSE(g.w.showHint);

    g.HintsBarOFFClick();
    EXPECT_FALSE(g.w.sbBar.visible);
    EXPECT_TRUE(g.w.menu.HintsBarOFF.checked);
    EXPECT_EQ(g.w.clientHeight, 233 - 19);
    g.DisplayHint("Пухтяш");  // hints still reach the hidden bar
    EXPECT_EQ(g.w.sbBar.caption, "Пухтяш");
    g.HintsBarOFFClick();
    EXPECT_TRUE(g.w.sbBar.visible);
    EXPECT_EQ(g.w.clientHeight, 233);

    g.SaveLoad1Click();
    EXPECT_TRUE(g.s.confirmSaveLoad);
    EXPECT_TRUE(g.w.menu.SaveLoad1.checked);
}

TEST_F(WindowCommands, WebSiteAndMailGoToTheShell) {
    g.WebSite1Click();
    EXPECT_EQ(g.s.thoughtText, std::string(kWebSite) + " ЭТА КРУТА! :)");
    EXPECT_EQ(g.s.thoughtHold, 12);
    g.email1Click();
    EXPECT_EQ(g.s.thoughtText, "Чё ГЛЮК какой-то нашел#%ERROR@ :)");
    EXPECT_EQ(g.s.thoughtHold, 12);
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], std::string("explorer.exe|") + kWebAddress + "|3");
    EXPECT_EQ(shell.opened[1], std::string("mailto:") + kEmailAddress + "||5");
}

TEST_F(WindowCommands, AboutAndTipsAreOkBoxes) {
    g.N9Click();
    g.N10Click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].caption, "Чиста про...");
    EXPECT_NE(dialogs.shown[0].text.find("\n\nНовые версии на сайте :\n"), std::string::npos);
    EXPECT_EQ(dialogs.shown[1].caption, "Полезные Советы...");
    EXPECT_EQ(dialogs.shown[1].text.back(), '\n');
    for (const ShownBox& b : dialogs.shown) EXPECT_EQ(b.buttons, Buttons::Ok);
}

TEST_F(WindowCommands, OnlyShiftCtrlAltRevealsMax) {
    struct Case { bool shift, ctrl, alt, shown; };
    const Case cases[] = {{true, true, false, false}, {true, false, true, false},
                          {false, true, true, false}, {true, true, true, true}};
    for (const Case& c : cases) {
        g.w.MaximizeAll.visible = false;
        g.FormMouseDown(c.shift, c.ctrl, c.alt);
        EXPECT_EQ(g.w.MaximizeAll.visible, c.shown);
    }
    g.FormMouseDown(true, true, true);
    EXPECT_FALSE(g.w.MaximizeAll.visible);
}

}  // namespace
}  // namespace pet::test
