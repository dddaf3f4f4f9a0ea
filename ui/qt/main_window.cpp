#include "ui/qt/main_window.h"

#include <algorithm>
#include <vector>

#include <QAction>
#include <QTimer>
#include <QActionGroup>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QToolTip>

#include "ui/qt/look.h"
#include "ui/qt/views.h"

namespace pet::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// The window background: a press that no widget takes lands here.
class FormView final : public QWidget {
public:
    explicit FormView(QWidget* parent) : QWidget(parent) { setAutoFillBackground(true); }
    std::function<void(QMouseEvent*)> onPress;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        e->accept();
        if (onPress) onPress(e);
    }
};

// A group box keeps its presses to itself.
template <class Base>
class PressTaking final : public Base {
public:
    using Base::Base;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        Base::mousePressEvent(e);
        e->accept();
    }
};

bool isInput(QEvent::Type t) {
    switch (t) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
            return true;
        default:
            return false;
    }
}

}  // namespace

MainWindow::MainWindow()
    : random_(timeOfDay_),
      dialogs_(this,
               [this] {
                   render();
                   // The box's event loop must be able to run the timers
                   // whose handler is showing it.
                   globalTimer_.takeFreshId();
                   animateTimer_.takeFreshId();
               }),
      game_({random_, dialogs_, shell_, &measure_}),
      globalTimer_([this] { act([this] { game_.GlobalTimerTimer(); }); }),
      animateTimer_([this] { act([this] { game_.FeelingsClick(); }); }) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIconText(QStringLiteral("V7700"));
    form_ = new FormView(this);
    form_->setObjectName(QStringLiteral("fMain"));
    static_cast<FormView*>(form_)->onPress = [this](QMouseEvent* e) {
        const auto m = e->modifiers();
        act([this, m] {
            game_.FormMouseDown(m & Qt::ShiftModifier, m & Qt::ControlModifier, m & Qt::AltModifier);
        });
    };
    setCentralWidget(form_);
    buildWidgets();
    buildMenu();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    game_.FormCreate();
    qApp->installEventFilter(this);
    render();
    adjustSize();
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

int MainWindow::Measure::textWidth(const Widget& label) {
    return QFontMetrics(modelFont(label.face, label.fontHeight, label.bold)).horizontalAdvance(q(label.caption));
}

QWidget* MainWindow::view(const Widget& w) const {
    const auto all = game_.w.all();
    for (int i = 0; i < kWidgetCount; ++i)
        if (all[static_cast<std::size_t>(i)] == &w) return views_[static_cast<std::size_t>(i)];
    return nullptr;
}

QAction* MainWindow::action(const MenuItem& item) const {
    const auto all = game_.w.menu.all();
    for (int i = 0; i < kMenuItemCount; ++i)
        if (all[static_cast<std::size_t>(i)] == &item) return actions_[static_cast<std::size_t>(i)];
    return nullptr;
}

void MainWindow::buildWidgets() {
    WindowModel& w = game_.w;
    QWidget* tabPages[4] = {};
    QGroupBox* group = nullptr;
    const auto all = w.all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        Widget& m = *all[i];
        QWidget* parent = form_;
        switch (m.parent) {
            case Parent::Window: parent = form_; break;
            case Parent::PageControl: parent = pages_; break;
            case Parent::Tab1: parent = tabPages[0]; break;
            case Parent::Tab2: parent = tabPages[1]; break;
            case Parent::Tab3: parent = tabPages[2]; break;
            case Parent::Tab4: parent = tabPages[3]; break;
            case Parent::GroupBox1: parent = group; break;
        }
        QWidget* v = nullptr;
        switch (m.kind) {
            case WidgetKind::Label: {
                auto* label = new LabelView(parent);
                if (&m == &w.TimeLabel) {
                    label->onPress = [this](QMouseEvent* e) {
                        const MouseButton b = e->button() == Qt::LeftButton    ? MouseButton::Left
                                              : e->button() == Qt::RightButton ? MouseButton::Right
                                                                               : MouseButton::Middle;
                        act([this, b] { game_.TimeLabelMouseDown(b); });
                    };
                }
                if (m.onClick != Command::None) {
                    const Command c = m.onClick;
                    label->onClick = [this, c] { runCommand(c, nullptr); };
                }
                v = label;
                break;
            }
            case WidgetKind::Shape: v = new ShapeView(parent); break;
            case WidgetKind::Bevel: v = new BevelView(parent); break;
            case WidgetKind::ProgressBar: v = new BarView(parent); break;
            case WidgetKind::StatusBar: v = new StatusView(parent); break;
            case WidgetKind::Button: {
                auto* b = new QPushButton(parent);
                const Command c = m.onClick;
                connect(b, &QPushButton::clicked, this, [this, c] { runCommand(c, nullptr); });
                v = b;
                break;
            }
            case WidgetKind::RadioButton: {
                auto* r = new QRadioButton(parent);
                Widget* model = &m;
                connect(r, &QRadioButton::clicked, this, [this, model](bool on) {
                    if (!on) return;
                    for (Widget* meal : game_.w.meals()) meal->checked = meal == model;
                    afterEvent();
                });
                v = r;
                break;
            }
            case WidgetKind::PageControl:
                pages_ = new PageControlView(parent);
                pages_->setGeometry(m.left, m.top, m.width, m.height);
                v = pages_;
                break;
            case WidgetKind::TabSheet: {
                const int n = static_cast<int>(m.tabOrder);
                tabPages[n] = pages_->addPage(q(m.caption));
                v = tabPages[n];
                break;
            }
            case WidgetKind::GroupBox:
                group = new PressTaking<QGroupBox>(q(m.caption), parent);
                v = group;
                break;
        }
        v->setObjectName(QString::fromLatin1(m.name));
        views_[i] = v;
    }
    // Keyboard order within each page.
    for (QWidget* page : tabPages) {
        std::vector<std::pair<int, QWidget*>> order;
        for (std::size_t i = 0; i < all.size(); ++i)
            if (views_[i]->parentWidget() == page && all[i]->tabOrder >= 0) order.emplace_back(all[i]->tabOrder, views_[i]);
        std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1].second, order[k].second);
    }
}

