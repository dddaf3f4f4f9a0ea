// The widgets the window paints itself: labels, shapes, bevels, progress bars,
// the status bar and the page control, drawn the classic way from the model.
#pragma once

#include <functional>

#include <QTabBar>
#include <QWidget>

#include "ui/window_model.h"

namespace pet::qt {

// Graphic widgets take their own mouse presses, so that a press on them never
// reaches the window background.
class GraphicView : public QWidget {
public:
    explicit GraphicView(QWidget* parent) : QWidget(parent) {}
    std::function<void(QMouseEvent*)> onPress;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

class LabelView final : public GraphicView {
public:
    explicit LabelView(QWidget* parent) : GraphicView(parent) {}
    // Takes the label's text and look; returns the width of the text.
    int setLook(const Widget& m);
    QString text() const { return text_; }
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text_;
    QFont font_;
    QColor color_;
    QColor background_;
    bool transparent_ = true;
    bool centered_ = false;
};

class ShapeView final : public GraphicView {
public:
    explicit ShapeView(QWidget* parent) : GraphicView(parent) {}
    void setLook(const Widget& m);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ShapeType shape_ = ShapeType::Rectangle;
    QColor brush_;
    QColor pen_;
    bool penClear_ = false;
};

// A bevel; the one over the mouth area also draws the mouth.
class BevelView : public GraphicView {
public:
    explicit BevelView(QWidget* parent) : GraphicView(parent) {}
    void setLowered(bool lowered) { lowered_ = lowered; update(); }
    void setMouth(const Mouth& mouth, const QColor& pen) { mouth_ = mouth; pen_ = pen; update(); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool lowered_ = false;
    Mouth mouth_;
    QColor pen_;
};

class BarView final : public QWidget {
public:
    explicit BarView(QWidget* parent) : QWidget(parent) {}
    void setPosition(int position) { position_ = position; update(); }
    int position() const { return position_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int position_ = 0;
};

class StatusView final : public QWidget {
public:
    explicit StatusView(QWidget* parent) : QWidget(parent) {}
    void setText(const QString& text) { text_ = text; update(); }
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QString text_;
};

// Tabs along the top, a raised frame, and the pages inside it at the places
// the buttons were designed for.
class PageControlView final : public QWidget {
public:
    explicit PageControlView(QWidget* parent);
    // A page for the next tab; pages are shown one at a time.
    QWidget* addPage(const QString& caption);
    QTabBar* tabs() const { return tabs_; }
    static constexpr int kPageLeft = 4;
    static constexpr int kPageTop = 24;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void showPage(int index);
    QTabBar* tabs_;
    std::vector<QWidget*> pages_;
};

}  // namespace pet::qt
