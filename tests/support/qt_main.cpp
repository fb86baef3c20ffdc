// GoogleTest main for the widget tests: one application object on the
// offscreen platform, message boxes captured instead of shown modally.
#include <gtest/gtest.h>

#include <QStandardPaths>
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
    // Settings go to a scratch place, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    tarvik::Application app(argc, argv);
    app.SetTitle("Tarvik");
    app.MessageSink = [](const QString& caption, const QString& text) {
        tarvik::test::ShownMessages().emplace_back(caption, text);
    };
    return RUN_ALL_TESTS();
}
