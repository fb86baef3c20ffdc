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

}  // namespace tarvik
