// The Windows window from the inside: its controls and menu built from the
// model, the shortcuts, the hints, the status bar switch, a box over a
// running game, the error display and the drawing of the face.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "ui/win32/desktop_ports.h"
#include "ui/win32/look.h"
#include "ui/win32/main_window.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/scene.h"
#include "ui/win32/text.h"

namespace pet::win32 {
namespace {

std::wstring textOf(HWND h) {
    wchar_t buf[512] = {};
    GetWindowTextW(h, buf, 512);
    return buf;
}

std::wstring statusText(HWND bar) {
    wchar_t buf[512] = {};
    SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(buf));  // a simple bar has its one text in part 0
    return buf;
}

// The place of a control in its container, in design pixels.
RECT placeOf(HWND h, int dpi) {
    RECT r{};
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return {MulDiv(r.left, 96, dpi), MulDiv(r.top, 96, dpi), MulDiv(r.right, 96, dpi), MulDiv(r.bottom, 96, dpi)};
}

// The command id of a menu item.
UINT idOf(const MenuItem& item) {
    const WindowModel model;
    int i = 0;
    for (const MenuItem* x : model.menu.all()) {
        if (std::string(x->name) == item.name) break;
        ++i;
    }
    return static_cast<UINT>(kMenuIdBase + i);
}

// A thread timer that answers the first box of this program once it has been
// open for a while; it runs inside the box's own message loop.
struct BoxAnswer {
    int afterMs = 0;
    std::function<void(HWND)> answer;
    DWORD openedAt = 0;
    bool done = false;
};
BoxAnswer* pendingAnswer = nullptr;

void CALLBACK pollForBox(HWND, UINT, UINT_PTR id, DWORD) {
    BoxAnswer* a = pendingAnswer;
    if (a == nullptr || a->done) return;
    HWND box = nullptr;
    for (HWND h = FindWindowW(L"#32770", nullptr); h != nullptr; h = FindWindowExW(nullptr, h, L"#32770", nullptr)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(h)) box = h;
    }
    if (box == nullptr) return;
    if (a->openedAt == 0) a->openedAt = GetTickCount();
    if (GetTickCount() - a->openedAt < static_cast<DWORD>(a->afterMs)) return;
    a->done = true;
    KillTimer(nullptr, id);
    a->answer(box);
}

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        win = std::make_unique<MainWindow>(GetModuleHandleW(nullptr));
        win->show(SW_SHOWNORMAL);
        pump(50);
    }
    void TearDown() override {
        pendingAnswer = nullptr;
        win.reset();
        pump(10);
    }

    Game& game() { return win->game(); }
    HWND view(const Widget& w) { return win->view(w); }
    int dpi() { return win->dpi(); }

    // Runs the message loop for a while, the way the program's loop does.
    void pump(int ms) {
        const DWORD until = GetTickCount() + static_cast<DWORD>(ms);
        do {
            MSG msg{};
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (win && win->hwnd() != nullptr && win->preTranslate(msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(1);
        } while (GetTickCount() < until);
    }
    // A key as the message loop gets it, with the modifiers held.
    void key(WORD vk, bool ctrl = false, bool shift = false) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = ctrl ? 0x80 : 0;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        MSG msg{win->hwnd(), WM_KEYDOWN, vk, 1, 0, {}};
        if (!win->preTranslate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        state[VK_CONTROL] = state[VK_SHIFT] = 0;
        SetKeyboardState(state);
        pump(10);
    }
    // A mouse message through the loop, at a point of the control (device pixels).
    void mouse(HWND to, UINT message, POINT p, WPARAM keys = 0) {
        MSG msg{to, message, keys, MAKELPARAM(p.x, p.y), 0, {}};
        if (!win->preTranslate(msg)) DispatchMessageW(&msg);
        pump(10);
    }
    void whenBoxOpens(int ms, std::function<void(HWND)> answer) {
        box_ = {ms, std::move(answer), 0, false};
        pendingAnswer = &box_;
        SetTimer(nullptr, 0, 10, &pollForBox);
    }

    std::unique_ptr<MainWindow> win;
    BoxAnswer box_;
};

TEST_F(Window, ControlsStandWhereTheModelPutsThem) {
    RECT client{};
    GetClientRect(win->hwnd(), &client);
    EXPECT_EQ(client.right, scaled(618, dpi()));
    EXPECT_EQ(client.bottom, scaled(233, dpi()));
    EXPECT_EQ(narrow(textOf(win->hwnd())), game().w.caption);
    const WindowModel& m = game().w;
    for (const Widget* w : m.all()) {
        SCOPED_TRACE(w->name);
        HWND v = view(*w);
        if (isGraphic(*w)) {
            EXPECT_EQ(v, nullptr);  // drawn by the window
            continue;
        }
        ASSERT_NE(v, nullptr);
        if (w->kind == WidgetKind::TabSheet) continue;
        const RECT r = placeOf(v, dpi());
        EXPECT_EQ(r.left, w->left);
        EXPECT_EQ(r.top, w->top);
        EXPECT_EQ(r.bottom - r.top, w->height);
        if (!(w->kind == WidgetKind::Label && w->autoSize)) {
            EXPECT_EQ(r.right - r.left, w->width);
        }
        if (w->kind == WidgetKind::Label || w->kind == WidgetKind::Button || w->kind == WidgetKind::RadioButton ||
            w->kind == WidgetKind::GroupBox) {
            EXPECT_EQ(narrow(textOf(v)), w->caption);
        }
        EXPECT_EQ((GetWindowLongW(v, GWL_STYLE) & WS_VISIBLE) != 0, w->visible);
    }
    EXPECT_EQ(narrow(statusText(view(m.sbBar))), m.sbBar.caption);  // the welcome, unless the mouse rests on the window
    EXPECT_EQ(SendMessageW(view(m.RB5), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(view(m.RB1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // A transparent label sits in its parent's painting; an opaque one has its colour.
    EXPECT_TRUE(m.Thought.transparent);
    EXPECT_EQ(GetParent(view(m.LabelAlco)), view(m.GroupBox1));
    EXPECT_EQ(GetParent(view(m.Feed)), view(m.Tab1));
    EXPECT_EQ(GetParent(view(m.Tab1)), view(m.PageControl1));
}

TEST_F(Window, TheMenuCarriesTheModelsCaptionsShortcutsAndMarks) {
    const Menu& m = game().w.menu;
    HMENU bar = GetMenu(win->hwnd());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenuItemCount(bar), 4);
    const auto items = m.all();
    int shortcuts = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = *items[i];
        SCOPED_TRACE(item.name);
        const UINT id = static_cast<UINT>(kMenuIdBase + static_cast<int>(i));
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        wchar_t text[256] = {};
        info.dwTypeData = text;
        info.cch = 256;
        // Items are found by their id anywhere below the bar.
        ASSERT_TRUE(GetMenuItemInfoW(bar, id, FALSE, &info));
        if (item.caption == "-") {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        std::string expected = item.caption;
        if (*item.shortcut) {
            ++shortcuts;
            expected += std::string("\t") + item.shortcut;
        }
        EXPECT_EQ(narrow(text), expected);
        EXPECT_EQ((info.fState & MFS_CHECKED) != 0, item.checked);
        EXPECT_EQ((info.fType & MFT_RADIOCHECK) != 0, item.radio);
        EXPECT_EQ((info.fState & MFS_DEFAULT) != 0, item.isDefault);
    }
    // Every shortcut is in the table the message loop translates.
    MenuBar built(m);
    ACCEL table[64];
    EXPECT_EQ(CopyAcceleratorTableW(built.accelerators(), table, 64), shortcuts);
    DestroyMenu(built.bar());
}

TEST_F(Window, ShortcutsWorkBeforeTheFirstGameWhileTheTabsDoNot) {
    const WindowModel& m = game().w;
    EXPECT_FALSE(m.PageControl1.enabled);
    // A press on the meal button of the disabled tabs goes nowhere.
    const i32 money = game().s.money;
    mouse(view(m.Feed), WM_LBUTTONDOWN, {5, 5}, MK_LBUTTON);
    mouse(view(m.Feed), WM_LBUTTONUP, {5, 5});
    EXPECT_EQ(game().s.money, money);
    key(VK_F2);
    EXPECT_TRUE(m.PageControl1.enabled);
    EXPECT_TRUE(m.GlobalTimer.enabled);
    EXPECT_EQ(game().s.money, 500);
    key('6', true);  // Ctrl+6: 50 ms a tick
    EXPECT_TRUE(m.menu.N50ms1.checked);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    GetMenuItemInfoW(GetMenu(win->hwnd()), idOf(m.menu.N50ms1), FALSE, &info);
    EXPECT_TRUE(info.fState & MFS_CHECKED);
    const i32 t0 = game().s.timer;
    pump(400);
    EXPECT_GE(game().s.timer - t0, 3);
    // The clock the player sees follows the game's.
    EXPECT_EQ(narrow(textOf(view(m.TimeLabel))), m.TimeLabel.caption);
    EXPECT_EQ(SendMessageW(view(m.B1), PBM_GETPOS, 0, 0), std::clamp<i32>(m.B1.position, 0, 100));
}

TEST_F(Window, HintsReachTheStatusBar) {
    const WindowModel& m = game().w;
    HWND bar = view(m.sbBar);
    // The highlighted menu item.
    SendMessageW(win->hwnd(), WM_MENUSELECT, MAKEWPARAM(idOf(m.menu.Save1), MF_HILITE),
                 reinterpret_cast<LPARAM>(GetMenu(win->hwnd())));
    EXPECT_EQ(narrow(statusText(bar)), m.menu.Save1.hint);
    // The drawn widget under the mouse: the face, then the left pupil.
    mouse(win->hwnd(), WM_MOUSEMOVE, {scaled(285, dpi()), scaled(100, dpi())});
    EXPECT_EQ(narrow(statusText(bar)), "Пухтяш");
    mouse(win->hwnd(), WM_MOUSEMOVE, {scaled(312, dpi()), scaled(56, dpi())});
    EXPECT_EQ(narrow(statusText(bar)), "Зрачок левого глазика Пухтяша");
    // A control, and one inside the group box without a hint of its own.
    mouse(view(m.Feed), WM_MOUSEMOVE, {3, 3});
    EXPECT_EQ(narrow(statusText(bar)), m.Feed.hint);
    mouse(view(m.AlcoLabel), WM_MOUSEMOVE, {1, 1});
    EXPECT_EQ(narrow(statusText(bar)), "");
    mouse(view(m.LabelAlco), WM_MOUSEMOVE, {1, 1});
    EXPECT_EQ(narrow(statusText(bar)), "Степень опьянения.");
    // The bare window.
    mouse(win->hwnd(), WM_MOUSEMOVE, {scaled(560, dpi()), scaled(10, dpi())});
    EXPECT_EQ(narrow(statusText(bar)), "");
}

// The clock label pauses on a left press and races on a right one; the
// alcohol label, inside the group box, answers a click.
TEST_F(Window, PressesOnLabelsReachTheirHandlers) {
    const WindowModel& m = game().w;
    key(VK_F2);
    mouse(view(m.TimeLabel), WM_LBUTTONDOWN, {2, 2}, MK_LBUTTON);
    mouse(view(m.TimeLabel), WM_LBUTTONUP, {2, 2});
    EXPECT_TRUE(m.menu.Pause1.checked);
    EXPECT_FALSE(m.GlobalTimer.enabled);
    mouse(view(m.TimeLabel), WM_LBUTTONDOWN, {2, 2}, MK_LBUTTON);
    mouse(view(m.TimeLabel), WM_LBUTTONUP, {2, 2});
    EXPECT_FALSE(m.menu.Pause1.checked);
    mouse(view(m.TimeLabel), WM_RBUTTONDOWN, {2, 2}, MK_RBUTTON);
    mouse(view(m.TimeLabel), WM_RBUTTONUP, {2, 2});
    EXPECT_TRUE(m.menu.AccelerateTime1.checked);
    game().s.beer = 3;
    mouse(view(m.LabelAlco), WM_LBUTTONDOWN, {2, 2}, MK_LBUTTON);
    mouse(view(m.LabelAlco), WM_LBUTTONUP, {2, 2});
    EXPECT_EQ(game().s.thoughtText, "Блээээээээ  :(");
}

TEST_F(Window, StatusBarSwitchChangesTheWindowHeight) {
    RECT before{};
    GetWindowRect(win->hwnd(), &before);
    key('S', true);
    RECT after{};
    GetWindowRect(win->hwnd(), &after);
    EXPECT_EQ((before.bottom - before.top) - (after.bottom - after.top), scaled(233, dpi()) - scaled(214, dpi()));
    EXPECT_FALSE(IsWindowVisible(view(game().w.sbBar)));
    key('S', true);
    GetWindowRect(win->hwnd(), &after);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    EXPECT_TRUE(IsWindowVisible(view(game().w.sbBar)));
}

// Moved to a screen of twice the density, everything is laid out again at
// twice the size, fonts included.
TEST_F(Window, FollowsAChangeOfScale) {
    const WindowModel& m = game().w;
    RECT suggested{};
    GetWindowRect(win->hwnd(), &suggested);
    SendMessageW(win->hwnd(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    ASSERT_EQ(win->dpi(), 192);
    RECT client{};
    GetClientRect(win->hwnd(), &client);
    EXPECT_EQ(client.right, 1236);
    EXPECT_EQ(client.bottom, 466);
    for (const Widget* w : {&m.Feed, &m.B7, &m.GroupBox1, &m.LabelAlco, &m.sbBar, &m.TimeLabel}) {
        SCOPED_TRACE(w->name);
        RECT r{};
        GetWindowRect(view(*w), &r);
        MapWindowPoints(nullptr, GetParent(view(*w)), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 2 * w->left);
        EXPECT_EQ(r.top, 2 * w->top);
        EXPECT_EQ(r.bottom - r.top, 2 * w->height);
    }
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(view(m.Thought), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -26);
}

TEST_F(Window, TheGameRunsOnBehindAnOpenBoxAndNoKeepsIt) {
    key(VK_F2);
    key('6', true);  // 50 ms a tick
    i32 during = 0;
    std::wstring caption, yes;
    whenBoxOpens(600, [&](HWND box) {
        during = game().s.timer;
        caption = textOf(box);
        yes = textOf(GetDlgItem(box, IDYES));
        SendMessageW(GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
    });
    const i32 before = game().s.timer;
    key(VK_ESCAPE, false, true);  // Shift+Esc
    EXPECT_EQ(caption, L"Выход?");
    EXPECT_EQ(yes, L"&Да");
    EXPECT_GE(during - before, 5);
    EXPECT_NE(win->hwnd(), nullptr);
    EXPECT_EQ(game().s.thoughtText, "Не наааадо! Ну остааааньсяяяя!!!! ;(");
    pump(200);
    EXPECT_GT(game().s.timer, during);
}

TEST_F(Window, ExitAnsweredYesClosesTheWindow) {
    whenBoxOpens(50, [](HWND box) { SendMessageW(GetDlgItem(box, IDYES), BM_CLICK, 0, 0); });
    key(VK_ESCAPE, false, true);
    pump(50);
    EXPECT_EQ(win->hwnd(), nullptr);
}

TEST_F(Window, ShiftCtrlAltOnTheBareWindowRevealsMaxButNotOnAShape) {
    const WindowModel& m = game().w;
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_MENU] = 0x80;
    SetKeyboardState(state);
    const WPARAM keys = MK_LBUTTON | MK_SHIFT | MK_CONTROL;
    mouse(win->hwnd(), WM_LBUTTONDOWN, {scaled(300, dpi()), scaled(150, dpi())}, keys);
    EXPECT_TRUE(m.MaximizeAll.visible);
    EXPECT_TRUE(IsWindowVisible(view(m.MaximizeAll)));
    mouse(win->hwnd(), WM_LBUTTONDOWN, {scaled(285, dpi()), scaled(100, dpi())}, keys);  // the face
    EXPECT_TRUE(m.MaximizeAll.visible);
    state[VK_MENU] = 0;
    SetKeyboardState(state);
    mouse(win->hwnd(), WM_LBUTTONDOWN, {scaled(300, dpi()), scaled(150, dpi())}, keys);  // without Alt
    EXPECT_TRUE(m.MaximizeAll.visible);
}

TEST_F(Window, AnErrorInAHandlerIsShownAndTheGameGoesOn) {
    key(VK_F2);
    std::wstring shown, caption;
    whenBoxOpens(10, [&](HWND box) {
        caption = textOf(box);
        // The box's text is its static control with the id 0xFFFF.
        shown = textOf(GetDlgItem(box, 0xFFFF));
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    win->act([this] {
        game().s.money = 7;
        throw std::runtime_error("Unable to write to Puhtyash.sav");
    });
    EXPECT_EQ(caption, L"V7700");
    EXPECT_EQ(shown, L"Unable to write to Puhtyash.sav.");
    EXPECT_TRUE(game().w.GlobalTimer.enabled);
    EXPECT_EQ(game().s.money, 7);  // the state the handler reached stays
    win->act([this] { game().GlobalTimerTimer(); });
    EXPECT_EQ(textOf(view(game().w.Money)), L"7");
}

// The window's own drawing: the face, the eyes and the mouth, from the model
// alone, at 1x and 2x.
TEST(Scene, DrawsTheFaceAndTheMouthFromTheModel) {
    for (const int dpi : {96, 192}) {
        SCOPED_TRACE(dpi);
        WindowModel w;
        w.penColor = clRed;
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bmp = CreateCompatibleBitmap(screen, scaled(618, dpi), scaled(233, dpi));
        HGDIOBJ old = SelectObject(dc, bmp);
        const auto red = [&] {
            paintScene(dc, w, dpi);
            int n = 0;
            const RECT r = deviceRect(w.Bevel1, dpi);
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x) n += GetPixel(dc, x, y) == RGB(255, 0, 0);
            return n;
        };
        EXPECT_EQ(red(), 0);  // no mouth before the first animation step
        w.mouth = {true, 302, 84, 15, 40, true};
        EXPECT_GT(red(), 40 * dpi / 96);
        // The face is yellow inside its outline, the pupils black in white eyes.
        const auto at = [&](int x, int y) { return GetPixel(dc, scaled(x, dpi), scaled(y, dpi)); };
        EXPECT_EQ(at(285, 100), RGB(255, 255, 0));
        EXPECT_EQ(at(312, 56), RGB(0, 0, 0));
        EXPECT_EQ(at(304, 54), RGB(255, 255, 255));
        EXPECT_EQ(at(276, 76), RGB(0, 0, 0));  // the left edge of the outline
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
}

TEST(Shortcuts, ReadTheMenusNotation) {
    struct Case {
        const char* notation;
        bool ok;
        BYTE modifiers;
        WORD key;
    };
    const Case cases[] = {
        {"F2", true, 0, VK_F2},
        {"Ctrl+F2", true, FCONTROL, VK_F2},
        {"Shift+Esc", true, FSHIFT, VK_ESCAPE},
        {"F12", true, 0, VK_F12},
        {"Ctrl+Shift+C", true, FCONTROL | FSHIFT, 'C'},
        {"Ctrl+0", true, FCONTROL, '0'},
        {"`", true, 0, VK_OEM_3},
        {"", false, 0, 0},
        {"Hyper+Q", false, 0, 0},
        {"F0", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notation);
        const Shortcut s = parseShortcut(c.notation);
        EXPECT_EQ(s.ok, c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(s.modifiers, c.modifiers);
        EXPECT_EQ(s.key, c.key);
        EXPECT_EQ(narrow(s.text), c.notation);
    }
}

TEST(ErrorDisplay, EndsAMessageWithAFullStopUnlessItEndsInPunctuation) {
    EXPECT_EQ(errorText(L"Unable to write to Puhtyash.sav"), L"Unable to write to Puhtyash.sav.");
    EXPECT_EQ(errorText(L"Ошибка 5"), L"Ошибка 5.");
    EXPECT_EQ(errorText(L"Done."), L"Done.");
    EXPECT_EQ(errorText(L"Why!"), L"Why!");
    EXPECT_EQ(errorText(L""), L"");
}

}  // namespace
}  // namespace pet::win32
