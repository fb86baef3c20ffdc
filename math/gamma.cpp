// Power, log-gamma, factorial and the regularised lower incomplete gamma P(a, x).
#include <algorithm>
#include <cmath>

#include "math/detail.h"
#include "math/distributions.h"
#include "core/checked_math.h"
#include "core/diagnostics.h"

namespace tarvik {

using namespace checked;

namespace {

// Stirling series coefficients B_2k / (2k (2k-1)) for k = 1..7.
const Real kStirling[7] = {
    0.0833333333333333333_r,     // 1/12
    -0.00277777777777777778_r,   // -1/360
    0.000793650793650793651_r,   // 1/1260
    -0.000595238095238095238_r,  // -1/1680
    0.000841750841750841751_r,   // 1/1188
    -0.00191752691752691753_r,   // -691/360360
    0.00641025641025641026_r,    // 1/156
};
const Real kHalfLn2Pi = 0.918938533204672742_r;

// Below this shift limit the argument is raised by recurrence first, so the
// Stirling series is only ever used where it is accurate to Real precision.
const Real kShiftLimit = 10;

// Beyond this argument P(a, x) is 1 for every shape the callers pass.
const Real kHugeArgument = 1000000;
// The continued fraction's numerators and denominators grow together; only
// their ratio matters, so past this size all four are scaled down by it.
const Real kRescale = 1e150_r;
// e^-288 is about 5e-126: a tail this small counts as 0 (and P as 0 or 1).
const Real kNegligibleLn = -288;

}  // namespace

Real Power(Real base, Real exponent) { return Exp(Mul(exponent, Ln(base))); }

namespace detail {

Real LnGammaStirling(Real z, Real shift, Real w) {
    const Real s =
        ((((((kStirling[6] * w + kStirling[5]) * w + kStirling[4]) * w + kStirling[3]) * w +
           kStirling[2]) *
              w +
          kStirling[1]) *
             w +
         kStirling[0]) /
        z;
    return Ln(z) * (z - 0.5_r) + shift - z + kHalfLn2Pi + s;
}

}  // namespace detail

Real LnGamma(Real x) {
    Real z = x;
    Real shift = 0;
    if (!(x > kShiftLimit)) {
        // Gamma(x) = Gamma(z) / (x (x+1) ... (z-1)), z ending in (10, 11].
        // A huge negative x overflows the product long before the loop could
        // spin; a non-positive integer makes it 0 and the logarithm fails.
        Real prod = 1;
        while (z <= kShiftLimit) {
            prod = Mul(prod, z);
            z = z + 1;
        }
        shift = -Ln(prod);
    }
    const Real w = (1 / z) * (1 / z);
    return detail::LnGammaStirling(z, shift, w);
}

Real Factorial(Real x) {
    const std::int32_t n = ToInt32(Trunc(x + 0.1_r));
    Real r = 1;
    for (std::int32_t i = 2; i <= n; ++i) r = Mul(r, i);
    return r;
}

Real IncompleteGammaSeries(Real x, Real a, Real tol) {
    const Real d = Exp(a * Ln(x) - LnGamma(a + 1) - x);
    if (d == 0) {
        // The prefactor underflowed (exponent below about -11399): the series
        // cannot carry any information. The line is kept for whoever watches
        // standard output, then the fault propagates like any other.
        WriteDiagnosticLine("maka w/ incgamma2");
        throw EUnderflow();
    }
    Real term = 1, sum = 1, b = a;
    for (int pass = 0;; ++pass) {
        if (pass == detail::kSeriesPassLimit)
            throw ENoConvergence("IncompleteGammaSeries", detail::kSeriesPassLimit);
        b = b + 1;
        term = Fin(term * x / b);
        sum = Fin(sum + term);
        if (term / sum < tol) break;  // relative test
    }
    return d * sum;
}

Real IncompleteGamma(Real x, Real a, Real tol, int& errorFlag) {
    if (!(a >= 0 && x >= 0)) {
        errorFlag = 1;
        WriteDiagnosticLine("maka am incgamma1");
        return 0;
    }
    errorFlag = 0;

    if (a > detail::kCubeRootShape) {
        // Wilson-Hilferty cube-root normal approximation for large shape.
        const Real f = Power(Div(x, a), 1.0_r / 3);
        const Real z = 3 * Sqrt(a) * (f + Div(1, 9 * a) - 1);
        return NormalCdf(z);
    }
    return detail::IncompleteGammaExpansion(x, a, tol);
}

namespace detail {

Real IncompleteGammaExpansion(Real x, Real a, Real tol) {
    if (x > kHugeArgument) return 1;

    if (x > 1 && a <= x) {
        // Continued fraction for the upper tail Q = 1 - P (Numerical Recipes
        // style Lentz-free recurrence with explicit rescaling).
        Real g = a * Ln(x) - x - LnGamma(a);
        Real A = 1 - a;
        Real B = A + x + 1;
        Real K = 0;
        Real p1 = 1, p2 = x, p3 = x + 1, p4 = Mul(x, B);
        Real r = Div(p3, p4);
        for (int pass = 0;; ++pass) {
            if (pass == detail::kSeriesPassLimit)
                throw ENoConvergence("IncompleteGamma", detail::kSeriesPassLimit);
            A = A + 1;
            B = B + 2;
            K = K + 1;
            const Real an = A * K;
            const Real p5 = Fin(B * p3 - an * p1);
            const Real p6 = Fin(B * p4 - an * p2);
            if (Abs(p6) > 0) {
                const Real rn = p5 / p6;
                if (Abs(r - rn) <= std::min(tol, tol * rn)) break;
                r = rn;
            }
            p1 = p3;
            p2 = p4;
            p3 = p5;
            p4 = p6;
            // Only the ratios matter, so a common rescale keeps them in range.
            if (Abs(p5) >= kRescale) {
                p1 /= kRescale;
                p2 /= kRescale;
                p3 /= kRescale;
                p4 /= kRescale;
            }
        }
        g = g + Ln(r);
        if (g < kNegligibleLn) return 1;
        return 1 - Exp(g);
    }

    // Series; unlike IncompleteGammaSeries its stopping test is absolute.
    Real g = a * Ln(x) - x - LnGamma(a + 1);
    Real term = 1, sum = 1, b = a;
    for (int pass = 0;; ++pass) {
        if (pass == detail::kSeriesPassLimit)
            throw ENoConvergence("IncompleteGamma", detail::kSeriesPassLimit);
        b = b + 1;
        term = Fin(term * x / b);
        sum = Fin(sum + term);
        if (!(term > tol)) break;
    }
    g = g + Ln(sum);
    if (g < kNegligibleLn) return 0;
    return Exp(g);
}

}  // namespace detail

}  // namespace tarvik
