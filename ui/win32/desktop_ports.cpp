#include "ui/win32/desktop_ports.h"

#include <shellapi.h>

#include "ui/win32/text.h"

namespace pet::win32 {

namespace {

// A box's text with the line breaks Windows draws.
std::wstring boxText(std::string_view utf8) {
    std::wstring out;
    for (const wchar_t c : wide(utf8)) {
        if (c == L'\n') out += L'\r';
        out += c;
    }
    return out;
}

// The boxes' buttons read in Russian, as the game's texts do, whatever the
// language of the desktop: a hook renames them as the box comes up.
LRESULT CALLBACK russianButtons(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wp);
        wchar_t cls[16] = {};
        GetClassNameW(box, cls, 16);
        if (lstrcmpW(cls, L"#32770") == 0) {
            if (HWND yes = GetDlgItem(box, IDYES)) SetWindowTextW(yes, L"&Да");
            if (HWND no = GetDlgItem(box, IDNO)) SetWindowTextW(no, L"&Нет");
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

int russianBox(HWND owner, const std::wstring& text, const wchar_t* caption, UINT type) {
    HHOOK hook = SetWindowsHookExW(WH_CBT, &russianButtons, nullptr, GetCurrentThreadId());
    const int result = MessageBoxW(owner, text.c_str(), caption, type);
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    return result;
}

}  // namespace

Answer BoxDialogs::messageBox(std::string_view text, std::string_view caption, Buttons buttons) {
    if (beforeShow_) beforeShow_();
    const UINT type = (buttons == Buttons::YesNo ? MB_YESNO : MB_OK) | MB_DEFBUTTON1 | MB_APPLMODAL;
    const int result = russianBox(owner_, boxText(text), wide(caption).c_str(), type);
    if (buttons == Buttons::Ok) return Answer::Ok;
    return result == IDYES ? Answer::Yes : Answer::No;
}

void DesktopShell::open(std::string_view file, std::string_view parameters, int showCommand) {
    const std::wstring f = wide(file);
    const std::wstring p = wide(parameters);
    ShellExecuteW(nullptr, nullptr, f.c_str(), p.empty() ? nullptr : p.c_str(), nullptr, showCommand);
}

std::wstring errorText(std::wstring message) {
    if (!message.empty() && message.back() > L'.') message += L'.';
    return message;
}

void showError(HWND owner, std::string_view utf8Message) {
    russianBox(owner, errorText(boxText(utf8Message)), kAppTitle, MB_OK | MB_ICONSTOP | MB_APPLMODAL);
}

}  // namespace pet::win32
