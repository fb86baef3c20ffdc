#pragma once
// Number texts of the window's fields: the fixed and general formats and the
// text-to-number conversion, all with the locale's decimal separator.
#include <string>

#include "core/format_settings.h"
#include "core/real.h"

namespace tarvik {

// Fixed point, `decimals` digits, nearest, at most 18 significant digits, a
// leading "-" for negatives; a value that rounds to zero never shows "-".
std::string FormatFixed(Real v, int decimals = 6,
                        const FormatSettings& fs = CurrentFormatSettings());

// Shortest text of at most 15 significant digits without trailing zeros;
// scientific ("1E-6", "1.5E20") for very small or large magnitudes.
std::string FormatGeneral(Real v, const FormatSettings& fs = CurrentFormatSettings());

// `digits` significant digits, shortest form ("2.5e-10", "0.0237690462"),
// always with a point: for machine-readable output.
std::string FormatSignificant(Real v, int digits);

// Scientific notation with `significant` digits ("2.53963e-10" for 6), with
// the locale's decimal separator.
std::string FormatScientific(Real v, int significant, const FormatSettings& fs = CurrentFormatSettings());

// The full Real precision: the shortest text that reads back as exactly
// `v`, with the locale's decimal separator.
std::string FormatFullPrecision(Real v, const FormatSettings& fs = CurrentFormatSettings());

// How computed numbers are shown: six decimals (the fields' classic form),
// significant digits (the shorter of fixed and scientific, as %g), or
// scientific. `digits` is the decimals of the first, the significant digits
// of the others. One choice for the window and the command line alike.
enum class NumberStyle { Decimals, Significant, Scientific };
struct NumberFormat {
    NumberStyle style = NumberStyle::Decimals;
    int digits = 6;
};
// The names the command line takes and the settings keep.
const char* NumberStyleName(NumberStyle style);
bool NumberStyleOfName(const std::string& name, NumberStyle& style);
std::string FormatNumber(Real v, const NumberFormat& format, const FormatSettings& fs = CurrentFormatSettings());

// Reads blanks, optional sign, digits with an optional decimal separator (at
// least one of the two), an optional exponent whose digits may be missing,
// blanks. Returns false on any other text or a value beyond the Real range.
bool TryTextToReal(const std::string& text, Real& value,
                   const FormatSettings& fs = CurrentFormatSettings());

// As TryTextToReal, but a number beyond the Real range ("1e4000") reads as
// the largest Real with its sign, for callers that clamp it anyway.
bool TryTextToRealSaturated(const std::string& text, Real& value,
                            const FormatSettings& fs = CurrentFormatSettings());

// The exact decimal text of 1 - v for the number v a text stands for:
// "0.000001" for "0.999999", "0.0000000000000000000000001" for
// "0.9999999999999999999999999" (no Real holds either complement exactly).
// In the canonical form, with the point. Empty when the text does not read
// or v lies outside [0, 1]. Places of v beyond kLongestComplement are
// dropped first: they lie below the smallest Real (about 3.6e-4951), so the
// complement still reads as the Real nearest to 1 - v.
inline constexpr long long kLongestComplement = 20000;
std::string DecimalComplement(const std::string& text, const FormatSettings& fs = CurrentFormatSettings());

// Whether a text that reads as a number stands for 0 itself (not for a
// number below the smallest Real, which reads as 0 too).
bool TextIsZero(const std::string& text, const FormatSettings& fs = CurrentFormatSettings());

// As TryTextToReal, but throws EConvertError with the text.
Real TextToReal(const std::string& text, const FormatSettings& fs = CurrentFormatSettings());

}  // namespace tarvik
