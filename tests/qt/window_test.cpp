// The real window on the offscreen desktop: widgets, menu, shortcuts, hints,
// the status bar switch and message boxes over a running game.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <QLibraryInfo>
#include <QTranslator>

#include "game/text_tables.h"
#include "ui/qt/look.h"
#include "ui/qt/main_window.h"
#include "ui/qt/views.h"

namespace pet::qt {
namespace {

class Window : public ::testing::Test {
protected:
    void SetUp() override {
        win = std::make_unique<MainWindow>();
        win->show();
        win->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(win.get()));
    }
    void TearDown() override { win.reset(); }

    Game& game() { return win->game(); }
    QWidget* view(const Widget& w) { return win->view(w); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(win.get(), k, m);
        QCoreApplication::processEvents();
    }
    // The mouse to a point of the window's client area.
    void mouseTo(QPoint p) {
        QTest::mouseMove(win->windowHandle(), win->centralWidget()->mapTo(win.get(), p));
        QCoreApplication::processEvents();
    }
    void save(const char* name) {
        QDir().mkpath(QStringLiteral("screenshots"));
        win->grab().save(QStringLiteral("screenshots/%1.png").arg(QLatin1String(name)));
    }
    // Runs `answer` on the first box that opens, once it has been open for `ms`.
    void whenBoxOpens(int ms, std::function<void(QMessageBox*)> answer) {
        auto* poll = new QTimer(win.get());
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, ms, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            poll->stop();
            QTimer::singleShot(ms, box, [box, answer, poll] {
                answer(box);
                poll->deleteLater();
            });
        });
        poll->start();
    }

    std::unique_ptr<MainWindow> win;
};

TEST_F(Window, WidgetsStandWhereTheyWereDesigned) {
    EXPECT_EQ(win->centralWidget()->size(), QSize(618, 233));
    EXPECT_TRUE(win->windowTitle().startsWith(QStringLiteral("Пухтяш - V7700   версия 1.2.3     ")));
    struct Case { const Widget& w; QRect rect; const char* text; const char* hint; };
    const WindowModel& m = game().w;
    const Case cases[] = {
        {m.Face, {276, 28, 93, 97}, "", "Пухтяш"},
        {m.LEyeX, {308, 52, 9, 9}, "", "Зрачок левого глазика Пухтяша"},
        {m.Bevel1, {302, 69, 43, 55}, "", "Матюгальник Пухтяша"},
        {m.TimeLabel, {280, 176, 93, 13}, "<Press F2>", "Время"},
        {m.B1, {444, 25, 150, 16}, "", ""},
        {m.Label7, {596, 26, 20, 13}, "0", "-5 ... 100"},
        {m.Feed, {4, 4, 133, 25}, "Съесть :", "Съесть то что выбрано в меню. Цена указана в скобках."},
        {m.WorkRobber, {4, 116, 253, 25}, "Грабануть магазин", nullptr},
        {m.LabelAlco, {12, 16, 54, 13}, "Алкоголь :", "Степень опьянения."},
        {m.GroupBox1, {384, 166, 233, 48}, "", ""},
        {m.PageControl1, {0, 4, 269, 209}, "", ""},
        {m.sbBar, {0, 214, 618, 19}, "", ""},
        {m.MaximizeAll, {584, 0, 33, 17}, "MAX", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w.name);
        QWidget* v = view(c.w);
        ASSERT_NE(v, nullptr);
        if (c.w.autoSize && c.w.kind == WidgetKind::Label) {
            EXPECT_EQ(v->pos(), c.rect.topLeft());
        } else {
            EXPECT_EQ(v->geometry(), c.rect);
        }
        QString text;
        if (auto* l = dynamic_cast<LabelView*>(v)) text = l->text();
        if (auto* b = dynamic_cast<QPushButton*>(v)) text = b->text();
        if (*c.text) {
            EXPECT_EQ(text, QString::fromUtf8(c.text));
        }
        if (c.hint) {
            EXPECT_EQ(v->statusTip(), QString::fromUtf8(c.hint));
        }
    }
    EXPECT_FALSE(view(m.MaximizeAll)->isVisible());
    EXPECT_FALSE(view(m.RedHole)->isVisible());
    EXPECT_TRUE(static_cast<QRadioButton*>(view(m.RB5))->isChecked());
    // Every widget of the model stands where the model puts it.
    for (const Widget* w : m.all()) {
        if (w->kind == WidgetKind::TabSheet || (w->kind == WidgetKind::Label && w->autoSize)) continue;
        EXPECT_EQ(view(*w)->geometry(), QRect(w->left, w->top, w->width, w->height)) << w->name;
    }
    // Graphic widgets lie under the windowed ones, in the order they are painted.
    const QObjectList& z = win->centralWidget()->children();
    EXPECT_LT(z.indexOf(view(m.Shape2)), z.indexOf(view(m.Shape1)));
    EXPECT_LT(z.indexOf(view(m.Shape1)), z.indexOf(view(m.ShapeBoubles0)));
    EXPECT_LT(z.indexOf(view(m.Thought)), z.indexOf(view(m.PageControl1)));
    save("before-game");
}

