// Cost of the mathematics per call, each beside Boost.Math's
// chi_squared_distribution<long double> doing the same work in the same run.
// The per-keystroke chain is what one edit costs the window: one quantile,
// the chart's range quantile and its 200 densities.
#include <benchmark/benchmark.h>

#include <boost/math/distributions/chi_squared.hpp>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "math/distributions.h"

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

// Console output plus, at the end, each of ours against its Boost twin.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) perCall_[r.benchmark_name()] = r.counters.at("ns/call").value;
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
        };
        std::printf("\n%-22s %12s %12s %8s\n", "ours vs Boost.Math", "ours ns", "Boost ns", "ratio");
        for (const auto& [ours, boost] : pairs) {
            const auto a = perCall_.find(ours), b = perCall_.find(boost);
            if (a == perCall_.end() || b == perCall_.end()) continue;
            std::printf("%-22s %12.0f %12.0f %8.2f\n", ours + 3, a->second * 1e9, b->second * 1e9,
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
