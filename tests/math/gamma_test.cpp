#include <gtest/gtest.h>

#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/errors.h"
#include "tests/support/expect_fault.h"
#include "tests/support/stdout_capture.h"
#include "tests/support/tolerance.h"

namespace tarvik {
namespace {

TEST(Gamma, LnGamma) {
    // Epsilons of the Real (1.08e-19); references from Boost.Math in 50 digits.
    struct Case {
        Real x, value, epsilons;
        const char* why;
    } cases[] = {
        {1, 0, 1e4_r, "absolute: ln 1 = 0 from a sum of Stirling terms"},
        {2, 0, 1e4_r, "absolute, as above"},
        {0.5_r, 0.57236494292470008707_r, 512, "ln sqrt(pi): shifted up to 10.5, the ln of the product cancels"},
        {10, 12.801827480081469611_r, 16, "ln 9!, one shift step"},
        {10.5_r, 13.940625219403763633_r, 16, "no shift"},
        {150, 600.00947055532742813_r, 16, "ln 149!"},
    };
    for (const auto& c : cases) EXPECT_TRUE(test::WithinEpsilons(LnGamma(c.x), c.value, c.epsilons)) << c.why;
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero", LnGamma(0));
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero", LnGamma(-3));
    TARVIK_EXPECT_FAULT(EInvalidOp, "Invalid floating point operation", LnGamma(-0.5_r));
    // A huge negative argument overflows its product instead of spinning.
    TARVIK_EXPECT_FAULT(EOverflow, "Floating point overflow", LnGamma(-1e30_r));
}

TEST(Gamma, FactorialAndPower) {
    EXPECT_EQ(Factorial(4.95_r), 120);  // Trunc(5.05) = 5
    EXPECT_EQ(Factorial(4.85_r), 24);   // Trunc(4.95) = 4
    EXPECT_EQ(Factorial(1), 1);
    EXPECT_EQ(Factorial(-3), 1);
    TARVIK_EXPECT_FAULT(ERangeError, "Range check error", Factorial(3e9_r));
    TARVIK_EXPECT_FAULT(EOverflow, "Floating point overflow", Factorial(2000));
    EXPECT_NEAR(double(Power(2, 0.5_r)), std::sqrt(2.0), 1e-16);
    for (Real b : {1e-300_r, 0.5_r, 7.0_r, 1e300_r}) EXPECT_EQ(Power(b, 0), 1);
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero", Power(0, 2));
    TARVIK_EXPECT_FAULT(EInvalidOp, "Invalid floating point operation", Power(-2, 2));
}

TEST(Gamma, IncompleteGammaBranches) {
    struct Case {
        Real x, a, value, tol;
        const char* why;
    } cases[] = {
        {2, 1, 0.86466471676338730_r, 1e-14_r, "continued fraction: 1 - e^-2"},
        {5, 3, 0.87534798051691317_r, 1e-14_r, "continued fraction: 1 - 18.5 e^-5"},
        {0.5_r, 0.5_r, 0.68268949213708590_r, 1e-14_r, "series: erf(sqrt 0.5)"},
        {1, 0.5_r, 0.84270079294971487_r, 1e-14_r, "x not above 1: series"},
        {3, 3, 0.57680991887315658_r, 1e-14_r, "a <= x: continued fraction"},
        {1001, 1001, 0.5042, 1e-4_r, "large shape: Wilson-Hilferty"},
        {1000001, 5, 1, 0, "large argument"},
    };
    for (const auto& c : cases) {
        int flag = -1;
        EXPECT_NEAR(double(IncompleteGamma(c.x, c.a, 1e-14_r, flag)), double(c.value),
                    double(c.tol))
            << c.why;
        EXPECT_EQ(flag, 0);
    }
    int flag = 0;
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero",
                        IncompleteGamma(0, 2, 1e-14_r, flag));
    TARVIK_EXPECT_FAULT(EZeroDivide, "Floating point division by zero",
                        IncompleteGammaSeries(0, 2, 1e-14_r));
}

TEST(Gamma, IncompleteGammaSeriesAgreesWithGeneralRoutine) {
    for (Real x : {0.5_r, 3.0_r, 40.0_r, 400.0_r}) {
        int flag = 0;
        const Real a = 12.5_r;
        EXPECT_NEAR(double(IncompleteGammaSeries(x, a, 1e-15_r)),
                    double(IncompleteGamma(x, a, 1e-15_r, flag)), 1e-13)
            << double(x);
    }
}

TEST(Gamma, RefusalWritesItsLine) {
    for (auto [x, a] : {std::pair<Real, Real>{-1, 2}, {1, -2}}) {
        test::StdoutCapture capture;
        int flag = 0;
        EXPECT_EQ(IncompleteGamma(x, a, 1e-14_r, flag), 0);
        EXPECT_EQ(flag, 1);
        EXPECT_EQ(capture.Text(), "maka am incgamma1\n");
    }
}

TEST(Gamma, RefusalWithoutStandardOutputRaisesIoError) {
    test::StdoutClosed closed;
    int flag = 0;
    TARVIK_EXPECT_FAULT(EInOutError, "I/O error 105", IncompleteGamma(-1, 2, 1e-14_r, flag));
    EXPECT_EQ(flag, 1);  // set before the write failed
}

TEST(Gamma, ZeroPrefactorRaisesInsteadOfEndingTheProgram) {
    // exponent 2 ln 12000 - ln Gamma(3) - 12000 is about -11981: exp underflows.
    {
        test::StdoutCapture capture;
        TARVIK_EXPECT_FAULT(EUnderflow, "Floating point underflow",
                            IncompleteGammaSeries(12000, 2, 1e-6_r));
        EXPECT_EQ(capture.Text(), "maka w/ incgamma2\n");
    }
    test::StdoutClosed closed;
    TARVIK_EXPECT_FAULT(EInOutError, "I/O error 105", IncompleteGammaSeries(12000, 2, 1e-6_r));
}

TEST(Gamma, LoopsAreBounded) {
    // A tolerance of 0 can never be met by the relative test once the terms
    // fall below the last bit: the bound ends it with a clear error.
    try {
        IncompleteGammaSeries(2, 1, 0);
        FAIL();
    } catch (const ENoConvergence& e) {
        EXPECT_NE(std::string(e.what()).find("IncompleteGammaSeries"), std::string::npos);
    }
    int flag = 0;
    EXPECT_THROW(IncompleteGamma(50, 3, -1, flag), ENoConvergence);  // CF test never holds
}

}  // namespace
}  // namespace tarvik