// The bubble draws every remark in the one face chosen for it, which has
// all its letters, bold and 13 pixels high; the designed text fits the
// designed bubble.
TEST_F(Window, TheBubbleDrawsEachRemarkInOneBoldFaceAndTheDesignedTextFits) {
    const WindowModel& m = game().w;
    const QFont font = modelFont(m.Thought.face, m.Thought.fontHeight, m.Thought.bold);
    const QFontInfo face(font);
    EXPECT_TRUE(face.family() == QStringLiteral("Fantasque Sans Mono") || face.family() == QStringLiteral("Comic Sans MS"))
        << face.family().toStdString();
    EXPECT_TRUE(face.bold());
    EXPECT_EQ(face.pixelSize(), 13);
    std::vector<std::string> remarks = {m.Thought.caption, "Нихачу-у ... Пашёл нафиг! С Новым Годом!",
                                        "Чё ГЛЮК какой-то нашел#%ERROR@ :)", std::string(kWebSite) + " ЭТА КРУТА! :)",
                                        "Всё зашибись!!! :)", "ZZZzzz...", "Мне клёво!", "Лааа-а-ай лааа-ай лалала-ай!!",
                                        "Не хочу учиться - хочу пивом упиться >:)", "Таааак, ещё подход :0"};
    remarks.insert(remarks.end(), highThoughts.begin(), highThoughts.end());
    const QFontMetrics metrics(font);
    for (const std::string& remark : remarks)
        for (const QChar c : QString::fromStdString(remark))
            EXPECT_TRUE(c.isSpace() || metrics.inFont(c)) << remark << ": " << QString(c).toStdString();
    const QRect text = view(m.Thought)->geometry();
    EXPECT_EQ(text.width(), metrics.horizontalAdvance(QString::fromStdString(m.Thought.caption)));
    EXPECT_LE(text.right() + 1, m.ShapeBoubles0.left + m.ShapeBoubles0.width) << "within the bubble's body";
}

TEST_F(Window, MenuItemsCarryTheirCaptionsShortcutsAndMarks) {
    struct Case { const MenuItem& item; const char* text; const char* shortcut; bool checkable, checked; };
    const Menu& m = game().w.menu;
    const Case cases[] = {
        {m.Game, "Иг&pа", "", false, false},
        {m.DifficultyHIGH, "&1 Ещё тёпленький (Сложно)", "Ctrl+F2", false, false},
        {m.DifficultyNORM, "&2 Калорийное пироженое (Стандартно)", "F2", false, false},
        {m.Exit1, "&Bыход", "Shift+Esc", false, false},
        {m.Pause1, "Creogen (Пауза)", "F1", true, false},
        {m.AccelerateTime1, "Уcкoрить время", "`", true, false},
        {m.N1000ms1, "1000ms", "Ctrl+1", true, true},
        {m.N50ms1, "50ms", "Ctrl+6", true, false},
        {m.GuardianAngel, "Ангел &xранитель", "Ctrl+A", true, true},
        {m.HintsOFF, "Выключить хинты", "Ctrl+H", true, true},
        {m.SaveLoad1, "Подтверждать Save/Load", "Ctrl+Shift+C", true, false},
        {m.N14, "Водка", "Ctrl+F8", false, false},
        {m.N16, "Погамить", "F12", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item.name);
        QAction* a = win->action(c.item);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromUtf8(c.text));
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(c.shortcut)));
        EXPECT_EQ(a->isCheckable(), c.checkable);
        EXPECT_EQ(a->isChecked(), c.checked);
    }
    EXPECT_EQ(win->menuBar()->actions().size(), 4);
    EXPECT_TRUE(win->action(m.N1000ms1)->font().bold());
}

