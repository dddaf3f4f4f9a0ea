// Long, deterministic games on every difficulty and on extreme states, with
// random actions, answers, pauses and speeds, and ticks run from inside the
// boxes. After every step the rules' invariants must hold and nothing may
// escape. PET_SOAK_TICKS sets the number of ticks (3 million by default).
#include <climits>
#include <cstdlib>
#include <random>

#include <gtest/gtest.h>

#include "app/headless.h"
#include "game/game.h"

namespace pet {
namespace {

// The save slot, in memory.
class MemorySlot final : public SaveSlot {
public:
    bool read(std::string& bytes) override {
        bytes = content;
        return !content.empty();
    }
    void write(const std::string& bytes) override { content = bytes; }
    std::string content;
};

std::int64_t soakTicks() {
    if (const char* v = std::getenv("PET_SOAK_TICKS")) return std::atoll(v);
    return 3'000'000;
}

class Soak final : public Dialogs, public TickObserver {
public:
    explicit Soak(std::uint64_t seed) : driver_(seed), rng_(clock_, seed) { g_.observer = this; }

    Game& game() { return g_; }
    std::int64_t ticks() const { return ticks_; }
    std::int64_t failures() const { return failures_; }

    // One step of play: mostly ticks, then animation steps, then actions.
    void step() {
        const unsigned what = pick(100);
        if (what < 70) {
            if (g_.w.GlobalTimer.enabled) tick();
            else act();
        } else if (what < 90) {
            animate();
        } else {
            act();
        }
    }

    Answer messageBox(std::string_view, std::string_view, Buttons buttons) override {
        // The desktop keeps the timers running behind a box.
        if (depth_ < 3) {
            ++depth_;
            for (unsigned n = pick(4); n > 0; --n) {
                if (g_.w.GlobalTimer.enabled) tick();
                if (g_.w.AnimateTimer.enabled) animate();
            }
            --depth_;
        }
        if (buttons == Buttons::Ok) return Answer::Ok;
        return pick(2) == 0 ? Answer::Yes : Answer::No;
    }

    void afterWearOff(const Game& g) override {
        check(g.s.pill >= 0 && g.s.drug >= 0 && g.s.cafe >= 0 && g.s.beer >= 0 && g.s.robb >= 0, "a level below 0");
    }
    void afterStatPanel(const Game&) override {
        completed_[static_cast<std::size_t>(depth_)] = true;
        checkClamps();
    }

    // A game started at a difficulty, its saved fields then set from a pattern.
    void start(int difficulty, int pattern) {
        if (difficulty == 0) g_.NewGameClick();
        if (difficulty == 1) g_.DifficultyHIGHClick();
        if (difficulty == 2) g_.DifficultyLOWClick();
        if (pattern < 0) return;
        static const i32 values[] = {INT_MIN, -1, 0, 1, INT_MAX};
        i32* fields[] = {&g_.s.Fit,   &g_.s.Fed,  &g_.s.Mod,  &g_.s.Int,  &g_.s.Wis,  &g_.s.Doc,
                         &g_.s.Fat,   &g_.s.timer, &g_.s.money, &g_.s.pill, &g_.s.drug, &g_.s.cafe,
                         &g_.s.beer,  &g_.s.book, &g_.s.robb, &g_.s.GrowthNotice};
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            const std::size_t v = pattern < 5 ? static_cast<std::size_t>(pattern)          // all the same
                                  : pattern == 5 ? (i % 2 == 0 ? 0 : 4)                    // extremes, alternating
                                                 : pick(5);                                // a mixture
            *fields[i] = values[v];
        }
        g_.s.pistol = pattern % 2 == 1;
    }

private:
    unsigned pick(unsigned n) { return static_cast<unsigned>(driver_() % n); }

    void check(bool ok, const char* what) {
        if (ok) return;
        ++failures_;
        if (failures_ <= 5) ADD_FAILURE() << what << " at timer " << g_.s.timer;
    }

    void checkClamps() {
        const PetState& s = g_.s;
        check(s.Fit <= 100 && s.Fed <= 120 && s.Mod <= 120 && s.Int <= 100 && s.Wis <= 120 && s.Doc <= 100 &&
                  s.Fat <= 100,
              "a stat above its bound after the stat panel");
        check(s.Int >= 0 && s.Wis >= 0, "intellect or knowledge below 0 after the stat panel");
    }

    void tick() {
        completed_[static_cast<std::size_t>(depth_)] = false;
        const i32 before = g_.s.timer;
        const std::int64_t started = ticks_++;
        clock_.advance(static_cast<std::uint32_t>(g_.w.GlobalTimer.interval));
        g_.GlobalTimerTimer();
        // One tick for this one and each that ran inside its boxes.
        check(g_.s.timer == add(before, static_cast<i32>(ticks_ - started)), "the clock did not advance by one a tick");
        // A tick that ran to its end has stopped a dead pet's clock; one cut
        // short by a robber's capture leaves that to the next tick.
        if (depth_ == 0 && completed_[0]) check(!g_.IsDead() || !g_.w.GlobalTimer.enabled, "a dead pet's clock runs");
    }

    void animate() {
        g_.FeelingsClick();
        checkClamps();
    }

    void act() {
        static const Command commands[] = {
#define PET_ALL(name) Command::name,
            PET_COMMANDS(PET_ALL)
#undef PET_ALL
        };
        const unsigned k = pick(std::size(commands) + 3);
        if (k < std::size(commands)) {
            const Command c = commands[k];
            if (c == Command::ExitClick) return;
            if (pick(3) == 0) g_.s.money = add(g_.s.money, static_cast<i32>(pick(500)));
            g_.run(c);
            g_.w.closeRequested = false;
        } else if (k == std::size(commands)) {
            g_.N1000ms1Click(*g_.w.menu.speedItems()[pick(7)]);
        } else if (k == std::size(commands) + 1) {
            g_.TimeLabelMouseDown(static_cast<MouseButton>(pick(3)));
        } else {
            for (Widget* meal : g_.w.meals()) meal->checked = false;
            g_.w.meals()[pick(8)]->checked = true;
        }
    }

    std::mt19937_64 driver_;
    SteppingTimeOfDay clock_{0, 13};
    ClockSeededRandom rng_;
    NoShell shell_;
    MemorySlot slot_;
    Game g_{{rng_, *this, shell_, nullptr, &slot_}};
    std::int64_t ticks_ = 0;
    std::int64_t failures_ = 0;
    int depth_ = 0;
    bool completed_[4] = {};  // the tick at each depth reached its stat panel
};

TEST(Soak, InvariantsHoldOverLongGames) {
    const std::int64_t total = soakTicks();
    // Three difficulties from their own start, and each with seven extreme patterns.
    const int runs = 3 * 8;
    std::int64_t played = 0;
    for (int run = 0; run < runs; ++run) {
        Soak soak(0x5eed + static_cast<std::uint64_t>(run));
        soak.start(run % 3, run / 3 - 1);
        const std::int64_t budget = total / runs;
        while (soak.ticks() < budget) {
            try {
                soak.step();
            } catch (const std::exception& e) {
                FAIL() << "an exception escaped: " << e.what();
            }
        }
        played += soak.ticks();
        EXPECT_EQ(soak.failures(), 0) << "run " << run;
    }
    RecordProperty("ticks", std::to_string(played));
    std::printf("soak: %lld ticks\n", static_cast<long long>(played));
}

}  // namespace
}  // namespace pet
