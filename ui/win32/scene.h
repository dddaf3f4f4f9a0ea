// What the window paints itself, with GDI: its background, the shapes, the
// bevels and the mouth, each over the ones before it in the model's order.
// Labels and the other widgets are controls of their own above this.
#pragma once

#include <windows.h>

#include "ui/window_model.h"

namespace pet::win32 {

// A widget's box in the device pixels of its container at the given DPI.
RECT deviceRect(const Widget& w, int dpi);
// The same for the window itself: the box of the model's window client area.
RECT deviceClient(const WindowModel& w, int dpi);

// Paints the window's own drawing in window coordinates into dc.
void paintScene(HDC dc, const WindowModel& w, int dpi);

// The topmost drawn widget (shape or bevel) of the window under the point
// (device pixels of the window's client area), or -1.
int graphicAt(const WindowModel& w, int dpi, POINT p);

// Whether a widget is drawn by the window rather than being a control.
inline bool isGraphic(const Widget& w) { return w.kind == WidgetKind::Shape || w.kind == WidgetKind::Bevel; }

// The box the mouth is drawn in, in device pixels, for repainting it.
RECT mouthRect(const Mouth& m, int dpi);

}  // namespace pet::win32
