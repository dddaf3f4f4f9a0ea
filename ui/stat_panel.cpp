// The stat panel: upper clamps and the warning colours of the value labels.
#include "game/game.h"

namespace pet {

namespace {

void clampAbove(i32& v, i32 bound) {
    if (v >= bound) v = bound;
}

void band(Widget& label, i32 v, i32 low, i32 high, TColor middle, TColor top) {
    // clWindowText up to low, the middle colour up to high, the top colour above
    label.fontColor = v <= low ? clWindowText : v <= high ? middle : top;
}

}  // namespace

void Game::RefreshStatPanel() {
    clampAbove(s.Fit, 100);
    clampAbove(s.Fed, 120);
    clampAbove(s.Mod, 120);
    clampAbove(s.Int, 100);
    clampAbove(s.Wis, 120);
    clampAbove(s.Doc, 100);
    clampAbove(s.Fat, 100);
    if (s.Int < 0) s.Int = 0;
    if (s.Wis < 0) s.Wis = 0;

    w.Label7.fontColor = s.Fit < 10 ? clRed : clNavy;
    w.Label7.bold = s.Fit >= 80;
    w.Label8.fontColor = s.Fed < 5 || s.Fed > 115 ? clRed : clNavy;
    w.Label9.fontColor = s.Mod < 5 ? clRed : clNavy;
    w.Label10.fontColor = s.Int < 10 ? clRed : clWindowText;
    w.Label10.bold = s.Int >= 91;
    w.Label11.fontColor = s.Wis < 10 ? clRed : clWindowText;
    w.Label11.bold = s.Wis >= 101;
    w.Label12.fontColor = s.Doc < 30 ? clRed : clWindowText;
    w.Label13.fontColor = s.Fat < 1 ? clRed : clNavy;

    band(w.AlcoLabel, s.beer, 1, 6, clGreen, clMaroon);
    band(w.DrugLabel, s.drug, 1, 5, clMaroon, clRed);
    band(w.PharmLabel, s.pill, 0, 9, clGreen, clRed);
    band(w.CafeLabel, s.cafe, 1, 5, clGreen, clMaroon);
}

}  // namespace pet
