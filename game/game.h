// The game: one PetState, the window model it drives, and every handler the
// window, the menu and the timers call. Toolkit-neutral; the desktop is
// reached only through the ports.
//
// Handlers may be re-entered: a message box shown by one of them runs the
// desktop's event loop, which keeps calling the timer handlers. So no
// handler keeps references into the state across a box, and each one goes on
// from whatever state it finds when the box is closed.
#pragma once

#include <string>

#include "game/commands.h"
#include "game/pet_state.h"
#include "game/ports.h"
#include "game/random.h"
#include "save/save_file.h"
#include "ui/window_model.h"

namespace pet {

enum class MouseButton { Left, Right, Middle };

class Game;

// Looks into a tick at two points, for the long-running checks of the rules.
class TickObserver {
public:
    virtual ~TickObserver() = default;
    virtual void afterWearOff(const Game&) {}
    virtual void afterStatPanel(const Game&) {}
};

struct Ports {
    RandomSource& random;
    Dialogs& dialogs;
    Shell& shell;
    TextMeasure* measure = nullptr;  // without one, a character is taken as 7 pixels wide
    SaveSlot* saves = nullptr;       // without one, the file in the current directory
};

class Game {
public:
    explicit Game(Ports ports);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    PetState s;
    WindowModel w;
    std::string epitaph;  // of the last death
    TickObserver* observer = nullptr;

    // Runs the handler of a widget or menu item.
    void run(Command c);
    // Runs a menu item's handler with the item as its sender: the speed
    // items' handler reads which item it was.
    void run(MenuItem& item);

    // New game and the developer button.
    void NewGameClick();
    void DifficultyHIGHClick();
    void DifficultyLOWClick();
    void MaximizeAllClick();

    // Processes and game speed.
    void SetGameSpeed(bool busy);
    void HoldClock(bool hold);
    void StopProc1Click();
    void Pause1Click();
    void AccelerateTime1Click();
    void N1000ms1Click(MenuItem& sender);
    void GuardianAngelClick();
    void TimeLabelMouseDown(MouseButton button);
    bool isCritical() const;
    // Starts a process of the given kind for a number of ticks.
    void startProcess(i32 kind, i32 duration);
    // Sets the end and the busy speed of a process whose kind follows later.
    void scheduleProcess(i32 duration);

    // The simulation tick and what it shows.
    void GlobalTimerTimer();
    i32 RobberyChance() const;
    void RefreshStatPanel();
    // The pet is sick, hungry, tired or unruly beyond saving.
    bool IsDead() const;
    // The pet throws up, and says the text.
    void Vomit(const char* text);
    // The animation step of the face and the thought bubble.
    void FeelingsClick();

    // Player actions: feeding, care and stimulants, upbringing and school.
    void FeedClick();
    void FitnessClick();
    void PillClick();
    void DrugClick();
    void BeerClick();
    void VodkaClick();
    void CafeClick();
    void SleepClick();
    void LabelAlcoClick();
    void EuthanasyClick();
    void PunishClick();
    void TeachClick();
    void ReadBookClick();
    void SchoolClick();
    // Jobs, outings, anecdotes and Russian roulette.
    void WorkBeggClick();
    void WorkCleanClick();
    void WorkWorkerClick();
    void WorkBakerClick();
    void WorkRobberClick();
    void WorkXakepClick();
    void btPlayGameOnPCClick();
    void btPenthouseClick();
    void btDiscoClick();
    void btAnecdotClick();
    void btPlayRussianRouletteClick();

    // The save slot: freezing the pet and bringing it back.
    void SaveClick();
    void LoadClick();

    // Once, when the window has been built.
    void FormCreate();

    // Window commands of the menu.
    void ExitClick();
    void HintsOFFClick();
    void HintsBarOFFClick();
    void SaveLoad1Click();
    void N9Click();
    void N10Click();
    void WebSite1Click();
    void email1Click();
    // A mouse press on the bare window background.
    void FormMouseDown(bool shift, bool ctrl, bool alt);
    // The desktop's current hint changed: it goes to the status bar.
    void DisplayHint(std::string_view hint);

    // Writes the clock text of the current tick into buf; returns its length.
    static int clockText(i32 timer, char* buf, int size);

private:
    Dialogs& dialogs() { return ports_.dialogs; }
    Shell& shell() { return ports_.shell; }
    i32 r(i32 n) { return random(ports_.random, n); }
    void reseed() { ports_.random.reseed(); }

    // Steps of the tick.
    void showTime();
    void naturalDrift();
    void showSchoolCaption();
    void showState();
    void showRobberyChance();
    void guardianAngelStep();
    // Steps whose rules come with the substances, the process effects, death
    // and growth. processEffects returns false when the tick must end at once.
    void substancesWearOff();
    void tenthTickEffects();
    void medicine();
    bool processEffects();
    void deathStep();
    void growthStep();
    bool wearOffDue(i32& level, i32& clock);
    void workEffects();
    bool robberyEffects();  // false when the robber was caught and the tick ends
    void funEffects();
    void learningEffects();

    static void setNumber(std::string& caption, i32 value);
    // Pays a price, or shows the seller's refusal and the pet's remark.
    bool pay(i32 price, const char* text, const char* caption, const char* remark);
    // An employer's refusal: a box, and the pet's remark if there is one.
    void refuse(const char* text, const char* caption, const char* remark);
    void mixingDamage(i32 base);
    // The animation step's parts.
    void showRemark(const char* text, TColor color);
    void idleRemark();
    void processOverride(i32& hL, i32& hR, i32& v, i32& d1, i32& d2);
    void sizeFace();
    int thoughtWidth();

    SaveSlot& saves() { return ports_.saves != nullptr ? *ports_.saves : fileSlot_; }

    Ports ports_;
    FileSaveSlot fileSlot_;
    // A handler held the clock while it was running (see HoldClock).
    bool clockWasRunning_ = false;
    int holdDepth_ = 0;
};

}  // namespace pet
