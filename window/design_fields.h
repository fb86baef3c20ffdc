#pragma once
// The inputs of the power window's designs besides Cohen's w: McNemar's
// discordant proportions p10 and p01 (or p01 and their ratio), and two
// proportions p1 and p2 (or p1 and the odds ratio), the groups' ratio
// n2 / n1 and the continuity correction. A ratio typed sets the effect's
// proportion, and the proportions typed set the ratio, so either way of
// describing the study is at hand; the solved effect is read-only.
#include <QCoreApplication>
#include <QWidget>
#include <optional>

#include "calc/power_designs.h"

class QCheckBox;
class QLineEdit;
class QStackedWidget;

namespace tarvik {

class MarkedLineEdit;

class DesignFields : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(DesignFields)

public:
    explicit DesignFields(QWidget* parent = nullptr);

    MarkedLineEdit *p10Edit, *p01Edit, *pairRatioEdit;
    MarkedLineEdit *p1Edit, *p2Edit, *oddsRatioEdit, *groupRatioEdit;
    QCheckBox* correctionBox;
    NumberFormat format;  // the window's, for the ratios shown

    // Every field, for the window to recompute as each is edited.
    QList<QLineEdit*> Edits() const;

    void ShowDesign(PowerDesign design);
    // The effect's proportion (p10 or p2) and its ratio read-only where
    // the effect is solved.
    void SetEffectSolved(bool solved);
    // The design's inputs into q, all but a solved effect; the input at
    // fault, marked, where one is not a number.
    std::optional<DesignInputError> Read(DesignQuestion& q);
    // A refused input marked and described to a screen reader.
    void Mark(DesignInput input, const QString& text);
    // The solved effect and the ratio beside it, in the window's numbers.
    void ShowSolvedEffect(const DesignQuestion& solved, const NumberFormat& format);

private:
    MarkedLineEdit* EditOf(DesignInput input) const;
    // The ratio field from the proportions, or the effect's proportion
    // from the ratio, as one or the other was typed.
    void RatioFromProportions();
    void ProportionFromRatio();

    QStackedWidget* pages_;
    PowerDesign design_ = PowerDesign::McNemar;
    bool effectSolved_ = false;
};

}  // namespace tarvik