// The mark of a radio item is a dot, as round one way as the other; that of
// a switch is a tick, which is not.
TEST_F(Window, SpeedItemsAreMarkedWithADotAndSwitchesWithATick) {
    const Menu& m = game().w.menu;
    // The dark pixels of an item's mark: the box at the item's left as wide
    // as the item is high.
    const auto mark = [this](const MenuItem& parent, const MenuItem& item) {
        QMenu* menu = win->action(parent)->menu();
        menu->popup(win->mapToGlobal(QPoint(20, 20)));
        QTest::qWait(20);
        const QImage img = menu->grab().toImage();
        const qreal scale = img.devicePixelRatio();
        const QRect row = menu->actionGeometry(win->action(item));
        const QRect box(qRound(row.x() * scale), qRound(row.y() * scale), qRound(row.height() * scale),
                        qRound(row.height() * scale));
        menu->close();
        QImage out(box.size(), QImage::Format_Mono);
        out.fill(0);
        for (int y = 0; y < box.height(); ++y)
            for (int x = 0; x < box.width(); ++x)
                if (qGray(img.pixel(box.x() + x, box.y() + y)) < 100) out.setPixel(x, y, 1);
        return out;
    };
    // Dark pixels whose mirror image across the mark's middle is light.
    const auto lopsided = [](const QImage& img) {
        int left = img.width(), right = -1, n = 0, off = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelIndex(x, y)) left = std::min(left, x), right = std::max(right, x), ++n;
        for (int y = 0; y < img.height(); ++y)
            for (int x = left; x <= right; ++x)
                off += img.pixelIndex(x, y) && !img.pixelIndex(left + right - x, y);
        return n == 0 ? -1.0 : double(off) / n;
    };
    const QImage dot = mark(m.N12, m.N1000ms1);
    const QImage tick = mark(m.Options1, m.GuardianAngel);
    EXPECT_GE(lopsided(dot), 0.0);
    EXPECT_LT(lopsided(dot), 0.1);
    EXPECT_GT(lopsided(tick), 0.3);
}

TEST_F(Window, ShortcutsWorkBeforeTheFirstGameWhileTheTabsDoNot) {
    const WindowModel& m = game().w;
    auto* tabs = static_cast<PageControlView*>(view(m.PageControl1))->tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(tabs->currentIndex(), 0);
    QTest::mouseClick(view(m.RB2), Qt::LeftButton);
    EXPECT_TRUE(m.RB5.checked);

    key(Qt::Key_F2);
    EXPECT_TRUE(m.GlobalTimer.enabled);
    EXPECT_TRUE(win->globalTimer().active());
    EXPECT_EQ(win->globalTimer().interval(), 1000);
    EXPECT_TRUE(win->animateTimer().active());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    EXPECT_EQ(tabs->currentIndex(), 2);

    key(Qt::Key_6, Qt::ControlModifier);
    EXPECT_EQ(win->globalTimer().interval(), 50);
    key(Qt::Key_QuoteLeft);
    EXPECT_EQ(win->globalTimer().interval(), 1);
    EXPECT_TRUE(win->action(m.menu.AccelerateTime1)->isChecked());
    key(Qt::Key_F1);
    EXPECT_FALSE(win->globalTimer().active());
    EXPECT_TRUE(win->action(m.menu.Pause1)->isChecked());
}

TEST_F(Window, HintsReachTheStatusBar) {
    const WindowModel& m = game().w;
    mouseTo({300, 150});  // the bare window: no hint, no change yet
    EXPECT_EQ(m.sbBar.caption, kWelcomeHint);
    mouseTo({276 + 46, 28 + 10});  // on the face, above the eyes
    EXPECT_EQ(m.sbBar.caption, "Пухтяш");
    mouseTo({300, 150});  // the bare window
    EXPECT_EQ(m.sbBar.caption, "");
    mouseTo({308 + 4, 52 + 4});
    EXPECT_EQ(m.sbBar.caption, "Зрачок левого глазика Пухтяша");

    // A highlighted menu item, with pop-up hints off.
    QMenu* menu = win->action(m.menu.Game)->menu();
    win->menuBar()->setActiveAction(win->action(m.menu.Game));
    QCoreApplication::processEvents();
    menu->setActiveAction(win->action(m.menu.Save1));
    QCoreApplication::processEvents();
    EXPECT_EQ(m.sbBar.caption, m.menu.Save1.hint);
    menu->close();
}

