// The density for the chart: 200 points per redraw of one df, with the
// x-independent denominator 2^(df/2) Gamma(df/2) formed once. Within about
// 1e-14 of the exact density (chi_square.cpp): far below a pixel, and the
// direct product it takes wherever it fits costs a power and an exponential.
#include "math/constants.h"
#include "math/distributions.h"
#include "core/checked_math.h"

namespace tarvik {

using namespace checked;

namespace {

using constants::kLn2;

// The numerator reaches about 1e442 at df 299, x 922.5; never narrow it.
Real PdfNumerator(Real h, Real x) { return Mul(Power(x, h - 1), Exp(-x / 2)); }

// ln of the largest Real is about 11356.5. Below this bound neither
// x^(h-1), 2^h Gamma(h) nor e^(-x/2) leaves the normal range, so the direct
// product is exact to the last bits. Beyond it (a typed df above about 3400
// before the spin edit corrects it, or a value past 22000) the direct
// product overflows or underflows to a false 0.
const Real kDirectLnLimit = 11000;

bool DenominatorFits(Real h, Real lnGammaH) { return h * kLn2 + lnGammaH < kDirectLnLimit; }
bool NumeratorFits(Real h, Real x) {
    // Every value and df the window passes (x within 1e-4..1e4, df up to
    // 300): |ln x| <= 9.3, so (h - 1) ln x stays far below the limit
    // without taking a logarithm per chart point.
    if (x >= 1e-4_r && x <= 1e4_r && Abs(h - 1) < 1000) return true;
    return Abs(h - 1) * Abs(Ln(x)) < kDirectLnLimit && x / 2 < kDirectLnLimit;
}

// f(x) = exp((h-1) ln x - x/2 - h ln 2 - ln Gamma(h)). The terms reach 3e5 at
// df 65535 and cancel to a few units: about 3e-14 relative, far inside the
// six decimals shown.
Real PdfInLogarithms(Real h, Real x, Real lnGammaH) { return Exp((h - 1) * Ln(x) - x / 2 - h * kLn2 - lnGammaH); }

}  // namespace

ChiSquarePdfTerms ChiSquarePdfPrepare(Real df) {
    ChiSquarePdfTerms terms{df, 0, 0, false};
    if (!(df > 0)) return terms;
    terms.lnGammaHalfDf = LnGamma(df / 2);
    if (DenominatorFits(df / 2, terms.lnGammaHalfDf)) {
        terms.direct = true;
        terms.denominator = Mul(Power(2, df / 2), Exp(terms.lnGammaHalfDf));
    }
    return terms;
}

Real ChiSquarePdfWith(const ChiSquarePdfTerms& terms, Real x) {
    const Real df = terms.df;
    if (!(df > 0 && x > 0)) return 0;
    const Real h = df / 2;
    if (terms.direct && NumeratorFits(h, x)) return Div(PdfNumerator(h, x), terms.denominator);
    return PdfInLogarithms(h, x, terms.lnGammaHalfDf);
}

}  // namespace tarvik
