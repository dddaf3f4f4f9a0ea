// What the gym, eating, fun, learning, punishment and sleep do at every tick,
// and which effects a running process gets.
#include "game/game.h"

namespace pet {

namespace {

constexpr bool every(i32 timer, i32 n) { return timer % n == 0; }

}  // namespace

bool Game::processEffects() {
    const i32 t = s.timer;
    switch (s.procKind) {
        case pkBeg:
        case pkSweep:
        case pkLoader:
        case pkBaker:
        case pkHacker:
            workEffects();
            return true;
        case pkRobbery:
            return robberyEffects();
        case pkGym: {
            if (every(t, 5)) {
                s.Fit = add(s.Fit, r(3));
                s.Int = add(s.Int, r(5) / 4);
                s.Mod = add(s.Mod, r(s.Fit / 95 + s.Fit / 80 + s.Fit / 60 + 1));
            }
            if (s.Fed <= 80) {
                s.Fit = add(s.Fit, r(11) / 9);
            } else {
                s.Fit = add(s.Fit, r(16) / 15);
                s.Fed = sub(s.Fed, 1);
            }
            const i32 d = add(div(sub(100, s.Fit), 30), 1);
            s.Fat = sub(s.Fat, add(r(d), 1));
            const i32 burnt = r(d);
            s.Fed = sub(s.Fed, add(add(add(burnt, s.Fed / 60), s.Fed / 100), 1));
            return true;
        }
        case pkEating:
            if (s.Fed < 100) s.Fed = add(s.Fed, add(s.mealFedRate, 1));
            else s.Fed = add(s.Fed, r(add(mul(2, s.mealFedRate), 2)) / 2);
            if (every(t, 3)) s.Mod = add(s.Mod, s.mealModRate);
            if (every(t, 20)) s.Fit = sub(s.Fit, 1);
            if (s.mealDocPeriod != 0 && mod(t, s.mealDocPeriod) == 0)
                s.Doc = s.mealDocPeriod > 0 ? add(s.Doc, 1) : sub(s.Doc, 1);
            return true;
        case pkFun:
            funEffects();
            return true;
        case pkLearning:
            learningEffects();
            return true;
        case pkPunish:
            if (every(t, 5)) {
                s.Int = sub(s.Int, r(11) / 9);
                s.Fit = sub(s.Fit, r(11) / 9);
            }
            s.Doc = add(s.Doc, r(add(s.Int / 22, 3)));
            s.Mod = sub(s.Mod, r(3) + 3);
            return true;
        case pkSleep:
            s.Fat = add(s.Fat, 1);
            if (every(t, 7)) s.Mod = add(s.Mod, sub(r(4) + 1, s.cafe / 2));
            if (every(t, 30)) s.beer = sub(s.beer, r(2) + 1);
            if (every(t, 7)) {
                // Alcohol deepens the sleep, caffeine spoils it.
                const i32 depth = sub(sub(mul(2, s.beer), mul(2, s.cafe)), s.drug / 2);
                s.Fat = add(s.Fat, div(add(mul(depth, 3), 3), 4));
                if (s.cafe > 0) w.LabelCafe.fontColor = clRed;
            }
            if (s.Fat == 100) s.procKind = pkIdle;  // wide awake; the clock stays busy until the planned end
            return true;
        default:
            return true;
    }
}

void Game::funEffects() {
    const i32 t = s.timer;
    if (s.procVariant == pvDisco) {
        s.Mod = add(s.Mod, div(add(s.beer, s.drug), 4));
        if (every(t, 2)) s.Fat = sub(s.Fat, 1);
        if (every(t, 6)) s.Fed = sub(s.Fed, 1);
        if (every(t, 10)) {
            s.Fed = sub(s.Fed, 1);
            s.Fat = sub(s.Fat, 1);
        }
        if (every(t, 21)) {
            s.Fit = add(s.Fit, 1);
            s.Doc = add(s.Doc, 1);
        }
        return;
    }
    // The computer club, the brothel, and whatever else the pet went out for.
    const i32 buzz = r(s.cafe);
    s.Mod = add(s.Mod, add(div(add(add(add(buzz, mul(2, s.beer)), s.drug), 1), 3), 1));
    s.Wis = add(s.Wis, r(7) / 6);
    if (every(t, 5)) {
        s.Fed = sub(s.Fed, 1);
        s.Fat = sub(s.Fat, 1);
        s.Doc = add(s.Doc, 1);
    }
    if (s.procVariant == pvBrothel) {
        s.Mod = add(s.Mod, 1);
        s.Fat = sub(s.Fat, r(sub(10, s.Fit / 33)) / 6 + 2);
        s.Fit = add(s.Fit, r(6) / 5);
    }
}

void Game::learningEffects() {
    const i32 t = s.timer;
    switch (s.procVariant) {
        case pvTeach:
            if (every(t, 10)) {
                s.Mod = sub(s.Mod, r(sub(12, s.Doc / 12)));
                s.Doc = add(s.Doc, r(add(s.Int / 30, 3)));
                if (s.Wis < 80) s.Wis = add(s.Wis, r(sub(90, s.Wis)) / 20 + 1);
                else s.Wis = add(s.Wis, r(3) / 2);
                if (s.Int < 30) s.Int = add(s.Int, r(8) / 7);
                else s.Int = add(s.Int, r(16) / 15);
            }
            if (every(t, 5)) s.Fat = sub(s.Fat, 1);
            return;
        case pvRead:
            if (every(t, 35)) s.Int = add(s.Int, r(add(s.Wis / 50, 2)));
            if (every(t, 8)) {
                s.Wis = add(s.Wis, add(r(add(s.Int / 22, 2)), 1));
                s.Doc = add(s.Doc, sub(r(add(s.Int / 30, 2)), 1));
            }
            if (every(t, 3)) {
                s.Fat = sub(s.Fat, r(3));
                s.Fed = sub(s.Fed, 1);
            }
            s.Mod = add(s.Mod, sub(r(add(s.Int / 22, 2)), 1));
            return;
        case pvSchool:
            if (every(t, 25)) {
                s.Int = add(s.Int, 1);
                s.Doc = sub(s.Doc, 1);
            }
            if (every(t, 7)) {
                if (s.Wis < 100) s.Wis = add(s.Wis, r(add(s.Int / 24, div(sub(100, s.Wis), 24))));
                else s.Wis = add(s.Wis, r(add(s.Int / 33, 1)));
                s.Doc = sub(s.Doc, r(div(sub(100, s.Int), 20)));
            }
            if (every(t, 6)) {
                s.Fat = sub(s.Fat, r(5));
                s.Fed = sub(s.Fed, 1);
                s.Mod = sub(s.Mod, r(4) / 3 + 1);
            }
            return;
        default:
            dialogs().messageBox("pWis:default _DEBUG_", "", Buttons::Ok);
            return;
    }
}

}  // namespace pet