// The bar follows the highlighted menu item, submenu parents included, also
// when the highlight comes back from a submenu; the widget under the resting
// mouse cannot wipe it, and takes the bar back once the menu closes.
TEST_F(Window, MenuHintsWinOverTheRestingMouseUntilTheMenuCloses) {
    const WindowModel& m = game().w;
    const Menu& menu = m.menu;
    mouseTo({300, 150});
    mouseTo({276 + 46, 28 + 10});  // on the face
    ASSERT_EQ(m.sbBar.caption, "Пухтяш");

    key(Qt::Key_O, Qt::AltModifier);  // "&Oпции", opened from the keyboard
    QMenu* options = win->action(menu.Options1)->menu();
    ASSERT_TRUE(options->isVisible());
    QTest::qWait(50);
    EXPECT_EQ(m.sbBar.caption, menu.StopProc1.hint) << "the first item's hint";
    QEvent leave(QEvent::Leave);  // what the desktop sends as the menu takes the mouse
    QCoreApplication::sendEvent(view(m.Face), &leave);
    EXPECT_EQ(m.sbBar.caption, menu.StopProc1.hint) << "kept through the face's leave";
    const auto press = [](Qt::Key k) {
        QTest::keyClick(QApplication::activePopupWidget(), k);
        QCoreApplication::processEvents();
    };
    for (int i = 0; i < 3; ++i) press(Qt::Key_Down);
    EXPECT_EQ(m.sbBar.caption, menu.N12.hint);  // "Скорость игры"
    press(Qt::Key_Right);
    EXPECT_EQ(m.sbBar.caption, menu.N2000ms1.hint);
    press(Qt::Key_Left);
    EXPECT_EQ(m.sbBar.caption, menu.N12.hint) << "back from the submenu";
    for (int i = 0; i < 2; ++i) press(Qt::Key_Down);
    EXPECT_EQ(m.sbBar.caption, menu.N13.hint);  // "Настройки подсказки"
    press(Qt::Key_Right);
    EXPECT_EQ(m.sbBar.caption, "") << "HintsOFF has none";
    press(Qt::Key_Escape);
    EXPECT_EQ(m.sbBar.caption, menu.N13.hint);
    press(Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(m.sbBar.caption, "Пухтяш") << "the face under the mouse";

    mouseTo({300, 150});  // the bare window
    EXPECT_EQ(m.sbBar.caption, "");
    key(Qt::Key_P, Qt::AltModifier);  // "Иг&pа"
    QTest::qWait(50);
    EXPECT_EQ(m.sbBar.caption, menu.New.hint);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_EQ(m.sbBar.caption, "");

    // A submenu parent under the mouse, its submenu opening by itself.
    key(Qt::Key_O, Qt::AltModifier);
    QTest::mouseMove(options, options->actionGeometry(win->action(menu.N12)).center());
    QTest::qWait(500);
    EXPECT_TRUE(win->action(menu.N12)->menu()->isVisible());
    EXPECT_EQ(m.sbBar.caption, menu.N12.hint);
    press(Qt::Key_Escape);
    press(Qt::Key_Escape);
}

// Tab visits the page control and the controls of the shown page in their
// designed order, entering the meals at the checked one; the arrow keys move
// the choice within the meals.
TEST_F(Window, TabFollowsTheDesignedOrderAndArrowsMoveWithinTheMeals) {
    const WindowModel& m = game().w;
    auto* tabs = static_cast<PageControlView*>(view(m.PageControl1))->tabs();
    const auto name = [&](QWidget* w) -> std::string {
        return w == tabs ? "PageControl1" : w != nullptr ? w->objectName().toStdString() : "none";
    };
    const auto press = [](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), k, mods);
        QCoreApplication::processEvents();
    };
    // The stops one Tab after another from `first`, round to it again.
    const auto round = [&](const Widget& first) {
        view(first)->setFocus(Qt::OtherFocusReason);
        std::string stops = name(QApplication::focusWidget());
        for (int i = 0; i < 30; ++i) {
            press(Qt::Key_Tab);
            if (QApplication::focusWidget() == view(first)) break;
            stops += " " + name(QApplication::focusWidget());
        }
        return stops;
    };
    EXPECT_EQ(round(m.PageControl1), "PageControl1") << "no stops before the first game";

    key(Qt::Key_F2);
    EXPECT_EQ(round(m.Feed), "Feed Fitness Pill Drug Beer Sleep RB5 Cafe Vodka PageControl1");
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(name(QApplication::focusWidget()), "Vodka") << "backwards from Feed";

    view(m.RB5)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Down);
    EXPECT_EQ(name(QApplication::focusWidget()), "RB6");
    EXPECT_TRUE(m.RB6.checked);
    EXPECT_FALSE(m.RB5.checked);
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_EQ(name(QApplication::focusWidget()), "RB4");
    EXPECT_TRUE(m.RB4.checked);
    EXPECT_EQ(round(m.Feed), "Feed Fitness Pill Drug Beer Sleep RB4 Cafe Vodka PageControl1");

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(round(m.Teach), "Teach Punish School ReadBook PageControl1");
}

