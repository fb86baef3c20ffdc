#include "core/number_text.h"

#include <gtest/gtest.h>

#include "tests/support/format_settings_cases.h"

#include "core/decimal_digits.h"
#include "core/errors.h"

#include <charconv>
#include <limits>
#include <random>
#include <string>

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
        {0.95_r, "0.950000", "0,950000"},
        {900, "900.000000", "900,000000"},
        {1e-6_r, "0.000001", "0,000001"},
        {-0.5_r, "-0.500000", "-0,500000"},
        {0.00000049_r, "0.000000", "0,000000"},   // below half a unit: nearest is 0
        {0.00000051_r, "0.000001", "0,000001"},
        {-2.2e-16_r, "0.000000", "0,000000"},     // 1 - cdf at tiny x: never "-0.000000"
        {-0.0000004_r, "0.000000", "0,000000"},
        {3.8414588206941_r, "3.841459", "3,841459"},
        // Every digit from the Real itself, none past the 18th zeroed: the
        // Real nearest this text is 123456789012345.6789016...
        {123456789012345.678901_r, "123456789012345.678902", "123456789012345,678902"},
        // From 1e18 up: the general form with every digit the Real holds.
        {3.9894228040143267794e149_r, "3.9894228040143267794E149", "3,9894228040143267794E149"},
        {1e20_r, "1E20", "1E20"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed(c.v, 6, kPoint), c.point);
        EXPECT_EQ(FormatFixed(c.v, 6, kComma), c.comma);
    }
}

// The fixed digits are formed by integer arithmetic; the C++ library's
// to_chars on the hardware type, a printf of the exact binary value, is the
// reference: random significands over the exponents a result takes, and
// halves of small powers of two, whose ties round to even.
TEST(NumberText, FixedDigitsAgreeWithTheLibrary) {
    std::mt19937_64 random(20261210);
    for (int i = 0; i < 200000; ++i) {
        const bool tie = i % 4 == 0;
        const long double v = tie ? std::ldexp((long double)(random() % 100000), -int(random() % 12))
                                  : std::ldexp((long double)(random() | (1ull << 63)), int(random() % 150) - 215);
        const int decimals = int(random() % 19);
        char text[200];
        const auto end = std::to_chars(text, text + sizeof text, (i % 3 ? v : -v), std::chars_format::fixed, decimals).ptr;
        ASSERT_EQ(FixedDigits(Real(i % 3 ? v : -v), decimals), std::string(text, end)) << double(v) << " " << decimals;
    }
}

