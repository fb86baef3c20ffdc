#pragma once
// Effect size w from proportions, folded away until checked: the H1
// proportions of k categories against H0's (equal when left blank), or a
// table of H1 cell probabilities, one row per line. It shows w and its df
// as they are typed, or what is wrong with them; "Use this w" is for the
// window that holds it.
#include <QCoreApplication>
#include <QGroupBox>
#include <optional>

#include "calc/power_analysis.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tarvik {

class ProportionsBox : public QGroupBox {
    Q_DECLARE_TR_FUNCTIONS(ProportionsBox)

public:
    explicit ProportionsBox(QWidget* parent = nullptr);

    QRadioButton *goodnessButton, *independenceButton;
    QLineEdit *expectedEdit, *alternativeEdit;
    QPlainTextEdit* cellsEdit;
    QLabel* resultLabel;
    QPushButton* useButton;

    // w and its df from what is typed, or none.
    const std::optional<EffectFromProportions>& Effect() const { return effect_; }
    void SetNumberFormat(const NumberFormat& format);

private:
    void Refresh();

    std::optional<EffectFromProportions> effect_;
    NumberFormat format_;
};

}  // namespace tarvik
