#include "calc/variance_test.h"

#include <algorithm>

#include "core/checked_math.h"
#include "core/decimal_digits.h"
#include "math/distributions.h"

namespace tarvik {

VarianceAnswer AnswerVariance(const VarianceQuestion& q) {
    using namespace checked;
    VarianceAnswer a;
    a.df = q.n - 1;
    // Each tail's half of 1 - level, from the level's exact decimal
    // complement: halving is exact, and each quantile is solved on its
    // own small tail.
    const Real half = q.level.upper / 2;
    const Real sum = a.df * q.variance;
    a.varianceLow = Div(sum, ChiSquareUpperQuantile(a.df, half));
    a.varianceHigh = Div(sum, ChiSquareQuantile(a.df, half));
    a.sdLow = Sqrt(a.varianceLow);
    a.sdHigh = Sqrt(a.varianceHigh);
    if (q.hasNullVariance) {
        a.chiSquare = Div(sum, q.nullVariance);
        a.pLower = ChiSquareCdf(a.df, a.chiSquare);
        a.pUpper = ChiSquareUpperTail(a.df, a.chiSquare);
        a.pTwoSided = std::min<Real>(1, 2 * std::min(a.pLower, a.pUpper));
    }
    return a;
}

TextTable VarianceRecord(const VarianceQuestion& q, const NumberFormat& format) {
    const VarianceAnswer a = AnswerVariance(q);
    const auto n = [&](Real v) { return FormatNumber(v, format, FormatSettings{}); };
    TextTable t{TextTable::Kind::Records, "", {"n", "df", "s2", "var_low", "var_high", "sd_low", "sd_high"},
                {{FixedDigits(q.n, 0), FixedDigits(a.df, 0), n(q.variance), n(a.varianceLow), n(a.varianceHigh),
                  n(a.sdLow), n(a.sdHigh)}}};
    if (q.hasNullVariance) {
        for (const char* key : {"chi2", "p_lower", "p_upper", "p_two"}) t.header.push_back(key);
        for (const Real& v : {a.chiSquare, a.pLower, a.pUpper, a.pTwoSided}) t.rows[0].push_back(n(v));
    }
    return t;
}

}  // namespace tarvik
