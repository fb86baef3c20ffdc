// The table window's results as the table changes: the report computed
// once per edit, its lines, the cells' grid, the mosaic, and the exact
// test started behind them; a paired table's test in their place; a model
// fitted to a frequency table.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>

#include "calc/limits.h"
#include "calc/model_fit.h"
#include "calc/paired_report.h"
#include "calc/pairwise.h"
#include "calc/table_test.h"
#include "core/format_settings.h"
#include "window/table_window.h"
#include "window/window_texts.h"

namespace tarvik {

namespace {

// Expected proportions as typed: apart by blanks or semicolons, and by
// commas where the desktop's decimal mark is the point; in the desktop's
// number format.
std::vector<std::string> ExpectedItems(const QString& text) {
    std::vector<std::string> items;
    const bool commaDecimal = CurrentFormatSettings().DecimalSeparator == ',';
    const QRegularExpression apart(commaDecimal ? "[\\s;]+" : "[\\s;,]+");
    for (const QString& item : text.split(apart, Qt::SkipEmptyParts)) {
        QString point = item;
        if (CurrentFormatSettings().DecimalSeparator != '.') point.replace(QChar(CurrentFormatSettings().DecimalSeparator), '.');
        items.push_back(point.toStdString());
    }
    return items;
}

}  // namespace

// Every change of a cell, a label or the expected proportions recomputes
// the report at once; Fisher's count starts afresh behind it.
void TableWindow::Refresh() {
    const bool oneLine = model_.rowCount() == 1 || model_.columnCount() == 1;
    // A model fitted to one line of frequencies makes the expected counts.
    const bool modelled = oneLine && modelBox->currentIndex() > 0;
    modelBox->setEnabled(oneLine);
    expectedEdit->setEnabled(oneLine && !modelled);
    shownRows_ = model_.RowLabels();
    shownColumns_ = model_.ColumnLabels();
    estimatedBox->setEnabled(oneLine);
    // The cells' grid keeps its numbers until the new ones replace them, or
    // is emptied where there are none.
    const auto clearCells = [this] { cellsModel_->Show(std::nullopt, {}, {}, format_, CurrentFormatSettings()); };
    report_.reset();
    StopExactTest();
    // The stopped count's last report ("cancelled") is queued already: a
    // new generation drops it, or a table without an exact test (paired,
    // a fitted model) would show it.
    ++generation_;
    exactLine_.clear();
    exactOutcome_.reset();
    exactLabel->clear();
    resultsLabel->clear();
    editNoteLabel->clear();
    for (QPushButton* b : {intoCalculatorButton, copyResultsButton, saveButton, mosaicButton}) b->setEnabled(false);
    UpdateMosaic();
    intoCalculatorButton->setToolTip({});
    if (model_.IsEmpty()) {
        clearCells();
        ShowProblem(tr("Type or paste the counts: a table of 2 \u00d7 2 or more, or one row of counts to fit."));
        return;
    }
    CountTable counts;
    std::string expectedNote;  // how the expected items were read, where it needs saying
    try {
        counts = model_.Counts();
        if (pairedBox->isChecked()) {
            clearCells();
            ShowPaired(counts);
            return;
        }
        if (modelled) {
            const std::vector<Real> frequencies = CellsInOrder(counts);
            const ModelFit fit = FitCountModel(modelBox->currentIndex() == 1 ? CountModel::Poisson : CountModel::Binomial,
                                               model_.rowCount() == 1 ? shownColumns_ : shownRows_, frequencies);
            report_ = ReportOf({fit.observed}, fit.expected, 1 + estimatedBox->value());
            expectedNote = ModelFitNote(fit, format_, CurrentFormatSettings());
            shownRows_.clear();
            shownColumns_ = fit.labels;
        } else {
            std::vector<Real> weights;
            if (oneLine && !expectedEdit->text().trimmed().isEmpty())
                weights = ReadExpectedWeights(RatioItems(ExpectedItems(expectedEdit->text())), counts, nullptr, &expectedNote);
            report_ = ReportOf(counts, weights, oneLine ? estimatedBox->value() : 0);
        }
    } catch (const TableInputError& bad) {
        clearCells();
        ShowProblem(AsSentence(bad.message));
        return;
    }
    problemLabel->clear();
    problemLabel->hide();
    QStringList lines;
    if (!expectedNote.empty()) lines << AsSentence(expectedNote);
    for (const std::string& line :
         TableWindowLines(*report_, counts, shownRows_, shownColumns_, format_, CurrentFormatSettings()))
        lines << QString::fromStdString(line);
    // Into the calculator carries what the calculator can show, or says why
    // not: it once sent 900 for any larger statistic without a word.
    const Limits& calculator = WindowLimits();
    const bool dfFits = report_->test.df <= Real(calculator.highestDf);
    const bool fitsCalculator = dfFits && report_->test.chiSquare <= calculator.valueCap;
    if (!dfFits)
        lines << tr("The calculator takes up to %1 degrees of freedom; this test has %2.")
                     .arg(calculator.highestDf)
                     .arg(QString::fromStdString(FormatFixed(report_->test.df, 0)));
    else if (!fitsCalculator)
        lines << tr("The calculator takes values up to %1; this statistic is %2.")
                     .arg(QString::fromStdString(FormatFixed(calculator.valueCap, 0, CurrentFormatSettings())),
                          QString::fromStdString(FormatNumber(report_->test.chiSquare, format_, CurrentFormatSettings())));
    resultsLabel->setText(lines.join("\n"));
    intoCalculatorButton->setEnabled(fitsCalculator);
    copyResultsButton->setEnabled(true);
    saveButton->setEnabled(true);
    mosaicButton->setEnabled(true);
    UpdateMosaic();

    cellsModel_->Show(report_, shownRows_, shownColumns_, format_, CurrentFormatSettings());
    // A fit's exact test takes its probabilities as known: none where
    // parameters were estimated from the data.
    if (!report_->test.goodnessOfFit) StartExactTest(counts);
    else if (estimatedBox->value() == 0 && !modelled) StartExactTest(counts, FitProbabilities(*report_));
}

// A table of pairs: McNemar's or Bowker's test in the results' place; the
// cells' residuals and Fisher's test belong to a table of independence.
void TableWindow::ShowPaired(const CountTable& counts) {
    QStringList lines;
    for (const std::string& line : PairedLines(counts, model_.RowLabels(), model_.ColumnLabels(), format_, CurrentFormatSettings()))
        lines << QString::fromStdString(line);
    problemLabel->clear();
    problemLabel->hide();
    resultsLabel->setText(lines.join("\n"));
    copyResultsButton->setEnabled(true);
}

}  // namespace tarvik
