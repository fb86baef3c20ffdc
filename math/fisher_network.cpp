// Fisher's exact test of an r x c table by a network algorithm (Mehta and
// Patel 1983, "A network algorithm for performing Fisher's exact test in
// r x c contingency tables", JASA 78: 427-434).
//
// The tables with the margins are the paths through a network: the node of
// stage k is what the rows have left once k columns are placed, and an arc
// places one column. Given its node, the rest of a table does not depend on
// how the node was reached, and the rows are exchangeable, so a node is the
// multiset of the rows' remainders (kept sorted): many paths meet in one.
// Every path carries the probability of its first k columns (a product of
// multivariate hypergeometric terms, each at most 1):
//   P(x | r) = prod_i C(r_i, x_i) / C(n, C_k),
// which is a proper distribution over the column x; the completions of a
// node therefore add up to 1, and the table's probability is the path's.
//
// Each path that reaches a node is one "past". Bounds of its completions'
// probabilities (math/fisher_network_parts.cpp) decide many at once: a past
// whose most probable completion is no more probable than the observed
// table counts all of them (its probability is added), one whose least
// probable is more probable counts none (dropped). A past is decided as it
// reaches a node, so most are never stored; only the rest go on, pooled
// where their logarithms agree to 2^-32. The paths go forward over half the
// free columns, and on while the next stage would stay small (its growth
// measured on the last); the completions of the nodes they reach are listed
// backward, sorted, with prefix sums, and the two meet by binary search,
// where the child's bounds leave a choice.
//
// Accuracy: every ln C(r, x) is a double-Real difference of ln n! (to
// 1e-27), each probability exp of it (one rounding) times the past (one
// more per column), pooled and prefix sums in double-Real rounded once, and
// the p a compensated sum of positive terms: its relative error is that of
// its worst term, some 10 epsilons. The decisions use the logarithms in
// double precision (1e-12 at ln P of 1e4), far inside the 1e-7 within which
// a table counts as equal to the observed.
#include "math/fisher_exact_table.h"
#include "math/fisher_network_parts.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/checked_math.h"
#include "math/detail.h"
#include "math/double_real.h"

namespace tarvik {

using namespace double_real;
using namespace fisher_network;

namespace {

// The work between two looks at the progress callback: some 20,000 arcs
// or pasts, well under a millisecond.
constexpr std::int64_t kLookEvery = 1 << 14;

// A node of a stage: the bounds of its completions and the pasts that
// reach it undecided.
struct Node {
    CompletionBounds bounds;
    std::vector<Branch> pasts;
};
using Stage = std::unordered_map<Remainders, Node, RemaindersHash>;

struct Futures {
    std::vector<Branch> branches;
    std::vector<Real> prefix;  // prefix[i]: the probability of the first i
};
const Futures kForced{{{0, 1}}, {0, 1}};

class Network {
public:
    Network(const CountTable& counts, const WorkProgress& progress, const NetworkLimits& limits)
        : progress_(progress), pastLimit_(limits.pasts), forwardWithin_(limits.forwardWithin) {
        // The rows of the network are the table's shorter side: the nodes
        // are vectors of that length, and the fewer their entries the more
        // paths meet in each.
        const TableMargins m = MarginsOf(counts);
        const bool transpose = m.columns.size() < m.rows.size();
        const std::vector<Real>& rows = transpose ? m.columns : m.rows;
        const std::vector<Real>& columns = transpose ? m.rows : m.columns;
        for (const Real& r : rows) rows_.push_back(Count(checked::Trunc(r)));
        // Empty columns place nothing. The largest columns go last: the arcs
        // of the last free column are counted by binary search, not pooled.
        for (const Real& c : columns)
            if (c > 0) columns_.push_back(Count(checked::Trunc(c)));
        std::sort(columns_.begin(), columns_.end());
        total_ = Count(checked::Trunc(m.total));
        lnFactorial_.reserve(std::size_t(total_) + 1);
        lnFactorialDouble_.reserve(std::size_t(total_) + 1);
        for (Count i = 0; i <= total_; ++i) {
            lnFactorial_.push_back(detail::LnFactorial(Real(i)));
            lnFactorialDouble_.push_back(double(lnFactorial_.back().hi + lnFactorial_.back().lo));
        }
        double observed = 0;
        for (const Real& r : m.rows) observed += lnFactorialDouble_[std::size_t(checked::Trunc(r))];
        for (const Real& c : m.columns) observed += lnFactorialDouble_[std::size_t(checked::Trunc(c))];
        observed -= lnFactorialDouble_[std::size_t(total_)];
        for (const auto& row : counts)
            for (const Real& o : row) observed -= lnFactorialDouble_[std::size_t(checked::Trunc(o))];
        threshold_ = observed + double(detail::kFisherTie);
    }

