// The animation step: the living face and the thought bubble.
#include "game/game.h"

namespace pet {

void Game::FeelingsClick() {
    if (!w.GlobalTimer.enabled) w.TimeLabel.visible = !w.TimeLabel.visible;  // the clock blinks while stopped
    RefreshStatPanel();
}

}  // namespace pet
