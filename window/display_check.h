#pragma once
// Starting the window without a display: one line of explanation and exit
// code 1, never Qt's abort (exit 134) with its advice to reinstall. The
// early check refuses only what Qt's platform plugins cannot open either;
// everything else is tried, and a failure then caught by StartupGuard.
#include <functional>
#include <optional>
#include <string>

namespace tarvik {

// What the platform plugins read from the environment.
struct DisplayEnvironment {
    std::string qpaPlatform;     // QT_QPA_PLATFORM ("xcb", "wayland:option", ...)
    std::string display;         // DISPLAY (X11)
    std::string waylandDisplay;  // WAYLAND_DISPLAY: a socket name, or a path
    std::string waylandSocket;   // WAYLAND_SOCKET: a connection handed over
    std::string runtimeDir;      // XDG_RUNTIME_DIR, where Wayland sockets live
};
DisplayEnvironment CurrentDisplayEnvironment();

// Whether a Wayland client can connect: a socket handed over, or the named
// socket (wayland-0 when none is named) in the runtime directory, or at an
// absolute path. `exists` tells whether a file is there.
bool WaylandReachable(const DisplayEnvironment& env, const std::function<bool(const std::string&)>& exists);

// Where X11 or Wayland is the windowing system (Linux and the BSDs): the
// message when the chosen platform (or, with none chosen, either of them)
// can find no display. Empty where one can be tried, another platform is
// chosen (offscreen, vnc, ...), or the system has its own windowing.
std::optional<std::string> MissingDisplayMessage(const DisplayEnvironment& env,
                                                 const std::function<bool(const std::string&)>& exists);
std::optional<std::string> MissingDisplayMessage();

// While alive, a fatal message from Qt (a named display that cannot be
// opened, a platform plugin that will not load) prints `what went wrong`
// in one line and ends the process with exit code 1. Qt's warnings that
// come before it are held back and, when nothing failed, passed on at the
// end.
class StartupGuard {
public:
    StartupGuard();
    ~StartupGuard();
    StartupGuard(const StartupGuard&) = delete;
    StartupGuard& operator=(const StartupGuard&) = delete;
};

// The one line for a platform that failed to start.
std::string DisplayFailureMessage(const DisplayEnvironment& env);

}  // namespace tarvik
