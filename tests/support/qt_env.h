#pragma once
// Shared helpers of the widget tests.
#include <QApplication>
#include <QString>
#include <utility>
#include <vector>

#include "platform/format_settings.h"
#include "tests/support/format_settings_cases.h"

namespace tarvik::test {

// (caption, text) of every message box shown since the process started.
std::vector<std::pair<QString, QString>>& ShownMessages();

// Replaces the locale separators for one scope.
class ScopedFormatSettings {
public:
    explicit ScopedFormatSettings(const FormatSettings& fs) : saved_(CurrentFormatSettings()) {
        CurrentFormatSettings() = fs;
    }
    ~ScopedFormatSettings() { CurrentFormatSettings() = saved_; }

private:
    FormatSettings saved_;
};

inline const FormatSettings& kUnitedStates = kPoint;

}  // namespace tarvik::test