    ExactTableResult Run() {
        ExactTableResult result;
        if (columns_.size() < 2) {  // one column of counts: one table
            result.complete = true;
            result.p = 1;
            return result;
        }
        Stage stage;
        Remainders start = rows_;
        std::sort(start.begin(), start.end(), std::greater<>());
        stage[start] = {BoundsOf(start, 0), {{0, 1}}};
        const std::size_t free = columns_.size() - 1;
        std::size_t meet = (free + 1) / 2, lastReached = 1;
        for (std::size_t k = 0; k <= meet && !stopped_; ++k) {
            std::size_t reached = 0;
            for (auto& [node, at] : stage) {
                if (!Work()) break;
                Pool(at.pasts);
                Decide(at.bounds, at.pasts);
                reached += at.pasts.size();
            }
            // Forward rather than meet where the next stage, grown as this
            // one grew from the last, stays within `forwardWithin`.
            if (k == meet && k + 2 < columns_.size()) {
                const double growth = std::max(1.0, double(reached) / double(std::max<std::size_t>(1, lastReached)));
                if (double(reached) * growth <= double(forwardWithin_)) ++meet;
            }
            lastReached = reached;
            Stage next;
            stored_ = 0;
            std::size_t done = 0;
            for (auto& [node, at] : stage) {
                std::vector<Branch>& pasts = at.pasts;
                if (!Look(std::max(lastDone_, (double(k) + double(done++) / double(stage.size())) / double(meet + 1)))) break;
                if (pasts.empty()) continue;
                if (k == meet && k + 2 == columns_.size())
                    MeetLastColumn(node, k, pasts);
                else if (k == meet)
                    Meet(node, k, pasts);
                else
                    Spread(node, k, pasts, next);
                pasts = {};
            }
            stage = std::move(next);
        }
        result.complete = !stopped_;
        result.outOfMemory = outOfMemory_;
        result.p = std::min<Real>(1, p_.Value());
        return result;
    }

private:
    bool Look(double done) {
        if (stopped_) return false;
        lastDone_ = done;
        if (progress_ && !progress_(done)) stopped_ = true;
        return !stopped_;
    }

    bool Work() {
        if (++work_ % kLookEvery == 0) return Look(lastDone_);
        return !stopped_;
    }

    // Pasts that count all their completions are added, those that count
    // none dropped; the rest are left.
    void Decide(const CompletionBounds& bounds, std::vector<Branch>& pasts) {
        std::size_t kept = 0;
        for (const Branch& past : pasts) {
            if (past.ln + bounds.longest <= threshold_)
                AddToP(past.mass);
            else if (past.ln + bounds.shortest <= threshold_)
                pasts[kept++] = past;
        }
        pasts.resize(kept);
    }

    CompletionBounds BoundsOf(const Remainders& node, std::size_t k) const {
        return BoundsOfCompletions(node, columns_.data() + k, columns_.size() - k, lnFactorialDouble_);
    }

    void AddToP(const Real& mass) { p_.Add(mass); }
    void AddToP(const DoubleReal& mass) { p_.Add(mass.hi), p_.Add(mass.lo); }

    // Every arc from `node` by column k: x with x_i <= r_i and sum C_k,
    // with ln P(x | r) in double-Real precision; `arc` gets the child's
    // remainders (unsorted) and the logarithm.
    template <class Arc>
    void ForEachArc(const Remainders& node, std::size_t k, Arc&& arc) {
        PlaceRows<1>(node, k, arc);
    }

    // The same with the last two rows left open: `pair` gets the logarithm
    // so far (with ln r! of the two rows in it) and what the column has left
    // for them.
    template <class Pair>
    void ForEachPair(const Remainders& node, std::size_t k, Pair&& pair) {
        PlaceRows<2>(node, k, pair);
    }

