#include "support.h"

namespace pet::test {
namespace {

using StatPanel = GameTest;

TEST_F(StatPanel, ClampsAndColoursTheSevenStats) {
    enum Weight { Regular, Bold, Unchanged };
    struct Case {
        i32 PetState::*stat;
        i32 value, after;
        Widget WindowModel::*label;
        TColor color;
        Weight weight;
    };
    const Case cases[] = {
        {&PetState::Fit, 137, 100, &WindowModel::Label7, clNavy, Bold},
        {&PetState::Fit, 80, 80, &WindowModel::Label7, clNavy, Bold},
        {&PetState::Fit, 79, 79, &WindowModel::Label7, clNavy, Regular},
        {&PetState::Fit, 9, 9, &WindowModel::Label7, clRed, Regular},
        {&PetState::Fit, 10, 10, &WindowModel::Label7, clNavy, Regular},
        {&PetState::Fed, 116, 116, &WindowModel::Label8, clRed, Unchanged},
        {&PetState::Fed, 115, 115, &WindowModel::Label8, clNavy, Unchanged},
        {&PetState::Fed, 4, 4, &WindowModel::Label8, clRed, Unchanged},
        {&PetState::Fed, 5, 5, &WindowModel::Label8, clNavy, Unchanged},
        {&PetState::Fed, 125, 120, &WindowModel::Label8, clRed, Unchanged},
        {&PetState::Mod, -45, -45, &WindowModel::Label9, clRed, Unchanged},
        {&PetState::Mod, 5, 5, &WindowModel::Label9, clNavy, Unchanged},
        {&PetState::Mod, 121, 120, &WindowModel::Label9, clNavy, Unchanged},
        {&PetState::Int, -3, 0, &WindowModel::Label10, clRed, Regular},
        {&PetState::Int, 90, 90, &WindowModel::Label10, clWindowText, Regular},
        {&PetState::Int, 91, 91, &WindowModel::Label10, clWindowText, Bold},
        {&PetState::Int, INT32_MAX, 100, &WindowModel::Label10, clWindowText, Bold},
        {&PetState::Wis, 120, 120, &WindowModel::Label11, clWindowText, Bold},
        {&PetState::Wis, 101, 101, &WindowModel::Label11, clWindowText, Bold},
        {&PetState::Wis, 100, 100, &WindowModel::Label11, clWindowText, Regular},
        {&PetState::Wis, 9, 9, &WindowModel::Label11, clRed, Regular},
        {&PetState::Wis, INT32_MIN, 0, &WindowModel::Label11, clRed, Regular},
        {&PetState::Doc, 29, 29, &WindowModel::Label12, clRed, Unchanged},
        {&PetState::Doc, 30, 30, &WindowModel::Label12, clWindowText, Unchanged},
        {&PetState::Doc, -8, -8, &WindowModel::Label12, clRed, Unchanged},
        {&PetState::Doc, 101, 100, &WindowModel::Label12, clWindowText, Unchanged},
        {&PetState::Fat, 0, 0, &WindowModel::Label13, clRed, Unchanged},
        {&PetState::Fat, 1, 1, &WindowModel::Label13, clNavy, Unchanged},
        {&PetState::Fat, -20, -20, &WindowModel::Label13, clRed, Unchanged},
        {&PetState::Fat, 104, 100, &WindowModel::Label13, clNavy, Unchanged},
    };
    for (const Case& c : cases) {
        g.NewGameClick();
        g.s.*c.stat = c.value;
        Widget& label = g.w.*c.label;
        for (bool before : {false, true}) {  // the weight of the "unchanged" labels stays as it was
            label.bold = before;
            g.RefreshStatPanel();
            EXPECT_EQ(g.s.*c.stat, c.after) << label.name << " at " << c.value;
            EXPECT_EQ(label.fontColor, c.color) << label.name << " at " << c.value;
            EXPECT_EQ(label.bold, c.weight == Unchanged ? before : c.weight == Bold)
                << label.name << " at " << c.value;
        }
    }
}

TEST_F(StatPanel, ColoursTheSubstancesInThreeBands) {
    struct Case { i32 PetState::*level; Widget WindowModel::*label; i32 value; TColor color; };
    const Case cases[] = {
        {&PetState::beer, &WindowModel::AlcoLabel, -5, clWindowText},
        {&PetState::beer, &WindowModel::AlcoLabel, 1, clWindowText},
        {&PetState::beer, &WindowModel::AlcoLabel, 2, clGreen},
        {&PetState::beer, &WindowModel::AlcoLabel, 6, clGreen},
        {&PetState::beer, &WindowModel::AlcoLabel, 7, clMaroon},
        {&PetState::drug, &WindowModel::DrugLabel, 1, clWindowText},
        {&PetState::drug, &WindowModel::DrugLabel, 2, clMaroon},
        {&PetState::drug, &WindowModel::DrugLabel, 5, clMaroon},
        {&PetState::drug, &WindowModel::DrugLabel, 6, clRed},
        {&PetState::pill, &WindowModel::PharmLabel, 0, clWindowText},
        {&PetState::pill, &WindowModel::PharmLabel, 1, clGreen},
        {&PetState::pill, &WindowModel::PharmLabel, 9, clGreen},
        {&PetState::pill, &WindowModel::PharmLabel, 10, clRed},
        {&PetState::cafe, &WindowModel::CafeLabel, 1, clWindowText},
        {&PetState::cafe, &WindowModel::CafeLabel, 2, clGreen},
        {&PetState::cafe, &WindowModel::CafeLabel, 5, clGreen},
        {&PetState::cafe, &WindowModel::CafeLabel, 6, clMaroon},
    };
    for (const Case& c : cases) {
        g.s.*c.level = c.value;
        g.RefreshStatPanel();
        EXPECT_EQ((g.w.*c.label).fontColor, c.color) << (g.w.*c.label).name << " at " << c.value;
        g.s.*c.level = 0;
    }
}

TEST_F(StatPanel, TouchesNoNumberAndNoCaptionLabel) {
    g.s.Fit = 120;
    g.RefreshStatPanel();
    EXPECT_EQ(g.w.Label7.caption, "0");
    EXPECT_EQ(g.w.Label2.fontColor, clWindowText);
    EXPECT_EQ(g.w.AlcoLabel.caption, "0");
}

}  // namespace
}  // namespace pet::test
