#pragma once
// Whether the numbers a calculator shows agree with each other to the six
// decimals shown: cdf = the chi-square cdf of the value at df, upper tail =
// 1 - cdf, density = the density at the value. A shown number stands for
// every number within half a unit of its last decimal, so each check
// brackets the function over the value's interval [v - 5e-7, v + 5e-7].
#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>

#include "calc/calculator.h"
#include "core/number_text.h"
#include "math/distributions.h"

namespace tarvik::test {

struct ShownNumbers {
    long long df;
    std::string value, cdf, upper, pdf;
    // Which of value, cdf, upper is still being typed (skipped), or -1.
    int typing = -1;
};

inline bool ShowsNegativeZero(const std::string& s) { return s.rfind("-0", 0) == 0 && s.find_first_of("123456789") == std::string::npos; }

// Empty when the numbers agree; else what disagrees.
inline std::optional<std::string> Disagreement(const ShownNumbers& n) {
    const Real kHalfUnit = 0.0000005_r;
    const Real kSlack = 1e-9_r;  // the reference's own rounding
    std::ostringstream why;
    Real v = 0, c = 0, u = 0, d = 0;
    const bool haveV = n.typing != 0 && TryTextToReal(n.value, v);
    const bool haveC = n.typing != 1 && TryTextToReal(n.cdf, c);
    const bool haveU = n.typing != 2 && TryTextToReal(n.upper, u);
    if (n.typing != 0 && !haveV) why << "value '" << n.value << "' is no number; ";
    if (n.typing != 1 && !haveC) why << "cdf '" << n.cdf << "' is no number; ";
    if (n.typing != 2 && !haveU) why << "upper tail '" << n.upper << "' is no number; ";
    // The density of df below 2 at x = 0 has no finite value, and says so.
    const bool unbounded = n.pdf == kUnboundedDensityText;
    if (!unbounded && !TryTextToReal(n.pdf, d)) why << "density '" << n.pdf << "' is no number; ";
    const std::string* fields[] = {&n.value, &n.cdf, &n.upper};
    for (int i = 0; i < 3; ++i)
        if (i != n.typing && ShowsNegativeZero(*fields[i])) why << "'" << *fields[i] << "' shows a negative zero; ";
    if (ShowsNegativeZero(n.pdf)) why << "density '" << n.pdf << "' shows a negative zero; ";
    if (haveC && (c < 0 || c > 1)) why << "cdf " << n.cdf << " outside [0, 1]; ";
    if (haveU && (u < 0 || u > 1)) why << "upper tail " << n.upper << " outside [0, 1]; ";
    if (haveC && haveU && Abs(c + u - 1) > 2 * kHalfUnit + kSlack)
        why << "cdf " << n.cdf << " + upper " << n.upper << " is not 1; ";
    if (haveV && v >= 0) {
        const Real df = Real(n.df);
        const Real lo = std::max<Real>(0, v - kHalfUnit), hi = v + kHalfUnit;
        const Real cLo = ChiSquareCdf(df, lo), cHi = ChiSquareCdf(df, hi);
        if (haveC && (c < cLo - kHalfUnit - kSlack || c > cHi + kHalfUnit + kSlack))
            why << "cdf " << n.cdf << " is not the cdf of " << n.value << " at df " << n.df << "; ";
        if (haveU && !haveC && (1 - u < cLo - kHalfUnit - kSlack || 1 - u > cHi + kHalfUnit + kSlack))
            why << "upper tail " << n.upper << " does not go with " << n.value << "; ";
        if (unbounded) {
            if (!ChiSquarePdfIsUnbounded(df, v)) why << "density shown unbounded at " << n.value << "; ";
        } else if (ChiSquarePdfIsUnbounded(df, lo)) {
            // Within half a unit of 0 the density of df 1 takes every value above f(hi).
            if (d < ChiSquarePdf(df, hi) - kHalfUnit - kSlack)
                why << "density " << n.pdf << " is not the density at " << n.value << "; ";
        } else {
            const Real f[] = {ChiSquarePdf(df, lo), ChiSquarePdf(df, v), ChiSquarePdf(df, hi)};
            const Real fLo = *std::min_element(f, f + 3), fHi = *std::max_element(f, f + 3);
            // A density beyond 1e18 is shown in the general format: 15 digits.
            const Real digits = 1e-14_r * fHi;
            if (d < fLo - kHalfUnit - kSlack - digits || d > fHi + kHalfUnit + kSlack + digits)
                why << "density " << n.pdf << " is not the density at " << n.value << "; ";
        }
    }
    if (why.str().empty()) return std::nullopt;
    return why.str();
}

}  // namespace tarvik::test