void MainWindow::buildMenu() {
    Menu& menu = game_.w.menu;
    const auto items = menu.all();
    QMenu* open[3] = {};
    auto* speedGroup = new QActionGroup(this);
    speedGroup->setExclusive(true);
    const std::vector<const MenuItem*> checkable = {&menu.Pause1,      &menu.AccelerateTime1, &menu.GuardianAngel,
                                                    &menu.HintsOFF,    &menu.HintsBarOFF,     &menu.SaveLoad1};
    for (std::size_t i = 0; i < items.size(); ++i) {
        MenuItem& item = *items[i];
        const bool hasChildren = i + 1 < items.size() && items[i + 1]->level > item.level;
        QAction* a = nullptr;
        if (item.level == 0) {
            open[0] = menuBar()->addMenu(q(item.caption));
            a = open[0]->menuAction();
        } else if (item.caption == "-") {
            a = open[item.level - 1]->addSeparator();
        } else if (hasChildren) {
            open[item.level] = open[item.level - 1]->addMenu(q(item.caption));
            a = open[item.level]->menuAction();
        } else {
            a = open[item.level - 1]->addAction(q(item.caption));
            if (*item.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            a->setShortcutContext(Qt::WindowShortcut);
            if (item.radio) {
                a->setCheckable(true);
                speedGroup->addAction(a);
            } else if (std::find(checkable.begin(), checkable.end(), &item) != checkable.end()) {
                a->setCheckable(true);
            }
            if (item.isDefault) {
                QFont f = a->font();
                f.setBold(true);
                a->setFont(f);
            }
            MenuItem* sender = &item;
            const Command c = item.command;
            connect(a, &QAction::triggered, this, [this, c, sender] { runCommand(c, sender); });
        }
        a->setObjectName(QString::fromLatin1(item.name));
        a->setStatusTip(q(item.hint));
        actions_[i] = a;
    }
}

void MainWindow::runCommand(Command c, MenuItem* sender) {
    if (sender != nullptr) act([this, sender] { game_.run(*sender); });
    else act([this, c] { game_.run(c); });
}

void MainWindow::act(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        render();
        showError(this, QString::fromUtf8(e.what()));
    } catch (...) {
        render();
        showError(this, QString());
    }
    afterEvent();
}

void MainWindow::afterEvent() {
    syncWindow();
    // Faster than a screen can show, the widgets follow at its pace.
    const bool racing = game_.w.GlobalTimer.enabled && game_.w.GlobalTimer.interval < kFramePeriodMs;
    if (!racing) {
        syncViews();
        return;
    }
    if (viewsPending_) return;
    const qint64 since = sinceViews_.isValid() ? sinceViews_.elapsed() : kFramePeriodMs;
    if (since >= kFramePeriodMs) {
        syncViews();
        return;
    }
    viewsPending_ = true;
    QTimer::singleShot(static_cast<int>(kFramePeriodMs - since), this, [this] {
        viewsPending_ = false;
        syncViews();
    });
}

