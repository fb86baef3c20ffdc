#pragma once
// Fontconfig's set-up, begun on a second thread at the start of the
// program. The first text Qt measures makes fontconfig read and parse its
// whole configuration (some fifty XML files under /etc/fonts) and its
// caches: measured with callgrind, 29 of the 102 million instructions from
// exec to the mapped window, all of it spent before the window can be laid
// out. None of it needs the display, so it can run while the main thread
// connects to the X server and loads Qt's plugins.
//
// Where the program is built without fontconfig (Windows), this does
// nothing.
#include <thread>

namespace tarvik {

class FontSetupAhead {
public:
    FontSetupAhead();
    ~FontSetupAhead();
    FontSetupAhead(const FontSetupAhead&) = delete;
    FontSetupAhead& operator=(const FontSetupAhead&) = delete;

    // Waits for the set-up to finish. Call it before the first font is
    // used: fontconfig does not wait for a set-up in progress, it starts a
    // second one and throws one of them away, the whole cost paid twice.
    void Finish();

private:
    std::thread worker_;
};

}  // namespace tarvik