    template <std::size_t kOpen, class Arc>
    void PlaceRows(const Remainders& node, std::size_t k, Arc& arc) {
        const Count column = columns_[k];
        Count n = 0;
        for (const Count r : node) n += r;
        DoubleReal ln = Negate(Subtract(Subtract(lnFactorial_[std::size_t(n)], lnFactorial_[std::size_t(column)]),
                                        lnFactorial_[std::size_t(n - column)]));
        for (const Count r : node) ln = Add(ln, lnFactorial_[std::size_t(r)]);
        Remainders child = node;
        std::vector<Count> below(node.size() + 1, 0);
        for (std::size_t i = node.size(); i-- > 0;) below[i] = below[i + 1] + node[i];
        // ln x! + ln (r_i - x)! for every share x of every row, summed once
        // per node rather than once per arc: the arcs outnumber the shares.
        // (Kept per call: a node's arcs may place those of its children.)
        Splits splits;
        splits.at.resize(node.size());
        for (std::size_t i = 0; i < node.size(); ++i) {
            splits.at[i] = splits.ln.size();
            for (Count x = 0; x <= node[i]; ++x)
                splits.ln.push_back(Add(lnFactorial_[std::size_t(x)], lnFactorial_[std::size_t(node[i] - x)]));
        }
        PlaceRow<kOpen>(node, below, splits, 0, column, ln, child, arc);
    }

    // ln x! + ln (r_i - x)! of row i's share x: ln[at[i] + x].
    struct Splits {
        std::vector<DoubleReal> ln;
        std::vector<std::size_t> at;
        const DoubleReal& Of(std::size_t i, Count x) const { return ln[at[i] + std::size_t(x)]; }
    };

    template <std::size_t kOpen, class Arc>
    void PlaceRow(const Remainders& node, const std::vector<Count>& below, const Splits& splits, std::size_t i,
                  Count left, const DoubleReal& ln, Remainders& child, Arc& arc) {
        if (stopped_) return;
        const std::size_t m = node.size();
        if constexpr (kOpen == 2) {
            if (i + 2 == m) {
                arc(ln, left);
                return;
            }
        } else if (i + 1 == m) {  // the last row takes what the column has left
            child[i] = node[i] - left;
            arc(child, Subtract(ln, splits.Of(i, left)));
            return;
        }
        const Count from = std::max<Count>(0, left - below[i + 1]), to = std::min(node[i], left);
        for (Count x = from; x <= to && !stopped_; ++x) {
            child[i] = node[i] - x;
            PlaceRow<kOpen>(node, below, splits, i + 1, left - x, Subtract(ln, splits.Of(i, x)), child, arc);
        }
        child[i] = node[i];
    }

    // Every arc from `node` with its child as a node (sorted) and the
    // arc's logarithm, exact and in double. Its probability is left to the
    // caller: many arcs are decided by the logarithm alone, and exp is a
    // good part of an arc's cost.
    template <class Child>
    void ForEachChild(const Remainders& node, std::size_t k, Child&& each) {
        Remainders key;
        ForEachArc(node, k, [&](const Remainders& child, const DoubleReal& ln) {
            key = child;
            std::sort(key.begin(), key.end(), std::greater<>());
            each(key, ln, double(ln.hi + ln.lo));
        });
    }

    // Branches carried along an arc: their logarithms shifted by the arc's,
    // their probabilities times its.
    void Carry(const std::vector<Branch>& from, double lnArc, const Real& probability, std::vector<Branch>& to) {
        for (const Branch& b : from) {
            if (!Work()) return;
            to.push_back({b.ln + lnArc, b.mass * probability});
        }
    }

    // The pasts go on along every arc to the next stage's nodes, decided
    // there by the child's bounds as they arrive: most are, and are never
    // stored.
    void Spread(const Remainders& node, std::size_t k, const std::vector<Branch>& pasts, Stage& next) {
        const std::vector<Real> prefix = PrefixSums(pasts);
        ForEachChild(node, k, [&](const Remainders& child, const DoubleReal& lnExact, double lnArc) {
            if (!Work()) return;
            auto [there, added] = next.try_emplace(child);
            if (added) there->second.bounds = BoundsOf(child, k + 1);
            const CompletionBounds& bounds = there->second.bounds;
            // The pasts are sorted: those up to `all` count every completion
            // of the child, those from `some` on none.
            const std::size_t all = CountAtMost(pasts, threshold_ - lnArc - bounds.longest);
            const std::size_t some = CountAtMost(pasts, threshold_ - lnArc - bounds.shortest);
            if (some == 0) return;
            const Real probability = detail::ExpOfLn(lnExact);
            if (all > 0) AddToP(prefix[all] * probability);
            std::vector<Branch>& kept = there->second.pasts;
            for (std::size_t i = all; i < some && Work(); ++i)
                kept.push_back({pasts[i].ln + lnArc, pasts[i].mass * probability}), ++stored_;
            // A node's pasts are pooled as they grow, so that repeats do not
            // pile up before the node's turn.
            if (kept.size() > 64 && (kept.size() & (kept.size() - 1)) == 0) {
                const std::size_t before = kept.size();
                Pool(kept);
                stored_ -= before - kept.size();
            }
            if (stored_ + remembered_ > pastLimit_) Compact(next);
            Remember(0);
        });
    }

