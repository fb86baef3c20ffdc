#include "calc/results_text.h"

#include "core/decimal_digits.h"
#include "core/number_text.h"

namespace tarvik {

std::string ResultsLine(const Results& r, const NumberFormatter& number) {
    // The density of df 1 at x = 0 has no finite value: "inf", as R and
    // SciPy print it.
    const std::string density = r.densityUnbounded ? "inf" : number(r.density);
    return "df=" + FixedDigits(r.df, 0) + "  x=" + number(r.value) + "  P(X<=x)=" + number(r.cdf) +
           "  P(X>x)=" + number(r.upper) + "  f(x)=" + density;
}

std::string ShortFixed(Real v) {
    std::string s = FormatFixed(v, 6, FormatSettings{});
    const auto point = s.find('.');
    if (point == std::string::npos) return s;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string ResultsClipboardText(const Results& r) {
    const FormatSettings point{};
    return ResultsLine(r, ShortFixed) + "\n" +
           ResultsLine(r, [&](Real v) { return FormatFullPrecision(v, point); }) + "\n";
}

}  // namespace tarvik
