#pragma once
// The power of designs described as researchers describe them: McNemar's
// test of paired proportions, and two independent proportions with unequal
// groups. N, the power or the effect is solved from the rest; a bad input
// is refused with a PowerInputError naming its field.
#include <optional>
#include <string>
#include <vector>

#include "calc/power_analysis.h"

namespace tarvik {

enum class PowerDesign { McNemar, TwoProportions };

struct DesignQuestion {
    PowerDesign design = PowerDesign::McNemar;
    PowerField unknown = PowerField::SampleSize;  // SampleSize, Power or EffectSize
    Real alpha = 0.05_r, power = 0.8_r;
    Real n = 0;  // McNemar: pairs; two proportions: the first group's size
    // McNemar: the discordant proportions (p10 solved as the effect, p01 held).
    Real p10 = 0, p01 = 0;
    // Two proportions: the events' proportions (p2 solved), n2 / n1, and
    // whether the test is continuity-corrected.
    Real p1 = 0, p2 = 0, ratio = 1;
    bool corrected = false;
};

struct DesignAnswer {
    DesignQuestion solved;  // the question with its unknown filled in
    // Two proportions: the second group's size and both together, and the
    // detectable p2 on the other side of p1 where one was solved there too.
    Real n2 = 0, total = 0;
    std::optional<Real> p2Other;
    // The chi-square test of the same design: w (McNemar's, or the 2 x 2
    // table's phi with the groups' shares), lambda = N w^2, df 1.
    Real w = 0, lambda = 0, critical = 0;
    // McNemar: the exact test's power at the solved N, up to kLargestExactPairs.
    std::optional<Real> exactPower;
};

// What --design asks: McNemar's or two proportions' question, or an r x c
// table's w from its groups' proportions and sizes, then Cohen's question.
struct DesignRequest {
    bool groups = false;
    DesignQuestion question;
    PowerQuestion groupsQuestion;
    GroupsEffect groupsEffect{};
};

// w and df from Cramer's V of an r x c table, and from an odds ratio to a
// baseline proportion p1 with the groups' ratio n2 / n1 (2 x 2, df 1), as
// typed; throws PowerInputError (field EffectSize) naming the item at fault.
EffectFromProportions EffectOfCramersV(const std::string& v, int rows, int columns, const FormatSettings& fs);
EffectFromProportions EffectOfOddsRatio(const std::string& baseline, const std::string& oddsRatio,
                                        const std::string& groupRatio, const FormatSettings& fs);

// A group's size from its share of a study, a product such as ratio n1 or
// share N, rounded up to a whole size of at least 1.
Real WholeGroupSize(Real size);
// The second group's size: ratio n1 rounded up, at least 1.
inline Real SecondGroupSize(Real n1, Real ratio) { return WholeGroupSize(n1 * ratio); }

DesignAnswer SolveDesign(const DesignQuestion& question);

// The field's name in messages: "p10", "p01", "p1", "p2", "ratio".
enum class DesignInput { P10, P01, P1, P2, Ratio };
struct DesignInputError {
    DesignInput input;
    std::string message;
};

// A design's results line: its header and cells, the columns after the
// question's own ("p2_low" only where p2 is solved).
std::vector<std::string> DesignHeader(const DesignQuestion& question);
std::vector<std::string> DesignCells(const DesignAnswer& a, const NumberFormat& format, const FormatSettings& fs);

}  // namespace tarvik
