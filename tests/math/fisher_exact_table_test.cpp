// Fisher's exact test of r x c tables against a brute-force count in 50
// digits: every table with the margins, by a recursion of the test's own,
// each probability from factorials in 50 digits. Tolerance: 64 epsilons,
// as for the other table statistics (each table's probability is a
// double-Real sum of log factorials, the p a compensated sum). The Monte
// Carlo p is checked against the exact one within its standard error.
#include <gtest/gtest.h>


#include <functional>
#include <string>
#include <vector>

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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const ExactTableResult r = FisherExactByEnumeration(c.counts, 1000000, kNoProgress);
        ASSERT_TRUE(r.complete);
        EXPECT_LE(EpsilonsFrom(r.p, ReferenceFisher(c.counts)), kAccuracyEpsilons);
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
}

}  // namespace
}  // namespace tarvik::test
