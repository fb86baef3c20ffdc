#include "core/translation.h"
#include "calc/fisher_test.h"

#include <chrono>

#include "core/decimal_digits.h"
#include "math/fisher_exact_table.h"

namespace tarvik {

FisherOutcome RunFisherTest(const CountTable& counts, const FisherControl& control) {
    const auto start = std::chrono::steady_clock::now();
    const std::function<double()> elapsed = control.elapsed ? control.elapsed : [start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const auto report = [&](double done, bool sampling) { return !control.progress || control.progress(done, sampling); };
    bool cancelled = false, outOfTime = false;
    const WorkProgress counting = [&](double done) {
        if (!report(done, false)) cancelled = true;
        else if (elapsed() > control.exactSeconds) outOfTime = true;
        return !cancelled && !outOfTime;
    };
    FisherOutcome out;
    const TableMargins m = MarginsOf(counts);
    if (m.rows.size() == 2 && m.columns.size() == 2) {
        if (m.total > kLargestTwoByTwoTotal) {
            out.kind = FisherOutcome::Kind::TooLarge;
            out.why = FisherOutcome::Why::Size;
            return out;
        }
        bool stopped = false;
        out.p = FisherExactTwoByTwo(counts, [&](double done) { return report(done, false); }, stopped);
        out.kind = stopped ? FisherOutcome::Kind::Cancelled : FisherOutcome::Kind::Exact;
        if (stopped) return out;
        const TwoByTwoCounts t{counts[0][0], counts[0][1], counts[1][0], counts[1][1]};
        out.twoByTwo = true;
        out.oneSided = FisherOneSidedTests(t, out.p);
        if (m.total <= kLargestConditionalOddsTotal) out.conditionalOddsRatio = OddsRatioConditional(t);
        return out;
    }
    const ExactTableResult exact = FisherExactByNetwork(counts, counting);
    if (cancelled) return out;
    if (exact.complete) {
        out.kind = FisherOutcome::Kind::Exact;
        out.p = exact.p;
        return out;
    }
    out.why = outOfTime ? FisherOutcome::Why::Time : exact.outOfMemory ? FisherOutcome::Why::Memory : FisherOutcome::Why::Size;
    if (m.total > kLargestMonteCarloTotal) {
        out.kind = FisherOutcome::Kind::TooLarge;
        return out;
    }
    const double drawingFrom = elapsed();
    bool drawingOutOfTime = false;
    const MonteCarloResult mc = FisherMonteCarlo(counts, control.samples, control.seed, [&](double done) {
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

std::string FisherNote(const FisherOutcome& outcome, double exactSeconds) {
    const std::string samples = std::to_string(outcome.samples);
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
