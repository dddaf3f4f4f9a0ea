// Care and stimulants: the gym, medicine, the drug, beer, vodka, coffee,
// sleep and euthanasia.
#include "game/game.h"

namespace pet {

namespace {

// A dose starts a stopped clock of its substance.
void restart(i32& clock, i32 value) {
    if (clock == 0) clock = value;
}

}  // namespace

bool Game::pay(i32 price, const char* text, const char* caption, const char* remark) {
    if (s.money < price) {
        dialogs().messageBox(text, caption, Buttons::Ok);
        if (remark != nullptr) s.say(remark, clMaroon);
        return false;
    }
    s.money = sub(s.money, price);
    return true;
}

// Alcohol in the body turns any other dose into damage.
void Game::mixingDamage(i32 base) {
    const i32 damage = r(add(div(mul(s.pill, 5), 3), s.drug));
    if (s.beer != 0) s.Fit = sub(s.Fit, add(damage, base));
}

void Game::PillClick() {
    if (!pay(30, "Нет бабок на лечение Пухтяша:(", "Иди работай", nullptr)) return;
    if (s.Doc < 30 && r(3) == 0) {  // spat out
        HoldClock(true);
        s.say("ФУ БЯКА, нехочууууу", clMaroon);
        const Answer a = dialogs().messageBox(
            "\"ФУ БЯЯЯКА, нехочууууу\" :(\n\nТы этому шару для боулинга лекарство\nкупил, а этот Гад выплюнул его "
            "в окно.\nНаказать?",
            "Выплюнул ...", Buttons::YesNo);
        HoldClock(false);
        if (a == Answer::Yes) {
            s.Doc = add(s.Doc, 12);
            PunishClick();
            return;
        }
    }
    s.pill = add(s.pill, 3);
    restart(s.pillClock, 40);
    s.Fed = sub(s.Fed, add(10, r(div(mul(s.pill, 5), 3))));
    s.Mod = sub(s.Mod, r(15));
    s.Int = sub(s.Int, add(1, r(3)));
    s.Doc = sub(s.Doc, r(8));
    s.Fit = add(s.Fit, div(sub(100, s.Fit), 8));
    mixingDamage(1);
}

void Game::DrugClick() {
    if (!pay(60, "Нет бабок на калёса ;[\nБарыга приехал, увидел Пухтяша без карманов и уехал.", "Иди воруй бабки",
             "Ладно буду вести здоровый образ жизни"))
        return;
    s.drug = add(s.drug, 3);
    restart(s.drugClock, 60);
    s.Wis = sub(s.Wis, r(add(s.drug / 3, 2)));
    s.Int = sub(s.Int, add(2, r(add(div(mul(s.drug, 3), 4), 2))));
    s.Fit = sub(s.Fit, div(mul(s.drug, 3), 4));
    const i32 size = r(6);
    s.Doc = add(s.Doc, mul(size, r(3) - 1));
    s.Mod = add(s.Mod, add(mul(s.drug, 3), 10));
    if (s.Fat > 0) s.Fat = add(s.Fat, 50);
    mixingDamage(1);
}

void Game::BeerClick() {
    if (!pay(12, "Нет бабок даже на пивище :(", "Оооо-о-о-о не-е-е-ет!!", "Оооо-о-о-о не-е-е-ет!!")) return;
    s.beer = add(s.beer, 1);
    restart(s.beerClock, 50);
    if (s.Mod < 0) s.Mod = add(s.Mod, 15);
    const i32 vigour = r(s.Fat) / 9;
    s.Mod = add(s.Mod, add(add(vigour, r(mul(s.beer, 5))), 12));
    s.Fed = add(s.Fed, sub(7, r(mul(s.beer, 2))));
    s.Fat = sub(s.Fat, r(add(s.beer, 6)));
    mixingDamage(1);
}

void Game::VodkaClick() {
    if (!pay(36, "Нет бабок на водку :(", "Фак!!", "Деньги-деньги дребеденьги ....")) return;
    s.beer = add(s.beer, 5);
    restart(s.beerClock, 50);
    if (s.Mod < 0) s.Mod = add(s.Mod, 40);
    const i32 vigour = r(s.Fat) / 6;
    s.Mod = add(s.Mod, add(add(vigour, r(mul(s.beer, 6))), 50));
    s.Fed = sub(s.Fed, r(times(s.beer, 2.5)));
    s.Fat = sub(s.Fat, r(add(s.beer, 10)));
    mixingDamage(3);
}

void Game::CafeClick() {
    if (!pay(6, "Нет бабок на сливки :)", "Облом", "Где бы денег взять ....")) return;
    s.cafe = add(s.cafe, 1);
    restart(s.cafeClock, 40);
    s.Fit = sub(s.Fit, r(div(mul(s.cafe, 3), 5)));
    s.Fed = add(s.Fed, add(2, r(4)));
    s.Mod = add(s.Mod, add(1, r(mul(s.cafe, 2))));
    s.Fat = add(s.Fat, sub(20, r(div(mul(s.cafe, 4), 3))));
}

void Game::FitnessClick() {
    if (s.Fed > 105) {
        s.say("Я так наелся что сейчас лопну :)", clMaroon);
        return;
    }
    if (s.money < 10) {
        dialogs().messageBox("Ты нам бабло несёшь, а мы тебя не трогаем, ПОНЯЛ???", "Нет бабок на вход", Buttons::Ok);
        s.say("Не и фиг с вами ...", clMaroon);
        return;
    }
    startProcess(pkGym, 30);
    s.money = sub(s.money, 10);
}

void Game::SleepClick() {
    if (s.Fed < 10) {
        s.say("Жрааа-аа-а-ать Хааа-аа-а-чу-у-у ...", clMaroon);
        return;
    }
    if (s.Mod < 0 && s.Doc < 80) {
        s.say("Расска-а-а-ажи  скааа-а-азку ...", clMaroon);
        return;
    }
    // The more tired, the longer. A rested pet (vigor 100 or more) still
    // sleeps one tick, so that the sleep always comes to its end.
    startProcess(pkSleep, sub(100, s.Fat));
    s.Wis = sub(s.Wis, 1);
}

void Game::LabelAlcoClick() {
    if (s.beer != 0) Vomit("Блээээээээ  :(");
}

void Game::EuthanasyClick() {
    s.say("ТЫ ЧЁ ЗАДУМАЛ? 8|", clMaroon);
    s.thoughtHold = 8;
    const Answer a = dialogs().messageBox(
        "Вы действительно хотите ширнуть Пухтяша изюмопаралитеческим павидлом?", "Эвтаназия?", Buttons::YesNo);
    // Yes brings the reagent's description first; the overdose follows
    // whatever the answer.
    if (a == Answer::Yes)
        dialogs().messageBox(
            "Изюмопаралитеческое павидло (ИПП) является смертельным реагентом.\nВступая в химическую реакцию с "
            "хлебобулочными изделиями, вызывает\nострые крахмально-мучные заболевания в мякишной области "
            "пухтяшей.\nВ результате приводит к летальному подгоранию внешней части корки и\nплесенным наростам по "
            "всей поверхности пухтяша.",
            "Эвтаназия", Buttons::Ok);
    s.drug = add(s.drug, add(10, r(10)));
    restart(s.drugClock, 12);
    s.pill = add(s.pill, add(10, r(10)));
    restart(s.pillClock, 8);
    s.beer = add(s.beer, add(10, r(10)));
    restart(s.beerClock, 10);
    s.cafe = add(s.cafe, add(10, r(10)));
    restart(s.cafeClock, 8);
    w.Face.brush = 6029274;  // pale yellow-green
    s.guardianAngel = false;
}

}  // namespace pet
