#include "calc/results_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/decimal_digits.h"
#include "tests/support/scoped_format_settings.h"

namespace tarvik {
namespace {

TEST(ResultsText, ShortFixedDropsTrailingZerosOnly) {
    struct Case {
        Real v;
        const char* text;
    } cases[] = {
        {23.5_r, "23.5"},       {0.9762310_r, "0.976231"}, {18.3070380_r, "18.307038"}, {3.0_r, "3"},
        {0.0000004_r, "0"},     {0.0_r, "0"},              {900.0_r, "900"},            {0.95_r, "0.95"},
        {2.5e-10_r, "0"},       {0.00000149_r, "0.000001"},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortFixed(c.v), c.text) << double(c.v);
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
    EXPECT_EQ(shown, "df=12  x=23.5  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362");
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
