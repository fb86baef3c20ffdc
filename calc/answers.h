#pragma once
// What the command line and the critical-values window compute, as tables:
// results lines, critical values by df and probability, two-sided critical
// values, and the probability between two values. The numbers given are
// read and checked first, each error naming its item, so that nothing is
// computed from a batch with one bad line in it.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "calc/computations.h"
#include "calc/limits.h"
#include "calc/text_table.h"
#include "core/format_settings.h"
#include "core/number_text.h"

namespace tarvik {

// A number given for a field: its text, its value and, for a probability,
// both tails (the other one the exact decimal complement of the text).
struct GivenNumber {
    std::string text;
    Real value = 0;
    ExactTails tails{0, 0};
};

// Readers of one given number. `where` names it in messages ("--df",
// "--upper item 3", "standard input line 7"); each throws CommandLineError
// with "<where> '<text>' is not a number" or "... is out of range: <rule>".
// A number beyond any Real ("1e4000") is out of range too, not malformed.
std::int32_t ReadDf(const std::string& text, const std::string& where, const Limits& limits,
                    const FormatSettings& fs = FormatSettings{});
GivenNumber ReadGiven(Field field, const std::string& text, const std::string& where, const Limits& limits,
                      const FormatSettings& fs = FormatSettings{});

// The results lines: one per df and number given, df first.
TextTable ResultsTable(const std::vector<std::int32_t>& dfs, Field given, std::span<const GivenNumber> numbers,
                       const NumberFormat& format, const FormatSettings& fs = FormatSettings{});

// Which critical values a table holds: x with P(X<=x) = p, with P(X>x) = p,
// or the pair cutting p/2 from each tail.
enum class CriticalKind { Lower, Upper, TwoSided };

// The probabilities are read for the tail they give: Field::Cdf for the
// lower kind and for two-sided alphas, Field::UpperTail for the upper kind.
// One row per df, one column per probability (two per probability for the
// two-sided kind: lower, upper), headed by the probabilities.
TextTable CriticalValuesTable(const std::vector<std::int32_t>& dfs, CriticalKind kind,
                              const std::vector<GivenNumber>& probabilities, const NumberFormat& format,
                              const FormatSettings& fs = FormatSettings{});

// The same table a row at a time, for a view that computes the rows it shows.
std::vector<std::string> CriticalValuesHeader(CriticalKind kind, const std::vector<GivenNumber>& probabilities,
                                              const FormatSettings& fs = FormatSettings{});
std::vector<std::string> CriticalValuesRow(std::int32_t df, CriticalKind kind,
                                           const std::vector<GivenNumber>& probabilities, const NumberFormat& format,
                                           const FormatSettings& fs = FormatSettings{});
// The window's headings: each column's probability as it was typed
// ("0.10", not the shortest "0.1"), with the tail it cuts: "upper 0.10",
// "lower 0.10", and "two-sided 0.05: lower" and ": upper" for the pair; the
// typed decimal separator (`typed`) made fs's. "df" first.
std::vector<std::string> CriticalValuesHeadings(CriticalKind kind, const std::vector<GivenNumber>& probabilities,
                                                char typed, const FormatSettings& fs);

// The items of a list as a person types it in a window: apart by blanks,
// line breaks or semicolons (or commas, where the decimal separator is the
// point).
std::vector<std::string> ListItems(const std::string& list, const FormatSettings& fs);

// A list of probabilities as a person types it in a window: items apart by
// blanks or semicolons (or commas, where the decimal separator is the
// point), in the desktop's number format. Throws CommandLineError naming the
// item ("probability 3 '0,5x' is not a number"), or for an empty list.
std::vector<GivenNumber> ReadProbabilityList(const std::string& list, Field field, const FormatSettings& fs);

// The two-sided critical values as results lines: df, alpha, lower, upper.
TextTable TwoSidedTable(const std::vector<std::int32_t>& dfs, std::span<const GivenNumber> alphas,
                        const NumberFormat& format, const FormatSettings& fs = FormatSettings{});

// P(a < X <= b) per df.
TextTable BetweenTable(const std::vector<std::int32_t>& dfs, const GivenNumber& a, const GivenNumber& b,
                       const NumberFormat& format, const FormatSettings& fs = FormatSettings{});

// The noncentral results lines: df, ncp (as given), x, both tails and the
// density, one per df, noncentrality and number given.
TextTable NoncentralResultsTable(const std::vector<std::int32_t>& dfs, const std::vector<GivenNumber>& ncps, Field given,
                                 std::span<const GivenNumber> numbers, const NumberFormat& format,
                                 const FormatSettings& fs = FormatSettings{});

// The critical values for a probability of each kind: (lower, upper) for
// the two-sided one (alpha in `cdf`), (x, x) for the others.
struct CriticalPair {
    Real lower, upper;
};
CriticalPair CriticalValues(Real df, CriticalKind kind, const ExactTails& probability);

}  // namespace tarvik
