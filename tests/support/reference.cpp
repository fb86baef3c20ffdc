// Boost.Math's functions at 50 digits, instantiated here once for every
// test. Included by relative path and without the Real, so that both
// configurations of the build compile this file the same way.
#include "reference_functions.h"

#include <gtest/gtest.h>

#include <boost/math/constants/constants.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/non_central_chi_squared.hpp>
#include <boost/math/special_functions/binomial.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/factorials.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include <exception>
#include <limits>

namespace tarvik::test {

namespace reference {

Ref GammaP(const Ref& a, const Ref& x) { return boost::math::gamma_p(a, x); }
Ref GammaQ(const Ref& a, const Ref& x) { return boost::math::gamma_q(a, x); }
Ref GammaPDerivative(const Ref& a, const Ref& x) { return boost::math::gamma_p_derivative(a, x); }
long double GammaPInv(long double a, long double p) { return boost::math::gamma_p_inv(a, p); }
long double GammaQInv(long double a, long double q) { return boost::math::gamma_q_inv(a, q); }
Ref Lgamma(const Ref& x) { return boost::math::lgamma(x); }
Ref Erf(const Ref& x) { return boost::math::erf(x); }
Ref Erfc(const Ref& x) { return boost::math::erfc(x); }
Ref Pi() { return boost::math::constants::pi<Ref>(); }
Ref Factorial(unsigned n) { return boost::math::factorial<Ref>(n); }
Ref BinomialCoefficient(unsigned n, unsigned k) { return boost::math::binomial_coefficient<Ref>(n, k); }

Ref ChiSquaredCdf(const Ref& df, const Ref& x) { return cdf(boost::math::chi_squared_distribution<Ref>(df), x); }
Ref ChiSquaredUpper(const Ref& df, const Ref& x) {
    return cdf(complement(boost::math::chi_squared_distribution<Ref>(df), x));
}
Ref ChiSquaredPdf(const Ref& df, const Ref& x) { return pdf(boost::math::chi_squared_distribution<Ref>(df), x); }
Ref ChiSquaredQuantile(const Ref& df, const Ref& p) {
    return quantile(boost::math::chi_squared_distribution<Ref>(df), p);
}
Ref FisherFUpper(const Ref& d1, const Ref& d2, const Ref& x) {
    return cdf(complement(boost::math::fisher_f_distribution<Ref>(d1, d2), x));
}

Ref NoncentralCdf(const Ref& df, const Ref& ncp, const Ref& x) {
    return cdf(boost::math::non_central_chi_squared_distribution<Ref>(df, ncp), x);
}
Ref NoncentralUpper(const Ref& df, const Ref& ncp, const Ref& x) {
    return cdf(complement(boost::math::non_central_chi_squared_distribution<Ref>(df, ncp), x));
}
Ref NoncentralPdf(const Ref& df, const Ref& ncp, const Ref& x) {
    return pdf(boost::math::non_central_chi_squared_distribution<Ref>(df, ncp), x);
}

double ChiSquaredPdf(double df, double x) { return pdf(boost::math::chi_squared_distribution<double>(df), x); }
double ChiSquaredUpper(double df, double x) {
    return cdf(complement(boost::math::chi_squared_distribution<double>(df), x));
}
double ChiSquaredUpperQuantile(double df, double q) {
    return quantile(complement(boost::math::chi_squared_distribution<double>(df), q));
}
double FisherFUpperQuantile(double d1, double d2, double q) {
    return quantile(complement(boost::math::fisher_f_distribution<double>(d1, d2), q));
}

}  // namespace reference

ReferenceChiSquare ReferenceChiSquareAt(const Ref& df, const Ref& x) {
    const Ref a = df / 2, h = x / 2;
    return {boost::math::gamma_p(a, h), boost::math::gamma_q(a, h), boost::math::gamma_p_derivative(a, h) / 2};
}

Ref ReferenceChiSquareQuantile(const Ref& df, const Ref& t, bool upper) {
    const Ref a = df / 2;
    Ref h = 1;
    try {
        const long double start = upper ? boost::math::gamma_q_inv(static_cast<long double>(a), static_cast<long double>(t))
                                        : boost::math::gamma_p_inv(static_cast<long double>(a), static_cast<long double>(t));
        if (start > 0 && start < std::numeric_limits<long double>::max()) h = start;
    } catch (const std::exception&) {
    }
    const Ref lnT = log(t);
    for (int i = 0; i < 200; ++i) {
        const Ref tail = upper ? boost::math::gamma_q(a, h) : boost::math::gamma_p(a, h);
        const Ref slope = h * boost::math::gamma_p_derivative(a, h) / tail * (upper ? -1 : 1);
        Ref step = (lnT - log(tail)) / slope;
        if (step > 2) step = 2;
        if (step < -2) step = -2;
        h *= exp(step);
        if (abs(step) < Ref(1e-38)) return 2 * h;
    }
    ADD_FAILURE() << "the reference quantile did not converge at df " << static_cast<double>(df);
    return 2 * h;
}

}  // namespace tarvik::test
