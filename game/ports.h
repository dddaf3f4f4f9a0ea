// What the game asks of the desktop it runs on: modal message boxes and the
// shell's open operation. The Qt window plugs in real ones; tests plug in
// scripted ones.
#pragma once

#include <string_view>

namespace pet {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

// A modal box without an icon. While it is open the desktop keeps delivering
// timer events, so the game's handlers may run again from inside this call.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(std::string_view text, std::string_view caption, Buttons buttons) = 0;
};

// Hands a web address or a mailto: address to the desktop. The result is not
// looked at.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(std::string_view file, std::string_view parameters, int showCommand) = 0;
};

struct Widget;

// The width in pixels of a label's caption in the label's font, as the
// desktop draws it. The thought bubble grows with its text.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int textWidth(const Widget& label) = 0;
};

}  // namespace pet
