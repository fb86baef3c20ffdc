// The program itself, started as a user starts it: the command line needs
// no display, and a display that is named but not there gets one line and
// exit code 1, never Qt's abort.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

#include "window/display_check.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

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

const QStringList kNoDisplay = {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"};

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
        {{}, "Tarvik needs a graphical display: none found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
         "nothing named"},
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

DisplayEnvironment Env(std::string platform = "", std::string display = "", std::string wayland = "",
                       std::string socket = "", std::string runtime = "") {
    return {platform, display, wayland, socket, runtime};
}

// The early check refuses only what Qt's own platform plugins cannot open.
TEST(Program, WhichSettingsMissADisplay) {
    const std::string runtime = "/run/user/1000";
    auto socketsAt = [](std::vector<std::string> paths) {
        return [paths](const std::string& p) { return std::find(paths.begin(), paths.end(), p) != paths.end(); };
    };
    const auto none = socketsAt({});
    const auto defaultSocket = socketsAt({runtime + "/wayland-0"});
    struct Case {
        DisplayEnvironment env;
        std::function<bool(const std::string&)> sockets;
        const char* message;  // nullptr: the window may be tried
        const char* why;
    } cases[] = {
        {Env(), none, "none found (neither DISPLAY nor WAYLAND_DISPLAY is set)", "nothing named"},
        {Env("", ":0"), none, nullptr, "X11"},
        {Env("", "", "wayland-1", "", runtime), socketsAt({runtime + "/wayland-1"}), nullptr, "Wayland by name"},
        {Env("", "", "", "", runtime), defaultSocket, nullptr, "Wayland's default socket, no name given"},
        {Env("wayland", "", "", "", runtime), defaultSocket, nullptr, "Wayland chosen, its default socket"},
        {Env("wayland", "", "", "7"), none, nullptr, "a socket handed over in WAYLAND_SOCKET"},
        {Env("wayland", "", "/tmp/w-0"), socketsAt({"/tmp/w-0"}), nullptr, "an absolute socket path"},
        {Env("wayland"), none, "XDG_RUNTIME_DIR is not set", "no runtime directory: reported as that"},
        {Env("wayland", ":0", "", "", runtime), none, "no Wayland display 'wayland-0' is running", "nothing there"},
        {Env("xcb", "", "wayland-0", "", runtime), defaultSocket, "none found (DISPLAY is not set)",
         "xcb chosen, no X display"},
        {Env("xcb:nograb", ":0"), none, nullptr, "options after the platform name"},
        {Env("offscreen"), none, nullptr, "another platform: nothing to check"},
    };
    for (const auto& c : cases) {
        const auto message = MissingDisplayMessage(c.env, c.sockets);
        if (!c.message) {
            EXPECT_FALSE(message) << c.why << ": " << *message;
        } else {
            ASSERT_TRUE(message) << c.why;
            EXPECT_NE(message->find(c.message), std::string::npos) << c.why << ": " << *message;
        }
    }
}

TEST(Program, TheFailureLineNamesWhatCouldNotBeOpened) {
    EXPECT_EQ(DisplayFailureMessage(Env("", ":987")), "Tarvik cannot open the display ':987'.");
    EXPECT_EQ(DisplayFailureMessage(Env("wayland", "", "wayland-9", "", "/run/user/1")),
              "Tarvik cannot open the Wayland display 'wayland-9'.");
    EXPECT_EQ(DisplayFailureMessage(Env("wayland")), "Tarvik cannot open a Wayland display: XDG_RUNTIME_DIR is not set.");
    EXPECT_EQ(DisplayFailureMessage(Env("vnc")), "Tarvik cannot start its window: the graphical platform 'vnc' did not start.");
}

}  // namespace
}  // namespace tarvik
