// The core allocates nothing once the game runs: not per tick, not per
// animation step, not per action. Counted by replacing the global allocator.
#include <atomic>
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "app/headless.h"
#include "game/game.h"

namespace {

std::atomic<long> allocations{0};
std::atomic<bool> counting{false};

}  // namespace

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
    if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n != 0 ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace pet {
namespace {

// Answers every box without keeping anything.
class QuietDialogs final : public Dialogs {
public:
    Answer messageBox(std::string_view, std::string_view, Buttons b) override {
        yes = !yes;
        return b == Buttons::Ok ? Answer::Ok : yes ? Answer::Yes : Answer::No;
    }
    bool yes = false;
};

const Command kActions[] = {
    Command::FeedClick,      Command::FitnessClick,     Command::PillClick,        Command::DrugClick,
    Command::BeerClick,      Command::VodkaClick,       Command::CafeClick,        Command::SleepClick,
    Command::LabelAlcoClick, Command::EuthanasyClick,   Command::PunishClick,      Command::TeachClick,
    Command::ReadBookClick,  Command::SchoolClick,      Command::WorkBeggClick,    Command::WorkCleanClick,
    Command::WorkWorkerClick, Command::WorkBakerClick,  Command::WorkRobberClick,  Command::WorkXakepClick,
    Command::btPlayGameOnPCClick, Command::btPenthouseClick, Command::btDiscoClick, Command::btAnecdotClick,
    Command::btPlayRussianRouletteClick, Command::StopProc1Click, Command::Pause1Click, Command::AccelerateTime1Click,
    Command::GuardianAngelClick, Command::HintsOFFClick, Command::SaveLoad1Click, Command::N9Click,
    Command::N10Click, Command::WebSite1Click, Command::email1Click, Command::MaximizeAllClick,
    Command::NewGameClick, Command::DifficultyHIGHClick, Command::DifficultyLOWClick,
};

// Plays a while: ticks, animation steps and every action, with money to spare.
void play(Game& g, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        for (Command c : kActions) {
            g.s.money = 10000;
            g.run(c);
            for (int i = 0; i < 25; ++i) g.GlobalTimerTimer();
            g.FeelingsClick();
        }
        for (MenuItem* item : g.w.menu.speedItems()) g.N1000ms1Click(*item);
        g.TimeLabelMouseDown(MouseButton::Right);
        g.FormMouseDown(true, true, true);
        g.DisplayHint("Пухтяш");
    }
}

TEST(Allocations, NoneOnceTheGameRuns) {
    SteppingTimeOfDay clock(0, 7);
    ClockSeededRandom rng(clock, 3);
    QuietDialogs dialogs;
    NoShell shell;
    Game g({rng, dialogs, shell});
    g.NewGameClick();
    play(g, 3);  // the first rounds may size things

    allocations = 0;
    counting = true;
    play(g, 20);
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
}

}  // namespace
}  // namespace pet
