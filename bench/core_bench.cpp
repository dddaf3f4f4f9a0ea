// How long the core takes for one tick (idle, and busy with each kind of
// process) and for one animation step.
#include <benchmark/benchmark.h>

#include "game/game.h"

namespace {

using namespace pet;

class FixedTimeOfDay final : public TimeOfDay {
public:
    std::uint32_t millisecondsOfDay() override { return ms += 40; }
    std::uint32_t ms = 0;
};

class YesDialogs final : public Dialogs {
public:
    Answer messageBox(std::string_view, std::string_view, Buttons b) override {
        return b == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
};

class NoShell final : public Shell {
public:
    void open(std::string_view, std::string_view, int) override {}
};

struct Rig {
    FixedTimeOfDay clock;
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

}  // namespace

BENCHMARK_MAIN();
