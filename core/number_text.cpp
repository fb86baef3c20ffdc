#include "core/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "core/decimal_digits.h"
#include "core/errors.h"

namespace tarvik {

FormatSettings& CurrentFormatSettings() {
    static FormatSettings settings;
    return settings;
}

namespace {

constexpr int kFixedSignificant = 18;
constexpr int kGeneralSignificant = 15;

std::string WithSeparator(std::string s, char decimal) {
    for (char& ch : s)
        if (ch == '.') ch = decimal;
    return s;
}

// Decimal exponent of |v| after rounding to `digits` significant digits.
int DecimalExponent(Real v, int digits) { return ExponentOf(ScientificDigits(Abs(v), digits - 1)); }

bool IsNegativeZeroText(const std::string& s) {
    if (s.empty() || s[0] != '-') return false;
    for (std::size_t i = 1; i < s.size(); ++i)
        if (s[i] != '0' && s[i] != '.') return false;
    return true;
}

}  // namespace

namespace {

// The general form of a decimal significand (no leading or trailing zeros
// needed) and its exponent: positional from 1e-5 to below 1e15, else
// "d.dddE-x" (no '+', no leading zeros in the exponent).
std::string GeneralForm(bool negative, std::string digits, int exp10, const FormatSettings& fs) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on chains of
    // string concatenation here.
    std::string out;
    if (negative) out += '-';
    if (exp10 >= kGeneralSignificant || exp10 < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += fs.DecimalSeparator;
            out.append(digits, 1, std::string::npos);
        }
        out += 'E';
        if (exp10 < 0) out += '-';
        out += std::to_string(std::abs(exp10));
        return out;
    }
    if (exp10 < 0) {
        out += '0';
        out += fs.DecimalSeparator;
        out.append(static_cast<std::size_t>(-exp10 - 1), '0');
        out += digits;
        return out;
    }
    const std::size_t intDigits = static_cast<std::size_t>(exp10) + 1;
    if (digits.size() <= intDigits) {
        out += digits;
        out.append(intDigits - digits.size(), '0');
    } else {
        out.append(digits, 0, intDigits);
        out += fs.DecimalSeparator;
        out.append(digits, intDigits, std::string::npos);
    }
    return out;
}

// The significand's digits and the exponent of a scientific text.
std::string SignificandOf(const std::string& scientific) {
    std::string digits;
    for (std::size_t i = 0; i < scientific.size() && scientific[i] != 'e'; ++i)
        if (std::isdigit(static_cast<unsigned char>(scientific[i]))) digits += scientific[i];
    return digits;
}

// The fewest significant digits of |v| that read back as exactly |v|, as
// a scientific text.
std::string ShortestScientific(Real v) {
    std::string text;
    for (int digits = 1; digits <= 21; ++digits) {
        text = ScientificDigits(Abs(v), digits - 1);
        Real back = 0;
        if (ParseCanonical(text, back) && back == Abs(v)) break;
    }
    return text;
}

}  // namespace

std::string FormatFixed(Real v, int decimals, const FormatSettings& fs) {
    if (!IsFinite(v)) return IsNaN(v) ? "NAN" : (v > 0 ? "INF" : "-INF");
    // From 1e18 up the text is the general form, with every digit the Real
    // holds: its shortest text that reads back as exactly v (up to 20
    // significant digits), never 15 of them.
    // Below 1e17 (exact in any Real) no rounding reaches 1e18: the
    // scientific text that decides it is skipped, half of a result's cost.
    if (Abs(v) >= Real(1e17) && DecimalExponent(v, kFixedSignificant) >= kFixedSignificant) {
        const std::string shortest = ShortestScientific(v);
        return GeneralForm(v < 0, SignificandOf(shortest), ExponentOf(shortest), fs);
    }
    // Below it, the digits of the Real's exact binary value, correctly
    // rounded at the last decimal asked for: past the 19th or 20th
    // significant digit they are those of the value the Real holds exactly,
    // not of the decimal it was read from (the help says so).
    std::string s = FixedDigits(v, decimals);
    // 1 - cdf can be -2e-16: a probability is never shown as "-0.000000".
    if (IsNegativeZeroText(s)) s.erase(0, 1);
    return WithSeparator(s, fs.DecimalSeparator);
}

std::string FormatGeneral(Real v, const FormatSettings& fs) {
    if (!IsFinite(v)) return IsNaN(v) ? "NAN" : (v > 0 ? "INF" : "-INF");
    if (v == 0) return "0";
    const std::string s = ScientificDigits(v, kGeneralSignificant - 1);
    return GeneralForm(v < 0, SignificandOf(s), ExponentOf(s), fs);
}

std::string FormatSignificant(Real v, int digits) {
    if (v == 0) return "0";  // never "-0"
    return GeneralDigits(v, digits);
}

const char* NumberStyleName(NumberStyle style) {
    switch (style) {
        case NumberStyle::Significant: return "significant";
        case NumberStyle::Scientific: return "scientific";
        case NumberStyle::Decimals: break;
    }
    return "decimals";
}

bool NumberStyleOfName(const std::string& name, NumberStyle& style) {
    for (NumberStyle s : {NumberStyle::Decimals, NumberStyle::Significant, NumberStyle::Scientific})
        if (name == NumberStyleName(s)) {
            style = s;
            return true;
        }
    return false;
}

