#pragma once
// Decimal digits of binary floating-point numbers, independent of the C
// library's locale. QApplication sets LC_NUMERIC from the environment, so
// printf and strtold would write and expect a comma on a German desktop;
// std::to_chars and std::from_chars never look at the locale.
#include <string>

#include "core/real.h"

namespace tarvik {

// "d.ddd...e+XX" with `precision` digits after the point, correctly rounded
// (to nearest, ties to even), as printf's "%.*Le" in the "C" locale.
std::string ScientificDigits(Real v, int precision);
std::string ScientificDigits(double v, int precision);

// Fixed notation with `decimals` digits after the point, as "%.*Lf" in "C".
std::string FixedDigits(Real v, int decimals);

// The shortest of fixed and scientific notation with `precision`
// significant digits, as "%.*Lg" in the "C" locale.
std::string GeneralDigits(Real v, int precision);

// The shortest text that reads back as exactly `v` (fixed or scientific,
// whichever is shorter): "23.5", "2.5396285899883687600e-10".
std::string ShortestDigits(Real v);

// The decimal exponent of a scientific text from ScientificDigits.
int ExponentOf(const std::string& scientific);

// Reads a whole canonical text ("-12.5e-3": point, digits, optional
// exponent). False unless every character is consumed and the value is
// finite in the Real range; a value below the smallest Real reads as 0.
bool ParseCanonical(const std::string& canonical, Real& value);

}  // namespace tarvik
