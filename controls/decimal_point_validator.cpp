#include "controls/decimal_point_validator.h"

#include "core/format_settings.h"

namespace tarvik {

QValidator::State DecimalPointValidator::validate(QString& input, int& /*pos*/) const {
    const QChar comma(CurrentFormatSettings().DecimalSeparator);
    if (comma != QChar(',')) return Acceptable;
    // Same length in and out: the caret stays where it was.
    const auto isApart = [](QChar c) { return c.isSpace() || c == QChar(';'); };
    for (qsizetype start = 0; start < input.size();) {
        qsizetype end = start;
        while (end < input.size() && !isApart(input[end])) ++end;
        const QStringView number = QStringView(input).mid(start, end - start);
        if (number.count(QChar('.')) == 1 && !number.contains(comma)) input[start + number.indexOf(QChar('.'))] = comma;
        start = end + 1;
    }
    return Acceptable;
}

}  // namespace tarvik