std::string FormatNumber(Real v, const NumberFormat& format, const FormatSettings& fs) {
    switch (format.style) {
        case NumberStyle::Significant: return WithSeparator(FormatSignificant(v, format.digits), fs.DecimalSeparator);
        case NumberStyle::Scientific: return FormatScientific(v, format.digits, fs);
        case NumberStyle::Decimals: break;
    }
    return FormatFixed(v, format.digits, fs);
}

std::string FormatScientific(Real v, int significant, const FormatSettings& fs) {
    if (v == 0) v = 0;  // never "-0.00000e+00"
    return WithSeparator(ScientificDigits(v, significant - 1), fs.DecimalSeparator);
}

std::string FormatFullPrecision(Real v, const FormatSettings& fs) {
    if (v == 0) return "0";
    return WithSeparator(ShortestDigits(v), fs.DecimalSeparator);
}

namespace {

// A number text taken apart: sign, the digits before and after the
// separator, and the exponent (saturated far beyond any Real).
struct NumberParts {
    bool negative = false;
    std::string whole, fraction;
    long long exponent = 0;
};

constexpr long long kExponentSaturation = 1000000000LL;

// The grammar of the fields: blanks, optional sign, digits with an optional
// decimal separator (at least one of the two), an optional exponent whose
// digits may be missing ("1e" and "1e-" read as 1), blanks.
std::optional<NumberParts> Split(const std::string& text, const FormatSettings& fs) {
    NumberParts parts;
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto digit = [&](std::size_t k) { return k < n && std::isdigit(static_cast<unsigned char>(text[k])); };
    while (i < n && text[i] == ' ') ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) parts.negative = text[i++] == '-';
    while (digit(i)) parts.whole += text[i++];
    bool separator = false;
    if (i < n && text[i] == fs.DecimalSeparator) {
        separator = true;
        ++i;
        while (digit(i)) parts.fraction += text[i++];
    }
    if (parts.whole.empty() && parts.fraction.empty() && !separator) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        while (digit(i)) {
            parts.exponent = std::min(parts.exponent * 10 + (text[i++] - '0'), kExponentSaturation);
        }
        if (negativeExponent) parts.exponent = -parts.exponent;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return std::nullopt;
    return parts;
}

// The canonical text ParseCanonical reads: "-12.5e-3".
std::string Canonical(const NumberParts& parts) {
    std::string c = parts.negative ? "-" : "";
    c += parts.whole.empty() ? "0" : parts.whole;
    if (!parts.fraction.empty()) c += "." + parts.fraction;
    if (parts.exponent != 0) c += "e" + std::to_string(parts.exponent);
    return c;
}

bool IsZero(const NumberParts& parts) {
    return (parts.whole + parts.fraction).find_first_not_of('0') == std::string::npos;
}

}  // namespace

bool TryTextToReal(const std::string& text, Real& value, const FormatSettings& fs) {
    const std::optional<NumberParts> parts = Split(text, fs);
    return parts && ParseCanonical(Canonical(*parts), value);
}

bool TryTextToRealSaturated(const std::string& text, Real& value, const FormatSettings& fs) {
    const std::optional<NumberParts> parts = Split(text, fs);
    if (!parts) return false;
    if (ParseCanonical(Canonical(*parts), value)) return true;
    // A number beyond the Real range: the largest Real, with its sign.
    value = parts->negative ? -std::numeric_limits<Real>::max() : std::numeric_limits<Real>::max();
    return !IsZero(*parts);
}

std::string DecimalComplement(const std::string& text, const FormatSettings& fs) {
    const std::optional<NumberParts> parts = Split(text, fs);
    if (!parts) return "";
    if (IsZero(*parts)) return "1";
    if (parts->negative) return "";
    // value = 0.digits x 10^point, without leading or trailing zeros.
    std::string digits = parts->whole + parts->fraction;
    long long point = static_cast<long long>(parts->whole.size()) + parts->exponent;
    const std::size_t lead = digits.find_first_not_of('0');
    digits.erase(0, lead);
    point -= static_cast<long long>(lead);
    digits.erase(digits.find_last_not_of('0') + 1);
    if (point > 1 || (point == 1 && digits != "1")) return "";  // above 1
    if (point == 1) return "0";
    // Places beyond kLongestComplement weigh less than the smallest Real:
    // dropped, so that "0.9E-799999" reads as the tiny number it is (1 - v
    // is 1 then) rather than as no number at all.
    if (-point >= kLongestComplement) return "1";
    std::string places(static_cast<std::size_t>(-point), '0');
    places += digits;
    if (places.size() > static_cast<std::size_t>(kLongestComplement)) {
        places.resize(static_cast<std::size_t>(kLongestComplement));
        const std::size_t last = places.find_last_not_of('0');
        if (last == std::string::npos) return "1";
        places.erase(last + 1);
    }
    // 1 - 0.f1...fm = 0.(9-f1)...(9-f(m-1))(10-fm).
    for (char& c : places) c = char('9' - (c - '0'));
    places.back() = char(places.back() + 1);
    return "0." + places;
}

bool TextIsZero(const std::string& text, const FormatSettings& fs) {
    const std::optional<NumberParts> parts = Split(text, fs);
    return parts && IsZero(*parts);
}

Real TextToReal(const std::string& text, const FormatSettings& fs) {
    Real v = 0;
    if (!TryTextToReal(text, v, fs)) throw EConvertError(text);
    return v;
}

}  // namespace tarvik
