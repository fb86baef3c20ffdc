#include "math/count_models.h"

#include "core/checked_math.h"
#include "math/detail.h"
#include "math/distributions.h"
#include "math/double_real.h"

namespace tarvik {

using namespace double_real;

Real PoissonProbability(Real k, Real lambda) { return detail::PoissonWeight(k, lambda); }

Real PoissonUpperTail(Real k, Real lambda) { return k <= 0 ? 1 : ChiSquareCdf(2 * k, 2 * lambda); }

Real PoissonLowerTail(Real k, Real lambda) { return ChiSquareUpperTail(2 * (k + 1), 2 * lambda); }

// ln n! - ln k! - ln (n - k)! + k ln p + (n - k) ln(1 - p) in double-Real:
// the factorials good to 1e-27, each logarithm of p to its last bit.
Real BinomialProbability(Real k, Real n, Real p, Real q) {
    if (p <= 0) return k == 0 ? 1 : 0;
    if (q <= 0) return k == n ? 1 : 0;
    DoubleReal ln = Subtract(Subtract(detail::LnFactorial(n), detail::LnFactorial(k)), detail::LnFactorial(n - k));
    ln = Add(ln, TwoProduct(k, checked::Ln(p)));
    ln = Add(ln, TwoProduct(n - k, checked::Ln(q)));
    return detail::ExpOfLn(ln);
}

Real BinomialLowerTail(Real k, Real n, Real p, Real q) {
    if (k < 0) return 0;
    if (k >= n || q <= 0) return k >= n ? 1 : 0;
    if (p <= 0) return 1;
    const bool lower = k < Floor((n + 1) * p);
    Real i = lower ? k : k + 1, term = BinomialProbability(i, n, p, q), sum = 0;
    while (term > 0 && term >= detail::kSumTol * sum) {
        sum += term;
        if (lower ? i <= 0 : i >= n) break;
        // P(i - 1) / P(i) = i q / ((n - i + 1) p), and the inverse upward.
        term = lower ? term * i * q / ((n - i + 1) * p) : term * (n - i) * p / ((i + 1) * q);
        i += lower ? -1 : 1;
    }
    return detail::Probability(lower ? sum : 1 - sum);
}

}  // namespace tarvik
