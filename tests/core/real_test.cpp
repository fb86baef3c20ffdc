// The Real is the x87 extended format in both configurations. Where it is
// the software type and this machine's long double is x87's, every basic
// operation and every text is compared with the hardware, bit for bit.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <random>

#include "core/checked_math.h"
#include "core/decimal_digits.h"
#include "core/real.h"

namespace tarvik {
namespace {

constexpr bool kHardwareIsX87 = LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384;

// Random x87 values: every bit pattern of finite normal numbers half the
// time, the range the mathematics lives in (2^-100 to 2^100) the other half.
long double RandomX87(std::mt19937_64& g) {
    for (;;) {
        long double v;
        if (g() % 2) {
            unsigned char bytes[sizeof(long double)] = {};
            for (std::size_t i = 0; i < 10; ++i) bytes[i] = static_cast<unsigned char>(g());
            bytes[7] |= 0x80;  // the explicit integer bit of a normal number
            // Not the pseudo-denormals (exponent field 0 with the integer
            // bit set): x87 arithmetic reads them as 2^-16382 times the
            // mantissa, printf and to_chars otherwise.
            if (bytes[8] == 0 && (bytes[9] & 0x7F) == 0) continue;
            std::memcpy(&v, bytes, sizeof v);
        } else {
            v = std::ldexp(static_cast<long double>(g()) / 18446744073709551616.0L + 1, int(g() % 201) - 100);
            if (g() % 2) v = -v;
        }
        if (std::isfinite(v) && std::fpclassify(v) == FP_NORMAL) return v;
    }
}

bool NormalResult(long double r) {
    return std::isfinite(r) && (r == 0 || (std::fpclassify(r) == FP_NORMAL && std::fabs(r) >= LDBL_MIN));
}

TEST(Real, BasicOperationsGiveTheBitsOfX87) {
    if (!kRealIsSoftware || !kHardwareIsX87) GTEST_SKIP() << "needs the software Real beside x87 hardware";
    std::mt19937_64 g(20261208);
    int compared = 0;
    for (int i = 0; i < 200000; ++i) {
        const long double a = RandomX87(g);
        long double b = RandomX87(g);
        switch (g() % 4) {
            case 0: b = a * (1 + 1e-18L); break;                                 // near cancellation
            case 1: b = std::ldexp(b, std::ilogb(a) - std::ilogb(b) - int(g() % 140)); break;  // every exponent span
            default: break;
        }
        const Real ra(a), rb(b);
        const long double results[] = {a + b, a - b, a * b, a / b, std::sqrt(std::fabs(a))};
        const Real soft[] = {ra + rb, ra - rb, ra * rb, ra / rb, RawSqrt(Abs(ra))};
        for (int k = 0; k < 5; ++k) {
            if (!NormalResult(results[k])) continue;  // x87's subnormals lie below the software range
            ASSERT_EQ(soft[k], Real(results[k])) << "operation " << k << " on " << double(a) << ", " << double(b);
            ++compared;
        }
    }
    EXPECT_GT(compared, 900000);
}

TEST(Real, TextsGiveTheDigitsOfX87) {
    if (!kRealIsSoftware || !kHardwareIsX87) GTEST_SKIP() << "needs the software Real beside x87 hardware";
    std::mt19937_64 g(4932);
    for (int i = 0; i < 50000; ++i) {
        const long double v = RandomX87(g);
        const int precision = 1 + int(g() % 24);
        char buf[6000];
        auto text = [&](std::chars_format f, int p) {
            const auto r = std::to_chars(buf, buf + sizeof buf, v, f, p);
            return std::string(buf, r.ptr);
        };
        ASSERT_EQ(ScientificDigits(Real(v), precision), text(std::chars_format::scientific, precision));
        ASSERT_EQ(GeneralDigits(Real(v), precision), text(std::chars_format::general, precision));
        if (std::fabs(v) < 1e30L) {
            ASSERT_EQ(FixedDigits(Real(v), precision % 12), text(std::chars_format::fixed, precision % 12));
        }
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        ASSERT_EQ(ShortestDigits(Real(v)), std::string(buf, r.ptr));
        // Reading: a text of 15 to 30 digits, near-ties included.
        const std::string digits = text(std::chars_format::scientific, 14 + int(g() % 16));
        long double hard = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), hard);
        Real soft = 0;
        ASSERT_TRUE(ParseCanonical(digits, soft)) << digits;
        ASSERT_EQ(soft, Real(hard)) << digits;
    }
}

