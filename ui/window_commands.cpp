// The commands of the window itself: leaving, the hint switches, About, Tips,
// the web site and e-mail, and the hidden developer button.
#include "game/game.h"

namespace pet {

namespace {

constexpr i32 kStatusBarHeight = 19;

}  // namespace

void Game::FormCreate() { w.penColor = clRed; }

void Game::ExitClick() {
    s.say("Не наааадо! Ну остааааньсяяяя!!!! ;(", clMaroon);
    const Answer a = dialogs().messageBox("Хочешь кинуть Пухтяша на произвол судьбы?\nЕго же съедят!!!", "Выход?",
                                          Buttons::YesNo);
    if (a == Answer::Yes) w.closeRequested = true;
}

void Game::HintsOFFClick() {
    w.menu.HintsOFF.checked = !w.menu.HintsOFF.checked;
    w.showHint = !w.menu.HintsOFF.checked;
}

void Game::HintsBarOFFClick() {
    w.menu.HintsBarOFF.checked = !w.menu.HintsBarOFF.checked;
    const bool show = !w.menu.HintsBarOFF.checked;
    if (show != w.sbBar.visible) w.clientHeight += show ? kStatusBarHeight : -kStatusBarHeight;
    w.sbBar.visible = show;
}

void Game::SaveLoad1Click() {
    s.confirmSaveLoad = !s.confirmSaveLoad;
    w.menu.SaveLoad1.checked = s.confirmSaveLoad;
}

void Game::N9Click() {
    dialogs().messageBox("Пухтяш - V7700, версия 1.2.3\n"
                         "Сделано командой Пухтяша\n"
                         "\n"
                         "Новые версии на сайте :\n" PET_WEB_ADDRESS "\n"
                         "\n"
                         "Там-же можно найти и другие игры и программы.\n"
                         "Пухтяш для рабочего стола\n"
                         "Пухтяш без окна (pet-sim)\n"
                         "\n" PET_EMAIL,
                         "Чиста про...", Buttons::Ok);
}

void Game::N10Click() {
    dialogs().messageBox(
        "В начеле лучше сходить в тренажерный зал,\nпожрать, поспать,\nсходить в тренажерный зал, поработать...\n..."
        "\n:) попить пивищща,\nещё попить пивка,\nпосле этого погамить.\nПотом: пивко, погамить, пивко, гам и т.д. :)"
        "\n\nЗЫ: К реал-life это также применимо.\n",
        "Полезные Советы...", Buttons::Ok);
}

void Game::WebSite1Click() {
    s.thoughtText = PET_WEB_SITE " ЭТА КРУТА! :)";
    s.thoughtColor = clMaroon;
    s.thoughtHold = 12;
    shell().open("explorer.exe", kWebAddress, 3);
}

void Game::email1Click() {
    s.say("Чё ГЛЮК какой-то нашел#%ERROR@ :)", clMaroon);
    s.thoughtHold = 12;
    shell().open("mailto:" PET_EMAIL, "", 5);
}

void Game::FormMouseDown(bool shift, bool ctrl, bool alt) {
    if (shift && ctrl && alt) w.MaximizeAll.visible = !w.MaximizeAll.visible;
}

void Game::DisplayHint(std::string_view hint) { w.sbBar.caption.assign(hint.data(), hint.size()); }

}  // namespace pet
