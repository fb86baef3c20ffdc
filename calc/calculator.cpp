#include "calc/calculator.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "calc/calculator_texts.h"
#include "calc/computations.h"
#include "calc/input_filter.h"
#include "core/checked_math.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "math/distributions.h"

namespace tarvik {

namespace {

// The canonical decimal texts of DecimalComplement, whatever the locale.
Real ReadCanonical(const std::string& text) {
    Real v = 0;
    if (!TryTextToReal(text, v, FormatSettings{})) throw EConvertError(text);
    return v;
}

}  // namespace

std::string Calculator::Format(Real v) const { return FormatNumber(v, numberFormat_); }

Calculator::Calculator(const Limits& limits)
    : limits_(limits),
      lowestText_(FormatGeneral(limits.lowestProbability, FormatSettings{})),
      pdf_("0.029819") {
    highestText_ = DecimalComplement(lowestText_, FormatSettings{});
    highestProbability_ = ReadCanonical(highestText_);
    text_.fill("0");
    basis_ = text_;
}

Effects Calculator::SetNumberFormat(const NumberFormat& format) {
    fx_ = {};
    // A field whose text is the old form of its number shows the new one;
    // a text the user typed stays as it was.
    std::array<bool, kFieldCount> computed{};
    for (std::size_t i = 0; i < kFieldCount; ++i)
        computed[i] = typing_ != Field(i) && text_[i] == FormatNumber(number_[i], numberFormat_);
    numberFormat_ = format;
    for (std::size_t i = 0; i < kFieldCount; ++i)
        if (computed[i]) Write(Field(i), Format(number_[i]), number_[i]);
    pdf_ = densityUnbounded_ ? kUnboundedDensityText : Format(density_);
    fx_.PdfCaption = pdf_;
    UpdateNotes();
    return std::exchange(fx_, {});
}

Results Calculator::CurrentResults() const {
    return {Real(df_), number_[Index(Field::Value)], number_[Index(Field::Cdf)],
            number_[Index(Field::UpperTail)], density_, densityUnbounded_};
}

void Calculator::Report(std::optional<Field> source, const std::string& key, const std::string& message) {
    if (source) {
        auto& shown = reported_[Index(*source)];
        if (shown && *shown == key) return;  // already shown for this very text
        shown = key;
    }
    if (!fx_.Error) fx_.Error = message;
}

template <typename Chain>
void Calculator::Attempt(std::optional<Field> source, Chain chain) {
    try {
        chain();
    } catch (const Exception& e) {
        Report(source, source ? text_[Index(*source)] : std::string(), e.Message());
    }
}

template <typename Chain>
Effects Calculator::Run(std::optional<Field> source, Chain chain) {
    Attempt(source, chain);
    UpdateNotes();
    return std::exchange(fx_, {});
}

void Calculator::FieldChain(Field f) { f == Field::Value ? ValueChain() : ProbabilityChain(f); }

// ------------------------------------------------------------ events

Effects Calculator::Show() {
    fx_ = {};
    return Run(std::nullopt, [this] { RedrawChart(); });
}

Effects Calculator::WriteStartValues() {
    fx_ = {};
    return Run(std::nullopt, [this] {
        // The numbers behind the start texts, as if 0.95 had been typed
        // into the cdf: the value shown is its quantile to six decimals.
        // In another style than six decimals the start shows in it.
        const bool classic = numberFormat_.style == NumberStyle::Decimals && numberFormat_.digits == 6;
        const auto shown = [&](Real v, Real classicText) { return classic ? FormatGeneral(classicText) : Format(v); };
        const Real x = ChiSquareUpperQuantile(Real(df_), 0.05_r);
        Write(Field::Cdf, shown(0.95_r, 0.95_r), 0.95_r);
        Write(Field::UpperTail, shown(0.05_r, 0.05_r), 0.05_r);
        Write(Field::Value, shown(x, 3.841459_r), x);
        UpdatePdf();
        RedrawChart();
    });
}

KeyVerdict Calculator::KeyTyped(const std::u16string& text, int caret, char16_t ch) {
    return NumericKeyAccepted(text, caret, ch) ? KeyVerdict::Accept : KeyVerdict::Refuse;
}

char16_t Calculator::KeyInserted(const std::u16string& text, int caret, char16_t ch) {
    const char decimal = CurrentFormatSettings().DecimalSeparator;
    if (ch == u'.' && decimal == ',' && text.find(u',') == std::u16string::npos &&
        KeyTyped(text, caret, u',') == KeyVerdict::Accept)
        return u',';
    return KeyTyped(text, caret, ch) == KeyVerdict::Accept ? ch : 0;
}

Effects Calculator::TextEdited(Field f, const std::string& text) {
    fx_ = {};
    if (typing_ && *typing_ != f) CommitTyping();
    if (text_[Index(f)] != text) reported_[Index(f)].reset();
    text_[Index(f)] = text;
    typed_[Index(f)] = true;
    typing_ = f;
    return Run(f, [this, f] { FieldChain(f); });
}

// Nothing the user made has changed: the fields agree already. Only a
// typed text whose chain failed (its error shown once) is tried again.
Effects Calculator::KeyReleased(Field f) {
    fx_ = {};
    if (!typed_[Index(f)]) return {};
    return Run(f, [this, f] { FieldChain(f); });
}

Effects Calculator::Commit(Field f) {
    fx_ = {};
    if (typing_ == f) CommitTyping();
    UpdateNotes();
    return std::exchange(fx_, {});
}

// The field being typed in stays as the user made it: the chain reads its
// clamped number, and it is committed when the user leaves it.
Effects Calculator::DfChanged(std::int64_t df) {
    fx_ = {};
    df_ = df;
    return Run(std::nullopt, [this] { DfChain(); });
}

// The typed field gets its clamped or capped form, and the others follow
// it once more: a guard text ("0") recomputed nothing while it was typed.
// A field left empty or unreadable goes back to the text, and the number,
// the others agree with; its error, if any, has been shown.
void Calculator::CommitTyping() {
    const Field f = *typing_;
    typing_.reset();
    const std::string& text = text_[Index(f)];
    Real read = 0;
    if (text.empty() || !TryReadText(text, read) || (f == Field::Value && IsBelowEveryReal(read, text))) {
        Write(f, basis_[Index(f)], number_[Index(f)]);
        return;
    }
    Attempt(f, [this, f] { FieldChain(f); });
}

// ------------------------------------------------------------ chains

void Calculator::ValueChain() {
    if (text_[Index(Field::Value)].empty()) return;
    UpdateFromValue(false);
    UpdatePdf();
    RedrawChart();
}

void Calculator::ProbabilityChain(Field edited) {
    const std::string text = text_[Index(edited)];
    if (text.empty()) return;
    if (typing_ == edited && IsGuardText(text)) return;
    const Probabilities p = ProbabilitiesFromText(edited);
    Write(Field::Cdf, p.cdfText, p.cdf);
    Write(Field::UpperTail, p.upperText, p.upper);
    ApplyProbabilities(p.cdf, p.upper);
    if (typing_ == edited) basis_[Index(edited)] = edited == Field::Cdf ? p.cdfText : p.upperText;
    UpdatePdf();
    RedrawChart();
}

void Calculator::DfChain() {
    // Above 65535 the df is no 16-bit count: "Range check error", before
    // anything is written.
    checked::ToUInt16(df_);
    if (valueFrozen_) {
        UpdateFromValue(true);
    } else {
        // A frozen cdf that shows 0 or 1 (a value far in a tail at the old
        // df) cannot give a value: the probabilities follow the value then,
        // instead of leaving fields that contradict each other.
        const Real cdf = number_[Index(Field::Cdf)];
        const std::string shown = Format(cdf);
        if (shown != Format(0) && shown != Format(1))
            ApplyProbabilities(cdf, number_[Index(Field::UpperTail)]);
        else
            UpdateFromValue(true);
    }
    UpdatePdf();
    RedrawChart();
}

void Calculator::UpdateFromValue(bool fromDf) {
    const std::size_t v = Index(Field::Value);
    Real x = number_[v];
    Real readable = 0;
    // Typed into, the field speaks for itself; a text that does not read
    // (yet) is the value chain's error, and leaves a df change at its number.
    if (typed_[v] && (!fromDf || TryReadText(text_[v], readable))) {
        const std::string canonical = Canonical(Field::Value);
        x = ReadText(canonical);
        Write(Field::Value, canonical, x);
        if (typing_ == Field::Value) basis_[v] = canonical;
    }
    // At 0 the density is a limit of its own (and unbounded below df 2).
    if (x > 0) lastTails_ = TailsMemo{df_, x, ChiSquareAt(Real(df_), x)};
    const ChiSquareTailPair tails =
        Memoized(x) ? ChiSquareTailPair{Memoized(x)->cdf, Memoized(x)->upper} : ChiSquareTails(Real(df_), x);
    Write(Field::Cdf, Format(tails.cdf), tails.cdf);
    Write(Field::UpperTail, Format(tails.upper), tails.upper);
}

// The value from both tails, each exact: solved on the smaller one, where
// its decimal digits are many more than a Real near 1 could hold.
void Calculator::ApplyProbabilities(Real cdf, Real upper) {
    const Real df = Real(checked::ToUInt16(df_));
    const Real x = QuantileOfTails(df, {cdf, upper});
    Write(Field::Value, Format(x), x);
}

void Calculator::UpdatePdf() {
    density_ = 0;
    densityUnbounded_ = false;
    if (!text_[Index(Field::Value)].empty()) {
        const Real x = Effective(Field::Value);
        if (const ChiSquareTailsAndPdf* at = Memoized(x))
            density_ = at->density;
        else
            DensityAt(Real(df_), x, density_, densityUnbounded_);
    }
    pdf_ = densityUnbounded_ ? kUnboundedDensityText : Format(density_);
    fx_.PdfCaption = pdf_;
}

void Calculator::RedrawChart() {
    const Real x = Effective(Field::Value);
    const ChiSquareTailsAndPdf* at = Memoized(x);
    const Real df = Real(df_);
    if (!lastCurve_ || lastCurve_->df != df_) {
        const Real end = DensityRangeEnd(df);
        lastCurve_ = CurveMemo{df_, end, end, ComputeDensityCurve(df, end)};
    }
    if (const Real end = DensityRangeEnd(lastCurve_->rangeEndOfDf, x); end != lastCurve_->rangeEnd) {
        lastCurve_->curve = ComputeDensityCurve(df, end);
        lastCurve_->rangeEnd = end;
    }
    fx_.Chart = DensityPlotOnCurve(lastCurve_->curve, df, x, at ? at->upper : ChiSquareUpperTail(df, x));
}

const ChiSquareTailsAndPdf* Calculator::Memoized(Real x) const {
    return lastTails_ && lastTails_->df == df_ && lastTails_->x == x ? &lastTails_->at : nullptr;
}

bool Calculator::TryReadText(const std::string& text, Real& value) const {
    const FormatSettings& fs = CurrentFormatSettings();
    if (!lastRead_ || lastRead_->text != text || lastRead_->decimal != fs.DecimalSeparator ||
        lastRead_->thousands != fs.ThousandSeparator) {
        ReadMemo memo{text, fs.DecimalSeparator, fs.ThousandSeparator, false, 0};
        memo.readable = TryTextToRealSaturated(text, memo.value);
        lastRead_ = memo;
    }
    value = lastRead_->value;
    return lastRead_->readable;
}

// A number text as the fields read it; one beyond the Real range reads as
// the largest Real (and is clamped like any other large number).
Real Calculator::ReadText(const std::string& text) const {
    Real v = 0;
    if (!TryReadText(text, v)) throw EConvertError(text);
    return v;
}

// ------------------------------------------------------------ texts

// The typed text read as a probability of its own tail, its complement
// taken from the decimal text, both clamped into [lowest, 1 - lowest] (a
// probability typed beyond 0 or 1 clamps too).
Calculator::Probabilities Calculator::ProbabilitiesFromText(Field edited) const {
    const std::string& text = text_[Index(edited)];
    const Real typed = ReadText(text);
    const Real lowest = limits_.lowestProbability;
    const bool unit = typed >= 0 && typed <= 1;
    // Outside [0, 1] the text has no complement to take; the clamps below
    // decide on the number alone.
    const ExactTails exact = unit                     ? TailsOfText(text, edited)
                             : edited == Field::Cdf ? ExactTails{typed, 1 - typed}
                                                    : ExactTails{1 - typed, typed};
    Real own = edited == Field::Cdf ? exact.cdf : exact.upper;
    Real rest = edited == Field::Cdf ? exact.upper : exact.cdf;
    std::string ownText = text;
    if (!(own >= lowest)) {
        own = lowest, rest = highestProbability_;
        ownText = Format(lowest);
    } else if (!(rest >= lowest)) {
        own = highestProbability_, rest = lowest;
        ownText = Format(highestProbability_);
    }
    const std::string restText = Format(rest);
    if (edited == Field::Cdf) return {own, rest, ownText, restText};
    return {rest, own, restText, ownText};
}

std::string Calculator::Canonical(Field f) const {
    const std::string& text = text_[Index(f)];
    if (f == Field::Value) {
        const Real x = ReadText(text);
        if (IsBelowEveryReal(x, text)) throw EBelowSmallestReal(text);
        if (x > limits_.valueCap) return Format(limits_.valueCap);
        // A negative value can only be pasted; it is no chi-square value.
        // "-0" passes the key filter but is shown as 0 once committed.
        if (x < 0 || SignBit(x)) return Format(0);
        return text;
    }
    const Probabilities p = ProbabilitiesFromText(f);
    return f == Field::Cdf ? p.cdfText : p.upperText;
}

// The typed field counts with its clamped form (its last number while it
// does not read); the others with their exact numbers (a value beyond the cap written by the quantile at a typed df
// above 300 keeps its place on the chart until the df is corrected).
Real Calculator::Effective(Field f) const {
    Real readable = 0;
    if (typing_ != f || !TryReadText(text_[Index(f)], readable)) return number_[Index(f)];
    if (f == Field::Value) return ReadText(Canonical(f));
    const Probabilities p = ProbabilitiesFromText(f);
    return f == Field::Cdf ? p.cdf : p.upper;
}

void Calculator::Write(Field f, const std::string& text, Real number) {
    const std::size_t i = Index(f);
    number_[i] = number;
    if (typing_ == f) return;
    typed_[i] = false;
    basis_[i] = text;
    if (text_[i] == text) return;
    reported_[i].reset();
    text_[i] = text;
    fx_.Texts[i] = text;
}

}  // namespace tarvik
