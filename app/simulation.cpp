#include "app/simulation.h"

#include "app/headless.h"
#include "game/game.h"

namespace pet {

namespace {

// Answers Yes to two questions in three.
class ScriptedAnswers final : public Dialogs {
public:
    Answer messageBox(std::string_view, std::string_view, Buttons buttons) override {
        ++shown;
        if (buttons == Buttons::Ok) return Answer::Ok;
        return ++questions % 3 == 0 ? Answer::No : Answer::Yes;
    }
    std::int64_t shown = 0;
    std::int64_t questions = 0;
};

struct Fnv {
    std::uint64_t h = 14695981039346656037ULL;
    void add(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 1099511628211ULL;
        }
    }
    void add(const std::string& text) {
        for (unsigned char c : text) {
            h ^= c;
            h *= 1099511628211ULL;
        }
        add(text.size());
    }
};

void hashState(Fnv& f, const Game& g) {
    const PetState& s = g.s;
    for (i32 v : {s.timer, s.procEnd, s.money, s.procKind, s.procVariant, s.Fit, s.Fed, s.Mod, s.Int, s.Wis,
                  s.Doc, s.Fat, s.pill, s.drug, s.cafe, s.beer, s.robb, s.pillClock, s.drugClock, s.cafeClock,
                  s.beerClock, s.robbClock, s.book, s.GrowthNotice, s.mealFedRate, s.mealModRate,
                  s.mealDocPeriod, s.tickInterval, s.thoughtHold, g.w.GlobalTimer.interval})
        f.add(static_cast<std::uint32_t>(v));
    f.add(static_cast<std::uint64_t>(s.pistol) | static_cast<std::uint64_t>(s.guardianAngel) << 1 |
          static_cast<std::uint64_t>(g.w.GlobalTimer.enabled) << 2 | static_cast<std::uint64_t>(s.thoughtColor) << 8);
    f.add(g.w.TimeLabel.fontColor);
    for (i32 v : {g.w.LEyeX.left, g.w.LEyeX.top, g.w.REyeX.left, g.w.REyeX.top, g.w.Face.left, g.w.Face.width,
                  g.w.mouth.d1, g.w.mouth.d2, g.w.ShapeBoubles0.width})
        f.add(static_cast<std::uint32_t>(v));
    f.add(g.w.Thought.caption);
    f.add(s.thoughtText);
    f.add(g.epitaph);
}

void startNewGame(Game& g, Difficulty d) {
    switch (d) {
        case Difficulty::Standard: g.NewGameClick(); break;
        case Difficulty::Hard: g.DifficultyHIGHClick(); break;
        case Difficulty::Easy: g.DifficultyLOWClick(); break;
    }
}

// The player's script: what to do before tick i.
void play(Game& g, std::int64_t i, Difficulty d) {
    if (i % 997 == 500) {  // a short pause
        g.Pause1Click();
        g.Pause1Click();
    }
    if (i % 1499 == 7) g.StopProc1Click();
    if (i % 2003 == 11) g.AccelerateTime1Click();
    if (i % 3001 == 13) g.N1000ms1Click(*g.w.menu.speedItems()[static_cast<std::size_t>((i / 3001) % 7)]);
    if (i % 5003 == 17) g.GuardianAngelClick();
    if (i % 20011 == 19) startNewGame(g, static_cast<Difficulty>((static_cast<int>(d) + i / 20011) % 3));
    if (i % 50021 == 23) g.MaximizeAllClick();
    // Now and then the player does something for the pet, in turn.
    static const Command actions[] = {
        Command::FeedClick,       Command::WorkBeggClick,  Command::FitnessClick,    Command::BeerClick,
        Command::WorkCleanClick,  Command::PillClick,      Command::SleepClick,      Command::TeachClick,
        Command::CafeClick,       Command::WorkWorkerClick, Command::ReadBookClick,  Command::SchoolClick,
        Command::btPlayGameOnPCClick, Command::WorkBakerClick, Command::DrugClick,    Command::PunishClick,
        Command::btDiscoClick,    Command::WorkRobberClick, Command::VodkaClick,     Command::btAnecdotClick,
        Command::WorkXakepClick,  Command::btPenthouseClick, Command::LabelAlcoClick, Command::btPlayRussianRouletteClick,
        Command::EuthanasyClick,
    };
    constexpr std::int64_t count = sizeof actions / sizeof actions[0];
    if (i % 97 == 3) {
        const std::int64_t n = i / 97;
        auto meals = g.w.meals();
        for (std::size_t m = 0; m < meals.size(); ++m) meals[m]->checked = m == static_cast<std::size_t>(n % 8);
        // Euthanasia only once in a long while.
        const Command c = actions[n % count];
        if (c != Command::EuthanasyClick || n % (count * 7) == count - 1) g.run(c);
    }
}

}  // namespace

SimulationResult simulate(Difficulty difficulty, std::uint64_t seed, std::int64_t ticks) {
    SteppingTimeOfDay clock(static_cast<std::uint32_t>((seed * 7919u) % 86400000u));
    ClockSeededRandom rng(clock, seed);
    ScriptedAnswers dialogs;
    NoShell shell;
    Game g({rng, dialogs, shell});
    SimulationResult out;
    Fnv f;

    startNewGame(g, difficulty);
    ++out.newGames;
    std::int64_t sinceAnimation = 0;
    for (std::int64_t i = 0; i < ticks; ++i) {
        play(g, i, difficulty);
        if (!g.w.GlobalTimer.enabled) {
            if (g.w.menu.Pause1.checked) {
                g.Pause1Click();
            } else {  // the clock stopped by itself: the pet is dead
                startNewGame(g, difficulty);
                ++out.newGames;
            }
        }
        // The face moves every 400 ms of the simulated clock, between the ticks.
        const i32 interval = g.w.GlobalTimer.interval > 0 ? g.w.GlobalTimer.interval : 1;
        for (sinceAnimation += interval; sinceAnimation >= 400; sinceAnimation -= 400)
            if (g.w.AnimateTimer.enabled) g.FeelingsClick();
        clock.advance(static_cast<std::uint32_t>(interval));
        g.GlobalTimerTimer();
        hashState(f, g);
    }

    out.clock = g.w.TimeLabel.caption;
    const i32 stats[7] = {g.s.Fit, g.s.Fed, g.s.Mod, g.s.Int, g.s.Wis, g.s.Doc, g.s.Fat};
    for (int k = 0; k < 7; ++k) out.stats[k] = stats[k];
    out.money = g.s.money;
    out.ticks = ticks;
    out.boxes = dialogs.shown;
    out.hash = f.h;
    return out;
}

}  // namespace pet
