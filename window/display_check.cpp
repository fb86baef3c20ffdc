#include "window/display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <utility>
#include <vector>

#include "core/translation.h"

namespace tarvik {

namespace {

// "xcb:option=1" names the platform xcb.
std::string PlatformName(const std::string& qpaPlatform) { return qpaPlatform.substr(0, qpaPlatform.find(':')); }

// QMessageLogContext cannot be copied; its strings are literals of the
// Qt library and outlive us.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> held;
std::mutex heldMutex;

void StartupHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const std::string line = DisplayFailureMessage(CurrentDisplayEnvironment());
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard<std::mutex> lock(heldMutex);
    held.push_back(HeldMessage{type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

DisplayEnvironment CurrentDisplayEnvironment() {
    auto get = [](const char* name) {
        const char* v = std::getenv(name);
        return std::string(v ? v : "");
    };
    return {get("QT_QPA_PLATFORM"), get("DISPLAY"), get("WAYLAND_DISPLAY"), get("WAYLAND_SOCKET"),
            get("XDG_RUNTIME_DIR")};
}

namespace {

// The socket a Wayland client connects to, as libwayland-client finds it:
// WAYLAND_DISPLAY as a path when absolute, else that name (wayland-0 when
// unset) in XDG_RUNTIME_DIR; empty when there is no runtime directory.
std::string WaylandSocketPath(const DisplayEnvironment& env) {
    const std::string name = env.waylandDisplay.empty() ? "wayland-0" : env.waylandDisplay;
    if (name[0] == '/') return name;
    if (env.runtimeDir.empty()) return "";
    return env.runtimeDir + "/" + name;
}

std::string WaylandName(const DisplayEnvironment& env) {
    return env.waylandDisplay.empty() ? "wayland-0" : env.waylandDisplay;
}

bool UsesXdgRuntime(const DisplayEnvironment& env) {
    return env.waylandSocket.empty() && (env.waylandDisplay.empty() || env.waylandDisplay[0] != '/');
}

}  // namespace

bool WaylandReachable(const DisplayEnvironment& env, const std::function<bool(const std::string&)>& exists) {
    if (!env.waylandSocket.empty()) return true;
    const std::string path = WaylandSocketPath(env);
    return !path.empty() && exists(path);
}

std::optional<std::string> MissingDisplayMessage(const DisplayEnvironment& env,
                                                 const std::function<bool(const std::string&)>& exists) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    const std::string platform = PlatformName(env.qpaPlatform);
    if (platform == "xcb" && env.display.empty())
        return Tr("Display", "Tarvik needs a graphical display: none found (DISPLAY is not set).");
    if (platform == "wayland" && !WaylandReachable(env, exists)) {
        if (UsesXdgRuntime(env) && env.runtimeDir.empty())
            return Tr("Display", "Tarvik needs a graphical display: XDG_RUNTIME_DIR is not set, so no Wayland display can be found.");
        return Fill(Tr("Display", "Tarvik needs a graphical display: no Wayland display '%1' is running."), {WaylandName(env)});
    }
    if (platform.empty() && env.display.empty() && !WaylandReachable(env, exists))
        return Tr("Display", "Tarvik needs a graphical display: none found (neither DISPLAY nor WAYLAND_DISPLAY is set).");
#else
    (void)env;
    (void)exists;
#endif
    return std::nullopt;
}

std::optional<std::string> MissingDisplayMessage() {
    return MissingDisplayMessage(CurrentDisplayEnvironment(), [](const std::string& path) {
        return std::filesystem::exists(std::filesystem::path(path));
    });
}

std::string DisplayFailureMessage(const DisplayEnvironment& env) {
    const std::string platform = PlatformName(env.qpaPlatform);
    if ((platform.empty() || platform == "xcb") && !env.display.empty())
        return Fill(Tr("Display", "Tarvik cannot open the display '%1'."), {env.display});
    if (platform.empty() || platform == "wayland") {
        if (UsesXdgRuntime(env) && env.runtimeDir.empty())
            return Tr("Display", "Tarvik cannot open a Wayland display: XDG_RUNTIME_DIR is not set.");
        return Fill(Tr("Display", "Tarvik cannot open the Wayland display '%1'."), {WaylandName(env)});
    }
    return Fill(Tr("Display", "Tarvik cannot start its window: the graphical platform '%1' did not start."), {platform});
}

StartupGuard::StartupGuard() { previousHandler = qInstallMessageHandler(StartupHandler); }

StartupGuard::~StartupGuard() {
    qInstallMessageHandler(previousHandler);
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard<std::mutex> lock(heldMutex);
        messages.swap(held);
    }
    for (const HeldMessage& m : messages)
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
}

}  // namespace tarvik
