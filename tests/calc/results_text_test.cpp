#include "calc/results_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/decimal_digits.h"
#include "tests/support/scoped_format_settings.h"

namespace tarvik {
namespace {

// The copied line is the command line's, in the style the window shows.
TEST(ResultsText, OneLineForTheWindowAndTheCommandLine) {
    const Results r{1, 40, 1 - 2.539629e-10_r, 2.539629e-10_r, 1.3e-10_r};
    struct Case {
        NumberFormat format;
        const char* line;
    } cases[] = {
        {{NumberStyle::Decimals, 6}, "df=1  x=40.000000  P(X<=x)=1.000000  P(X>x)=0.000000  f(x)=0.000000"},
        {{NumberStyle::Significant, 6}, "df=1  x=40  P(X<=x)=1  P(X>x)=2.53963e-10  f(x)=1.3e-10"},
        {{NumberStyle::Scientific, 3}, "df=1  x=4.00e+01  P(X<=x)=1.00e+00  P(X>x)=2.54e-10  f(x)=1.30e-10"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResultsLine(r, c.format), c.line);
    const Results unbounded{1, 0, 0, 1, 0, true};
    EXPECT_EQ(ResultsLine(unbounded, NumberFormat{}), "df=1  x=0.000000  P(X<=x)=0.000000  P(X>x)=1.000000  f(x)=inf");
}

// A comma desktop changes the fields, never the results line.
TEST(ResultsText, TheLineAndItsFullPrecisionTwin) {
    test::ScopedFormatSettings comma(test::kComma);
    const Results r{12, 23.5_r, 0.97623095375_r, 0.02376904625_r, 0.0073620358_r};
    const std::string text = ResultsClipboardText(r);
    std::istringstream lines(text);
    std::string shown, full;
    ASSERT_TRUE(std::getline(lines, shown));
    ASSERT_TRUE(std::getline(lines, full));
    EXPECT_EQ(shown, "df=12  x=23.500000  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362");
    // Each full-precision number reads back as exactly the Real it came from.
    const Real expected[] = {r.value, r.cdf, r.upper, r.density};
    const char* keys[] = {"  x=", "  P(X<=x)=", "  P(X>x)=", "  f(x)="};
    EXPECT_EQ(full.rfind("df=12  x=", 0), 0u) << full;
    for (int i = 0; i < 4; ++i) {
        const auto at = full.find(keys[i]);
        ASSERT_NE(at, std::string::npos) << keys[i];
        const auto from = at + std::string(keys[i]).size();
        Real back = -1;
        ASSERT_TRUE(ParseCanonical(full.substr(from, full.find(' ', from) - from), back)) << full;
        EXPECT_EQ(back, expected[i]) << keys[i];
    }
}

}  // namespace
}  // namespace tarvik
