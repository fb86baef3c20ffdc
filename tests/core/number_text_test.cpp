#include "core/number_text.h"

#include <gtest/gtest.h>

#include "tests/support/format_settings_cases.h"

#include "core/errors.h"

namespace tarvik {
namespace {

using test::kComma;
using test::kPoint;

TEST(NumberText, FixedFormat) {
    struct Case {
        Real v;
        const char* point;
        const char* comma;
    } cases[] = {
        {0.95L, "0.950000", "0,950000"},
        {900, "900.000000", "900,000000"},
        {1e-6L, "0.000001", "0,000001"},
        {-0.5L, "-0.500000", "-0,500000"},
        {0.00000049L, "0.000000", "0,000000"},   // below half a unit: nearest is 0
        {0.00000051L, "0.000001", "0,000001"},
        {-2.2e-16L, "0.000000", "0,000000"},     // 1 - cdf at tiny x: never "-0.000000"
        {-0.0000004L, "0.000000", "0,000000"},
        {3.8414588206941L, "3.841459", "3,841459"},
        // 18 significant digits at most: digits past them are rounded away first.
        {123456789012345.678901L, "123456789012345.679000", "123456789012345,679000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed(c.v, 6, kPoint), c.point);
        EXPECT_EQ(FormatFixed(c.v, 6, kComma), c.comma);
    }
}

TEST(NumberText, GeneralFormat) {
    struct Case {
        Real v;
        const char* text;
    } cases[] = {
        {3.841459L, "3.841459"}, {0.95L, "0.95"},        {0.05L, "0.05"},
        {0.999999L, "0.999999"}, {900, "900"},            {0, "0"},
        {-1.5L, "-1.5"},         {0.0001L, "0.0001"},     {0.00001L, "0.00001"},
        {1e-6L, "1E-6"},         {1e15L, "1E15"},         {123456789012345.0L, "123456789012345"},
        {1.0L / 3, "0.333333333333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.v, kPoint), c.text) << double(c.v);
    EXPECT_EQ(FormatGeneral(0.95L, kComma), "0,95");
}

TEST(NumberText, ConversionAccepts) {
    struct Case {
        const char* text;
        Real value;
    } cases[] = {
        {"0.95", 0.95L}, {"  1.5  ", 1.5L}, {"+2", 2},    {"-0", 0},     {".", 0},
        {"5.", 5},       {".5", 0.5L},      {"1e", 1},    {"1e-", 1},    {"1E5", 1e5L},
        {"2e-3", 2e-3L}, {"-.25", -0.25L},  {"1e4000", 1e4000L},  // fits the extended range
        {"1e-99999999999999999999", 0},  // below the Real range: 0, as an underflow
    };
    for (const auto& c : cases) {
        Real v = -99;
        EXPECT_TRUE(TryTextToReal(c.text, v, kPoint)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    Real v = 0;
    EXPECT_TRUE(TryTextToReal("0,5", v, kComma));
    EXPECT_EQ(v, 0.5L);
}

TEST(NumberText, ConversionRefuses) {
    const char* refused[] = {"", " ", "+", "-", "e5", "1,000", "0x10", "1.2.3",
                             "1e5x", "abc", "1 2", "1e99999", "\t1",
                             // found by fuzzing: an exponent near LONG_MAX
                             "33333333333.91e333333333399333333333"};
    for (const char* t : refused) {
        Real v = 0;
        EXPECT_FALSE(TryTextToReal(t, v, kPoint)) << t;
    }
    Real v = 0;
    EXPECT_FALSE(TryTextToReal("0.5", v, kComma));  // the other convention's separator
    try {
        TextToReal("+", kPoint);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'+' is not a valid floating point value");
    }
}

}  // namespace
}  // namespace tarvik
