#pragma once
// What the window remembers between runs: how numbers are shown. Kept in
// the desktop's usual place (~/.config/tarvik/tarvik.conf on Linux); an
// unknown or missing entry gives the default.
#include "core/number_text.h"

namespace tarvik {

NumberFormat SavedNumberFormat();
void SaveNumberFormat(const NumberFormat& format);

}  // namespace tarvik
