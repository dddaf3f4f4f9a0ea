#include "ui/qt/game_timer.h"

#include <QTimerEvent>

namespace pet::qt {

void GameTimer::follow(bool enabled, int interval) {
    if (interval < 1) interval = 1;
    if (!enabled) {
        if (id_ != 0) killTimer(id_);
        id_ = 0;
        return;
    }
    if (id_ != 0 && interval == interval_) return;
    interval_ = interval;
    arm();
}

void GameTimer::arm() {
    if (id_ != 0) killTimer(id_);
    id_ = startTimer(interval_, Qt::PreciseTimer);
}

void GameTimer::timerEvent(QTimerEvent* e) {
    if (e->timerId() != id_) {
        killTimer(e->timerId());
        return;
    }
    const bool outer = !inHandler_;
    inHandler_ = true;
    onTimer_();
    if (outer) inHandler_ = false;
}

}  // namespace pet::qt
