// GoogleTest main for the widget tests: one application object on the
// offscreen platform, message boxes captured instead of shown modally.
#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

#include "platform/application.h"
#include "tests/support/qt_env.h"

namespace tarvik::test {
std::vector<std::pair<QString, QString>>& ShownMessages() {
    static std::vector<std::pair<QString, QString>> messages;
    return messages;
}
}  // namespace tarvik::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Settings go to a scratch place, never the user's, and one of this
    // process's own: ctest runs the tests of a binary as parallel processes,
    // and in a shared place (test mode's ~/.qttest) one test's remembered
    // number style would show in another's window. Windows keeps native settings
    // in the registry, where the path does not apply; its runs are serial.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    if (!settings.isValid()) {
        std::fprintf(stderr, "no scratch folder for the settings: %s\n", qPrintable(settings.errorString()));
        return 1;
    }
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    tarvik::Application app(argc, argv);
    app.SetTitle("Tarvik");
    app.MessageSink = [](const QString& caption, const QString& text) {
        tarvik::test::ShownMessages().emplace_back(caption, text);
    };
    return RUN_ALL_TESTS();
}
