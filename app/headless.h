// What a game needs of a desktop when there is none: a shell that opens
// nothing, and a clock of the day that moves only when told.
#pragma once

#include <cstdint>

#include "game/ports.h"
#include "game/random.h"

namespace pet {

class NoShell final : public Shell {
public:
    void open(std::string_view, std::string_view, int) override {}
};

// The time of day as a counter: each reading moves it on by `step`
// milliseconds (0 for a clock that stands), and advance() moves it too.
class SteppingTimeOfDay final : public TimeOfDay {
public:
    explicit SteppingTimeOfDay(std::uint32_t start = 0, std::uint32_t step = 0) : ms_(start), step_(step) {}
    std::uint32_t millisecondsOfDay() override {
        const std::uint32_t now = ms_;
        advance(step_);
        return now;
    }
    void advance(std::uint32_t ms) { ms_ = static_cast<std::uint32_t>((static_cast<std::uint64_t>(ms_) + ms) % 86400000u); }

private:
    std::uint32_t ms_;
    std::uint32_t step_;
};

}  // namespace pet
