#pragma once
// The power analysis a user asks for, checked and solved: the command line
// and the power window both come here. Three of w, alpha, power and N are
// given with df; the fourth is solved. A bad input is refused with a
// message naming the field, never answered with a wrong number.
#include <cstdint>
#include <string>
#include <vector>

#include "calc/text_table.h"
#include "core/format_settings.h"
#include "core/number_text.h"
#include "core/real.h"

namespace tarvik {

enum class PowerField { Df, EffectSize, Alpha, Power, SampleSize };

struct PowerQuestion {
    PowerField unknown = PowerField::SampleSize;
    Real df = 1, w = 0, alpha = 0, power = 0, n = 0;  // the unknown's value is ignored
};

struct PowerAnswer {
    Real df, w, alpha, power, n, lambda, critical;
};

// A question that has no answer: the field at fault and why, as a phrase
// ("must lie between 0 and 1").
struct PowerInputError {
    PowerField field;
    std::string message;
};

inline const Real kLargestSampleSize = 1e9_r;
// The noncentralities the distribution is checked for.
inline const Real kLargestNoncentrality = 1e6_r;

// Cohen's conventional effect sizes for w: small, medium, large.
inline constexpr double kCohenSmall = 0.1, kCohenMedium = 0.3, kCohenLarge = 0.5;

// alpha and the power lie strictly between 0 and 1.
inline bool IsOpenProbability(Real p) { return p > 0 && p < 1; }

// The field's name in messages: "effect size w", "alpha", "power", "N", "df".
std::string PowerFieldName(PowerField field);

// Checks and solves; throws PowerInputError. For a solved N, `power` is the
// power actually reached at that N.
PowerAnswer SolvePower(const PowerQuestion& question);

// Effect size w from proportions typed in a window, with its df. Goodness
// of fit: the H1 proportions of k >= 2 categories against H0's (equal when
// `expected` is blank), df k - 1. Independence: a table of H1 cell
// probabilities, one row per line, df (r - 1)(c - 1). Counts or per cents
// do as well: each list is scaled to add up to 1. Throws PowerInputError
// (field EffectSize) with the item at fault ("H1 proportion 3 'x' is not a
// number").
struct EffectFromProportions {
    Real w;
    int df;
};
EffectFromProportions GoodnessOfFitEffect(const std::string& expected, const std::string& alternative,
                                          const FormatSettings& fs);
EffectFromProportions IndependenceEffect(const std::string& cells, const FormatSettings& fs);
// The same from each group's proportions of the outcomes, one group per
// line, and the groups' sizes (any scale, equal when blank): the cells are
// each group's proportions times its share of the study.
struct GroupsEffect {
    EffectFromProportions effect;
    std::vector<Real> shares;
    int rows, columns;
};
GroupsEffect EffectOfGroups(const std::string& groups, const std::string& sizes, const FormatSettings& fs);

// The answer as a results line's cells: df, w, alpha, power, N, lambda, critical.
const std::vector<std::string>& PowerHeader();
std::vector<std::string> PowerCells(const PowerAnswer& a, const NumberFormat& format, const FormatSettings& fs);

}  // namespace tarvik
