// How the model's colours and fonts look on this desktop.
#pragma once

#include <QColor>
#include <QFont>

#include "ui/window_model.h"

namespace pet::qt {

// A colour of the model; system colours take the classic desktop's values.
QColor toQColor(TColor c);

// The window's font, or the bubble's, at the given pixel height.
QFont modelFont(FontFace face, int pixelHeight, bool bold);

// Font substitutes and the classic palette and style for the application.
void applyLook();

}  // namespace pet::qt
