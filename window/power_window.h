#pragma once
// The power window: plan a study. Degrees of freedom, Cohen's effect size
// w, alpha, power and N; three are given and the chosen fourth is solved,
// live as the fields change. Below, the picture of both hypotheses and the
// power curve, each saved or copied like the calculator's chart; w can
// also come from proportions under H0 and H1 (goodness of fit) or from a
// table of cell probabilities (independence). Besides Cohen's w, the
// design may be McNemar's test of paired proportions or two independent
// proportions, each with its own fields.
#include <QCoreApplication>
#include <QWidget>
#include <optional>
#include <vector>

#include "calc/power_analysis.h"
#include "calc/power_designs.h"
#include "calc/power_plot.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tarvik {

class Chart;
class MarkedLineEdit;
class DesignFields;
class ProportionsBox;

class PowerWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(PowerWindow)

public:
    explicit PowerWindow(QWidget* parent = nullptr);

    QComboBox* designBox;  // Cohen's w, McNemar's test or two proportions
    QComboBox* solveBox;   // what is solved: N, power, w (the design's effect) or alpha
    DesignFields* designFields;
    QLabel* sampleSizeLabel;
    QSpinBox* dfBox;
    MarkedLineEdit *effectEdit, *alphaEdit, *powerEdit, *sampleSizeEdit;
    QLabel *resultsLabel, *problemLabel;
    ProportionsBox* proportionsBox;  // w from proportions
    // the pictures
    Chart *hypothesesChart, *curveChart;
    QComboBox* curveAxisBox;
    QPushButton *copyResultsButton, *chartsButton;

    void SetNumberFormat(const NumberFormat& format);
    void ShowBeside(const QWidget& beside);

    // The last answer, or none while an input is bad.
    const std::optional<PowerAnswer>& Answer() const { return answer_; }
    // The last answer of McNemar's or two proportions' design.
    const std::optional<DesignAnswer>& DesignResult() const { return designAnswer_; }
    PowerField Solved() const;
    void SetSolved(PowerField field);

    // What Copy results puts on the clipboard: the command line's line and
    // the same at full precision.
    QString ResultsText() const;
    void CopyResults();
    void SaveChartTo(const Chart& chart, const QString& path, int format, int scale);

private:
    // The controls' smallest width with the scroll bar: placed beside the
    // calculator, the window is never made narrower.
    int contentWidth_ = 0;
    void Refresh();
    // The fields and choices of the chosen design shown, the others hidden.
    void ShowDesignChoices();
    void RefreshDesign();
    void ShowDesignAnswer(const DesignAnswer& a);
    void ShowCharts(const PowerAnswer& a);
    void UseProportions();
    void ShowProblem(PowerField field, const std::string& message);
    void ShowDesignProblem(const DesignInputError& bad);
    void ShowRefusal(const QString& text);
    MarkedLineEdit* EditOf(PowerField field) const;
    QString Number(Real v) const;
    void SaveChart(const Chart& chart, const QString& name);
    void CopyChart(const Chart& chart);
    QString ChartTitle(const Chart& chart) const;

    std::optional<PowerAnswer> answer_;
    std::optional<DesignAnswer> designAnswer_;
    // The groups' shares of the w last taken from groups, with that w's
    // text and df: the N they apply to is split among the groups.
    std::vector<Real> usedShares_;
    QString usedEffectText_;
    int usedDf_ = 0;
    QFormLayout* form_ = nullptr;
    QWidget *chartsArea_ = nullptr, *chartsFiller_ = nullptr;
    QWidget* effectRow_ = nullptr;
    QString lastResults_;
    NumberFormat format_;
};

}  // namespace tarvik
