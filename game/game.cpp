#include "game/game.h"

#include <charconv>

namespace pet {

const char* commandName(Command c) {
    switch (c) {
#define PET_COMMAND_NAME(name) \
    case Command::name:        \
        return #name;
        PET_COMMANDS(PET_COMMAND_NAME)
#undef PET_COMMAND_NAME
    }
    return "";
}

Game::Game(Ports ports) : ports_(ports) {
    // Room for every text the rules write, so that no tick and no action
    // needs to allocate.
    s.thoughtText.reserve(512);
    epitaph.reserve(512);
    for (Widget* x : w.all()) {
        x->caption.reserve(128);
        x->hint.reserve(128);
    }
    w.Thought.caption.reserve(512);
}

void Game::run(MenuItem& item) {
    if (item.command == Command::N1000ms1Click) N1000ms1Click(item);
    else run(item.command);
}

void Game::run(Command c) {
    switch (c) {
        case Command::NewGameClick: NewGameClick(); break;
        case Command::DifficultyHIGHClick: DifficultyHIGHClick(); break;
        case Command::DifficultyLOWClick: DifficultyLOWClick(); break;
        case Command::MaximizeAllClick: MaximizeAllClick(); break;
        case Command::StopProc1Click: StopProc1Click(); break;
        case Command::Pause1Click: Pause1Click(); break;
        case Command::AccelerateTime1Click: AccelerateTime1Click(); break;
        case Command::GuardianAngelClick: GuardianAngelClick(); break;
        case Command::FeedClick: FeedClick(); break;
        case Command::FitnessClick: FitnessClick(); break;
        case Command::PillClick: PillClick(); break;
        case Command::DrugClick: DrugClick(); break;
        case Command::BeerClick: BeerClick(); break;
        case Command::VodkaClick: VodkaClick(); break;
        case Command::CafeClick: CafeClick(); break;
        case Command::SleepClick: SleepClick(); break;
        case Command::LabelAlcoClick: LabelAlcoClick(); break;
        case Command::EuthanasyClick: EuthanasyClick(); break;
        case Command::PunishClick: PunishClick(); break;
        case Command::TeachClick: TeachClick(); break;
        case Command::ReadBookClick: ReadBookClick(); break;
        case Command::SchoolClick: SchoolClick(); break;
        case Command::WorkBeggClick: WorkBeggClick(); break;
        case Command::WorkCleanClick: WorkCleanClick(); break;
        case Command::WorkWorkerClick: WorkWorkerClick(); break;
        case Command::WorkBakerClick: WorkBakerClick(); break;
        case Command::WorkRobberClick: WorkRobberClick(); break;
        case Command::WorkXakepClick: WorkXakepClick(); break;
        case Command::btPlayGameOnPCClick: btPlayGameOnPCClick(); break;
        case Command::btPenthouseClick: btPenthouseClick(); break;
        case Command::btDiscoClick: btDiscoClick(); break;
        case Command::btAnecdotClick: btAnecdotClick(); break;
        case Command::btPlayRussianRouletteClick: btPlayRussianRouletteClick(); break;
        case Command::SaveClick: SaveClick(); break;
        case Command::LoadClick: LoadClick(); break;
        case Command::ExitClick: ExitClick(); break;
        case Command::HintsOFFClick: HintsOFFClick(); break;
        case Command::HintsBarOFFClick: HintsBarOFFClick(); break;
        case Command::SaveLoad1Click: SaveLoad1Click(); break;
        case Command::N9Click: N9Click(); break;
        case Command::N10Click: N10Click(); break;
        case Command::WebSite1Click: WebSite1Click(); break;
        case Command::email1Click: email1Click(); break;
        default: break;  // handlers that arrive with their rules
    }
}

void Game::NewGameClick() {
    w.RedHole.visible = false;
    s.timer = 0;
    s.procEnd = -1;
    s.Fit = 50;
    s.Fed = 100;
    s.Mod = 120;
    s.Int = 0;
    s.Wis = 0;
    s.Doc = 10;
    s.Fat = 90;
    s.money = 500;
    s.procKind = pkIdle;
    s.GrowthNotice = 0;
    s.pill = s.drug = s.robb = s.cafe = s.beer = 0;
    s.pillClock = s.drugClock = s.cafeClock = s.beerClock = s.robbClock = 0;
    s.pistol = false;
    s.book = 0;
    SetGameSpeed(false);
    w.GlobalTimer.enabled = true;
    // The clock may have stopped in the hidden half of its blink (paused, or
    // a dead pet); the new game's clock must be seen.
    w.TimeLabel.visible = true;
    w.AnimateTimer.enabled = true;
    w.PageControl1.enabled = true;
}

void Game::DifficultyHIGHClick() {
    NewGameClick();
    s.Fit = 40;
    s.Fed = 80;
    s.Mod = 20;
    s.Doc = 0;
    s.Fat = 100;
    s.money = 300;
    s.beer = 6;
}

void Game::DifficultyLOWClick() {
    NewGameClick();
    s.Fit = 20;
    s.Fed = 60;
    s.Mod = 60;
    s.Int = 60;
    s.Wis = 0;
    s.Doc = 0;
    s.Fat = 60;
    s.money = 1000;
}

void Game::MaximizeAllClick() {
    s.timer = 0;
    s.procEnd = -1;
    s.Fit = 100;
    s.Fed = 120;
    s.Mod = 120;
    s.Int = 100;
    s.Wis = 100;
    s.Doc = 100;
    s.Fat = 100;
    s.money = 3000;
    s.procKind = pkIdle;
    s.GrowthNotice = 10;
    SetGameSpeed(false);
    w.GlobalTimer.enabled = true;
    w.TimeLabel.visible = true;
}

void Game::setNumber(std::string& caption, i32 value) {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    caption.assign(buf, static_cast<std::size_t>(end - buf));
}

}  // namespace pet
