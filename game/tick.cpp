// One tick of game time: three game minutes.
#include <cstdio>

#include "game/text_tables.h"
#include "game/game.h"

namespace pet {

namespace {

constexpr bool every(i32 timer, i32 n) { return timer % n == 0; }

}  // namespace

int Game::clockText(i32 timer, char* buf, int size) {
    const int day = timer / 480 + 1;
    const int hour = (timer / 20) % 24;
    const int minute = (timer % 20) * 3;
    const int n = std::snprintf(buf, static_cast<std::size_t>(size), "%d День, %d:%s%d", day, hour,
                                minute < 10 ? "0" : "", minute);
    return n < size ? n : size - 1;
}

void Game::GlobalTimerTimer() {
    reseed();                                   // 1
    s.timer = add(s.timer, 1);                  // 2
    showTime();                                 // 3
    for (Widget* x : {&w.LabelPharm, &w.LabelDrug, &w.LabelAlco, &w.LabelCafe})  // 4
        x->fontColor = clWindowText;
    if ((s.timer / 20) % 24 == 18 && s.timer % 20 == 0)  // 5: 18:00, the daily expense
        s.money = sub(s.money, 100);
    substancesWearOff();                        // 6
    if (observer != nullptr) observer->afterWearOff(*this);
    if (every(s.timer, 10)) tenthTickEffects(); // 7
    medicine();                                 // 8
    naturalDrift();                             // 9
    if (s.procEnd == s.timer) {                 // 10
        s.procKind = pkIdle;
        s.procVariant = 0;
        s.mealFedRate = 0;
        s.mealModRate = 0;
        SetGameSpeed(false);
    }
    reseed();                                   // 11
    if (s.procEnd > s.timer && !processEffects()) return;  // 12
    RefreshStatPanel();                         // 13
    if (observer != nullptr) observer->afterStatPanel(*this);
    showSchoolCaption();                        // 14
    showState();                                // 15 to 17
    showRobberyChance();                        // 18
    reseed();                                   // 19
    guardianAngelStep();                        // 20
    deathStep();                                // 21
    growthStep();                               // 22
    w.AnimateTimer.enabled = true;              // 23
}

void Game::showTime() {
    char text[64];
    const int n = clockText(s.timer, text, sizeof text);
    w.TimeLabel.caption.assign(text, static_cast<std::size_t>(n));
    char hint[96];
    const int m = std::snprintf(hint, sizeof hint, "Время : %s (%d)", text, static_cast<int>(s.timer));
    w.TimeLabel.hint.assign(hint, static_cast<std::size_t>(m < static_cast<int>(sizeof hint) ? m : sizeof hint - 1));
}

void Game::naturalDrift() {
    const i32 t = s.timer;
    const i32 k = s.procKind;
    if (every(t, 18) && k != pkGym) {  // a. health
        s.Fit = sub(s.Fit, r(11) / 5);
        if (s.Fit >= 75) s.Fit = add(s.Fit, r(5) / 4);
        else if (s.Fit <= 20) s.Fit = sub(s.Fit, r(3) + 1);
    }
    if (every(t, 4) && k != pkEating) {  // b. hunger
        const i32 loss = s.drug != 0 ? r(2) : r(11) / 8 + 1;
        s.Fed = sub(s.Fed, loss);
        if (s.Fed > 115) s.Fit = sub(s.Fit, r(3) / 2);
        if (s.Fed <= 0 && r(3) != 0) s.Mod = sub(s.Mod, 1);
    }
    if (every(t, 3) && k != pkEating && k != pkFun)  // c. mood
        s.Mod = sub(s.Mod, 1);
    if (every(t, 120) && k != pkLearning)  // d. intellect
        s.Int = sub(s.Int, r(2) + 1);
    if (every(t, 25) && k != pkLearning)  // e. knowledge
        s.Wis = sub(s.Wis, div(sub(140, s.Int), 30));
    if (every(t, 30) && k != pkLearning && k != pkPunish) {  // f. obedience
        const i32 d = div(sub(110, s.Int), 20);
        s.Doc = add(s.Doc, sub(1, r(d)));
    }
    if (every(t, 10) && k != pkSleep && k != pkEating)  // g. vigor
        s.Fat = sub(s.Fat, r(11) / 4);
}

void Game::showSchoolCaption() {
    const char* caption = "Отправить в школу";
    if (s.Wis < 10 || s.Int < 15) caption = "Отправить в ясли";
    else if (s.Wis > 65 && s.Int > 65) caption = "Отправить в университет";
    w.School.caption = caption;
}

void Game::showState() {
    const i32 stats[7] = {s.Fit, s.Fed, s.Mod, s.Int, s.Wis, s.Doc, s.Fat};
    const auto bars = w.statBars();
    const auto labels = w.statLabels();
    for (int i = 0; i < 7; ++i) {
        bars[i]->position = stats[i];
        setNumber(labels[i]->caption, stats[i]);
    }
    const bool known = s.procKind >= 0 && s.procKind < kProcKindCount;
    w.CurrentProcType.caption = known ? processNames[static_cast<std::size_t>(s.procKind)] : "";
    setNumber(w.AlcoLabel.caption, s.beer);
    setNumber(w.PharmLabel.caption, s.pill);
    setNumber(w.DrugLabel.caption, s.drug);
    setNumber(w.CafeLabel.caption, s.cafe);
    setNumber(w.Money.caption, s.money);
    setNumber(w.TotalBookRead.caption, s.book);
}

i32 Game::RobberyChance() const {
    i32 S = div(sub(s.Fit, 60), 10);
    S = add(S, div(sub(s.Wis, 60), 15));
    S = add(S, div(sub(s.Int, 50), 10));
    S = add(S, div(sub(s.Fat, 70), 25));
    S = add(S, div(sub(s.Fed, 80), 40));
    S = add(S, div(sub(s.Mod, 50), 30));
    const i32 V = add(sub(mul(add(S / 3, 10), 15), mul(s.robb, 10)), 10);
    return times(V, 0.55);
}

void Game::showRobberyChance() {
    i32 p = RobberyChance();
    if (p > 98) p = 98;
    if (p < 0) p = 0;
    char buf[96];
    const int n = std::snprintf(buf, sizeof buf, "Грабануть магазин  (вероятность %d%%)", static_cast<int>(p));
    w.WorkRobber.caption.assign(buf, static_cast<std::size_t>(n));
}

}  // namespace pet
