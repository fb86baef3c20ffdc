// The fixed and general formats: round trips through the conversion, and no
// negative zero.
#include <cmath>
#include <cstdlib>
#include <string>

#include "core/number_text.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/format_settings_cases.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvik::fuzz::Input in(data, size);
    const auto v = in.Take<long double>();
    if (!tarvik::IsFinite(v)) return 0;
    for (const auto* fs : {&tarvik::test::kPoint, &tarvik::test::kComma}) {
        const std::string general = tarvik::FormatGeneral(v, *fs);
        tarvik::Real back = 0;
        if (!tarvik::TryTextToReal(general, back, *fs)) std::abort();
        // 15 significant digits: back within half a unit of the 15th.
        if (tarvik::Abs(back - v) > 5.1e-15L * tarvik::Abs(v) + 1e-4930L) std::abort();
        const std::string fixed = tarvik::FormatFixed(v, 6, *fs);
        if (fixed.rfind("-0", 0) == 0 && fixed.find_first_of("123456789") == std::string::npos) std::abort();
        if (tarvik::Abs(v) < 1e12L) {
            if (!tarvik::TryTextToReal(fixed, back, *fs)) std::abort();
            // Half a unit of the sixth decimal, plus the Real's own rounding
            // of the text read back (a few ulps of v).
            if (tarvik::Abs(back - v) > 5e-7L + 1e-18L * tarvik::Abs(v)) std::abort();
        }
    }
    return 0;
}
