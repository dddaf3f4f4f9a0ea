#include "ui/win32/main_window.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include <commctrl.h>
#include <uxtheme.h>
#include <windowsx.h>

#include "ui/win32/look.h"
#include "ui/win32/scene.h"
#include "ui/win32/text.h"

namespace pet::win32 {

namespace {

constexpr const wchar_t* kFormClass = L"PuhtyashForm";
constexpr const wchar_t* kPageClass = L"PuhtyashPage";
constexpr int kControlIdBase = 100;  // a control's id: its widget's place in the model after this
constexpr UINT_PTR kGlobalTimerId = 1;
constexpr UINT_PTR kAnimateTimerId = 2;
constexpr UINT_PTR kGroupSubclassId = 1;
constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

// The DPI calls of newer Windows, looked up at run time so that the program
// also starts where they are missing.
template <class F>
F user32(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int windowDpi(HWND h) {
    static const auto forWindow = user32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (forWindow != nullptr && h != nullptr) return static_cast<int>(forWindow(h));
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return dpi;
}

RECT outerRect(RECT client, int dpi) {
    static const auto forDpi = user32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (forDpi != nullptr) forDpi(&client, kFormStyle, TRUE, kFormExStyle, static_cast<UINT>(dpi));
    else AdjustWindowRectEx(&client, kFormStyle, TRUE, kFormExStyle);
    return client;
}

MainWindow* windowOf(HWND h) { return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(h, GWLP_USERDATA)); }

// The group box sends its controls' messages to itself; they belong to the
// window. It keeps its presses, as every widget does, and since the window
// does not paint beneath its controls, the box paints its own inside.
LRESULT CALLBACK groupProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR owner) {
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(h, &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, brushOf(clBtnFace));
            return 1;
        }
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return SendMessageW(reinterpret_cast<HWND>(owner), msg, wp, lp);
        case WM_NCHITTEST:
            return HTCLIENT;
        default:
            return DefSubclassProc(h, msg, wp, lp);
    }
}

bool isPress(UINT m) {
    switch (m) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

bool isInput(UINT m) {
    return isPress(m) || m == WM_LBUTTONUP || m == WM_RBUTTONUP || m == WM_MBUTTONUP || m == WM_MOUSEWHEEL ||
           m == WM_KEYDOWN || m == WM_KEYUP || m == WM_CHAR || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP || m == WM_SYSCHAR;
}

void registerClasses(HINSTANCE instance) {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = &MainWindow::formProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    form.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);
    WNDCLASSEXW page{};
    page.cbSize = sizeof page;
    page.lpfnWndProc = &MainWindow::pageProc;
    page.hInstance = instance;
    page.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    page.lpszClassName = kPageClass;
    RegisterClassExW(&page);
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : instance_(instance),
      measure_(*this),
      random_(timeOfDay_),
      dialogs_([this] { render(); }),
      game_({random_, dialogs_, shell_, &measure_}) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    registerClasses(instance);
    menu_ = std::make_unique<MenuBar>(game_.w.menu);
    hwnd_ = CreateWindowExW(kFormExStyle, kFormClass, L"", kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                            nullptr, menu_->bar(), instance, this);
    if (hwnd_ == nullptr) throw std::runtime_error("CreateWindowEx failed");
    dialogs_.setOwner(hwnd_);
    dpi_ = windowDpi(hwnd_);
    buildWidgets();
    buildTooltips();
    game_.FormCreate();
    render();
    // Centred on the work area of the monitor it opens on.
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi);
    const int w = outer.right - outer.left;
    const int h = outer.bottom - outer.top;
    SetWindowPos(hwnd_, nullptr, (mi.rcWork.left + mi.rcWork.right - w) / 2, (mi.rcWork.top + mi.rcWork.bottom - h) / 2,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

MainWindow::~MainWindow() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void MainWindow::show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
}

int MainWindow::Measure::textWidth(const Widget& label) {
    // In design pixels, rounded up, of the text in the font the window shows,
    // so that the bubble fits the text it draws.
    const int dpi = owner_.dpi_;
    return (owner_.textWidthOf(label, dpi) * 96 + dpi - 1) / dpi;
}