void MainWindow::sync(int index, bool force) {
    const auto i = static_cast<std::size_t>(index);
    const Widget& m = *game_.w.all()[i];
    Widget& was = shown_[i];
    QWidget* v = views_[i];

    const bool captionChanged = force || m.caption != was.caption;
    const bool lookChanged = captionChanged || m.fontColor != was.fontColor || m.bold != was.bold ||
                             m.face != was.face || m.fontHeight != was.fontHeight || m.color != was.color ||
                             m.transparent != was.transparent || m.centered != was.centered;
    bool changed = lookChanged;
    int width = m.width;

    switch (m.kind) {
        case WidgetKind::Label:
            if (lookChanged) {
                const int textWidth = static_cast<LabelView*>(v)->setLook(m);
                if (m.autoSize) width = textWidth;
            } else if (m.autoSize) {
                width = v->width();
            }
            break;
        case WidgetKind::Shape:
            if (force || m.shape != was.shape || m.brush != was.brush || m.pen != was.pen || m.penClear != was.penClear) {
                static_cast<ShapeView*>(v)->setLook(m);
                changed = true;
            }
            break;
        case WidgetKind::Bevel:
            if (force || m.lowered != was.lowered) {
                static_cast<BevelView*>(v)->setLowered(m.lowered);
                changed = true;
            }
            break;
        case WidgetKind::ProgressBar:
            if (force || m.position != was.position) {
                static_cast<BarView*>(v)->setPosition(m.position);
                changed = true;
            }
            break;
        case WidgetKind::StatusBar:
            if (captionChanged) static_cast<StatusView*>(v)->setText(q(m.caption));
            break;
        case WidgetKind::Button:
            if (captionChanged) static_cast<QPushButton*>(v)->setText(q(m.caption));
            break;
        case WidgetKind::RadioButton:
            if (captionChanged) static_cast<QRadioButton*>(v)->setText(q(m.caption));
            if (force || m.checked != was.checked) {
                static_cast<QRadioButton*>(v)->setChecked(m.checked);
                syncFocus(index);
                changed = true;
            }
            break;
        case WidgetKind::GroupBox:
            if (captionChanged) static_cast<QGroupBox*>(v)->setTitle(q(m.caption));
            break;
        case WidgetKind::PageControl:
        case WidgetKind::TabSheet:
            break;
    }

    if (m.kind != WidgetKind::TabSheet) {
        const bool autoWidth = m.kind == WidgetKind::Label && m.autoSize;
        if (force || m.left != was.left || m.top != was.top || m.height != was.height ||
            (autoWidth ? width != v->width() : m.width != was.width)) {
            v->setGeometry(m.left, m.top, width, m.height);
            changed = true;
        }
        if (force || m.visible != was.visible) {
            v->setVisible(m.visible);
            changed = true;
        }
    }
    if (captionChanged || force || m.hint != was.hint) {
        // What a screen reader says: the caption, or the hint where there is none.
        v->setAccessibleName(q(m.caption.empty() ? m.hint : m.caption));
        v->setAccessibleDescription(q(m.hint));
    }
    if (force || m.hint != was.hint) {
        v->setStatusTip(q(m.hint));
        v->setToolTip(q(m.hint));
        // A hint that changes under the resting mouse reaches the status bar at once.
        if (!force && v->underMouse() && !m.hint.empty()) game_.DisplayHint(m.hint);
        changed = true;
    }
    if (changed) was = m;
}

// Tab stops where the model has them; a control that is no stop still takes
// the focus from a click or, in a group of radio buttons, from the arrow keys.
void MainWindow::syncFocus(int index) {
    const auto i = static_cast<std::size_t>(index);
    const Widget& m = *game_.w.all()[i];
    QWidget* v = m.kind == WidgetKind::PageControl ? pages_->tabs() : views_[i];
    const bool control = m.kind == WidgetKind::PageControl || m.kind == WidgetKind::Button || m.kind == WidgetKind::RadioButton;
    if (!control) return;
    const bool inPages = m.kind == WidgetKind::PageControl || pages_->isAncestorOf(v);
    Qt::FocusPolicy policy = isTabStop(m) ? Qt::StrongFocus : Qt::ClickFocus;
    if (inPages && !game_.w.PageControl1.enabled) policy = Qt::NoFocus;
    v->setFocusPolicy(policy);
}

void MainWindow::render() {
    syncViews();
    syncWindow();
}

