#include "calc/input_filter.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/errors.h"
#include "core/number_text.h"

namespace tarvik {

namespace {

// Narrowing to a 32-bit float: below its smallest numbers it quietly
// becomes 0 (so "-1e-50" is not below zero). A number beyond its range (or
// the Real's) is let in: the fields clamp it, however large.
float NarrowToSingle(Real v) {
    if (Abs(v) > Real(FLT_MAX)) return v < 0 ? -FLT_MAX : FLT_MAX;
    return static_cast<float>(v);
}

std::u16string Inserted(std::u16string text, int caret, char16_t ch) {
    text.insert(std::size_t(std::clamp(caret, 0, int(text.size()))), 1, ch);
    return text;
}

// Only ASCII can be part of a number; anything else maps to a character
// that no number text contains.
std::string Narrow(const std::u16string& s) {
    std::string out;
    out.reserve(s.size());
    for (char16_t c : s) out += c < 128 ? char(c) : '\x7f';
    return out;
}

}  // namespace

std::string CopyWithKey(const std::u16string& text, int caret, char16_t ch) {
    return Narrow(Inserted(text, caret, ch));
}

bool NumericKeyAccepted(const std::u16string& text, int caret, char16_t ch) {
    if (ch < 32) return true;
    const std::string copy = CopyWithKey(text, caret, ch);
    Real value = 0;
    if (!TryTextToRealSaturated(copy, value)) return copy == "+";
    return !(NarrowToSingle(value) < 0);
}

bool WholeNumberKeyAccepted(char16_t ch) {
    constexpr char16_t kBackspace = 8, kSelectAll = 1, kCopy = 3, kPaste = 22, kCut = 24, kRedo = 25, kUndo = 26;
    switch (ch) {
        case kBackspace: case kSelectAll: case kCopy: case kPaste: case kCut: case kRedo: case kUndo:
            return true;
        default:
            return ch >= u'0' && ch <= u'9';
    }
}

bool IsWholeNumberText(const std::u16string& text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace tarvik
