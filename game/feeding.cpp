// Feeding: the meal chosen in the menu beside the button.
#include <array>

#include "game/game.h"

namespace pet {

namespace {

struct Meal {
    i32 price;
    i32 duration;  // ticks
};

constexpr std::array<Meal, 8> kMeals = {{{2, 7}, {8, 10}, {12, 15}, {10, 8}, {20, 16}, {22, 20}, {30, 38}, {60, 45}}};

}  // namespace

void Game::FeedClick() {
    if (s.Fed > 100) {
        s.say("Не хочу я есть ... Я хочу пить :)", clMaroon);
        return;
    }
    std::size_t meal = 4;
    const auto meals = w.meals();
    for (std::size_t i = 0; i < meals.size(); ++i)
        if (meals[i]->checked) meal = i;
    const Meal& m = kMeals[meal];
    if (s.money < m.price) {
        dialogs().messageBox("Нет бабок нормально похавать", "Работай лучше", Buttons::Ok);
        return;
    }
    s.money = sub(s.money, m.price);
    s.procKind = pkEating;
    if (m.price >= 10 && s.Mod < -10) s.Mod = -10;

    switch (meal) {
        case 0:  // bread and water
            s.Mod = sub(s.Mod, r(sub(7, s.Doc / 19)));
            s.Fat = sub(s.Fat, 5);
            s.Fit = sub(s.Fit, 1 + r(2));
            s.Fed = add(s.Fed, 1);
            s.mealFedRate = 4;
            s.mealDocPeriod = -2;
            break;
        case 1:  // sandwiches
            s.Fat = sub(s.Fat, 1);
            s.Fit = sub(s.Fit, 1);
            s.Fed = add(s.Fed, 1);
            s.mealFedRate = 3;
            s.mealDocPeriod = -5;
            break;
        case 2:  // potatoes and meat
            s.Mod = sub(s.Mod, r(sub(10, s.Doc / 19)));
            s.Fed = add(s.Fed, 1);
            s.mealFedRate = 4;
            s.mealDocPeriod = -3;
            break;
        case 3:  // ice cream
            s.Mod = add(s.Mod, r(5));
            if (s.Fit < 70) s.Fit = sub(s.Fit, 2 + r(2));
            else s.Fit = sub(s.Fit, 1);
            s.Fed = add(s.Fed, 1);
            s.mealFedRate = 0;
            s.mealModRate = 6;
            s.mealDocPeriod = 1;
            break;
        case 4:  // seafood
            s.Mod = add(s.Mod, r(5));
            s.Int = add(s.Int, 3);
            s.Fit = add(s.Fit, 3);
            s.Fed = add(s.Fed, 1);
            s.mealFedRate = 3;
            s.mealDocPeriod = -10;
            break;
        case 5: {  // fast food
            s.Mod = add(s.Mod, r(5));
            s.Int = sub(s.Int, 2);
            const i32 fit = s.Fit;
            const i32 loss = r(2);
            s.Fit = sub(s.Fit, add(add(loss, fit / 60), fit / 80));
            s.mealFedRate = 2;
            s.mealModRate = 4;
            s.mealDocPeriod = 2;
            break;
        }
        case 6:  // dinner at a restaurant
            s.Mod = add(s.Mod, r(5));
            s.Wis = add(s.Wis, 2);
            s.Fed = add(s.Fed, 1);
            s.mealFedRate = 2;
            s.mealModRate = 1;
            s.mealDocPeriod = 5;
            break;
        default:  // a feast
            s.Mod = add(s.Mod, r(5));
            s.Fed = add(s.Fed, 2);
            s.mealFedRate = 2;
            s.mealModRate = 5;
            s.mealDocPeriod = 2;
            break;
    }
    startProcess(pkEating, m.duration);
}

}  // namespace pet
