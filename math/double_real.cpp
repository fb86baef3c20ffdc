// The logarithm in double-Real precision, for the exponents of the
// chi-square tails (see double_real.h).
#include "math/double_real.h"

#include <array>

#include "core/checked_math.h"

namespace tarvik {

using namespace double_real;

namespace {

constexpr int kTableSteps = 64;  // the table holds ln(1 + j/64), j = 0..64

// atanh(1/m) = sum 1/((2k+1) m^(2k+1)), summed in double-Real until the
// terms fall below 1e-40 of the sum (m >= 129 here: nine terms).
DoubleReal InverseAtanh(int m) {
    const DoubleReal s = Divide(Real(1), Real(m));
    const DoubleReal s2 = Multiply(s, s);
    DoubleReal term = s, sum = s;
    for (int k = 1; k < 40; ++k) {
        term = Multiply(term, s2);
        const DoubleReal part = Divide(term, DoubleReal{Real(2 * k + 1), 0});
        sum = Add(sum, part);
        if (Abs(part.hi) < 1e-40_r * Abs(sum.hi)) break;
    }
    return sum;
}

// ln(1 + j/64) as the sum of ln((64 + i) / (63 + i)) = 2 atanh(1 / (127 + 2i)):
// every step is a fast series, and the table's last entry is ln 2.
const std::array<DoubleReal, kTableSteps + 1>& LogTable() {
    static const std::array<DoubleReal, kTableSteps + 1> table = [] {
        std::array<DoubleReal, kTableSteps + 1> t{};
        for (int i = 1; i <= kTableSteps; ++i) {
            const DoubleReal step = InverseAtanh(2 * (kTableSteps + i) - 1);
            t[std::size_t(i)] = Add(t[std::size_t(i - 1)], DoubleReal{2 * step.hi, 2 * step.lo});
        }
        return t;
    }();
    return table;
}

}  // namespace

DoubleReal Ln2DoubleReal() { return LogTable()[kTableSteps]; }

DoubleReal LogDoubleReal(const Real& y) {
    if (!(y > 0) || !IsFinite(y)) throw EInvalidOp();
    int e = 0;
    Real m = Frexp(y, &e);  // [0.5, 1)
    m = Ldexp(m, 1);        // [1, 2)
    --e;
    // Rounded by truncating a half more: a library rounding call was a
    // twentieth of a large table's G^2. A tie may go either way: c is
    // within half a step of m all the same.
    const int j = int((m - 1) * kTableSteps + 0.5_r);
    const Real c = 1 + Real(j) / kTableSteps;  // exact: six bits after the point
    // m - c is exact (both lie in [1, 2], within 1/128 of each other).
    const DoubleReal u = Divide(m - c, c);
    // ln(1 + u) = 2 atanh(s) with s = u / (2 + u), |s| <= 1/256: the first
    // term in double-Real, the rest (below 2e-8) in Real.
    const DoubleReal s = Divide(u, Add(DoubleReal{2, 0}, u));
    const Real t = s.hi * s.hi;
    static const Real k3 = 1 / 3.0_r, k5 = 1 / 5.0_r, k7 = 1 / 7.0_r, k9 = 1 / 9.0_r, k11 = 1 / 11.0_r;
    const Real tail = s.hi * t * (k3 + t * (k5 + t * (k7 + t * (k9 + t * k11))));
    const DoubleReal series = Add(s, tail);
    DoubleReal result = Add(LogTable()[std::size_t(j)], DoubleReal{2 * series.hi, 2 * series.lo});
    if (e != 0) result = Add(Multiply(Ln2DoubleReal(), Real(e)), result);
    return result;
}

}  // namespace tarvik
