#pragma once
// The exact test of a goodness of fit: given the category probabilities
// p_j, an outcome y of N observations has the multinomial probability
//   P(y) = N! prod p_j^y_j / y_j!,
// and the p-value is the probability of every outcome no more probable
// than the one observed (within a relative 1e-7 of it counts as equal, as
// Fisher's tests count). Where the outcomes are too many to count in the
// time given, a Monte Carlo p from random outcomes stands in.
#include <cstdint>
#include <vector>

#include "math/fisher_exact_table.h"

namespace tarvik {

// The count is exact up to these: its bounds table ln n! up to N, and it
// walks the categories depth first.
inline constexpr std::int64_t kLargestMultinomialTotal = 100000;
inline constexpr std::size_t kMostMultinomialCategories = 200;

// `observed` whole counts, `probabilities` adding up to 1 (a category of
// probability 0 must have observed 0, and is left out). The outcomes are
// walked category by category from the least probable, whole subtrees
// decided at once where a bound puts all of them on one side of the
// observed probability: above it by the least probable completion (all of
// the rest in one category, a vertex of the simplex, where a concave sum
// of logarithms has its least value), at or below it by a Lagrangian bound
// on the most probable (Poisson modes at the multiplier that makes their
// means add up to what is left). The last two categories are summed term
// by term. The progress callback is called about every 4096 steps with the
// share of the probability decided; returning false stops the count.
ExactTableResult MultinomialExact(const std::vector<Real>& observed, const std::vector<Real>& probabilities,
                                  const WorkProgress& progress);

// `samples` random outcomes (each category's count binomial given those
// before it, from a 64-bit Mersenne twister started at `seed`);
// p = (1 + no more probable) / (1 + samples), with its standard error.
MonteCarloResult MultinomialMonteCarlo(const std::vector<Real>& observed, const std::vector<Real>& probabilities,
                                       std::int64_t samples, std::uint64_t seed, const WorkProgress& progress);

}  // namespace tarvik
