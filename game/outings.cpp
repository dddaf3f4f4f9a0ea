// Outings: the computer club, the brothel and the disco.
#include <cstdio>

#include "game/game.h"

namespace pet {

namespace {

// Holds the game clock for a whole handler and releases it on every way out.
class ClockHold {
public:
    explicit ClockHold(Game& g) : g_(g) { g_.HoldClock(true); }
    ~ClockHold() { g_.HoldClock(false); }
    ClockHold(const ClockHold&) = delete;
    ClockHold& operator=(const ClockHold&) = delete;

private:
    Game& g_;
};

}  // namespace

void Game::btPlayGameOnPCClick() {
    if (s.money < 12) {
        dialogs().messageBox("Нет бабок на компьютерный клуб.", "", Buttons::Ok);
        s.say("Хочу ГАМИТЬ !!!! :(", clMaroon);
        return;
    }
    if (s.Fit < 80 && r(sub(add(s.Fit / 9, 10), mul(3, s.beer / 8))) == 0) {  // beaten up
        const i32 k = s.money / 30;
        i32 take = 0;
        if (k == 1 || k == 2) take = 5 + r(26);
        else if (k >= 3 && k <= 7) take = 15 + r(51);
        else if (k >= 8 && k <= 14) take = 30 + r(76);
        else take = 45 + r(101);
        char text[160];
        const int n = std::snprintf(text, sizeof text,
                                    "Пухтяшу надавали звиздюлей в клубе.\nПоиграли им в баскетболл\nи отобрали деньги "
                                    "(%d$).",
                                    static_cast<int>(take));
        dialogs().messageBox(std::string_view(text, static_cast<std::size_t>(n)), "Подонки блин ;(", Buttons::Ok);
        s.say("Долбаные уроды!!!", clMaroon);
        s.money = sub(s.money, take);
        s.Fit = sub(s.Fit, 15 + r(11));
        s.Fit = times(s.Fit, 0.7);
        s.Fat = sub(s.Fat, 25);
        s.Mod = truncToI32(static_cast<real>(s.Mod) - (static_cast<real>(s.Mod) * frac(0.25) + 30));
        s.Wis = add(s.Wis, 8);
        s.Doc = add(s.Doc, 10);
        return;
    }
    startProcess(pkFun, add(30, r(s.Int / 10)));
    s.Wis = add(s.Wis, r(3));
    s.Int = add(s.Int, r(4) - 1);
    s.Fit = sub(s.Fit, 1);
    s.procVariant = pvPcGame;
    s.money = sub(s.money, 12);
    // Next time, another game.
    if (r(3) == 0) w.btPlayGameOnPC.caption = "Погамить в Quake3";
    else if (r(2) == 0) w.btPlayGameOnPC.caption = "Погамить в Fallout2";
    else w.btPlayGameOnPC.caption = "Погамить в Diablo2";
}

void Game::btPenthouseClick() {
    if (s.money < 100) {
        dialogs().messageBox("Дэвищка сказала: \"Катись отсюда халявщик\".", "Трудовые Блудни", Buttons::Ok);
        s.say("Где бы денег взять ....", clMaroon);
        return;
    }
    bool protectedPet = dialogs().messageBox(
                            "Будем кондомы \"Парашют для Пухтяшей\" брать???\n(стоит 30$)\nЦель оправдывает "
                            "противозачаточные срeдства.",
                            "Без этого никуда", Buttons::YesNo) == Answer::Yes;
    if (protectedPet) {
        s.Wis = add(s.Wis, 5);
        s.Int = add(s.Int, 1);
        s.money = sub(s.money, 30);
    }
    if (protectedPet && s.beer > 3 && r(4) == 0) {
        dialogs().messageBox("Пухтяш так надрался, что забыл использовать презик.", "Все мозги пропил", Buttons::Ok);
        protectedPet = false;
        s.Wis = add(s.Wis, 5);
    }
    s.money = sub(s.money, 100);
    if (s.Fat < 35) {
        dialogs().messageBox("Деньги потратил, а удовольствие не получил.", "", Buttons::Ok);
        s.Mod = sub(s.Mod, 40);
        return;
    }
    startProcess(pkFun, 30);
    s.procVariant = pvBrothel;
    s.Wis = add(s.Wis, r(4));
    s.Doc = add(s.Doc, r(8));
    s.Fit = add(s.Fit, r(11) - 5);
    if (s.Mod < 10) s.Mod = 10;
    s.Mod = add(s.Mod, 10);
    s.Fat = sub(s.Fat, 10);
    if (s.Fit < 80 && !protectedPet && r(3) == 0) {
        dialogs().messageBox("Пухтяш подцепил какуюто херню.\nБлин теперь капать как из крана будет :(", "Б.Л.И.Н.",
                             Buttons::Ok);
        s.say("Чё это у меня павидло течет???", clMaroon);
        s.Mod = sub(s.Mod, 40);
        s.Fit = times(s.Fit, 0.15);
    }
}

void Game::btDiscoClick() {
    const i32 beers = s.beer < 5 ? sub(5, s.beer) : 0;
    const i32 price = add(60, mul(12, beers));
    const i32 moneyBefore = s.money;
    const ClockHold hold(*this);
    if (s.money < price) {
        dialogs().messageBox("Нет денег на пиво и/или вход (вход стоит 60$ + 5 пива x12$ = 120$).", "Обломчик",
                             Buttons::Ok);
        s.Mod = sub(s.Mod, 10);
        s.say("Фааак! А я договорился что приду ....", clMaroon);
        return;
    }
    if (dialogs().messageBox("Будем сухарики солёные брать???\n(стоит 12$)", "А как-же закусон", Buttons::YesNo) ==
        Answer::Yes) {
        s.Fed = add(s.Fed, 10);
        s.Fat = add(s.Fat, 10);
        s.Mod = add(s.Mod, 10);
        s.Doc = add(s.Doc, 10);
        s.money = sub(s.money, 12);
    }
    s.money = sub(s.money, price);
    s.beer = add(s.beer, beers);
    if (s.Fit < 10) {
        dialogs().messageBox("Сходил пухтяш на дискотеку с температурой,\n деньги потратил, а удовольствие не получил.",
                             "Хреново сходил", Buttons::Ok);
        s.Mod = sub(s.Mod, 40);
        s.say("Надо было поспать ... :(", clMaroon);
        return;
    }
    if (s.beer > 7) {
        dialogs().messageBox("Ну что сходил Чебуратор на дискотеку.\nОбблевал там всё блин.\nТолько деньги зря потратил.",
                             "Хреново сходил", Buttons::Ok);
        s.Mod = sub(s.Mod, 40);
        s.say("ООоох ... не помню что было :(", clMaroon);
        return;
    }
    scheduleProcess(add(80, r(mul(4, s.Fit)) / 10));  // the pet is out only once it has paid
    s.Mod = add(s.Mod, r(s.beer));
    s.Doc = add(s.Doc, r(11) - 4);
    s.Fed = sub(s.Fed, mul(r(3) - 2, s.beer));
    s.Fat = sub(s.Fat, r(add(mul(2, s.beer), 2)));
    const i32 hangover = r(div(mul(mul(s.beer, s.pill), 5), 3));
    s.Fit = sub(s.Fit, add(hangover, s.drug / 3));
    if (s.Doc > 30) {
        char text[96];
        const int n = std::snprintf(text, sizeof text, "Пухтяш потратил на всё : %d$",
                                    static_cast<int>(sub(moneyBefore, s.money)));
        dialogs().messageBox(std::string_view(text, static_cast<std::size_t>(n)), "Рапорт", Buttons::Ok);
    }
    if (s.Fit < 80 && r(5) == 4) {
        dialogs().messageBox("Пухтяш немного простудился:(", "Б.Л.И.Н.", Buttons::Ok);
        s.Mod = sub(s.Mod, 40);
        s.Fit = sub(times(s.Fit, 0.7), 7);
    }
    s.say("Нас не догооонят Нас неее догоняяят :8)", clGreen);
    s.thoughtHold = 12;
    s.procKind = pkFun;
    s.procVariant = pvDisco;
}

}  // namespace pet
