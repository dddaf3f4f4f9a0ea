#include "app/simulation.h"

#include "game/game.h"

namespace pet {

namespace {

class SimulatedTimeOfDay final : public TimeOfDay {
public:
    explicit SimulatedTimeOfDay(std::uint32_t start) : ms_(start) {}
    std::uint32_t millisecondsOfDay() override { return ms_; }
    void advance(i32 ms) { ms_ = (ms_ + static_cast<std::uint32_t>(ms > 0 ? ms : 1)) % 86400000u; }

private:
    std::uint32_t ms_;
};

// Says Yes to every question.
class AgreeingDialogs final : public Dialogs {
public:
    Answer messageBox(std::string_view, std::string_view, Buttons buttons) override {
        ++shown;
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::int64_t shown = 0;
};

class NoShell final : public Shell {
public:
    void open(std::string_view, std::string_view, int) override {}
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
    if (i % 701 == 3) {
        // Until the player's actions exist, processes are started directly.
        const i32 kinds[] = {pkBeg, pkSweep, pkLoader, pkBaker, pkRobbery, pkHacker, pkGym,
                             pkEating, pkFun, pkLearning, pkPunish, pkSleep};
        const i32 variants[] = {0, 0, 0, 0, 0, 0, 0, 0, pvPcGame, pvTeach, pvPunish, 0};
        const auto k = static_cast<std::size_t>((i / 701) % 12);
        g.startProcess(kinds[k], static_cast<i32>(10 + i % 90));
        if (variants[k] != 0) g.s.procVariant = variants[k];
    }
}

}  // namespace

SimulationResult simulate(Difficulty difficulty, std::uint64_t seed, std::int64_t ticks) {
    SimulatedTimeOfDay clock(static_cast<std::uint32_t>((seed * 7919u) % 86400000u));
    ClockSeededRandom rng(clock, seed);
    AgreeingDialogs dialogs;
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
        clock.advance(interval);
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
