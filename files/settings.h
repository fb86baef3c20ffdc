#pragma once
// What the window remembers between runs: how numbers are shown, and the
// language chosen. Kept in
// the desktop's usual place (~/.config/tarvik/tarvik.conf on Linux); an
// unknown or missing entry gives the default, and so does a file grown
// past 1 MiB, which is neither read nor written.
#include <QString>
#include <string>

#include "core/number_text.h"

namespace tarvik {

// Each Save returns false where the choice could not be written.
NumberFormat SavedNumberFormat();
bool SaveNumberFormat(const NumberFormat& format);

// The language chosen in the window: false where none was chosen (the
// desktop's language is used); "" is English chosen.
bool SavedLanguage(std::string& code);
// Saves a choice; follow the desktop again with forget = true.
bool SaveLanguage(const std::string& code, bool forget = false);

// Where the settings are kept, for a message that they could not be.
QString SettingsPlace();

// The folder a save dialog was last closed in, or empty.
QString SavedFolder();
void SaveFolder(const QString& folder);

}  // namespace tarvik
