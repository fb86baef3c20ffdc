// The six-decimal texts a correct window shows, from Boost.Math in 50-digit
// floating point alone, for the real-input suite to compare the fields with:
//   reference_texts DF value|cdf|upper NUMBER
// prints the value, cdf, upper tail and density texts on one line;
//   reference_texts power DF W ALPHA POWER
// prints the smallest N whose power reaches POWER, and that power (Boost's
// non_central_chi_squared at 50 digits, N found by bisection on it).
#include <cstdio>
#include <iostream>
#include <string>

#include "tests/support/reference_functions.h"

namespace {

using tarvik::test::Ref;
namespace reference = tarvik::test::reference;

std::string Six(const Ref& v) { return v.str(6, std::ios::fixed); }

int SampleSize(char** argv) {
    const Ref df(argv[2]), w(argv[3]), alpha(argv[4]), target(argv[5]);
    const Ref c = tarvik::test::ReferenceChiSquareQuantile(df, alpha, true);
    const auto power = [&](long long n) { return reference::NoncentralUpper(df, Ref(n) * w * w, c); };
    long long lo = 0, hi = 1;  // power(lo) < target <= power(hi)
    while (power(hi) < target) {
        lo = hi;
        hi *= 2;
    }
    while (hi - lo > 1) {
        const long long mid = (lo + hi) / 2;
        (power(mid) < target ? lo : hi) = mid;
    }
    std::cout << hi << ' ' << Six(power(hi)) << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::string(argv[1]) == "power") return SampleSize(argv);
    if (argc != 4) {
        std::cerr << "usage: reference_texts DF value|cdf|upper NUMBER\n";
        return 2;
    }
    const Ref df(argv[1]);
    const auto Quantile = [&df](const Ref& t, bool upper) { return tarvik::test::ReferenceChiSquareQuantile(df, t, upper); };
    const std::string kind = argv[2];
    const Ref number(argv[3]);
    Ref x;
    if (kind == "value") x = number;
    else if (kind == "cdf") x = number <= Ref(0.5) ? Quantile(number, false) : Quantile(1 - number, true);
    else if (kind == "upper") x = number <= Ref(0.5) ? Quantile(number, true) : Quantile(1 - number, false);
    else return 2;
    const tarvik::test::ReferenceChiSquare at =
        x == 0 ? tarvik::test::ReferenceChiSquare{0, 1, 0} : tarvik::test::ReferenceChiSquareAt(df, x);
    std::cout << Six(x) << ' ' << Six(at.lower) << ' ' << Six(at.upper) << ' ' << Six(at.density) << '\n';
    return 0;
}
