// Looks into the windows of another program from the outside, as a test
// driver would: the top-level windows, every control of one of them, and a
// click on a button. Prints UTF-8, one line per window.
//
//   probe windows                    visible top-level windows: class, caption
//   probe controls CAPTION-PART      every control of that window: class, id,
//                                    text, and a bar's position or a button's check
//   probe watch CAPTION-PART MS      for MS milliseconds, every change of that
//                                    window's controls as it happens, the lines
//                                    of `controls`, after a first line "watching"
//   probe click CAPTION-PART ID      clicks the button ID of that window
//                                    (a message box's buttons are IDYES 6, IDNO 7)
// Exits 1 when the window or the button is not there.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <map>
#include <string>

namespace {

void out(const std::wstring& line) {
    std::wstring w = line + L"\n";
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), bytes.data(), n, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::wstring className(HWND h) {
    wchar_t buf[256] = {};
    GetClassNameW(h, buf, 256);
    return buf;
}

std::wstring textOf(HWND h) {
    wchar_t buf[4096] = {};
    DWORD_PTR n = 0;
    SendMessageTimeoutW(h, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000, &n);
    std::wstring s;  // on one line
    for (const wchar_t* c = buf; *c != 0; ++c)
        if (*c != L'\r') s += *c == L'\n' || *c == L'\t' ? L' ' : *c;
    return s;
}

struct Search {
    const wchar_t* part;
    HWND found = nullptr;
};

BOOL CALLBACK listTopLevel(HWND h, LPARAM) {
    if (IsWindowVisible(h)) out(L"window\t" + className(h) + L"\t" + textOf(h));
    return TRUE;
}

BOOL CALLBACK findTopLevel(HWND h, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    if (IsWindowVisible(h) && textOf(h).find(s->part) != std::wstring::npos) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

std::wstring describe(HWND h) {
    const std::wstring cls = className(h);
    std::wstring line = cls + L"\t" + std::to_wstring(GetDlgCtrlID(h)) + L"\t" + textOf(h);
    if (_wcsicmp(cls.c_str(), PROGRESS_CLASSW) == 0)
        line += L"\tpos=" + std::to_wstring(SendMessageW(h, PBM_GETPOS, 0, 0));
    else if (_wcsicmp(cls.c_str(), L"Button") == 0 &&
             (GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK) == BS_RADIOBUTTON)
        line += SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"\tchecked" : L"\tunchecked";
    else if (_wcsicmp(cls.c_str(), STATUSCLASSNAMEW) == 0) {
        wchar_t buf[1024] = {};
        const auto len = LOWORD(SendMessageW(h, SB_GETTEXTLENGTHW, SB_SIMPLEID, 0));
        if (len < 1024) SendMessageW(h, SB_GETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(buf));
        line += std::wstring(L"\tsimple=") + buf;
    }
    if (!IsWindowVisible(h)) line += L"\thidden";
    return line;
}

BOOL CALLBACK listControl(HWND h, LPARAM) {
    out(describe(h));
    return TRUE;
}

// The last line printed of each control.
using Seen = std::map<HWND, std::wstring>;

BOOL CALLBACK listChange(HWND h, LPARAM p) {
    auto& seen = *reinterpret_cast<Seen*>(p);
    std::wstring line = describe(h);
    if (seen[h] != line) out(line);
    seen[h] = std::move(line);
    return TRUE;
}

HWND find(const wchar_t* part) {
    Search s{part};
    EnumWindows(findTopLevel, reinterpret_cast<LPARAM>(&s));
    if (s.found == nullptr) out(std::wstring(L"no window with ") + part);
    return s.found;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring cmd = argc > 1 ? argv[1] : L"";
    if (cmd == L"windows") {
        EnumWindows(listTopLevel, 0);
        return 0;
    }
    if (cmd == L"controls" && argc == 3) {
        const HWND h = find(argv[2]);
        if (h == nullptr) return 1;
        out(L"window\t" + className(h) + L"\t" + textOf(h));
        EnumChildWindows(h, listControl, 0);
        return 0;
    }
    if (cmd == L"watch" && argc == 4) {
        const HWND h = find(argv[2]);
        if (h == nullptr) return 1;
        Seen seen;
        EnumChildWindows(h, listChange, reinterpret_cast<LPARAM>(&seen));
        out(L"watching");
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(_wtoi(argv[3]));
        while (GetTickCount64() < end && IsWindow(h)) {
            Sleep(20);
            EnumChildWindows(h, listChange, reinterpret_cast<LPARAM>(&seen));
        }
        return 0;
    }
    if (cmd == L"click" && argc == 4) {
        const HWND h = find(argv[2]);
        const HWND button = h ? GetDlgItem(h, _wtoi(argv[3])) : nullptr;
        if (button == nullptr) return 1;
        PostMessageW(button, BM_CLICK, 0, 0);
        return 0;
    }
    out(L"usage: probe windows | controls CAPTION-PART | click CAPTION-PART ID");
    return 2;
}