TEST_F(Window, StatusBarSwitchChangesTheWindowHeight) {
    const int height = win->height();
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(win->height(), height - 19);
    EXPECT_FALSE(view(game().w.sbBar)->isVisible());
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(win->height(), height);
    EXPECT_TRUE(view(game().w.sbBar)->isVisible());
}

TEST_F(Window, TheGameRunsOnBehindAnOpenBox) {
    key(Qt::Key_F2);
    key(Qt::Key_6, Qt::ControlModifier);  // 50 ms a tick
    i32 during = 0;
    whenBoxOpens(600, [&](QMessageBox* box) {
        during = game().s.timer;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Выход?"));
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        box->button(QMessageBox::No)->click();
    });
    const i32 before = game().s.timer;
    key(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_GE(during - before, 5);
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(game().s.thoughtText, "Не наааадо! Ну остааааньсяяяя!!!! ;(");
    QTest::qWait(200);
    EXPECT_GT(game().s.timer, during);
    save("during-game");
}

TEST_F(Window, ExitAnsweredYesClosesTheWindow) {
    whenBoxOpens(50, [](QMessageBox* box) {
        EXPECT_EQ(box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
        box->button(QMessageBox::Yes)->click();
    });
    key(Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_FALSE(win->isVisible());
}

TEST_F(Window, ShiftCtrlAltOnTheBackgroundRevealsMax) {
    QTest::mouseClick(win->centralWidget(), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier,
                      QPoint(300, 150));
    EXPECT_TRUE(view(game().w.MaximizeAll)->isVisible());
    QTest::mouseClick(view(game().w.Face), Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(view(game().w.MaximizeAll)->isVisible());
}

// The mouth on the screen: which rows are red in its middle column, one for
// each arc at its depth, and how far the red reaches up and down. A smile
// hangs from the anchor row y0 down to y0 + d - 1, the widest to the last row
// of Bevel1; a frown rises from y0 - 1 up to y0 - d, the deepest to its first
// row; a depth of 0 is a straight line along y0. Repaints keep it.
TEST_F(Window, TheMouthSmilesOrFrownsAsDeepAsTheMoodAndSurvivesRepaints) {
    key(Qt::Key_F2);
    struct Case { i32 mood; std::vector<int> middle; int top, bottom; };
    const Case cases[] = {
        {120, {98, 123}, 84, 123},  // d1 15, d2 40: the widest smile
        {60, {90, 103}, 84, 103},   // 7, 20
        {6, {82, 84}, 82, 84},      // 0, 2: a line and a slight frown
        {-10, {69, 79}, 69, 83},    // -5, -15: the deepest frown
    };
    const WindowModel& w = game().w;
    const auto rows = [this, &w](std::vector<int>& middle, int& top, int& bottom) {
        const QImage img = win->centralWidget()->grab().toImage();
        ASSERT_EQ(img.devicePixelRatio(), 1.0);
        const QRect area(w.Bevel1.left, w.Bevel1.top, w.Bevel1.width, w.Bevel1.height);
        middle.clear();
        top = 1000, bottom = -1;
        for (int y = area.top() - 2; y <= area.bottom() + 2; ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.red() < 200 || c.green() > 127 || c.blue() > 100) continue;
                top = std::min(top, y), bottom = std::max(bottom, y);
                if (x == w.mouth.x0 + 19) middle.push_back(y);
            }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mood);
        game().s.Mod = c.mood;
        win->act([this] { game().FeelingsClick(); });
        ASSERT_EQ(w.mouth.y0, 84);
        std::vector<int> middle;
        int top = 0, bottom = 0;
        rows(middle, top, bottom);
        EXPECT_EQ(middle, c.middle);
        EXPECT_EQ(top, c.top);
        EXPECT_EQ(bottom, c.bottom);
        win->repaint();
        rows(middle, top, bottom);
        EXPECT_EQ(middle, c.middle) << "after a repaint";
    }
}

TEST_F(Window, F3SavesAndF4LoadsInTheCurrentDirectory) {
    const QString home = QDir::currentPath();
    const QString dir = QDir::temp().filePath(QStringLiteral("puhtyash-window-save"));
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    QDir::setCurrent(dir);
    key(Qt::Key_F2);
    key(Qt::Key_F3);
    EXPECT_TRUE(QFile::exists(QStringLiteral("Puhtyash.sav")));
    game().s.money = 1;
    key(Qt::Key_F4);
    EXPECT_EQ(game().s.money, 500);
    EXPECT_EQ(game().s.thoughtText, "Назад в прошлоееее!");
    QDir::setCurrent(home);
    QDir(dir).removeRecursively();
}

// Drawn sharp at any scale: the window is exactly the scale times its design
// size, and every shape and text is drawn at the device's resolution.
// Also leaves pictures of the start-up bubble and of the longest remark.
TEST_F(Window, ScreenshotAtThisScale) {
    const qreal scale = win->devicePixelRatioF();
    QDir().mkpath(QStringLiteral("screenshots"));
    win->grab().save(QStringLiteral("screenshots/start-up-%1x.png").arg(scale));
    key(Qt::Key_F2);
    QTest::qWait(1300);  // a tick and a few animation steps
    const QImage shot = win->grab().toImage();
    EXPECT_EQ(shot.width(), qRound(win->width() * scale));
    const QImage client = win->centralWidget()->grab().toImage();
    EXPECT_EQ(client.size(), QSize(qRound(618 * scale), qRound(233 * scale)));
    shot.save(QStringLiteral("screenshots/window-%1x.png").arg(scale));
    game().s.say("Нихачу-у ... Пашёл нафиг! С Новым Годом!", clMaroon);
    win->act([this] { game().FeelingsClick(); });
    win->grab().save(QStringLiteral("screenshots/longest-remark-%1x.png").arg(scale));
}

TEST_F(Window, AnErrorInAHandlerIsShownAndTheGameGoesOn) {
    key(Qt::Key_F2);
    QString shown, caption;
    whenBoxOpens(10, [&](QMessageBox* box) {
        shown = box->text();
        caption = box->windowTitle();
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Ok)->click();
    });
    win->act([this] {
        game().s.money = 7;
        throw std::runtime_error("Unable to write to Puhtyash.sav");
    });
    EXPECT_EQ(caption, QStringLiteral("V7700"));
    EXPECT_EQ(shown, QStringLiteral("Unable to write to Puhtyash.sav."));
    EXPECT_TRUE(win->globalTimer().active());
    EXPECT_EQ(game().s.money, 7);  // the state the handler reached stays
    game().GlobalTimerTimer();
    win->render();
    EXPECT_EQ(static_cast<LabelView*>(view(game().w.Money))->text(), QStringLiteral("7"));
}

// A box shown by the tick must let further ticks run in its event loop.
TEST(GameTimer, FiresAgainInsideItsOwnHandlerOnceItTookAFreshId) {
    int fired = 0;
    int nested = 0;
    GameTimer* self = nullptr;
    GameTimer timer([&] {
        if (++fired > 1) {
            ++nested;
            return;
        }
        self->takeFreshId();
        QEventLoop box;  // what a modal box runs
        QTimer::singleShot(200, &box, &QEventLoop::quit);
        box.exec();
    });
    self = &timer;
    timer.follow(true, 10);
    QTest::qWait(300);
    timer.follow(false, 10);
    EXPECT_GE(nested, 5);
}

TEST(ErrorDisplay, EndsAMessageWithAFullStopUnlessItEndsInPunctuation) {
    struct Case { const char* message; const char* shown; };
    const Case cases[] = {
        {"Unable to write to Puhtyash.sav", "Unable to write to Puhtyash.sav."},
        {"Ошибка 5", "Ошибка 5."},
        {"Done.", "Done."},
        {"What?!", "What?!"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(errorText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown));
}

}  // namespace
}  // namespace pet::qt

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTranslator russian;
    if (russian.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&russian);
    pet::qt::applyLook();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
