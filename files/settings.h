#pragma once
// What the window remembers between runs: how numbers are shown, and the
// language chosen. Kept in
// the desktop's usual place (~/.config/tarvik/tarvik.conf on Linux); an
// unknown or missing entry gives the default.
#include <string>

#include "core/number_text.h"

namespace tarvik {

NumberFormat SavedNumberFormat();
void SaveNumberFormat(const NumberFormat& format);

// The language chosen in the window: false where none was chosen (the
// desktop's language is used); "" is English chosen.
bool SavedLanguage(std::string& code);
// Saves a choice; follow the desktop again with forget = true.
void SaveLanguage(const std::string& code, bool forget = false);

}  // namespace tarvik
