#include "core/translation.h"
#include "calc/fisher_test.h"

#include <chrono>

#include "core/decimal_digits.h"
#include "math/exact_multinomial.h"
#include "math/fisher_exact_table.h"

namespace tarvik {

namespace {

std::function<double()> ElapsedClock(const FisherControl& control) {
    if (control.elapsed) return control.elapsed;
    const auto start = std::chrono::steady_clock::now();
    return [start] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
}

// The exact count within its time, else random draws within theirs: the
// count's outcome, or the draws' with why they stand in.
FisherOutcome ExactOrDrawn(const std::function<ExactTableResult(const WorkProgress&)>& count,
                           const std::function<MonteCarloResult(const WorkProgress&)>& draw, bool drawable,
                           const FisherControl& control) {
    const std::function<double()> elapsed = ElapsedClock(control);
    const auto report = [&](double done, bool sampling) { return !control.progress || control.progress(done, sampling); };
    bool cancelled = false, outOfTime = false;
    FisherOutcome out;
    const ExactTableResult exact = count([&](double done) {
        if (!report(done, false)) cancelled = true;
        else if (elapsed() > control.exactSeconds) outOfTime = true;
        return !cancelled && !outOfTime;
    });
    if (cancelled) return out;
    if (exact.complete) {
        out.kind = FisherOutcome::Kind::Exact;
        out.p = exact.p;
        return out;
    }
    out.why = outOfTime ? FisherOutcome::Why::Time : exact.outOfMemory ? FisherOutcome::Why::Memory : FisherOutcome::Why::Size;
    if (!drawable) {
        out.kind = FisherOutcome::Kind::TooLarge;
        return out;
    }
    const double drawingFrom = elapsed();
    bool drawingOutOfTime = false;
    const MonteCarloResult mc = draw([&](double done) {
        if (!report(done, true)) cancelled = true;
        else if (elapsed() - drawingFrom > control.monteCarloSeconds) drawingOutOfTime = true;
        return !cancelled && !drawingOutOfTime;
    });
    if (cancelled || mc.samples == 0) return out;
    out.kind = FisherOutcome::Kind::MonteCarlo;
    out.p = mc.p;
    out.standardError = mc.standardError;
    out.samples = mc.samples;
    out.seed = control.seed;
    return out;
}

}  // namespace

FisherOutcome RunFisherTest(const CountTable& counts, const FisherControl& control) {
    FisherOutcome out;
    const TableMargins m = MarginsOf(counts);
    if (m.rows.size() == 2 && m.columns.size() == 2) {
        if (m.total > kLargestTwoByTwoTotal) {
            out.kind = FisherOutcome::Kind::TooLarge;
            out.why = FisherOutcome::Why::Size;
            return out;
        }
        bool stopped = false;
        out.p = FisherExactTwoByTwo(counts, [&](double done) { return !control.progress || control.progress(done, false); },
                                    stopped);
        out.kind = stopped ? FisherOutcome::Kind::Cancelled : FisherOutcome::Kind::Exact;
        if (stopped) return out;
        const TwoByTwoCounts t{counts[0][0], counts[0][1], counts[1][0], counts[1][1]};
        out.twoByTwo = true;
        out.oneSided = FisherOneSidedTests(t, out.p);
        if (m.total <= kLargestConditionalOddsTotal) out.conditionalOddsRatio = OddsRatioConditional(t);
        return out;
    }
    return ExactOrDrawn([&](const WorkProgress& progress) { return FisherExactByNetwork(counts, progress); },
                        [&](const WorkProgress& progress) {
                            return FisherMonteCarlo(counts, control.samples, control.seed, progress);
                        },
                        m.total <= kLargestMonteCarloTotal, control);
}

FisherOutcome RunExactFitTest(const std::vector<Real>& observed, const std::vector<Real>& probabilities,
                              const FisherControl& control) {
    // The draws cost each outcome one binomial draw a category, whatever N.
    FisherOutcome out = ExactOrDrawn(
        [&](const WorkProgress& progress) { return MultinomialExact(observed, probabilities, progress); },
        [&](const WorkProgress& progress) {
            return MultinomialMonteCarlo(observed, probabilities, control.samples, control.seed, progress);
        },
        observed.size() <= kMostDrawnCategories, control);
    out.multinomial = true;
    return out;
}

std::string FisherNote(const FisherOutcome& outcome, double exactSeconds) {
    const std::string samples = std::to_string(outcome.samples);
    if (outcome.multinomial) {
        if (outcome.kind == FisherOutcome::Kind::TooLarge)
            return Tr("Fisher", "the fit has too many categories to count or draw its outcomes; the chi-square's p stands");
        if (outcome.why == FisherOutcome::Why::Time)
            return Fill(Tr("Fisher", "the exact multinomial test did not end within %1 s (--exact-seconds); "
                                     "exact_p_mc is a Monte Carlo p from %2 random outcomes"),
                        {FixedDigits(Real(exactSeconds), 0), samples});
        if (outcome.why != FisherOutcome::Why::None)
            return Fill(Tr("Fisher", "the fit has too many observations or categories to count its outcomes; "
                                     "exact_p_mc is a Monte Carlo p from %1 random outcomes"),
                        {samples});
        return {};
    }
    if (outcome.kind == FisherOutcome::Kind::TooLarge)
        return Tr("Fisher", "the table has too many observations to count or draw for Fisher's exact test; the chi-square's p stands");
    switch (outcome.why) {
        case FisherOutcome::Why::None: return {};
        case FisherOutcome::Why::Time:
            return Fill(Tr("Fisher", "Fisher's exact test did not end within %1 s (--exact-seconds); "
                                     "fisher_p_mc is a Monte Carlo p from %2 random tables"),
                        {FixedDigits(Real(exactSeconds), 0), samples});
        case FisherOutcome::Why::Memory:
            return Fill(Tr("Fisher", "Fisher's exact test needs more memory than it may take; "
                                     "fisher_p_mc is a Monte Carlo p from %1 random tables"),
                        {samples});
        case FisherOutcome::Why::Size:
            return Fill(Tr("Fisher", "the table has too many observations for Fisher's exact test; "
                                     "fisher_p_mc is a Monte Carlo p from %1 random tables"),
                        {samples});
    }
    return {};
}

}  // namespace tarvik
