// The network's pieces: its branches pooled and searched, and the bounds
// that let it decide a node's pasts at once.
//
// Shortest (the least probable completion): the greatest sum of ln O! over
// the remaining table is at most that of each column filled greedily into
// the largest remainders (the vector the greedy fill gives majorizes every
// other, and a sum of a convex function is Schur-convex), and likewise of
// each row into the largest columns; the smaller of the two holds.
//
// Longest (the most probable completion): the least sum of ln O! is at
// least the Lagrangian dual of the margins' constraints (see below), at any
// multipliers: the multipliers only make it tighter, never wrong.
#include <algorithm>
#include <cmath>

#include "math/fisher_network_parts.h"

namespace tarvik::fisher_network {

namespace {

constexpr double kBoundSlack = 1e-9;
// Pasts whose logarithms agree to 2^-32 are one: far below the 1e-7 within
// which a table counts as as probable as the observed.
constexpr double kPoolScale = 4294967296.0;

}  // namespace

void Pool(std::vector<Branch>& sorted) {
    if (sorted.size() < 2) return;
    std::sort(sorted.begin(), sorted.end(), [](const Branch& a, const Branch& b) { return a.ln < b.ln; });
    const auto key = [](const Branch& b) { return std::nearbyint(b.ln * kPoolScale); };
    std::size_t kept = 0;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t j = i + 1;
        if (j < sorted.size() && key(sorted[j]) == key(sorted[i])) {
            DoubleReal sum{sorted[i].mass, 0};
            for (; j < sorted.size() && key(sorted[j]) == key(sorted[i]); ++j) sum = double_real::Add(sum, sorted[j].mass);
            sorted[i].mass = sum.hi + sum.lo;
        }
        sorted[kept++] = sorted[i];
        i = j;
    }
    sorted.resize(kept);
}

std::size_t CountAtMost(const std::vector<Branch>& sorted, double limit) {
    return std::size_t(std::upper_bound(sorted.begin(), sorted.end(), limit,
                                        [](double v, const Branch& b) { return v < b.ln; }) -
                       sorted.begin());
}

std::vector<Real> PrefixSums(const std::vector<Branch>& sorted) {
    std::vector<Real> prefix(sorted.size() + 1);
    DoubleReal sum;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        sum = double_real::Add(sum, sorted[i].mass);
        prefix[i + 1] = sum.hi + sum.lo;
    }
    return prefix;
}

// The branches of `a` up to `whole` pair with all of `b`, those from `some`
// on with none; only those between are searched in `b`, or, where `b` is
// the shorter, the same done with the roles swapped. Most pairs at a node
// fall in the first two parts: a binary search for each branch cost the
// network most of its time.
DoubleReal SumOfPairsAtMost(const std::vector<Branch>& a, const std::vector<Real>& aPrefix,
                            const std::vector<Branch>& b, const std::vector<Real>& bPrefix, double limit) {
    using double_real::Add;
    if (a.empty() || b.empty()) return {};
    const std::size_t whole = CountAtMost(a, limit - b.back().ln), some = CountAtMost(a, limit - b.front().ln);
    const std::size_t bWhole = CountAtMost(b, limit - a.back().ln), bSome = CountAtMost(b, limit - a.front().ln);
    if (bSome - bWhole < some - whole) return SumOfPairsAtMost(b, bPrefix, a, aPrefix, limit);
    DoubleReal sum{aPrefix[whole] * bPrefix.back(), 0};
    for (std::size_t i = whole; i < some; ++i) sum = Add(sum, bPrefix[CountAtMost(b, limit - a[i].ln)] * a[i].mass);
    return sum;
}

CompletionBounds BoundsOfCompletions(const Remainders& node, const Count* columns, std::size_t count,
                                     const std::vector<double>& lnFactorial) {
    const auto LnFactorial = [&lnFactorial](Count n) { return lnFactorial[std::size_t(n)]; };

    const std::size_t m = node.size(), c = count;
    const Count* cols = columns;
    Count n = 0;
    for (const Count r : node) n += r;
    double shared = -LnFactorial(n);
    for (const Count r : node) shared += LnFactorial(r);
    for (std::size_t j = 0; j < c; ++j) shared += LnFactorial(cols[j]);

    // Greatest sum of ln O!: each column greedily into the largest
    // remainders (node is sorted, largest first), and each row into the
    // largest columns (sorted, largest last).
    double byColumns = 0, byRows = 0;
    for (std::size_t j = 0; j < c; ++j) {
        Count left = cols[j];
        for (std::size_t i = 0; i < m && left > 0; ++i) {
            const Count x = std::min(left, node[i]);
            byColumns += LnFactorial(x);
            left -= x;
        }
    }
    for (std::size_t i = 0; i < m; ++i) {
        Count left = node[i];
        for (std::size_t j = c; j-- > 0 && left > 0;) {
            const Count x = std::min(left, cols[j]);
            byRows += LnFactorial(x);
            left -= x;
        }
    }
    const double shortest = shared - std::min(byColumns, byRows) - kBoundSlack;

    // Least sum of ln O!: the Lagrangian dual
    //   L(a, b) = sum a_i r_i + sum b_j c_j
    //           + sum_ij min over whole x in [0, u_ij] of (ln x! - (a_i + b_j) x),
    // a lower bound for any a and b; the inner minimum is at
    // x = floor(exp(a_i + b_j)) (ln x! - ln (x-1)! = ln x), clamped.
    // a and b start at the expected table (r_i c_j / n) and are fitted
    // by a few rounds of proportional scaling.
    std::vector<double> aStore(m), bStore(c);
    double* a = aStore.data();
    double* b = bStore.data();
    const double lnN = std::log(double(n));
    for (std::size_t i = 0; i < m; ++i) a[i] = node[i] > 0 ? std::log(double(node[i])) : -1e300;
    for (std::size_t j = 0; j < c; ++j) b[j] = std::log(double(cols[j])) - lnN;
    const auto fitted = [](double t, Count cap) { return std::clamp(std::exp(t) - 0.5, 0.0, double(cap)); };
    for (int round = 0; round < 3; ++round) {
        for (std::size_t i = 0; i < m; ++i) {
            if (node[i] == 0) continue;
            double s = 0;
            for (std::size_t j = 0; j < c; ++j) s += fitted(a[i] + b[j], std::min(node[i], cols[j]));
            a[i] += s > 0 ? std::log(double(node[i]) / s) : 1;
        }
        for (std::size_t j = 0; j < c; ++j) {
            double s = 0;
            for (std::size_t i = 0; i < m; ++i)
                if (node[i] > 0) s += fitted(a[i] + b[j], std::min(node[i], cols[j]));
            b[j] += s > 0 ? std::log(double(cols[j]) / s) : 1;
        }
    }
    double least = 0;
    for (std::size_t j = 0; j < c; ++j) least += b[j] * double(cols[j]);
    for (std::size_t i = 0; i < m; ++i) {
        if (node[i] == 0) continue;
        least += a[i] * double(node[i]);
        for (std::size_t j = 0; j < c; ++j) {
            const double t = a[i] + b[j];
            const Count cap = std::min(node[i], cols[j]);
            const Count x = t >= std::log(double(cap) + 1) ? cap : Count(std::floor(std::exp(t)));
            least += LnFactorial(x) - t * double(x);
        }
    }
    return {shortest, shared - least + kBoundSlack};
}

}  // namespace tarvik::fisher_network
