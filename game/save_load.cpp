// Freezing the pet into the save file and bringing it back.
#include "game/errors.h"
#include "game/game.h"

namespace pet {

void Game::SaveClick() {
    if (s.confirmSaveLoad &&
        dialogs().messageBox("Клонировать Пухтяша и заморозить его в креогенной установке ?", "Сохранение игры",
                             Buttons::YesNo) != Answer::Yes)
        return;
    s.thoughtColor = clGradientActiveCaption;
    s.thoughtText = "Клонируемся :)";
    s.thoughtHold = 1;
    // The keys are written over the file as it stands, keeping whatever else
    // it holds. What cannot be read is not written over either, and nothing
    // is written that the next load would refuse.
    std::string bytes;
    try {
        if (!saves().read(bytes)) bytes.clear();
    } catch (const GameError&) {
        throw GameError(cannotWriteSaveMessage());
    }
    const std::string text = renderSave(bytes, s);
    if (text.size() > kLargestSave) throw GameError(cannotWriteSaveMessage());
    bytes = std::string();
    saves().write(text);
}

void Game::LoadClick() {
    if (s.confirmSaveLoad &&
        dialogs().messageBox("Восстановить Пухтяша из креогенной установки ?", "Загрузка игры", Buttons::YesNo) !=
            Answer::Yes)
        return;
    // Something that is not a save, or cannot be read, is an error; the
    // running game stays as it is then too.
    std::string bytes;
    if (!saves().read(bytes)) {
        // Nothing to bring back: the running game stays as it is.
        dialogs().messageBox("В креогенной установке пусто: замороженного Пухтяша нет.\nСначала клонируй его (F3).",
                             "Загрузка игры", Buttons::Ok);
        return;
    }
    NewGameClick();
    const SavedValues saved = readSave(bytes);
    const PetState& v = saved.state;
    for (i32 PetState::*f : {&PetState::Fit, &PetState::Fed, &PetState::Mod, &PetState::Int, &PetState::Wis,
                             &PetState::Doc, &PetState::Fat, &PetState::timer, &PetState::money, &PetState::pill,
                             &PetState::drug, &PetState::cafe, &PetState::beer, &PetState::book, &PetState::robb,
                             &PetState::GrowthNotice})
        s.*f = v.*f;
    s.pistol = v.pistol;
    s.thoughtText = saveChecksum(s) == saved.storedChecksum ? "Назад в прошлоееее!" : "Назад в ХАКНУТОЕ прошлоееее! :)";
    s.thoughtColor = clGradientActiveCaption;
    s.thoughtHold = 1;
}

}  // namespace pet
