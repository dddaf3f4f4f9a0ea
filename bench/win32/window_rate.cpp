// How fast the real Windows window runs the game with time accelerated, next
// to a bare 1 ms window timer counted the same way in the same run; and how
// much of a core the game takes at normal speed; and the accelerated game
// once more with the window hidden, which leaves out the drawing.
//
//   window_rate_win32 [seconds]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "ui/win32/main_window.h"

namespace {

double cpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

double wallSeconds() {
    LARGE_INTEGER now, freq;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&freq);
    return static_cast<double>(now.QuadPart) / static_cast<double>(freq.QuadPart);
}

// The game's message loop, for a while.
void runFor(pet::win32::MainWindow& win, double seconds) {
    const double end = wallSeconds() + seconds;
    for (double now = wallSeconds(); now < end; now = wallSeconds()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>((end - now) * 1000) + 1, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (win.preTranslate(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

long bareCount = 0;
pet::Game* careFor = nullptr;
constexpr UINT_PTR kBare = 1, kCare = 2, kCloser = 3;

BOOL CALLBACK closeBox(HWND h, LPARAM) {
    wchar_t cls[16] = {};
    GetClassNameW(h, cls, 16);
    if (lstrcmpW(cls, L"#32770") == 0 && IsWindowVisible(h))
        PostMessageW(h, WM_COMMAND, GetDlgItem(h, IDNO) != nullptr ? IDNO : IDOK, 0);
    return TRUE;
}

LRESULT CALLBACK helperProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_TIMER) return DefWindowProcW(h, msg, wp, lp);
    if (wp == kBare) {
        ++bareCount;
    } else if (wp == kCare && careFor != nullptr) {
        // Fed and rested ten times a second, the pet outlives the run at full
        // speed and never calls the guardian angel.
        pet::Game& g = *careFor;
        g.s.Fit = g.s.Fed = g.s.Mod = g.s.Doc = g.s.Fat = 100;
        g.s.Int = g.s.Wis = 50;
        g.s.GrowthNotice = 10;  // no level boxes
    } else if (wp == kCloser) {
        // Nobody is there to answer a box: close whatever opens.
        EnumThreadWindows(GetCurrentThreadId(), closeBox, 0);
    }
    return 0;
}

struct Rate {
    double perSecond;
    double cpuPerEvent;  // microseconds
};

Rate bareTimer(pet::win32::MainWindow& win, HWND helper, double seconds) {
    bareCount = 0;
    const double cpu0 = cpuSeconds();
    const double t0 = wallSeconds();
    SetTimer(helper, kBare, 1, nullptr);
    runFor(win, seconds);
    KillTimer(helper, kBare);
    const double wall = wallSeconds() - t0;
    return {static_cast<double>(bareCount) / wall, (cpuSeconds() - cpu0) * 1e6 / static_cast<double>(bareCount)};
}

Rate acceleratedGame(pet::win32::MainWindow& win, HWND helper, double seconds) {
    pet::Game& g = win.game();
    win.act([&g] {
        g.NewGameClick();
        g.AccelerateTime1Click();
    });
    careFor = &g;
    SetTimer(helper, kCare, 100, nullptr);
    const pet::i32 start = g.s.timer;
    const double cpu0 = cpuSeconds();
    const double t0 = wallSeconds();
    runFor(win, seconds);
    const double wall = wallSeconds() - t0;
    const double ticks = static_cast<double>(g.s.timer - start);
    const double cpu = cpuSeconds() - cpu0;
    KillTimer(helper, kCare);
    win.act([&g] { g.AccelerateTime1Click(); });
    return {ticks / wall, cpu * 1e6 / ticks};
}

double idleShare(pet::win32::MainWindow& win, double seconds) {
    win.act([&win] {
        win.game().NewGameClick();
        win.game().s.GrowthNotice = 10;
    });
    const double cpu0 = cpuSeconds();
    const double t0 = wallSeconds();
    runFor(win, seconds);
    return (cpuSeconds() - cpu0) / (wallSeconds() - t0);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW helperClass{};
    helperClass.lpfnWndProc = helperProc;
    helperClass.hInstance = instance;
    helperClass.lpszClassName = L"RateHelper";
    RegisterClassW(&helperClass);
    const HWND helper = CreateWindowW(L"RateHelper", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);

    pet::win32::MainWindow win(instance);
    win.show(SW_SHOWNORMAL);
    SetTimer(helper, kCloser, 50, nullptr);
    runFor(win, 0.3);

    const Rate bare = bareTimer(win, helper, seconds);
    const Rate game = acceleratedGame(win, helper, seconds);
    const double idle = idleShare(win, seconds * 2);
    // The same with the window hidden: the game and the controls' updates
    // without the drawing on the screen.
    ShowWindow(win.hwnd(), SW_HIDE);
    const Rate hidden = acceleratedGame(win, helper, seconds);
    std::printf("bare 1 ms window timer: %.0f events/s, %.1f us CPU per event\n", bare.perSecond, bare.cpuPerEvent);
    std::printf("accelerated game: %.0f ticks/s, %.1f us CPU per tick\n", game.perSecond, game.cpuPerEvent);
    std::printf("ratio: %.3f\n", game.perSecond / bare.perSecond);
    std::printf("normal speed: %.2f %% of a core\n", idle * 100);
    std::printf("accelerated game, window hidden: %.0f ticks/s, %.1f us CPU per tick\n", hidden.perSecond,
                hidden.cpuPerEvent);
    std::fflush(stdout);
    DestroyWindow(win.hwnd());
    return 0;
}
