// One variance's interval and test against the chi-square at 50 digits
// (Boost's quantile and tails), and the command line that asks for them.
#include "calc/variance_test.h"

#include <gtest/gtest.h>

#include "calc/command_line_error.h"
#include "calc/command_request.h"
#include "tests/support/reference_functions.h"

namespace tarvik {
namespace {

using test::Ref;
namespace reference = test::reference;

double Relative(Real got, const Ref& want) { return double(abs((Ref(static_cast<long double>(got)) - want) / want)); }

// 16 epsilons: a quantile solved to its last bits, then a product and a
// quotient; the p-values are the chi-square's tails, within 2e-17 already.
constexpr double kTolerance = 16 * 1.0842021724855044e-19;

TEST(Variance, IntervalAndTestAgainstTheReference) {
    const struct {
        Real n, variance;
        ExactTails level;
        Real nullVariance;
        const char* why;
    } cases[] = {
        {20, 4.2_r, {0.95_r, 0.05_r}, 2, "the textbook's n 20, s2 4.2 (R: qchisq 8.9065, 32.8523)"},
        {5, 0.01_r, {0.99_r, 0.01_r}, 0.02_r, "few observations, a 99 % level"},
        {60000, 9, {0.9_r, 0.1_r}, 9.05_r, "many: the interval close about s2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        VarianceQuestion q;
        q.n = c.n;
        q.variance = c.variance;
        q.level = c.level;
        q.hasNullVariance = true;
        q.nullVariance = c.nullVariance;
        const VarianceAnswer a = AnswerVariance(q);
        const Ref df = Ref(static_cast<long double>(c.n)) - 1, half = Ref(static_cast<long double>(c.level.upper)) / 2;
        const Ref sum = df * Ref(static_cast<long double>(c.variance));
        const Ref low = sum / reference::ChiSquaredQuantile(df, 1 - half), high = sum / reference::ChiSquaredQuantile(df, half);
        EXPECT_LT(Relative(a.varianceLow, low), kTolerance);
        EXPECT_LT(Relative(a.varianceHigh, high), kTolerance);
        EXPECT_LT(Relative(a.sdLow, sqrt(low)), kTolerance);
        // The statistic to its last bit; the tails then at the statistic
        // held (at df 60000 the tails' slope would make a last-bit
        // difference of the statistic 250 times larger in p).
        EXPECT_LT(Relative(a.chiSquare, sum / Ref(static_cast<long double>(c.nullVariance))), kTolerance);
        const Ref chi2 = Ref(static_cast<long double>(a.chiSquare));
        EXPECT_LT(Relative(a.pLower, reference::ChiSquaredCdf(df, chi2)), kTolerance);
        EXPECT_LT(Relative(a.pUpper, reference::ChiSquaredUpper(df, chi2)), kTolerance);
        EXPECT_LT(Relative(a.pTwoSided, 2 * std::min(reference::ChiSquaredCdf(df, chi2), reference::ChiSquaredUpper(df, chi2))),
                  kTolerance);
    }
}

TEST(Variance, TheCommandLine) {
    CommandRequest r = ReadCommandLine({"--variance", "4.2", "--n", "20", "--sigma2", "2"});
    EXPECT_EQ(AnswerText(r), "n=20  df=19  s2=4.200000  var_low=2.429052  var_high=8.959732  sd_low=1.558542  sd_high=2.993281  "
                             "chi2=39.900000  p_lower=0.996627  p_upper=0.003373  p_two=0.006745\n");
    const struct {
        std::vector<std::string> args;
        const char* message;
    } refused[] = {
        {{"--variance", "4"}, "--variance needs --n, the sample's size"},
        {{"--variance", "-1", "--n", "5"}, "--variance '-1' is out of range"},
        {{"--variance", "4", "--n", "1"}, "--n '1' is out of range: whole numbers from 2 to 65536"},
        {{"--variance", "4", "--n", "5", "--counts", "-"}, "--variance takes --n, --level, --sigma2"},
        {{"--variance", "4", "--n", "5", "--level", "1.5"}, "--level '1.5' is out of range"},
    };
    for (const auto& c : refused) {
        try {
            ReadCommandLine(c.args);
            ADD_FAILURE() << c.message;
        } catch (const CommandLineError& e) {
            EXPECT_EQ(e.message.rfind(c.message, 0), 0u) << e.message;
        }
    }
}

}  // namespace
}  // namespace tarvik
