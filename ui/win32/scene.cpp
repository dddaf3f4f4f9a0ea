#include "ui/win32/scene.h"

#include <algorithm>
#include <cstdlib>

#include "ui/win32/look.h"

namespace pet::win32 {

namespace {

int lineWidth(int dpi) { return std::max(1, scaled(1, dpi)); }

// GDI pens and brushes selected for one drawing call, put back afterwards.
class Tools {
public:
    Tools(HDC dc, HPEN pen, HBRUSH brush)
        : dc_(dc), oldPen_(SelectObject(dc, pen)), oldBrush_(SelectObject(dc, brush)), pen_(pen) {}
    ~Tools() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        if (pen_ != GetStockObject(NULL_PEN)) DeleteObject(pen_);
    }
    Tools(const Tools&) = delete;
    Tools& operator=(const Tools&) = delete;

private:
    HDC dc_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
    HPEN pen_;
};

void paintShape(HDC dc, const Widget& s, int dpi) {
    const RECT r = deviceRect(s, dpi);
    // The outline lies inside the box, as the classic shapes draw it: a pen
    // of width pw starts pw / 2 in, and the figure spans the box less the
    // pen plus one pixel.
    const int pw = lineWidth(dpi);
    int x = r.left + pw / 2;
    int y = r.top + pw / 2;
    int w = (r.right - r.left) - pw + 1;
    int h = (r.bottom - r.top) - pw + 1;
    HPEN pen = s.penClear ? static_cast<HPEN>(GetStockObject(NULL_PEN)) : CreatePen(PS_SOLID, pw, toColorRef(s.pen));
    Tools tools(dc, pen, brushOf(s.brush));
    const int d = std::min(w, h);
    switch (s.shape) {
        case ShapeType::Circle:
            x += (w - d) / 2;
            y += (h - d) / 2;
            Ellipse(dc, x, y, x + d, y + d);
            break;
        case ShapeType::Ellipse: Ellipse(dc, x, y, x + w, y + h); break;
        case ShapeType::RoundRect: RoundRect(dc, x, y, x + w, y + h, d / 4, d / 4); break;
        case ShapeType::Rectangle: Rectangle(dc, x, y, x + w, y + h); break;
    }
}

// A one-pixel classic frame, sunken: dark at the top and left, light at the
// bottom and right.
void paintLoweredFrame(HDC dc, const RECT& r, int dpi) {
    const int t = lineWidth(dpi);
    const RECT top{r.left, r.top, r.right, r.top + t};
    const RECT left{r.left, r.top, r.left + t, r.bottom};
    const RECT bottom{r.left, r.bottom - t, r.right, r.bottom};
    const RECT right{r.right - t, r.top, r.right, r.bottom};
    FillRect(dc, &top, GetSysColorBrush(COLOR_BTNSHADOW));
    FillRect(dc, &left, GetSysColorBrush(COLOR_BTNSHADOW));
    FillRect(dc, &bottom, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    FillRect(dc, &right, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
}

// Two half ellipses from (x0, y0) to (x0 + 40, y0), the lower halves for a
// smile, the upper ones for a frown; a depth of 0 is a straight line.
void paintMouth(HDC dc, const Mouth& m, TColor penColor, int dpi) {
    Tools tools(dc, CreatePen(PS_SOLID, lineWidth(dpi), toColorRef(penColor)), static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    const int left = scaled(m.x0, dpi);
    const int right = scaled(m.x0 + 40, dpi);
    const int y0 = scaled(m.y0, dpi);
    for (const i32 depth : {m.d1, m.d2}) {
        const i32 d = depth < 0 ? -depth : depth;
        if (d == 0) {
            MoveToEx(dc, left, y0, nullptr);
            LineTo(dc, right, y0);
            continue;
        }
        const int top = scaled(m.y0 - d, dpi);
        const int bottom = scaled(m.y0 + d, dpi);
        // GDI draws arcs counter-clockwise from the start point to the end point.
        if (m.smile) Arc(dc, left, top, right, bottom, left, y0, right, y0);
        else Arc(dc, left, top, right, bottom, right, y0, left, y0);
    }
}

}  // namespace

RECT deviceRect(const Widget& w, int dpi) {
    const int left = scaled(w.left, dpi);
    const int top = scaled(w.top, dpi);
    return {left, top, scaled(w.left + w.width, dpi), scaled(w.top + w.height, dpi)};
}

RECT deviceClient(const WindowModel& w, int dpi) { return {0, 0, scaled(w.clientWidth, dpi), scaled(w.clientHeight, dpi)}; }

void paintScene(HDC dc, const WindowModel& w, int dpi) {
    const RECT all = deviceClient(w, dpi);
    FillRect(dc, &all, brushOf(clBtnFace));
    for (const Widget* x : w.all()) {
        if (x->parent != Parent::Window || !x->visible || !isGraphic(*x)) continue;
        if (x->kind == WidgetKind::Shape) {
            paintShape(dc, *x, dpi);
        } else {
            if (x->lowered) paintLoweredFrame(dc, deviceRect(*x, dpi), dpi);
            if (x == &w.Bevel1 && w.mouth.visible) paintMouth(dc, w.mouth, w.penColor, dpi);
        }
    }
}

int graphicAt(const WindowModel& w, int dpi, POINT p) {
    const auto all = w.all();
    for (int i = kWidgetCount - 1; i >= 0; --i) {
        const Widget& x = *all[static_cast<std::size_t>(i)];
        if (x.parent != Parent::Window || !x.visible || !isGraphic(x)) continue;
        const RECT r = deviceRect(x, dpi);
        if (PtInRect(&r, p)) return i;
    }
    return -1;
}

RECT mouthRect(const Mouth& m, int dpi) {
    const i32 d = std::max(std::abs(m.d1), std::abs(m.d2));
    const int pw = lineWidth(dpi);
    return {scaled(m.x0, dpi) - pw, scaled(m.y0 - d, dpi) - pw, scaled(m.x0 + 40, dpi) + pw + 1,
            scaled(m.y0 + d, dpi) + pw + 1};
}

}  // namespace pet::win32
