// Critical values, two-sided pairs and interval probabilities against
// Boost.Math's 50-digit reference; the textbook table parsed back from its
// csv form, cell by cell.
#include "calc/answers.h"

#include <gtest/gtest.h>

#include <sstream>

#include "calc/command_request.h"
#include "tests/support/reference.h"

namespace tarvik {
namespace {

using test::EpsilonsFrom;
using test::Ref;
using test::ReferenceQuantile;

// Our quantiles measure within 4 epsilons of the reference (the accuracy
// sweep); 16 leaves room for the tails of other dfs without hiding a lost
// digit (one decimal digit is about 2^3.3 = 10 epsilons).
const Real kQuantileEpsilons = 16;

std::string SixDecimals(const Ref& x) { return x.str(6, std::ios_base::fixed); }

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, separator);) cells.push_back(cell);
    return cells;
}

// The 500 cells a student copies from a printed table, read back from csv.
TEST(Answers, TheTextbookTableParsedBack) {
    const char* alphas[] = {"0.10", "0.05", "0.025", "0.01", "0.005"};
    const std::string csv =
        AnswerText(ReadCommandLine({"--df", "1..100", "--upper", "0.10,0.05,0.025,0.01,0.005", "--table", "--format", "csv"}));
    std::istringstream lines(csv);
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(line, "df,0.1,0.05,0.025,0.01,0.005");
    int rows = 0;
    while (std::getline(lines, line)) {
        const auto cells = Split(line, ',');
        ASSERT_EQ(cells.size(), 6u) << line;
        const int df = ++rows;
        EXPECT_EQ(cells[0], std::to_string(df));
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(cells[k + 1], SixDecimals(ReferenceQuantile(df, Ref(alphas[k]), true))) << "df " << df << " " << alphas[k];
    }
    EXPECT_EQ(rows, 100);
}

TEST(Answers, CriticalValuesOfEachKind) {
    struct Case {
        int df;
        const char* p;
        const char* why;
    } cases[] = {
        {1, "0.05", "the classic"},          {10, "0.05", "the two-sided example"},
        {1, "1e-300", "the smallest tail"},  {65535, "0.01", "the largest df"},
        {3, "0.999999", "a tail near one"},  {300, "1e-10", "far tail at a large df"},
        {2, "0.5", "the median"},            {7, "0.0000033", "more than six decimals"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const Ref p(c.p);
        const GivenNumber asCdf = ReadGiven(Field::Cdf, c.p, "p", CommandLineLimits());
        const GivenNumber asUpper = ReadGiven(Field::UpperTail, c.p, "p", CommandLineLimits());
        EXPECT_LE(EpsilonsFrom(CriticalValues(c.df, CriticalKind::Lower, asCdf.tails).lower,
                               ReferenceQuantile(c.df, p, false)),
                  kQuantileEpsilons);
        EXPECT_LE(EpsilonsFrom(CriticalValues(c.df, CriticalKind::Upper, asUpper.tails).upper,
                               ReferenceQuantile(c.df, p, true)),
                  kQuantileEpsilons);
        const CriticalPair pair = CriticalValues(c.df, CriticalKind::TwoSided, asCdf.tails);
        EXPECT_LE(EpsilonsFrom(pair.lower, ReferenceQuantile(c.df, p / 2, false)), kQuantileEpsilons);
        EXPECT_LE(EpsilonsFrom(pair.upper, ReferenceQuantile(c.df, p / 2, true)), kQuantileEpsilons);
    }
}

// P(a < X <= b) keeps its relative precision when both bounds lie in one
// tail, where 1 - ... would cancel. Each tail is within about 21 epsilons
// (the accuracy sweep); the difference of two can lose what its ratio to
// the larger tail says, so the tolerance scales with that ratio.
TEST(Answers, ProbabilityBetweenTwoValues) {
    struct Tails {
        Ref lower, upper;
    };
    struct Case {
        int df;
        Real a, b;
        const char* why;
    } cases[] = {
        {10, 3.246973_r, 20.483177_r, "astride the median: 0.95"},
        {1, 0, 1e-10_r, "from 0: the lower tail itself"},
        {4, 0.001_r, 0.002_r, "deep in the lower tail: 1e-7 or so, not noise"},
        {1000, 1400, 1500, "deep in the upper tail: about 1e-19"},
        {1, 100, 200, "odd df, far upper tail"},
        {12, 5, 5, "an empty interval"},
        {65535, 65000, 66000, "the largest df"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const Ref a = Ref(c.df) / 2;
        const Tails at{test::reference::GammaP(a, Ref(c.a) / 2), test::reference::GammaQ(a, Ref(c.a) / 2)};
        const Tails bt{test::reference::GammaP(a, Ref(c.b) / 2), test::reference::GammaQ(a, Ref(c.b) / 2)};
        const Ref want = bt.lower <= Ref(0.5) ? bt.lower - at.lower : at.upper - bt.upper;
        const Real got = ProbabilityBetween(c.df, c.a, c.b);
        if (want == 0) {
            EXPECT_EQ(got, 0);
            continue;
        }
        const Ref larger = std::max(bt.lower <= Ref(0.5) ? bt.lower : at.upper, Ref("1e-4000"));
        const Real tolerance = 64 * static_cast<Real>(larger / want);
        EXPECT_LE(EpsilonsFrom(got, want), tolerance) << static_cast<double>(want);
    }
}

}  // namespace
}  // namespace tarvik
