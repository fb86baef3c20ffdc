#include "window/display_check.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>
#include <vector>

namespace tarvik {

namespace {

bool Named(const char* s) { return s && *s; }

// "xcb:option=1" names the platform xcb.
std::string PlatformName(const char* qpaPlatform) {
    if (!Named(qpaPlatform)) return "";
    const std::string p(qpaPlatform);
    return p.substr(0, p.find(':'));
}

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
        const std::string line = DisplayFailureMessage(std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY"),
                                                       std::getenv("WAYLAND_DISPLAY"));
        std::fprintf(stderr, "%s\n", line.c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    const std::lock_guard<std::mutex> lock(heldMutex);
    held.push_back(HeldMessage{type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

std::optional<std::string> MissingDisplayMessage(const char* qpaPlatform, const char* display,
                                                 const char* waylandDisplay) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    const std::string platform = PlatformName(qpaPlatform);
    if (platform == "xcb" && !Named(display))
        return "Tarvik needs a graphical display: none found (DISPLAY is not set).";
    if (platform == "wayland" && !Named(waylandDisplay))
        return "Tarvik needs a graphical display: none found (WAYLAND_DISPLAY is not set).";
    if (platform.empty() && !Named(display) && !Named(waylandDisplay))
        return "Tarvik needs a graphical display: none found (DISPLAY is not set).";
#else
    (void)qpaPlatform;
    (void)display;
    (void)waylandDisplay;
#endif
    return std::nullopt;
}

std::string DisplayFailureMessage(const char* qpaPlatform, const char* display, const char* waylandDisplay) {
    const std::string platform = PlatformName(qpaPlatform);
    if ((platform.empty() || platform == "xcb") && Named(display))
        return std::string("Tarvik cannot open the display '") + display + "'.";
    if ((platform.empty() || platform == "wayland") && Named(waylandDisplay))
        return std::string("Tarvik cannot open the Wayland display '") + waylandDisplay + "'.";
    return "Tarvik cannot start its window: the graphical platform '" + (platform.empty() ? "default" : platform) +
           "' did not start.";
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
