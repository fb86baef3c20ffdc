// The power window's designs besides Cohen's w: McNemar's test and two
// independent proportions, solved from their own fields and the shared
// alpha, power and N.
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>

#include "controls/marked_line_edit.h"
#include "core/number_text.h"
#include "math/design_power.h"
#include "window/design_fields.h"
#include "window/power_window.h"
#include "window/proportions_box.h"
#include "window/window_texts.h"

namespace tarvik {

namespace {
constexpr int kCohenDesign = 0, kMcNemarDesign = 1;
constexpr int kEffectChoice = 2, kAlphaChoice = 3;  // in the solve box
}  // namespace

void PowerWindow::ShowDesignChoices() {
    const int design = designBox->currentIndex();
    const bool cohen = design == kCohenDesign, pairs = design == kMcNemarDesign;
    form_->setRowVisible(dfBox, cohen);
    form_->setRowVisible(effectRow_, cohen);
    form_->setRowVisible(designFields, !cohen);
    proportionsBox->setVisible(cohen);
    if (!cohen) designFields->ShowDesign(pairs ? PowerDesign::McNemar : PowerDesign::TwoProportions);
    // The designs solve N, the power or their effect; alpha is given.
    const QSignalBlocker quiet(solveBox);
    solveBox->setItemText(kEffectChoice, cohen ? tr("Effect size w") : pairs ? tr("Detectable p10") : tr("Detectable p2"));
    if (auto* items = qobject_cast<QStandardItemModel*>(solveBox->model())) items->item(kAlphaChoice)->setEnabled(cohen);
    if (!cohen && solveBox->currentIndex() == kAlphaChoice) solveBox->setCurrentIndex(0);
    sampleSizeLabel->setText(cohen ? tr("Total sample size &N") : pairs ? tr("Number of pairs &N") : tr("&N in group 1"));
    sampleSizeEdit->setAccessibleName(QString(sampleSizeLabel->text()).remove('&'));
    // Two proportions are tested by the normal approximation: no chi-square
    // picture belongs to them.
    chartsArea_->setVisible(design <= kMcNemarDesign);
    chartsFiller_->setVisible(design > kMcNemarDesign);
    chartsButton->setEnabled(design <= kMcNemarDesign);
}

void PowerWindow::ShowDesignProblem(const DesignInputError& bad) {
    static const char* const kNames[] = {"p10", "p01", "p1", "p2", "n2 / n1"};
    const QString text = AsSentence(kNames[int(bad.input)] + (" " + bad.message));
    designFields->Mark(bad.input, text);
    ShowRefusal(text);
}

void PowerWindow::RefreshDesign() {
    DesignQuestion q;
    q.unknown = Solved();
    designFields->SetEffectSolved(q.unknown == PowerField::EffectSize);
    const std::pair<PowerField, Real*> given[] = {
        {PowerField::Alpha, &q.alpha}, {PowerField::Power, &q.power}, {PowerField::SampleSize, &q.n}};
    for (const auto& [field, value] : given) {
        if (field == q.unknown) continue;
        if (!TryTextToReal(EditOf(field)->text().toStdString(), *value)) {
            ShowProblem(field, tr("is not a number").toStdString());
            return;
        }
    }
    if (const std::optional<DesignInputError> bad = designFields->Read(q)) {
        ShowDesignProblem(*bad);
        return;
    }
    try {
        ShowDesignAnswer(SolveDesign(q));
    } catch (const PowerInputError& bad) {
        ShowProblem(bad.field, bad.message);
    } catch (const DesignInputError& bad) {
        ShowDesignProblem(bad);
    }
}

void PowerWindow::ShowDesignAnswer(const DesignAnswer& a) {
    const DesignQuestion& q = a.solved;
    designAnswer_ = a;
    problemLabel->hide();
    copyResultsButton->setEnabled(true);
    const QString n = QString::number(qlonglong(ToLongDouble(q.n)));
    switch (q.unknown) {
        case PowerField::SampleSize: sampleSizeEdit->setText(n); break;
        case PowerField::Power: powerEdit->setText(Number(q.power)); break;
        default: designFields->ShowSolvedEffect(q, format_);
    }
    QString results;
    if (q.design == PowerDesign::McNemar) {
        results = tr("w = |p10 \u2212 p01| / \u221A(p10 + p01) = %1    \u03BB = N w\u00B2 = %2    critical value \u03C7\u00B2 = %3")
                      .arg(Number(a.w), Number(a.lambda), Number(a.critical));
        if (q.unknown == PowerField::SampleSize) results += tr("    power reached at N = %1: %2").arg(n, Number(q.power));
        results += a.exactPower ? tr("    the exact (binomial) test's power at N = %1: %2").arg(n, Number(*a.exactPower))
                                : tr("    the exact test's power is computed up to %1 pairs").arg(kLargestExactPairs);
    } else {
        results = tr("n1 = %1, n2 = %2, N = %3 in all    w of the 2 \u00D7 2 table = %4")
                      .arg(n, QString::number(qlonglong(ToLongDouble(a.n2))), QString::number(qlonglong(ToLongDouble(a.total))),
                           Number(a.w));
        if (q.unknown == PowerField::SampleSize) results += tr("    power reached: %1").arg(Number(q.power));
        if (a.p2Other) results += tr("    below p1 too: p2 = %1").arg(Number(*a.p2Other));
    }
    lastResults_ = results;
    resultsLabel->setText(results);
    if (q.design != PowerDesign::McNemar) {
        answer_.reset();
        return;
    }
    // McNemar's chi-square is the noncentral chi-square of 1 df at N w^2:
    // the pictures are Cohen's for that w.
    answer_ = PowerAnswer{1, a.w, q.alpha, q.power, q.n, a.lambda, a.critical};
    ShowCharts(*answer_);
}

}  // namespace tarvik
