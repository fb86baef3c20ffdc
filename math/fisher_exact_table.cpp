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

// R's fisher.test: tables within a relative 1e-7 of the observed one are
// as probable as it. In logarithms, 1e-7 added.
const Real kTie = 1e-7_r;
constexpr std::int64_t kReportEvery = 1 << 15;

// ln of prod R_i! prod C_j! / N!: what every table of these margins shares.
DoubleReal SharedLnProbability(const TableMargins& m) {
    DoubleReal k;
    for (const Real& r : m.rows) k = Add(k, detail::LnFactorial(r));
    for (const Real& c : m.columns) k = Add(k, detail::LnFactorial(c));
    return Subtract(k, detail::LnFactorial(m.total));
}

DoubleReal LnProbability(const CountTable& t, const DoubleReal& shared) {
    DoubleReal ln = shared;
    for (const auto& row : t)
        for (const Real& o : row) ln = Subtract(ln, detail::LnFactorial(o));
    return ln;
}

Real ProbabilityOf(const DoubleReal& ln) {
    if (ln.hi < -11350) return 0;  // below the normal Reals
    return checked::Exp(ln.hi) * (1 + ln.lo);
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
        threshold_ = observed.hi + kTie;
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
        if (ln.hi <= threshold_) sum_.Add(ProbabilityOf(ln));
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

// A uniform draw from 0 to n - 1: 64 random bits, the top incomplete run
// of n values rejected. Defined bit for bit by the generator alone, so a
// seed gives the same tables on every system (std::uniform_int_distribution
// differs between libraries).
std::uint64_t Below(std::mt19937_64& rng, std::uint64_t n) {
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % n;
    std::uint64_t x = rng();
    while (x >= limit) x = rng();
    return x % n;
}

}  // namespace

ExactTableResult FisherExactByEnumeration(const CountTable& counts, std::int64_t budget, const WorkProgress& progress) {
    const TableMargins m = MarginsOf(counts);
    if (m.total > Real(kLargestEnumeratedTotal) || counts.size() < 2 || m.columns.size() < 2) return {};
    return Enumeration(counts, budget, progress).Run();
}

MonteCarloResult FisherMonteCarlo(const CountTable& counts, std::int64_t samples, std::uint64_t seed,
                                  const WorkProgress& progress) {
    const TableMargins m = MarginsOf(counts);
    const std::size_t rows = m.rows.size(), columns = m.columns.size();
    const DoubleReal shared = SharedLnProbability(m);
    const Real threshold = LnProbability(counts, shared).hi + kTie;
    // One entry per observation: its row.
    std::vector<std::uint32_t> units;
    for (std::size_t i = 0; i < rows; ++i) units.insert(units.end(), std::size_t(checked::Trunc(m.rows[i])), std::uint32_t(i));
    std::mt19937_64 rng(seed);
    CountTable table(rows, std::vector<Real>(columns));
    MonteCarloResult r;
    std::int64_t hits = 0;
    for (; r.samples < samples; ++r.samples) {
        // A cancel is seen within some 4096 observations' work.
        if ((units.size() > 4096 || r.samples % 64 == 0) && progress && !progress(double(r.samples) / double(samples)))
            break;
        for (std::size_t k = units.size(); k > 1; --k) std::swap(units[k - 1], units[Below(rng, k)]);
        for (auto& row : table) std::fill(row.begin(), row.end(), Real(0));
        std::size_t at = 0;
        for (std::size_t j = 0; j < columns; ++j)
            for (Real c = 0; c < m.columns[j]; c += 1) table[units[at++]][j] += 1;
        if (LnProbability(table, shared).hi <= threshold) ++hits;
    }
    r.complete = r.samples == samples;
    if (r.samples > 0) {
        r.p = Real(1 + hits) / Real(1 + r.samples);
        r.standardError = checked::Sqrt(r.p * (1 - r.p) / Real(r.samples));
    }
    return r;
}

}  // namespace tarvik