    // Every node of the next stage pooled at once, where the pasts that
    // reach them (most of them repeats, a node at a time below the size at
    // which it pools) would pass the limit. Where that frees less than a
    // quarter of it, the limit stands.
    void Compact(Stage& next) {
        stored_ = 0;
        for (auto& [node, at] : next) {
            if (!Work()) return;
            Pool(at.pasts);
            at.pasts.shrink_to_fit();
            stored_ += at.pasts.size();
        }
        if (stored_ + remembered_ > pastLimit_ / 4 * 3) stored_ = pastLimit_ + 1;
    }

    // Every completion of `node` by the columns from k on, as its logarithm
    // and probability given the node, sorted and pooled, with the prefix
    // sums of the probabilities; the last column is forced. Kept: many
    // nodes above share a node's list.
    const Futures& FuturesOf(const Remainders& node, std::size_t k) {
        if (k + 1 == columns_.size()) return kForced;
        auto& below = futures_[k];
        if (const auto found = below.find(node); found != below.end()) return found->second;
        Futures futures;
        // Pooled as it doubles: the children's lists carried whole would
        // hold many times what is left once equal logarithms are one.
        std::size_t pooledAt = 4096;
        ForEachChild(node, k, [&](const Remainders& child, const DoubleReal& lnExact, double lnArc) {
            Carry(FuturesOf(child, k + 1).branches, lnArc, detail::ExpOfLn(lnExact), futures.branches);
            if (futures.branches.size() > 2 * pooledAt) {
                Pool(futures.branches);
                pooledAt = std::max<std::size_t>(4096, futures.branches.size());
            }
            Remember(futures.branches.size());
        });
        Pool(futures.branches);
        futures.prefix = PrefixSums(futures.branches);
        remembered_ += futures.branches.size();
        Remember(0);
        return below.emplace(node, std::move(futures)).first->second;
    }

    const CompletionBounds& ChildBounds(const Remainders& node, std::size_t k) {
        auto [found, added] = childBounds_.try_emplace(node);
        if (added) found->second = BoundsOf(node, k), ++remembered_;
        return found->second;
    }

    void Remember(std::size_t more) {
        if (stored_ + remembered_ + more > pastLimit_) {
            outOfMemory_ = true;
            stopped_ = true;
        }
    }

    // The pasts of a node at the meeting stage against the futures of each
    // node it leads to: a past and a future make a table that counts when
    // their logarithms add up to at most the threshold. Both lists are
    // sorted, so the shorter is walked and the other searched.
    void Meet(const Remainders& node, std::size_t k, const std::vector<Branch>& pasts) {
        const std::vector<Real> pastPrefix = PrefixSums(pasts);
        ForEachChild(node, k, [&](const Remainders& child, const DoubleReal& lnExact, double lnArc) {
            if (!Work()) return;
            const double limit = threshold_ - lnArc;
            // The child's bounds decide most arcs without its completions.
            const CompletionBounds& bounds = ChildBounds(child, k + 1);
            if (pasts.front().ln + bounds.shortest > limit) return;
            const Real probability = detail::ExpOfLn(lnExact);
            if (pasts.back().ln + bounds.longest <= limit) return AddToP(pastPrefix.back() * probability);
            const Futures& futures = FuturesOf(child, k + 1);
            if (stopped_ || pasts.front().ln + futures.branches.front().ln > limit) return;
            AddToP(Multiply(SumOfPairsAtMost(pasts, pastPrefix, futures.branches, futures.prefix, limit), probability));
        });
    }

