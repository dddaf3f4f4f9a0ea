// pet-sim: plays a headless game with a fixed seed and script and prints the
// final clock, the stats and a hash of the state after every tick.
//
//   pet-sim [--difficulty norm|high|low] [--seed N] [--ticks N]
#include <chrono>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/simulation.h"

namespace {

bool parseCount(const char* text, std::int64_t& out) {
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || v < 0) return false;
    out = v;
    return true;
}

int usage() {
    std::fprintf(stderr, "usage: pet-sim [--difficulty norm|high|low] [--seed N] [--ticks N]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    pet::Difficulty difficulty = pet::Difficulty::Standard;
    std::int64_t seed = 1;
    std::int64_t ticks = 1000000;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return usage();
        const char* value = argv[++i];
        if (arg == "--difficulty") {
            const std::string v = value;
            if (v == "norm") difficulty = pet::Difficulty::Standard;
            else if (v == "high") difficulty = pet::Difficulty::Hard;
            else if (v == "low") difficulty = pet::Difficulty::Easy;
            else return usage();
        } else if (arg == "--seed") {
            if (!parseCount(value, seed)) return usage();
        } else if (arg == "--ticks") {
            if (!parseCount(value, ticks)) return usage();
        } else {
            return usage();
        }
    }

    const auto start = std::chrono::steady_clock::now();
    const pet::SimulationResult r = pet::simulate(difficulty, static_cast<std::uint64_t>(seed), ticks);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("clock %s\n", r.clock.c_str());
    std::printf("Fit %d Fed %d Mod %d Int %d Wis %d Doc %d Fat %d money %d\n", r.stats[0], r.stats[1], r.stats[2],
                r.stats[3], r.stats[4], r.stats[5], r.stats[6], r.money);
    std::printf("ticks %" PRId64 " new games %" PRId64 " boxes %" PRId64 "\n", r.ticks, r.newGames, r.boxes);
    std::printf("hash %016" PRIx64 "\n", r.hash);
    std::fprintf(stderr, "%.3f s, %.1f ns per tick\n", seconds, r.ticks ? seconds * 1e9 / static_cast<double>(r.ticks) : 0.0);
    return 0;
}
