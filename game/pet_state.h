// The one record of a game.
#pragma once

#include <string>

#include "game/arith.h"
#include "game/colors.h"

namespace pet {

// Process kinds (procKind).
enum ProcKind : i32 {
    pkIdle = 0,
    pkBeg = 1,
    pkSweep = 2,
    pkLoader = 3,
    pkBaker = 4,
    pkRobbery = 5,
    pkHacker = 6,
    pkGym = 7,
    pkEating = 8,
    pkFun = 9,
    pkDebug = 10,
    pkLearning = 11,
    pkPunish = 12,
    pkSleep = 13,
};
inline constexpr int kProcKindCount = 14;

// Process variants (procVariant) of fun, learning and punishment.
enum ProcVariant : i32 {
    pvPcGame = 91,
    pvDisco = 92,
    pvBrothel = 93,
    pvTeach = 111,
    pvRead = 112,
    pvSchool = 113,
    pvPunish = 121,
};

struct PetState {
    i32 timer = 0;       // ticks since the game began; a tick is 3 game minutes
    i32 procEnd = 0;     // tick at which the running process ends, -1 for none
    i32 money = 0;
    i32 procKind = 0;
    i32 procVariant = 0;
    i32 Fit = 0;  // health
    i32 Fed = 0;  // satiety
    i32 Mod = 0;  // mood
    i32 Int = 0;  // intellect
    i32 Wis = 0;  // knowledge
    i32 Doc = 0;  // obedience
    i32 Fat = 0;  // vigor
    i32 pill = 0;
    i32 drug = 0;
    i32 cafe = 0;
    i32 beer = 0;
    i32 robb = 0;  // robberies the police have not forgotten yet
    i32 pillClock = 0;
    i32 drugClock = 0;
    i32 cafeClock = 0;
    i32 beerClock = 0;
    i32 robbClock = 0;
    i32 book = 0;
    bool pistol = false;
    i32 GrowthNotice = 0;
    i32 mealFedRate = 0;
    i32 mealModRate = 0;
    i32 mealDocPeriod = 0;
    i32 tickInterval = 1000;
    i32 busyInterval = 40;
    bool guardianAngel = true;
    bool confirmSaveLoad = false;
    i32 faceFitStep = -1;
    i32 faceFedStep = -1;
    std::string thoughtText;
    TColor thoughtColor = clNavy;
    i32 thoughtHold = 0;

    // Queues a remark for the thought bubble.
    void say(const char* text, TColor color) {
        thoughtText = text;
        thoughtColor = color;
    }
};

}  // namespace pet
