// The effect sizes beside a table's test: V's and w's intervals never past
// the largest value the table's shape allows, and the bias-corrected V by
// Bergsma's formula worked by hand.
#include <gtest/gtest.h>

#include <random>

#include "calc/table_report.h"
#include "core/checked_math.h"

namespace tarvik {
namespace {

TEST(TableReport, IntervalsStayInsideTheirRange) {
    const struct {
        CountTable counts;
        std::vector<Real> weights;
        Real largestW, largestV;
        const char* why;
    } cases[] = {
        {{{3, 1}, {1, 3}}, {}, 1, 1, "the inverted upper end was 1.192947"},
        {{{1, 0}, {0, 1}}, {}, 1, 1, "was 2.385894"},
        {{{5000, 0}, {0, 5000}}, {}, 1, 1, "was 1.0196: V = 1 is the largest"},
        {{{9, 0, 0}, {0, 9, 0}, {0, 0, 9}}, {}, checked::Sqrt(2), 1, "3 x 3: w up to sqrt(2)"},
        {{{40, 0, 0, 0}}, {0.1_r, 0.2_r, 0.3_r, 0.4_r}, 3, checked::Sqrt(3), "a fit: w up to sqrt(1 / 0.1 - 1)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const TableReport r = ReportOf(c.counts, c.weights);
        ASSERT_TRUE(r.hasIntervals);
        EXPECT_NEAR(double(r.largestW), double(c.largestW), 1e-15);
        EXPECT_NEAR(double(r.largestV), double(c.largestV), 1e-15);
        // At the bound the estimate may lie an epsilon above it (the two are
        // formed apart); the interval then ends at the estimate.
        EXPECT_LE(r.wInterval.upper, r.largestW * (1 + 1e-18_r));
        EXPECT_LE(r.vInterval.upper, r.largestV * (1 + 1e-18_r));
        EXPECT_LE(r.vInterval.lower, r.test.cramersV);
        EXPECT_GE(r.vInterval.upper, r.test.cramersV);
    }
    // And on 200 random 2 x 2 to 4 x 4 tables of up to 40 (seeded).
    std::mt19937 rng(43);
    for (int k = 0; k < 200; ++k) {
        const std::size_t rows = 2 + rng() % 3, columns = 2 + rng() % 3;
        CountTable t(rows, std::vector<Real>(columns));
        for (auto& row : t)
            for (Real& v : row) v = Real(1 + rng() % 40 * (rng() % 4 == 0));
        const TableReport r = ReportOf(t, {});
        EXPECT_LE(r.vInterval.upper, 1 + 1e-18_r);
        EXPECT_LE(r.wInterval.upper, r.largestW * (1 + 1e-18_r));
    }
}

// phi^2 = chi2 / N less (r - 1)(c - 1) / (N - 1), over min(r~, c~) - 1 with
// r~ = r - (r - 1)^2 / (N - 1), worked by hand.
TEST(TableReport, BiasCorrectedV) {
    const struct {
        CountTable counts;
        bool defined;
        double vAdjusted;
        const char* why;
    } cases[] = {
        {{{3, 1}, {1, 3}}, true, 0.35355339059327376, "(1/4 - 1/7) / (2 - 1/7 - 1): sqrt(1/8)"},
        {{{20, 15, 25}, {30, 25, 10}}, true, 0.2653391530411097, "the homework table (chi2 from exact fractions)"},
        {{{4, 4}, {4, 4}}, true, 0, "no association: phi^2 below its bias gives 0"},
        {{{1, 0}, {0, 1}}, false, 0, "N = 2: r~ = 1, no V to correct"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const TableReport r = ReportOf(c.counts, {});
        EXPECT_EQ(r.hasVAdjusted, c.defined);
        if (c.defined) {
            EXPECT_NEAR(double(r.vAdjusted), c.vAdjusted, 1e-15);
        }
    }
}

// A p too small for the decimals shown is written in significant digits,
// never as 0.000000.
TEST(TableReport, APValueNeverReadsAsZero) {
    const struct {
        Real p;
        NumberFormat format;
        const char* text;
    } cases[] = {
        {0.0125_r, {NumberStyle::Decimals, 6}, "0.012500"},
        {4e-7_r, {NumberStyle::Decimals, 6}, "4e-07"},
        {1.5e-220_r, {NumberStyle::Decimals, 3}, "1.5e-220"},
        {0, {NumberStyle::Decimals, 6}, "0.000000"},  // an exact 0 stays one
    };
    for (const auto& c : cases) EXPECT_EQ(PValueText(c.p, c.format, FormatSettings{}), c.text);
}

// Percentages from the exact quotient of the counts: its ties go to the
// even tenth, where the Real quotient (12.3499..., 12.2500...) would round
// by its last bits.
TEST(TableReport, PercentagesAreRoundedFromTheExactQuotient) {
    FormatSettings comma;
    comma.DecimalSeparator = ',';
    const struct {
        Real part, whole;
        const char* text;
    } cases[] = {
        {247, 2000, "12.4"},  // 12.35: the tie goes to 12.4
        {245, 2000, "12.2"},  // 12.25: to 12.2
        {1, 3, "33.3"},       {2, 3, "66.7"}, {0, 5, "0.0"}, {7, 7, "100.0"},
        {999999999999999, 1000000000000000, "100.0"},  // 99.99999...: up to 100.0
        {0, 0, "-"},  // a fit's category seen never is its column's whole: printed NAN once
    };
    for (const auto& c : cases) EXPECT_EQ(PercentText(c.part, c.whole, FormatSettings{}), c.text) << c.text;
    EXPECT_EQ(PercentText(247, 2000, comma), "12,4");
}

// A category expected 0 and seen 0 (a structural zero) is no category of
// the fit: the test is that of the others (it once threw a range error, the
// command line's exit 1), and fewer than two left is refused.
TEST(TableReport, AStructuralZeroTakesNoPartInTheFit) {
    const TableReport with = ReportOf({{8, 223, 0}}, {0.5_r, 0.5_r, 0});
    const TableReport without = ReportOf({{8, 223}}, {0.5_r, 0.5_r});
    // (8 - 115.5)^2 / 115.5 twice, all but two roundings exact.
    EXPECT_NEAR(double(with.test.chiSquare), 2 * 107.5 * 107.5 / 115.5, 1e-13);
    EXPECT_EQ(with.test.chiSquare, without.test.chiSquare);
    EXPECT_EQ(with.test.df, 1);
    EXPECT_EQ(with.test.cramersV, without.test.cramersV);
    EXPECT_EQ(with.vInterval.upper, without.vInterval.upper);
    EXPECT_EQ(with.smallCells, 0);
    EXPECT_THROW(ReportOf({{8, 0, 0}}, {1, 0, 0}), TableInputError);
}

// One sentence for a results section, its numbers to two decimals and p
// to three without the leading zero.
TEST(TableReport, TheResultsSentence) {
    FormatSettings comma;
    comma.DecimalSeparator = ',';
    const struct {
        CountTable counts;
        const FormatSettings& fs;
        const char* sentence;
    } cases[] = {
        {{{20, 15, 25}, {30, 25, 10}}, FormatSettings{}, "\u03c7\u00b2(2, N = 125) = 10.75, p = .005, V = 0.29"},
        {{{18, 22, 30, 30}}, FormatSettings{}, "\u03c7\u00b2(3, N = 100) = 4.32, p = .229, w = 0.21"},
        {{{500, 0}, {0, 500}}, FormatSettings{}, "\u03c7\u00b2(1, N = 1000) = 1000.00, p < .001, V = 1.00"},
        {{{20, 15, 25}, {30, 25, 10}}, comma, "\u03c7\u00b2(2, N = 125) = 10,75, p = ,005, V = 0,29"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResultsSentence(ReportOf(c.counts, {}), c.fs), c.sentence);
}

}  // namespace
}  // namespace tarvik
