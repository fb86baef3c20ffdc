#pragma once
// Texts the windows build alike: a number written in the program (a start
// value, an example) in the desktop's own number format, and a message of
// the core's as a sentence.
#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <algorithm>
#include <string>

#include "core/format_settings.h"

namespace tarvik {

// "0.05" as "0,05" on a desktop whose decimal separator is the comma.
inline QString InDesktopNumbers(const char* text) {
    return QString(text).replace('.', QChar(CurrentFormatSettings().DecimalSeparator));
}

// "probability 3 'x' is not a number" as "Probability 3 'x' is not a number."
// A symbol first keeps its case: "p1 must lie ..." is not "P1 must lie ...".
inline QString AsSentence(const std::string& message) {
    QString s = QString::fromStdString(message);
    const QString first = s.section(' ', 0, 0);
    const bool symbol = std::any_of(first.begin(), first.end(), [](QChar c) { return c.isDigit(); });
    if (!s.isEmpty() && !symbol) s[0] = s[0].toUpper();
    return s + ".";
}

// A field the window solves is read-only on the window's own ground, and
// says so to a screen reader; given again, it inherits its look. The
// power window and its designs' fields show it alike.
inline void ShowSolved(QLineEdit& edit, bool solved, const QString& solvedText) {
    edit.setReadOnly(solved);
    QPalette ground;
    if (solved) ground.setColor(QPalette::Base, edit.window()->palette().color(QPalette::Window));
    edit.setPalette(ground);
    edit.setAccessibleDescription(solved ? solvedText : QString());
}

}  // namespace tarvik
