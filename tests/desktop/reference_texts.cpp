// The six-decimal texts a correct window shows, from Boost.Math in 50-digit
// floating point alone, for the real-input suite to compare the fields with:
//   reference_texts DF value|cdf|upper NUMBER
// prints the value, cdf, upper tail and density texts on one line;
//   reference_texts power DF W ALPHA POWER
// prints the smallest N whose power reaches POWER, and that power (Boost's
// non_central_chi_squared at 50 digits, N found by bisection on it);
//   reference_texts mcnemar P10 P01 ALPHA POWER
// prints the same for McNemar's test of pairs (df 1, w = |p10 - p01| /
// sqrt(p10 + p01)), then the exact binomial test's power at that N, summed
// over every count of discordant pairs.
#include <cstdio>
#include <iostream>
#include <string>

#include "tests/support/reference_functions.h"

namespace {

using tarvik::test::Ref;
namespace reference = tarvik::test::reference;

std::string Six(const Ref& v) { return v.str(6, std::ios::fixed); }

struct SolvedN {
    long long n;
    Ref power;
};

SolvedN SampleSize(const Ref& df, const Ref& w, const Ref& alpha, const Ref& target) {
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
    return {hi, power(hi)};
}

int SampleSize(char** argv) {
    const SolvedN solved = SampleSize(Ref(argv[2]), Ref(argv[3]), Ref(argv[4]), Ref(argv[5]));
    std::cout << solved.n << ' ' << Six(solved.power) << '\n';
    return 0;
}

// The exact McNemar test rejects m discordant pairs split b : m - b when
// 2 P(B <= min(b, m - b)) <= alpha, B binomial (m, 1/2).
Ref McNemarExactPower(const Ref& p10, const Ref& p01, unsigned n, const Ref& alpha) {
    Ref power = 0;
    for (unsigned m = 1; m <= n; ++m) {
        Ref tail = 0;
        for (unsigned k = 0; 2 * k < m; ++k) {
            tail += reference::BinomialCoefficient(m, k) / pow(Ref(2), m);
            if (2 * tail > alpha) break;
            // b = k or b = m - k: the two discordant cells' splits.
            const Ref both = pow(p10, k) * pow(p01, m - k) + pow(p10, m - k) * pow(p01, k);
            power += reference::BinomialCoefficient(n, m) * reference::BinomialCoefficient(m, k) * both *
                     pow(1 - p10 - p01, n - m);
        }
    }
    return power;
}

int McNemar(char** argv) {
    const Ref p10(argv[2]), p01(argv[3]), alpha(argv[4]);
    const SolvedN solved = SampleSize(1, abs(p10 - p01) / sqrt(p10 + p01), alpha, Ref(argv[5]));
    std::cout << solved.n << ' ' << Six(solved.power) << ' '
              << Six(McNemarExactPower(p10, p01, unsigned(solved.n), alpha)) << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::string(argv[1]) == "power") return SampleSize(argv);
    if (argc == 6 && std::string(argv[1]) == "mcnemar") return McNemar(argv);
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
