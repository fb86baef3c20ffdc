// Accuracy sweep against an independent reference: Boost.Math's regularised
// incomplete gamma in 50-digit binary floating point. What is checked is what
// the window shows: the six-decimal fixed texts of the cdf, of 1 minus it, of
// the density and of the quantile must equal the reference's text, for every
// whole df from 1 to 300.
#include <gtest/gtest.h>

#include "tests/support/format_settings_cases.h"

#include <boost/math/special_functions/gamma.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "math/distributions.h"
#include "core/number_text.h"

namespace tarvik {
namespace {

using Ref = boost::multiprecision::cpp_bin_float_50;

using test::kPoint;
const Real kUnit = 1e-6_r;           // one unit of the sixth decimal
const Real kTextSlack = 1e-12_r;     // parsing noise of two six-decimal texts
constexpr int kDfPerShard = 30;

Real Shown(Real v) { return TextToReal(FormatFixed(v, 6, kPoint), kPoint); }

// Text units between two shown values.
Real UnitsApart(Real a, Real b) { return Abs(Shown(a) - Shown(b)) / kUnit; }

struct Worst {
    Real raw = 0, units = 0;
    int df = 0;
    Real at = 0;
    void Note(Real rawError, Real unitsApart, int d, Real where) {
        if (rawError > raw) raw = rawError, df = d, at = where;
        units = std::max(units, unitsApart);
    }
};

// Values over (0, 900]: a logarithmic sweep plus a dense walk through the
// bulk of the distribution, where the shown digits change fastest.
std::vector<Real> ValuesFor(int df) {
    std::vector<Real> xs;
    for (int i = 0; i <= 40; ++i) xs.push_back(Real(1e-6L * std::pow(900e6L, i / 40.0L)));  // only a grid: no need to be exact
    const Real sd = RawSqrt(2 * Real(df));
    for (Real k = -4; k <= 9; k += 0.25_r) {
        const Real x = df + k * sd;
        if (x > 0 && x <= 900) xs.push_back(x);
    }
    xs.push_back(900);
    return xs;
}

// Probabilities over [0.000001, 0.999999]: both ends, a logit-spaced walk,
// and a few df-dependent points in between.
std::vector<Real> ProbabilitiesFor(int df) {
    std::vector<Real> ps = {0.000001_r, 0.000002_r, 0.00001_r, 0.0001_r, 0.00033_r, 0.001_r, 0.01_r,
                            0.05_r,     0.15_r,     0.5_r,     0.95_r,   0.99_r,    0.999_r, 0.9999_r,
                            0.99995_r,  0.99998_r,  0.999982_r, 0.999993_r, 0.999999_r};
    for (int i = 1; i < 24; ++i) {
        const Real logit = -13.8_r + 27.6_r * i / 24;
        ps.push_back(1 / (1 + RawExp(-logit)));
    }
    for (int i = 0; i < 6; ++i) ps.push_back(Real(std::fmod(0.6180339887L * (df * 7 + i * 13), 1.0L)) * 0.999998_r + 0.000001_r);
    return ps;
}

class AccuracySweep : public ::testing::TestWithParam<int> {};

TEST_P(AccuracySweep, ShownTextsMatchTheReference) {
    const int first = GetParam() * kDfPerShard + 1;
    const int last = first + kDfPerShard - 1;
    Worst cdf, upper, pdf, quantile, roundTrip;
    for (int df = first; df <= last; ++df) {
        const Ref a = Ref(df) / 2;
        for (Real x : ValuesFor(df)) {
            const Ref hx = Ref(x) / 2;
            const Real c = ChiSquareCdf(df, x);
            const Ref refC = boost::math::gamma_p(a, hx);
            const Ref refQ = boost::math::gamma_q(a, hx);
            const Ref refPdf = boost::math::gamma_p_derivative(a, hx) / 2;
            cdf.Note(Abs(c - static_cast<Real>(refC)), UnitsApart(c, static_cast<Real>(refC)), df, x);
            upper.Note(Abs((1 - c) - static_cast<Real>(refQ)),
                       UnitsApart(1 - c, static_cast<Real>(refQ)), df, x);
            const Real d = ChiSquarePdf(df, x);
            pdf.Note(Abs(d - static_cast<Real>(refPdf)), UnitsApart(d, static_cast<Real>(refPdf)), df, x);
        }
        for (Real p : ProbabilitiesFor(df)) {
            const Real q = ChiSquareQuantile(df, p);
            const Real refX = static_cast<Real>(2 * boost::math::gamma_p_inv(a, Ref(p)));
            quantile.Note(Abs(q - refX), UnitsApart(q, refX), df, p);
            const Real back = ChiSquareCdf(df, q);
            roundTrip.Note(Abs(back - p), UnitsApart(back, p), df, p);
        }
    }
    auto report = [&](const char* what, const Worst& w) {
        std::printf("df %3d-%3d %-9s largest |error| %.3Le (df %d at %.9Lg), shown texts %.0Lf unit(s) apart\n",
                    first, last, what, ToLongDouble(w.raw), w.df, ToLongDouble(w.at), ToLongDouble(w.units));
        // Every shown text is the reference's text: not one unit apart.
        EXPECT_LE(w.units, kTextSlack / kUnit) << what;
    };
    report("cdf", cdf);
    report("1-cdf", upper);
    report("pdf", pdf);
    report("quantile", quantile);
    report("cdf(q)-p", roundTrip);
}

INSTANTIATE_TEST_SUITE_P(DfBlocks, AccuracySweep, ::testing::Range(0, 300 / kDfPerShard));

}  // namespace
}  // namespace tarvik
