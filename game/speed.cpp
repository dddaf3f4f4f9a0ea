// Processes and the speed of the game clock.
#include "game/game.h"

namespace pet {

void Game::SetGameSpeed(bool busy) { w.GlobalTimer.interval = busy ? s.busyInterval : s.tickInterval; }

// Holds the game clock around a message box. Holding remembers whether the
// clock was running and stops it; releasing puts back exactly that state, so
// a box never unpauses a paused game or restarts a dead pet's clock. Holds
// may nest; the outermost pair decides.
void Game::HoldClock(bool hold) {
    if (hold) {
        if (holdDepth_++ == 0) {
            clockWasRunning_ = w.GlobalTimer.enabled;
            w.GlobalTimer.enabled = false;
        }
    } else if (holdDepth_ > 0 && --holdDepth_ == 0) {
        w.GlobalTimer.enabled = clockWasRunning_;
    }
    w.TimeLabel.visible = true;
}

void Game::scheduleProcess(i32 duration) {
    // A process lasts at least one tick, so that it always meets its end.
    s.procEnd = add(s.timer, duration < 1 ? 1 : duration);
    SetGameSpeed(true);
}

void Game::startProcess(i32 kind, i32 duration) {
    scheduleProcess(duration);
    s.procKind = kind;
}

void Game::StopProc1Click() {
    s.procKind = pkIdle;
    s.procEnd = add(s.timer, 1);
}

void Game::Pause1Click() {
    w.GlobalTimer.enabled = !w.GlobalTimer.enabled;
    w.menu.Pause1.checked = !w.GlobalTimer.enabled;
    w.TimeLabel.visible = true;
}

void Game::AccelerateTime1Click() {
    if (w.GlobalTimer.interval == 1) {
        SetGameSpeed(false);
        w.menu.AccelerateTime1.checked = false;
    } else {
        w.GlobalTimer.interval = 1;
        w.menu.AccelerateTime1.checked = true;
    }
}

void Game::N1000ms1Click(MenuItem& sender) {
    s.tickInterval = sender.tag;
    SetGameSpeed(false);
    for (MenuItem* item : w.menu.speedItems()) item->checked = item == &sender;
}

void Game::GuardianAngelClick() {
    s.guardianAngel = !s.guardianAngel;
    w.menu.GuardianAngel.checked = s.guardianAngel;
    w.TimeLabel.fontColor = clBlue;
}

void Game::TimeLabelMouseDown(MouseButton button) {
    if (button == MouseButton::Left) Pause1Click();
    else if (button == MouseButton::Right) AccelerateTime1Click();
}

bool Game::isCritical() const {
    return s.Doc < -4 || s.Mod < -40 || s.Fit < 3 || s.Fed < -20 || s.Fat < -15;
}

void Game::guardianAngelStep() {
    if (!s.guardianAngel) return;
    const bool spared = s.procKind == pkEating || s.procKind == pkFun || s.procKind == pkSleep;
    if (isCritical() && !spared && w.GlobalTimer.interval != s.tickInterval) {
        SetGameSpeed(false);
        w.TimeLabel.fontColor = clRed;
    } else if (w.TimeLabel.fontColor == clRed) {
        w.TimeLabel.fontColor = clBlue;
    }
}

}  // namespace pet
