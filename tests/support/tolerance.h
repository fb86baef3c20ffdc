#pragma once
// Tolerances of the mathematics' tests as relative errors in units of the
// Real's epsilon (about 1.08e-19), as Boost.Math states its accuracy: a
// check names how many epsilons a region may lose, and why.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/real.h"

namespace tarvik::test {

inline const Real kEps = std::numeric_limits<Real>::epsilon();

// |got - want| / |want| in epsilons (absolute where want is 0).
inline Real EpsilonsApart(Real got, Real want) {
    const Real scale = want == 0 ? 1 : Abs(want);
    return Abs(got - want) / scale / kEps;
}

inline ::testing::AssertionResult WithinEpsilons(Real got, Real want, Real epsilons) {
    const Real apart = EpsilonsApart(got, want);
    if (apart <= epsilons) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << static_cast<double>(got) << " is " << static_cast<double>(apart)
                                         << " epsilons from " << static_cast<double>(want) << ", allowed "
                                         << static_cast<double>(epsilons);
}

}  // namespace tarvik::test
