#pragma once
// The independent reference of the accuracy tests: Boost.Math in 50-digit
// binary floating point (cpp_bin_float_50, about 166 bits), far beyond the
// Real's 64. None of our functions takes part in it.
//
// Boost's special functions and distributions are instantiated once, in
// tests/support/reference.cpp, not in every test that asks: at 50 digits
// each instantiation of the incomplete gamma or a distribution cost a test
// file some 8 seconds of compiling, in two configurations. A test sees only
// the 50-digit number type and the declarations.
#include <gtest/gtest.h>

#include <limits>

#include "core/real.h"
#include "tests/support/reference_functions.h"

namespace tarvik::test {

inline ReferenceChiSquare ReferenceAt(Real df, Real x) { return ReferenceChiSquareAt(Ref(df), Ref(x)); }

inline Ref ReferenceQuantile(Real df, const Ref& t, bool upper) { return ReferenceChiSquareQuantile(Ref(df), t, upper); }

// The accuracy every computed probability and statistic is held to: 64
// epsilons of the Real (3.5e-18), a sixth of the 2e-17 that every printed
// digit needs. Each file's header says why its sums stay well inside it.
inline const Real kAccuracyEpsilons = 64;

// |got - want| / want in epsilons of the Real. A reference below the
// smallest normal Real lies below the Real's range: it must come out as 0.
inline Real EpsilonsFrom(Real got, const Ref& want) {
    const Ref smallest(std::numeric_limits<Real>::min());
    if (abs(want) < smallest) return got == 0 ? 0 : std::numeric_limits<Real>::max();
    return static_cast<Real>(abs((Ref(got) - want) / want) / Ref(std::numeric_limits<Real>::epsilon()));
}

}  // namespace tarvik::test
