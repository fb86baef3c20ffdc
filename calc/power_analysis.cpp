#include "calc/power_analysis.h"

#include "calc/limits.h"
#include "core/decimal_digits.h"
#include "math/chi_square_power.h"
#include "math/distributions.h"

namespace tarvik {

namespace {

[[noreturn]] void Refuse(PowerField field, const std::string& why) { throw PowerInputError{field, why}; }

bool IsProbability(Real p) { return p > 0 && p < 1; }

void Check(const PowerQuestion& q) {
    const Limits& limits = CommandLineLimits();
    if (!(q.df >= limits.lowestDf && q.df <= limits.highestDf) || q.df != Floor(q.df))
        Refuse(PowerField::Df, "must be a whole number from 1 to " + std::to_string(limits.highestDf));
    const auto given = [&](PowerField f) { return q.unknown != f; };
    if (given(PowerField::EffectSize) && !(q.w > 0)) Refuse(PowerField::EffectSize, "must be above 0");
    if (given(PowerField::Alpha) && !IsProbability(q.alpha)) Refuse(PowerField::Alpha, "must lie between 0 and 1");
    if (given(PowerField::Power) && !IsProbability(q.power)) Refuse(PowerField::Power, "must lie between 0 and 1");
    if (given(PowerField::SampleSize) && !(q.n >= 1 && q.n <= kLargestSampleSize && q.n == Floor(q.n)))
        Refuse(PowerField::SampleSize, "must be a whole number from 1 to 1000000000");
    // A test of level alpha has power alpha at no effect and more above it.
    if (given(PowerField::Alpha) && given(PowerField::Power) && !(q.power > q.alpha))
        Refuse(PowerField::Power, "must be above alpha");
    if (given(PowerField::EffectSize) && given(PowerField::SampleSize) && q.n * q.w * q.w > kLargestNoncentrality)
        Refuse(PowerField::EffectSize, "gives a noncentrality N w\u00B2 above 1000000");
}

}  // namespace

const char* PowerFieldName(PowerField field) {
    switch (field) {
        case PowerField::Df: return "df";
        case PowerField::EffectSize: return "effect size w";
        case PowerField::Alpha: return "alpha";
        case PowerField::Power: return "power";
        case PowerField::SampleSize: return "N";
    }
    return "";
}

PowerAnswer SolvePower(const PowerQuestion& q) {
    Check(q);
    PowerAnswer a{q.df, q.w, q.alpha, q.power, q.n, 0, 0};
    switch (q.unknown) {
        case PowerField::SampleSize:
            a.n = ChiSquareTestSampleSize(q.df, q.w, q.alpha, q.power, kLargestSampleSize);
            if (a.n == 0) Refuse(PowerField::SampleSize, "no N up to 1000000000 reaches this power");
            a.power = ChiSquareTestPower(q.df, q.w, q.alpha, a.n);
            break;
        case PowerField::Power: a.power = ChiSquareTestPower(q.df, q.w, q.alpha, q.n); break;
        case PowerField::EffectSize: a.w = ChiSquareTestEffectSize(q.df, q.alpha, q.power, q.n); break;
        case PowerField::Alpha: a.alpha = ChiSquareTestAlpha(q.df, q.w, q.power, q.n); break;
        case PowerField::Df: Refuse(PowerField::Df, "is always given");
    }
    a.lambda = a.n * a.w * a.w;
    a.critical = ChiSquareUpperQuantile(a.df, a.alpha);
    return a;
}

const std::vector<std::string>& PowerHeader() {
    static const std::vector<std::string> header{"df", "w", "alpha", "power", "N", "lambda", "critical"};
    return header;
}

std::vector<std::string> PowerCells(const PowerAnswer& a, const NumberFormat& format, const FormatSettings& fs) {
    const auto number = [&](Real v) { return FormatNumber(v, format, fs); };
    return {FixedDigits(a.df, 0), number(a.w),        number(a.alpha),   number(a.power),
            FixedDigits(a.n, 0),  number(a.lambda), number(a.critical)};
}

}  // namespace tarvik
