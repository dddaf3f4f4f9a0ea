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

}  // namespace

Answer BoxDialogs::messageBox(std::string_view text, std::string_view caption, Buttons buttons) {
    if (beforeShow_) beforeShow_();
    const UINT type = (buttons == Buttons::YesNo ? MB_YESNO : MB_OK) | MB_DEFBUTTON1 | MB_APPLMODAL;
    const int result = MessageBoxW(owner_, boxText(text).c_str(), wide(caption).c_str(), type);
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
    MessageBoxW(owner, errorText(boxText(utf8Message)).c_str(), kAppTitle, MB_OK | MB_ICONSTOP | MB_APPLMODAL);
}

}  // namespace pet::win32
