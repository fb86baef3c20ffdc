#include "calc/counts_answer.h"

#include <random>

#include "calc/command_line_error.h"
#include "calc/fisher_test.h"
#include "calc/model_fit.h"
#include "calc/paired_report.h"
#include "calc/pairwise.h"
#include "calc/table_report.h"
#include "calc/table_test.h"
#include "core/decimal_digits.h"
#include "core/translation.h"

namespace tarvik {

namespace {

// A frequency table fitted to a model: the model's parameter first, then
// the fit's record and its pooled categories' cells; how it was fitted on
// standard error.
Answer ModelFitAnswer(const CommandRequest& r, const CountsInput& in) {
    // One row or column of frequencies (the values in its labels), or two:
    // the values, then the frequencies.
    const CountTable& t = in.counts;
    std::vector<Real> frequencies;
    std::vector<std::string> labels = t.size() == 1 ? in.columnLabels : in.rowLabels;
    if (t.size() == 1 || t.front().size() == 1) {
        frequencies = CellsInOrder(t);
    } else if (t.size() == 2 || t.front().size() == 2) {
        const bool rows = t.size() == 2;
        labels.clear();
        for (std::size_t k = 0; k < (rows ? t.front().size() : t.size()); ++k) {
            labels.push_back(FixedDigits(rows ? t[0][k] : t[k][0], 0));
            frequencies.push_back(rows ? t[1][k] : t[k][1]);
        }
    } else {
        throw TableInputError{Tr("Table", "--fit takes one row or column of frequencies, or two: the values and their frequencies")};
    }
    const ModelFit fit = FitCountModel(r.fitModel, labels, frequencies);
    const TableReport report = ReportOf({fit.observed}, fit.expected, 1 + r.estimated);
    Answer answer;
    answer.notes.push_back("--fit: " + ModelFitNote(fit, r.format, FormatSettings{}));
    TextTable record = TableRecord(report, nullptr, r.format);
    const auto first = [&](const char* key, const std::string& value, std::size_t at) {
        record.header.insert(record.header.begin() + std::ptrdiff_t(at), key);
        record.rows[0].insert(record.rows[0].begin() + std::ptrdiff_t(at), value);
    };
    const std::string parameter = FormatNumber(fit.parameter, r.format, FormatSettings{});
    if (fit.model == CountModel::Poisson) {
        first("mean", parameter, 0);
    } else {
        first("p_hat", parameter, 0);
        first("trials", FixedDigits(fit.trials, 0), 1);
    }
    answer.text = RenderTable(record, r.form) + "\n" +
                  RenderTable(CellsTable(report, {}, fit.labels, r.format, FormatSettings{}), r.form);
    return answer;
}

}  // namespace

// The record, then every cell's expected count and residuals; Fisher's
// test for a table of independence, and why a Monte Carlo p stands in.
Answer CountsAnswer(const CommandRequest& r) {
    try {
        const CountsInput in = ReadCounts(r.countsText);
        if (r.paired) return RenderTable(PairedRecord(in.counts, r.format), r.form);
        if (r.fit) return ModelFitAnswer(r, in);
        std::vector<Real> weights;
        std::string expectedNote;
        if (!r.expected.empty()) weights = ReadExpectedWeights(r.expected, in.counts, &expectedNote);
        const TableReport report = ReportOf(in.counts, weights, r.estimated);
        Answer answer;
        if (const std::string note = LabelsNote(in.rowLabels, in.columnLabels); !note.empty())
            answer.notes.push_back(Fill(Tr("CommandLine", "--counts %1: %2"), {Quoted(r.countsFile), note}));
        if (!expectedNote.empty()) answer.notes.push_back("--expected: " + expectedNote);
        // Fisher's test of a table; the exact multinomial test of a fit
        // whose probabilities were given, not estimated (the exact test
        // takes them as known).
        FisherOutcome fisher;
        const bool exactTest = !report.test.goodnessOfFit || r.estimated == 0;
        if (exactTest) {
            FisherControl control;
            control.exactSeconds = r.exactSeconds;
            control.progress = r.exactProgress;
            control.seed = r.seedGiven ? std::uint64_t(r.seed) : std::random_device{}();
            fisher = report.test.goodnessOfFit ? RunExactFitTest(FitObserved(report), FitProbabilities(report), control)
                                               : RunFisherTest(in.counts, control);
            if (const std::string note = FisherNote(fisher, r.exactSeconds); !note.empty()) answer.notes.push_back(note);
        }
        answer.text = RenderTable(TableRecord(report, exactTest ? &fisher : nullptr, r.format), r.form) + "\n";
        if (r.pairwise) {
            if (report.test.goodnessOfFit)
                throw TableInputError{Tr("Table", "--pairwise compares rows: this is one row of counts")};
            answer.text += RenderTable(PairwiseTable(PairwiseRows(in.counts), in.rowLabels, r.adjustment, r.format), r.form) + "\n";
        }
        answer.text += RenderTable(CellsTable(report, in.rowLabels, in.columnLabels, r.format, FormatSettings{}), r.form);
        return answer;
    } catch (const TableInputError& bad) {
        throw CommandLineError{Fill(Tr("CommandLine", "--counts %1: %2"), {Quoted(r.countsFile), bad.message})};
    }
}


}  // namespace tarvik
