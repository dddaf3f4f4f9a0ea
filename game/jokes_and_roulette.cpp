// Telling the pet a joke, and Russian roulette.
#include "game/text_tables.h"
#include "game/game.h"

namespace pet {

void Game::btAnecdotClick() {
    HoldClock(true);
    const i32 i = r(15);
    const bool sulks = i < 6;  // the first six jokes are not funny to a bun
    if (sulks) {
        s.Mod = add(s.Mod, sub(s.beer, 10));
        s.Doc = sub(s.Doc, add(sub(2, s.beer / 3), s.drug));
        s.Fit = add(s.Fit, s.drug);
        s.thoughtColor = clMaroon;
    } else {
        s.Mod = add(s.Mod, add(mul(3, s.beer), 10));
        s.thoughtColor = clGreen;
    }
    s.Wis = add(s.Wis, add(r(4) / 3, s.beer / 3));
    dialogs().messageBox(anecdotes[static_cast<std::size_t>(i)], sulks ? "Анекдот   :(" : "Анекдот   :)", Buttons::Ok);
    s.thoughtText = sulks ? ":(" : ":)";
    HoldClock(false);
}

void Game::btPlayRussianRouletteClick() {
    reseed();
    if (!s.pistol) {
        if (dialogs().messageBox("Нет шести зарядного пистолета (он стоит 200$).\nКупить волыну?", "Нет пистолета",
                                 Buttons::YesNo) == Answer::Yes) {
            s.pistol = true;
            s.money = sub(s.money, 200);
            s.Doc = add(s.Doc, 10);
            s.Mod = sub(s.Mod, 10);
        }
        return;
    }
    if (s.money < 6) {
        dialogs().messageBox("Нехватает денег на один 9mm патрон. (стоит 6$)", "Нда-а-а", Buttons::Ok);
        return;
    }
    s.money = sub(s.money, 6);
    s.Fat = add(s.Fat, 10 + r(10));
    s.Doc = add(s.Doc, 10 + r(6));
    s.Wis = add(s.Wis, 1);

    const i32 d = add(add(s.Mod / 5, mul(5, s.beer)), 580);
    if (r(d) >= 100) {  // missed
        s.say("Фуу-у круто пронесло!!!", clGreen);
        s.Mod = add(s.Mod, 80);
        s.Wis = add(s.Wis, 1);
        s.Doc = add(s.Doc, 10);
        return;
    }
    s.say("Ааa a а ууч !!! :(", clMaroon);
    const i32 kept = 10 + r(41);  // percent of the health
    s.Fit = sub(truncToI32(static_cast<real>(kept) * frac(0.01) * static_cast<real>(s.Fit)), 10);
    s.Fed = sub(s.Fed, 30 + r(20));
    s.Int = sub(s.Int, r(add(s.Int / 5, 10)));
    s.Wis = sub(s.Wis, add(s.Wis / 5, 10));
    s.Mod = sub(s.Mod, 50);
    s.Doc = sub(s.Doc, 10);
    if (s.Fat > 0) s.Fat = times(s.Fat, 0.1);
    // The bullet hole moves on from where it is.
    w.RedHole.top = add(w.RedHole.top, r(6) - 1);
    w.RedHole.left = add(w.RedHole.left, r(9) - 4);
    w.RedHole.visible = true;
    w.AnimateTimer.enabled = !IsDead();  // a fatal shot freezes the face
    // Cross-eyed.
    w.LEyeX.left = w.LEye.left + w.LEye.width / 2 - w.LEyeX.width / 2 + 4;
    w.LEyeX.top = w.LEye.top + w.LEye.height / 2 - w.LEyeX.height / 2 - 3;
    w.REyeX.left = w.REye.left + w.REye.width / 2 - w.REyeX.width / 2 - 5;
    w.REyeX.top = w.REye.top + w.REye.height / 2 - w.REyeX.height / 2 - 1;
    dialogs().messageBox(
        "Ваааау,\nМеткое попадание оставило красивую\nмаленькую красненькую дырочку.\n\nВместо изюма теперь будет.",
        "Еее-ее-е-есть", Buttons::Ok);
}

}  // namespace pet
