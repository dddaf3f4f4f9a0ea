#include "ui/win32/menu_bar.h"

#include <cstring>
#include <string_view>

#include "ui/win32/text.h"

namespace pet::win32 {

Shortcut parseShortcut(const char* notation) {
    Shortcut s;
    std::string_view rest(notation);
    if (rest.empty()) return s;
    std::wstring text;
    while (true) {
        const std::size_t plus = rest.size() > 1 ? rest.find('+') : std::string_view::npos;
        if (plus == std::string_view::npos) break;
        const std::string_view mod = rest.substr(0, plus);
        if (mod == "Ctrl") s.modifiers |= FCONTROL;
        else if (mod == "Shift") s.modifiers |= FSHIFT;
        else if (mod == "Alt") s.modifiers |= FALT;
        else return s;
        text += wide(mod) + L"+";
        rest.remove_prefix(plus + 1);
    }
    if (rest.size() >= 2 && rest[0] == 'F' && rest[1] >= '1' && rest[1] <= '9') {
        int n = 0;
        for (const char c : rest.substr(1)) {
            if (c < '0' || c > '9') return s;
            n = n * 10 + (c - '0');
        }
        if (n < 1 || n > 24) return s;
        s.key = static_cast<WORD>(VK_F1 + n - 1);
    } else if (rest == "Esc") {
        s.key = VK_ESCAPE;
    } else if (rest == "`") {
        s.key = VK_OEM_3;  // the key left of 1
    } else if (rest.size() == 1 && ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= '0' && rest[0] <= '9'))) {
        s.key = static_cast<WORD>(rest[0]);
    } else {
        return s;
    }
    s.text = text + wide(rest);
    s.ok = true;
    return s;
}

MenuBar::MenuBar(const Menu& menu) {
    const auto items = menu.all();
    std::vector<ACCEL> table;
    HMENU open[3] = {};
    bar_ = CreateMenu();
    open[0] = bar_;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = *items[i];
        const bool hasChildren = i + 1 < items.size() && items[i + 1]->level > item.level;
        HMENU parent = open[item.level];
        holders_[i] = parent;
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE;
        info.wID = static_cast<UINT>(kMenuIdBase + static_cast<int>(i));
        info.fState = item.checked ? MFS_CHECKED : MFS_UNCHECKED;
        std::wstring caption = wide(item.caption);
        if (item.caption == "-") {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fType = item.radio ? MFT_RADIOCHECK : MFT_STRING;
            const Shortcut sc = parseShortcut(item.shortcut);
            if (sc.ok) {
                caption += L"\t" + sc.text;
                table.push_back({static_cast<BYTE>(FVIRTKEY | sc.modifiers), sc.key, static_cast<WORD>(info.wID)});
            }
            info.fMask |= MIIM_STRING;
            info.dwTypeData = caption.data();
        }
        if (hasChildren) {
            popups_[i] = CreatePopupMenu();
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = popups_[i];
            open[item.level + 1] = popups_[i];
        }
        InsertMenuItemW(parent, GetMenuItemCount(parent), TRUE, &info);
        if (item.isDefault) SetMenuDefaultItem(parent, info.wID, FALSE);  // drawn bold
    }
    accel_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

MenuBar::~MenuBar() {
    if (accel_ != nullptr) DestroyAcceleratorTable(accel_);
    // The bar itself belongs to the window, which destroys it with its menus.
}

int MenuBar::itemOfSelection(WPARAM wParam, LPARAM lParam) const {
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) return -1;  // the menu closed
    if (flags & MF_POPUP) {
        HMENU opened = GetSubMenu(reinterpret_cast<HMENU>(lParam), LOWORD(wParam));
        for (std::size_t i = 0; i < popups_.size(); ++i)
            if (popups_[i] != nullptr && popups_[i] == opened) return static_cast<int>(i);
        return -1;
    }
    const int i = static_cast<int>(LOWORD(wParam)) - kMenuIdBase;
    return i >= 0 && i < kMenuItemCount ? i : -1;
}

void MenuBar::setChecked(int i, bool on) {
    CheckMenuItem(holders_[static_cast<std::size_t>(i)], static_cast<UINT>(kMenuIdBase + i),
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace pet::win32
