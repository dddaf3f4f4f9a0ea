// Time from process start to the first painted frame, and peak memory, of the
// game's window next to a minimal Qt window, measured the same way; and next
// to a minimal window with one line of text, which pays the font system's
// start-up as every window with text does.
//
//   startup [runs]      (QT_QPA_PLATFORM=offscreen or a real display)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <QLabel>
#include <QWidget>

#include "ui/qt/look.h"
#include "ui/qt/main_window.h"

namespace {

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Reports the time of the first paint on fd 3 and leaves.
class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            const long long t = nowNs();
            if (write(3, &t, sizeof t) != sizeof t) std::_Exit(2);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool done_ = false;
};

int child(const char* kind, int argc, char** argv) {
    QApplication app(argc, argv);
    FirstPaint first;
    if (std::strcmp(kind, "game") == 0) {
        QTranslator russian;
        if (russian.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&russian);
        pet::qt::applyLook();
        pet::qt::MainWindow win;
        win.centralWidget()->installEventFilter(&first);
        win.show();
        QApplication::exec();
    } else {
        QWidget win;
        win.resize(618, 251);
        if (std::strcmp(kind, "label") == 0) (new QLabel(QStringLiteral("Пухтяш"), &win))->move(10, 10);
        win.installEventFilter(&first);
        win.show();
        QApplication::exec();
    }
    return 0;
}

struct Sample {
    double ms;
    double peakMb;
};

Sample measure(const char* self, const char* kind) {
    int fds[2];
    if (pipe(fds) != 0) std::exit(1);
    const long long start = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], 3);
        execl(self, self, "--child", kind, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    close(fds[1]);
    long long painted = 0;
    if (read(fds[0], &painted, sizeof painted) != sizeof painted) painted = start;
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return {static_cast<double>(painted - start) / 1e6, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return child(argv[2], argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    const char* kinds[] = {"minimal", "label", "game"};
    std::vector<double> ms[3], mb[3];
    for (int i = 0; i < runs; ++i)
        for (int k = 0; k < 3; ++k) {
            const Sample sample = measure(argv[0], kinds[k]);
            ms[k].push_back(sample.ms);
            mb[k].push_back(sample.peakMb);
        }
    const double m[3] = {median(ms[0]), median(ms[1]), median(ms[2])};
    const double p[3] = {median(mb[0]), median(mb[1]), median(mb[2])};
    std::printf("platform %s, median of %d runs\n", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "xcb" : qgetenv("QT_QPA_PLATFORM").constData(), runs);
    std::printf("minimal window:           first paint %6.1f ms, peak memory %5.1f MB\n", m[0], p[0]);
    std::printf("minimal window with text: first paint %6.1f ms, peak memory %5.1f MB\n", m[1], p[1]);
    std::printf("game window:              first paint %6.1f ms, peak memory %5.1f MB\n", m[2], p[2]);
    std::printf("game / minimal: %.2f x the time, %.1f MB more; game / with text: %.2f x the time\n", m[2] / m[0],
                p[2] - p[0], m[2] / m[1]);
    return 0;
}
