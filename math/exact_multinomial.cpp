#include "math/exact_multinomial.h"

#include <algorithm>
#include <numeric>

#include "core/checked_math.h"
#include "math/detail.h"
#include "math/double_real.h"

namespace tarvik {

using namespace double_real;

namespace {

struct MultinomialCategory {
    Real observed, p, lnP;
};

// The categories with p > 0, the least probable first: their counts range
// least, so the walk's top levels branch least.
std::vector<MultinomialCategory> CategoriesOf(const std::vector<Real>& observed, const std::vector<Real>& probabilities) {
    std::vector<MultinomialCategory> categories;
    for (std::size_t j = 0; j < observed.size(); ++j)
        if (probabilities[j] > 0) categories.push_back({observed[j], probabilities[j], checked::Ln(probabilities[j])});
    std::stable_sort(categories.begin(), categories.end(), [](const MultinomialCategory& a, const MultinomialCategory& b) { return a.p < b.p; });
    return categories;
}

// y ln p - ln y!, one category's share of ln P beyond ln N!.
DoubleReal Share(Real y, const MultinomialCategory& c, const std::vector<DoubleReal>& lnFactorials) {
    return Subtract(TwoProduct(y, c.lnP), lnFactorials[std::size_t(checked::Trunc(y))]);
}

// A side of a node's children is left where all that remains of it is
// below this share of the p counted so far.
const Real kNegligible = Ldexp(Real(1), -70);

class OutcomeWalk {
public:
    OutcomeWalk(std::vector<MultinomialCategory> categories, Real total, const WorkProgress& progress)
        : c_(std::move(categories)), total_(total), progress_(progress) {
        const std::size_t n = std::size_t(checked::Trunc(total));
        lnFactorials_.reserve(n + 1);
        for (std::size_t k = 0; k <= n; ++k) lnFactorials_.push_back(detail::LnFactorial(Real(k)));
        lnTotalFactorial_ = lnFactorials_[n];
        const std::size_t k = c_.size();
        suffixP_.assign(k + 1, 0);
        leastLnP_.assign(k + 1, 0);
        for (std::size_t j = k; j-- > 0;) {
            suffixP_[j] = suffixP_[j + 1] + c_[j].p;
            leastLnP_[j] = j + 1 == k ? c_[j].lnP : std::min(c_[j].lnP, leastLnP_[j + 1]);
        }
        DoubleReal observed{};
        for (const MultinomialCategory& category : c_) observed = Add(observed, Share(category.observed, category, lnFactorials_));
        threshold_ = observed.hi + observed.lo + detail::kFisherTie;
        // Bounds decide a subtree only past this margin: inside it, the
        // subtree is walked and its outcomes compared one by one.
        margin_ = 1e-12_r * (1 + Abs(threshold_));
    }

    bool Run() {
        Visit(0, total_, {});
        return !stopped_;
    }
    Real P() const { return sum_.hi + sum_.lo; }

private:
    // e^(ln N! + ln), the probability of outcomes (or of a subtree's mass).
    Real Probability(const DoubleReal& ln) const { return detail::ExpOfLn(Add(lnTotalFactorial_, ln)); }

    void Count(const DoubleReal& ln) {
        if (ln.hi + ln.lo <= threshold_) sum_ = Add(sum_, Probability(ln));
    }

    // The subtree of categories i on with n left, reached with ln share w:
    // its whole mass is e^(ln N! + w) P_i^n / n!, P_i the rest's probability.
    DoubleReal MassLn(std::size_t i, Real n, const DoubleReal& w) const {
        return Subtract(Add(w, TwoProduct(n, checked::Ln(suffixP_[i]))), lnFactorials_[std::size_t(checked::Trunc(n))]);
    }

    // ln of the most probable completion is at most this (the Lagrangian
    // bound at the multiplier ln(P_i / n)).
    Real MostProbableBound(std::size_t i, Real n) const {
        if (n == 0) return 0;
        const Real lambda = checked::Ln(suffixP_[i] / n);
        Real bound = lambda * n;
        for (std::size_t j = i; j < c_.size(); ++j) {
            const Real mean = n * c_[j].p / suffixP_[i];
            if (mean < 1) continue;
            const Real mode = std::min(n, Floor(mean));
            const DoubleReal& lnMode = lnFactorials_[std::size_t(checked::Trunc(mode))];
            bound += mode * checked::Ln(mean) - (lnMode.hi + lnMode.lo);
        }
        return bound;
    }

    void Decided(std::size_t i, Real n, const DoubleReal& w) {
        done_ += double(Probability(MassLn(i, n, w)));
        if (++steps_ % 4096 == 0 && progress_ && !progress_(std::min(1.0, done_))) stopped_ = true;
    }

