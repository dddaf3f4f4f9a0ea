// Time from process start to the first painted frame, and peak memory, of the
// game's Windows window next to a minimal Win32 window, measured the same way
// in the same run; and next to a minimal window with one line of text.
//
//   startup_win32 [runs]
// Each sample is a fresh process: the parent notes the time, starts it, and
// the child sends back over its standard output the time of its first paint
// and its peak working set.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ui/win32/main_window.h"

namespace {

long long now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double ms(long long ticks) {
    LARGE_INTEGER freq;
    QueryPerformanceFrequency(&freq);
    return static_cast<double>(ticks) * 1000.0 / static_cast<double>(freq.QuadPart);
}

struct Report {
    long long painted;
    unsigned long long peakBytes;
};

bool reported = false;

// Sends the report once, after the first paint, and closes the window.
void firstPaint(HWND window) {
    if (reported) return;
    reported = true;
    Report r{now(), 0};
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc)) r.peakBytes = pmc.PeakWorkingSetSize;
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), &r, sizeof r, &written, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK minimalProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(h, &ps);
            FillRect(ps.hdc, &ps.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            EndPaint(h, &ps);
            firstPaint(h);
            return 0;
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcW(h, msg, wp, lp);
    }
}

int child(const char* kind) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (std::strcmp(kind, "game") == 0) {
        pet::win32::MainWindow win(instance);
        win.afterPaint = [&win] { firstPaint(win.hwnd()); };
        win.show(SW_SHOWNORMAL);
        pet::win32::MainWindow::runLoop(win);
        return 0;
    }
    WNDCLASSW c{};
    c.lpfnWndProc = minimalProc;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = L"Minimal";
    RegisterClassW(&c);
    RECT r{0, 0, 618, 251};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    const HWND h = CreateWindowW(L"Minimal", L"Minimal", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                                 CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    if (std::strcmp(kind, "label") == 0) {
        const HWND label = CreateWindowW(L"STATIC", L"Пухтяш", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, h, nullptr,
                                         instance, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    ShowWindow(h, SW_SHOWNORMAL);
    UpdateWindow(h);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

struct Sample {
    double ms;
    double peakMb;
};

Sample measure(const char* kind) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring cmd = L"\"" + std::wstring(self) + L"\" --child ";
    for (const char* c = kind; *c != 0; ++c) cmd += static_cast<wchar_t>(*c);

    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) std::exit(1);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    const long long start = now();
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) std::exit(1);
    CloseHandle(writeEnd);
    Report r{start, 0};
    DWORD got = 0;
    if (!ReadFile(readEnd, &r, sizeof r, &got, nullptr) || got != sizeof r) r = {start, 0};
    CloseHandle(readEnd);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return {ms(r.painted - start), static_cast<double>(r.peakBytes) / (1024.0 * 1024.0)};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return child(argv[2]);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    const char* kinds[] = {"minimal", "label", "game"};
    std::vector<double> t[3], mb[3];
    for (int i = 0; i < runs; ++i)
        for (int k = 0; k < 3; ++k) {
            const Sample s = measure(kinds[k]);
            t[k].push_back(s.ms);
            mb[k].push_back(s.peakMb);
        }
    const double m[3] = {median(t[0]), median(t[1]), median(t[2])};
    const double p[3] = {median(mb[0]), median(mb[1]), median(mb[2])};
    std::printf("median of %d runs\n", runs);
    std::printf("minimal window:           first paint %6.1f ms, peak working set %5.1f MB\n", m[0], p[0]);
    std::printf("minimal window with text: first paint %6.1f ms, peak working set %5.1f MB\n", m[1], p[1]);
    std::printf("game window:              first paint %6.1f ms, peak working set %5.1f MB\n", m[2], p[2]);
    std::printf("game / minimal: %.2f x the time, %.1f MB more; game / with text: %.2f x the time\n", m[2] / m[0],
                p[2] - p[0], m[2] / m[1]);
    return 0;
}
