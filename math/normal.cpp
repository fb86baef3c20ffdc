// Standard normal distribution: Phi, its upper tail and its inverse.
#include <cmath>
#include <limits>

#include "math/constants.h"
#include "math/detail.h"
#include "math/double_real.h"
#include "math/distributions.h"
#include "core/checked_math.h"

namespace tarvik {

using namespace checked;

namespace {

using constants::kSqrt2Pi;
using constants::kSqrt2Pi13;

// Abramowitz & Stegun 26.2.17, stored as doubles (the table of NormalCdf).
constexpr double kCdfB[5] = {0.31938153, -0.356563782, 1.781477937, -1.821255978, 1.330274429};
const Real kCdfScale = 0.2316419_r;

// Odeh & Evans (1974), rational approximation of the normal quantile, as doubles.
constexpr double kQuantileP[5] = {-0.322232431088, -1.0, -0.342242088547, -0.0204231210245,
                                  -0.0000453642210148};
constexpr double kQuantileQ[5] = {0.099348462606, 0.588581570495, 0.531103462366,
                                  0.10353775285, 0.0038560700634};

// NormalCdfAccurate's bands, in hundredths of x (truncated toward zero):
// the continued fraction in the lower tail down to -9.99, the series across
// the middle up to 3.00, the continued fraction again up to 10.00. Beyond
// them the lower tail is the accurate upper tail of -x (a fixed 7.6e-24
// there would be wrong by a factor of 1e200 at x = -30) and Phi is 1.
constexpr std::int64_t kLowestBand = -999;
constexpr std::int64_t kSeriesFrom = -149;
constexpr std::int64_t kSeriesTo = 300;
constexpr std::int64_t kHighestBand = 1000;

}  // namespace

Real NormalCdf(Real x) {
    if (x == 0) return 0.5_r;
    const Real t = 1 / (1 + kCdfScale * Abs(x));
    const Real p =
        ((((Real(kCdfB[4]) * t + kCdfB[3]) * t + kCdfB[2]) * t + kCdfB[1]) * t + kCdfB[0]) * t;
    const Real f = Exp(-Mul(x, x) / 2) * p / kSqrt2Pi;
    return x > 0 ? 1 - f : f;
}

namespace detail {

// Taylor series Phi(x) = 1/2 + phi(x) (x + x^3/3 + x^5/(3*5) + ...), summed
// innermost first with a depth fixed from x; the depth lives in a byte.
Real NormalCdfSeries(Real x) {
    const int n = checked::ToByte(Trunc(10 * Abs(x) + 8));
    const Real x2 = Mul(x, x);
    Real s = x;
    for (int i = n; i >= 1; --i) s = x + x2 * s / (2 * i + 1);
    return Exp(-x2 * 0.5_r) * s / kSqrt2Pi + 0.5_r;
}

// Continued fraction for the normal tail (Laplace), evaluated bottom-up with a
// fixed depth; the depth formulas differ on the two sides of 0 and must stay
// in a byte. Through NormalCdfAccurate x is never 0 here.
Real NormalCdfContinuedFraction(Real x) {
    const Real x2 = Mul(x, x);
    const Real depth = x >= 0 ? Div(85, x) - 12 + Div(255, x2) : 2 - Div(52, x) + Div(345, x2);
    const int n = checked::ToByte(Trunc(depth));
    Real e = x2;
    for (int i = n; i >= 1; --i) {
        const long long fourI = 4LL * i;
        const long long pairProduct = (2LL * i) * (2LL * i + 1);
        e = x2 + fourI - 1 - Div(pairProduct, e);
    }
    const Real c = Exp(-x2 * 0.5_r) * (Div(1, e) - 1) / (kSqrt2Pi * x);
    return x >= 0 ? c + 1 : c;
}

}  // namespace detail

Real NormalCdfAccurate(Real x) {
    if (x == 0) return 0.5_r;
    const std::int64_t t = Trunc(100 * x);
    if (t >= kLowestBand && t < kSeriesFrom) return detail::NormalCdfContinuedFraction(x);
    if (t >= kSeriesFrom && t <= kSeriesTo) return detail::NormalCdfSeries(x);
    if (t > kSeriesTo && t <= kHighestBand) return detail::NormalCdfContinuedFraction(x);
    return x >= 0 ? 1 : NormalUpperTail(-x);
}

Real NormalUpperTail(Real x) {
    if (x < 2) return 1 - NormalCdfAccurate(x);
    // Beyond 2 the tail directly, to the Real's precision at every x:
    // 1 - Phi(x) = Q(1/2, x^2/2) / 2 = x phi(x) F(x^2/2) / 2, F being the
    // upper incomplete gamma's continued fraction at shape 1/2, and phi(x)
    // with x^2 in two parts, so that its exponential sees the exact square.
    const DoubleReal square = double_real::TwoProduct(x, x);
    const Real phi = RawExp(-square.hi / 2) * (1 - square.lo / 2) / kSqrt2Pi;
    const Real tail = x * phi * detail::UpperGammaContinuedFraction(0.5_r, square.hi / 2) / 2;
    return tail < std::numeric_limits<Real>::min() ? 0 : tail;
}

Real NormalUpperTailFast(Real x) {
    const bool negative = x < 0;
    const Real a = Abs(x);
    // Each stage is rounded to double, as the approximation was published for.
    const double t = ToDouble(1 / (1 + kCdfScale * a));
    const double p = ToDouble(
        ((((1.330274429_r * t - 1.821255978_r) * t + 1.781477937_r) * t - 0.356563782_r) * t +
         0.31938153_r) *
        t);
    double d = ToDouble(Exp(-Mul(a, a) / 2) * p / kSqrt2Pi13);
    if (negative) d = ToDouble(1 - Real(d));
    return d;
}

Real NormalQuantile(Real p) {
    // The comparison is made in Reals: a double constant would round to 1 and
    // cap NormalQuantile(0.9999999999999999) at 8 instead of about 8.222.
    if (!(p <= 0.9999999999999999_r)) return 8;
    const double q = ToDouble(p > 0.5_r ? 1 - p : p);
    const double y = ToDouble(Sqrt(-Ln(Real(q) * Real(q))));
    const Real num =
        kQuantileP[0] +
        y * (kQuantileP[1] + y * (kQuantileP[2] + y * (kQuantileP[3] + y * Real(kQuantileP[4]))));
    const Real den =
        kQuantileQ[0] +
        y * (kQuantileQ[1] + y * (kQuantileQ[2] + y * (kQuantileQ[3] + y * Real(kQuantileQ[4]))));
    const double z = ToDouble(y + Div(num, den));
    return p > 0.5_r ? z : -z;
}

}  // namespace tarvik
