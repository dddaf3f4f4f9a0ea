// Taking a job: who refuses the pet and why, and what the start costs.
#include "game/game.h"

namespace pet {

void Game::refuse(const char* text, const char* caption, const char* remark) {
    dialogs().messageBox(text, caption, Buttons::Ok);
    if (remark != nullptr) s.say(remark, clMaroon);
}

void Game::WorkBeggClick() {
    if (s.Doc < 30 && s.Fit > 80) {
        s.say("Сам пошел туда козёл.", clMaroon);
        return;
    }
    s.Mod = sub(s.Mod, 1);
    s.Doc = sub(s.Doc, 5);
    startProcess(pkBeg, 120);
}

void Game::WorkCleanClick() {
    if (s.beer > 4)
        return refuse("Пухтяш не в состоянии даже опереться на метлу.", "Двоится в глазах",
                      "В тёмно-синем лесу, где ИК! осины...");
    if (s.drug > 2)
        return refuse("Пухтяш начинает только гоняться с метлой за прохожими. :)", "Глючит",
                      "КУУУЗЯЯЯЯ Стой! Ты зачем усы сбрил!?");
    s.Mod = sub(s.Mod, 3);
    s.Doc = sub(s.Doc, 4);
    startProcess(pkSweep, 120);
}

void Game::WorkWorkerClick() {
    if (s.Fit < 66)
        return refuse("Нам хилые пончики не нужны. \nИди метлой махай или в теннис играй.\n(Сила<66)", "Иди на...",
                      nullptr);
    if (s.Fat < 25 || s.beer > 4) return refuse("Иди проспись.\nПотом приходи.", "Пошёл на...", nullptr);
    s.Mod = times(s.Mod, 0.9);
    startProcess(pkLoader, 160);
}

void Game::WorkBakerClick() {
    if (s.Wis < 60 || s.Int < 10)
        return refuse("Нам тупые (без павидла) пухтяши не нужны.\nИди учись чернорабочий.\n(Знания<60 или Интелект<10)",
                      "Иди работай грузчиком", nullptr);
    if (s.Fit < 25) return refuse("Нам больные пухтяши не нужны.\n У нас своих хватает. :)", "", nullptr);
    if (s.Fat < 20 || s.beer > 2)
        return refuse("Иди поспи а потом приходи, тогда и договоримся о работе.", "", nullptr);
    startProcess(pkBaker, 160);
}

void Game::WorkRobberClick() {
    if (s.drug > 3)
        return refuse("Пухтяш начинает тыкать в скворечник отмычкой и ругаться. :)", "Глючит, зайдите позже :)",
                      "Вот е%@#№й скворечник!!! :(");
    if (s.beer > 5) {
        s.Fit = sub(s.Fit, 5);
        return refuse("Пухтяш разбил голову и обблевал все отмычки как-раз перед входом в магазин.",
                      "Облом, голова трещит", "Да е%@#ь слона в ж%$@!!! :(");
    }
    s.robb = add(s.robb, 1);  // counts even if the robbery is broken off
    startProcess(pkRobbery, 40);
}

void Game::WorkXakepClick() {
    if (s.drug > 3) {
        dialogs().messageBox("Пухтяш начинает бегать за мышкой, кататься по полу и мяукать. :)",
                             "Глючит, зайдите позже :)", Buttons::Ok);
        s.say("Мяяяяууу Мяяяяяу ШШШШшшшш!!! :)", clGreen);
        return;
    }
    if (s.beer >= 10 && s.beer <= 12) {  // the drunk genius
        s.Mod = add(s.Mod, 25);
        s.Int = add(s.Int, 2);
        s.Wis = add(s.Wis, 10);
        s.Fat = add(s.Fat, 15);
        s.beer = sub(s.beer, 5);
        dialogs().messageBox("Пухтяш нашел часть source coda вселенной и готов пойти взять ещё квадрат пива.",
                             "Hit any puhtyash to continue...", Buttons::Ok);
        s.say("Я ... ИК ... ГЕНИЙ !!! :)", clGreen);
        s.thoughtHold = 8;
        return;
    }
    if (s.beer >= 13) {  // the drunk hacker
        s.Mod = add(s.Mod, 60);
        dialogs().messageBox("Пухтяш взломал Pentagon, Microsoft и jokes.example.org",
                             "Hit any puhtyash to continue...", Buttons::Ok);
        s.say("Факинговые Мастдаи !!! :)", clGreen);
        s.thoughtHold = 8;
        return;
    }
    if (s.Wis < 80 || s.Int < 60) {
        dialogs().messageBox(
            "Нам нужны рабочие поумнее тупых пекарей.\nОбязательно знание ООП, C++, WinAPI, Scripts.\n(Знания<80, "
            "Интелект<60)",
            "Иннна", Buttons::Ok);
        s.say("Нипонил ... Че сказал то? ", clMaroon);
        s.thoughtHold = 8;
        return;
    }
    startProcess(pkHacker, 100);
}

}  // namespace pet
