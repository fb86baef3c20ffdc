#pragma once
// The one-variance window: from a sample's variance (or standard
// deviation) and size, the interval for sigma^2 and sigma at a level, and,
// given sigma0^2, the test of it with both one-sided p and the two-sided
// one; the chi-square density of n - 1 degrees of freedom beside them with
// the two cut-offs and the statistic. Live as the fields change.
#include <QCoreApplication>
#include <QWidget>
#include <optional>

#include "calc/variance_test.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tarvik {

class Chart;

class VarianceWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(VarianceWindow)

public:
    explicit VarianceWindow(QWidget* parent = nullptr);

    QComboBox* givenBox;  // the sample's variance s² or its standard deviation s
    QLineEdit *givenEdit, *levelEdit, *nullEdit;
    QSpinBox* sizeBox;
    QLabel *resultsLabel, *problemLabel;
    Chart* chart;
    QPushButton *copyResultsButton, *copyChartButton;

    void SetNumberFormat(const NumberFormat& format);
    void ShowBeside(const QWidget& beside);
    // The question as the fields give it, or none (the problem is shown).
    const std::optional<VarianceQuestion>& Question() const { return question_; }
    QString ResultsText() const;

private:
    void Refresh();
    void ShowProblem(const QString& text);

    NumberFormat format_;
    std::optional<VarianceQuestion> question_;
};

}  // namespace tarvik
