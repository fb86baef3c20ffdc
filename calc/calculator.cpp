#include "calc/calculator.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/input_filter.h"
#include "core/checked_math.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "math/distributions.h"

namespace tarvik {

namespace {

const Real kLowestCdf = 0.000001_r;
const Real kHighestCdf = 0.999999_r;
// The value field may hold at most three times the largest df.
constexpr int kValueCapFactor = 3;

// Texts on the way to a probability ("0" before "0.05"): while typed, they
// recompute nothing. Committed, they read as numbers and clamp.
constexpr std::array<const char*, 6> kGuardTexts = {"", ".", ",", "0", "0.", "0,"};

bool IsGuardText(const std::string& text) {
    return std::find(kGuardTexts.begin(), kGuardTexts.end(), text) != kGuardTexts.end();
}

Real Read(const std::string& text) { return TextToReal(text); }
std::string Fixed(Real v) { return FormatFixed(v); }

// The three texts a probability typed into `edited` stands for: the cdf it
// gives, clamped into [0.000001, 0.999999] (a probability typed beyond 0 or
// 1 clamps too), and the cdf and upper-tail texts that go with it. An upper
// tail is read through the cdf text written for it, rounded to six
// decimals, so the value always follows the cdf that is shown.
struct ProbabilityTexts {
    Real cdf;
    std::string cdfText, upperText;
};

ProbabilityTexts ForProbability(TField edited, const std::string& text) {
    const Real typed = Read(text);
    Real c = edited == TField::Cdf ? typed : Read(Fixed(1 - typed));
    bool clamped = true;
    std::string cdfText;
    if (!(c >= kLowestCdf)) {
        c = kLowestCdf;
        cdfText = Fixed(c);
    } else if (c > kHighestCdf) {
        c = kHighestCdf;
        cdfText = FormatGeneral(c);  // the upper clamp writes the general format
    } else {
        clamped = false;
        cdfText = edited == TField::Cdf ? text : Fixed(c);
    }
    std::string upperText = edited == TField::UpperTail && !clamped ? text : Fixed(1 - c);
    return {c, std::move(cdfText), std::move(upperText)};
}

}  // namespace

TCalculator::TCalculator(std::int32_t maxDf) : maxDf_(maxDf), pdf_("0.029819") {
    text_.fill("0");
    basis_ = text_;
}

Real TCalculator::ValueCap() const { return kValueCapFactor * Real(maxDf_); }

TResults TCalculator::Results() const {
    const Real df = Real(df_);
    return {df, exactValue_, exactCdf_, exactUpper_, ChiSquarePdf(df, exactValue_)};
}

void TCalculator::Report(std::optional<TField> source, const std::string& key, const std::string& message) {
    if (source) {
        auto& shown = reported_[Index(*source)];
        if (shown && *shown == key) return;  // already shown for this very text
        shown = key;
    }
    if (!fx_.Error) fx_.Error = message;
}

template <typename Chain>
void TCalculator::Attempt(std::optional<TField> source, Chain chain) {
    try {
        chain();
    } catch (const Exception& e) {
        Report(source, source ? text_[Index(*source)] : std::string(), e.Message());
    }
}

template <typename Chain>
TEffects TCalculator::Run(std::optional<TField> source, Chain chain) {
    Attempt(source, chain);
    return std::exchange(fx_, {});
}

void TCalculator::FieldChain(TField f) { f == TField::Value ? ValueChain() : ProbabilityChain(f); }

// ------------------------------------------------------------ events

TEffects TCalculator::Show() {
    fx_ = {};
    return Run(std::nullopt, [this] { RedrawChart(); });
}

TEffects TCalculator::WriteStartValues() {
    fx_ = {};
    Write(TField::Value, FormatGeneral(3.841459_r));
    Write(TField::Cdf, FormatGeneral(0.95_r));
    Write(TField::UpperTail, FormatGeneral(0.05_r));
    return Run(std::nullopt, [this] {
        // The numbers behind the start texts, as if 0.95 had been typed
        // into the cdf: the value shown is its quantile to six decimals.
        exactCdf_ = 0.95_r;
        exactUpper_ = 1 - exactCdf_;
        exactValue_ = ChiSquareQuantile(Real(df_), exactCdf_);
        UpdatePdf();
        RedrawChart();
    });
}

TKeyVerdict TCalculator::KeyTyped(TField f, const std::u16string& text, int caret, char16_t ch,
                                  TEffects& effects) {
    try {
        return NumericKeyAccepted(text, caret, ch) ? TKeyVerdict::Accept : TKeyVerdict::Refuse;
    } catch (const Exception& e) {
        fx_ = {};
        Report(f, CopyWithKey(text, caret, ch), e.Message());
        effects = std::exchange(fx_, {});
        return TKeyVerdict::Fault;
    }
}

TEffects TCalculator::TextEdited(TField f, const std::string& text) {
    fx_ = {};
    if (typing_ && *typing_ != f) CommitTyping();
    if (text_[Index(f)] != text) reported_[Index(f)].reset();
    text_[Index(f)] = text;
    typing_ = f;
    return Run(f, [this, f] { FieldChain(f); });
}

TEffects TCalculator::KeyReleased(TField f) {
    fx_ = {};
    return Run(f, [this, f] { FieldChain(f); });
}

TEffects TCalculator::Commit(TField f) {
    fx_ = {};
    if (typing_ == f) CommitTyping();
    return std::exchange(fx_, {});
}

TEffects TCalculator::DfChanged(std::int64_t df) {
    fx_ = {};
    if (typing_) CommitTyping();
    df_ = df;
    return Run(std::nullopt, [this] { DfChain(); });
}

// The typed field gets its clamped or capped form, and the others follow
// it once more: a guard text ("0") recomputed nothing while it was typed.
// A field left empty or unreadable goes back to the text the others agree
// with; its error, if any, has been shown.
void TCalculator::CommitTyping() {
    const TField f = *typing_;
    typing_.reset();
    const std::string& text = text_[Index(f)];
    Real unused = 0;
    if (text.empty() || !TryTextToReal(text, unused)) {
        Write(f, basis_[Index(f)]);
        return;
    }
    Attempt(f, [this, f] { FieldChain(f); });
}

// ------------------------------------------------------------ chains

void TCalculator::ValueChain() {
    if (text_[Index(TField::Value)].empty()) return;
    UpdateFromValue();
    UpdatePdf();
    RedrawChart();
}

void TCalculator::ProbabilityChain(TField edited) {
    const std::string text = text_[Index(edited)];
    if (text.empty()) return;
    if (typing_ == edited && IsGuardText(text)) return;
    const ProbabilityTexts p = ForProbability(edited, text);
    Write(TField::Cdf, p.cdfText);
    Write(TField::UpperTail, p.upperText);
    ApplyProbability(p.cdf, edited, edited == TField::Cdf ? p.cdfText : p.upperText);
    UpdatePdf();
    RedrawChart();
}

void TCalculator::DfChain() {
    // Above 65535 the df is no 16-bit count: "Range check error", before
    // anything is written.
    checked::ToUInt16(df_);
    if (valueFrozen_) {
        UpdateFromValue();
    } else {
        // A frozen cdf that reads 0 or 1 (a value far in a tail at the old
        // df) cannot give a value: the probabilities follow the value then,
        // instead of leaving fields that contradict each other.
        const std::string text = text_[Index(TField::Cdf)];
        const Real c = Read(text);
        if (c > 0 && c < 1) {
            const ProbabilityTexts p = ForProbability(TField::Cdf, text);
            Write(TField::Cdf, p.cdfText);
            Write(TField::UpperTail, p.upperText);
            ApplyProbability(p.cdf, TField::Cdf, p.cdfText);
        } else {
            UpdateFromValue();
        }
    }
    UpdatePdf();
    RedrawChart();
}

void TCalculator::UpdateFromValue() {
    Real cdf = 0;
    if (!text_[Index(TField::Value)].empty()) {
        const std::string canonical = Canonical(TField::Value);
        Write(TField::Value, canonical);
        exactValue_ = Read(canonical);
        const ChiSquareTailPair tails = ChiSquareTails(Real(df_), exactValue_);
        cdf = tails.cdf;
        exactCdf_ = cdf;
        exactUpper_ = tails.upper;
        if (typing_ == TField::Value) basis_[Index(TField::Value)] = canonical;
    }
    Write(TField::Cdf, Fixed(cdf));
    Write(TField::UpperTail, Fixed(1 - cdf));
}

// The value from a clamped cdf. The df must fit 16 bits here.
void TCalculator::ApplyProbability(Real c, TField edited, const std::string& editedText) {
    const std::uint16_t df = checked::ToUInt16(df_);
    exactValue_ = ChiSquareQuantile(Real(df), c);
    exactCdf_ = c;
    exactUpper_ = 1 - c;  // c came from six decimals: nothing is lost
    Write(TField::Value, Fixed(exactValue_));
    if (typing_ == edited) basis_[Index(edited)] = editedText;
}

void TCalculator::UpdatePdf() {
    Real density = 0;
    if (!text_[Index(TField::Value)].empty()) density = ChiSquarePdf(Real(df_), Effective(TField::Value));
    pdf_ = Fixed(density);
    fx_.PdfCaption = pdf_;
}

void TCalculator::RedrawChart() {
    const Real cdf = Effective(TField::Cdf);
    const Real value = Effective(TField::Value);
    fx_.Chart = ComputeDensityChart(Real(df_), cdf, value);
}

// ------------------------------------------------------------ texts

std::string TCalculator::Canonical(TField f) const {
    const std::string& text = text_[Index(f)];
    if (f == TField::Value) {
        const Real x = Read(text);
        if (x > ValueCap()) return Fixed(ValueCap());
        // A negative value can only be pasted; it is no chi-square value.
        // "-0" passes the key filter but is shown as 0 once committed.
        if (x < 0 || SignBit(x)) return Fixed(0);
        return text;
    }
    const ProbabilityTexts p = ForProbability(f, text);
    return f == TField::Cdf ? p.cdfText : p.upperText;
}

// The typed field counts with its clamped form; the others as they read
// (a value beyond the cap written by the quantile at a typed df above 300
// keeps its place on the chart until the df is corrected).
Real TCalculator::Effective(TField f) const {
    return Read(typing_ == f ? Canonical(f) : text_[Index(f)]);
}

void TCalculator::Write(TField f, const std::string& text) {
    if (typing_ == f) return;
    auto& current = text_[Index(f)];
    if (current != text) reported_[Index(f)].reset();
    current = text;
    basis_[Index(f)] = text;
    fx_.Texts[Index(f)] = text;
}

}  // namespace tarvik
