#include "plot/number_pattern.h"

#include <gtest/gtest.h>

#include "tests/support/format_settings_cases.h"

namespace tarvik {
namespace {

using test::kComma;
using test::kPoint;

TEST(NumberPattern, TwoPatternsTwoLocales) {
    struct Case {
        double v;
        const char* pattern;
        const char* point;
        const char* comma;
    } cases[] = {
        {0, "#,##0.###", "0", "0"},
        {20, "#,##0.###", "20", "20"},
        {1000, "#,##0.###", "1,000", "1.000"},
        {1234567.5, "#,##0.###", "1,234,567.5", "1.234.567,5"},
        {0.5, "#,##0.###", "0.5", "0,5"},
        {0.125, "#,##0.###", "0.125", "0,125"},
        {0.0625, "#,##0.###", "0.063", "0,063"},   // halves away from zero
        {94.135, "#,##0.###", "94.135", "94,135"},
        {0.05, "#,###.00#", ".05", ",05"},
        {0.1, "#,###.00#", ".10", ",10"},
        {0.125, "#,###.00#", ".125", ",125"},
        {1, "#,###.00#", "1.00", "1,00"},
        {0, "#,###.00#", ".00", ",00"},
        {1500.25, "#,###.00#", "1,500.25", "1.500,25"},
        {-2.5, "#,##0.###", "-2.5", "-2,5"},
        {2.7e-17, "#,###.00#", ".00", ",00"},     // repeated subtraction leftovers
        {-2.7e-17, "#,###.00#", ".00", ",00"},    // never "-.00"
        {-0.0001, "#,##0.###", "0", "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumberPattern(c.v, c.pattern, kPoint), c.point) << c.v << " " << c.pattern;
        EXPECT_EQ(FormatNumberPattern(c.v, c.pattern, kComma), c.comma) << c.v << " " << c.pattern;
    }
}

}  // namespace
}  // namespace tarvik
