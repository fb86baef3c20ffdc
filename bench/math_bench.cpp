// Cost of the mathematics per call, each beside Boost.Math's
// chi_squared_distribution<long double> doing the same work in the same run.
// The per-keystroke chain is what one edit costs the window: one quantile,
// the chart's range quantile and its 200 densities.
#include <benchmark/benchmark.h>

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/non_central_chi_squared.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "calc/power_plot.h"
#include "math/distributions.h"
#include "math/fisher_exact_table.h"

namespace {

using tarvik::Real;
using BoostChi = boost::math::chi_squared_distribution<long double>;
// Boost.Math computes in the hardware long double; the software Real is
// handed over as one.
long double L(const Real& v) { return tarvik::ToLongDouble(v); }

// A spread of df and arguments, so no branch is favoured by the predictor.
constexpr int kDfs[] = {1, 2, 5, 10, 37, 100, 199, 299, 300};
const Real kPs[] = {0.000001L, 0.01L, 0.5L, 0.95L, 0.999999L};

template <typename F>
void ForEachCase(benchmark::State& state, F f) {
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (int df : kDfs)
            for (Real p : kPs) {
                benchmark::DoNotOptimize(f(Real(df), p));
                ++calls;
            }
    }
    state.SetItemsProcessed(calls);
    state.counters["ns/call"] = benchmark::Counter(
        double(calls), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// x values around each df's bulk: df * (0.5 + p).
void BM_ChiSquareCdf(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return tarvik::ChiSquareCdf(df, df * (0.5L + p)); });
}
void BM_Boost_Cdf(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return boost::math::cdf(BoostChi(L(df)), L(df * (0.5L + p))); });
}
// The upper tail far out too (x up to 3 df), where 1 - cdf would cancel.
void BM_ChiSquareUpperTail(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return tarvik::ChiSquareUpperTail(df, df * (0.5L + 2 * p)); });
}
void BM_Boost_UpperTail(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) {
        return boost::math::cdf(boost::math::complement(BoostChi(L(df)), L(df * (0.5L + 2 * p))));
    });
}
// The quantile of an upper tail, as a critical value is asked for.
void BM_ChiSquareUpperQuantile(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return tarvik::ChiSquareUpperQuantile(df, p); });
}
void BM_Boost_UpperQuantile(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return boost::math::quantile(boost::math::complement(BoostChi(L(df)), L(p))); });
}
void BM_ChiSquarePdf(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return tarvik::ChiSquarePdf(df, df * (0.5L + p)); });
}
void BM_Boost_Pdf(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return boost::math::pdf(BoostChi(L(df)), L(df * (0.5L + p))); });
}
void BM_ChiSquareQuantile(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return tarvik::ChiSquareQuantile(df, p); });
}
void BM_Boost_Quantile(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return boost::math::quantile(BoostChi(L(df)), L(p)); });
}
void BM_FQuantile(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return tarvik::FQuantile(1 - p, df, 3000); });
}
void BM_Boost_RangeQuantile(benchmark::State& s) {
    ForEachCase(s, [](Real df, Real p) { return boost::math::quantile(boost::math::complement(BoostChi(L(df)), L(1 - p))) / L(df); });
}

// One key release: the quantile of the edited cdf, the chart's range end at
// an upper tail of 0.0001 and the 200 densities of the curve.
Real ChainTarvik(Real df, Real p) {
    Real acc = tarvik::ChiSquareQuantile(df, p);
    const Real xmax = df * tarvik::FQuantile(0.0001L, df, 3000);
    const tarvik::ChiSquarePdfTerms terms = tarvik::ChiSquarePdfPrepare(df);
    for (int i = 1; i <= 200; ++i) acc += tarvik::ChiSquarePdfWith(terms, Real(i) / 200 * xmax);
    return acc;
}
long double ChainBoost(Real df, Real p) {
    const BoostChi d(L(df));
    long double acc = boost::math::quantile(d, L(p));
    const long double xmax = boost::math::quantile(boost::math::complement(d, 0.0001L));
    for (int i = 1; i <= 200; ++i) acc += boost::math::pdf(d, i / 200.0L * xmax);
    return acc;
}
void BM_KeystrokeChain(benchmark::State& s) { ForEachCase(s, ChainTarvik); }
void BM_Boost_KeystrokeChain(benchmark::State& s) { ForEachCase(s, ChainBoost); }

