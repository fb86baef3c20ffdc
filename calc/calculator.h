#pragma once
// The calculator behind the window, without widgets. It holds what the
// window shows: the degrees of freedom, the texts of the three number
// fields, the density caption, the freeze mode, and which field the user is
// typing in. Events go in; each returns the effects to show: field texts,
// the density caption, the chart, and at most one error message.
//
// The rule it keeps: after every event the numbers shown agree with each
// other to the six decimals shown (cdf = the chi-square cdf of the value at
// df, upper tail = 1 - cdf, density = the density at the value), or an
// error says why not. The one exception is the text being typed: no chain
// rewrites it. Clamps and caps are applied to the number the other fields
// are computed from, and written into the typed field when the user
// commits it (the focus leaves it, or Enter).
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/density_chart.h"
#include "core/real.h"

namespace tarvik {

enum class TField { Value = 0, Cdf = 1, UpperTail = 2 };
inline constexpr int kFieldCount = 3;

struct TEffects {
    std::array<std::optional<std::string>, kFieldCount> Texts;  // fields to rewrite
    std::optional<std::string> PdfCaption;
    std::optional<TDensityChart> Chart;
    std::optional<std::string> Error;  // the message, before the box's full stop rule
};

// The numbers behind the shown texts at full Real precision: the value and
// cdf the last chain computed from (the typed or clamped ones, not their
// six-decimal texts), and what follows from them.
struct TResults {
    Real df, value, cdf, upper, density;
};

// What a typed character does in a number field.
enum class TKeyVerdict { Accept, Refuse, Fault };

class TCalculator {
public:
    // The layout's texts; maxDf is the spin edit's MaxValue (the value cap
    // is three times it).
    explicit TCalculator(std::int32_t maxDf = 300);

    const std::string& Text(TField f) const { return text_[Index(f)]; }
    const std::string& PdfCaption() const { return pdf_; }
    std::int64_t Df() const { return df_; }
    bool ValueFrozen() const { return valueFrozen_; }
    std::optional<TField> Typing() const { return typing_; }
    Real ValueCap() const;
    TResults Results() const;

    // The window is first shown: the chart from the layout's texts.
    TEffects Show();
    // The start values, and a density and chart that agree with them.
    TEffects WriteStartValues();
    // A character typed at `caret` of `text` (UTF-16, as the field holds it).
    // A Fault carries its error in `effects`.
    TKeyVerdict KeyTyped(TField f, const std::u16string& text, int caret, char16_t ch,
                         TEffects& effects);
    // The user changed a field's text: a key, a paste, a cut, undo, a drop.
    TEffects TextEdited(TField f, const std::string& text);
    // A key whose press went to this field and changed nothing was released.
    TEffects KeyReleased(TField f);
    // The focus left the field, or Enter was pressed in it.
    TEffects Commit(TField f);
    // The spin edit's Value changed (typed, arrows, keys, its correction).
    TEffects DfChanged(std::int64_t df);
    void SetValueFrozen(bool on) { valueFrozen_ = on; }

private:
    static std::size_t Index(TField f) { return std::size_t(f); }

    // Runs a chain; a fault ends it where it happened (what was written
    // stays) and becomes the event's error, unless the same text of `source`
    // already had its error shown.
    template <typename Chain>
    void Attempt(std::optional<TField> source, Chain chain);
    template <typename Chain>
    TEffects Run(std::optional<TField> source, Chain chain);
    void FieldChain(TField f);  // the chain of the field: value or probability
    void Report(std::optional<TField> source, const std::string& key, const std::string& message);

    void ValueChain();
    void ProbabilityChain(TField edited);
    void DfChain();
    void UpdateFromValue();
    void ApplyProbability(Real c, TField edited, const std::string& editedText);
    void UpdatePdf();
    void RedrawChart();

    // The text a field will hold once committed: the clamped or capped form
    // of what it holds now. Throws EConvertError for a text that does not read.
    std::string Canonical(TField f) const;
    // The field's number as the other fields see it: read from Canonical().
    Real Effective(TField f) const;
    // Writes a field, never the one being typed in.
    void Write(TField f, const std::string& text);
    void CommitTyping();

    std::int32_t maxDf_;
    std::int64_t df_ = 1;
    std::array<std::string, kFieldCount> text_;
    // For each field, the last text the other fields agree with: what a
    // field that is left empty or unreadable goes back to.
    std::array<std::string, kFieldCount> basis_;
    std::string pdf_;
    // The upper tail is kept apart from 1 - cdf: a p-value of 1e-10 would
    // keep only nine digits as a difference from 1.
    Real exactValue_ = 0, exactCdf_ = 0, exactUpper_ = 1;
    bool valueFrozen_ = false;
    std::optional<TField> typing_;
    // Per field, the text whose error was shown; cleared when the text changes.
    std::array<std::optional<std::string>, kFieldCount> reported_;
    TEffects fx_;
};

}  // namespace tarvik
