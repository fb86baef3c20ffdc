#include "plot/number_pattern.h"

#include <cmath>

#include "core/decimal_digits.h"

namespace tarvik {

namespace {

struct Pattern {
    int minInt = 0;    // "0" digits before the point
    bool grouping = false;
    int minFrac = 0;   // "0" digits after the point
    int maxFrac = 0;   // "0" and "#" digits after the point
};

Pattern Parse(const std::string& p) {
    Pattern out;
    const auto dot = p.find('.');
    const std::string intPart = p.substr(0, dot);
    const std::string fracPart = dot == std::string::npos ? "" : p.substr(dot + 1);
    for (char c : intPart) {
        if (c == '0') ++out.minInt;
        if (c == ',') out.grouping = true;
    }
    for (char c : fracPart) {
        if (c == '0') ++out.minFrac, ++out.maxFrac;
        if (c == '#') ++out.maxFrac;
    }
    return out;
}

// The decimal digits of |v| rounded half away from zero at `decimals` places:
// integer digits and fraction digits. Rounds from 17 significant digits, so
// that 0.125 stays 0.125 and a binary 0.0625 rounds up like its decimal.
void RoundDecimal(double v, int decimals, std::string& intDigits, std::string& fracDigits) {
    const std::string sci = ScientificDigits(std::fabs(v), 16);
    std::string digits;
    for (std::size_t i = 0; i < sci.size() && sci[i] != 'e'; ++i)
        if (sci[i] >= '0' && sci[i] <= '9') digits += sci[i];
    const int exp10 = ExponentOf(sci);
    // digits[i] has weight 10^(exp10 - i); keep weights down to 10^-decimals.
    const int keep = exp10 + 1 + decimals;
    std::string kept;
    if (keep <= 0) {
        // Everything lies below the last kept place: 0, or one unit there.
        kept = keep == 0 && digits[0] >= '5' ? "1" : "0";
    } else if (keep < int(digits.size())) {
        const bool up = digits[std::size_t(keep)] >= '5';
        kept = digits.substr(0, std::size_t(keep));
        if (up) {
            int i = keep - 1;
            while (i >= 0 && kept[std::size_t(i)] == '9') kept[std::size_t(i--)] = '0';
            if (i >= 0)
                ++kept[std::size_t(i)];
            else
                kept.insert(kept.begin(), '1');
        }
    } else {
        kept = digits + std::string(std::size_t(keep) - digits.size(), '0');
    }
    // At least one integer digit in front of the fraction.
    if (kept.size() < std::size_t(decimals) + 1)
        kept.insert(0, std::size_t(decimals) + 1 - kept.size(), '0');
    const std::size_t fracStart = kept.size() - std::size_t(decimals);
    intDigits = kept.substr(0, fracStart);
    fracDigits = kept.substr(fracStart);
    // Strip leading zeros of the integer part (keep one).
    std::size_t nz = 0;
    while (nz + 1 < intDigits.size() && intDigits[nz] == '0') ++nz;
    intDigits.erase(0, nz);
}

}  // namespace

std::string FormatNumberPattern(double value, const std::string& pattern, const FormatSettings& fs) {
    const Pattern p = Parse(pattern);
    std::string intDigits, fracDigits;
    RoundDecimal(value, p.maxFrac, intDigits, fracDigits);
    while (int(fracDigits.size()) > p.minFrac && !fracDigits.empty() && fracDigits.back() == '0')
        fracDigits.pop_back();
    if (intDigits == "0") intDigits.clear();
    while (int(intDigits.size()) < p.minInt) intDigits.insert(intDigits.begin(), '0');
    if (p.grouping && intDigits.size() > 3) {
        std::string grouped;
        const std::size_t n = intDigits.size();
        for (std::size_t i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0) grouped += fs.ThousandSeparator;
            grouped += intDigits[i];
        }
        intDigits = grouped;
    }
    bool nonZero = false;
    for (char c : intDigits + fracDigits) nonZero |= (c >= '1' && c <= '9');
    std::string out;
    // A value that rounds to zero is never written with a minus sign.
    if (value < 0 && nonZero) out += '-';
    out += intDigits;
    if (!fracDigits.empty()) {
        out += fs.DecimalSeparator;
        out += fracDigits;
    }
    if (out.empty() || out == "-") out = "0";
    return out;
}

}  // namespace tarvik
