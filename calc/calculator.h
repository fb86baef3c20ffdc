#pragma once
// The calculator behind the window, without widgets. It holds what the
// window shows: the degrees of freedom, the texts of the three number
// fields and the exact numbers behind them, the density caption, the freeze
// mode, and which field the user is typing in. Events go in; each returns
// the effects to show: field texts, the density caption, the chart, and at
// most one error message.
//
// The rule it keeps: after every event the numbers shown agree with each
// other to the six decimals shown (cdf = the chi-square cdf of the value at
// df, upper tail = 1 - cdf, density = the density at the value), or an
// error says why not. The one exception is the text being typed: no chain
// rewrites it. Clamps and caps are applied to the number the other fields
// are computed from, and written into the typed field when the user
// commits it (the focus leaves it, or Enter).
//
// Each field stands for an exact number: the one typed (a probability's
// complement taken from its decimal text, so that 1 - 0.999999 is exactly
// 0.000001), or the one a chain computed, of which the field shows six
// decimals. Chains compute from these numbers, never from the rounded
// texts: a field that goes back to its last text goes back to its exact
// number, and nothing moves.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/density_plot.h"
#include "calc/limits.h"
#include "math/distributions.h"
#include "core/number_text.h"
#include "core/real.h"

namespace tarvik {

enum class Field { Value = 0, Cdf = 1, UpperTail = 2 };
inline constexpr int kFieldCount = 3;

struct Effects {
    std::array<std::optional<std::string>, kFieldCount> Texts;  // fields whose text changes
    // Fields whose note changes (empty: the note goes): what the field's
    // text is read as, while it is being typed, where that is not the text
    // itself (a clamp, a text that is no number).
    std::array<std::optional<std::string>, kFieldCount> Notes;
    std::optional<std::string> PdfCaption;
    std::optional<DensityPlot> Chart;
    std::optional<std::string> Error;  // the message, before the box's full stop rule
};

// The numbers behind the shown texts at full Real precision: the value, the
// cdf and the upper tail the last chain computed from or gave (the typed or
// clamped ones, not their six-decimal texts), and the density at the value.
// At x = 0 the density of df 1 has no finite value: densityUnbounded.
struct Results {
    Real df, value, cdf, upper, density;
    bool densityUnbounded = false;
};

// What a typed character does in a number field.
enum class KeyVerdict { Accept, Refuse };

// The density caption of the unbounded density (df 1 at x = 0).
inline const char* const kUnboundedDensityText = "\u221E";

class Calculator {
public:
    explicit Calculator(const Limits& limits = WindowLimits());

    const std::string& Text(Field f) const { return text_[Index(f)]; }
    const std::string& PdfCaption() const { return pdf_; }
    std::int64_t Df() const { return df_; }
    bool ValueFrozen() const { return valueFrozen_; }
    std::optional<Field> Typing() const { return typing_; }
    const Limits& DomainLimits() const { return limits_; }
    Results CurrentResults() const;

    // The window is first shown: the chart from the fields' first texts
    // (every field "0", df 1).
    Effects Show();
    // The start values, and a density and chart that agree with them.
    Effects WriteStartValues();
    // A character typed at `caret` of `text` (UTF-16, as the field holds it).
    static KeyVerdict KeyTyped(const std::u16string& text, int caret, char16_t ch);
    // The character a key inserts, or 0 for a refused one. On a desktop
    // whose decimal separator is the comma, a point typed into a number that
    // has no comma yet is taken as the comma (as the keypad's key gives it):
    // "11.07" is 11,07, never 1107 with the point refused.
    static char16_t KeyInserted(const std::u16string& text, int caret, char16_t ch);
    // The field's note: empty, or what its typed text is read as where that
    // is not the text itself.
    const std::string& Note(Field f) const { return notes_[Index(f)]; }
    // The user changed a field's text: a key, a paste, a cut, undo, a drop.
    Effects TextEdited(Field f, const std::string& text);
    // A key whose press went to this field and changed nothing was released.
    Effects KeyReleased(Field f);
    // The focus left the field, or Enter was pressed in it.
    Effects Commit(Field f);
    // The spin edit's Value changed (typed, arrows, keys, its correction).
    Effects DfChanged(std::int64_t df);
    void SetValueFrozen(bool on) { valueFrozen_ = on; }
    // How computed numbers are shown (six decimals at first); the fields
    // that show computed numbers take the new form at once.
    Effects SetNumberFormat(const NumberFormat& format);
    const NumberFormat& CurrentNumberFormat() const { return numberFormat_; }

private:
    static std::size_t Index(Field f) { return std::size_t(f); }