// The cases printf and the x87 rounding mode settle by ties to even.
TEST(Real, Ties) {
    struct Case {
        Real v;
        Real nearest;
        const char* fixed0;
        const char* sci0;
    } cases[] = {
        {0.5_r, 0, "0", "5e-01"},   {1.5_r, 2, "2", "2e+00"},     {2.5_r, 2, "2", "2e+00"},
        {-2.5_r, -2, "-2", "-2e+00"}, {3.5_r, 4, "4", "4e+00"},   {250, 250, "250", "2e+02"},
        {350, 350, "350", "4e+02"},   {0.25_r, 0, "0", "2e-01"},  {9.5_r, 10, "10", "1e+01"},
        {1e-4000_r, 0, "0", "1e-4000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NearbyInt(c.v), c.nearest) << c.fixed0;
        EXPECT_EQ(FixedDigits(c.v, 0), c.fixed0);
        EXPECT_EQ(ScientificDigits(c.v, 0), c.sci0);
    }
    EXPECT_EQ(FixedDigits(-0.0_r, 3), "-0.000");
    Real negativeZero = 1;
    ASSERT_TRUE(ParseCanonical("-0", negativeZero));
    EXPECT_TRUE(negativeZero == 0 && SignBit(negativeZero)) << "-0 keeps its sign, as from_chars reads it";
}

// A constant written as a literal is its decimal text, correctly rounded.
TEST(Real, LiteralsAreTheirDecimalText) {
    struct Case {
        Real literal;
        const char* text;
    } cases[] = {
        {0.1_r, "0.1"},
        {0.6931471805599453093_r, "0.6931471805599453093"},
        {2.50662827463100050242_r, "2.50662827463100050242"},
        {1e-4000_r, "1e-4000"},
        {9223372036854775808.0_r, "9223372036854775808"},
    };
    for (const auto& c : cases) {
        Real parsed = 0;
        ASSERT_TRUE(ParseCanonical(c.text, parsed));
        EXPECT_EQ(c.literal, parsed) << c.text;
    }
}

// Where Real is the hardware long double, the C library's printf agrees
// with our texts. MinGW's does only with its ANSI stdio
// (__USE_MINGW_ANSI_STDIO), which the accuracy report's printf relies on.
TEST(Real, PrintfAgreesWithTheTexts) {
    if (kRealIsSoftware) GTEST_SKIP() << "printf knows no software type";
    const long double cases[] = {0.95L, 2.5396285899883687e-10L, 18.307038053275146L, 1e-4000L, 1e4000L};
    for (const long double v : cases) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.17Le", v);
        EXPECT_EQ(std::string(buf), ScientificDigits(Real(v), 17));
    }
}

// The portable fallback of the 32-bit overflow checks, at its bounds.
TEST(Real, Int32OverflowFallback) {
    constexpr std::int64_t kMax = 2147483647, kMin = -2147483648LL;
    EXPECT_EQ(checked::FitInt32(kMax), kMax);
    EXPECT_EQ(checked::FitInt32(kMin), kMin);
    EXPECT_THROW(checked::FitInt32(kMax + 1), EIntOverflow);
    EXPECT_THROW(checked::FitInt32(kMin - 1), EIntOverflow);
    EXPECT_EQ(checked::MulInt32(46340, 46340), 2147395600);
    EXPECT_THROW(checked::MulInt32(46341, 46341), EIntOverflow);
    EXPECT_THROW(checked::AddInt32(std::int32_t(kMax), 1), EIntOverflow);
    EXPECT_THROW(checked::SubInt32(std::int32_t(kMin), 1), EIntOverflow);
}

}  // namespace
}  // namespace tarvik
