// What the six jobs do at every tick, what they pay on their last tick, and
// how a robbery ends.
#include <cstdio>

#include "game/game.h"

namespace pet {

void Game::workEffects() {
    const bool last = s.timer == sub(s.procEnd, 1);
    switch (s.procKind) {
        case pkBeg: {
            const i32 coins = r(3);
            const i32 generous = r(100) / 99;
            s.money = add(s.money, coins + generous * 30);
            s.Mod = sub(s.Mod, r(2));
            s.Fat = sub(s.Fat, r(2));
            s.Fit = sub(s.Fit, r(21) / 20);
            break;
        }
        case pkSweep:
            if (s.Fit < 46) s.Fat = sub(s.Fat, r(5) / 2);
            else if (s.Fit < 70) s.Fat = sub(s.Fat, r(6) / 3);
            else s.Fat = sub(s.Fat, r(5) / 3);
            if (s.Wis >= 20) s.money = add(s.money, r(11) / 6);
            if (last) {
                s.money = add(s.money, 120 + r(31));
                s.Mod = add(s.Mod, 1 - r(15));
            }
            break;
        case pkLoader:
            if (s.Fit < 60) s.Fat = sub(s.Fat, r(9) / 4);
            else if (s.Fit < 80) s.Fat = sub(s.Fat, r(8) / 4);
            else s.Fat = sub(s.Fat, r(6) / 3);
            s.Fit = add(s.Fit, r(16) / 15);
            if (last) {
                s.money = add(s.money, 200 + r(51));
                s.Mod = add(s.Mod, 3 - r(15));
            }
            break;
        case pkBaker:
            if (s.Fit < 35 || s.Wis < 70 || s.Int < 40) s.Fat = sub(s.Fat, r(5) / 2);
            else if (s.Fit < 50 || s.Wis < 90 || s.Int < 55) s.Fat = sub(s.Fat, r(5) / 3);
            else s.Fat = sub(s.Fat, r(6) / 4);
            s.Fed = add(s.Fed, r(2));  // the baker eats on the job
            if (last) {
                s.money = add(s.money, 300 + r(51));
                s.Mod = add(s.Mod, 5 - r(11));
            }
            break;
        case pkHacker:
            if (s.Wis < 90) {
                s.Wis = add(s.Wis, r(11) / 10);
                s.Fat = sub(s.Fat, r(11) / 6);
            } else if (s.Int < 85) {
                s.Int = add(s.Int, r(11) / 10);
                s.Fat = sub(s.Fat, r(11) / 7);
            } else {
                s.Int = add(s.Int, r(21) / 20);
                s.Fat = sub(s.Fat, r(11) / 8);
            }
            if (s.Wis > 100 && s.Int > 89) s.money = add(s.money, r(3));
            s.Wis = add(s.Wis, r(16) / 15);
            s.Mod = add(s.Mod, r(11) / 7);
            if (last) {
                s.money = add(s.money, 350 + r(151));
                s.Mod = add(s.Mod, 7 - r(11));
            }
            break;
        default:
            break;
    }
}

bool Game::robberyEffects() {
    s.Wis = add(s.Wis, r(11) / 10);
    s.Mod = add(s.Mod, 1 - r(3));
    s.Fat = sub(s.Fat, r(6) / 3);
    if (s.timer != sub(s.procEnd, 1)) return true;

    i32 p = RobberyChance();
    if (p > 98) p = 98;
    if (p < 1) p = -1;  // a certain capture
    const i32 roll = r(100) + 1;
    if (roll / p != 0) {  // spotted
        const bool escaped = r(120) < add(s.Int, s.Wis) / 2 && p != -1;
        if (!escaped) {
            w.RedHole.visible = true;
            // The clock runs on behind these boxes: later ticks may pass first.
            dialogs().messageBox(
                "†††  Твоё зверьё было убито ментами  †††\nМеркантильный Пухтяш позарился на чужие конфетки.", "Аминь",
                Buttons::Ok);
            s.Fit = -10;
            return false;
        }
        dialogs().messageBox("Пухтяш вовремя заметил подставу.", "Пронесло", Buttons::Ok);
        s.Wis = add(s.Wis, r(10));
        return true;
    }
    const i32 a = r(truncToI32(static_cast<real>(p) * frac(3.33) + 300.0L)) / 2;
    const i32 b = add(sub(r(add(mul(4, p), 200)), p), 100);
    const i32 loot = r(2) == 1 ? a : b;
    char text[160];
    int n = std::snprintf(text, sizeof text, "Пухтяшу удалось спереть %d$", static_cast<int>(loot));
    if (r(3) == 0) {
        n += std::snprintf(text + n, sizeof text - static_cast<std::size_t>(n), "%s",
                           "\nА заодно и похавать печенюшек. :)");
        s.Fed = add(s.Fed, r(15) + 15);
    }
    s.money = add(s.money, loot);
    s.Mod = add(s.Mod, add(r(sub(100, p)), 15));
    dialogs().messageBox(std::string_view(text, static_cast<std::size_t>(n)), "Сегодня у Пухтяша просто пруха",
                         Buttons::Ok);
    return true;
}

}  // namespace pet
