#pragma once
// One rule for a point typed on a comma desktop, in every field that takes
// numbers: it is the decimal comma, as the calculator's fields take it.
// Each number of the text (apart by blanks or semicolons) with one point
// and no comma has its point made the comma, typed or pasted alike; any
// other text is left as it is, for the window to name what is wrong.
#include <QValidator>

namespace tarvik {

class DecimalPointValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace tarvik
