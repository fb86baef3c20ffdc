#pragma once
// The command line read strictly, before anything is computed: every option
// known, none twice, no stray argument, every number read and checked with
// an error naming its item. What it asks for is then answered by answers.h
// and printed by the window layer's runner.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calc/answers.h"
#include "calc/fisher_test.h"
#include "calc/number_lists.h"
#include "calc/model_fit.h"
#include "calc/pairwise.h"
#include "calc/variance_test.h"
#include "calc/power_analysis.h"
#include "calc/power_designs.h"

namespace tarvik {

enum class CommandAction { Help, Version, Results, Table, TwoSided, Between, Power, Design, Counts, Variance };

struct CommandRequest {
    CommandAction action = CommandAction::Help;
    DecimalMark mark = DecimalMark::Point;  // how the numbers given were written
    std::vector<std::int32_t> dfs;
    // The numbers given by --value, --cdf, --upper or --two-sided, and
    // the field they are read for (alphas as Field::Cdf).
    Field given = Field::Value;
    std::string givenOption;
    bool givenOnInput = false;  // "-": one number per line of standard input
    std::vector<GivenNumber> numbers;
    CriticalKind kind = CriticalKind::Upper;  // of a table
    GivenNumber from, to;                     // of --between
    std::vector<GivenNumber> ncps;            // --ncp: noncentral results
    // Power: the quantity solved and the lists of the three given
    // (the unknown's list stays empty).
    PowerField unknown = PowerField::SampleSize;
    std::vector<GivenNumber> effects, alphas, powers, sampleSizes;
    // --shape RxC: the table's df, and V beside w (--v given for --effect).
    int shapeRows = 0, shapeColumns = 0;
    DesignRequest design;  // --design
    // --counts: the table's file ("-": standard input), its text once read
    // by the runner, and the --expected items of a goodness-of-fit test.
    std::string countsFile, countsText;
    std::vector<std::string> expected;
    bool paired = false;  // --paired: McNemar's or Bowker's test
    bool fit = false;     // --fit: a Poisson or binomial model fitted
    CountModel fitModel = CountModel::Poisson;
    int estimated = 0;    // --estimated: parameters estimated, off a fit's df
    VarianceQuestion variance;  // --variance: one variance's interval and test
    bool pairwise = false;  // --pairwise: the rows compared in pairs
    Adjustment adjustment = Adjustment::Holm;
    // Fisher's exact test: its time before Monte Carlo takes over, and the
    // random tables' seed where given (--seed), else a fresh one printed.
    int exactSeconds = int(kDefaultExactSeconds);
    int seed = 0;
    bool seedGiven = false;
    // Set by a front end, never read from the command line: how the exact
    // count reports its share done (the browser's page shows its progress).
    std::function<bool(double done, bool sampling)> exactProgress;
    NumberFormat format;
    TableForm form = TableForm::Text;
    std::string outputFile;  // the bytes given, empty for standard output
    std::string chartFile;   // empty for no chart
    int chartWidth = 0, chartHeight = 0;  // 0: the chart's own size
    int chartScale = 1;
    bool whiteBackground = false;  // --background white
};

// The most numbers in one list or on standard input, and the most results
// in one run: everything is computed before the first line is printed.
inline constexpr std::size_t kMostResults = 1000000;

// Reads the arguments (without the program's name). Throws CommandLineError.
// `mark` is the desktop's: its numbers' decimal mark and lists' separator.
CommandRequest ReadCommandLine(const std::vector<std::string>& arguments, DecimalMark mark = DecimalMark::Point);


// Checks what needs the numbers from standard input: the count of results,
// and a chart's single result. Throws CommandLineError.
void CheckCounts(const CommandRequest& request);

// The whole answer as text in the chosen form.
std::string AnswerText(const CommandRequest& request);

// The answer's text and the lines for standard error beside it (why a
// Monte Carlo p stands in for Fisher's exact one).
struct Answer {
    Answer() = default;
    Answer(std::string t) : text(std::move(t)) {}  // NOLINT: every answer without notes
    std::string text;
    std::vector<std::string> notes;
};
Answer AnswerOf(const CommandRequest& request);

// The most parameters --estimated takes (a fit's categories limit it more).
inline constexpr int kLargestEstimated = 1000;

// The longest --exact-seconds: a day.
inline constexpr int kLongestExactSeconds = 86400;

// The text of --help.
std::string CommandLineHelp();

}  // namespace tarvik
