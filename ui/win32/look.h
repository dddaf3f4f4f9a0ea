// How the model's colours and fonts look on Windows, at the window's DPI.
#pragma once

#include <windows.h>

#include "ui/window_model.h"

namespace pet::win32 {

// A colour of the model; system colours are the desktop's own.
COLORREF toColorRef(TColor c);
// A solid brush of that colour, made once and kept for the run.
HBRUSH brushOf(TColor c);

// The window's font, or the bubble's, at the given height in design pixels
// (96 dots per inch) scaled to dpi. Each one is made once and kept.
HFONT modelFont(FontFace face, int pixelHeight, bool bold, int dpi);

// A length in design pixels at the given DPI.
inline int scaled(int designPixels, int dpi) { return MulDiv(designPixels, dpi, 96); }

}  // namespace pet::win32
