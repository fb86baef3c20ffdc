#pragma once
// The two-proportion z-test's power at 50 digits: Phi from Boost's erfc,
// z from the 50-digit chi-square quantile of 1 df, the same Reals in.
#include "core/real.h"
#include "tests/support/reference.h"

namespace tarvik::test {

inline Ref RefPhi(const Ref& x) { return reference::Erfc(-x / sqrt(Ref(2))) / 2; }

inline Ref RefTwoProportionsPower(Real p1r, Real p2r, Real n1r, Real n2r, Real alpha, bool corrected) {
    const Ref p1(p1r), p2(p2r), n1(n1r), n2(n2r);
    const Ref inverse = 1 / n1 + 1 / n2, pooled = (n1 * p1 + n2 * p2) / (n1 + n2);
    const Ref s0 = sqrt(pooled * (1 - pooled) * inverse), s1 = sqrt(p1 * (1 - p1) / n1 + p2 * (1 - p2) / n2);
    const Ref cut = sqrt(ReferenceQuantile(1, Ref(alpha), true)) * s0 + (corrected ? inverse / 2 : Ref(0));
    const Ref d = abs(p2 - p1);
    return RefPhi((d - cut) / s1) + RefPhi((-d - cut) / s1);
}

}  // namespace tarvik::test
