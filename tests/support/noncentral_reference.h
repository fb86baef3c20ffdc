#pragma once
// Two independent 50-digit references for the noncentral chi-square:
// Boost.Math's non_central_chi_squared at cpp_bin_float_50, and a direct
// sum of the Poisson mixture over every term from j = 0 to far beyond both
// the Poisson bulk and the terms' peak. Boost's own corners (large
// noncentrality, far tails) are where the reported library failures come
// from, so the corners are checked on the direct sum, and the two are
// checked against each other where both work.
#include "tests/support/reference.h"

namespace tarvik::test {

inline ReferenceNoncentral BoostNoncentralAt(Real df, Real ncp, Real x) {
    return BoostNoncentral(Ref(df), Ref(ncp), Ref(x));
}

inline ReferenceNoncentral MixtureReferenceAt(Real df, Real ncp, Real x) {
    return MixtureReference(Ref(df), Ref(ncp), Ref(x));
}

// The x at which the lower (or upper) tail of the mixture equals t:
// Newton in 50 digits on ln T against ln x, from `start`.
inline Ref MixtureQuantile(Real df, Real ncp, const Ref& t, bool upper, Real start) {
    return MixtureQuantile(Ref(df), Ref(ncp), t, upper, Ref(start));
}

}  // namespace tarvik::test
