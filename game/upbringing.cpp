// Upbringing and school: punishment, teaching, reading and school.
#include "game/game.h"

namespace pet {

void Game::PunishClick() {
    if (s.Fit > 80) {
        s.say("Я тебе щас в нос дам, ПОНЯЛ???", clMaroon);
        return;
    }
    startProcess(pkPunish, 10);
    s.procVariant = pvPunish;
    const i32 size = r(3);
    s.Doc = add(s.Doc, mul(size, r(4) - 1));
    s.Mod = sub(s.Mod, r(6));
}

void Game::TeachClick() {
    if (s.Int > 80 || s.Wis > 100)
        dialogs().messageBox(
            "\"Ты что меня своим интеллектом задавить хочешь???\"\n\"Ладно, чё ты хотел???\"\n\"Кстати, Тебе череп не "
            "жмёт? :)\"",
            "Тебе череп не жмёт? :)", Buttons::YesNo);  // whatever the answer, the lesson goes on
    startProcess(pkLearning, 40);
    s.procVariant = pvTeach;
    s.Doc = add(s.Doc, r(s.Int / 18));
    s.Mod = sub(s.Mod, r(sub(10, s.Doc / 12)));
}

void Game::ReadBookClick() {
    if (s.procKind != pkIdle) return;
    if (s.Int < 10) {
        dialogs().messageBox("Дурик ещё читать не умеет. (Инт<10)", "Учи алфавит", Buttons::Ok);
        return;
    }
    if (s.Doc < 30 && s.Int < 60) {
        s.say("Нихачу-у ... Пашёл нафиг! С Новым Годом!", clMaroon);
        return;
    }
    // The price, about 4/11 of the intellect plus 5 dollars, in extended
    // precision: the factor is the double nearest to 2/11, a hair above it.
    constexpr double twoElevenths = 0.18181818181818182;
    const real price = 2.0L * static_cast<real>(s.Int) * frac(twoElevenths) + 5.0L;
    s.money = truncToI32(static_cast<real>(s.money) - price);
    s.book = add(s.book, (s.Int > 20) + (s.Int > 50) + (s.Int > 80));
    startProcess(pkLearning, 50);
    s.procVariant = pvRead;
}

void Game::SchoolClick() {
    if (s.Doc < 30 && r(3) != 0) {  // off to the beer with the lads instead
        s.beer = add(s.beer, 1);
        if (s.beerClock == 0) s.beerClock = 50;
        s.money = sub(s.money, 12);
        s.Mod = add(s.Mod, 20);
        s.Wis = sub(s.Wis, 3);
        s.Doc = add(s.Doc, 5);
        const Answer a = dialogs().messageBox(
            "\"Толстый кусок булки\" недошел до школы, а пошел с пацанами пиво пить.\nВыбить из него изюм?",
            "Попался пирожёк...", Buttons::YesNo);
        if (a == Answer::Yes) {
            if (s.Mod > 10) s.Mod = sub(s.Mod, 10);
            s.Doc = add(s.Doc, 10);
            PunishClick();
        }
        return;
    }
    s.money = sub(s.money, 5);
    startProcess(pkLearning, add(80, r(40)));
    s.procVariant = pvSchool;
    if (s.Mod < -25) s.Mod = -25;
    if (s.Fat < -5) s.Fat = -5;
    s.Doc = add(s.Doc, sub(1, r(sub(10, s.Int / 10))));
    s.Mod = add(s.Mod, sub(1, r(sub(15, s.Int / 10))));
}

}  // namespace pet
