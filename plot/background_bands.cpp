#include "plot/background_bands.h"

#include <algorithm>
#include <cstdlib>

namespace tarvik {

long long MulDiv(long long a, long long b, long long d) {
    if (d == 0) return -1;  // as Win32 MulDiv answers a zero divisor
    const long long num = a * b;
    const long long q = num / d, r = num % d;
    // Halves away from zero.
    if (2 * std::llabs(r) >= std::llabs(d)) return q + (((num < 0) != (d < 0)) ? -1 : 1);
    return q;
}

std::vector<GradientBand> ComputeGradientBands(const PixelRect& rect, Rgb start, Rgb end) {
    const int h = rect.height();
    const int n = std::min(h, 256);
    std::vector<GradientBand> bands;
    if (n <= 0) return bands;
    const int bottom = rect.top() + h;  // exclusive
    for (int k = 0; k < n; ++k) {
        auto channel = [&](int s, int e) {
            const long long delta = n > 1 ? MulDiv(k, e - s, n - 1) : 0;
            return int((s + delta) & 0xFF);
        };
        const Rgb c{channel(start.red(), end.red()), channel(start.green(), end.green()),
                             channel(start.blue(), end.blue())};
        bands.push_back({int(bottom - MulDiv(k + 1, h, n)), int(bottom - MulDiv(k, h, n)), c});
    }
    return bands;
}

}  // namespace tarvik
