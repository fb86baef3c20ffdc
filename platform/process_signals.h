#pragma once
// How the running program meets its desktop session: the session's request
// to end (SIGTERM, SIGHUP, Ctrl+C in a terminal) closes it as if its window
// were closed, and one warning of Qt's that says nothing to a user is kept
// off standard error.
namespace tarvik {

// From here on a termination request quits the event loop of the running
// application (POSIX; nothing to do on Windows, whose session ends by
// closing the windows).
void QuitOnTerminationRequest();

// Qt warns "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to ..."
// whenever the variable is unset, although it then makes a directory of its
// own: that line alone is dropped, every other message passes.
void SilenceRuntimeDirectoryWarning();

}  // namespace tarvik
