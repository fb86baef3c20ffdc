#pragma once
// Starting the window without a display: one line of explanation and exit
// code 1, never Qt's abort (exit 134) with its advice to reinstall.
#include <optional>
#include <string>

namespace tarvik {

// Where X11 or Wayland is the windowing system (Linux and the BSDs) and no
// other Qt platform is chosen: the message when neither DISPLAY nor
// WAYLAND_DISPLAY names a display. Empty where a display is named, another
// platform is chosen (QT_QPA_PLATFORM), or the system has its own windowing
// (Windows, macOS), where there is nothing to check.
std::optional<std::string> MissingDisplayMessage(const char* qpaPlatform, const char* display,
                                                 const char* waylandDisplay);

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
std::string DisplayFailureMessage(const char* qpaPlatform, const char* display, const char* waylandDisplay);

}  // namespace tarvik
