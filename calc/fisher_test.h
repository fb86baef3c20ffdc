#pragma once
// Fisher's exact test of a table as the window and the command line run
// it: exact where the count ends within its time and memory (2 x 2 by the
// hypergeometric sum, larger tables by the network algorithm), else a Monte
// Carlo p from random tables with the same margins, seeded and reported.
#include <cstdint>
#include <functional>
#include <string>

#include "math/contingency_table.h"
#include "math/two_by_two.h"

namespace tarvik {

struct FisherOutcome {
    enum class Kind { Exact, MonteCarlo, Cancelled, TooLarge } kind = Kind::Cancelled;
    // Why the exact count gave way to Monte Carlo.
    enum class Why { None, Time, Memory, Size } why = Why::None;
    Real p = 0, standardError = 0;
    std::int64_t samples = 0;
    std::uint64_t seed = 0;
    // A 2 x 2 table counted exactly: the one-sided p-values and the mid-p,
    // and the conditional odds ratio with its exact interval (up to
    // kLargestConditionalOddsTotal observations; `defined` false past it).
    bool twoByTwo = false;
    // The exact multinomial test of a goodness of fit (RunExactFitTest):
    // its keys are exact_p, exact_p_mc, exact_se and exact_seed.
    bool multinomial = false;
    FisherOneSided oneSided;
    EstimateInterval conditionalOddsRatio;
};

struct FisherControl {
    double exactSeconds = 60;          // the exact count's time, then Monte Carlo
    // Monte Carlo's own time: past it the tables drawn so far stand (a
    // 100 x 100 table of 1e5 draws 10^4 cells a table).
    double monteCarloSeconds = 60;
    std::function<double()> elapsed;   // seconds since the start (a steady clock where empty)
    // The share done, and whether random tables are being drawn; false cancels.
    std::function<bool(double done, bool sampling)> progress;
    std::uint64_t seed = 0;
    std::int64_t samples = 100000;
};

inline constexpr double kDefaultExactSeconds = 60;
// 2 x 2 tables are summed directly up to 1e10 observations (about a second:
// the sum walks some sqrt(N) terms); random tables are drawn up to 1e7
// (each cell's draw walks some of its standard deviation, sqrt(N) / 4).
inline const Real kLargestTwoByTwoTotal = 1e10_r;
inline const Real kLargestMonteCarloTotal = 1e7_r;
// The conditional odds ratio's three roots sum some 20 standard deviations
// of terms at each of their steps: a few tenths of a second at 1e6
// observations, where Woolf's odds ratio agrees with it to 4 digits.
inline const Real kLargestConditionalOddsTotal = 1e6_r;

// A table of at least 2 x 2 whose rows and columns all add up to more than 0.
FisherOutcome RunFisherTest(const CountTable& counts, const FisherControl& control);

// Random outcomes of a fit are drawn up to this many categories: each
// outcome is a binomial draw a category, and 100,000 outcomes of 200
// categories take some 3 seconds.
inline constexpr std::size_t kMostDrawnCategories = 200;

// The exact multinomial test of a fit of `observed` to `probabilities`
// (adding up to 1), run as Fisher's: exact within its time, else Monte
// Carlo from random outcomes.
FisherOutcome RunExactFitTest(const std::vector<Real>& observed, const std::vector<Real>& probabilities,
                              const FisherControl& control);

// Why a Monte Carlo p stands in for the exact one, as one line for the
// command line's standard error; empty for an exact p.
std::string FisherNote(const FisherOutcome& outcome, double exactSeconds);

}  // namespace tarvik
