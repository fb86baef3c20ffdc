#pragma once
// Fisher's exact test of an r x c table (the Freeman-Halton extension):
// given the margins, the probability of a table is
//   P(t) = prod R_i! prod C_j! / (N! prod O_ij!),
// and the p-value is the probability of every table no more probable than
// the one observed (within a relative 1e-7 of it counts as equal, as R's
// fisher.test counts). Where the tables are too many to count, a Monte
// Carlo p-value from random tables with the same margins stands in.
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "math/contingency_table.h"

namespace tarvik {

// Called now and then with the share of the work done (0 to 1); returns
// false to stop the work (the user cancelled).
using WorkProgress = std::function<bool(double done)>;

struct ExactTableResult {
    bool complete = false;  // every table counted: p is exact
    bool outOfMemory = false;  // stopped at the network's bound on memory
    Real p = 0;
    std::int64_t tables = 0;  // counted so far (by enumeration only)
};

// The same p by a network algorithm (math/fisher_network.cpp): whole
// subtrees of tables are decided at once, so it ends on tables whose count
// is far beyond any enumeration. It keeps at most `pasts` branches (the
// next stage's pasts and the completions kept, 32 to 48 bytes each) and
// stops with outOfMemory beyond: at the default the process peaked at
// 225 MB on a 5 x 5 table of 150 and at 381 MB on one of 200, which ran
// out. From the middle stage on, the pasts go on forward rather than meet
// the completions listed backward while the next stage, grown as the last
// grew, would hold at most `forwardWithin` of them: listing completions
// costs their whole subtrees, and forward pasts only their arcs, but the
// pasts of a wide table multiply tenfold a column. The progress callback is
// called at least every millisecond of work; returning false stops it.
struct NetworkLimits {
    std::size_t pasts = 5000000;
    std::size_t forwardWithin = 1250000;
};
ExactTableResult FisherExactByNetwork(const CountTable& counts, const WorkProgress& progress,
                                      const NetworkLimits& limits = {});

// Counts every table with the margins of `counts`, up to `budget` of them.
// Tables of more than kLargestEnumeratedTotal observations are not counted
// (complete stays false): their tables number far beyond any budget unless
// the table is 2 x 2, which FisherExactTwoByTwo sums directly.
ExactTableResult FisherExactByEnumeration(const CountTable& counts, std::int64_t budget, const WorkProgress& progress);
inline constexpr std::int64_t kLargestEnumeratedTotal = 100000;

struct MonteCarloResult {
    bool complete = false;
    Real p = 0, standardError = 0;
    std::int64_t samples = 0;  // drawn so far
};

// `samples` random tables with the margins (Patefield's algorithm, each in
// O(r c) hypergeometric draws whatever N, from a 64-bit Mersenne twister
// started at `seed`); p = (1 + no more probable) / (1 + samples),
// as R's simulated fisher.test gives it, with its standard error
// sqrt(p (1 - p) / samples).
// One random table with the given margins, each table drawn with its
// probability given them (Patefield's algorithm).
void RandomTable(const std::vector<std::int64_t>& rowSums, const std::vector<std::int64_t>& columnSums,
                 std::mt19937_64& rng, CountTable& table);

MonteCarloResult FisherMonteCarlo(const CountTable& counts, std::int64_t samples, std::uint64_t seed,
                                  const WorkProgress& progress);

}  // namespace tarvik