int MainWindow::textWidthOf(const Widget& label, int dpi) const {
    const std::wstring text = wide(label.caption);
    if (text.empty()) return 0;
    HFONT font = modelFont(label.face, label.fontHeight, label.bold, dpi);
    HDC screen = GetDC(hwnd_);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(hwnd_, screen);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    // Some desktops draw a text wider than they measure it (their glyphs
    // stand at fractional places): the text is drawn once off screen and the
    // label gets the width its letters really take.
    const int w = size.cx * 5 / 4 + 8;
    const int h = std::max<int>(size.cy, 1);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    int width = size.cx;
    if (bmp != nullptr) {
        HGDIOBJ oldBmp = SelectObject(dc, bmp);
        const RECT all{0, 0, w, h};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
        GdiFlush();
        const auto* px = static_cast<const std::uint32_t*>(bits);
        for (int x = w - 1; x >= width; --x) {
            bool ink = false;
            for (int y = 0; y < h && !ink; ++y) ink = (px[y * w + x] & 0xFFFFFF) != 0xFFFFFF;
            if (ink) {
                width = x + 1;
                break;
            }
        }
        SelectObject(dc, oldBmp);
        DeleteObject(bmp);
    }
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    return width;
}

HWND MainWindow::view(const Widget& w) const {
    const auto all = game_.w.all();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] == &w) return views_[i];
    return nullptr;
}

int MainWindow::indexOf(HWND h) const {
    if (h == nullptr) return -1;
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (views_[i] == h) return static_cast<int>(i);
    return -1;
}

void MainWindow::buildWidgets() {
    WindowModel& w = game_.w;
    HWND pageControl = nullptr;
    HWND pages[4] = {};
    HWND group = nullptr;
    const auto all = w.all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        Widget& m = *all[i];
        HWND parent = hwnd_;
        switch (m.parent) {
            case Parent::Window: parent = hwnd_; break;
            case Parent::PageControl: parent = pageControl; break;
            case Parent::Tab1: parent = pages[0]; break;
            case Parent::Tab2: parent = pages[1]; break;
            case Parent::Tab3: parent = pages[2]; break;
            case Parent::Tab4: parent = pages[3]; break;
            case Parent::GroupBox1: parent = group; break;
        }
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIdBase + static_cast<int>(i)));
        const std::wstring caption = wide(m.caption);
        const wchar_t* cls = nullptr;
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
        DWORD ex = 0;
        switch (m.kind) {
            case WidgetKind::Shape:
            case WidgetKind::Bevel:
                continue;  // drawn by the window
            case WidgetKind::Label:
                cls = L"STATIC";
                style |= SS_NOTIFY | SS_NOPREFIX | (m.centered ? SS_CENTER : SS_LEFTNOWORDWRAP);
                break;
            case WidgetKind::Button:
                cls = L"BUTTON";
                style |= BS_PUSHBUTTON | WS_TABSTOP;
                break;
            case WidgetKind::RadioButton:
                cls = L"BUTTON";
                style |= BS_RADIOBUTTON | WS_TABSTOP;
                break;
            case WidgetKind::ProgressBar:
                cls = PROGRESS_CLASSW;
                style |= PBS_SMOOTH;
                break;
            case WidgetKind::PageControl:
                cls = WC_TABCONTROLW;
                style |= WS_CLIPCHILDREN | WS_TABSTOP;
                ex = WS_EX_CONTROLPARENT;
                break;
            case WidgetKind::TabSheet:
                cls = kPageClass;
                style |= WS_CLIPCHILDREN;
                ex = WS_EX_CONTROLPARENT;
                break;
            case WidgetKind::GroupBox:
                cls = L"BUTTON";
                style |= BS_GROUPBOX | WS_CLIPCHILDREN;
                ex = WS_EX_CONTROLPARENT;
                break;
            case WidgetKind::StatusBar:
                cls = STATUSCLASSNAMEW;
                style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | SBARS_TOOLTIPS;
                break;
        }
        HWND v = CreateWindowExW(ex, cls, m.kind == WidgetKind::TabSheet ? L"" : caption.c_str(), style, 0, 0, 0, 0,
                                 parent, id, instance_, nullptr);
        if (v == nullptr) throw std::runtime_error(std::string("cannot create the control ") + m.name);
        views_[i] = v;
        switch (m.kind) {
            case WidgetKind::PageControl: pageControl = v; break;
            case WidgetKind::TabSheet: {
                SetWindowLongPtrW(v, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
                const int n = static_cast<int>(m.tabOrder);
                pages[n] = v;
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                std::wstring text = caption;
                item.pszText = text.data();
                SendMessageW(pageControl, TCM_INSERTITEMW, static_cast<WPARAM>(n), reinterpret_cast<LPARAM>(&item));
                break;
            }
            case WidgetKind::GroupBox:
                group = v;
                SetWindowSubclass(v, &groupProc, kGroupSubclassId, reinterpret_cast<DWORD_PTR>(hwnd_));
                break;
            case WidgetKind::ProgressBar: SendMessageW(v, PBM_SETRANGE32, 0, 100); break;
            case WidgetKind::StatusBar: SendMessageW(v, SB_SIMPLE, TRUE, 0); break;
            default: break;
        }
    }
    // Keyboard order within each page: the controls' order among their siblings.
    for (HWND page : pages) {
        std::vector<std::pair<int, HWND>> order;
        for (std::size_t i = 0; i < all.size(); ++i)
            if (views_[i] != nullptr && GetParent(views_[i]) == page && all[i]->tabOrder >= 0)
                order.emplace_back(all[i]->tabOrder, views_[i]);
        std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        HWND after = HWND_TOP;
        for (const auto& [tab, h] : order) {
            SetWindowPos(h, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            after = h;
        }
    }
}

