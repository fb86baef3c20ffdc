// The noncentral and power questions of the command line, and the power
// solver's refusals that the window shares: each refusal with its one line
// naming the field, each answer's line checked against the 50-digit
// reference at the digits it prints.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "calc/command_line_error.h"
#include "calc/command_request.h"
#include "tests/support/record_fields.h"
#include "calc/power_analysis.h"
#include "tests/support/noncentral_reference.h"
#include "tests/support/reference.h"

namespace tarvik {
namespace {

using Args = std::vector<std::string>;

std::string AnsweringRefusal(const Args& args) {
    try {
        AnswerText(ReadCommandLine(args));
    } catch (const CommandLineError& e) {
        return e.message;
    }
    return "(taken)";
}

using test::RecordFields;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(PowerCommandLine, EveryBadQuestionIsRefusedNamingItsOption) {
    const struct Case {
        Args args;
        const char* message;
        const char* why;
    } cases[] = {
        {{"--df", "2", "--effect", "0.3", "--alpha", "0.05"}, "give three of --effect, --alpha, --power and --n",
         "two given: nothing to solve for"},
        {{"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--power", "0.8", "--n", "9"}, "give three of",
         "all four given"},
        {{"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--power", "0.8", "--value", "1"},
         "--effect, --alpha, --power and --n take none of", "a power question with a value"},
        {{"--effect", "0.3", "--alpha", "0.05", "--power", "0.8"}, "--df is required", "no df"},
        {{"--df", "2", "--effect", "0", "--alpha", "0.05", "--power", "0.8"},
         "--effect '0' is out of range: above 0", "no effect"},
        {{"--df", "2", "--effect", "0.3", "--alpha", "1", "--power", "0.8"}, "--alpha '1' is out of range",
         "alpha of 1"},
        {{"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--n", "1.5"},
         "--n '1.5' is out of range: whole numbers from 1 to 1000000000", "half a subject"},
        {{"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--n", "2e9"}, "--n '2e9' is out of range",
         "beyond 1e9"},
        {{"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--power", "0.04"}, "--power '0.04' must be above alpha",
         "a power below the level"},
        {{"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--power", "0.8,0.01"},
         "--power '0.01' must be above alpha", "the bad item of a list"},
        {{"--df", "2", "--effect", "0.0001", "--alpha", "0.05", "--power", "0.999999"},
         "--n: no N up to 1000000000 reaches this power", "nothing reaches it"},
        {{"--df", "2", "--effect", "30", "--alpha", "0.05", "--n", "1000000000"},
         "--effect '30' gives a noncentrality", "lambda beyond the checked range"},
        {{"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--power", "0.8", "--table"},
         "--table does not take --effect", "no table of power"},
        {{"--df", "2", "--ncp", "3", "--between", "1", "2"}, "--ncp takes --value, --cdf or --upper", "between"},
        {{"--df", "2", "--ncp", "3", "--upper", "0.05", "--table"}, "--ncp takes --value", "a table"},
        {{"--df", "2", "--ncp", "-1", "--value", "1"}, "--ncp '-1' is out of range: from 0 to 1e6", "negative"},
        {{"--df", "2", "--ncp", "2e6", "--value", "1"}, "--ncp '2e6' is out of range", "above 1e6"},
        {{"--df", "2", "--ncp", "3", "--value", "1", "--export-chart", "a.png"}, "--export-chart does not take --ncp",
         "no noncentral chart file"},
    };
    for (const Case& c : cases) {
        const std::string got = AnsweringRefusal(c.args);
        EXPECT_EQ(got.rfind(c.message, 0), 0u) << c.why << ": " << got;
    }
}

TEST(PowerCommandLine, SolvedSampleSizeLine) {
    const auto f = RecordFields(AnswerText(ReadCommandLine({"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--power", "0.8"})));
    // The published answer (G*Power, Cohen's tables), and the line's names in order.
    EXPECT_EQ(f.at("N"), "108");
    EXPECT_EQ(f.at("df"), "2");
    EXPECT_EQ(f.at("w"), "0.300000");
    EXPECT_EQ(f.at("lambda"), "9.720000");
    // The power reached at N = 108, and the critical value, from the reference.
    const test::Ref c = test::ReferenceQuantile(2, test::Ref("0.05"), true);
    EXPECT_NEAR(std::stod(f.at("power")), static_cast<double>(test::reference::NoncentralUpper(2, test::Ref("9.72"), c)), 5e-7);
    EXPECT_NEAR(std::stod(f.at("critical")), static_cast<double>(c), 5e-7);
    const std::string line = Lines(AnswerText(ReadCommandLine({"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--power", "0.8"})))[0];
    EXPECT_EQ(line.rfind("df=2  w=0.300000  alpha=0.050000  power=", 0), 0u) << line;
}

TEST(PowerCommandLine, ListsGiveOneLinePerCombination) {
    const auto lines = Lines(AnswerText(
        ReadCommandLine({"--df", "1", "--effect", "0.1,0.3,0.5", "--alpha", "0.05", "--n", "50..100:50", "--format", "csv"})));
    ASSERT_EQ(lines.size(), 7u);  // the header and 3 x 2 rows
    EXPECT_EQ(lines[0], "df,w,alpha,power,N,lambda,critical");
    EXPECT_EQ(lines[1].rfind("1,0.100000,0.050000,", 0), 0u);
    EXPECT_NE(lines[2].find(",100,1.000000,"), std::string::npos) << lines[2];
}

TEST(NoncentralCommandLine, ResultsLinesAgreeWithTheReference) {
    const auto lines = Lines(AnswerText(
        ReadCommandLine({"--df", "3", "--ncp", "0,10", "--value", "7.814728", "--numbers", "scientific", "--precision", "19"})));
    ASSERT_EQ(lines.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto f = RecordFields(lines[i]);
        EXPECT_EQ(f.at("ncp"), i == 0 ? "0" : "10");
        const Real ncp = i == 0 ? 0 : 10;
        const test::ReferenceNoncentral want = test::MixtureReferenceAt(3, ncp, 7.814728_r);
        // 19 digits printed, read in 50: within the 2e-17 goal of the truth.
        EXPECT_LT(abs(test::Ref(f.at("P(X>x)")) / want.upper - 1), test::Ref(2e-17)) << lines[i];
        EXPECT_LT(abs(test::Ref(f.at("P(X<=x)")) / want.lower - 1), test::Ref(2e-17)) << lines[i];
        EXPECT_LT(abs(test::Ref(f.at("f(x)")) / want.density - 1), test::Ref(2e-17)) << lines[i];
    }
    // A probability given: the line keeps it and solves x on the smaller tail.
    const auto f = RecordFields(Lines(AnswerText(ReadCommandLine({"--df", "3", "--ncp", "10", "--upper", "0.05"})))[0]);
    EXPECT_EQ(f.at("P(X>x)"), "0.050000");
    EXPECT_NEAR(std::stod(f.at("x")),
                static_cast<double>(test::MixtureQuantile(3, 10, test::Ref("0.05"), true, 25.5_r)), 5e-7);
}

TEST(PowerSolver, RefusalsNameTheField) {
    const struct Case {
        PowerQuestion q;
        PowerField field;
        const char* message;
    } cases[] = {
        {{PowerField::SampleSize, 2, -0.1_r, 0.05_r, 0.8_r, 0}, PowerField::EffectSize, "must be above 0"},
        {{PowerField::SampleSize, 2, 0.3_r, 0, 0.8_r, 0}, PowerField::Alpha, "must lie between 0 and 1"},
        {{PowerField::SampleSize, 2, 0.3_r, 0.05_r, 1, 0}, PowerField::Power, "must lie between 0 and 1"},
        {{PowerField::SampleSize, 2, 0.3_r, 0.05_r, 0.05_r, 0}, PowerField::Power, "must be above alpha"},
        {{PowerField::Power, 2, 0.3_r, 0.05_r, 0, 0}, PowerField::SampleSize, "must be a whole number"},
        {{PowerField::Power, 0, 0.3_r, 0.05_r, 0, 10}, PowerField::Df, "must be a whole number from 1 to 65535"},
        {{PowerField::Alpha, 2, 0.3_r, 0, 0.8_r, 100}, PowerField::Power, ""},  // solved alpha: only power checked
        {{PowerField::Alpha, 1, 1, 0, 0.5_r, 400000}, PowerField::Alpha, "would be below 3.36e-4932"},
    };
    for (const Case& c : cases) {
        try {
            SolvePower(c.q);
            EXPECT_STREQ(c.message, "") << "taken, but should say " << c.message;
        } catch (const PowerInputError& bad) {
            EXPECT_EQ(bad.field, c.field);
            EXPECT_EQ(bad.message.rfind(c.message, 0), 0u) << bad.message;
        }
    }
    EXPECT_EQ(PowerFieldName(PowerField::EffectSize), "effect size w");
}

// An alpha below the double range is solved and printed (it once failed
// with a division by zero): at df 1 the median of the noncentral
// chi-square with lambda N w^2 is lambda itself, so alpha is the central
// upper tail at 1500, from the 50-digit reference.
TEST(PowerSolver, AnAlphaBelowTheDoubleRange) {
    const PowerAnswer a = SolvePower({PowerField::Alpha, 1, 1, 0, 0.5_r, 1500});
    EXPECT_LE(test::EpsilonsFrom(a.critical, test::Ref(1500)), 64);
    EXPECT_LE(test::EpsilonsFrom(a.alpha, test::ReferenceAt(1, 1500).upper), test::kAccuracyEpsilons);
    EXPECT_LT(a.alpha, 1e-327_r);
}

}  // namespace
}  // namespace tarvik
