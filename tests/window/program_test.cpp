// The program itself, started as a user starts it: the command line needs
// no display, and a display that is named but not there gets one line and
// exit code 1, never Qt's abort.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include "window/display_check.h"

namespace tarvik {
namespace {

struct Outcome {
    int exitCode;
    QProcess::ExitStatus status;
    QString out, err;
};

Outcome Start(const QStringList& args, const QStringList& set, const QStringList& unset) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset) env.remove(name);
    for (const QString& pair : set) env.insert(pair.section('=', 0, 0), pair.section('=', 1));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(TARVIK_PROGRAM, args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.exitStatus(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

const QStringList kNoDisplay = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

TEST(Program, VersionAndHelpNeedNoDisplay) {
    const Outcome version = Start({"--version"}, {}, kNoDisplay);
    EXPECT_EQ(version.status, QProcess::NormalExit);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QString("tarvik %1\n").arg(TARVIK_VERSION));
    const Outcome help = Start({"--help"}, {}, kNoDisplay);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--df")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--export-chart"));
}

TEST(Program, AMissingOrUnreachableDisplayIsOneLineAndExitOne) {
    struct Case {
        QStringList set;
        QString line;
        const char* why;
    } cases[] = {
        {{}, "Tarvik needs a graphical display: none found (DISPLAY is not set).\n", "nothing named"},
        {{"DISPLAY=:987"}, "Tarvik cannot open the display ':987'.\n", "named, nothing there"},
        {{"QT_QPA_PLATFORM=nosuchplatform"},
         "Tarvik cannot start its window: the graphical platform 'nosuchplatform' did not start.\n",
         "a platform plugin that does not exist"},
    };
    for (const auto& c : cases) {
        const Outcome r = Start({}, c.set, kNoDisplay);
        EXPECT_EQ(r.status, QProcess::NormalExit) << c.why;
        EXPECT_EQ(r.exitCode, 1) << c.why;
        EXPECT_EQ(r.err.toStdString(), c.line.toStdString()) << c.why;
        EXPECT_FALSE(r.err.contains("Reinstalling")) << c.why;
    }
}

// The early check applies only where X11 or Wayland is the windowing system.
TEST(Program, WhichSettingsMissADisplay) {
    struct Case {
        const char* platform;
        const char* display;
        const char* wayland;
        bool missing;
        const char* why;
    } cases[] = {
        {nullptr, nullptr, nullptr, true, "nothing named"},
        {"", "", "", true, "empty counts as unset"},
        {nullptr, ":0", nullptr, false, "X11"},
        {nullptr, nullptr, "wayland-0", false, "Wayland"},
        {"xcb", nullptr, "wayland-0", true, "xcb chosen, no X display"},
        {"wayland", ":0", nullptr, true, "Wayland chosen, no Wayland display"},
        {"xcb:nograb", ":0", nullptr, false, "options after the platform name"},
        {"offscreen", nullptr, nullptr, false, "another platform: nothing to check"},
        {"vnc", nullptr, nullptr, false, "another platform"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MissingDisplayMessage(c.platform, c.display, c.wayland).has_value(), c.missing) << c.why;
}

}  // namespace
}  // namespace tarvik
