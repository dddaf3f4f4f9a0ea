// What the substances in the body do: wearing off, the effects of every tenth
// tick, vomiting, and medicine.
#include "game/text_tables.h"
#include "game/game.h"

namespace pet {

// One level wears off: a level at 0 or below waits with its clock, a running
// clock counts down, and an expired one takes the amount off and restarts.
// Returns whether the amount is due, so that its draw comes only then.
bool Game::wearOffDue(i32& level, i32& clock) {
    if (level <= 0) {
        level = 0;
        return false;
    }
    if (clock != 0) {
        clock = sub(clock, 1);
        return false;
    }
    return true;
}

void Game::substancesWearOff() {
    if (wearOffDue(s.pill, s.pillClock)) {
        s.pill = sub(s.pill, r(6) / 5 + 1);
        s.pillClock = 40;
    }
    if (wearOffDue(s.drug, s.drugClock)) {
        s.drug = sub(s.drug, 1 - r(10) / 9);
        s.drugClock = 60;
    }
    if (wearOffDue(s.cafe, s.cafeClock)) {
        s.cafe = sub(s.cafe, add(r(add(s.cafe / 3, 1)), 1));
        s.cafeClock = 40;
    }
    if (wearOffDue(s.beer, s.beerClock)) {
        s.beer = sub(s.beer, add(r(add(s.beer / 4, 1)), 1));
        s.beerClock = 50;
    }
    if (wearOffDue(s.robb, s.robbClock)) {  // a cleverer pet is forgotten faster
        s.robb = sub(s.robb, add(r(add(s.Int / 40, 1)), 1));
        s.robbClock = 480;
    }
    for (i32* level : {&s.pill, &s.drug, &s.robb, &s.cafe, &s.beer})
        if (*level < 0) *level = 0;
}

void Game::tenthTickEffects() {
    // The mood lift of alcohol and drugs.
    s.Mod = truncToI32(static_cast<real>(s.Mod) + frac(1.5) * s.beer + static_cast<real>(s.drug));
    s.Fed = sub(s.Fed, s.beer / 3);
    s.Int = sub(s.Int, s.beer / 5);
    if (s.beer > 0) w.LabelAlco.fontColor = clGreen;

    // Caffeine keeps a sleeper restless.
    if (s.procKind == pkSleep && s.cafe > 0) {
        const i32 d = r(add(s.cafe, 1));
        s.Fat = add(s.Fat, add(s.drug / 2, d));
        if (d > 0) w.LabelCafe.fontColor = clGreen;
    }

    // The bullet hole heals.
    if (s.Fit > 59 || s.pill > 3) {
        w.RedHole.visible = false;
        w.RedHole.left = 316;
        w.RedHole.top = 33;
    }

    if (s.beer > 3 && r(sub(add(s.Fit / 8, 10), s.beer)) == 0 && r(3) != 0) {
        Vomit("Ихтиа-а-андр ... Блээээээээ  :(");
        w.LabelAlco.fontColor = clRed;
        return;  // no high after that
    }

    if (s.drug > 0 && r(sub(12, s.drug)) == 0 && r(4) != 0) {
        s.Int = sub(s.Int, 2);
        s.Mod = add(s.Mod, add(r(s.drug), 20));
        s.drug = sub(s.drug, r(2));
        s.say(highThoughts[static_cast<std::size_t>(r(4))], clGreen);
        w.LabelDrug.fontColor = clGreen;
    }
}

void Game::Vomit(const char* text) {
    s.Mod = sub(s.Mod, mul(4, s.beer));
    s.Mod = times(s.Mod, 0.9);
    s.Fed = sub(s.Fed, add(s.beer / 2, 10));
    s.Fit = sub(s.Fit, r(add(s.beer / 3, 2)));
    s.Fat = sub(s.Fat, s.beer);
    s.beer = sub(s.beer, r(3) + 1);
    s.say(text, clMaroon);
}

void Game::medicine() {
    if (s.pill >= 2 && s.pill <= 9 && mod(s.timer, add(add(s.beer / 3, 8 - s.pill / 2), s.drug / 2)) == 0) {
        // The medicine works; mixed with alcohol or drugs it also harms.
        if (s.Fit < 70) s.Fit = add(s.Fit, 1);
        s.Fed = sub(s.Fed, 2);
        s.Mod = sub(s.Mod, r(2));
        const i32 damage = r(add(add(s.beer, s.drug), 1));
        w.LabelPharm.fontColor = damage > 0 ? clRed : clGreen;
        if (damage > 0 && s.drug > 0) w.LabelDrug.fontColor = clRed;
        if (damage > 0 && s.beer > 0) w.LabelAlco.fontColor = clRed;
        s.Fit = sub(s.Fit, damage);
        setNumber(w.lDamage.caption, damage);
    } else if (s.pill > 7 && r(3) == 0) {
        // Too much of it.
        s.Fed = sub(s.Fed, 1);
        s.Mod = sub(s.Mod, 1);
        const i32 dose = r(add(mul(add(s.drug, 1), s.pill), 8)) / 8;
        const i32 damage = add(dose, r(2));
        s.Fit = sub(s.Fit, damage);
        if (damage > 0) {
            w.LabelPharm.fontColor = clRed;
            if (s.drug > 0) w.LabelDrug.fontColor = clMaroon;
        }
        setNumber(w.lDamage.caption, damage);
    }
}

}  // namespace pet
