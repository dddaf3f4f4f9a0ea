// The menu bar and the shortcut table, built from the model's menu tree.
#pragma once

#include <array>
#include <string>
#include <vector>

#include <windows.h>

#include "ui/window_model.h"

namespace pet::win32 {

// The command id of a menu item: its place in the tree after this base.
inline constexpr int kMenuIdBase = 1000;

struct Shortcut {
    bool ok = false;
    BYTE modifiers = 0;  // FCONTROL, FSHIFT, FALT
    WORD key = 0;        // a virtual key
    std::wstring text;   // as the menu shows it
};

// Reads the notation "Ctrl+Shift+C", "F2", "Shift+Esc", "`".
Shortcut parseShortcut(const char* notation);

class MenuBar {
public:
    // Builds the bar, its menus and the shortcut table from the items.
    explicit MenuBar(const Menu& menu);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    HMENU bar() const { return bar_; }
    HACCEL accelerators() const { return accel_; }
    // The menu item that a WM_MENUSELECT names, or -1.
    int itemOfSelection(WPARAM wParam, LPARAM lParam) const;
    // Puts the check mark (a dot for the radio items) of item i on or off.
    void setChecked(int i, bool on);
    // The menu that holds item i.
    HMENU holder(int i) const { return holders_[static_cast<std::size_t>(i)]; }

private:
    HMENU bar_ = nullptr;
    HACCEL accel_ = nullptr;
    std::array<HMENU, kMenuItemCount> holders_{};  // the menu each item lies in
    std::array<HMENU, kMenuItemCount> popups_{};   // the menu an item opens
};

}  // namespace pet::win32
