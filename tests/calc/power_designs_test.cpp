// The designs solved: N the smallest whole N whose power reaches the target
// (checked at N and N - 1 on the 50-digit reference), a solved effect
// giving the power back, and every bad question refused naming its option.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/command_line_error.h"
#include "calc/command_request.h"
#include "calc/power_designs.h"
#include "tests/support/design_reference.h"
#include "tests/support/noncentral_reference.h"
#include "tests/support/record_fields.h"

namespace tarvik {
namespace {

using test::Ref;

// McNemar's chi-square approximation: the noncentral tail at N w^2.
Ref McNemarReference(const DesignQuestion& q, Real n) {
    const Ref p10(q.p10), p01(q.p01), w2 = (p10 - p01) * (p10 - p01) / (p10 + p01);
    return test::reference::NoncentralUpper(1, Ref(n) * w2, test::ReferenceQuantile(1, Ref(q.alpha), true));
}

Ref ReferencePower(const DesignQuestion& q, Real n) {
    if (q.design == PowerDesign::McNemar) return McNemarReference(q, n);
    return test::RefTwoProportionsPower(q.p1, q.p2, n, SecondGroupSize(n, q.ratio), q.alpha, q.corrected);
}

DesignQuestion McNemar(Real p10, Real p01, Real alpha, Real power) {
    DesignQuestion q;
    q.p10 = p10, q.p01 = p01, q.alpha = alpha, q.power = power;
    return q;
}

DesignQuestion TwoProportions(Real p1, Real p2, Real ratio, bool corrected, Real alpha, Real power) {
    DesignQuestion q;
    q.design = PowerDesign::TwoProportions;
    q.p1 = p1, q.p2 = p2, q.ratio = ratio, q.corrected = corrected, q.alpha = alpha, q.power = power;
    return q;
}

TEST(PowerDesigns, SolvedNIsTheSmallestThatReachesThePower) {
    const struct Case {
        DesignQuestion q;
        Real n;  // Fleiss's closed form rounded up (R's power.prop.test agrees), or 0: the reference alone
        const char* why;
    } cases[] = {
        {McNemar(0.25_r, 0.1_r, 0.05_r, 0.8_r), 0, "McNemar, a common design"},
        {McNemar(0.011_r, 0.01_r, 0.01_r, 0.9_r), 0, "McNemar, a tiny difference: N in the millions"},
        {TwoProportions(0.25_r, 0.4_r, 1, false, 0.05_r, 0.8_r), 152, "equal groups: 151.87 rounded up"},
        {TwoProportions(0.6_r, 0.8_r, 1, false, 0.05_r, 0.8_r), 82, "0.60 against 0.80: 81.2 rounded up"},
        {TwoProportions(0.6_r, 0.8_r, 1, true, 0.05_r, 0.8_r), 91, "the same corrected: 90.9 rounded up"},
        {TwoProportions(0.25_r, 0.4_r, 2, true, 0.05_r, 0.8_r), 126, "twice as many in group 2, corrected"},
        {TwoProportions(0.4_r, 0.1_r, 0.5_r, false, 0.01_r, 0.95_r), 0, "a smaller second group, p2 below p1"},
        {TwoProportions(0.001_r, 0.0015_r, 3, true, 0.05_r, 0.9_r), 0, "rare events"},
        {TwoProportions(0.3_r, 0.6_r, 0.1_r, false, 0.05_r, 0.8_r), 0, "a ratio of 0.1: n2 = n1 / 10 rounded up"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const DesignAnswer a = SolveDesign(c.q);
        const Real n = a.solved.n;
        if (c.n) {
            EXPECT_EQ(n, c.n);
        }
        EXPECT_GE(ReferencePower(c.q, n), Ref(c.q.power));
        if (n > 1) {
            EXPECT_LT(ReferencePower(c.q, n - 1), Ref(c.q.power));
        }
        EXPECT_LE(test::EpsilonsFrom(a.solved.power, ReferencePower(c.q, n)), test::kAccuracyEpsilons);
    }
}

// The detectable effect at N gives the power back: McNemar's p10 (p01
// held), and both of two proportions' p2, above and below p1.
TEST(PowerDesigns, SolvedEffectGivesThePowerBack) {
    for (DesignQuestion q : {McNemar(0, 0.1_r, 0.05_r, 0.9_r), TwoProportions(0.25_r, 0, 1, false, 0.05_r, 0.8_r),
                             TwoProportions(0.25_r, 0, 3, true, 0.01_r, 0.9_r)}) {
        q.unknown = PowerField::EffectSize;
        q.n = 100;
        const DesignAnswer a = SolveDesign(q);
        std::vector<DesignQuestion> solved{a.solved};
        if (a.p2Other) {
            solved.push_back(a.solved);
            solved.back().p2 = *a.p2Other;
        }
        for (const DesignQuestion& s : solved) {
            SCOPED_TRACE(double(s.design == PowerDesign::McNemar ? s.p10 : s.p2));
            EXPECT_LE(test::EpsilonsFrom(q.power, static_cast<Real>(ReferencePower(s, 100))), test::kAccuracyEpsilons);
        }
        EXPECT_EQ(solved.size(), q.design == PowerDesign::McNemar ? 1u : 2u);
    }
}

TEST(PowerDesigns, CommandLine) {
    const auto answer = [](const std::vector<std::string>& args) {
        try {
            return AnswerText(ReadCommandLine(args));
        } catch (const CommandLineError& e) {
            return "refused: " + e.message;
        }
    };
    const struct Case {
        std::vector<std::string> args;
        const char* expected;  // a field's text, or the refusal's start
        const char* why;
    } cases[] = {
        {{"--design", "mcnemar", "--p01", "0.1", "--or", "2.5", "--alpha", "0.05", "--n", "100"}, "p10=0.250000",
         "the ratio p10 / p01 gives p10"},
        {{"--design", "two-proportions", "--p1", "0.2", "--or", "2.25", "--alpha", "0.05", "--n", "100"}, "p2=0.360000",
         "odds 0.25 x 2.25: p2 0.36"},
        {{"--design", "two-proportions", "--p1", "0.2", "--p2", "0.36", "--alpha", "0.05", "--n", "100"},
         "w=0.178174", "w of the 2 x 2 table: 0.08 / sqrt(0.28 x 0.72)"},
        {{"--design", "groups", "--groups", "1,1/1,3", "--sizes", "1,1", "--alpha", "0.05", "--n", "100"},
         "w=0.258199", "groups 1:1 against 1:3: phi = 1/sqrt(15)"},
        {{"--design", "groups", "--groups", "1,1/1,3", "--sizes", "1,3", "--alpha", "0.05", "--power", "0.8"},
         "n_groups=", "group sizes from the shares"},
        {{"--shape", "3x4", "--v", "0.3", "--alpha", "0.05", "--power", "0.8"}, "w=0.424264", "w = V sqrt(2)"},
        {{"--shape", "3x4", "--effect", "0.3", "--alpha", "0.05", "--power", "0.8"}, "V=0.212132", "V = w / sqrt(2)"},
        {{"--design", "mcnemar", "--p10", "0.2", "--p01", "0.9", "--alpha", "0.05", "--power", "0.8"},
         "refused: --p10 and p01 add up to more than 1", "more than every pair"},
        {{"--design", "mcnemar", "--p10", "0.1", "--p01", "0.1", "--alpha", "0.05", "--power", "0.8"},
         "refused: --p10 equals p01", "no effect"},
        {{"--design", "mcnemar", "--p01", "0.4", "--alpha", "0.05", "--power", "0.99", "--n", "10"},
         "refused: --design: no p10 up to 1 - p01", "too few pairs for any p10"},
        {{"--design", "two-proportions", "--p1", "0.2", "--p2", "0.3", "--ratio", "0", "--alpha", "0.05", "--n", "9"},
         "refused: --ratio must lie above 0", "no second group"},
        {{"--design", "two-proportions", "--p1", "0.2", "--p2", "0.3", "--alpha", "0.05"},
         "refused: --design needs --alpha and two of", "nothing to solve"},
        {{"--design", "two-proportions", "--p2", "0.3", "--alpha", "0.05", "--n", "9"}, "refused: --design two-proportions needs --p1",
         "no baseline"},
        {{"--design", "groups", "--groups", "1,1/1,3", "--alpha", "0.05", "--n", "9", "--p1", "0.2"},
         "refused: --design groups does not take --p1", "another design's option"},
        {{"--design", "groups", "--groups", "1,1/1,3", "--sizes", "1", "--alpha", "0.05", "--n", "9"},
         "refused: --groups: 1 group sizes for 2 groups", "sizes miscounted"},
        {{"--design", "paired", "--alpha", "0.05"}, "refused: --design 'paired' is not mcnemar", "unknown design"},
        {{"--design", "groups", "--groups", "1," + std::string(300, 'x') + "/1,1", "--alpha", "0.05", "--n", "9"},
         "refused: --groups: row 1 cell 2 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' is not a number",
         "a long item cut, as every message's"},
        {{"--v", "0.3", "--alpha", "0.05", "--power", "0.8", "--df", "2"}, "refused: --v takes --shape", "V without a shape"},
        {{"--shape", "3x4", "--df", "6", "--effect", "0.3", "--alpha", "0.05", "--power", "0.8"},
         "refused: --shape gives the df", "df twice"},
    };
    for (const Case& c : cases) {
        const std::string got = answer(c.args);
        EXPECT_NE(got.find(c.expected), std::string::npos) << c.why << ": " << got;
        if (std::string(c.expected).rfind("refused", 0) == 0) {
            EXPECT_EQ(got.rfind(c.expected, 0), 0u) << c.why;
        }
    }
    // The groups' sizes are their shares of the solved N, rounded up.
    const auto f = test::RecordFields(answer({"--design", "groups", "--groups", "1,1/1,3", "--sizes", "1,3", "--alpha", "0.05", "--power", "0.8"}));
    const long n = std::stol(f.at("N"));
    EXPECT_EQ(f.at("n_groups"), std::to_string((n + 3) / 4) + ";" + std::to_string((3 * n + 3) / 4));
}

}  // namespace
}  // namespace tarvik
