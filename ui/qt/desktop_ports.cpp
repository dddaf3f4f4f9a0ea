#include "ui/qt/desktop_ports.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace pet::qt {

namespace {

QString fromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

Answer BoxDialogs::messageBox(std::string_view text, std::string_view caption, Buttons buttons) {
    if (beforeShow_) beforeShow_();
    QMessageBox box(QMessageBox::NoIcon, fromUtf8(caption), fromUtf8(text),
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int result = box.exec();
    if (buttons == Buttons::Ok) return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void DesktopShell::open(std::string_view file, std::string_view parameters, int) {
    // A web page is handed over as the parameter of the file browser, an
    // e-mail as the file itself; here both go to the desktop's URL opener.
    const std::string_view target = parameters.empty() ? file : parameters;
    QDesktopServices::openUrl(QUrl(fromUtf8(target)));
}

QString errorText(const QString& message) {
    QString text = message;
    if (!text.isEmpty() && text.back() > QChar('.')) text += QChar('.');
    return text;
}

void showError(QWidget* owner, const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("V7700"), errorText(message), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace pet::qt
