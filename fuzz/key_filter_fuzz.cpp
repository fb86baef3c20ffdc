// The number fields' key filter over any text, caret and character: it
// never crashes, refuses what it must, and an accepted printable character
// always leaves a text that reads as a number at or above zero, or "+".
#include <cstdlib>
#include <string>

#include "calc/input_filter.h"
#include "core/number_text.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvik::fuzz::Input in(data, size);
    const int caret = in.Take<std::int8_t>();
    const char16_t ch = in.Take<char16_t>();
    const std::string rest = in.Rest();
    const std::u16string text(rest.begin(), rest.end());
    if (!tarvik::NumericKeyAccepted(text, caret, ch) || ch < 32) return 0;
    const std::string copy = tarvik::CopyWithKey(text, caret, ch);
    tarvik::Real v = 0;
    if (copy == "+") return 0;
    // A number of any size reads (the largest Real beyond the range).
    if (!tarvik::TryTextToRealSaturated(copy, v) || v < -1e-37L) std::abort();
    return 0;
}
