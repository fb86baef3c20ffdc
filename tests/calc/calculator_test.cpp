// The calculator core without widgets: the chains, the clamps that never
// rewrite the text being typed, the freeze modes, large df and the errors
// shown once per text. After every event the shown numbers must agree.
#include "calc/calculator.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "math/distributions.h"
#include "tests/support/agreement.h"
#include "tests/support/scoped_format_settings.h"

namespace tarvik {
namespace {

using F = Field;

std::string Fixed(Real v) { return FormatFixed(v); }

// A calculator after start-up, with every error it reported.
class Calc : public ::testing::Test {
protected:
    void SetUp() override {
        Keep(calc.Show());
        Keep(calc.WriteStartValues());
    }
    void Keep(const Effects& fx) {
        if (fx.Error) errors.push_back(*fx.Error);
        if (fx.Chart) chart = *fx.Chart;
    }
    // Types `keys` into an emptied field character by character.
    void Type(F f, const std::string& keys) {
        Keep(calc.TextEdited(f, ""));
        for (std::size_t i = 1; i <= keys.size(); ++i) Keep(calc.TextEdited(f, keys.substr(0, i)));
    }
    void Commit(F f) { Keep(calc.Commit(f)); }
    void Df(long long df) { Keep(calc.DfChanged(df)); }
    const std::string& T(F f) const { return calc.Text(f); }
    // The numbers shown agree, apart from the field still being typed.
    void ExpectAgreement() const {
        test::ShownNumbers n{calc.Df(), T(F::Value), T(F::Cdf), T(F::UpperTail), calc.PdfCaption(),
                             calc.Typing() ? int(*calc.Typing()) : -1};
        const auto why = test::Disagreement(n);
        EXPECT_FALSE(why) << *why;
    }