    // Meet when the column after k is the last: each arc ends one table. The
    // last two rows of the column are one hypergeometric in x, the first's
    // share: ln C(a, x) + ln C(b, s - x) is concave in x, so its arcs fall
    // away from the mode on both sides, and their sum over x is C(a + b, s).
    // From the mode outward each arc is counted against the pasts until all
    // pasts count; the rest of that side is then summed for all the pasts
    // at once, until what is left (at most the last term times rho / (1 -
    // rho), rho the ratio of the last two: the terms are log-concave) is
    // below 2^-72 of the side's sum.
    void MeetLastColumn(const Remainders& node, std::size_t k, const std::vector<Branch>& pasts) {
        const std::vector<Real> pastPrefix = PrefixSums(pasts);
        const double first = pasts.front().ln, last = pasts.back().ln;
        const std::size_t m = node.size();
        const Count a = node[m - 2], b = node[m - 1];
        const auto lnF = [this](Count v) -> const DoubleReal& { return lnFactorial_[std::size_t(v)]; };
        ForEachPair(node, k, [&](const DoubleReal& ln, Count s) {
            if (!Work()) return;
            const Count lo = std::max<Count>(0, s - b), hi = std::min(a, s);
            const auto lnArc = [&](Count x) {
                return Subtract(Subtract(ln, Add(lnF(x), lnF(a - x))), Add(lnF(s - x), lnF(b - s + x)));
            };
            const auto value = [](const DoubleReal& v) { return double(v.hi + v.lo); };
            const Count mode = std::clamp<Count>(
                Count((std::int64_t(s) + 1) * (std::int64_t(a) + 1) / (std::int64_t(a) + b + 2)), lo, hi);
            const DoubleReal top = lnArc(mode);
            if (value(top) + last <= threshold_) {  // every arc, every past
                const DoubleReal all = Add(Subtract(Subtract(ln, Add(lnF(a), lnF(b))), Add(lnF(s), lnF(a + b - s))), lnF(a + b));
                AddToP(pastPrefix.back() * detail::ExpOfLn(all));
                return;
            }
            if (value(lnArc(lo)) + first > threshold_ && value(lnArc(hi)) + first > threshold_) return;
            DoubleReal partial;
            const auto side = [&](Count from, Count step, Count end) {
                DoubleReal tail;
                Real previous = 0;
                for (Count x = from; x != end + step; x += step) {
                    const DoubleReal arcLn = lnArc(x);
                    const double v = value(arcLn);
                    const Real probability = detail::ExpOfLn(arcLn);
                    if (v + last > threshold_) {
                        const std::size_t counted = CountAtMost(pasts, threshold_ - v);
                        if (counted > 0) partial = Add(partial, pastPrefix[counted] * probability);
                        continue;
                    }
                    tail = Add(tail, probability);
                    if (previous > 0 && probability < previous) {
                        const Real rho = probability / previous;
                        if (probability * rho / (1 - rho) <= Ldexp(tail.hi, -72)) break;
                    }
                    previous = probability;
                }
                partial = Add(partial, pastPrefix.back() * (tail.hi + tail.lo));
            };
            side(mode, 1, hi);
            if (mode > lo) side(mode - 1, -1, lo);
            AddToP(partial);
        });
    }

    const WorkProgress& progress_;
    std::size_t pastLimit_, forwardWithin_;
    Remainders rows_;
    std::vector<Count> columns_;
    Count total_ = 0;
    std::vector<DoubleReal> lnFactorial_;
    std::vector<double> lnFactorialDouble_;
    double threshold_ = 0;
    CompensatedSum p_;
    std::int64_t work_ = 0;
    double lastDone_ = 0;
    std::size_t stored_ = 0, remembered_ = 0;  // pasts of the next stage, futures kept
    std::unordered_map<std::size_t, std::unordered_map<Remainders, Futures, RemaindersHash>> futures_;
    std::unordered_map<Remainders, CompletionBounds, RemaindersHash> childBounds_;  // of the meeting's children
    bool stopped_ = false, outOfMemory_ = false;
};

}  // namespace

ExactTableResult FisherExactByNetwork(const CountTable& counts, const WorkProgress& progress,
                                      const NetworkLimits& limits) {
    const TableMargins m = MarginsOf(counts);
    if (m.total > Real(kLargestEnumeratedTotal) || counts.size() < 2 || m.columns.size() < 2) return {};
    return Network(counts, progress, limits).Run();
}

}  // namespace tarvik
