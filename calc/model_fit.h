#pragma once
// A frequency table fitted to a Poisson or a binomial model: how often
// each value 0, 1, 2, ... was seen, the model's parameter estimated from
// the data (the mean, or p = mean / n), the expected counts from it, and
// the tails pooled until they expect 5 or more. The fit's chi-square then
// has one degree of freedom less for the estimated parameter.
#include <string>
#include <vector>

#include "core/format_settings.h"
#include "core/number_text.h"

namespace tarvik {

enum class CountModel { Poisson, Binomial };
bool CountModelOfName(const std::string& name, CountModel& model);

struct ModelFit {
    CountModel model = CountModel::Poisson;
    Real parameter = 0;  // the Poisson mean, or the binomial p
    Real trials = 0;     // the binomial n: the largest value
    std::vector<Real> values;  // the values the frequencies were read for
    bool valuesByPosition = false;  // no labels gave them: 0, 1, 2, ...
    // The categories after pooling, with their labels ("0", "≥3", "≤1").
    std::vector<Real> observed, expected;
    std::vector<std::string> labels;
    std::size_t pooled = 0;  // values that went into a pooled tail beyond its own
};

// `frequencies` of consecutive values: `labels` that are whole numbers
// rising by one give them, else they are 0, 1, 2, ... (and said to be).
// Throws TableInputError where no fit is possible (no observations; fewer
// than three categories; a binomial of no trials).
ModelFit FitCountModel(CountModel model, const std::vector<std::string>& labels, const std::vector<Real>& frequencies);

// "Poisson mean = 0.610000, estimated from the data (1 df off); 2, 3 and 4
// pooled into ≥2: expected counts below 5", as one line.
std::string ModelFitNote(const ModelFit& fit, const NumberFormat& format, const FormatSettings& fs);

}  // namespace tarvik
