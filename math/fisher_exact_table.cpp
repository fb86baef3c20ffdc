#include "math/fisher_exact_table.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "core/checked_math.h"
#include "core/errors.h"
#include "math/detail.h"
#include "math/double_real.h"

namespace tarvik {

using namespace double_real;

namespace {

constexpr std::int64_t kReportEvery = 1 << 15;

// ln of prod R_i! prod C_j! / N!: what every table of these margins shares.
DoubleReal SharedLnProbability(const TableMargins& m) {
    DoubleReal k;
    for (const Real& r : m.rows) k = Add(k, detail::LnFactorial(r));
    for (const Real& c : m.columns) k = Add(k, detail::LnFactorial(c));
    return Subtract(k, detail::LnFactorial(m.total));
}

// Every table with the margins, column by column and in each column row by
// row; the last row of a column and the whole last column follow from the
// margins. ln n! comes from a table built once.
class Enumeration {
public:
    Enumeration(const CountTable& counts, std::int64_t budget, const WorkProgress& progress)
        : m_(MarginsOf(counts)), budget_(budget), progress_(progress) {
        const auto n = std::size_t(checked::Trunc(m_.total));
        lnFactorial_.reserve(n + 1);
        for (std::size_t i = 0; i <= n; ++i) lnFactorial_.push_back(detail::LnFactorial(Real(i)));
        shared_ = SharedLnProbability(m_);
        DoubleReal observed = shared_;
        for (const auto& row : counts)
            for (const Real& o : row) observed = Subtract(observed, Ln(o));
        threshold_ = observed.hi + detail::kFisherTie;
        rowLeft_ = m_.rows;
    }

    ExactTableResult Run() {
        ExactTableResult r;
        stopped_ = false;
        Fill(0, 0, m_.columns[0], shared_);
        r.complete = !stopped_;
        r.tables = tables_;
        r.p = std::min<Real>(1, sum_.Value());
        return r;
    }

private:
    const DoubleReal& Ln(Real n) const { return lnFactorial_[std::size_t(checked::Trunc(n))]; }

    void Count(const DoubleReal& ln) {
        if (++tables_ > budget_ || (tables_ % kReportEvery == 0 && progress_ && !progress_(double(tables_) / double(budget_)))) {
            stopped_ = true;
            return;
        }
        if (ln.hi <= threshold_) sum_.Add(detail::ExpOfLn(ln));
    }

    // Cell (i, j) with `columnLeft` of column j still to place.
    void Fill(std::size_t j, std::size_t i, Real columnLeft, const DoubleReal& ln) {
        if (stopped_) return;
        const std::size_t rows = m_.rows.size(), columns = m_.columns.size();
        if (j + 1 == columns) {  // the last column: what each row has left
            DoubleReal last = ln;
            for (const Real& left : rowLeft_) last = Subtract(last, Ln(left));
            Count(last);
            return;
        }
        if (i + 1 == rows) {  // the last row of a column: what the column has left
            rowLeft_[i] -= columnLeft;
            Fill(j + 1, 0, m_.columns[j + 1], Subtract(ln, Ln(columnLeft)));
            rowLeft_[i] += columnLeft;
            return;
        }
        Real below = 0;
        for (std::size_t k = i + 1; k < rows; ++k) below += rowLeft_[k];
        const Real lo = std::max<Real>(0, columnLeft - below), hi = std::min(rowLeft_[i], columnLeft);
        for (Real v = lo; v <= hi && !stopped_; v += 1) {
            rowLeft_[i] -= v;
            Fill(j, i + 1, columnLeft - v, Subtract(ln, Ln(v)));
            rowLeft_[i] += v;
        }
    }

