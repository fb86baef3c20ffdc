#pragma once
// A number held as the unevaluated sum of two Reals, hi + lo with |lo| at
// most half a unit of hi: about 128 bits of precision from Real arithmetic
// alone ("double-double" arithmetic, Dekker 1971; Knuth's TwoSum). The
// tails of the chi-square distribution are exp(-y) with y up to 11400:
// a Real holds such a y only to 1e-15, which would be the relative error of
// the probability. Built in two parts, y keeps its last digits.
//
// The error-free steps need round-to-nearest arithmetic with no wider
// intermediates: true of x87 long double (its own width) and of the
// software Real, whose operations are correctly rounded. Never compile
// them with fast-math flags (the build forbids them).
#include "core/real.h"

namespace tarvik {

struct DoubleReal {
    Real hi = 0, lo = 0;
};

namespace double_real {

// a + b exactly, as the rounded sum and its error (Knuth).
[[gnu::always_inline]] inline DoubleReal TwoSum(const Real& a, const Real& b) {
    const Real s = a + b;
    const Real bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// As TwoSum, for |a| >= |b| (or a = 0) (Dekker).
[[gnu::always_inline]] inline DoubleReal FastTwoSum(const Real& a, const Real& b) {
    const Real s = a + b;
    return {s, b - (s - a)};
}

// a * b exactly: Dekker's product with Veltkamp's split of the 64-bit
// mantissa into two halves of 32 bits (splitter 2^32 + 1). Valid while
// |a|, |b| stay below about 1e4922 and the product above 1e-4900.
inline DoubleReal TwoProduct(const Real& a, const Real& b) {
    const Real kSplitter = 4294967297.0_r;
    const Real p = a * b;
    const Real ca = a * kSplitter, cb = b * kSplitter;
    const Real aHi = ca - (ca - a), bHi = cb - (cb - b);
    const Real aLo = a - aHi, bLo = b - bHi;
    return {p, ((aHi * bHi - p) + aHi * bLo + aLo * bHi) + aLo * bLo};
}

[[gnu::always_inline]] inline DoubleReal Add(const DoubleReal& x, const DoubleReal& y) {
    DoubleReal s = TwoSum(x.hi, y.hi);
    const DoubleReal t = TwoSum(x.lo, y.lo);
    s = FastTwoSum(s.hi, s.lo + t.hi);
    return FastTwoSum(s.hi, s.lo + t.lo);
}

[[gnu::always_inline]] inline DoubleReal Add(const DoubleReal& x, const Real& y) {
    const DoubleReal s = TwoSum(x.hi, y);
    return FastTwoSum(s.hi, s.lo + x.lo);
}

inline DoubleReal Negate(const DoubleReal& x) { return {-x.hi, -x.lo}; }

[[gnu::always_inline]] inline DoubleReal Subtract(const DoubleReal& x, const DoubleReal& y) { return Add(x, Negate(y)); }

inline DoubleReal Multiply(const DoubleReal& x, const DoubleReal& y) {
    const DoubleReal p = TwoProduct(x.hi, y.hi);
    return FastTwoSum(p.hi, p.lo + (x.hi * y.lo + x.lo * y.hi));
}

inline DoubleReal Multiply(const DoubleReal& x, const Real& y) {
    const DoubleReal p = TwoProduct(x.hi, y);
    return FastTwoSum(p.hi, p.lo + x.lo * y);
}

// x / y: the Real quotient, then one correction from the exact remainder.
inline DoubleReal Divide(const DoubleReal& x, const DoubleReal& y) {
    const Real q = x.hi / y.hi;
    const DoubleReal r = Subtract(x, Multiply(y, q));
    return FastTwoSum(q, r.hi / y.hi);
}

inline DoubleReal Divide(const Real& x, const Real& y) { return Divide(DoubleReal{x, 0}, DoubleReal{y, 0}); }

}  // namespace double_real

// Neumaier's compensated sum: the rounding of each addition is kept apart,
// so the error of a long sum does not grow with the number of its terms.
class CompensatedSum {
public:
    void Add(const Real& v) {
        const DoubleReal s = double_real::TwoSum(sum_, v);
        sum_ = s.hi;
        carry_ += s.lo;
    }
    Real Value() const { return sum_ + carry_; }

private:
    Real sum_ = 0, carry_ = 0;
};

// ln y for a positive, finite, normal Real, to about 1e-27 absolute: ln 2
// and ln(1 + j/64) from a table built once in double-Real precision, and
// ln(1 + u) for |u| <= 1/128 by the series of 2 atanh(u / (2 + u)).
DoubleReal LogDoubleReal(const Real& y);

// ln 2 in double-Real precision.
DoubleReal Ln2DoubleReal();

}  // namespace tarvik