// The noncentral distribution on the same inputs as Boost's long double:
// df 1 to 300, lambda from 0.5 to 1e4, x below, at and above the mean.
using BoostNc = boost::math::non_central_chi_squared_distribution<long double>;
const Real kNcps[] = {0.5L, 9.72L, 100, 1e4L};
template <typename F>
void ForEachNoncentral(benchmark::State& state, F f) {
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (int df : {1, 2, 5, 30, 300})
            for (Real ncp : kNcps)
                for (Real at : {0.5L, 1.0L, 1.5L}) {
                    benchmark::DoNotOptimize(f(Real(df), ncp, at * (df + ncp)));
                    ++calls;
                }
    }
    state.SetItemsProcessed(calls);
    state.counters["ns/call"] = benchmark::Counter(double(calls), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
void BM_NoncentralUpperTail(benchmark::State& s) {
    ForEachNoncentral(s, [](Real df, Real ncp, Real x) { return tarvik::NoncentralChiSquareUpperTail(df, ncp, x); });
}
void BM_Boost_NoncentralUpperTail(benchmark::State& s) {
    ForEachNoncentral(s, [](Real df, Real ncp, Real x) {
        return boost::math::cdf(boost::math::complement(BoostNc(L(df), L(ncp)), L(x)));
    });
}
void BM_NoncentralCdf(benchmark::State& s) {
    ForEachNoncentral(s, [](Real df, Real ncp, Real x) { return tarvik::NoncentralChiSquareCdf(df, ncp, x); });
}
void BM_Boost_NoncentralCdf(benchmark::State& s) {
    ForEachNoncentral(s, [](Real df, Real ncp, Real x) { return boost::math::cdf(BoostNc(L(df), L(ncp)), L(x)); });
}
void BM_NoncentralPdf(benchmark::State& s) {
    ForEachNoncentral(s, [](Real df, Real ncp, Real x) { return tarvik::NoncentralChiSquarePdf(df, ncp, x); });
}
void BM_Boost_NoncentralPdf(benchmark::State& s) {
    ForEachNoncentral(s, [](Real df, Real ncp, Real x) { return boost::math::pdf(BoostNc(L(df), L(ncp)), L(x)); });
}
// The three x of each case stand for three upper tails here: the median,
// 0.05 and 1e-6, as critical values are asked.
void BM_NoncentralUpperQuantile(benchmark::State& s) {
    ForEachNoncentral(s, [](Real df, Real ncp, Real x) {
        return tarvik::NoncentralChiSquareUpperQuantile(df, ncp, x < df + ncp ? 0.5L : x > df + ncp ? 1e-6L : 0.05L);
    });
}
void BM_Boost_NoncentralUpperQuantile(benchmark::State& s) {
    ForEachNoncentral(s, [](Real df, Real ncp, Real x) {
        return boost::math::quantile(boost::math::complement(BoostNc(L(df), L(ncp)), x < df + ncp ? 0.5L : x > df + ncp ? 1e-6L : 0.05L));
    });
}

// One redraw of the power window: both densities at 200 points and the
// power curve at 100, for the worked example and for a large study.
void PowerRedraw(benchmark::State& state, Real df, Real w, Real n) {
    const tarvik::PowerAnswer a = tarvik::SolvePower({tarvik::PowerField::Power, df, w, 0.05L, 0, n});
    for (auto _ : state) {
        benchmark::DoNotOptimize(tarvik::ComputeHypothesesPlot(a.df, a.lambda, a.critical));
        benchmark::DoNotOptimize(tarvik::ComputePowerCurve(a, tarvik::PowerCurveAxis::SampleSize));
    }
}
void BM_PowerRedraw_Example(benchmark::State& s) { PowerRedraw(s, 2, 0.3L, 108); }
void BM_PowerRedraw_Large(benchmark::State& s) { PowerRedraw(s, 24, 0.1L, 20000); }

// Fisher's exact test of a 5 x 5 table of 100 by the network (R's
// fisher.test: 0.84 s with its start-up), and the longest wait between two
// looks at the progress callback, which is how long a cancel can take
// (at most 50 ms).
void BM_FisherNetwork_5x5(benchmark::State& state) {
    const tarvik::CountTable table{
        {3, 4, 3, 4, 5}, {2, 2, 5, 3, 3}, {6, 4, 5, 4, 5}, {3, 5, 5, 4, 5}, {5, 2, 5, 4, 3}};
    using Clock = std::chrono::steady_clock;
    double longestGap = 0;
    for (auto _ : state) {
        Clock::time_point last = Clock::now();
        const tarvik::WorkProgress progress = [&](double) {
            const Clock::time_point now = Clock::now();
            longestGap = std::max(longestGap, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
            return true;
        };
        benchmark::DoNotOptimize(tarvik::FisherExactByNetwork(table, progress));
    }
    state.counters["longest_gap_ms"] = longestGap;
}

BENCHMARK(BM_ChiSquareCdf);
BENCHMARK(BM_Boost_Cdf);
BENCHMARK(BM_ChiSquareUpperTail);
BENCHMARK(BM_Boost_UpperTail);
BENCHMARK(BM_ChiSquareUpperQuantile);
BENCHMARK(BM_Boost_UpperQuantile);
BENCHMARK(BM_ChiSquarePdf);
BENCHMARK(BM_Boost_Pdf);
BENCHMARK(BM_ChiSquareQuantile);
BENCHMARK(BM_Boost_Quantile);
BENCHMARK(BM_FQuantile);
BENCHMARK(BM_Boost_RangeQuantile);
BENCHMARK(BM_KeystrokeChain);
BENCHMARK(BM_Boost_KeystrokeChain);
BENCHMARK(BM_NoncentralUpperTail);
BENCHMARK(BM_Boost_NoncentralUpperTail);
BENCHMARK(BM_NoncentralCdf);
BENCHMARK(BM_Boost_NoncentralCdf);
BENCHMARK(BM_NoncentralPdf);
BENCHMARK(BM_Boost_NoncentralPdf);
BENCHMARK(BM_NoncentralUpperQuantile);
BENCHMARK(BM_Boost_NoncentralUpperQuantile);
BENCHMARK(BM_PowerRedraw_Example)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PowerRedraw_Large)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FisherNetwork_5x5)->Unit(benchmark::kMillisecond)->Iterations(3);

