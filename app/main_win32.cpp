// The game's entry on Windows: the window, the message loop, and the error
// display for whatever escapes them. Always returns 0.
#include <exception>

#include <windows.h>

#include "ui/win32/desktop_ports.h"
#include "ui/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    try {
        pet::win32::MainWindow window(instance);
        window.show(showCommand);
        pet::win32::MainWindow::runLoop(window);
    } catch (const std::exception& e) {
        pet::win32::showError(nullptr, e.what());
    } catch (...) {
        pet::win32::showError(nullptr, "");
    }
    return 0;
}
