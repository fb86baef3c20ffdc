// The double-Real steps are exact (TwoSum, TwoProduct) or accurate far
// beyond the Real (the logarithm), checked against 50-digit arithmetic.
#include <gtest/gtest.h>

#include <random>

#include "math/double_real.h"
#include "tests/support/reference.h"

namespace tarvik {
namespace {

using test::Ref;

Ref Value(const DoubleReal& d) { return Ref(d.hi) + Ref(d.lo); }

TEST(DoubleReal, SumsAndProductsAreExact) {
    std::mt19937_64 g(7);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-200, 200);
    for (int i = 0; i < 20000; ++i) {
        const Real a = Ldexp(Real(mantissa(g)) + Real(mantissa(g)) * 1e-17_r, exponent(g));
        const Real b = Ldexp(Real(mantissa(g)) + Real(mantissa(g)) * 1e-17_r, exponent(g) / 4);
        EXPECT_EQ(Value(double_real::TwoSum(a, b)), Ref(a) + Ref(b));
        EXPECT_EQ(Value(double_real::TwoProduct(a, b)), Ref(a) * Ref(b));
    }
}

TEST(DoubleReal, QuotientToAboutOneHundredTwentyBits) {
    for (Real b : {3.0_r, 7.5_r, 32767.5_r, 1e-300_r, 0.6931471805599453094_r}) {
        const Ref want = Ref(1) / Ref(b);
        EXPECT_LT(abs((Value(double_real::Divide(Real(1), b)) - want) / want), Ref(1e-36)) << double(b);
    }
}

TEST(DoubleReal, LogarithmToTwentySixDigits) {
    // The deviance of the chi-square weights multiplies ln by up to 32768
    // and needs the product to 1e-18 absolute, ln to 3e-23: 1e-26 is ample.
    EXPECT_LT(abs(Value(Ln2DoubleReal()) - log(Ref(2))), Ref(1e-32));
    std::mt19937_64 g(11);
    std::uniform_real_distribution<double> unit(0.5, 1);
    std::uniform_int_distribution<int> exponent(-16300, 16300);
    for (int i = 0; i < 5000; ++i) {
        const Real y = Ldexp(Real(unit(g)) + Real(unit(g)) * 1e-18_r, i % 2 ? exponent(g) : exponent(g) / 1000);
        const Ref want = log(Ref(y));
        EXPECT_LT(abs(Value(LogDoubleReal(y)) - want), Ref(1e-26) * (1 + abs(want))) << double(y);
    }
    // Near 1, where ln is small, it keeps its relative precision.
    for (Real y : {1.0_r, 1 + 1e-15_r, 1 - 1e-18_r, 1.0001_r}) {
        const Ref want = log(Ref(y));
        EXPECT_LE(abs(Value(LogDoubleReal(y)) - want), Ref(1e-26) * abs(want)) << double(y);
    }
}

}  // namespace
}  // namespace tarvik