TEST(NumberText, GeneralFormat) {
    struct Case {
        Real v;
        const char* text;
    } cases[] = {
        {3.841459_r, "3.841459"}, {0.95_r, "0.95"},        {0.05_r, "0.05"},
        {0.999999_r, "0.999999"}, {900, "900"},            {0, "0"},
        {-1.5_r, "-1.5"},         {0.0001_r, "0.0001"},     {0.00001_r, "0.00001"},
        {1e-6_r, "1E-6"},         {1e15_r, "1E15"},         {123456789012345.0_r, "123456789012345"},
        {1.0_r / 3, "0.333333333333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.v, kPoint), c.text) << double(c.v);
    EXPECT_EQ(FormatGeneral(0.95_r, kComma), "0,95");
}

TEST(NumberText, ConversionAccepts) {
    struct Case {
        const char* text;
        Real value;
    } cases[] = {
        {"0.95", 0.95_r}, {"  1.5  ", 1.5_r}, {"+2", 2},    {"-0", 0},     {".", 0},
        {"5.", 5},       {".5", 0.5_r},      {"1e", 1},    {"1e-", 1},    {"1E5", 1e5_r},
        {"2e-3", 2e-3_r}, {"-.25", -0.25_r},  {"1e4000", 1e4000_r},  // fits the extended range
        {"1e-99999999999999999999", 0},  // below the Real range: 0, as an underflow
    };
    for (const auto& c : cases) {
        Real v = -99;
        EXPECT_TRUE(TryTextToReal(c.text, v, kPoint)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    Real v = 0;
    EXPECT_TRUE(TryTextToReal("0,5", v, kComma));
    EXPECT_EQ(v, 0.5_r);
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

// Precision on demand: six significant digits where six decimals show
// nothing, and the shortest text that reads back as the very same Real.
TEST(NumberText, DecimalComplement) {
    struct Case {
        const char* text;
        const char* complement;
    } cases[] = {
        {"0.999999", "0.000001"},
        {"0.95", "0.05"},
        {"  +0.050000 ", "0.95"},  // trailing zeros, blanks and sign read as the fields read them
        {"0.0000033", "0.9999967"},
        {"5e-1", "0.5"},
        {"1e-30", "0.999999999999999999999999999999"},
        {"0.9999999999999999999999999", "0.0000000000000000000000001"},
        {"1", "0"},
        {"1.000", "0"},
        {"0", "1"},
        {".", "1"},
        {"-0", "1"},
        {"1.5", ""},   // above 1
        {"-0.1", ""},  // below 0
        {"1e400000", ""},
        {"0.9E-799999", "1"},  // below every Real: 1 - v is 1 to any precision a Real has
        {"1e-20001", "1"},
        {"0.5x", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DecimalComplement(c.text, kPoint), c.complement) << c.text;
    EXPECT_EQ(DecimalComplement("0,25", kComma), "0.75");
    // 1 - 1e-300 has 300 nines: exact, though no Real tells it from 1.
    const std::string nines = DecimalComplement("1e-300", kPoint);
    EXPECT_EQ(nines, "0." + std::string(300, '9'));
    // Digits beyond 20000 places are dropped, those before kept.
    const std::string longText = "0.5" + std::string(19998, '0') + "12";
    EXPECT_EQ(DecimalComplement(longText, kPoint), "0.4" + std::string(19998, '9') + "9");
    // The complement of a complement is the number again.
    EXPECT_EQ(DecimalComplement(DecimalComplement("0.123456789012345678901", kPoint), kPoint), "0.123456789012345678901");
}

TEST(NumberText, SaturatedReadingOfHugeNumbers) {
    Real v = 0;
    EXPECT_FALSE(TryTextToReal("1e5000", v, kPoint));
    ASSERT_TRUE(TryTextToRealSaturated("1e5000", v, kPoint));
    EXPECT_EQ(v, std::numeric_limits<Real>::max());
    ASSERT_TRUE(TryTextToRealSaturated("-7e123456789012345678901234567890", v, kPoint));
    EXPECT_EQ(v, -std::numeric_limits<Real>::max());
    ASSERT_TRUE(TryTextToRealSaturated("1e-4000000", v, kPoint));  // below the range: 0
    EXPECT_EQ(v, 0);
    ASSERT_TRUE(TryTextToRealSaturated("0e99999", v, kPoint));
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(TryTextToRealSaturated("1e5000x", v, kPoint));
}

TEST(NumberText, ScientificAndFullPrecision) {
    struct Case {
        Real v;
        const char* six;
        const char* full;
        const char* why;
    } cases[] = {
        {2.5396285899883687e-10_r, "2.53963e-10", nullptr, "a p-value that shows as 0.000000"},
        {23.5_r, "2.35000e+01", "23.5", "exact in binary: the shortest text is short"},
        {0.0_r, "0.00000e+00", "0", ""},
        {-0.0_r, "0.00000e+00", "0", "never a minus zero"},
        {0.95_r, "9.50000e-01", nullptr, "not exact in binary"},
        {1e-4000_r, "1.00000e-4000", nullptr, "beyond double's range"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatScientific(c.v, 6, kPoint), c.six) << c.why;
        const std::string full = FormatFullPrecision(c.v, kPoint);
        if (c.full) {
            EXPECT_EQ(full, c.full) << c.why;
        }
        EXPECT_LE(full.size(), 27u) << full;  // at most 21 digits: the Real's round-trip precision
        Real back = -1;
        ASSERT_TRUE(TryTextToReal(full, back, kPoint)) << full;
        EXPECT_EQ(back, c.v) << full << ": " << c.why;
    }
    EXPECT_EQ(FormatScientific(0.95_r, 6, kComma), "9,50000e-01");
    EXPECT_EQ(FormatFullPrecision(23.5_r, kComma), "23,5");
}

}  // namespace
}  // namespace tarvik
