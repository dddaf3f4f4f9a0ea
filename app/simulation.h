// A headless game with a fixed seed and a fixed script of player actions,
// for repeatable runs: its reseeds read a simulated clock, so the same
// arguments always give the same game.
#pragma once

#include <cstdint>
#include <string>

#include "game/arith.h"

namespace pet {

enum class Difficulty { Standard, Hard, Easy };

struct SimulationResult {
    std::string clock;       // the clock text after the last tick
    i32 stats[7] = {};       // Fit, Fed, Mod, Int, Wis, Doc, Fat
    i32 money = 0;
    std::int64_t ticks = 0;  // ticks run
    std::int64_t newGames = 0;
    std::int64_t boxes = 0;  // message boxes shown
    std::uint64_t hash = 0;  // of the whole state after every tick
};

SimulationResult simulate(Difficulty difficulty, std::uint64_t seed, std::int64_t ticks);

}  // namespace pet
