#pragma once
// Boost.Math's functions at 50 digits (cpp_bin_float_50), declared without
// the Real: tests/support/reference.cpp and noncentral_reference.cpp compile
// them the same in every configuration of the build. Tests include
// reference.h or noncentral_reference.h.
#include <boost/multiprecision/cpp_bin_float.hpp>

namespace tarvik::test {

using Ref = boost::multiprecision::cpp_bin_float_50;

// Boost.Math's functions at 50 digits, by their Boost names.
namespace reference {
Ref GammaP(const Ref& a, const Ref& x);
Ref GammaQ(const Ref& a, const Ref& x);
Ref GammaPDerivative(const Ref& a, const Ref& x);
// Boost's own long double inverses: a start for Newton's method only.
long double GammaPInv(long double a, long double p);
long double GammaQInv(long double a, long double q);
Ref Lgamma(const Ref& x);
Ref Erf(const Ref& x);
Ref Erfc(const Ref& x);
Ref Pi();
Ref Factorial(unsigned n);
Ref BinomialCoefficient(unsigned n, unsigned k);
// The central chi-square with df degrees of freedom.
Ref ChiSquaredCdf(const Ref& df, const Ref& x);
Ref ChiSquaredUpper(const Ref& df, const Ref& x);
Ref ChiSquaredPdf(const Ref& df, const Ref& x);
Ref ChiSquaredQuantile(const Ref& df, const Ref& p);
// F with d1 and d2 degrees of freedom: the upper tail.
Ref FisherFUpper(const Ref& d1, const Ref& d2, const Ref& x);
// The noncentral chi-square by Boost's own series.
Ref NoncentralCdf(const Ref& df, const Ref& ncp, const Ref& x);
Ref NoncentralUpper(const Ref& df, const Ref& ncp, const Ref& x);
Ref NoncentralPdf(const Ref& df, const Ref& ncp, const Ref& x);
// The same in double, for the checks of plotted points.
double ChiSquaredPdf(double df, double x);
double ChiSquaredUpper(double df, double x);
double ChiSquaredUpperQuantile(double df, double q);
double FisherFUpperQuantile(double d1, double d2, double q);
}  // namespace reference

struct ReferenceChiSquare {
    Ref lower, upper, density;
};

// Both tails and the density of the chi-square distribution with df
// degrees of freedom at x, from P(df/2, x/2) and Q(df/2, x/2).
ReferenceChiSquare ReferenceChiSquareAt(const Ref& df, const Ref& x);

// The x at which the lower (or upper) tail equals t: Newton's method in
// 50 digits on ln T against ln x, from Boost's own long double quantile.
Ref ReferenceChiSquareQuantile(const Ref& df, const Ref& t, bool upper);

struct ReferenceNoncentral {
    Ref lower, upper, density;
};

// The noncentral chi-square by Boost's series, and by the direct sum of
// its Poisson mixture (noncentral_reference.h tells why both).
ReferenceNoncentral BoostNoncentral(const Ref& df, const Ref& ncp, const Ref& x);
ReferenceNoncentral MixtureReference(const Ref& df, const Ref& ncp, const Ref& x);
Ref MixtureQuantile(const Ref& df, const Ref& ncp, const Ref& t, bool upper, const Ref& start);

}  // namespace tarvik::test
