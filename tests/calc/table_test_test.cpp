// A table of counts as a spreadsheet copies it or a CSV file holds it:
// every way of writing one that reads, every fault named by its cell, and
// the command line's --counts line with the digits it prints.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "calc/command_line_error.h"
#include "calc/command_request.h"
#include "tests/support/record_fields.h"
#include "calc/fisher_test.h"
#include "calc/table_test.h"

namespace tarvik {
namespace {

struct ReadCase {
    const char* text;
    CountTable counts;
    std::vector<std::string> rowLabels, columnLabels;
    const char* why;
};

TEST(TableInput, WaysOfWritingATableThatRead) {
    const CountTable t{{20, 15, 25}, {30, 25, 10}};
    const std::vector<std::string> rows{"men", "women"}, columns{"A", "B", "C"};
    const ReadCase cases[] = {
        {"20,15,25\n30,25,10\n", t, {}, {}, "plain CSV"},
        {"20\t15\t25\r\n30\t25\t10", t, {}, {}, "a spreadsheet's copy: tabs, CRLF, no last newline"},
        {"20;15;25\n\n30;25;10\n", t, {}, {}, "semicolons, as a comma desktop's CSV; a blank line skipped"},
        {",A,B,C\nmen,20,15,25\nwomen,30,25,10\n", t, rows, columns, "a header with its corner cell, row labels"},
        {"A\tB\tC\nmen\t20\t15\t25\nwomen\t30\t25\t10\n", t, rows, columns, "a header without the corner cell"},
        {"A,B,C\n20,15,25\n30,25,10\n", t, {}, columns, "a header only"},
        {"men,20,15,25\nwomen,30,25,10\n", t, rows, {}, "row labels only"},
        {"\"x, y\",A,B,C\n\"men\",20, 15 ,25\nwomen,\"30\",25,10\n", t, rows, columns,
         "quoted cells, one holding the separator; blanks around a count"},
        {"18,22,30,30\n", {{18, 22, 30, 30}}, {}, {}, "one row: a goodness-of-fit table"},
        {"\xEF\xBB\xBF" "20;15;25\r\n30;25;10\r\n", t, {}, {}, "a spreadsheet's CSV UTF-8: a byte-order mark first"},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.why);
        const CountsInput in = ReadCounts(c.text);
        EXPECT_EQ(in.counts, c.counts);
        EXPECT_EQ(in.rowLabels, c.rowLabels);
        EXPECT_EQ(in.columnLabels, c.columnLabels);
    }
}

// A comma desktop's spreadsheet copies a count as "20,0": whole all the same.
TEST(TableInput, ADesktopsDecimalCommaInAPaste) {
    const FormatSettings comma{',', '.'};
    const CellTexts split = SplitTable("A\tB\n20,0\t15\n30\t25,0\n", comma);
    EXPECT_EQ(split.columnLabels, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ReadCountCell(split.cells[0][0], 0, 0, comma), 20);
    EXPECT_THROW(ReadCountCell("20,5", 0, 0, comma), TableInputError);
}

std::string Refusal(const std::string& text, const std::vector<std::string>& expected = {}) {
    try {
        const CountsInput in = ReadCounts(text);
        TestTable(in.counts, expected.empty() ? std::vector<Real>{} : ReadExpectedWeights(expected, in.counts));
    } catch (const TableInputError& e) {
        return e.message;
    }
    return "(taken)";
}

TEST(TableInput, EveryFaultIsNamedByItsCell) {
    const struct {
        const char* text;
        std::vector<std::string> expected;
        const char* message;
        const char* why;
    } cases[] = {
        {"1,2\n3,-4\n", {}, "row 2, column 2: '-4' is negative; counts are whole numbers from 0", "negative"},
        {"1,2.5\n3,4\n", {}, "row 1, column 2: '2.5' is not a whole number", "fractional"},
        {"1,\n3,4\n", {}, "row 1, column 2 is empty", "an empty cell is no label"},
        {"1,2\n3,abc\n", {}, "row 2, column 2: 'abc' is not a count", "a word among the counts"},
        {"1,2,3\n4,5\n", {}, "row 2 has 2 counts where row 1 has 3", "a block of another shape"},
        {"0,0\n3,4\n", {}, "row 1 adds up to 0: its expected counts would be 0", "a row of zeros"},
        {"0,2\n0,4\n", {}, "column 1 adds up to 0: its expected counts would be 0", "a column of zeros"},
        {"5\n", {}, "a table needs 2 rows and 2 columns, or one row of 2 counts or more to fit", "1 x 1"},
        {"\n \n", {}, "the table holds no counts", "nothing"},
        {"A,B\n", {}, "the table holds no counts, only its header", "a header alone"},
        {"1,2\n3,1e16\n", {}, "row 2, column 2: '1e16' is above 1e15", "past exact products"},
        {"0,0,0\n", {}, "the counts add up to 0", "a goodness of fit of nothing"},
        {"18,22,30,30\n", {"0.25", "0.25", "0.5"}, "give 4 expected proportions or counts, one per count, not 3",
         "too few expected items"},
        {"18,22,30,30\n", {"0.5", "-0.1", "0.3", "0.3"}, "expected item 2 '-0.1' is negative", "a negative proportion"},
        {"9,22,30\n", {"0.21e73005", "0.35", "0.5"}, "expected item 1 '0.21e73005' is out of range: 0, or from 1e-300 to 1e15",
         "a ratio past any Real's statistic (the fuzzer's)"},
        {"18,22,30,30\n", {"0.5", "0", "0.25", "0.25"}, "expected item 2 '0' is 0 where 22 were observed",
         "an impossible category that was observed"},
        {"1,2\n3,4\n", {"0.5", "0.5"}, "expected proportions go with one row (or one column) of counts",
         "proportions for a 2 x 2 table"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(Refusal(c.text, c.expected).rfind(c.message, 0), 0u) << Refusal(c.text, c.expected);
    }
    // Labels are a whole row or column of text: one word among counts is a
    // cell that is not a count, never a reason to take the others as labels
    // (a first column of 1, three, 5 was read as labels, the table cut).
    const struct {
        const char* text;
        const char* message;
    } strays[] = {
        {"1,2\nthree,4\n5,6\n", "row 2, column 1: 'three' is not a count"},
        {"1 000;20\n30;40\n", "row 1, column 1: '1 000' is not a count"},
        {"12,nan,7\n3,4,5\n", "row 1, column 2: 'nan' is not a count"},
    };
    for (const auto& c : strays) EXPECT_EQ(Refusal(c.text), c.message) << c.text;
}

using test::RecordFields;

// The answer's record: its first line (the cells' table follows).
std::string AnswerForTable(std::vector<std::string> args, const std::string& table) {
    CommandRequest r = ReadCommandLine(args);
    r.countsText = table;
    const std::string answer = AnswerText(r);
    return answer.substr(0, answer.find('\n'));
}

// The printed digits of the worked examples, as R's chisq.test and
// fisher.test print them (X-squared = 10.746, p-value = 0.004641; 4.32,
// 0.2289; p-value = 0.02533) and to six decimals beyond.
TEST(TableCommandLine, TheLineOfEachTest) {
    auto f = RecordFields(AnswerForTable({"--counts", "-"}, "20,15,25\n30,25,10\n"));
    EXPECT_EQ(f["chi2"], "10.745765");
    EXPECT_EQ(f["df"], "2");
    EXPECT_EQ(f["p"], "0.004641");
    EXPECT_EQ(f["G2"], "10.981645");
    EXPECT_EQ(f["V"], "0.293200");
    EXPECT_EQ(f["fisher_p"], "0.004934");  // R's fisher.test: 0.00493384248236366
    EXPECT_EQ(f["small_expected"], "0/6");

    f = RecordFields(AnswerForTable({"--counts", "-", "--expected", "0.25,0.25,0.25,0.25"}, "18,22,30,30\n"));
    EXPECT_EQ(f["chi2"], "4.320000");
    EXPECT_EQ(f["df"], "3");
    EXPECT_EQ(f["p"], "0.228919");
    EXPECT_EQ(AnswerForTable({"--counts", "-"}, "18,22,30,30\n"), AnswerForTable({"--counts", "-", "--expected", "25,25,25,25"}, "18,22,30,30\n"));
    // Decimal proportions are rationals, taken exactly: an exact fit is 0
    // (read as binary numbers it was 1.0e-37).
    f = RecordFields(AnswerForTable({"--counts", "-", "--expected", "0.1,0.2,0.3,0.4", "--numbers", "scientific"}, "10,20,30,40\n"));
    EXPECT_EQ(f["chi2"], "0.00000e+00");
    EXPECT_EQ(f["G2"], "0.00000e+00");

    f = RecordFields(AnswerForTable({"--counts", "-", "--numbers", "significant", "--precision", "4"}, "12,5\n3,9\n"));
    EXPECT_EQ(f["fisher_p"], "0.02533");
    EXPECT_EQ(f["yates_chi2"], "4.171");  // beside the plain 5.855, never in its place
    EXPECT_EQ(f["chi2"], "5.855");

    f = RecordFields(AnswerForTable({"--counts", "-"}, "5000000,0\n0,5000001\n"));
    EXPECT_EQ(f["chi2"], "10000001.000000");  // a diagonal table: phi = 1, chi2 = N
    EXPECT_LT(std::stod(f["yates_chi2"]), 1e7);
    EXPECT_EQ(f["fisher_p"], "0.000000");
    EXPECT_EQ(f.count("V_low"), 0u);  // no interval above a statistic of 1e7

    EXPECT_EQ(AnswerForTable({"--counts", "-", "--format", "csv"}, "12,5\n3,9\n"),
              "chi2,df,p,G2,p_G2,V,V_adj,V_low,V_high,w,w_low,w_high,yates_chi2,p_yates,fisher_p,OR,OR_low,OR_high,"
              "OR_mle,OR_mle_low,OR_mle_high,fisher_p_less,fisher_p_greater,fisher_mid_p,RR,RR_low,RR_high,RD,RD_low,"
              "RD_high,small_expected");
    // A zero cell: no Woolf or Katz interval (left out, never inf or nan);
    // the conditional estimate is 0 (R's fisher.test: 0, 0 to 0.8365).
    f = RecordFields(AnswerForTable({"--counts", "-"}, "0,10\n5,5\n"));
    EXPECT_EQ(f.count("OR") + f.count("RR"), 0u);
    EXPECT_EQ(f["OR_mle"], "0.000000");
    EXPECT_EQ(f["OR_mle_high"], "0.836522");
    EXPECT_EQ(f["RD"], "-0.500000");
    f = RecordFields(AnswerForTable({"--counts", "-"}, "10,0\n0,10\n"));
    EXPECT_EQ(f["OR_mle"], "inf");  // R: Inf, from 11.1359 to Inf
    EXPECT_EQ(f["OR_mle_high"], "inf");
    // A goodness of fit has its exact multinomial test, not Fisher's, and no
    // bias-corrected V.
    EXPECT_EQ(AnswerForTable({"--counts", "-", "--format", "csv"}, "18,22,30,30\n"),
              "chi2,df,p,G2,p_G2,V,V_low,V_high,w,w_low,w_high,exact_p,small_expected");
}

// The exact test's time is driven here: the clock reads one second more at
// every look, so the count runs out after as many looks as seconds given.
TEST(FisherTest, ExactWithinItsTimeThenMonteCarlo) {
    const CountTable threeByFour{{20, 15, 25, 10}, {30, 25, 10, 20}, {10, 20, 30, 40}};
    const struct {
        CountTable counts;
        double seconds;
        bool cancel;
        FisherOutcome::Kind kind;
        FisherOutcome::Why why;
        const char* what;
        double drawingSeconds = 1e9;
    } cases[] = {
        {threeByFour, 1e9, false, FisherOutcome::Kind::Exact, FisherOutcome::Why::None, "in time"},
        {threeByFour, 2, false, FisherOutcome::Kind::MonteCarlo, FisherOutcome::Why::Time, "out of time"},
        {threeByFour, 1e9, true, FisherOutcome::Kind::Cancelled, FisherOutcome::Why::None, "cancelled"},
        {{{12, 5}, {3, 9}}, 0, false, FisherOutcome::Kind::Exact, FisherOutcome::Why::None, "2 x 2: a sum, no clock"},
        {{{12, 5}, {3, 9}}, 1e9, true, FisherOutcome::Kind::Exact, FisherOutcome::Why::None,
         "2 x 2 below 4096 terms: done before its first look"},
        {{{6000000000, 1}, {1, 6000000000}}, 1e9, false, FisherOutcome::Kind::TooLarge, FisherOutcome::Why::Size,
         "2 x 2 above 1e10"},
        {{{40000000, 1, 1}, {1, 1, 1}}, 1e9, false, FisherOutcome::Kind::TooLarge, FisherOutcome::Why::Size,
         "beyond counting and drawing"},
        {threeByFour, 2, false, FisherOutcome::Kind::MonteCarlo, FisherOutcome::Why::Time,
         "out of time drawing too: the tables drawn so far stand", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        double clock = 0;
        FisherControl control;
        control.exactSeconds = c.seconds;
        control.monteCarloSeconds = c.drawingSeconds;
        control.elapsed = [&clock] { return clock += 1; };
        control.progress = [&](double, bool) { return !c.cancel; };
        control.samples = 2000;
        control.seed = 3;
        const FisherOutcome out = RunFisherTest(c.counts, control);
        EXPECT_EQ(out.kind, c.kind);
        EXPECT_EQ(out.why, c.why);
        EXPECT_EQ(FisherNote(out, c.seconds).empty(), c.why == FisherOutcome::Why::None);
        if (c.kind == FisherOutcome::Kind::MonteCarlo && c.drawingSeconds < 1e9) {
            EXPECT_GT(out.samples, 0);  // three looks at the clock: some of the 2000
            EXPECT_LT(out.samples, 2000);
        } else if (c.kind == FisherOutcome::Kind::MonteCarlo) {
            EXPECT_EQ(out.samples, 2000);
        }
    }
}

TEST(TableCommandLine, RefusalsNameTheOptionAndTheCell) {
    const auto refusal = [](std::vector<std::string> args, const std::string& table) -> std::string {
        try {
            AnswerForTable(std::move(args), table);
        } catch (const CommandLineError& e) {
            return e.message;
        }
        return "(taken)";
    };
    EXPECT_EQ(refusal({"--counts", "t.csv"}, "1,2\n3,x\n"), "--counts 't.csv': row 2, column 2: 'x' is not a count");
    EXPECT_EQ(refusal({"--counts", "-", "--df", "3"}, ""),
              "--counts takes --expected, --estimated, --fit, --paired, --pairwise, --exact-seconds, --seed, --numbers, --precision, --format and --output, not --df");
    EXPECT_EQ(refusal({"--counts", "-", "--pairwise", "tukey"}, ""), "--pairwise 'tukey' is not holm or bonferroni");
    EXPECT_EQ(refusal({"--counts", "-", "--pairwise", "holm"}, "1,2\n"), "--counts '-': --pairwise compares rows: this is one row of counts");
    EXPECT_EQ(refusal({"--expected", "0.5,0.5"}, ""), "--expected needs --counts");
    EXPECT_EQ(refusal({"--counts", ""}, ""), "--counts needs a file name, or - for standard input");
    EXPECT_EQ(refusal({"--paired"}, ""), "--paired needs --counts");
    EXPECT_EQ(refusal({"--counts", "-", "--paired"}, "1,2,3\n4,5,6\n"),
              "--counts '-': a paired table is square, the same categories twice (k x k); this one is 2 x 3");
    EXPECT_EQ(refusal({"--counts", "-", "--paired"}, "5,0\n0,5\n"),
              "--counts '-': no pair changed its category (both discordant cells are 0): nothing to test");
    EXPECT_EQ(refusal({"--counts", "-", "--paired", "--expected", "0.5,0.5"}, "5,1\n2,5\n"),
              "--paired takes no --expected: it tests a square table of pairs");
}

// --paired: the discordant cells b and c named, then McNemar's test (R's
// mcnemar.test: 5.4 and 0.02014, corrected 4.2667 and 0.03887; binom.test
// 0.03516); Bowker's for a larger square.
TEST(TableCommandLine, PairedTables) {
    EXPECT_EQ(AnswerForTable({"--counts", "-", "--paired", "--numbers", "significant", "--precision", "4"}, "10,12\n3,20\n"),
              "b=12  c=3  mcnemar_chi2=5.4  mcnemar_p=0.02014  mcnemar_cc_chi2=4.267  mcnemar_cc_p=0.03887  "
              "mcnemar_exact_p=0.03516  mcnemar_mid_p=0.02127  paired_OR=4  paired_OR_low=1.079  paired_OR_high=22.09");
    EXPECT_EQ(AnswerForTable({"--counts", "-", "--paired"}, "20,10,2\n5,30,6\n3,4,25\n"),
              "bowker_chi2=2.266667  bowker_df=3  bowker_p=0.518937");
}

// --estimated K: K degrees of freedom fewer for a fit whose expected
// counts were estimated from the data; V still over the k - 1 categories.
TEST(TableCommandLine, ParametersEstimated) {
    auto f = RecordFields(AnswerForTable({"--counts", "-", "--estimated", "1"}, "10,25,30,20,10,5\n"));
    auto plain = RecordFields(AnswerForTable({"--counts", "-"}, "10,25,30,20,10,5\n"));
    EXPECT_EQ(f["df"], "4");
    EXPECT_EQ(f["chi2"], plain["chi2"]);
    EXPECT_EQ(f["p"], "0.000008");  // R: pchisq(29, 4, lower.tail = FALSE) = 7.8e-06
    EXPECT_EQ(f["V"], plain["V"]);
    const auto refusal = [](std::vector<std::string> args, const std::string& table) -> std::string {
        try {
            AnswerForTable(std::move(args), table);
        } catch (const CommandLineError& e) {
            return e.message;
        }
        return "(taken)";
    };
    EXPECT_EQ(refusal({"--counts", "-", "--estimated", "1"}, "10,25\n"),
              "--counts '-': 2 categories with 1 parameters estimated leave no degree of freedom (df = k - 1 - estimated): "
              "estimate at most 0");
    EXPECT_EQ(refusal({"--counts", "-", "--estimated", "1"}, "10,25\n5,6\n"),
              "--counts '-': parameters estimated go with one row (or one column) of counts to fit");
    EXPECT_EQ(refusal({"--estimated", "1"}, ""), "--estimated needs --counts");
}

// Expected ratios: 9:3:3:1 (Mendel's dihybrid cross), or weights that add
// up to neither 1 nor the total, rescaled and said so on standard error;
// the same test as the proportions 9/16, 3/16, 3/16, 1/16.
TEST(TableCommandLine, ExpectedRatios) {
    const std::string peas = "315,108,101,32\n";  // Mendel's peas: chi2 0.47, p 0.9254
    CommandRequest ratios = ReadCommandLine({"--counts", "-", "--expected", "9:3:3:1"});
    ratios.countsText = peas;
    const Answer answer = AnswerOf(ratios);
    CommandRequest proportions = ReadCommandLine({"--counts", "-", "--expected", "0.5625,0.1875,0.1875,0.0625"});
    proportions.countsText = peas;
    EXPECT_EQ(answer.text, AnswerOf(proportions).text);
    EXPECT_NE(answer.text.find("chi2=0.470024  df=3  p=0.925426"), std::string::npos) << answer.text;
    EXPECT_EQ(answer.notes, std::vector<std::string>{"--expected: the expected items add up to 16, neither 1 nor the total "
                                                     "556: read as ratios and rescaled to the total"});
    EXPECT_TRUE(AnswerOf(proportions).notes.empty());
}

// --pairwise: a line per pair of rows after the record (the numbers
// against R in pairwise_test.cpp).
TEST(TableCommandLine, PairwiseRows) {
    CommandRequest r = ReadCommandLine({"--counts", "-", "--pairwise", "bonferroni"});
    r.countsText = "20,15,25\n30,25,10\n10,20,30\n";
    const std::string answer = AnswerText(r);
    EXPECT_NE(answer.find("\nrows=1,2  chi2=10.745765  df=2  p=0.004641  p_bonferroni=0.013922\n"
                          "rows=1,3  chi2=4.502165  df=2  p=0.105285  p_bonferroni=0.315856\n"),
              std::string::npos)
        << answer;
}

}  // namespace
}  // namespace tarvik
