// How long the core takes for one tick (idle, and busy with each kind of
// process), for one animation step, and for saving and loading.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>

#include "app/headless.h"
#include "game/game.h"
#include "save/save_file.h"

// The heap in use and its peak, for the memory figures of the save benchmarks.
namespace heap {
std::atomic<std::size_t> live{0}, peak{0};
void* take(std::size_t n) {
    void* p = std::malloc(n == 0 ? 1 : n);
    if (p == nullptr) throw std::bad_alloc();
    const std::size_t now = live += malloc_usable_size(p);
    for (std::size_t top = peak; now > top && !peak.compare_exchange_weak(top, now);) {
    }
    return p;
}
void give(void* p) {
    if (p == nullptr) return;
    live -= malloc_usable_size(p);
    std::free(p);
}
}  // namespace heap

void* operator new(std::size_t n) { return heap::take(n); }
void* operator new[](std::size_t n) { return heap::take(n); }
void operator delete(void* p) noexcept { heap::give(p); }
void operator delete[](void* p) noexcept { heap::give(p); }
void operator delete(void* p, std::size_t) noexcept { heap::give(p); }
void operator delete[](void* p, std::size_t) noexcept { heap::give(p); }

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

// The largest file the game reads: a save, then blank lines up to 16 MiB
// (LF, so as many lines as there can be); in code page 1251 (0) or as
// UTF-16 (1). Reading it must stay well under a second and within a small
// multiple of its size in memory.
std::string largestSave(const PetState& s, bool utf16) {
    std::string file = renderSave(utf16 ? "\xFF\xFE" : "", s);
    const std::string line = utf16 ? std::string("\n\0", 2) : std::string("\n");
    while (file.size() + line.size() <= kLargestSave) file += line;
    return file;
}

void reportPeak(benchmark::State& state, std::size_t base, std::size_t peak) {
    state.counters["peak_MiB"] = static_cast<double>(peak - base) / (1 << 20);
    state.counters["peak_per_file_size"] = static_cast<double>(peak - base) / static_cast<double>(kLargestSave);
}

void BM_SaveReadLargest(benchmark::State& state) {
    Rig rig;
    const std::string file = largestSave(rig.g.s, state.range(0) != 0);
    const std::size_t base = heap::live;
    heap::peak = base;
    for (auto _ : state) benchmark::DoNotOptimize(readSave(file).storedChecksum);
    // Beyond the file's own bytes, which the reader copies only to decode UTF-16.
    reportPeak(state, base, heap::peak);
}
BENCHMARK(BM_SaveReadLargest)->Arg(0)->Arg(1)->ArgName("utf16")->Unit(benchmark::kMillisecond);

void BM_SaveRenderLargest(benchmark::State& state) {
    Rig rig;
    const std::string file = largestSave(rig.g.s, state.range(0) != 0);
    const std::size_t base = heap::live;
    heap::peak = base;
    for (auto _ : state) benchmark::DoNotOptimize(renderSave(file, rig.g.s).size());
    reportPeak(state, base, heap::peak);
}
BENCHMARK(BM_SaveRenderLargest)->Arg(0)->Arg(1)->ArgName("utf16")->Unit(benchmark::kMillisecond);

// LoadClick of the largest file through the disk: reading it whole, then its values.
void BM_LoadLargestFile(benchmark::State& state) {
    const auto home = std::filesystem::current_path();
    const auto dir = std::filesystem::temp_directory_path() / "puhtyash-bench-largest";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    Rig rig;
    {
        const std::string file = largestSave(rig.g.s, state.range(0) != 0);
        std::ofstream(kSaveFileName, std::ios::binary).write(file.data(), static_cast<std::streamsize>(file.size()));
    }
    const std::size_t base = heap::live;
    heap::peak = base;
    for (auto _ : state) rig.g.LoadClick();
    reportPeak(state, base, heap::peak);
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadLargestFile)->Arg(0)->Arg(1)->ArgName("utf16")->Unit(benchmark::kMillisecond);

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
