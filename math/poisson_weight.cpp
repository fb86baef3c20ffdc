// The Poisson weight w(b, lambda) = lambda^b e^-lambda / Gamma(b + 1) to a
// few epsilons for every b >= 0 and lambda >= 0: the factor in front of
// both tails of the chi-square distribution and of its density.
//
// Formed directly, its logarithm b ln lambda - lambda - ln Gamma(b + 1)
// sums terms up to 3e5 (df 65535) that cancel to a few units, and an
// exponent near 11000 held in one Real is already 1e-15 off. Loader's
// saddle-point form ("Fast and accurate computation of binomial
// probabilities", 2000) keeps every part small or exact:
//   w = exp(-(stirlerr(b) + bd0(b, lambda))) / sqrt(2 pi b),
// with stirlerr(b) = ln Gamma(b + 1) - (b + 1/2) ln b + b - ln sqrt(2 pi)
// below 0.16, and the deviance bd0(b, lambda) = b ln(b / lambda) + lambda - b
// >= 0 summed in double-Real precision, so that exp sees its exponent to
// the last bit.
#include <cfloat>
#include <limits>

#include "core/checked_math.h"
#include "math/constants.h"
#include "math/detail.h"
#include "math/double_real.h"

namespace tarvik::detail {

using namespace double_real;

namespace {

// stirlerr(n/2) for n = 1..30, from mpmath at 60 digits (ln Gamma(b + 1) of
// the exact factorials and Gamma(1/2) = sqrt(pi)), rounded to the Real.
const Real kStirlingErrorHalves[30] = {
    0.153426409720027345291383939271_r,   0.0810614667953272582196702635944_r,
    0.0548141210519176538961387023484_r,  0.0413406959554092940938220814071_r,
    0.0331628735199362874851105097411_r,  0.0276779256849983391487892927462_r,
    0.0237461636562974959713302790901_r,  0.0207906721037650931115227717678_r,
    0.0184884505326731852307793574826_r,  0.0166446911898211921631948653736_r,
    0.0151349732219173788735138368822_r,  0.0138761288230707479987457270238_r,
    0.0128104652429202269242506552811_r,  0.0118967099458917700950557241177_r,
    0.0111045597582069173266307551973_r,  0.0104112652619720964974785671325_r,
    0.00979941612615880329839037340201_r, 0.0092554621827127329177286366331_r,
    0.00876870013413938546295504726946_r, 0.00833056343336287125646931865963_r,
    0.00793411456431402054724956249094_r, 0.0075736754879518407949720242116_r,
    0.00724455430132038317954619660155_r, 0.00694284010720952986566415266348_r,
    0.0066652470327076824423561808954_r,  0.00640899418800420706843963108298_r,
    0.00617171226303945764753460479777_r, 0.00595137011275884773562441604647_r,
    0.00574621651301011568202610247709_r, 0.00555473355196280137103868995979_r,
};
const Real kTableEnd = 15;

// Beyond b = 15 the asymptotic series sum B_2k / (2k (2k-1) b^(2k-1)),
// k = 1..8: its first omitted term is below 2e-21 there.
Real StirlingSeries(Real b) {
    static const Real c[8] = {1 / 12.0_r,          -1 / 360.0_r,          1 / 1260.0_r,
                              -1 / 1680.0_r,       1 / 1188.0_r,          -691 / 360360.0_r,
                              1 / 156.0_r,         -3617 / 122400.0_r};
    const Real w = 1 / (b * b);
    return (c[0] + w * (c[1] + w * (c[2] + w * (c[3] + w * (c[4] + w * (c[5] + w * (c[6] + w * c[7]))))))) / b;
}

// The smallest normal Real: a weight below it counts as 0 (a value below
// the Real's range), rather than a denormal with fewer digits.
const Real kSmallestNormal = std::numeric_limits<Real>::min();

}  // namespace

Real StirlingError(Real b) {
    const Real twice = 2 * b;
    if (b <= kTableEnd && twice >= 1 && twice == Floor(twice)) return kStirlingErrorHalves[int(checked::Trunc(twice)) - 1];
    if (b > kTableEnd) return StirlingSeries(b);
    // Any other b below 15 (a df that is no whole number): up by the
    // recurrence stirlerr(b) = stirlerr(b + 1) + (b + 1/2) ln((b + 1) / b) - 1,
    // in double-Real precision, with b + k itself held exactly.
    auto logOf = [](const DoubleReal& v) { return Add(LogDoubleReal(v.hi), v.lo / v.hi); };
    DoubleReal shift, at{b, 0};
    while (!(at.hi > kTableEnd)) {
        const DoubleReal next = Add(at, Real(1));
        const DoubleReal term = Multiply(Subtract(logOf(next), logOf(at)), Add(at, 0.5_r));
        shift = Add(shift, Add(term, Real(-1)));
        at = next;
    }
    return StirlingSeries(at.hi) + shift.hi + shift.lo;
}

// (n + 1/2) ln n - n + ln sqrt(2 pi) + stirlerr(n). The large parts carry
// about 1e-27 of absolute error each, so a ratio of factorials of numbers
// up to 1e9 keeps about 1e-18 of relative precision, where lgamma's
// separate roundings would leave n epsilons.
DoubleReal LnFactorial(Real n) {
    const Real kLnSqrt2Pi = 0.918938533204672741780329736406_r;
    if (n == 0) return {};
    DoubleReal v = Multiply(LogDoubleReal(n), n + 0.5_r);
    v = Add(v, -n);
    v = Add(v, kLnSqrt2Pi);
    return Add(v, StirlingError(n));
}

DoubleReal PoissonDeviance(Real b, Real lambda) {
    // ln(b / lambda) from the double-Real quotient while it stays in range,
    // else as a difference of two logarithms (lambda near the bottom of it).
    DoubleReal logRatio;
    if (lambda >= 1e-4900_r) {
        const DoubleReal q = Divide(b, lambda);
        const DoubleReal lq = LogDoubleReal(q.hi);
        logRatio = Add(lq, q.lo / q.hi);
    } else {
        logRatio = Subtract(LogDoubleReal(b), LogDoubleReal(lambda));
    }
    DoubleReal d = Add(Multiply(logRatio, b), TwoSum(lambda, -b));
    if (d.hi < 0) d = {};  // bd0 >= 0: only rounding far below its scale goes under
    return d;
}

Real PoissonWeight(Real b, Real lambda, const DoubleReal& lnFactor) {
    if (lambda == 0) return b == 0 ? 1 : 0;
    DoubleReal y;
    Real root = 1;
    if (b == 0) {
        y = {lambda, 0};
    } else {
        y = Add(PoissonDeviance(b, lambda), StirlingError(b));
        root = checked::Sqrt(constants::kTwoPi * b);
    }
    y = Subtract(y, lnFactor);
    const Real w = checked::Fin(RawExp(-y.hi) * (1 - y.lo) / root);
    return w < kSmallestNormal ? 0 : w;
}

}  // namespace tarvik::detail
