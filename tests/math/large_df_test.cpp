// A df typed above 300 is computed with until the spin edit corrects it.
// Up to 65535 every shown text must match Boost.Math in 50-digit binary
// floating point: the quantile, and the cdf, upper tail and density at the
// shown value.
#include <gtest/gtest.h>

#include "core/number_text.h"
#include "math/distributions.h"
#include "tests/support/format_settings_cases.h"
#include "tests/support/reference.h"

namespace tarvik {
namespace {

using test::Ref;
namespace reference = test::reference;
using test::kPoint;

std::string Text(Real v) { return FormatFixed(v, 6, kPoint); }
std::string Text(const Ref& v) { return FormatFixed(Real(v), 6, kPoint); }

TEST(LargeDf, EveryShownTextMatchesTheReference) {
    const double dfs[] = {301, 500, 1000, 1801, 2000, 3500, 10000, 65535};
    const double ps[] = {0.000001, 0.00001, 0.01, 0.05, 0.5, 0.95, 0.99, 0.9999, 0.999999};
    for (double df : dfs) {
        const Ref ref(df);
        for (double p : ps) {
            SCOPED_TRACE(testing::Message() << "df " << df << ", p " << p);
            const Real x = ChiSquareQuantile(df, Real(p));
            const std::string shown = Text(x);
            EXPECT_EQ(shown, Text(reference::ChiSquaredQuantile(ref, Ref(p))));
            // What the window then shows beside that value.
            const Real v = TextToReal(shown, kPoint);
            const Ref rv(shown);
            EXPECT_EQ(Text(ChiSquareCdf(df, v)), Text(reference::ChiSquaredCdf(ref, rv)));
            EXPECT_EQ(Text(1 - ChiSquareCdf(df, v)), Text(reference::ChiSquaredUpper(ref, rv)));
            EXPECT_EQ(Text(ChiSquarePdf(df, v)), Text(reference::ChiSquaredPdf(ref, rv)));
        }
    }
}

// A value of 0 at a df beyond the exact sums: P(a, 0) is 0, where the
// incomplete gamma's series would take the logarithm of 0.
TEST(LargeDf, ZeroValue) {
    for (Real df : {301.0_r, 320.0_r, 2001.0_r, 65535.0_r}) {
        EXPECT_EQ(ChiSquareCdf(df, 0), 0) << double(df);
        EXPECT_EQ(ChiSquarePdf(df, 0), 0) << double(df);
    }
}

}  // namespace
}  // namespace tarvik
