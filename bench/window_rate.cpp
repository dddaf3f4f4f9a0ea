// How fast the real window runs the game with time accelerated, next to a
// bare 1 ms timer counted the same way in the same run; and how much of a core
// the game takes at normal speed.
//
//   window_rate [seconds]      (QT_QPA_PLATFORM=offscreen or a real display)
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "ui/qt/look.h"
#include "ui/qt/main_window.h"

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void runFor(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

struct Rate {
    double perSecond;
    double cpuPerEvent;  // microseconds
};

Rate bareTimer(double seconds) {
    long count = 0;
    QTimer bare;
    bare.setTimerType(Qt::PreciseTimer);
    bare.setInterval(1);
    QObject::connect(&bare, &QTimer::timeout, [&count] { ++count; });
    const double cpu0 = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    bare.start();
    runFor(seconds);
    bare.stop();
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return {static_cast<double>(count) / wall, (cpuSeconds() - cpu0) * 1e6 / static_cast<double>(count)};
}

Rate acceleratedGame(pet::qt::MainWindow& win, double seconds) {
    pet::Game& g = win.game();
    win.act([&g] {
        g.NewGameClick();
        g.AccelerateTime1Click();
    });
    // Fed and rested ten times a second, the pet outlives the run at full speed
    // and never calls the guardian angel.
    QTimer care;
    QObject::connect(&care, &QTimer::timeout, [&g] {
        g.s.Fit = g.s.Fed = g.s.Mod = g.s.Doc = g.s.Fat = 100;
        g.s.Int = g.s.Wis = 50;
        g.s.GrowthNotice = 10;  // no level boxes
    });
    care.start(100);
    const pet::i32 start = g.s.timer;
    const double cpu0 = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    runFor(seconds);
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const double ticks = static_cast<double>(g.s.timer - start);
    win.act([&g] { g.AccelerateTime1Click(); });
    return {ticks / wall, (cpuSeconds() - cpu0) * 1e6 / ticks};
}

double idleShare(pet::qt::MainWindow& win, double seconds) {
    win.act([&win] {
        win.game().NewGameClick();
        win.game().s.GrowthNotice = 10;
    });
    const double cpu0 = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    runFor(seconds);
    return (cpuSeconds() - cpu0) / (static_cast<double>(clock.nsecsElapsed()) / 1e9);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    QApplication app(argc, argv);
    pet::qt::applyLook();
    pet::qt::MainWindow win;
    win.show();
    // Nobody is there to answer a box: close whatever opens.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    closer.start(50);
    runFor(0.3);

    const Rate bare = bareTimer(seconds);
    const Rate game = acceleratedGame(win, seconds);
    const double idle = idleShare(win, seconds * 2);
    std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("bare 1 ms timer: %.0f events/s, %.1f us CPU per event\n", bare.perSecond, bare.cpuPerEvent);
    std::printf("accelerated game: %.0f ticks/s, %.1f us CPU per tick\n", game.perSecond, game.cpuPerEvent);
    std::printf("ratio: %.3f\n", game.perSecond / bare.perSecond);
    std::printf("normal speed: %.2f %% of a core\n", idle * 100);
    return 0;
}
