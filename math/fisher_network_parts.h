#pragma once
// The pieces of the network algorithm for Fisher's exact test
// (math/fisher_network.cpp): a node's key, the branches pooled at it, and
// the bounds of its completions' probabilities.
#include <cstdint>
#include <vector>

#include "math/double_real.h"

namespace tarvik::fisher_network {

using Count = std::int32_t;
// A node: what the rows have left, sorted, largest first.
using Remainders = std::vector<Count>;

struct RemaindersHash {
    std::size_t operator()(const Remainders& r) const {
        std::uint64_t h = 1469598103934665603ull;  // FNV-1a
        for (const Count v : r) h = (h ^ std::uint64_t(std::uint32_t(v))) * 1099511628211ull;
        return std::size_t(h ^ (h >> 29));
    }
};

// A past (the columns placed) or a future (the columns to come): the
// logarithm of its probability, and the probability of every path pooled
// into it.
struct Branch {
    double ln;
    Real mass;
};

// Sorted by logarithm; neighbours within 2^-32 in it made one, their
// probabilities added (in double-Real, rounded once).
void Pool(std::vector<Branch>& sorted);

// How many of the sorted branches have a logarithm at most `limit`.
std::size_t CountAtMost(const std::vector<Branch>& sorted, double limit);

// prefix[i]: the probability of the first i branches (summed in
// double-Real, each rounded once).
std::vector<Real> PrefixSums(const std::vector<Branch>& sorted);

// The probability of every pair of a branch of `a` and one of `b` whose
// logarithms add up to at most `limit`, both sorted, with their prefix sums.
DoubleReal SumOfPairsAtMost(const std::vector<Branch>& a, const std::vector<Real>& aPrefix,
                            const std::vector<Branch>& b, const std::vector<Real>& bPrefix, double limit);

// Bounds of ln P(completion | node) over every completion of `node` by the
// `count` columns from `columns` on (ln n! in double from `lnFactorial`):
// no completion is less probable than exp(shortest) nor more probable than
// exp(longest). Each is widened by 1e-9, so that the bounds' rounding never
// decides a subtree that a table's own sum would have split.
struct CompletionBounds {
    double shortest, longest;
};
CompletionBounds BoundsOfCompletions(const Remainders& node, const Count* columns, std::size_t count,
                                     const std::vector<double>& lnFactorial);

}  // namespace tarvik::fisher_network
