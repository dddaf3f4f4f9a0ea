// Test doubles for the desktop and a fixture with a fresh game.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "game/game.h"

namespace pet::test {

struct ShownBox {
    std::string text;
    std::string caption;
    Buttons buttons;
};

// Answers boxes from a script (Yes, or Ok, when the script has run out) and
// records what was shown. whileOpen runs while a box is "open", the way the
// desktop's nested event loop would run timer events.
class ScriptedDialogs final : public Dialogs {
public:
    Answer messageBox(std::string_view text, std::string_view caption, Buttons buttons) override {
        shown.push_back({std::string(text), std::string(caption), buttons});
        if (whileOpen) whileOpen(shown.size());
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (answers.empty()) return Answer::Yes;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<Answer> answers;
    std::vector<ShownBox> shown;
    std::function<void(std::size_t)> whileOpen;
};

class RecordingShell final : public Shell {
public:
    void open(std::string_view file, std::string_view parameters, int showCommand) override {
        opened.push_back(std::string(file) + "|" + std::string(parameters) + "|" + std::to_string(showCommand));
    }
    std::vector<std::string> opened;
};

class GameTest : public ::testing::Test {
protected:
    ScriptedRandom rng;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    Game g{{rng, dialogs, shell}};

    // Runs the tick that brings the clock to t.
    void tickTo(i32 t) {
        g.s.timer = sub(t, 1);
        g.GlobalTimerTimer();
    }
};

}  // namespace pet::test
