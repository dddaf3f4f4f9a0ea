// The game's entry: the application, its look and title, the window, the loop.
#include <exception>

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/qt/desktop_ports.h"
#include "ui/qt/icon.h"
#include "ui/qt/look.h"
#include "ui/qt/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("puhtyash"));
    QApplication::setApplicationVersion(QStringLiteral("1.2.3.18"));
    // The application's title "V7700" is what the taskbar shows for the window
    // (its icon name) and the caption of the error boxes. It is not made the
    // desktop's display name, which would be appended to the window caption.
    QGuiApplication::setDesktopFileName(QStringLiteral("puhtyash"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("puhtyash"), pet::qt::bunIcon()));

    // The boxes' buttons read in Russian, as the game's texts do.
    QTranslator qtRussian;
    if (qtRussian.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtRussian);

    pet::qt::applyLook();
    try {
        pet::qt::MainWindow window;
        window.show();
        QApplication::exec();
    } catch (const std::exception& e) {
        pet::qt::showError(nullptr, QString::fromUtf8(e.what()));
    } catch (...) {
        pet::qt::showError(nullptr, QString());
    }
    return 0;
}
