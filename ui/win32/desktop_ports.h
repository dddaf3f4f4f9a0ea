// The game's ports on Windows: modal boxes and the shell's open operation.
#pragma once

#include <functional>
#include <string>

#include <windows.h>

#include "game/ports.h"

namespace pet::win32 {

class BoxDialogs final : public Dialogs {
public:
    // beforeShow brings the window up to date before the box's own message
    // loop starts; that loop goes on delivering the window's timer messages.
    explicit BoxDialogs(std::function<void()> beforeShow) : beforeShow_(std::move(beforeShow)) {}
    void setOwner(HWND owner) { owner_ = owner; }
    Answer messageBox(std::string_view text, std::string_view caption, Buttons buttons) override;

private:
    HWND owner_ = nullptr;
    std::function<void()> beforeShow_;
};

class DesktopShell final : public Shell {
public:
    void open(std::string_view file, std::string_view parameters, int showCommand) override;
};

// The application's title: the caption of the error display.
inline constexpr const wchar_t* kAppTitle = L"V7700";

// The stop box of the error display.
void showError(HWND owner, std::string_view utf8Message);
// Its text: a message that ends in a character sorting after "." gets a full stop.
std::wstring errorText(std::wstring message);

}  // namespace pet::win32
