#include "platform/console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstdio>
#endif

namespace tarvik {

void UseParentConsole() {
#ifdef Q_OS_WIN
    const auto missing = [](DWORD which) {
        const HANDLE h = GetStdHandle(which);
        return h == nullptr || h == INVALID_HANDLE_VALUE;
    };
    const bool out = missing(STD_OUTPUT_HANDLE), err = missing(STD_ERROR_HANDLE), in = missing(STD_INPUT_HANDLE);
    if (!(out || err || in) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
    // Only the streams that had no handle: a redirection stays where it goes.
    FILE* ignored = nullptr;
    if (out) freopen_s(&ignored, "CONOUT$", "w", stdout);
    if (err) freopen_s(&ignored, "CONOUT$", "w", stderr);
    if (in) freopen_s(&ignored, "CONIN$", "r", stdin);
#endif
}

}  // namespace tarvik
