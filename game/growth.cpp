// The growth levels and the victory.
#include <array>

#include "game/game.h"

namespace pet {

namespace {

struct Level {
    i32 Fit, Fed, Mod, Int, Wis, Doc, Fat;
    i32 notedAtMost;  // GrowthNotice may be at most this
    const char* text;
    const char* caption;
};

// Level 1 wants GrowthNotice exactly 0; in its text "c" is the Latin letter.
constexpr std::array<Level, 6> kLevels = {{
    {20, 30, 20, 5, 5, 10, 15, 0, "Зверьку c тобой более-менее нормально.", "Level 1"},
    {50, 80, 60, 15, 15, 25, 40, 1, "Зверёк с тобой более-менее развился.", "Level 2"},
    {60, 80, 70, 20, 25, 40, 50, 2, "Зверьку с тобой хорошо.", "Level 3"},
    {70, 90, 80, 40, 50, 60, 60, 3, "Зверьку с тобой очень хорошо.", "Level 4"},
    {80, 100, 90, 65, 75, 80, 70, 4, "Зверьку с тобой жить просто в кайф.", "Level 5"},
    {93, 100, 90, 93, 100, 90, 90, 5,
     "Ты вырастил Зверька с ооочень большой репой и лапами.\nТеперь он может голыми руками порвать Громилова ,обыграть "
     "в шахматы Ферзеева и задавить интелектом Винди Окошкина.",
     "Level 6"},
}};

}  // namespace

void Game::growthStep() {
    const char* text = nullptr;
    const char* caption = nullptr;
    for (std::size_t i = 0; i < kLevels.size() && text == nullptr; ++i) {
        const Level& l = kLevels[i];
        const bool noted = i == 0 ? s.GrowthNotice == 0 : s.GrowthNotice <= l.notedAtMost;
        if (noted && s.Fit >= l.Fit && s.Fed >= l.Fed && s.Mod >= l.Mod && s.Int >= l.Int && s.Wis >= l.Wis &&
            s.Doc >= l.Doc && s.Fat >= l.Fat) {
            text = l.text;
            caption = l.caption;
        }
    }
    if (text == nullptr && s.GrowthNotice == 6 && s.money > 1500) {
        text = "\t!!!\n\nТы вырастил Зверька и заработал много денег\n\n\t!!!";
        caption = "Level 7 - ПОБЕДА!!!";
    }
    if (text == nullptr) return;
    s.GrowthNotice = add(s.GrowthNotice, 1);
    HoldClock(true);
    dialogs().messageBox(text, caption, Buttons::Ok);
    HoldClock(false);
}

}  // namespace pet
