#pragma once
// Shared helpers of the widget tests.
#include <QApplication>
#include <QString>
#include <utility>
#include <vector>

#include "core/format_settings.h"
#include "tests/support/scoped_format_settings.h"

namespace tarvik::test {

// (caption, text) of every message box shown since the process started.
std::vector<std::pair<QString, QString>>& ShownMessages();

inline const FormatSettings& kUnitedStates = kPoint;

}  // namespace tarvik::test
