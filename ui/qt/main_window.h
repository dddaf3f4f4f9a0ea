// The game's one window: builds a real widget for every widget and menu item
// of the model, forwards the player's input and the timers to the game's
// handlers, and after every event shows what the handlers changed.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>

#include "game/game.h"
#include "ui/qt/desktop_ports.h"
#include "ui/qt/game_timer.h"

class QAction;

namespace pet::qt {

class PageControlView;

class MainWindow final : public QMainWindow {
public:
    MainWindow();
    ~MainWindow() override;

    Game& game() { return game_; }
    // The real widget of a model widget, and the action of a menu item.
    QWidget* view(const Widget& w) const;
    QAction* action(const MenuItem& item) const;
    const GameTimer& globalTimer() const { return globalTimer_; }
    const GameTimer& animateTimer() const { return animateTimer_; }

    // Runs a handler the way every event runs one: an error that escapes it
    // goes to the error display, and the window then shows the new state.
    void act(const std::function<void()>& handler);
    // Brings every widget, menu item and timer up to date with the model,
    // touching only what changed.
    void render();
    // After an event: the window and its timers at once, the widgets at
    // once too unless the clock runs faster than the screen's frames.
    void afterEvent();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildWidgets();
    void buildMenu();
    void runCommand(Command c, MenuItem* sender);
    void sync(int index, bool force);
    void syncFocus(int index);
    void showHint(const QString& hint);
    void refreshHint();
    void syncViews();
    void syncWindow();
    static constexpr int kFramePeriodMs = 16;

    class Measure final : public TextMeasure {
    public:
        int textWidth(const Widget& label) override;
    };

    SystemTimeOfDay timeOfDay_;
    Measure measure_;
    ClockSeededRandom random_;
    BoxDialogs dialogs_;
    DesktopShell shell_;
    Game game_;

    QWidget* form_ = nullptr;
    QPointer<QWidget> hovered_;  // what the mouse rests on
    PageControlView* pages_ = nullptr;
    std::array<QWidget*, kWidgetCount> views_{};
    std::array<Widget, kWidgetCount> shown_{};  // what each view shows now
    std::array<QAction*, kMenuItemCount> actions_{};
    std::array<bool, kMenuItemCount> checks_{};
    GameTimer globalTimer_;
    GameTimer animateTimer_;
    Mouth shownMouth_;
    TColor shownPen_ = 0;
    int shownClientHeight_ = -1;
    bool shownPageControlEnabled_ = true;
    bool rendered_ = false;
    bool viewsShown_ = false;
    bool viewsPending_ = false;
    QElapsedTimer sinceViews_;
};

}  // namespace pet::qt
