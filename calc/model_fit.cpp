#include "calc/model_fit.h"

#include <numeric>

#include "calc/table_test.h"
#include "core/decimal_digits.h"
#include "core/translation.h"
#include "math/count_models.h"

namespace tarvik {

bool CountModelOfName(const std::string& name, CountModel& model) {
    if (name == "poisson") model = CountModel::Poisson;
    else if (name == "binomial") model = CountModel::Binomial;
    else return false;
    return true;
}

namespace {

// Whole numbers rising by one, or nothing.
std::vector<Real> ValuesOfLabels(const std::vector<std::string>& labels, std::size_t count) {
    if (labels.size() != count) return {};
    std::vector<Real> values;
    for (const std::string& label : labels) {
        if (label.empty() || label.size() > 9 || label.find_first_not_of("0123456789") != std::string::npos) return {};
        values.push_back(Real(std::stoll(label)));
        if (values.size() > 1 && values.back() != values[values.size() - 2] + 1) return {};
    }
    return values;
}

std::string WholeText(Real v) { return FixedDigits(v, 0); }

}  // namespace

ModelFit FitCountModel(CountModel model, const std::vector<std::string>& labels, const std::vector<Real>& frequencies) {
    ModelFit fit;
    fit.model = model;
    fit.values = ValuesOfLabels(labels, frequencies.size());
    if (fit.values.empty()) {
        fit.valuesByPosition = true;
        for (std::size_t j = 0; j < frequencies.size(); ++j) fit.values.push_back(Real(j));
    }
    if (frequencies.size() < 3)
        throw TableInputError{Tr("Table", "a model is fitted to three values or more: 0, 1, 2, ...")};
    const Real total = std::accumulate(frequencies.begin(), frequencies.end(), Real(0));
    if (!(total > 0)) throw TableInputError{Tr("Table", "a model needs observations: every frequency is 0")};
    // The sum of the values seen is a whole number: exact in the Real up to
    // 2^64, so the mean is one rounding from the truth.
    Real sum = 0;
    for (std::size_t j = 0; j < frequencies.size(); ++j) sum += fit.values[j] * frequencies[j];
    const Real first = fit.values.front(), last = fit.values.back();
    std::vector<Real> probabilities;
    if (model == CountModel::Poisson) {
        fit.parameter = sum / total;
        if (!(fit.parameter > 0)) throw TableInputError{Tr("Table", "a Poisson model needs a mean above 0: every value seen is 0")};
        for (const Real& v : fit.values) {
            // The ends take the tails: the first value all below it, the
            // last all above.
            if (v == first) probabilities.push_back(PoissonLowerTail(v, fit.parameter));
            else if (v == last) probabilities.push_back(PoissonUpperTail(v, fit.parameter));
            else probabilities.push_back(PoissonProbability(v, fit.parameter));
        }
    } else {
        fit.trials = last;
        if (!(last > 0)) throw TableInputError{Tr("Table", "a binomial model needs trials: the largest value is its n")};
        fit.parameter = sum / (total * last);
        const Real q = (total * last - sum) / (total * last);
        for (const Real& v : fit.values) {
            Real p = 0;
            for (Real u = v == first ? 0 : v; u <= v; u += 1) p += BinomialProbability(u, last, fit.parameter, q);
            probabilities.push_back(p);
        }
    }
    fit.observed = frequencies;
    for (const Real& p : probabilities) fit.expected.push_back(total * p);
    // Each category's lowest and highest value; the first holds all below
    // it, the last (Poisson) all above.
    std::vector<Real> low = fit.values, high = fit.values;
    // Pooled from the ends while an end expects fewer than 5, keeping three
    // categories (a fit of one parameter needs them for one df).
    const Real kSmallestExpected = 5;
    while (fit.observed.size() > 3 && (fit.expected.back() < kSmallestExpected || fit.expected.front() < kSmallestExpected)) {
        const bool back = fit.expected.back() <= fit.expected.front();
        const std::size_t from = back ? fit.observed.size() - 1 : 0, into = back ? from - 1 : 1;
        fit.observed[into] += fit.observed[from];
        fit.expected[into] += fit.expected[from];
        low[into] = std::min(low[into], low[from]);
        high[into] = std::max(high[into], high[from]);
        for (auto* v : {&fit.observed, &fit.expected, &low, &high}) v->erase(v->begin() + std::ptrdiff_t(from));
        ++fit.pooled;
    }
    const bool upperTail = model == CountModel::Poisson || high.back() < last;
    for (std::size_t j = 0; j < fit.observed.size(); ++j) {
        if (j == 0 && (low[j] > 0 || high[j] > low[j])) fit.labels.push_back("\u2264" + WholeText(high[j]));
        else if (j + 1 == fit.observed.size() && (upperTail || low[j] < high[j])) fit.labels.push_back("\u2265" + WholeText(low[j]));
        else if (low[j] == high[j]) fit.labels.push_back(WholeText(low[j]));
        else fit.labels.push_back(WholeText(low[j]) + "\u2013" + WholeText(high[j]));
    }
    return fit;
}

std::string ModelFitNote(const ModelFit& fit, const NumberFormat& format, const FormatSettings& fs) {
    const std::string parameter = FormatNumber(fit.parameter, format, fs);
    std::string note = fit.model == CountModel::Poisson
                           ? Fill(Tr("Table", "Poisson mean = %1, estimated from the data (1 df off)"), {parameter})
                           : Fill(Tr("Table", "Binomial p = %1 of n = %2 trials, estimated from the data (1 df off)"),
                                  {parameter, WholeText(fit.trials)});
    if (fit.valuesByPosition)
        note += Fill(Tr("Table", "; the values are 0 to %1 by position (no header of whole numbers)"),
                     {WholeText(fit.values.back())});
    if (fit.pooled > 0)
        note += Fill(Tr("Table", "; %1 values pooled into the ends, which expected fewer than 5"), {std::to_string(fit.pooled)});
    return note;
}

}  // namespace tarvik
