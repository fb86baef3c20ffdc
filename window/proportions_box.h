#pragma once
// Effect size w from what a study is described by, folded away until
// checked: the H1 proportions of k categories against H0's (equal when left
// blank); a table of H1 cell probabilities, one row per line; each group's
// proportions of the outcomes with the groups' sizes; Cramer's V of an
// r x c table; or an odds ratio to a baseline proportion (2 x 2). It shows
// w and its df as they are typed, with the conversion as a line one can
// check, or what is wrong with them; "Use this w" is for the window that
// holds it.
#include <QCoreApplication>
#include <QGroupBox>
#include <optional>
#include <vector>

#include "calc/power_analysis.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tarvik {

class ProportionsBox : public QGroupBox {
    Q_DECLARE_TR_FUNCTIONS(ProportionsBox)

public:
    explicit ProportionsBox(QWidget* parent = nullptr);

    QRadioButton *goodnessButton, *independenceButton, *groupsButton, *cramersButton, *oddsButton;
    QLineEdit *expectedEdit, *alternativeEdit;
    QPlainTextEdit* cellsEdit;  // the table's cells, or the groups' proportions
    QLineEdit* sizesEdit;       // the groups' sizes
    QLineEdit* cramersEdit;
    QSpinBox *rowsBox, *columnsBox;
    QLineEdit *baselineEdit, *oddsRatioEdit, *groupRatioEdit;
    QLabel* resultLabel;
    QPushButton* useButton;

    // w and its df from what is typed, or none.
    const std::optional<EffectFromProportions>& Effect() const { return effect_; }
    // The groups' shares of N where w came from groups, else empty.
    const std::vector<Real>& Shares() const { return shares_; }
    void SetNumberFormat(const NumberFormat& format);

private:
    void Refresh();
    // The rows of the chosen way shown, the others hidden.
    void ShowRows();
    // w from the typed fields, and the line that shows how.
    QString Compute();

    QFormLayout* form_ = nullptr;
    std::optional<EffectFromProportions> effect_;
    std::vector<Real> shares_;
    NumberFormat format_;
};

}  // namespace tarvik
