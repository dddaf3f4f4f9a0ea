// A timer that follows one of the model's timers.
//
// A message box shown by the tick must let further ticks run in its event
// loop, as the game expects. Some event dispatchers do not deliver a timer's
// event again while that timer's handler runs; so before such a box the timer
// takes a fresh id, which the box's loop is free to fire on any of them.
#pragma once

#include <functional>

#include <QObject>

namespace pet::qt {

class GameTimer final : public QObject {
public:
    explicit GameTimer(std::function<void()> onTimer) : onTimer_(std::move(onTimer)) {}
    // Makes the timer run (or not) with the given interval. Changing the
    // interval of a running timer restarts its count.
    void follow(bool enabled, int interval);
    bool active() const { return id_ != 0; }
    // Called from inside the handler: re-arms under a new id.
    void takeFreshId() {
        if (inHandler_ && id_ != 0) arm();
    }
    int interval() const { return interval_; }

protected:
    void timerEvent(QTimerEvent* e) override;

private:
    void arm();
    std::function<void()> onTimer_;
    int id_ = 0;
    int interval_ = 0;
    bool inHandler_ = false;
};

}  // namespace pet::qt