void MainWindow::syncViews() {
    WindowModel& w = game_.w;
    const bool force = !viewsShown_;
    viewsShown_ = true;
    sinceViews_.start();
    for (int i = 0; i < kWidgetCount; ++i) sync(i, force);
    const Mouth& mouth = w.mouth;
    const Mouth& was = shownMouth_;
    if (force || w.penColor != shownPen_ || mouth.visible != was.visible || mouth.x0 != was.x0 || mouth.y0 != was.y0 ||
        mouth.d1 != was.d1 || mouth.d2 != was.d2 || mouth.smile != was.smile) {
        shownMouth_ = mouth;
        shownPen_ = w.penColor;
        static_cast<BevelView*>(view(w.Bevel1))->setMouth(mouth, toQColor(w.penColor));
    }
}

void MainWindow::syncWindow() {
    WindowModel& w = game_.w;
    const bool force = !rendered_;
    rendered_ = true;

    if (force || w.PageControl1.enabled != shownPageControlEnabled_) {
        shownPageControlEnabled_ = w.PageControl1.enabled;
        // A disabled page control keeps its look but takes no input and no focus.
        pages_->setFocusPolicy(Qt::NoFocus);
        for (int i = 0; i < kWidgetCount; ++i) syncFocus(i);
    }
    if (w.clientHeight != shownClientHeight_) {
        shownClientHeight_ = w.clientHeight;
        form_->setFixedSize(w.clientWidth, w.clientHeight);
    }
    if (force || windowTitle() != q(w.caption)) setWindowTitle(q(w.caption));

    const auto items = w.menu.all();
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* a = actions_[i];
        if (a->isCheckable() && (force || items[i]->checked != checks_[i] || a->isChecked() != items[i]->checked)) {
            checks_[i] = items[i]->checked;
            a->setChecked(items[i]->checked);
        }
    }

    globalTimer_.follow(w.GlobalTimer.enabled, w.GlobalTimer.interval);
    animateTimer_.follow(w.AnimateTimer.enabled, w.AnimateTimer.interval);

    if (w.closeRequested) {
        w.closeRequested = false;
        close();
    }
}

bool MainWindow::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        showHint(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void MainWindow::showHint(const QString& hint) {
    game_.DisplayHint(hint.toStdString());
    afterEvent();
}

// Once a menu has closed, or a submenu has closed over its still open parent:
// the hint of the item highlighted now, or with no menu left open the hint of
// what the mouse rests on, from the widget under it or the nearest one around
// it that has a hint.
void MainWindow::refreshHint() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        if (auto* menu = qobject_cast<QMenu*>(popup); menu != nullptr && menu->activeAction() != nullptr)
            showHint(menu->activeAction()->statusTip());
        return;
    }
    QString hint;
    for (QWidget* w = hovered_; w != nullptr; w = w == form_ ? nullptr : w->parentWidget()) {
        if (!w->statusTip().isEmpty()) {
            hint = w->statusTip();
            break;
        }
    }
    showHint(hint);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool inForm = widget != nullptr && (widget == form_ || form_->isAncestorOf(widget));
    // While a menu is open its items own the bar: a widget that the mouse
    // leaves because the menu opened over it does not wipe the item's hint.
    if (e->type() == QEvent::StatusTip && inForm && QApplication::activePopupWidget() != nullptr) return true;
    // The menu bar, giving up its highlight after its menus have closed,
    // hands the bar back to what the mouse rests on.
    if (e->type() == QEvent::StatusTip && watched == menuBar() && QApplication::activePopupWidget() == nullptr &&
        static_cast<QStatusTipEvent*>(e)->tip().isEmpty()) {
        refreshHint();
        return true;
    }
    if (inForm && QApplication::activePopupWidget() == nullptr) {
        // What the mouse rests on: the innermost widget it entered last.
        if (e->type() == QEvent::Enter) hovered_ = widget;
        if (e->type() == QEvent::Leave && widget == hovered_) hovered_ = widget == form_ ? nullptr : widget->parentWidget();
    }
    if (e->type() == QEvent::Hide && qobject_cast<QMenu*>(watched) != nullptr)
        QMetaObject::invokeMethod(this, [this] { refreshHint(); }, Qt::QueuedConnection);
    if (widget != nullptr && isInput(e->type()) && !game_.w.PageControl1.enabled &&
        (widget == pages_ || pages_->isAncestorOf(widget)))
        return true;  // no game yet: the tabs and their buttons do not react
    if (e->type() == QEvent::ToolTip && widget != nullptr && (widget == this || isAncestorOf(widget))) {
        if (!game_.w.showHint || widget->toolTip().isEmpty()) {
            QToolTip::hideText();
            return true;
        }
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), widget->toolTip(), widget, QRect(), 6000);
        return true;
    }
    return QMainWindow::eventFilter(watched, e);
}

}  // namespace pet::qt