// Console output plus, at the end, each of ours against its Boost twin.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.counters.count("ns/call")) perCall_[r.benchmark_name()] = r.counters.at("ns/call").value;
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        const std::pair<const char*, const char*> pairs[] = {
            {"BM_ChiSquareCdf", "BM_Boost_Cdf"},
            {"BM_ChiSquareUpperTail", "BM_Boost_UpperTail"},
            {"BM_ChiSquareUpperQuantile", "BM_Boost_UpperQuantile"},
            {"BM_ChiSquarePdf", "BM_Boost_Pdf"},
            {"BM_ChiSquareQuantile", "BM_Boost_Quantile"},
            {"BM_FQuantile", "BM_Boost_RangeQuantile"},
            {"BM_KeystrokeChain", "BM_Boost_KeystrokeChain"},
            {"BM_NoncentralUpperTail", "BM_Boost_NoncentralUpperTail"},
            {"BM_NoncentralCdf", "BM_Boost_NoncentralCdf"},
            {"BM_NoncentralPdf", "BM_Boost_NoncentralPdf"},
            {"BM_NoncentralUpperQuantile", "BM_Boost_NoncentralUpperQuantile"},
        };
        std::printf("\n%-22s %12s %12s %8s\n", "ours vs Boost.Math", "ours ns", "Boost ns", "ratio");
        for (const auto& [ours, boost] : pairs) {
            const auto a = perCall_.find(ours), b = perCall_.find(boost);
            if (a == perCall_.end() || b == perCall_.end()) continue;
            std::printf("%-26s %12.0f %12.0f %8.2f\n", ours + 3, a->second * 1e9, b->second * 1e9,
                        a->second / b->second);
        }
    }

private:
    std::map<std::string, double> perCall_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
}
