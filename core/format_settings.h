#pragma once
// The user's locale separators, read once at start-up (see the application
// object); tests replace them to exercise a comma-decimal locale.
namespace tarvik {

struct FormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
};

// The process-wide settings every number text uses.
FormatSettings& CurrentFormatSettings();

}  // namespace tarvik
