// The program itself, started as a user starts it: the command line needs
// no display, and a display that is named but not there gets one line and
// exit code 1, never Qt's abort.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

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

// The program under an English desktop and with settings of its own, as
// the cases do not say otherwise: a developer's German desktop or a
// language chosen in their window must not change the messages expected.
Outcome Start(const QStringList& args, const QStringList& set, const QStringList& unset) {
    static const QTemporaryDir scratchConfig;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
    env.insert("LANG", "C.UTF-8");
    env.insert("XDG_CONFIG_HOME", scratchConfig.path());
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

// The language of the messages: the desktop's, or --language's, which the
// window remembers for the runs after it.
TEST(Program, MessagesSpeakTheLanguageChosen) {
    QTemporaryDir config;
    const QStringList scratch = {"XDG_CONFIG_HOME=" + config.path()};
    const QStringList english = scratch + QStringList{"LANG=C.UTF-8"};
    const QStringList desktopLanguage = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    const struct {
        QStringList args;
        QStringList set;
        int exitCode;
        QString err;
        const char* why;
    } cases[] = {
        {{"--df", "0", "--value", "1"}, english, 2,
         "tarvik: --df '0' is out of range: whole numbers from 1 to 65535\n", "the source, English"},
        {{"--df", "0", "--value", "1"}, scratch + QStringList{"LANG=fr_FR.UTF-8"}, 2,
         "tarvik: --df '0' est hors limites : entiers de 1 à 65535\n", "the desktop's French"},
        {{"--language", "de", "--df", "0", "--value", "1"}, scratch + QStringList{"LANG=fr_FR.UTF-8"}, 2,
         "tarvik: --df '0' liegt außerhalb des Bereichs: ganze Zahlen von 1 bis 65535\n", "--language over the desktop"},
        {{"--language", "xx"}, english, 2, "tarvik: --language 'xx' is not de, en, es, fr, nl, tr or zh_CN\n",
         "a language not carried"},
        {{}, english, 1, "Tarvik needs a graphical display: none found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
         "no choice made yet: the desktop's"},
        {{"--language", "zh_CN"}, english, 1, "Tarvik 需要图形显示：未找到（DISPLAY 和 WAYLAND_DISPLAY 均未设置）。\n",
         "the window's choice, even where it cannot open"},
        {{}, english, 1, "Tarvik 需要图形显示：未找到（DISPLAY 和 WAYLAND_DISPLAY 均未设置）。\n",
         "remembered for the next start"},
    };
    for (const auto& c : cases) {
        const Outcome r = Start(c.args, c.set, kNoDisplay + desktopLanguage);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.why;
        EXPECT_EQ(r.err.toStdString(), c.err.toStdString()) << c.why;
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
