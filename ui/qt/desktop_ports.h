// The game's ports on this desktop: modal boxes and the shell's open.
#pragma once

#include <functional>

#include <QWidget>

#include "game/ports.h"

namespace pet::qt {

class BoxDialogs final : public Dialogs {
public:
    // beforeShow brings the window up to date (and so the timers) before the
    // box's event loop starts.
    BoxDialogs(QWidget* owner, std::function<void()> beforeShow) : owner_(owner), beforeShow_(std::move(beforeShow)) {}
    Answer messageBox(std::string_view text, std::string_view caption, Buttons buttons) override;

private:
    QWidget* owner_;
    std::function<void()> beforeShow_;
};

class DesktopShell final : public Shell {
public:
    void open(std::string_view file, std::string_view parameters, int showCommand) override;
};

// The stop box of the error display, captioned with the application title.
void showError(QWidget* owner, const QString& message);
// Its text: a message that ends in a character sorting after "." gets a full stop.
QString errorText(const QString& message);

}  // namespace pet::qt