    void Visit(std::size_t i, Real n, const DoubleReal& w) {
        if (stopped_) return;
        const std::size_t k = c_.size();
        if (i + 1 == k) {
            Count(Add(w, Share(n, c_[i], lnFactorials_)));
            return Decided(i, n, w);
        }
        const Real reached = w.hi + w.lo;
        if (reached + MostProbableBound(i, n) <= threshold_ - margin_) {
            sum_ = Add(sum_, Probability(MassLn(i, n, w)));
            return Decided(i, n, w);
        }
        const DoubleReal& lnN = lnFactorials_[std::size_t(checked::Trunc(n))];
        if (reached + n * leastLnP_[i] - (lnN.hi + lnN.lo) > threshold_ + margin_) return Decided(i, n, w);
        // The children, category i taking y, from the most probable y
        // outward on each side (their masses are binomial in y); a side
        // ends where all that is left of it is below 2^-70 of the sum so
        // far, a bound its falling ratio gives. The last two categories'
        // children are single outcomes.
        const bool outcomes = i + 2 == k;
        const Real p = c_[i].p, rest = suffixP_[i + 1];
        const Real mode = std::min(n, Floor((n + 1) * p / suffixP_[i]));
        for (const int step : {1, -1}) {
            for (Real y = step > 0 ? mode : mode - 1; y >= 0 && y <= n && !stopped_; y += step) {
                const DoubleReal reachedChild = Add(w, Share(y, c_[i], lnFactorials_));
                if (outcomes) Count(Add(reachedChild, Share(n - y, c_[i + 1], lnFactorials_)));
                else Visit(i + 1, n - y, reachedChild);
                const Real ratio = step > 0 ? p * (n - y) / (rest * (y + 1)) : rest * y / (p * (n - y + 1));
                if (ratio >= 1) continue;
                const Real mass = Probability(MassLn(i + 1, n - y, reachedChild));
                if (mass * ratio / (1 - ratio) < kNegligible * P()) break;
            }
        }
        Decided(i, n, w);
    }

    std::vector<MultinomialCategory> c_;
    Real total_;
    const WorkProgress& progress_;
    std::vector<DoubleReal> lnFactorials_;
    DoubleReal lnTotalFactorial_{}, sum_{};
    std::vector<Real> suffixP_, leastLnP_;
    Real threshold_ = 0, margin_ = 0;
    double done_ = 0;
    std::int64_t steps_ = 0;
    bool stopped_ = false;
};

Real TotalOf(const std::vector<Real>& observed) { return std::accumulate(observed.begin(), observed.end(), Real(0)); }

}  // namespace

ExactTableResult MultinomialExact(const std::vector<Real>& observed, const std::vector<Real>& probabilities,
                                  const WorkProgress& progress) {
    ExactTableResult r;
    std::vector<MultinomialCategory> categories = CategoriesOf(observed, probabilities);
    const Real total = TotalOf(observed);
    if (total > Real(kLargestMultinomialTotal) || categories.size() > kMostMultinomialCategories) return r;
    if (categories.size() <= 1) {
        r.complete = true;
        r.p = 1;
        return r;
    }
    OutcomeWalk walk(std::move(categories), total, progress);
    r.complete = walk.Run();
    // Every outcome at or below the observed: rounding may carry the sum a
    // few epsilons past 1 where nearly all of them are.
    if (r.complete) r.p = std::min<Real>(1, walk.P());
    return r;
}

MonteCarloResult MultinomialMonteCarlo(const std::vector<Real>& observed, const std::vector<Real>& probabilities,
                                       std::int64_t samples, std::uint64_t seed, const WorkProgress& progress) {
    const std::vector<MultinomialCategory> c = CategoriesOf(observed, probabilities);
    const std::int64_t total = checked::Trunc(TotalOf(observed));
    // ln y! tabled up to a million (8 MB of Reals at most): a draw's
    // probability takes one look-up a category.
    const std::int64_t tabled = std::min<std::int64_t>(total, 1 << 20);
    std::vector<Real> lnFactorials(std::size_t(tabled) + 1);
    for (std::int64_t k = 0; k <= tabled; ++k) {
        const DoubleReal ln = detail::LnFactorial(Real(k));
        lnFactorials[std::size_t(k)] = ln.hi + ln.lo;
    }
    const auto lnFactorial = [&](std::int64_t k) {
        if (k <= tabled) return lnFactorials[std::size_t(k)];
        const DoubleReal ln = detail::LnFactorial(Real(k));
        return ln.hi + ln.lo;
    };
    const auto lnProbability = [&](const std::vector<std::int64_t>& y) {
        Real ln = 0;
        for (std::size_t j = 0; j < c.size(); ++j) ln += Real(y[j]) * c[j].lnP - lnFactorial(y[j]);
        return ln;
    };
    std::vector<std::int64_t> y(c.size());
    for (std::size_t j = 0; j < c.size(); ++j) y[j] = checked::Trunc(c[j].observed);
    const Real threshold = lnProbability(y) + detail::kFisherTie;
    std::vector<double> conditional(c.size());
    Real rest = 1;
    for (std::size_t j = 0; j < c.size(); ++j) {
        conditional[j] = rest > 0 ? std::clamp(double(c[j].p / rest), 0.0, 1.0) : 1.0;
        rest -= c[j].p;
    }
    std::mt19937_64 rng(seed);
    MonteCarloResult r;
    std::int64_t hits = 0;
    for (; r.samples < samples; ++r.samples) {
        if (r.samples % 256 == 0 && progress && !progress(double(r.samples) / double(samples))) break;
        std::int64_t left = total;
        for (std::size_t j = 0; j + 1 < c.size(); ++j) {
            y[j] = left > 0 ? std::binomial_distribution<std::int64_t>(left, conditional[j])(rng) : 0;
            left -= y[j];
        }
        if (!c.empty()) y.back() = left;
        if (lnProbability(y) <= threshold) ++hits;
    }
    r.complete = r.samples == samples;
    if (r.samples > 0) {
        r.p = Real(1 + hits) / Real(1 + r.samples);
        r.standardError = checked::Sqrt(r.p * (1 - r.p) / Real(r.samples));
    }
    return r;
}

}  // namespace tarvik