void MainWindow::buildTooltips() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_, nullptr);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, 400);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 6000);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scaled(600, dpi_));
    // The window's own drawing first, topmost first: the tooltip takes the
    // first tool under the mouse.
    const auto all = game_.w.all();
    for (int i = kWidgetCount - 1; i >= 0; --i) {
        const Widget& m = *all[static_cast<std::size_t>(i)];
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = hwnd_;
        tool.lpszText = const_cast<wchar_t*>(L"");
        if (views_[static_cast<std::size_t>(i)] != nullptr) {
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.uId = reinterpret_cast<UINT_PTR>(views_[static_cast<std::size_t>(i)]);
        } else if (m.parent == Parent::Window) {
            tool.uFlags = TTF_SUBCLASS;
            tool.uId = static_cast<UINT_PTR>(i);
            tool.rect = graphicToolRect(m);
        } else {
            continue;
        }
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
}

RECT MainWindow::graphicToolRect(const Widget& w) const {
    if (!w.visible) return RECT{};
    return deviceRect(w, dpi_);
}

void MainWindow::runCommand(Command c, MenuItem* sender) {
    if (c == Command::None) return;
    if (sender != nullptr) act([this, sender] { game_.run(*sender); });
    else act([this, c] { game_.run(c); });
}

void MainWindow::act(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        render();
        showError(hwnd_, e.what());
    } catch (...) {
        render();
        showError(hwnd_, "");
    }
    render();
}

void MainWindow::render() {
    if (hwnd_ == nullptr || closing_) return;
    const bool force = !rendered_;
    rendered_ = true;
    syncViews(force);
    syncWindow(force);
}

