// Every handler a widget, a menu item or a timer can call, named after it.
#pragma once

namespace pet {

#define PET_COMMANDS(X)                                                                  \
    X(None) X(NewGameClick) X(DifficultyHIGHClick) X(DifficultyLOWClick)                 \
    X(MaximizeAllClick) X(SaveClick) X(LoadClick) X(EuthanasyClick) X(ExitClick)         \
    X(StopProc1Click) X(Pause1Click) X(AccelerateTime1Click) X(N1000ms1Click)            \
    X(GuardianAngelClick) X(HintsOFFClick) X(HintsBarOFFClick) X(SaveLoad1Click)         \
    X(N9Click) X(N10Click) X(WebSite1Click) X(email1Click)                               \
    X(FeedClick) X(FitnessClick) X(PillClick) X(DrugClick) X(BeerClick) X(VodkaClick)    \
    X(CafeClick) X(SleepClick) X(LabelAlcoClick)                                         \
    X(PunishClick) X(TeachClick) X(ReadBookClick) X(SchoolClick)                         \
    X(WorkBeggClick) X(WorkCleanClick) X(WorkWorkerClick) X(WorkBakerClick)              \
    X(WorkRobberClick) X(WorkXakepClick)                                                 \
    X(btPlayGameOnPCClick) X(btPenthouseClick) X(btDiscoClick) X(btAnecdotClick)         \
    X(btPlayRussianRouletteClick)

enum class Command {
#define PET_COMMAND_ENUM(name) name,
    PET_COMMANDS(PET_COMMAND_ENUM)
#undef PET_COMMAND_ENUM
};

const char* commandName(Command c);

}  // namespace pet