    Calculator calc;
    std::vector<std::string> errors;
    DensityPlot chart{};
};

// The value chain's tails and density serve the density caption and the
// chart's shaded tail only at their own df and value: after a df change
// with the value frozen, and after a probability chain moved the value,
// what is shown is what the functions give there.
TEST_F(Calc, DensityAndShadedTailFollowTheirOwnDfAndValue) {
    struct Step {
        const char* why;
        std::function<void()> act;
    } steps[] = {
        {"a typed value", [this] { Type(F::Value, "12.5"); }},
        {"df changed under a frozen value", [this] { calc.SetValueFrozen(true); Df(9); }},
        {"a typed cdf moves the value", [this] { Type(F::Cdf, "0.3"); }},
        {"the value typed back", [this] { Type(F::Value, "12.5"); }},
    };
    for (const Step& s : steps) {
        s.act();
        const Results r = calc.CurrentResults();
        EXPECT_EQ(chart.TailProbability, ChiSquareUpperTail(r.df, r.value)) << s.why;
        EXPECT_EQ(calc.PdfCaption(), FormatFixed(ChiSquarePdf(r.df, r.value))) << s.why;
    }
}

TEST_F(Calc, StartValues) {
    EXPECT_EQ(T(F::Value), "3.841459");
    EXPECT_EQ(T(F::Cdf), "0.95");
    EXPECT_EQ(T(F::UpperTail), "0.05");
    EXPECT_EQ(calc.PdfCaption(), "0.029819");
    // The marker stands at the exact quantile of 0.95, shown as 3.841459.
    EXPECT_NEAR(chart.Marker.X, 3.841459, 5e-7);
    EXPECT_TRUE(errors.empty());
    ExpectAgreement();
}

TEST(CalcStart, FirstPictureFromTheLayoutTexts) {
    // Cdf "0" and value "0" with df 1: the range is the df's own (where the
    // upper tail is 0.0001, about 15.14), not stretched by the zero value,
    // and the marker at 0.
    Calculator calc;
    const Effects fx = calc.Show();
    ASSERT_TRUE(fx.Chart);
    EXPECT_NEAR(fx.Chart->Curve.back().X, 15.137, 0.001);
    EXPECT_EQ(fx.Chart->Marker.X, 0);
}

// Typing into a field never rewrites it; the others follow the clamped
// number at once; Enter or leaving writes the clamped form.
TEST_F(Calc, ClampsNeverRewriteTheTextBeingTyped) {
    struct Case {
        F field;
        long long df;
        const char* keys;
        Real cdf;             // the cdf the other fields follow
        const char* committed;  // the field's text after Enter
        const char* why;
    } cases[] = {
        {F::UpperTail, 1, "0.01", 0.99_r, "0.01", "alpha 0.01 passes 0.0, which clamps"},
        {F::UpperTail, 28, "0.05", 0.95_r, "0.05", "alpha 0.05 at df 28"},
        {F::Cdf, 1, "0.00000012", 0.000001_r, "0.000001", "1.2e-7 clamps to the lowest cdf"},
        {F::Cdf, 5, "1", 0.999999_r, "0.999999", "1 clamps to the highest, general format"},
        {F::UpperTail, 3, "1.5", 0.000001_r, "0.999999", "a tail above 1: no negative cdf"},
        {F::Cdf, 3, "7", 0.999999_r, "0.999999", "a cdf above 1"},
        {F::UpperTail, 3, "0.0000004", 0.999999_r, "0.000001", "the cdf text 1.000000 clamps"},
        {F::UpperTail, 300, "0.9E-799999", 0.999999_r, "0.000001", "below every Real: clamps as 0 does"},
        {F::Cdf, 12, "1e-30000", 0.000001_r, "0.000001", "a cdf below every Real"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Df(c.df);
        Type(c.field, c.keys);
        EXPECT_EQ(T(c.field), c.keys);
        EXPECT_EQ(T(F::Value), Fixed(ChiSquareQuantile(Real(c.df), c.cdf)));
        ExpectAgreement();
        Commit(c.field);
        EXPECT_EQ(T(c.field), c.committed);
        EXPECT_EQ(T(F::Value), Fixed(ChiSquareQuantile(Real(c.df), c.cdf)));
        ExpectAgreement();
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(Calc, AlphaValuesGiveTheTextbookQuantiles) {
    struct Case {
        long long df;
        const char* upper;
        const char* value;
    } cases[] = {{1, "0.01", "6.634897"}, {28, "0.05", "41.337138"}, {10, "0.05", "18.307038"}};
    for (const auto& c : cases) {
        Df(c.df);
        Type(F::UpperTail, c.upper);
        EXPECT_EQ(T(F::Value), c.value) << c.df << " " << c.upper;
    }
}

TEST_F(Calc, HugeNumbersClamp) {
    // Beyond single precision and beyond the Real range alike.
    for (const char* huge : {"1e39", "1e5000"}) {
        Type(F::Value, huge);
        Commit(F::Value);
        EXPECT_EQ(T(F::Value), "900.000000") << huge;
        Type(F::Cdf, huge);
        Commit(F::Cdf);
        EXPECT_EQ(T(F::Cdf), "0.999999") << huge;
        ExpectAgreement();
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(Calc, ValueCapAndNegativeValue) {
    Type(F::Value, "1e5");
    EXPECT_EQ(T(F::Value), "1e5");
    EXPECT_EQ(T(F::Cdf), "1.000000");
    EXPECT_EQ(chart.Marker.X, 900);  // the chart follows the cap too
    ExpectAgreement();
    Commit(F::Value);
    EXPECT_EQ(T(F::Value), "900.000000");
    for (const char* pasted : {"-3", "-0"}) {
        Keep(calc.TextEdited(F::Value, pasted));
        EXPECT_EQ(calc.PdfCaption(), kUnboundedDensityText);  // df 1 at x = 0
        Commit(F::Value);
        EXPECT_EQ(T(F::Value), "0.000000") << pasted;
        ExpectAgreement();
    }
}

TEST_F(Calc, GuardTextsWaitWhileTypedAndClampWhenCommitted) {
    for (const char* guard : {"0", "0.", "."}) {
        Type(F::Cdf, guard);
        EXPECT_EQ(T(F::UpperTail), "0.05") << guard;
        EXPECT_EQ(T(F::Value), "3.841459") << guard;
    }
    Commit(F::Cdf);  // "." reads as 0
    EXPECT_EQ(T(F::Cdf), "0.000001");
    EXPECT_EQ(T(F::UpperTail), "0.999999");
    ExpectAgreement();
}

TEST_F(Calc, AFieldLeftEmptyOrUnreadableComesBack) {
    Type(F::Cdf, "0.3");
    Type(F::Cdf, "");
    EXPECT_EQ(T(F::Value), Fixed(ChiSquareQuantile(1, 0.3_r)));  // nothing recomputed
    Commit(F::Cdf);
    EXPECT_EQ(T(F::Cdf), "0.3");  // the text the others agree with
    Keep(calc.TextEdited(F::UpperTail, "0,5"));  // the other convention's separator
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "'0,5' is not a valid floating point value");
    Commit(F::UpperTail);
    EXPECT_EQ(T(F::UpperTail), Fixed(1 - 0.3_r));
    ExpectAgreement();
}

// A value typed below the smallest normal Real would read as 0: it is
// refused with its reason, once, and the others keep their numbers; 0
// written with a huge exponent is still 0.
TEST_F(Calc, AValueBelowEveryRealIsRefusedNotReadAsZero) {
    Type(F::Value, "2");
    const std::string cdf = T(F::Cdf);
    Keep(calc.TextEdited(F::Value, "1e-4940"));
    Keep(calc.KeyReleased(F::Value));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "'1e-4940' lies below the smallest number the calculator holds, 3.36e-4932");
    EXPECT_EQ(T(F::Cdf), cdf);
    Commit(F::Value);
    EXPECT_EQ(T(F::Value), "2");  // back to the number the others agree with
    Type(F::Value, "0e-9999");
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(T(F::Cdf), Fixed(0));
    ExpectAgreement();
}

// What a typed text is read as shows while it is typed, where it is not the
// text itself, and goes once the field is left.
TEST_F(Calc, NotesSayWhatATypedTextIsReadAs) {
    const struct Case {
        F field;
        const char* text;
        const char* note;  // its start; "" for none
    } cases[] = {
        {F::Value, "2", ""},
        {F::Value, "1107", "Read as 900.000000: the window takes values from 0 to 900."},
        {F::UpperTail, "5e-8", "Read as 0.000001: the window takes probabilities from 0.000001 to 0.999999; "
                               "the command line takes them down to 1e-300."},
        {F::Cdf, "1.5", "Read as 0.999999"},
        {F::Value, "abc", "Not a number: the results are still those of "},
        {F::Value, "1e-4940", "Below the smallest number the calculator holds"},
        {F::Cdf, "0", ""},  // a guard on the way to 0.05: nothing read yet
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Type(c.field, c.text);
        EXPECT_EQ(calc.Note(c.field).rfind(c.note, 0), 0u) << calc.Note(c.field);
        if (!*c.note) {
            EXPECT_EQ(calc.Note(c.field), "");
        }
        const Effects left = calc.Commit(c.field);
        Keep(left);
        EXPECT_EQ(calc.Note(c.field), "");
        if (*c.note) {
            ASSERT_TRUE(left.Notes[std::size_t(c.field)]);  // the note's going is an effect
            EXPECT_EQ(*left.Notes[std::size_t(c.field)], "");
        }
    }
}

// A point typed on a comma desktop is the decimal comma while the number has
// none; elsewhere, or a second one, goes through the filter as typed.
TEST(KeyInserted, APointOnACommaDesktop) {
    {
        test::ScopedFormatSettings comma(FormatSettings{',', '.', '.', ':'});
        EXPECT_EQ(Calculator::KeyInserted(u"11", 2, u'.'), u',');
        EXPECT_EQ(Calculator::KeyInserted(u"11,0", 4, u'.'), 0);  // no second separator
        EXPECT_EQ(Calculator::KeyInserted(u"1e5", 3, u'.'), 0);   // no decimal in an exponent
        EXPECT_EQ(Calculator::KeyInserted(u"11", 2, u'7'), u'7');
    }
    EXPECT_EQ(Calculator::KeyInserted(u"11", 2, u'.'), u'.');  // the point desktop's own
    EXPECT_EQ(Calculator::KeyInserted(u"11", 2, u','), 0);
}

// An error about a field's text is shown once for that text.
TEST_F(Calc, AnErrorIsShownOncePerText) {
    Keep(calc.TextEdited(F::Value, "+"));
    for (int i = 0; i < 5; ++i) Keep(calc.KeyReleased(F::Value));  // Home, arrows, Ctrl+A
    EXPECT_EQ(errors, std::vector<std::string>{"'+' is not a valid floating point value"});
    Keep(calc.TextEdited(F::Value, "+5"));
    Keep(calc.TextEdited(F::Value, "+"));  // changed again: checked afresh
    EXPECT_EQ(errors.size(), 2u);
    // The filter lets numbers of any size in, and refuses what is none.
    EXPECT_EQ(Calculator::KeyTyped(u"1e3", 3, u'9'), KeyVerdict::Accept);
    EXPECT_EQ(Calculator::KeyTyped(u"1e400", 5, u'0'), KeyVerdict::Accept);
    EXPECT_EQ(Calculator::KeyTyped(u"0.9", 3, u'5'), KeyVerdict::Accept);
    EXPECT_EQ(Calculator::KeyTyped(u"0.9", 3, u'x'), KeyVerdict::Refuse);
}

// A frozen cdf that reads 0 or 1 cannot give a value: the probabilities
// follow the value instead.
TEST_F(Calc, FrozenCdfAtZeroFollowsTheValue) {
    calc.SetValueFrozen(true);
    Type(F::Value, "23.5");
    Commit(F::Value);
    Df(300);
    EXPECT_EQ(T(F::Cdf), "0.000000");
    calc.SetValueFrozen(false);
    Df(12);
    EXPECT_EQ(T(F::Value), "23.5");
    EXPECT_EQ(T(F::Cdf), "0.976231");
    EXPECT_EQ(T(F::UpperTail), "0.023769");
    ExpectAgreement();
    Df(13);  // now the cdf can give a value again, and it moves: from the
             // exact cdf of 23.5 at df 12, not from its six decimals
    EXPECT_EQ(T(F::Cdf), "0.976231");
    EXPECT_EQ(T(F::Value), Fixed(ChiSquareUpperQuantile(13, ChiSquareUpperTail(12, 23.5_r))));
    ExpectAgreement();
}

// A df change leaves the field being typed in as the user made it: the
// others follow its clamped number, and leaving it commits it.
TEST_F(Calc, ADfChangeLeavesTheTypedTextAlone) {
    Type(F::UpperTail, "0.0");  // clamps to 0.000001 while typed
    Df(2);
    EXPECT_EQ(T(F::UpperTail), "0.0");
    EXPECT_EQ(calc.Typing(), F::UpperTail);
    EXPECT_EQ(T(F::Value), Fixed(ChiSquareUpperQuantile(2, 0.000001_r)));
    ExpectAgreement();
    Type(F::Value, "+");  // unreadable: the df chain goes on from the last number
    errors.clear();
    Df(3);
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(T(F::Value), "+");
    Commit(F::Value);
    EXPECT_EQ(T(F::Value), Fixed(ChiSquareUpperQuantile(2, 0.000001_r)));
}

// A df typed above 300 is used until the spin edit corrects it: right
// numbers and no error up to 65535, the range error above.
TEST_F(Calc, LargeDfBeforeTheCorrection) {
    for (long long df : {301LL, 1801LL, 2000LL, 3500LL, 10000LL, 65535LL}) {
        for (bool valueFrozen : {false, true}) {
            calc.SetValueFrozen(valueFrozen);
            Df(df);
            EXPECT_TRUE(errors.empty()) << df << ": " << (errors.empty() ? "" : errors.back());
            ExpectAgreement();
        }
        calc.SetValueFrozen(false);
        Type(F::Cdf, "0.95");
        Commit(F::Cdf);
    }
    Df(65536);
    EXPECT_EQ(errors, std::vector<std::string>{"Range check error"});
}

// A probability typed with more decimals than the fields show is solved as
// typed, on its own tail, with its complement exact from the decimal text.
TEST_F(Calc, TypedProbabilitiesAreSolvedAsTyped) {
    struct Case {
        long long df;
        F field;
        const char* typed;
        const char* value;
        const char* why;
    } cases[] = {
        {1, F::UpperTail, "0.0000033", "21.633714", "seven decimals: not 1 - 0.999997"},
        {10, F::UpperTail, "0.00714285714", "24.177531", "alpha 0.05/7, a Bonferroni level"},
        {1, F::Cdf, "0.9999967", "21.633714", "the same from the cdf: 1 - p exact"},
        {4, F::Cdf, "0.0000012345", "0.003144", "a small cdf on the lower tail: x near sqrt(8 p)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        Df(c.df);
        Type(c.field, c.typed);
        Commit(c.field);
        EXPECT_EQ(T(c.field), c.typed);
        EXPECT_EQ(T(F::Value), c.value);
        ExpectAgreement();
    }
}

TEST_F(Calc, ComplementsAreExact) {
    struct Case {
        F field;
        const char* typed;
        Real cdf, upper;
    } cases[] = {
        {F::Cdf, "0.999999", 0.999999_r, 0.000001_r},
        {F::Cdf, "0.95", 0.95_r, 0.05_r},
        {F::UpperTail, "0.000001", 0.999999_r, 0.000001_r},
        {F::UpperTail, "0.0000033", 0.9999967_r, 0.0000033_r},
    };
    for (const auto& c : cases) {
        Type(c.field, c.typed);
        Commit(c.field);
        const Results r = calc.CurrentResults();
        EXPECT_EQ(r.cdf, c.cdf) << c.typed;
        EXPECT_EQ(r.upper, c.upper) << c.typed;
        EXPECT_EQ(r.value, ChiSquareUpperQuantile(1, c.upper)) << c.typed;
    }
}

// Nothing moves when nothing was changed: a field emptied and left goes
// back to its text and its exact number, and a key that changed nothing
// (Ctrl+A, Home, an arrow) recomputes nothing.
TEST_F(Calc, GoingBackMovesNothing) {
    Type(F::Value, "10");
    Commit(F::Value);
    const Results before = calc.CurrentResults();
    EXPECT_EQ(T(F::Cdf), "0.998435");
    Type(F::Cdf, "");
    Commit(F::Cdf);
    EXPECT_EQ(T(F::Cdf), "0.998435");
    EXPECT_EQ(T(F::Value), "10");
    const Effects released = calc.KeyReleased(F::Cdf);
    EXPECT_FALSE(released.Texts[0] || released.Texts[1] || released.Texts[2] || released.Chart);
    const Results after = calc.CurrentResults();
    EXPECT_EQ(after.value, before.value);
    EXPECT_EQ(after.cdf, before.cdf);
    EXPECT_EQ(after.upper, before.upper);
}

// A write that does not change a field's text is no effect: the window
// then leaves that field's selection, caret and undo history alone.
TEST_F(Calc, OnlyChangedTextsAreEffects) {
    Type(F::UpperTail, "0.05");
    const Effects fx = calc.Commit(F::UpperTail);
    EXPECT_FALSE(fx.Texts[std::size_t(F::UpperTail)]);
    EXPECT_FALSE(fx.Texts[std::size_t(F::Cdf)]);  // 0.950000 already
}

// While a field is typed in, the numbers behind the copies and tooltips are
// the typed ones.
TEST_F(Calc, ResultsFollowTheTypedText) {
    Type(F::Cdf, "0.25");
    EXPECT_EQ(calc.CurrentResults().cdf, 0.25_r);
    EXPECT_EQ(calc.CurrentResults().upper, 0.75_r);
    EXPECT_EQ(calc.CurrentResults().value, ChiSquareQuantile(1, 0.25_r));
}

TEST_F(Calc, DensityInTheLocaleFormatFromTheStart) {
    test::ScopedFormatSettings comma(test::kComma);
    Calculator c;
    c.Show();
    c.WriteStartValues();
    EXPECT_EQ(c.Text(F::Value), "3,841459");
    EXPECT_EQ(c.PdfCaption(), "0,029819");
}

}  // namespace
}  // namespace tarvik