    TableMargins m_;
    std::int64_t budget_;
    const WorkProgress& progress_;
    std::vector<DoubleReal> lnFactorial_;
    DoubleReal shared_;
    Real threshold_ = 0;
    std::vector<Real> rowLeft_;
    CompensatedSum sum_;
    std::int64_t tables_ = 0;
    bool stopped_ = false;
};

// A uniform draw from [0, 1): the top 53 bits of the generator, so that a
// seed gives the same tables on every system (std::uniform_real_distribution
// differs between libraries).
double Uniform(std::mt19937_64& rng) { return double(rng() >> 11) * 0x1p-53; }

// One hypergeometric draw: of `draws` taken from `population` items of which
// `marked` are marked, how many are marked. By inversion in the order of
// decreasing probability: from the mode, each step to the more probable of
// its two neighbours (the distribution is unimodal), the terms from the
// ratio of neighbours. Some 1.6 standard deviations of steps on average; the
// mode's probability from ln n! in Real, the walk in double (a sample needs
// no more than a uniform draw's 53 bits).
// ln n! for the random tables: from a table up to 2^20 (each entry the one
// before plus ln n, some 1e-12 off at its end: a sample needs no more, and
// the 1e-7 within which tables count as equal is far above it), from
// Stirling's series beyond.
class LnFactorials {
public:
    explicit LnFactorials(std::int64_t largest) {
        const std::int64_t size = std::min<std::int64_t>(largest, kTabled) + 1;
        table_.resize(std::size_t(size));
        for (std::int64_t n = 2; n < size; ++n) table_[std::size_t(n)] = table_[std::size_t(n - 1)] + checked::Ln(Real(n));
    }
    Real operator()(std::int64_t n) const {
        if (n < std::int64_t(table_.size())) return table_[std::size_t(n)];
        const DoubleReal v = detail::LnFactorial(Real(n));
        return v.hi + v.lo;
    }

private:
    static constexpr std::int64_t kTabled = 1 << 20;
    std::vector<Real> table_;
};

Real LnProbability(const CountTable& t, const LnFactorials& ln) {
    Real sum = 0;
    for (const auto& row : t)
        for (const Real& o : row) sum -= ln(checked::Trunc(o));
    return sum;
}

// A hypergeometric's support, mode and the mode's probability.
struct HypergeometricShape {
    std::int64_t lo, hi, mode;
    double top;
    // P(x + 1) / P(x) and P(x - 1) / P(x).
    std::int64_t marked, unmarked, draws;
    double Up(std::int64_t x) const {
        return double(marked - x) * double(draws - x) / (double(x + 1) * double(unmarked - draws + x + 1));
    }
    double Down(std::int64_t x) const {
        return double(x) * double(unmarked - draws + x) / (double(marked - x + 1) * double(draws - x + 1));
    }
};

HypergeometricShape ShapeOf(const LnFactorials& ln, std::int64_t population, std::int64_t marked, std::int64_t draws) {
    HypergeometricShape h{};
    h.marked = marked;
    h.unmarked = population - marked;
    h.draws = draws;
    h.lo = std::max<std::int64_t>(0, draws - h.unmarked);
    h.hi = std::min(marked, draws);
    h.mode = std::clamp<std::int64_t>(std::int64_t((Real(draws + 1) * Real(marked + 1)) / Real(population + 2)), h.lo, h.hi);
    const Real lnMode = ln(marked) + ln(h.unmarked) + ln(draws) + ln(population - draws) - ln(population) - ln(h.mode) -
                        ln(marked - h.mode) - ln(draws - h.mode) - ln(h.unmarked - draws + h.mode);
    h.top = double(checked::Exp(lnMode));
    return h;
}

std::int64_t Hypergeometric(std::mt19937_64& rng, const LnFactorials& ln, std::int64_t population, std::int64_t marked,
                            std::int64_t draws) {
    const HypergeometricShape h = ShapeOf(ln, population, marked, draws);
    const std::int64_t lo = h.lo, hi = h.hi, mode = h.mode;
    if (lo == hi) return lo;
    const double u = Uniform(rng);
    // Each side's next term is kept until it is taken: a step divides once.
    const double top = h.top;
    if (u < top) return mode;
    double sum = top;
    std::int64_t below = mode, above = mode, last = mode;
    double nextBelow = below > lo ? top * h.Down(below) : -1, nextAbove = above < hi ? top * h.Up(above) : -1;
    while (nextBelow >= 0 || nextAbove >= 0) {
        if (nextAbove >= nextBelow) {
            sum += nextAbove;
            last = ++above;
            nextAbove = above < hi ? nextAbove * h.Up(above) : -1;
        } else {
            sum += nextBelow;
            last = --below;
            nextBelow = below > lo ? nextBelow * h.Down(below) : -1;
        }
        if (u < sum) return last;
    }
    return last;  // u above a sum short of 1 by rounding
}

}  // namespace

ExactTableResult FisherExactByEnumeration(const CountTable& counts, std::int64_t budget, const WorkProgress& progress) {
    const TableMargins m = MarginsOf(counts);
    if (m.total > Real(kLargestEnumeratedTotal) || counts.size() < 2 || m.columns.size() < 2) return {};
    return Enumeration(counts, budget, progress).Run();
}

namespace {

// The first cell's distribution is the same for every table: its terms are
// listed once, from the mode out to where they fall below 1e-40 of it (the
// rest is far below any sample's reach), and each draw is a binary search
// in their sums: the walk from the mode costs some of a standard deviation
// of steps, sqrt(N) / 4 at the most.
class TabledHypergeometric {
public:
    TabledHypergeometric(const LnFactorials& ln, std::int64_t population, std::int64_t marked, std::int64_t draws) {
        const HypergeometricShape h = ShapeOf(ln, population, marked, draws);
        std::vector<double> below, above;
        for (double t = h.top, x = double(h.mode); x > double(h.lo) && t > 1e-40 * h.top; x -= 1)
            below.push_back(t *= h.Down(std::int64_t(x)));
        for (double t = h.top, x = double(h.mode); x < double(h.hi) && t > 1e-40 * h.top; x += 1)
            above.push_back(t *= h.Up(std::int64_t(x)));
        from_ = h.mode - std::int64_t(below.size());
        double sum = 0;
        for (auto t = below.rbegin(); t != below.rend(); ++t) cumulative_.push_back(sum += *t);
        cumulative_.push_back(sum += h.top);
        for (const double t : above) cumulative_.push_back(sum += t);
    }
    std::int64_t operator()(std::mt19937_64& rng) const {
        const double u = Uniform(rng) * cumulative_.back();
        const auto at = std::upper_bound(cumulative_.begin(), cumulative_.end() - 1, u);
        return from_ + (at - cumulative_.begin());
    }

private:
    std::int64_t from_ = 0;
    std::vector<double> cumulative_;
};

// False where `goOn`, asked after each row, says stop: a 100 x 100 table's
// one draw takes some 15 ms, too long a wait for a cancel.
bool FillRandomTable(const std::vector<std::int64_t>& rowSums, const std::vector<std::int64_t>& columnSums,
                     std::mt19937_64& rng, const LnFactorials& ln, const TabledHypergeometric& first, CountTable& table,
                     const std::function<bool()>& goOn = {}) {
    // Patefield's algorithm (AS 159, 1981): row by row, each cell drawn from
    // its distribution given the cells before it, a hypergeometric: the rest
    // of column j taken from what rows i.. and columns j.. hold, row i's
    // rest marked. O(r c) draws, whatever N.
    const std::size_t rows = rowSums.size(), columns = columnSums.size();
    if (table.size() != rows) table.assign(rows, std::vector<Real>(columns));
    std::vector<std::int64_t> columnLeft = columnSums;
    std::int64_t pool = 0;
    for (const std::int64_t c : columnSums) pool += c;
    for (std::size_t i = 0; i + 1 < rows; ++i) {
        std::int64_t rowLeft = rowSums[i], rest = pool;
        for (std::size_t j = 0; j + 1 < columns; ++j) {
            const std::int64_t x = i + j == 0 ? first(rng) : Hypergeometric(rng, ln, rest, rowLeft, columnLeft[j]);
            rest -= columnLeft[j];
            table[i][j] = Real(x);
            rowLeft -= x;
            columnLeft[j] -= x;
        }
        table[i][columns - 1] = Real(rowLeft);
        columnLeft[columns - 1] -= rowLeft;
        pool -= rowSums[i];
        if (goOn && !goOn()) return false;
    }
    for (std::size_t j = 0; j < columns; ++j) table[rows - 1][j] = Real(columnLeft[j]);
    return true;
}

}  // namespace

void RandomTable(const std::vector<std::int64_t>& rowSums, const std::vector<std::int64_t>& columnSums,
                 std::mt19937_64& rng, CountTable& table) {
    std::int64_t total = 0;
    for (const std::int64_t r : rowSums) total += r;
    const LnFactorials ln(total);
    FillRandomTable(rowSums, columnSums, rng, ln, TabledHypergeometric(ln, total, rowSums[0], columnSums[0]), table);
}

MonteCarloResult FisherMonteCarlo(const CountTable& counts, std::int64_t samples, std::uint64_t seed,
                                  const WorkProgress& progress) {
    const TableMargins m = MarginsOf(counts);
    // Tabled up to the largest margin (no cell exceeds it; the few larger
    // arguments of each draw's mode come from Stirling's series): the table
    // is built before the first look at a cancel.
    Real largest = 0;
    for (const auto* margins : {&m.rows, &m.columns})
        for (const Real& v : *margins) largest = std::max(largest, v);
    const LnFactorials ln(checked::Trunc(largest));
    // The margins' share of ln P is the same for every table: left out.
    const Real threshold = LnProbability(counts, ln) + detail::kFisherTie;
    std::vector<std::int64_t> rowSums, columnSums;
    for (const Real& r : m.rows) rowSums.push_back(checked::Trunc(r));
    for (const Real& c : m.columns) columnSums.push_back(checked::Trunc(c));
    std::mt19937_64 rng(seed);
    const TabledHypergeometric first(ln, checked::Trunc(m.total), rowSums[0], columnSums[0]);
    // A look at the progress every 4096 cells drawn or so.
    const std::int64_t lookEvery = std::max<std::int64_t>(1, 4096 / std::int64_t(rowSums.size() * columnSums.size()));
    CountTable table;
    MonteCarloResult r;
    std::int64_t hits = 0;
    // Where one table is more than a look's worth of cells, a look after
    // each of its rows as well.
    const bool lookByRow = rowSums.size() * columnSums.size() > 4096 && progress;
    for (; r.samples < samples; ++r.samples) {
        const double done = double(r.samples) / double(samples);
        if (r.samples % lookEvery == 0 && progress && !progress(done)) break;
        if (!FillRandomTable(rowSums, columnSums, rng, ln, first, table,
                             lookByRow ? std::function<bool()>([&] { return progress(done); }) : std::function<bool()>{}))
            break;
        if (LnProbability(table, ln) <= threshold) ++hits;
    }
    r.complete = r.samples == samples;
    if (r.samples > 0) {
        r.p = Real(1 + hits) / Real(1 + r.samples);
        r.standardError = checked::Sqrt(r.p * (1 - r.p) / Real(r.samples));
    }
    return r;
}

}  // namespace tarvik
