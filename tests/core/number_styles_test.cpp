// Every number style at every precision the command line takes, text by
// text against the Real's exact value written by a 50-digit reference
// (cpp_bin_float_50 holds every Real exactly, and writes it correctly
// rounded): no crash, no missing leading zero, no digit zeroed or invented.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_bin_float.hpp>

#include <string>
#include <vector>

#include "core/number_text.h"

namespace tarvik {
namespace {

using Ref = boost::multiprecision::cpp_bin_float_50;

// Boost writes all digits for a precision of 0: the one-digit forms are
// rounded here, ties to even as the Real's own conversion rounds them.
Ref NearestWhole(const Ref& v) {
    const Ref down = floor(v), rest = v - down;
    if (rest > Ref(0.5) || (rest == Ref(0.5) && fmod(down, Ref(2)) != 0)) return down + 1;
    return down;
}
std::string Fixed(const Ref& v, int decimals) {
    if (decimals > 0) return v.str(decimals, std::ios::fixed);
    const std::string whole = NearestWhole(v).str(0, std::ios::fixed);
    return whole.substr(0, whole.find('.'));
}
std::string Scientific(const Ref& v, int decimals) {
    if (decimals > 0) return v.str(decimals, std::ios::scientific);
    int exponent = int(floor(log10(v)));
    Ref digit = NearestWhole(v / pow(Ref(10), exponent));
    if (digit == 10) {
        digit = 1;
        ++exponent;
    }
    const std::string e = std::to_string(std::abs(exponent));
    return digit.str(0, std::ios::fixed).substr(0, 1) + "e" + (exponent < 0 ? "-" : "+") + (e.size() < 2 ? "0" : "") + e;
}

// What %.*g writes with `precision` significant digits, from the scientific
// reference: positional for exponents from -4 to precision - 1, trailing
// zeros dropped.
std::string GeneralReference(const Ref& v, int precision) {
    const std::string sci = Scientific(v, precision - 1);
    const int exponent = std::stoi(sci.substr(sci.find('e') + 1));
    std::string text = exponent >= -4 && exponent < precision ? Fixed(v, precision - 1 - exponent) : sci;
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e), tail = e == std::string::npos ? "" : text.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + tail;
}

TEST(NumberStyles, EveryStyleAtEveryPrecisionIsTheRealsOwnValueRounded) {
    // The values of the reported faults (a cdf and an upper tail near 0 and
    // 1, x of 5 and 65534, a density of 2.6e14) and a spread around them.
    const std::vector<Real> values = {
        5,
        0.10882198108584875765_r,
        0.89117801891415124234_r,
        18.307038053275146872_r,
        0.5_r,
        0.0000066117105610342_r,
        0.9999933882894389658_r,
        65534,
        0.49963268219168042143_r,
        262414625562307.27318_r,
        2.311234749220898366211712e-30_r,
        4.881564597757143443e-12_r,
        1.0_r / 3,
        999999.99999999999999_r,
        0.00000049999999999999999_r,
    };
    for (const Real& v : values) {
        const Ref exact(v);
        for (int digits = 1; digits <= 21; ++digits) {
            SCOPED_TRACE(exact.str(25, std::ios::scientific) + " at " + std::to_string(digits));
            EXPECT_EQ(FormatNumber(v, {NumberStyle::Scientific, digits}, FormatSettings{}),
                      Scientific(exact, digits - 1));
            EXPECT_EQ(FormatNumber(v, {NumberStyle::Significant, digits}, FormatSettings{}), GeneralReference(exact, digits));
            if (v < 1e18_r) {
                EXPECT_EQ(FormatNumber(v, {NumberStyle::Decimals, digits}, FormatSettings{}),
                          Fixed(exact, digits));
            }
        }
        // Zero decimals: the nearest whole number.
        if (v < 1e18_r) {
            EXPECT_EQ(FormatFixed(v, 0, FormatSettings{}), Fixed(exact, 0));
        }
    }
}

}  // namespace
}  // namespace tarvik
