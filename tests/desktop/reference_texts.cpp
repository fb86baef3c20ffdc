// The six-decimal texts a correct window shows, from Boost.Math in 50-digit
// floating point alone, for the real-input suite to compare the fields with:
//   reference_texts DF value|cdf|upper NUMBER
// prints the value, cdf, upper tail and density texts on one line;
//   reference_texts power DF W ALPHA POWER
// prints the smallest N whose power reaches POWER, and that power (Boost's
// non_central_chi_squared at 50 digits, N found by bisection on it).
#include <boost/math/distributions/non_central_chi_squared.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

using Ref = boost::multiprecision::cpp_bin_float_50;

std::string Six(const Ref& v) { return v.str(6, std::ios::fixed); }

// The x where the lower (or upper) tail of df/2 equals t: Newton in 50
// digits on ln T against ln x from Boost's long double quantile.
Ref Quantile(const Ref& a, const Ref& t, bool upper) {
    Ref h = upper ? boost::math::gamma_q_inv(static_cast<long double>(a), static_cast<long double>(t))
                  : boost::math::gamma_p_inv(static_cast<long double>(a), static_cast<long double>(t));
    for (int i = 0; i < 100; ++i) {
        const Ref tail = upper ? boost::math::gamma_q(a, h) : boost::math::gamma_p(a, h);
        const Ref slope = h * boost::math::gamma_p_derivative(a, h) / tail * (upper ? -1 : 1);
        const Ref step = (log(t) - log(tail)) / slope;
        h *= exp(step);
        if (abs(step) < Ref(1e-40)) break;
    }
    return 2 * h;
}

int SampleSize(char** argv) {
    const Ref df(argv[2]), w(argv[3]), alpha(argv[4]), target(argv[5]);
    const Ref c = Quantile(df / 2, alpha, true);
    const auto power = [&](long long n) {
        const boost::math::non_central_chi_squared_distribution<Ref> h1{df, Ref(n) * w * w};
        return Ref(cdf(complement(h1, c)));
    };
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
    const Ref a = Ref(argv[1]) / 2;
    const std::string kind = argv[2];
    const Ref number(argv[3]);
    Ref x;
    if (kind == "value") x = number;
    else if (kind == "cdf") x = number <= Ref(0.5) ? Quantile(a, number, false) : Quantile(a, 1 - number, true);
    else if (kind == "upper") x = number <= Ref(0.5) ? Quantile(a, number, true) : Quantile(a, 1 - number, false);
    else return 2;
    const Ref h = x / 2;
    const Ref cdf = h == 0 ? Ref(0) : boost::math::gamma_p(a, h);
    const Ref upper = h == 0 ? Ref(1) : boost::math::gamma_q(a, h);
    const Ref density = h == 0 ? Ref(0) : boost::math::gamma_p_derivative(a, h) / 2;
    std::cout << Six(x) << ' ' << Six(cdf) << ' ' << Six(upper) << ' ' << Six(density) << '\n';
    return 0;
}
