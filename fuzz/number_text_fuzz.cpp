// Text to Real against an independent reader of the grammar: a regular
// expression for which texts are numbers, and strtold in the "C" locale for
// their values.
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>

#include "core/number_text.h"
#include "tests/support/format_settings_cases.h"

namespace {

// Blanks, sign, digits with an optional separator (at least one of the
// two), an exponent whose digits may be missing, blanks.
bool GrammarAccepts(const std::string& t, char separator) {
    const std::string sep = separator == '.' ? "\\." : ",";
    static const std::regex point(" *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]*)([eE][+-]?[0-9]*)? *");
    static const std::regex comma(" *[+-]?([0-9]+,?[0-9]*|,[0-9]*)([eE][+-]?[0-9]*)? *");
    return std::regex_match(t, separator == '.' ? point : comma);
}

long double ReferenceValue(std::string t, char separator) {
    for (char& c : t)
        if (c == separator) c = '.';
    // A missing exponent reads as 1e0: drop a dangling "e", "e+" or "e-".
    const auto e = t.find_first_of("eE");
    if (e != std::string::npos && t.find_first_of("0123456789", e) == std::string::npos) t.erase(e);
    const auto first = t.find_first_not_of(' ');
    t = first == std::string::npos ? "" : t.substr(first);
    if (t == "." || t == "+." || t == "-." || t.empty()) return 0;
    return std::strtold(t.c_str(), nullptr);  // the process stays in the "C" locale
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 64) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const auto* fs : {&tarvik::test::kPoint, &tarvik::test::kComma}) {
        tarvik::Real v = 0;
        const bool ours = tarvik::TryTextToReal(text, v, *fs);
        const bool grammar = text.find_first_of("\t\n\r\v\f", 0) == std::string::npos &&
                             GrammarAccepts(text, fs->DecimalSeparator);
        if (!grammar) {
            if (ours) std::abort();  // a text outside the grammar read as a number
            continue;
        }
        const long double ref = ReferenceValue(text, fs->DecimalSeparator);
        if (!tarvik::IsFinite(ref)) {
            if (ours) std::abort();  // beyond the Real range must fail
            continue;
        }
        if (!ours) std::abort();  // a number of the grammar refused
        if (v != ref && !(v == 0 && tarvik::Abs(ref) < 1e-4900L)) std::abort();  // a different value
    }
    return 0;
}
