// Fisher's exact test of r x c tables against a brute-force count in 50
// digits: every table with the margins, by a recursion of the test's own,
// each probability from factorials in 50 digits. Tolerance: 64 epsilons,
// as for the other table statistics (each table's probability is a
// double-Real sum of log factorials, the p a compensated sum). The Monte
// Carlo p is checked against the exact one within its standard error.
#include <gtest/gtest.h>


#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "math/distributions.h"
#include "math/fisher_exact_table.h"
#include "tests/support/reference.h"

namespace tarvik::test {
namespace {

Ref Factorial(Real n) { return test::reference::Factorial(unsigned(n)); }

// Every table with the rows' and columns' sums: the cells in row-major
// order, each from 0 to what its row and column have left, the last row
// what its column has left.
Ref ReferenceFisher(const CountTable& t) {
    const TableMargins m = MarginsOf(t);
    const std::size_t rows = t.size(), columns = t[0].size();
    Ref shared = 1;
    for (const Real& r : m.rows) shared *= Factorial(r);
    for (const Real& c : m.columns) shared *= Factorial(c);
    shared /= Factorial(m.total);
    const auto probability = [&](const CountTable& x) {
        Ref p = shared;
        for (const auto& row : x)
            for (const Real& o : row) p /= Factorial(o);
        return p;
    };
    const Ref observed = probability(t) * Ref(1 + 1e-7);
    Ref sum = 0;
    CountTable x(rows, std::vector<Real>(columns, 0));
    std::vector<Real> rowLeft = m.rows, columnLeft = m.columns;
    std::function<void(std::size_t)> cell = [&](std::size_t k) {
        if (k == rows * columns) {
            for (const Real& left : rowLeft)
                if (left != 0) return;
            for (const Real& left : columnLeft)
                if (left != 0) return;
            const Ref p = probability(x);
            if (p <= observed) sum += p;
            return;
        }
        const std::size_t i = k / columns, j = k % columns;
        // The last row takes what each column has left.
        const Real from = i + 1 == rows ? columnLeft[j] : 0;
        for (Real v = from; v <= std::min(rowLeft[i], columnLeft[j]); v += 1) {
            x[i][j] = v;
            rowLeft[i] -= v;
            columnLeft[j] -= v;
            cell(k + 1);
            rowLeft[i] += v;
            columnLeft[j] += v;
        }
        x[i][j] = 0;
    };
    cell(0);
    return sum;
}

const WorkProgress kNoProgress = [](double) { return true; };

TEST(FisherExactTable, AgreesWithTheBruteForceCount) {
    const struct {
        CountTable counts;
        const char* why;
    } cases[] = {
        {{{3, 1, 2}, {1, 3, 0}}, "2 x 3, a zero cell"},
        {{{2, 0, 1}, {0, 3, 1}, {1, 1, 2}}, "3 x 3"},
        {{{5, 0}, {0, 5}, {1, 1}}, "3 x 2, an extreme table"},
        {{{1, 1, 1, 1}, {1, 1, 1, 1}}, "2 x 4, the most probable table: p = 1"},
        {{{4, 1}, {1, 4}}, "2 x 2"},
        {{{2, 0, 1, 3, 1}, {0, 3, 1, 0, 2}, {1, 1, 2, 1, 0}}, "3 x 5: completions listed backward and met"},
        {{{1, 0, 2, 1, 0, 1}, {0, 2, 0, 1, 2, 1}}, "2 x 6, a row of the network two long"},
        {{{1, 0, 2, 1, 0, 1, 2}, {0, 2, 0, 1, 2, 1, 1}, {1, 1, 0, 0, 1, 2, 0}},
         "3 x 7: a node's completions over two columns listed by those of its children"},
        {{{4, 0}, {0, 3}, {1, 1}, {2, 0}, {0, 2}}, "5 x 2: transposed, the shorter side the network's rows"},
        {{{3, 0, 0}, {0, 3, 0}, {0, 0, 3}}, "the least probable table: only its permutations count"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const Ref want = ReferenceFisher(c.counts);
        const ExactTableResult r = FisherExactByEnumeration(c.counts, 1000000, kNoProgress);
        ASSERT_TRUE(r.complete);
        EXPECT_LE(EpsilonsFrom(r.p, want), kAccuracyEpsilons);
        for (const NetworkLimits limits : {NetworkLimits{}, NetworkLimits{.forwardWithin = 0}}) {
            const ExactTableResult network = FisherExactByNetwork(c.counts, kNoProgress, limits);
            ASSERT_TRUE(network.complete);
            EXPECT_LE(EpsilonsFrom(network.p, want), kAccuracyEpsilons);
        }
    }
    // 2 x 2 by enumeration and by the direct sum agree.
    const CountTable two{{12, 5}, {3, 9}};
    EXPECT_LE(EpsilonsFrom(FisherExactByEnumeration(two, 1000000, kNoProgress).p, Ref(FisherExactTwoByTwo(two))), 8);
}

// The homework 2 x 3 table: R's fisher.test gives 0.00493384248236366
// (its tables number a few thousand).
TEST(FisherExactTable, TheHomeworkTable) {
    const ExactTableResult r = FisherExactByEnumeration({{20, 15, 25}, {30, 25, 10}}, 10000000, kNoProgress);
    ASSERT_TRUE(r.complete);
    EXPECT_GT(r.tables, 1000);
    EXPECT_LE(EpsilonsFrom(r.p, ReferenceFisher({{20, 15, 25}, {30, 25, 10}})), kAccuracyEpsilons);
    EXPECT_NEAR(double(r.p), 0.00493384248236366, 1e-15);
}

// The network against the counter on 400 random tables of 2 x 2 to 5 x 5
// (seeded): the same tables counted, so the same p within the two sums'
// roundings (each a compensated sum of terms good to a few epsilons).
TEST(FisherExactTable, TheNetworkAgreesWithTheCounter) {
    std::mt19937 rng(20261210);
    int compared = 0;
    while (compared < 400) {
        const std::size_t rows = 2 + rng() % 4, columns = 2 + rng() % 4;
        // Counts small enough for the counter: below 2, 3 or 6 by the size.
        const unsigned below = 1 + rng() % (rows * columns > 12 ? 2 : rows * columns > 9 ? 3 : 6);
        CountTable t(rows, std::vector<Real>(columns));
        for (auto& row : t)
            for (Real& v : row) v = Real(rng() % below);
        const TableMargins m = MarginsOf(t);
        if (std::count(m.rows.begin(), m.rows.end(), 0) || std::count(m.columns.begin(), m.columns.end(), 0)) continue;
        ++compared;
        const ExactTableResult counted = FisherExactByEnumeration(t, 100000000, kNoProgress);
        ASSERT_TRUE(counted.complete);
        // Small tables go forward to the last column; with nothing allowed
        // forward the completions are listed backward and met halfway.
        for (const NetworkLimits limits : {NetworkLimits{}, NetworkLimits{.forwardWithin = 0}}) {
            const ExactTableResult network = FisherExactByNetwork(t, kNoProgress, limits);
            ASSERT_TRUE(network.complete);
            EXPECT_LE(EpsilonsFrom(network.p, Ref(counted.p)), kAccuracyEpsilons) << compared << " " << limits.forwardWithin;
        }
    }
}

// Published examples beyond any counting: the job satisfaction table
// (Agresti 2002, table 2.8; R's fisher.test prints 0.7827) and a 3 x 4
// table of N 275 (R: 9.4307815784e-07; R's network keeps its sums in
// double and rounds its pasts, so it is held to 1e-9 relative only).
TEST(FisherExactTable, PublishedTablesByTheNetwork) {
    const struct {
        CountTable counts;
        double p, tolerance;
    } cases[] = {
        {{{1, 2, 1, 0}, {3, 3, 6, 1}, {10, 10, 14, 9}, {6, 7, 12, 11}}, 0.7827, 5e-5},
        {{{20, 15, 25, 10}, {30, 25, 10, 20}, {10, 20, 30, 40}}, 9.4307815784e-07, 1e-15},
    };
    for (const auto& c : cases) {
        const ExactTableResult r = FisherExactByNetwork(c.counts, kNoProgress);
        ASSERT_TRUE(r.complete);
        EXPECT_NEAR(double(r.p), c.p, c.tolerance);
    }
}

TEST(FisherExactTable, TheNetworkStopsAtItsMemoryAndOnCancel) {
    const CountTable wide{{8, 6, 9, 7, 5, 8, 6, 7}, {5, 9, 6, 8, 7, 6, 9, 5}, {7, 5, 8, 6, 9, 7, 5, 8}};
    const ExactTableResult small = FisherExactByNetwork(wide, kNoProgress, {.pasts = 1000});
    EXPECT_FALSE(small.complete);
    EXPECT_TRUE(small.outOfMemory);
    int calls = 0;
    const ExactTableResult cancelled = FisherExactByNetwork(wide, [&](double) { return ++calls < 3; });
    EXPECT_FALSE(cancelled.complete);
    EXPECT_FALSE(cancelled.outOfMemory);
    EXPECT_EQ(calls, 3);
}

// Patefield's tables against their exact distribution: 60,000 tables with
// the margins of a 2 x 3 table of 7, every one of its tables' frequency
// against its probability by a chi-square goodness of fit (seeded: p is
// one number; a sampler off by 1 % in any table puts it below 1e-6).
TEST(FisherExactTable, RandomTablesHaveTheirExactDistribution) {
    const std::vector<std::int64_t> rowSums{3, 4}, columnSums{2, 3, 2};
    const Real shared = 3 * 2 * 4 * 3 * 2 * 2 * 3 * 2 * 2 / Real(7 * 6 * 5 * 4 * 3 * 2);  // 3! 4! 2! 3! 2! / 7!
    const auto factorial = [](Real n) { return n < 2 ? Real(1) : n == 2 ? Real(2) : n * (n - 1) * (n == 3 ? 1 : n - 2); };
    std::map<std::vector<Real>, int> seen;
    std::mt19937_64 rng(7);
    CountTable t;
    constexpr int kDraws = 60000;
    for (int i = 0; i < kDraws; ++i) {
        RandomTable(rowSums, columnSums, rng, t);
        ++seen[t[0]];  // the first row decides the table
    }
    Real chiSquare = 0, total = 0;
    for (Real a = 0; a <= 2; ++a)
        for (Real b = 0; b <= 3 && a + b <= 3; ++b) {
            const Real c = 3 - a - b;
            if (c > 2) continue;
            Real p = shared;
            for (const Real& o : {a, b, c, 2 - a, 3 - b, 2 - c}) p /= factorial(o);
            total += p;
            const Real expected = p * kDraws, observed = seen[{a, b, c}];
            chiSquare += (observed - expected) * (observed - expected) / expected;
        }
    EXPECT_LE(Abs(total - 1), 1e-15_r);  // every table of the margins visited
    EXPECT_GT(ChiSquareUpperTail(Real(seen.size() - 1), chiSquare), 1e-6_r) << chiSquare;
}

TEST(FisherExactTable, BudgetCancelAndLargeTotals) {
    const CountTable many{{20, 15, 25, 10}, {30, 25, 10, 20}, {10, 20, 30, 40}};
    EXPECT_FALSE(FisherExactByEnumeration(many, 1000, kNoProgress).complete);  // over the budget
    int calls = 0;
    const ExactTableResult cancelled =
        FisherExactByEnumeration(many, 1000000000, [&](double) { return ++calls < 3; });
    EXPECT_FALSE(cancelled.complete);
    EXPECT_EQ(calls, 3);
    EXPECT_FALSE(FisherExactByEnumeration({{60000, 1}, {1, 60000}}, 1000000000, kNoProgress).complete);
}

TEST(FisherExactTable, MonteCarloWithinItsStandardErrorAndRepeatable) {
    const CountTable t{{3, 1, 2}, {1, 3, 0}, {2, 2, 5}};
    const Ref exact = ReferenceFisher(t);
    const MonteCarloResult r = FisherMonteCarlo(t, 20000, 12345, kNoProgress);
    ASSERT_TRUE(r.complete);
    EXPECT_EQ(r.samples, 20000);
    EXPECT_LT(abs(Ref(r.p) - exact), 4 * Ref(r.standardError));  // four standard errors: 1 in 16,000
    const MonteCarloResult again = FisherMonteCarlo(t, 20000, 12345, kNoProgress);
    EXPECT_EQ(again.p, r.p);  // one seed, one answer
    EXPECT_FALSE(FisherMonteCarlo(t, 20000, 1, [](double done) { return done < 0.5; }).complete);
    // A table too large for one look per draw is looked at row by row: a
    // cancel stops it within its first table, not after it.
    const CountTable large(100, std::vector<Real>(100, 3));
    int looks = 0;
    const MonteCarloResult stopped = FisherMonteCarlo(large, 10, 1, [&](double) { return ++looks < 5; });
    EXPECT_EQ(stopped.samples, 0);
    EXPECT_EQ(looks, 5);
}

}  // namespace
}  // namespace tarvik::test
