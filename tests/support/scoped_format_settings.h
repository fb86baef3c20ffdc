#pragma once
// Replaces the locale separators for one scope (no Qt needed).
#include "core/format_settings.h"
#include "tests/support/format_settings_cases.h"

namespace tarvik::test {

class ScopedFormatSettings {
public:
    explicit ScopedFormatSettings(const FormatSettings& fs) : saved_(CurrentFormatSettings()) {
        CurrentFormatSettings() = fs;
    }
    ~ScopedFormatSettings() { CurrentFormatSettings() = saved_; }
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

private:
    FormatSettings saved_;
};

}  // namespace tarvik::test
