// How long the core takes for one tick (idle, and busy with each kind of
// process) and for one animation step.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/headless.h"
#include "game/game.h"
#include "save/save_file.h"

namespace {

using namespace pet;

class YesDialogs final : public Dialogs {
public:
    Answer messageBox(std::string_view, std::string_view, Buttons b) override {
        return b == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

struct Rig {
    SteppingTimeOfDay clock{0, 40};
    ClockSeededRandom rng{clock, 1};
    YesDialogs dialogs;
    NoShell shell;
    Game g{{rng, dialogs, shell}};
    Rig() { g.MaximizeAllClick(); }
    // A healthy pet with the process running for good.
    void refresh(i32 kind, i32 variant) {
        g.MaximizeAllClick();
        g.s.Fed = 90;
        if (kind != pkIdle) {
            g.startProcess(kind, 1 << 30);
            g.s.procVariant = variant;
        }
    }
};

void tick(benchmark::State& state, i32 kind, i32 variant) {
    Rig rig;
    rig.refresh(kind, variant);
    std::int64_t n = 0;
    for (auto _ : state) {
        if ((++n & 4095) == 0) rig.refresh(kind, variant);
        rig.g.GlobalTimerTimer();
    }
    benchmark::DoNotOptimize(rig.g.s.timer);
}

void BM_Tick(benchmark::State& state) {
    static const std::pair<i32, i32> kinds[] = {
        {pkIdle, 0},      {pkBeg, 0},        {pkSweep, 0},         {pkLoader, 0},      {pkBaker, 0},
        {pkRobbery, 0},   {pkHacker, 0},     {pkGym, 0},           {pkEating, 0},      {pkFun, pvPcGame},
        {pkFun, pvDisco}, {pkFun, pvBrothel}, {pkLearning, pvTeach}, {pkLearning, pvRead}, {pkLearning, pvSchool},
        {pkPunish, pvPunish}, {pkSleep, 0},
    };
    const auto& k = kinds[state.range(0)];
    tick(state, k.first, k.second);
}
BENCHMARK(BM_Tick)->DenseRange(0, 16)->ArgName("process");

void BM_AnimationStep(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) rig.g.FeelingsClick();
    benchmark::DoNotOptimize(rig.g.w.LEyeX.left);
}
BENCHMARK(BM_AnimationStep);

void BM_SaveRender(benchmark::State& state) {
    Rig rig;
    std::string file = renderSave("", rig.g.s);
    for (auto _ : state) {
        file = renderSave(file, rig.g.s);
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_SaveRender);

void BM_SaveRead(benchmark::State& state) {
    Rig rig;
    const std::string file = renderSave("", rig.g.s);
    for (auto _ : state) benchmark::DoNotOptimize(readSave(file).storedChecksum);
}
BENCHMARK(BM_SaveRead);

// SaveClick and LoadClick through the real file, in a directory of our own.
void BM_SaveAndLoadFile(benchmark::State& state) {
    const auto home = std::filesystem::current_path();
    const auto dir = std::filesystem::temp_directory_path() / "puhtyash-bench";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    Rig rig;
    for (auto _ : state) {
        rig.g.SaveClick();
        rig.g.LoadClick();
    }
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_SaveAndLoadFile)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