void MainWindow::invalidate(RECT r) {
    // The drawing there, and the transparent labels that show it.
    RedrawWindow(hwnd_, &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::sync(int index, bool force) {
    const auto i = static_cast<std::size_t>(index);
    const Widget& m = *game_.w.all()[i];
    Widget& was = shown_[i];
    HWND v = views_[i];
    bool changed = false;

    if (v == nullptr) {
        // Drawn by the window: repaint where it was and where it is.
        if (m.parent != Parent::Window) return;
        const bool moved = force || m.left != was.left || m.top != was.top || m.width != was.width ||
                           m.height != was.height || m.visible != was.visible;
        const bool look = moved || m.shape != was.shape || m.brush != was.brush || m.pen != was.pen ||
                          m.penClear != was.penClear || m.lowered != was.lowered;
        if (look) {
            if (!force) invalidate(deviceRect(was, dpi_));
            invalidate(deviceRect(m, dpi_));
            changed = true;
        }
        if (moved) {
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = hwnd_;
            tool.uId = i;
            tool.rect = graphicToolRect(m);
            SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    } else {
        const bool captionChanged = force || m.caption != was.caption;
        const bool fontChanged = force || m.bold != was.bold || m.face != was.face || m.fontHeight != was.fontHeight;
        const bool lookChanged = captionChanged || fontChanged || m.fontColor != was.fontColor || m.color != was.color ||
                                 m.transparent != was.transparent;
        int width = scaled(m.left + m.width, dpi_) - scaled(m.left, dpi_);
        if (fontChanged && m.kind != WidgetKind::ProgressBar && m.kind != WidgetKind::TabSheet) {
            SendMessageW(v, WM_SETFONT, reinterpret_cast<WPARAM>(modelFont(m.face, m.fontHeight, m.bold, dpi_)), FALSE);
        }
        switch (m.kind) {
            case WidgetKind::Label:
                if (captionChanged) SetWindowTextW(v, wide(m.caption).c_str());
                if (m.autoSize) width = captionChanged || fontChanged ? textWidthOf(m, dpi_) : shownWidth_[i];
                if (lookChanged && !captionChanged) InvalidateRect(v, nullptr, FALSE);
                changed = lookChanged;
                break;
            case WidgetKind::Button:
            case WidgetKind::GroupBox:
                if (captionChanged) SetWindowTextW(v, wide(m.caption).c_str());
                changed = captionChanged || fontChanged;
                break;
            case WidgetKind::RadioButton:
                if (captionChanged) SetWindowTextW(v, wide(m.caption).c_str());
                if (force || m.checked != was.checked) SendMessageW(v, BM_SETCHECK, m.checked ? BST_CHECKED : BST_UNCHECKED, 0);
                changed = captionChanged || fontChanged || m.checked != was.checked;
                break;
            case WidgetKind::ProgressBar:
                if (force || m.position != was.position) {
                    SendMessageW(v, PBM_SETPOS, static_cast<WPARAM>(std::clamp<i32>(m.position, 0, 100)), 0);
                    changed = true;
                }
                break;
            case WidgetKind::StatusBar:
                if (captionChanged) {
                    SendMessageW(v, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(wide(m.caption).c_str()));
                    changed = true;
                }
                break;
            case WidgetKind::PageControl:
                changed = fontChanged;
                break;
            case WidgetKind::TabSheet:
            case WidgetKind::Shape:
            case WidgetKind::Bevel:
                break;
        }
        if (m.kind == WidgetKind::TabSheet) {
            // The page fills the tab control's display area.
            if (force) {
                HWND tabs = GetParent(v);
                RECT r{};
                GetClientRect(tabs, &r);
                SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
                SetWindowPos(v, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
                const int selected = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
                ShowWindow(v, m.tabOrder == selected ? SW_SHOWNA : SW_HIDE);
                changed = true;
            }
        } else {
            if (force || m.left != was.left || m.top != was.top || m.height != was.height || width != shownWidth_[i]) {
                SetWindowPos(v, nullptr, scaled(m.left, dpi_), scaled(m.top, dpi_), width,
                             scaled(m.top + m.height, dpi_) - scaled(m.top, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
                shownWidth_[i] = width;
                changed = true;
            }
            if (force || m.visible != was.visible) {
                ShowWindow(v, m.visible ? SW_SHOWNA : SW_HIDE);
                changed = true;
            }
        }
    }
    if (force || m.hint != was.hint) {
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = hwnd_;
        tool.uId = v != nullptr ? reinterpret_cast<UINT_PTR>(v) : i;
        const std::wstring text = wide(m.hint);
        tool.lpszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        // A hint that changes under the resting mouse reaches the status bar at once.
        if (!force && hovered_ == index && !m.hint.empty()) game_.DisplayHint(m.hint);
        changed = true;
    }
    if (changed) was = m;
}

void MainWindow::syncViews(bool force) {
    WindowModel& w = game_.w;
    // The status bar's text may change through a hint raised below; its
    // widget comes last, so it shows that text in the same pass.
    for (int i = 0; i < kWidgetCount; ++i) sync(i, force);
    const Mouth& mouth = w.mouth;
    const Mouth& was = shownMouth_;
    if (force || w.penColor != shownPen_ || mouth.visible != was.visible || mouth.x0 != was.x0 || mouth.y0 != was.y0 ||
        mouth.d1 != was.d1 || mouth.d2 != was.d2 || mouth.smile != was.smile) {
        if (was.visible) invalidate(mouthRect(was, dpi_));
        if (mouth.visible) invalidate(mouthRect(mouth, dpi_));
        shownMouth_ = mouth;
        shownPen_ = w.penColor;
    }
}

void MainWindow::followTimer(UINT id, const Timer& model, ShownTimer& shown) {
    const int interval = std::max<i32>(model.interval, 1);
    if (!model.enabled) {
        if (shown.enabled) KillTimer(hwnd_, id);
        shown.enabled = false;
        return;
    }
    if (shown.enabled && shown.interval == interval) return;
    // Setting it again restarts the count with the new interval.
    SetTimer(hwnd_, id, static_cast<UINT>(interval), nullptr);
    shown = {true, interval};
}

void MainWindow::resizeToModel() {
    const RECT want = deviceClient(game_.w, dpi_);
    const RECT outer = outerRect(want, dpi_);
    int w = outer.right - outer.left;
    int h = outer.bottom - outer.top;
    SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame and the menu bar may take other room than reckoned (a menu
    // bar that wraps, a frame drawn at another scale): the client area is
    // what must come out right.
    RECT got{};
    GetClientRect(hwnd_, &got);
    if (got.right != want.right || got.bottom != want.bottom) {
        w += want.right - got.right;
        h += want.bottom - got.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void MainWindow::syncWindow(bool force) {
    WindowModel& w = game_.w;
    if (force || w.clientHeight != shownClientHeight_) {
        shownClientHeight_ = w.clientHeight;
        resizeToModel();
    }
    if (force || w.caption != shownCaption_) {
        shownCaption_ = w.caption;
        SetWindowTextW(hwnd_, wide(w.caption).c_str());
    }
    if (force || w.showHint != shownShowHint_) {
        shownShowHint_ = w.showHint;
        SendMessageW(tooltip_, TTM_ACTIVATE, w.showHint ? TRUE : FALSE, 0);
    }
    const auto items = w.menu.all();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (force || items[i]->checked != checks_[i]) {
            checks_[i] = items[i]->checked;
            menu_->setChecked(static_cast<int>(i), checks_[i]);
        }
    }
    followTimer(kGlobalTimerId, w.GlobalTimer, globalTimer_);
    followTimer(kAnimateTimerId, w.AnimateTimer, animateTimer_);

    if (w.closeRequested) {
        w.closeRequested = false;
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    }
}

void MainWindow::setDpi(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    rendered_ = false;
    shownWidth_.fill(-1);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scaled(600, dpi_));
    render();
    // The tooltips of the drawing move with it.
    for (int i = 0; i < kWidgetCount; ++i) {
        const Widget& m = *game_.w.all()[static_cast<std::size_t>(i)];
        if (views_[static_cast<std::size_t>(i)] != nullptr || m.parent != Parent::Window) continue;
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = hwnd_;
        tool.uId = static_cast<UINT_PTR>(i);
        tool.rect = graphicToolRect(m);
        SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (suggested != nullptr) {
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    resizeToModel();
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void MainWindow::paint() {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(hwnd_, &ps);
    const RECT& r = ps.rcPaint;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w > 0 && h > 0) {
        // Drawn off screen and put up at once, so that nothing flickers.
        HDC mem = CreateCompatibleDC(dc);
        HBITMAP bmp = CreateCompatibleBitmap(dc, w, h);
        HGDIOBJ old = SelectObject(mem, bmp);
        SetViewportOrgEx(mem, -r.left, -r.top, nullptr);
        paintScene(mem, game_.w, dpi_);
        SetViewportOrgEx(mem, 0, 0, nullptr);
        BitBlt(dc, r.left, r.top, w, h, mem, 0, 0, SRCCOPY);
        SelectObject(mem, old);
        DeleteObject(bmp);
        DeleteDC(mem);
    }
    EndPaint(hwnd_, &ps);
    if (afterPaint) afterPaint();
}

HBRUSH MainWindow::onColor(HDC dc, HWND control) {
    const int i = indexOf(control);
    if (i < 0) return brushOf(clBtnFace);
    const Widget& m = *game_.w.all()[static_cast<std::size_t>(i)];
    SetTextColor(dc, toColorRef(m.kind == WidgetKind::Label ? m.fontColor : clBtnText));
    const bool seeThrough = m.kind == WidgetKind::RadioButton || (m.kind == WidgetKind::Label && m.transparent);
    if (!seeThrough) {
        SetBkColor(dc, toColorRef(m.color));
        return brushOf(m.color);
    }
    // A transparent label shows what lies below it: the window's drawing, or
    // the page or box it stands in.
    SetBkMode(dc, TRANSPARENT);
    if (m.parent == Parent::GroupBox1) {
        RECT r{};
        GetClientRect(control, &r);
        FillRect(dc, &r, brushOf(clBtnFace));
    } else {
        DrawThemeParentBackground(control, dc, nullptr);
    }
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void MainWindow::onCommand(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    if (lp == 0) {
        // A menu item or its shortcut.
        const int item = id - kMenuIdBase;
        if (item < 0 || item >= kMenuItemCount) return;
        MenuItem* sender = game_.w.menu.all()[static_cast<std::size_t>(item)];
        runCommand(sender->command, sender);
        return;
    }
    const int index = id - kControlIdBase;
    if (index < 0 || index >= kWidgetCount) return;
    Widget* m = game_.w.all()[static_cast<std::size_t>(index)];
    const UINT code = HIWORD(wp);
    if (m->kind == WidgetKind::RadioButton && code == BN_CLICKED) {
        for (Widget* meal : game_.w.meals()) meal->checked = meal == m;
        render();
    } else if ((m->kind == WidgetKind::Button && code == BN_CLICKED) || (m->kind == WidgetKind::Label && code == STN_CLICKED)) {
        runCommand(m->onClick, nullptr);
    }
}

std::string MainWindow::hintOf(int index) const {
    // The widget's hint, or that of the nearest widget around it that has one.
    const WindowModel& w = game_.w;
    const auto all = w.all();
    while (index >= 0) {
        const Widget& m = *all[static_cast<std::size_t>(index)];
        if (!m.hint.empty()) return m.hint;
        const Widget* around = nullptr;
        switch (m.parent) {
            case Parent::Window: return {};
            case Parent::PageControl: around = &w.PageControl1; break;
            case Parent::Tab1: around = &w.Tab1; break;
            case Parent::Tab2: around = &w.Tab2; break;
            case Parent::Tab3: around = &w.Tab3; break;
            case Parent::Tab4: around = &w.Tab4; break;
            case Parent::GroupBox1: around = &w.GroupBox1; break;
        }
        index = static_cast<int>(std::find(all.begin(), all.end(), around) - all.begin());
    }
    return {};
}

int MainWindow::widgetUnder(HWND h, POINT screen) const {
    if (h == hwnd_) {
        POINT p = screen;
        ScreenToClient(hwnd_, &p);
        return graphicAt(game_.w, dpi_, p);
    }
    // A control, or a part of one.
    for (HWND x = h; x != nullptr && x != hwnd_; x = GetParent(x)) {
        const int i = indexOf(x);
        if (i >= 0) return i;
    }
    return -1;
}

void MainWindow::hover(int index) {
    if (index == hovered_) return;
    hovered_ = index;
    game_.DisplayHint(hintOf(index));
    render();
}

bool MainWindow::preTranslate(MSG& msg) {
    if (hwnd_ == nullptr) return false;
    const bool ours = msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd);
    if (!ours) return false;
    if (msg.message == WM_MOUSEMOVE) {
        POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        ClientToScreen(msg.hwnd, &p);
        hover(widgetUnder(msg.hwnd, p));
        // Told when the mouse leaves this control, to notice it leaving the window.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, msg.hwnd, 0};
        TrackMouseEvent(&track);
    } else if (msg.message == WM_MOUSELEAVE || msg.message == WM_NCMOUSEMOVE) {
        // Off the window, or on its frame or menu bar: no widget's hint.
        POINT p{};
        GetCursorPos(&p);
        HWND under = WindowFromPoint(p);
        if (msg.message == WM_NCMOUSEMOVE || (under != hwnd_ && !IsChild(hwnd_, under))) hover(-1);
    }
    HWND pages = view(game_.w.PageControl1);
    if (isInput(msg.message) && !game_.w.PageControl1.enabled && (msg.hwnd == pages || IsChild(pages, msg.hwnd))) {
        // No game yet: the tabs and their buttons do not react. The menu
        // shortcuts still do.
        if (TranslateAcceleratorW(hwnd_, menu_->accelerators(), &msg)) return true;
        // Alt and F10 still open the menu bar.
        return !(msg.message == WM_SYSKEYDOWN || msg.message == WM_SYSKEYUP || msg.message == WM_SYSCHAR);
    }
    if (isPress(msg.message) && msg.hwnd == view(game_.w.TimeLabel)) {
        const MouseButton b = msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONDBLCLK   ? MouseButton::Left
                              : msg.message == WM_RBUTTONDOWN || msg.message == WM_RBUTTONDBLCLK ? MouseButton::Right
                                                                                                 : MouseButton::Middle;
        act([this, b] { game_.TimeLabelMouseDown(b); });
    }
    if (TranslateAcceleratorW(hwnd_, menu_->accelerators(), &msg)) return true;
    if (IsDialogMessageW(hwnd_, &msg)) return true;
    return false;
}

int MainWindow::runLoop(MainWindow& window) {
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (window.preTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK MainWindow::formProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = h;
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    MainWindow* self = windowOf(h);
    if (self == nullptr) return DefWindowProcW(h, msg, wp, lp);
    return self->handle(msg, wp, lp);
}

LRESULT CALLBACK MainWindow::pageProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    MainWindow* self = windowOf(h);
    if (self == nullptr) return DefWindowProcW(h, msg, wp, lp);
    return self->childMessage(h, msg, wp, lp);
}

LRESULT MainWindow::childMessage(HWND from, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return handle(msg, wp, lp);
        case WM_ERASEBKGND:
        case WM_PRINTCLIENT: {
            // A page shows the tab control's body: its themed look where the
            // desktop has one, the window's colour where it has none.
            const auto dc = reinterpret_cast<HDC>(wp);
            RECT r{};
            GetClientRect(from, &r);
            if (IsAppThemed()) DrawThemeParentBackground(from, dc, &r);
            else FillRect(dc, &r, brushOf(clBtnFace));
            return msg == WM_ERASEBKGND ? 1 : 0;
        }
        default:
            return DefWindowProcW(from, msg, wp, lp);
    }
}

LRESULT MainWindow::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_PRINTCLIENT:
            paintScene(reinterpret_cast<HDC>(wp), game_.w, dpi_);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(onColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)));
        case WM_COMMAND:
            onCommand(wp, lp);
            return 0;
        case WM_NOTIFY: {
            const auto* n = reinterpret_cast<const NMHDR*>(lp);
            if (n->hwndFrom == view(game_.w.PageControl1) && n->code == TCN_SELCHANGE) {
                const int selected = static_cast<int>(SendMessageW(n->hwndFrom, TCM_GETCURSEL, 0, 0));
                for (Widget* page : {&game_.w.Tab1, &game_.w.Tab2, &game_.w.Tab3, &game_.w.Tab4})
                    ShowWindow(view(*page), page->tabOrder == selected ? SW_SHOWNA : SW_HIDE);
            }
            if (n->hwndFrom == view(game_.w.PageControl1) && n->code == TCN_SELCHANGING && !game_.w.PageControl1.enabled)
                return TRUE;  // no game yet
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN: {
            // A press on the bare window; the drawn widgets keep theirs.
            const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (graphicAt(game_.w, dpi_, p) >= 0) return 0;
            const bool shift = (wp & MK_SHIFT) != 0;
            const bool ctrl = (wp & MK_CONTROL) != 0;
            const bool alt = GetKeyState(VK_MENU) < 0;
            act([this, shift, ctrl, alt] { game_.FormMouseDown(shift, ctrl, alt); });
            return 0;
        }
        case WM_TIMER:
            if (wp == kGlobalTimerId) act([this] { game_.GlobalTimerTimer(); });
            else if (wp == kAnimateTimerId) act([this] { game_.FeelingsClick(); });
            return 0;
        case WM_MENUSELECT: {
            const int item = menu_->itemOfSelection(wp, lp);
            hovered_ = -2;  // the mouse's widget is shown again once the menu is left
            if (item >= 0) {
                game_.DisplayHint(game_.w.menu.all()[static_cast<std::size_t>(item)]->hint);
                render();
            }
            return 0;
        }
        case WM_DPICHANGED:
            setDpi(HIWORD(wp), reinterpret_cast<const RECT*>(lp));
            return 0;
        case WM_CLOSE:
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY:
            closing_ = true;
            KillTimer(hwnd_, kGlobalTimerId);
            KillTimer(hwnd_, kAnimateTimerId);
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            return 0;
        default:
            return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

}  // namespace pet::win32