    // Runs a chain; a fault ends it where it happened (what was written
    // stays) and becomes the event's error, unless the same text of `source`
    // already had its error shown.
    template <typename Chain>
    void Attempt(std::optional<Field> source, Chain chain);
    template <typename Chain>
    Effects Run(std::optional<Field> source, Chain chain);
    void FieldChain(Field f);  // the chain of the field: value or probability
    void Report(std::optional<Field> source, const std::string& key, const std::string& message);

    void ValueChain();
    void ProbabilityChain(Field edited);
    void DfChain();
    void UpdateFromValue(bool fromDf);
    void ApplyProbabilities(Real cdf, Real upper);
    void UpdatePdf();
    void RedrawChart();

    // What a typed probability field stands for: both tails, exact from the
    // decimal text, clamped, and the texts to show for them.
    struct Probabilities {
        Real cdf, upper;
        std::string cdfText, upperText;
    };
    Probabilities ProbabilitiesFromText(Field edited) const;
    // The text a field will hold once committed: the clamped or capped form
    // of what it holds now. Throws EConvertError for a text that does not read.
    std::string Canonical(Field f) const;
    // The field's number as the other fields see it: the typed field's from
    // its clamped text, every other one its exact number.
    Real Effective(Field f) const;
    // Sets the number a field stands for, and writes its text unless the
    // user is typing in it; an effect only when the text changes.
    void Write(Field f, const std::string& text, Real number);
    void CommitTyping();
    std::string Format(Real v) const;
    std::string NoteFor(Field f) const;
    void UpdateNotes();
    // A field's text read as the fields read it (beyond the Real range as
    // the largest Real). One edit asks for the same text's number from the
    // chain, the clamps, the chart and the note: it is read once and kept
    // with the separators it was read under.
    bool TryReadText(const std::string& text, Real& value) const;
    Real ReadText(const std::string& text) const;

    const Limits& limits_;
    Real highestProbability_;
    std::string lowestText_, highestText_;
    std::int64_t df_ = 1;
    std::array<std::string, kFieldCount> text_;
    std::array<Real, kFieldCount> number_{};
    // The text came from the user and has not been committed or rewritten.
    std::array<bool, kFieldCount> typed_{};
    // For each field, the last text the other fields agree with: what a
    // field that is left empty or unreadable goes back to.
    std::array<std::string, kFieldCount> basis_;
    std::string pdf_;
    Real density_ = 0;
    bool densityUnbounded_ = false;
    bool valueFrozen_ = false;
    NumberFormat numberFormat_;
    std::optional<Field> typing_;
    // Per field, the text whose error was shown; cleared when the text changes.
    std::array<std::optional<std::string>, kFieldCount> reported_;
    std::array<std::string, kFieldCount> notes_;
    Effects fx_;
    struct ReadMemo {
        std::string text;
        char decimal = 0, thousands = 0;
        bool readable = false;
        Real value = 0;
    };
    mutable std::optional<ReadMemo> lastRead_;
    // What the value chain computed at its df and value, for the density
    // and the chart's shaded tail there: one evaluation per edit.
    struct TailsMemo {
        std::int64_t df;
        Real x;
        ChiSquareTailsAndPdf at;
    };
    // The memo's numbers when it holds this df and value.
    const ChiSquareTailsAndPdf* Memoized(Real x) const;
    std::optional<TailsMemo> lastTails_;
    // The chart's curve at its df and range: kept while edits move the
    // value within the range, where only the marker and the tail move.
    struct CurveMemo {
        std::int64_t df;
        Real rangeEndOfDf, rangeEnd;
        DensityCurve curve;
    };
    std::optional<CurveMemo> lastCurve_;
};

}  // namespace tarvik
