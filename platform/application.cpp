#include "platform/application.h"

#include <QLocale>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "core/format_settings.h"

namespace tarvik {

namespace {
int gBeeps = 0;
bool gVisualStyles = true;
}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    const char* classic = std::getenv("TARVIK_CLASSIC_LOOK");
    gVisualStyles = !(classic && classic[0] == '1');
    LoadFormatSettingsFromLocale();
}

Application::~Application() = default;

void Application::SetTitle(const QString& title) {
    title_ = title;
    setApplicationDisplayName(title);
}

void Application::ShowException(const std::exception& e) {
    const QString text = MessageWithFullStop(QString::fromStdString(e.what()));
    if (MessageSink) {
        MessageSink(title_, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, title_, text, QMessageBox::Ok, activeWindow());
    box.exec();
}

void Application::ShowNotice(const QString& text) {
    if (MessageSink) {
        MessageSink(title_, text);
        return;
    }
    QMessageBox box(QMessageBox::Information, title_, text, QMessageBox::Ok, activeWindow());
    box.exec();
}

Application* CurrentApplication() { return dynamic_cast<Application*>(QCoreApplication::instance()); }

QString MessageWithFullStop(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar('.')) return message + '.';
    return message;
}

void Beep() {
    ++gBeeps;
    QApplication::beep();
}
int BeepCount() { return gBeeps; }

void ReportException(const std::exception& e) {
    if (Application* app = CurrentApplication()) {
        app->ShowException(e);
        return;
    }
    std::fprintf(stderr, "%s\n", MessageWithFullStop(QString::fromStdString(e.what())).toLocal8Bit().constData());
}

void ReportExceptionLater(const std::exception& e) {
    Application* app = CurrentApplication();
    if (!app) {
        ReportException(e);
        return;
    }
    const std::string message = e.what();
    QMetaObject::invokeMethod(
        app, [message] { ReportException(std::runtime_error(message)); }, Qt::QueuedConnection);
}

bool VisualStylesActive() { return gVisualStyles; }
void SetVisualStylesActive(bool on) { gVisualStyles = on; }

namespace {
// The first character of a format pattern that is not a field letter or a
// quote: the separator the locale writes between fields.
char SeparatorOf(const QString& pattern, char fallback) {
    for (QChar c : pattern)
        if (!c.isLetter() && c != '\'' && c != ' ' && c.unicode() < 128) return char(c.unicode());
    return fallback;
}
}  // namespace

void LoadFormatSettingsFromLocale() {
    const QLocale locale;
    FormatSettings& fs = CurrentFormatSettings();
    auto ascii = [](const QString& s, char fallback) {
        return s.size() == 1 && s[0].unicode() < 128 ? char(s[0].unicode()) : fallback;
    };
    fs.DecimalSeparator = ascii(locale.decimalPoint(), '.');
    fs.ThousandSeparator = ascii(locale.groupSeparator(), fs.DecimalSeparator == ',' ? '.' : ',');
    fs.DateSeparator = SeparatorOf(locale.dateFormat(QLocale::ShortFormat), '/');
    fs.TimeSeparator = SeparatorOf(locale.timeFormat(QLocale::ShortFormat), ':');
}

}  // namespace tarvik
