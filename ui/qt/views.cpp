#include "ui/qt/views.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

#include "ui/qt/look.h"

namespace pet::qt {

namespace {

const QColor kShadow(0x80, 0x80, 0x80);

// A one-pixel classic frame: dark at the top and left, light at the bottom
// and right for a sunken look, the other way round for a raised one.
void frame3d(QPainter& p, const QRect& r, bool sunken) {
    const QColor topLeft = sunken ? kShadow : Qt::white;
    const QColor bottomRight = sunken ? Qt::white : kShadow;
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

}  // namespace

void GraphicView::mousePressEvent(QMouseEvent* e) {
    e->accept();
    if (onPress) onPress(e);
}

void GraphicView::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (onClick && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) onClick();
}

int LabelView::setLook(const Widget& m) {
    text_ = QString::fromStdString(m.caption);
    font_ = modelFont(m.face, m.fontHeight, m.bold);
    color_ = toQColor(m.fontColor);
    background_ = toQColor(m.color);
    transparent_ = m.transparent;
    centered_ = m.centered;
    update();
    return QFontMetrics(font_).horizontalAdvance(text_);
}

void LabelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_) p.fillRect(rect(), background_);
    p.setFont(font_);
    p.setPen(color_);
    p.drawText(rect(), Qt::TextSingleLine | Qt::AlignTop | (centered_ ? Qt::AlignHCenter : Qt::AlignLeft), text_);
}

void ShapeView::setLook(const Widget& m) {
    shape_ = m.shape;
    brush_ = toQColor(m.brush);
    pen_ = toQColor(m.pen);
    penClear_ = m.penClear;
    update();
}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setBrush(brush_);
    // An outline is one pixel of the design. At a whole-number scale it is
    // drawn unsmoothed, so that it stays black and sits on the pixel grid;
    // at a fractional scale smoothing looks better. Shapes without an outline
    // (the bubble) are always smoothed.
    const qreal scale = devicePixelRatioF();
    const bool crisp = !penClear_ && scale == std::round(scale);
    p.setRenderHint(QPainter::Antialiasing, !crisp);
    if (penClear_) {
        p.setPen(Qt::NoPen);
    } else if (crisp) {
        QPen pen(pen_, scale);
        pen.setCosmetic(true);
        p.setPen(pen);
    } else {
        p.setPen(QPen(pen_, 1.0));
    }
    // The outline runs along the edge pixels of the box.
    const qreal inset = penClear_ ? 0.0 : 0.5;
    QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    switch (shape_) {
        case ShapeType::Circle: {
            const qreal d = std::min(box.width(), box.height());
            box = QRectF(box.center().x() - d / 2, box.center().y() - d / 2, d, d);
            p.drawEllipse(box);
            break;
        }
        case ShapeType::Ellipse: p.drawEllipse(box); break;
        case ShapeType::RoundRect: {
            const qreal r = std::min(width(), height()) / 8.0;
            p.drawRoundedRect(box, r, r);
            break;
        }
        case ShapeType::Rectangle: p.drawRect(box); break;
    }
}

// Windowed widgets keep their presses to themselves.
void BarView::mousePressEvent(QMouseEvent* e) { e->accept(); }
void StatusView::mousePressEvent(QMouseEvent* e) { e->accept(); }
void PageControlView::mousePressEvent(QMouseEvent* e) { e->accept(); }

void BevelView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (lowered_) frame3d(p, rect(), true);
    if (!mouth_.visible) return;
    // Window coordinates to ours. The arc of depth d is half of the ellipse
    // that fills the pixels from x0 to x0 + 39 across and from y0 - d to
    // y0 + d - 1 down: the lower half for a smile (rows y0 to y0 + d - 1), the
    // upper one for a frown (rows y0 - d to y0 - 1). So the widest smile ends
    // on the bevel's last row and the deepest frown starts on its first. The
    // pen runs through the pixels' centres.
    p.translate(-x(), -y());
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(pen_, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const qreal left = mouth_.x0 + 0.5;
    for (const i32 d : {mouth_.d1, mouth_.d2}) {
        const qreal depth = std::abs(static_cast<qreal>(d));
        if (depth < 0.5) {
            p.drawLine(QPointF(left, mouth_.y0 + 0.5), QPointF(left + 39, mouth_.y0 + 0.5));
            continue;
        }
        const QRectF box(left, mouth_.y0 - depth + 0.5, 39, 2 * depth - 1);
        p.drawArc(box, mouth_.smile ? 180 * 16 : 0, 180 * 16);
    }
}

void BarView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    frame3d(p, rect(), true);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const int shown = std::clamp(position_, 0, 100);
    const int fill = inner.width() * shown / 100;
    if (fill > 0) p.fillRect(QRect(inner.left(), inner.top(), fill, inner.height()), palette().color(QPalette::Highlight));
}

void StatusView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect panel = rect().adjusted(0, 2, 0, 0);
    frame3d(p, panel, true);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(panel.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text_);
}

namespace {

// Tabs of the classic height.
class TightTabBar final : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override { return {QTabBar::tabSizeHint(index).width(), 20}; }
};

}  // namespace

PageControlView::PageControlView(QWidget* parent) : QWidget(parent), tabs_(new TightTabBar(this)) {
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int i) { showPage(i); });
}

QWidget* PageControlView::addPage(const QString& caption) {
    auto* page = new QWidget(this);
    pages_.push_back(page);
    tabs_->addTab(caption);
    page->setGeometry(kPageLeft, kPageTop, width() - 2 * kPageLeft, height() - kPageTop - kPageLeft);
    showPage(tabs_->currentIndex());
    return page;
}

void PageControlView::showPage(int index) {
    for (std::size_t i = 0; i < pages_.size(); ++i) pages_[i]->setVisible(static_cast<int>(i) == index);
}

void PageControlView::resizeEvent(QResizeEvent*) {
    tabs_->setGeometry(0, 0, width(), tabs_->sizeHint().height());
    for (QWidget* page : pages_) page->setGeometry(kPageLeft, kPageTop, width() - 2 * kPageLeft, height() - kPageTop - kPageLeft);
}

void PageControlView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionTabWidgetFrame opt;
    opt.initFrom(this);
    const int top = tabs_->geometry().bottom() + 1 - 2;
    opt.rect = QRect(0, top, width(), height() - top);
    opt.shape = QTabBar::RoundedNorth;
    opt.tabBarSize = tabs_->sizeHint();
    opt.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opt, &p, this);
}

}  // namespace pet::qt
