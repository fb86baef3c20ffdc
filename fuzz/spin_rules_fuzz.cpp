// The spin edit's text rules over any text and limits: the parse never
// crashes and what it reads prints back to the same number; the clamp
// always lands inside the limits (or leaves the value, as its rules say).
#include <QString>
#include <cstdlib>

#include "controls/spin_rules.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/format_settings_cases.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvik::fuzz::Input in(data, size);
    const auto v = in.Take<std::int64_t>();
    const auto lo = in.Take<std::int32_t>();
    const auto hi = in.Take<std::int32_t>();
    const bool loading = in.Take<std::uint8_t>() & 1;
    const std::int32_t c = tarvik::ClampSpinValue(v, lo, hi, loading);
    if (!loading && lo != hi) {
        if (lo <= hi && (c < lo || c > hi)) std::abort();
    }
    const QString text = QString::fromUtf8(in.Rest().c_str());
    if (const auto parsed = tarvik::ParseSpinInteger(text)) {
        const auto again = tarvik::ParseSpinInteger(QString::number(*parsed));
        if (!again || *again != *parsed) std::abort();
    }
    for (QChar ch : text) tarvik::SpinAcceptsChar(ch, tarvik::test::kPoint, true);
    return 0;
}
