// The game's one window on Windows: a native control for every windowed
// widget of the model and GDI drawing for the rest, the menu bar and its
// shortcut table, the two window timers, the hints; it forwards the player's
// input and the timers to the game's handlers and after every event shows
// what the handlers changed.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <windows.h>

#include "game/game.h"
#include "ui/win32/desktop_ports.h"
#include "ui/win32/menu_bar.h"

namespace pet::win32 {

class MainWindow final {
public:
    // Builds the window, hidden; show() puts it on the screen.
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    Game& game() { return game_; }
    // The control of a model widget; nullptr for the ones the window draws.
    HWND view(const Widget& w) const;
    int dpi() const { return dpi_; }
    void show(int showCommand);

    // Runs a handler the way every event runs one: an error that escapes it
    // goes to the error display, and the window then shows the new state.
    void act(const std::function<void()>& handler);
    // Brings every widget, menu item and timer up to date with the model,
    // touching only what changed.
    void render();

    // For the message loop: the shortcut table, keyboard moves between the
    // controls, the hint under the mouse, and the tabs' input while no game
    // runs. True when the message has been dealt with.
    bool preTranslate(MSG& msg);
    // Runs the message loop until the window is gone.
    static int runLoop(MainWindow& window);

    // Called after every paint of the window's own drawing (harnesses).
    std::function<void()> afterPaint;

    static LRESULT CALLBACK formProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK pageProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);

private:
    class Measure final : public TextMeasure {
    public:
        explicit Measure(MainWindow& owner) : owner_(owner) {}
        int textWidth(const Widget& label) override;

    private:
        MainWindow& owner_;
    };
    struct ShownTimer {
        bool enabled = false;
        int interval = 0;
    };

    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT childMessage(HWND from, UINT msg, WPARAM wp, LPARAM lp);
    void buildWidgets();
    void buildTooltips();
    void runCommand(Command c, MenuItem* sender);
    void onCommand(WPARAM wp, LPARAM lp);
    HBRUSH onColor(HDC dc, HWND control);
    void sync(int index, bool force);
    void syncViews(bool force);
    void syncWindow(bool force);
    void followTimer(UINT id, const Timer& model, ShownTimer& shown);
    void resizeToModel();
    void setDpi(int dpi, const RECT* suggested);
    void paint();
    void invalidate(RECT r);
    int indexOf(HWND h) const;
    int widgetUnder(HWND h, POINT screen) const;
    std::string hintOf(int index) const;
    void hover(int index);
    int textWidthOf(const Widget& label, int dpi) const;
    RECT graphicToolRect(const Widget& w) const;

    HINSTANCE instance_;
    SystemTimeOfDay timeOfDay_;
    Measure measure_;
    ClockSeededRandom random_;
    BoxDialogs dialogs_;
    DesktopShell shell_;
    Game game_;

    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    int dpi_ = 96;
    std::unique_ptr<MenuBar> menu_;
    std::array<HWND, kWidgetCount> views_{};
    std::array<Widget, kWidgetCount> shown_{};  // what each widget shows now
    std::array<int, kWidgetCount> shownWidth_{};  // device width of each control
    std::array<bool, kMenuItemCount> checks_{};
    ShownTimer globalTimer_;
    ShownTimer animateTimer_;
    Mouth shownMouth_;
    TColor shownPen_ = 0;
    std::string shownCaption_;
    int shownClientHeight_ = -1;
    bool shownShowHint_ = false;
    bool rendered_ = false;
    int hovered_ = -2;  // the widget under the mouse; -1 the bare window, -2 unknown
    bool closing_ = false;
};

}  // namespace pet::win32
