#include "platform/font_setup_ahead.h"

#include <system_error>

#ifdef TARVIK_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tarvik {

FontSetupAhead::FontSetupAhead() {
#ifdef TARVIK_HAVE_FONTCONFIG
    try {
        // FcInit loads the configuration once per process and keeps it as
        // the current one; Qt's later FcInit finds it done.
        worker_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to be had: Qt sets fontconfig up itself, as before.
    }
#endif
}

FontSetupAhead::~FontSetupAhead() { Finish(); }

void FontSetupAhead::Finish() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace tarvik
