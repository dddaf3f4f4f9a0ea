// The animation step: the living face and the thought bubble.
#include "game/game.h"

namespace pet {

void Game::showRemark(const char* text, TColor color) {
    w.Thought.caption = text;
    w.Thought.fontColor = color;
}

void Game::idleRemark() {
    const PetState& p = s;
    if (p.Fit < 0 || p.Fed < -25 || p.Fat < -20) return showRemark("Мааама убей меня. :(", clRed);
    if (p.beer == 7 || p.beer == 8) return showRemark("Лааа-а-ай лааа-ай лалала-ай!!", clGreen);
    if (p.Fit <= 15 || p.beer >= 9) return showRemark("Ооох голова болит. :(", clMaroon);
    if (p.Mod <= -10) return showRemark("Скуука блин.", clMaroon);
    if (p.Mod < 50 && p.Doc < 10) return showRemark("Да Пошёл ты козёл.", clRed);
    if (p.Fat < 0) return showRemark("Поспать бы.", clOlive);
    if (p.Mod < 30 && p.Fed > 30 && p.Fat > 10 && p.beer < 3) return showRemark("Пивка бы что-ли.", clNavy);
    if (p.Fit >= 50 && p.Mod > 80 && p.Fed > 50 && p.Fat > 50) return showRemark("Всё зашибись!!! :)", clNavy);
    if (p.Fit >= 40 && p.Mod > 40 && p.Fed > 30 && p.Fat > 10) return showRemark("Мне клёво!", clNavy);
    if (p.Fit < 60 && p.Mod < 20 && p.Fed < 10 && p.Fat < 30 && p.Doc < 50)
        return showRemark("Жизнь - дерьмо. :(", clMaroon);
    if (p.Fit < 31 && p.Fed < 0) return showRemark("Мне плоховато.", clMaroon);
    if (p.Doc > 60 && p.Mod < 60 && p.Int > 40 && p.Wis > 50 && p.robb > 2)
        return showRemark("Блиин ...Я...был вором... :(", clMaroon);
    showRemark("Тра-ля-ля тополя.", clNavy);
}

// What the running process makes the pet look like and say.
void Game::processOverride(i32& hL, i32& hR, i32& v, i32& d1, i32& d2) {
    switch (s.procKind) {
        case pkGym:
            hL = hR = 0;
            v = -5;
            d1 = -10;
            d2 = 4;
            showRemark(r(2) != 0 ? "Я чувствую прилив сил" : "Таааак, ещё подход :0", clBlack);
            return;
        case pkEating:
            d1 = 4 + r(13);
            d2 = 2;
            showRemark(r(2) != 0 ? "Хрусть-хрусть" : "Ням-ям хрум-хрум", clTeal);
            return;
        case pkLearning:
            if (s.procVariant == pvTeach) {
                if (s.Wis > 100 || (s.Doc > 30 && s.Int > 30)) showRemark("Понятно - пригодится :)", clGreen);
                else showRemark(r(2) != 0 ? "Ну ты меня и паришь" : "Ну ты меня и паришь своим маразмом.", clGreen);
            } else if (s.procVariant == pvRead) {
                if (s.Wis > 100 || (s.Doc > 50 && s.Int > 30)) showRemark("Понятно - пригодится :)", clGreen);
                else if (s.Wis < 30 || s.Int < 30) showRemark(r(2) != 0 ? "Хмммм Че за буква?" : "Хмммм !", clMaroon);
                else showRemark(r(2) != 0 ? "Хмммм ... Интересно" : "Даааах ... Такой надуманый сюжет", clGreen);
            } else if (s.procVariant == pvSchool) {
                if (s.Doc < 45)
                    showRemark(r(2) != 0 ? "Не хочу учиться - хочу пивом упиться >:)" : "Учитель козёл >:)", clNavy);
                else if (add(s.Doc, s.Int) < 100) showRemark("Да учитель - ты умный :)", clNavy);
                else if (add(s.Int, s.Wis) > 150) showRemark("Все учителя глупые :(", clNavy);
                else showRemark("Задолбало, блин, учиться :(", clNavy);
            }
            return;
        case pkPunish:
            if (s.Doc < 30) showRemark("Да чё те надо! А! :(", clMaroon);
            else if (add(s.Doc, s.Int) < 80) showRemark("Ну понятно, понятно", clMaroon);
            else showRemark("Больше не буду", clGreen);
            return;
        case pkSleep:
            hL = -5;
            hR = 5;
            v = 5;
            d1 = -5;
            d2 = 1;
            showRemark("ZZZzzz...", clPurple);
            return;
        default:
            return;
    }
}

int Game::thoughtWidth() {
    if (ports_.measure != nullptr) return ports_.measure->textWidth(w.Thought);
    int chars = 0;
    for (unsigned char c : w.Thought.caption) chars += (c & 0xC0) != 0x80;
    return 7 * chars;
}

void Game::sizeFace() {
    const i32 fitStep = div(sub(s.Fit, 40), 15);
    const i32 fedStep = div(sub(s.Fed, 40), 10);
    if (fitStep == s.faceFitStep && fedStep == s.faceFedStep) return;
    s.faceFitStep = fitStep;
    s.faceFedStep = fedStep;
    const i32 half = div(add(fitStep, fedStep), 2);
    w.Face.width = add(93, mul(2, half));
    w.Face.left = sub(276, half);
}

void Game::FeelingsClick() {
    if (!w.GlobalTimer.enabled) w.TimeLabel.visible = !w.TimeLabel.visible;  // the clock blinks while stopped
    RefreshStatPanel();

    const i32 x0 = sub(add(w.Face.left, w.Face.width / 2), 20);
    const i32 y0 = add(add(w.Face.top, w.Face.height / 2), 8);

    // The mood's mouth; the stat panel has just capped Mod at 120.
    const i32 m = s.Mod;
    i32 d2 = -15;
    if (m >= 0 && m <= 5) d2 = m / 2 - 4;
    else if ((m >= 6 && m <= 10) || (m >= -9 && m <= -1)) d2 = m - 4;
    else if (m >= 11) d2 = m / 3;
    i32 d1 = 3 * d2 / 8;

    // Where the pupils look: down when hungry and tired, about when unwell.
    i32 v = add(div(sub(sub(100, s.Fed), s.Fat / 2), 30), 1);
    i32 hL = 0;
    i32 hR = 0;
    if (s.Fit < 10 || s.Fed < -20 || s.beer > 6 || s.drug > 5) {
        hL = r(3) - 1;
        hL *= r(3) + 3;
        hR = r(3) - 1;
        hR *= r(3) + 3;
    } else if (s.Fit < 25 || s.Fat < 0 || s.Fed < 0 || s.beer > 2 || s.drug != 0) {
        hL = r(3) - 1;
        hL *= r(3) + 1;
        hR = r(3) - 1;
        hR *= r(2) + 1;
    } else {
        const i32 k = r(4);
        hL = k;
        hR = -k;
    }

    if (!s.thoughtText.empty() && s.thoughtHold == 0) s.thoughtHold = 4;
    if (s.thoughtHold != 0) {
        w.Thought.caption = s.thoughtText;
        w.Thought.fontColor = s.thoughtColor;
    } else {
        idleRemark();
    }
    processOverride(hL, hR, v, d1, d2);

    if (s.thoughtHold > 0 && --s.thoughtHold == 0) s.thoughtText.clear();

    w.Thought.width = thoughtWidth();
    w.ShapeBoubles0.width = w.Thought.width > 120 ? w.Thought.width + 10 : 120;
    w.ShapeBublR.left = w.ShapeBoubles0.left + w.ShapeBoubles0.width - 11;

    sizeFace();

    w.LEyeX.left = add(w.LEye.left + w.LEye.width / 2 - w.LEyeX.width / 2, hL);
    w.LEyeX.top = add(w.LEye.top + w.LEye.height / 2 - w.LEyeX.height / 2, v);
    w.REyeX.left = sub(w.REye.left + w.REye.width / 2 - w.REyeX.width / 2, hR);
    w.REyeX.top = add(w.REye.top + w.REye.height / 2 - w.REyeX.height / 2, v);

    w.mouth = {true, x0, y0, d1, d2, d1 > 0};
}

}  // namespace pet
