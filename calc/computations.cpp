#include "calc/computations.h"

#include "core/errors.h"
#include "core/number_text.h"
#include "math/distributions.h"

namespace tarvik {

ExactTails TailsOfText(const std::string& text, Field tail, const FormatSettings& fs) {
    Real own = 0, other = 0;
    const std::string complement = DecimalComplement(text, fs);
    if (complement.empty() || !TryTextToReal(text, own, fs) || !TryTextToReal(complement, other, FormatSettings{}))
        throw EConvertError(text);
    return tail == Field::UpperTail ? ExactTails{other, own} : ExactTails{own, other};
}

Real QuantileOfTails(Real df, const ExactTails& tails) {
    return tails.cdf <= tails.upper ? ChiSquareQuantile(df, tails.cdf) : ChiSquareUpperQuantile(df, tails.upper);
}

void DensityAt(Real df, Real x, Real& density, bool& unbounded) {
    unbounded = ChiSquarePdfIsUnbounded(df, x);
    density = unbounded ? 0 : ChiSquarePdf(df, x);
}

Results ResultsAtValue(Real df, Real x) {
    const ChiSquareTailPair tails = ChiSquareTails(df, x);
    Results r{df, x, tails.cdf, tails.upper, 0, false};
    DensityAt(df, x, r.density, r.densityUnbounded);
    return r;
}

Results ResultsAtTails(Real df, const ExactTails& tails) {
    const Real x = QuantileOfTails(df, tails);
    Results r{df, x, tails.cdf, tails.upper, 0, false};
    DensityAt(df, x, r.density, r.densityUnbounded);
    return r;
}

Real ProbabilityBetween(Real df, Real a, Real b) { return ChiSquareProbabilityBetween(df, a, b); }

}  // namespace tarvik
