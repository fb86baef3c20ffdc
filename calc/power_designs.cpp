#include "core/translation.h"
#include "calc/power_designs.h"

#include <algorithm>

#include "calc/answers.h"
#include "calc/command_line_error.h"
#include "core/checked_math.h"
#include "core/decimal_digits.h"
#include "core/number_text.h"
#include "math/chi_square_power.h"
#include "math/design_power.h"
#include "math/distributions.h"

namespace tarvik {

namespace {

[[noreturn]] void RefuseField(PowerField field, const std::string& why) { throw PowerInputError{field, why}; }
[[noreturn]] void RefuseInput(DesignInput input, const std::string& why) { throw DesignInputError{input, why}; }

// What every design shares with Cohen's: alpha, the power and N.
void CheckShared(const DesignQuestion& q) {
    const auto given = [&](PowerField f) { return q.unknown != f; };
    if (!IsOpenProbability(q.alpha)) RefuseField(PowerField::Alpha, Tr("Power", "must lie between 0 and 1"));
    if (given(PowerField::Power) && !IsOpenProbability(q.power)) RefuseField(PowerField::Power, Tr("Power", "must lie between 0 and 1"));
    if (given(PowerField::SampleSize) && !(q.n >= 1 && q.n <= kLargestSampleSize && q.n == Floor(q.n)))
        RefuseField(PowerField::SampleSize, Tr("Power", "must be a whole number from 1 to 1000000000"));
    if (given(PowerField::Power) && !(q.power > q.alpha)) RefuseField(PowerField::Power, Tr("Power", "must be above alpha"));
}

void SolveMcNemar(DesignAnswer& a) {
    DesignQuestion& q = a.solved;
    if (!IsOpenProbability(q.p01)) RefuseInput(DesignInput::P01, Tr("Power", "must lie between 0 and 1"));
    if (q.unknown != PowerField::EffectSize) {
        if (!IsOpenProbability(q.p10)) RefuseInput(DesignInput::P10, Tr("Power", "must lie between 0 and 1"));
        if (!(q.p10 + q.p01 <= 1)) RefuseInput(DesignInput::P10, Tr("Power", "and p01 add up to more than 1"));
        if (q.p10 == q.p01) RefuseInput(DesignInput::P10, Tr("Power", "equals p01: there is no effect to detect"));
        a.w = McNemarEffectSize(q.p10, q.p01);
    }
    switch (q.unknown) {
        case PowerField::SampleSize:
            q.n = ChiSquareTestSampleSize(1, a.w, q.alpha, q.power, kLargestSampleSize);
            if (q.n == 0) RefuseField(PowerField::SampleSize, Tr("Power", "no N up to 1000000000 reaches this power"));
            [[fallthrough]];
        case PowerField::Power:
            if (q.n * a.w * a.w > kLargestNoncentrality)
                RefuseInput(DesignInput::P10, Tr("Power", "gives a noncentrality N w\u00B2 above 1000000"));
            q.power = ChiSquareTestPower(1, a.w, q.alpha, q.n);
            break;
        default:
            a.w = ChiSquareTestEffectSize(1, q.alpha, q.power, q.n);
            q.p10 = McNemarDetectableP10(a.w, q.p01);
            if (!(q.p10 + q.p01 <= 1))
                RefuseField(PowerField::EffectSize, Tr("Power", "no p10 up to 1 - p01 reaches this power: give a larger N"));
    }
    if (q.n <= kLargestExactPairs) a.exactPower = McNemarExactPower(q.p10, q.p01, q.n, q.alpha);
}

// The n1 of the normal approximation's closed form (Fleiss, Levin and Paik
// 2003, formulas 4.14 and 4.16): only a start for the search, which then
// checks every candidate on the power itself.
Real TwoProportionsGuess(const DesignQuestion& q) {
    const Real k = q.ratio, d = Abs(q.p2 - q.p1);
    const Real pooled = (q.p1 + k * q.p2) / (1 + k);
    const Real z = checked::Sqrt(ChiSquareUpperQuantile(1, q.alpha)), zBeta = NormalQuantile(q.power);
    const Real root = z * checked::Sqrt((1 + 1 / k) * pooled * (1 - pooled)) +
                      zBeta * checked::Sqrt(q.p1 * (1 - q.p1) + q.p2 * (1 - q.p2) / k);
    Real n = root * root / (d * d);
    if (q.corrected) {
        const Real widen = 1 + checked::Sqrt(1 + 2 * (k + 1) / (k * n * d));
        n = n / 4 * widen * widen;
    }
    return std::min(n, kLargestSampleSize);
}

void SolveTwoProportions(DesignAnswer& a) {
    DesignQuestion& q = a.solved;
    if (!IsOpenProbability(q.p1)) RefuseInput(DesignInput::P1, Tr("Power", "must lie between 0 and 1"));
    if (!(q.ratio > 0 && q.ratio <= 1000)) RefuseInput(DesignInput::Ratio, Tr("Power", "must lie above 0, up to 1000"));
    if (q.unknown != PowerField::EffectSize) {
        if (!(q.p2 >= 0 && q.p2 <= 1)) RefuseInput(DesignInput::P2, Tr("Power", "must lie from 0 to 1"));
        if (q.p2 == q.p1) RefuseInput(DesignInput::P2, Tr("Power", "equals p1: there is no effect to detect"));
    }
    const auto power = [&](Real p2, Real n1) {
        return TwoProportionsPower(q.p1, p2, n1, SecondGroupSize(n1, q.ratio), q.alpha, q.corrected);
    };
    switch (q.unknown) {
        case PowerField::SampleSize:
            q.n = SmallestWholeReaching([&](Real n1) { return power(q.p2, n1) >= q.power; }, TwoProportionsGuess(q),
                                        kLargestSampleSize);
            if (q.n == 0) RefuseField(PowerField::SampleSize, Tr("Power", "no N up to 1000000000 reaches this power"));
            [[fallthrough]];
        case PowerField::Power: q.power = power(q.p2, q.n); break;
        default: {
            // Power rises with |p2 - p1| on each side of p1: a root above
            // it, and one below, where either reaches the power.
            std::optional<Real> above, below;
            if (power(1, q.n) >= q.power)
                above = RisingRoot([&](Real p2) { return power(p2, q.n); }, q.power, q.p1, 1);
            if (power(0, q.n) >= q.power)
                below = RisingRoot([&](Real p2) { return -power(p2, q.n); }, -q.power, 0, q.p1);
            if (!above && !below)
                RefuseField(PowerField::EffectSize, Tr("Power", "no p2 from 0 to 1 reaches this power: give a larger N"));
            q.p2 = above ? *above : *below;
            if (above) a.p2Other = below;
        }
    }
    a.n2 = SecondGroupSize(q.n, q.ratio);
    a.total = q.n + a.n2;
    a.w = TwoProportionsEffectSize(q.p1, q.p2, a.n2 / q.n);
}

// A typed number within (low, high], or the refusal naming it.
Real TypedNumber(const std::string& name, const std::string& text, Real low, Real high, const std::string& range,
                 const FormatSettings& fs) {
    Real v = 0;
    if (!TryTextToReal(text, v, fs))
        RefuseField(PowerField::EffectSize, Fill(Tr("Power", "%1 '%2' is not a number"), {name, ShownItem(text)}));
    if (!(v > low && v <= high)) RefuseField(PowerField::EffectSize, Fill(Tr("Power", "%1 %2"), {name, range}));
    return v;
}

}  // namespace

EffectFromProportions EffectOfCramersV(const std::string& v, int rows, int columns, const FormatSettings& fs) {
    const Real value = TypedNumber("V", v, 0, 1, Tr("Power", "must lie above 0, up to 1"), fs);
    return {EffectSizeOfCramersV(value, rows, columns), (rows - 1) * (columns - 1)};
}

EffectFromProportions EffectOfOddsRatio(const std::string& baseline, const std::string& oddsRatio,
                                        const std::string& groupRatio, const FormatSettings& fs) {
    const Real p1 = TypedNumber("p1", baseline, 0, 1, Tr("Power", "must lie between 0 and 1"), fs);
    if (p1 == 1) RefuseField(PowerField::EffectSize, Tr("Power", "p1 must lie between 0 and 1"));
    const Real ratio = TypedNumber(Tr("Power", "the odds ratio"), oddsRatio, 0, 1e6_r, Tr("Power", "must lie above 0, up to 1000000"), fs);
    const Real groups = TypedNumber("n2 / n1", groupRatio, 0, 1000, Tr("Power", "must lie above 0, up to 1000"), fs);
    return {TwoProportionsEffectSize(p1, ProportionOfOddsRatio(p1, ratio), groups), 1};
}

Real WholeGroupSize(Real size) {
    // A ratio typed as a decimal is a binary number a hair off: 0.1 x 30
    // must give 3, not 4, so the product loses its last bits before it is
    // rounded up.
    return std::max<Real>(1, -Floor(-(size * (1 - 1e-15_r))));
}

DesignAnswer SolveDesign(const DesignQuestion& question) {
    if (question.unknown == PowerField::Alpha || question.unknown == PowerField::Df)
        RefuseField(question.unknown, Tr("Power", "is always given in this design"));
    CheckShared(question);
    DesignAnswer a;
    a.solved = question;
    if (question.design == PowerDesign::McNemar)
        SolveMcNemar(a);
    else
        SolveTwoProportions(a);
    const DesignQuestion& q = a.solved;
    a.lambda = (q.design == PowerDesign::McNemar ? q.n : a.total) * a.w * a.w;
    a.critical = ChiSquareUpperQuantile(1, q.alpha);
    return a;
}

std::vector<std::string> DesignHeader(const DesignQuestion& q) {
    if (q.design == PowerDesign::McNemar) return {"p10", "p01", "alpha", "power", "N", "w", "power_exact"};
    std::vector<std::string> header{"p1", "p2", "ratio", "corrected", "alpha", "power", "n1", "n2", "N", "w", "OR"};
    if (q.unknown == PowerField::EffectSize) header.push_back("p2_low");
    return header;
}

std::vector<std::string> DesignCells(const DesignAnswer& a, const NumberFormat& format, const FormatSettings& fs) {
    const auto number = [&](Real v) { return FormatNumber(v, format, fs); };
    const auto optional = [&](const std::optional<Real>& v) { return v ? number(*v) : std::string("-"); };
    const DesignQuestion& q = a.solved;
    if (q.design == PowerDesign::McNemar)
        return {number(q.p10), number(q.p01), number(q.alpha), number(q.power), FixedDigits(q.n, 0),
                number(a.w),   optional(a.exactPower)};
    std::vector<std::string> cells{number(q.p1),         number(q.p2),        number(q.ratio),
                                   q.corrected ? "yes" : "no", number(q.alpha), number(q.power),
                                   FixedDigits(q.n, 0),  FixedDigits(a.n2, 0), FixedDigits(a.total, 0),
                                   number(a.w)};
    cells.push_back(q.p2 > 0 && q.p2 < 1 ? number(OddsRatioOfProportions(q.p1, q.p2)) : std::string("-"));
    if (q.unknown == PowerField::EffectSize) cells.push_back(optional(a.p2Other));
    return cells;
}

}  // namespace tarvik
