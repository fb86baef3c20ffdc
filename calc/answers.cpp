#include "calc/answers.h"

#include <limits>

#include "calc/command_line_error.h"
#include "core/translation.h"
#include "calc/results_text.h"
#include "math/distributions.h"

namespace tarvik {

namespace {

// A limit as people write it: "1e6", "1e-300", "900".
std::string Limit(Real v) {
    std::string s = FormatFullPrecision(v, FormatSettings{});
    const auto e = s.find('e');
    if (e == std::string::npos) return s;
    std::string exponent = s.substr(e + 1);
    const bool negative = exponent[0] == '-';
    exponent.erase(0, exponent.find_first_not_of("+-0"));
    return s.substr(0, e + 1) + (negative ? "-" : "") + exponent;
}

[[noreturn]] void NotANumber(const std::string& where, const std::string& text) {
    throw CommandLineError{Fill(Tr("Input", "%1 %2 is not a number"), {where, Quoted(text)})};
}
[[noreturn]] void OutOfRange(const std::string& where, const std::string& text, const std::string& rule) {
    throw CommandLineError{Fill(Tr("Input", "%1 %2 is out of range: %3"), {where, Quoted(text), rule})};
}

Real ReadNumber(const std::string& text, const std::string& where, const FormatSettings& fs) {
    Real v = 0;
    if (!TryTextToRealSaturated(text, v, fs)) NotANumber(where, text);
    return v;
}

// The probability's text as a header: its shortest form ("0.1" for "0.10").
std::string Heading(const GivenNumber& p, const FormatSettings& fs) { return FormatFullPrecision(p.value, fs); }

}  // namespace

std::int32_t ReadDf(const std::string& text, const std::string& where, const Limits& limits, const FormatSettings& fs) {
    const Real df = ReadNumber(text, where, fs);
    if (!(df >= limits.lowestDf && df <= limits.highestDf) || df != Floor(df))
        OutOfRange(where, text, Fill(Tr("Input", "whole numbers from %1 to %2"),
                                         {std::to_string(limits.lowestDf), std::to_string(limits.highestDf)}));
    return std::int32_t(df);
}

GivenNumber ReadGiven(Field field, const std::string& text, const std::string& where, const Limits& limits,
                      const FormatSettings& fs) {
    GivenNumber given{text, ReadNumber(text, where, fs), {0, 0}};
    if (field == Field::Value) {
        if (!(given.value >= 0 && given.value <= limits.valueCap))
            OutOfRange(where, text, Fill(Tr("Input", "from 0 to %1"), {Limit(limits.valueCap)}));
        // Below the smallest normal Real a number keeps too few digits, or
        // none: it is refused rather than read as 0 (or as a denormal).
        if (given.value < std::numeric_limits<Real>::min() && !TextIsZero(text, fs))
            OutOfRange(where, text, Fill(Tr("Input", "from 0 to %1, and 0 or at least 3.36e-4932"), {Limit(limits.valueCap)}));
        return given;
    }
    const std::string rule = Fill(Tr("Input", "from %1 to 1 - %1"), {Limit(limits.lowestProbability)});
    // The range is judged on the text and its exact complement: 1 - 1e-300
    // reads as 1 in any Real, yet is inside it.
    // A text just above 1 can read as the Real 1: its exact complement says.
    if (!(given.value >= 0 && given.value <= 1) || DecimalComplement(text, fs).empty()) OutOfRange(where, text, rule);
    given.tails = TailsOfText(text, field, fs);
    const Real own = field == Field::Cdf ? given.tails.cdf : given.tails.upper;
    const Real other = field == Field::Cdf ? given.tails.upper : given.tails.cdf;
    if (!(own >= limits.lowestProbability && other >= limits.lowestProbability)) OutOfRange(where, text, rule);
    return given;
}

TextTable ResultsTable(const std::vector<std::int32_t>& dfs, Field given, std::span<const GivenNumber> numbers,
                       const NumberFormat& format, const FormatSettings& fs) {
    TextTable table{TextTable::Kind::Records, "", ResultsHeader(), {}};
    table.rows.reserve(dfs.size() * numbers.size());
    for (const std::int32_t df : dfs)
        for (const GivenNumber& n : numbers) {
            const Results r = given == Field::Value ? ResultsAtValue(df, n.value) : ResultsAtTails(df, n.tails);
            table.rows.push_back(ResultsCells(r, format, fs));
        }
    return table;
}

TextTable NoncentralResultsTable(const std::vector<std::int32_t>& dfs, const std::vector<GivenNumber>& ncps, Field given,
                                 std::span<const GivenNumber> numbers, const NumberFormat& format,
                                 const FormatSettings& fs) {
    TextTable table{TextTable::Kind::Records, "", {"df", "ncp", "x", "P(X<=x)", "P(X>x)", "f(x)"}, {}};
    const auto number = [&](Real v) { return FormatNumber(v, format, fs); };
    for (const std::int32_t df : dfs)
        for (const GivenNumber& ncp : ncps)
            for (const GivenNumber& n : numbers) {
                const Real lambda = ncp.value;
                Real x = n.value, cdf = n.tails.cdf, upper = n.tails.upper;
                if (given == Field::Value) {
                    cdf = NoncentralChiSquareCdf(df, lambda, x);
                    upper = NoncentralChiSquareUpperTail(df, lambda, x);
                } else {
                    // Solved on the smaller tail, which the text gives exactly.
                    x = cdf <= upper ? NoncentralChiSquareQuantile(df, lambda, cdf)
                                     : NoncentralChiSquareUpperQuantile(df, lambda, upper);
                }
                const bool unbounded = ChiSquarePdfIsUnbounded(df, x);
                table.rows.push_back({std::to_string(df), ncp.text, number(x), number(cdf), number(upper),
                                      unbounded ? "inf" : number(NoncentralChiSquarePdf(df, lambda, x))});
            }
    return table;
}

CriticalPair CriticalValues(Real df, CriticalKind kind, const ExactTails& p) {
    if (kind != CriticalKind::TwoSided) {
        const Real x = QuantileOfTails(df, p);
        return {x, x};
    }
    // alpha/2 from each tail: halving is exact, and each quantile is solved
    // on its own small tail.
    const Real half = p.cdf / 2;
    return {ChiSquareQuantile(df, half), ChiSquareUpperQuantile(df, half)};
}

std::vector<std::string> CriticalValuesHeader(CriticalKind kind, const std::vector<GivenNumber>& probabilities,
                                              const FormatSettings& fs) {
    std::vector<std::string> header{"df"};
    for (const GivenNumber& p : probabilities) {
        if (kind == CriticalKind::TwoSided) {
            header.push_back(Heading(p, fs) + " lower");
            header.push_back(Heading(p, fs) + " upper");
        } else {
            header.push_back(Heading(p, fs));
        }
    }
    return header;
}

std::vector<std::string> CriticalValuesRow(std::int32_t df, CriticalKind kind,
                                           const std::vector<GivenNumber>& probabilities, const NumberFormat& format,
                                           const FormatSettings& fs) {
    std::vector<std::string> row{std::to_string(df)};
    for (const GivenNumber& p : probabilities) {
        const CriticalPair x = CriticalValues(df, kind, p.tails);
        row.push_back(FormatNumber(x.lower, format, fs));
        if (kind == CriticalKind::TwoSided) row.push_back(FormatNumber(x.upper, format, fs));
    }
    return row;
}

TextTable CriticalValuesTable(const std::vector<std::int32_t>& dfs, CriticalKind kind,
                              const std::vector<GivenNumber>& probabilities, const NumberFormat& format,
                              const FormatSettings& fs) {
    static const char* const kTitles[] = {
        TrLater("Input", "Lower-tail critical values: x with P(X<=x) = p"),
        TrLater("Input", "Upper-tail critical values: x with P(X>x) = p"),
        TrLater("Input", "Two-sided critical values: P(X<=lower) = P(X>upper) = alpha/2"),
    };
    TextTable table{TextTable::Kind::Grid, Tr("Input", kTitles[int(kind)]), CriticalValuesHeader(kind, probabilities, fs), {}};
    table.rows.reserve(dfs.size());
    for (const std::int32_t df : dfs) table.rows.push_back(CriticalValuesRow(df, kind, probabilities, format, fs));
    return table;
}

std::vector<std::string> CriticalValuesHeadings(CriticalKind kind, const std::vector<GivenNumber>& probabilities,
                                                char typed, const FormatSettings& fs) {
    std::vector<std::string> header{"df"};
    for (const GivenNumber& p : probabilities) {
        std::string text = p.text;
        for (char& c : text)
            if (c == typed) c = fs.DecimalSeparator;
        switch (kind) {
            case CriticalKind::Upper: header.push_back(Fill(Tr("CriticalValuesModel", "upper %1"), {text})); break;
            case CriticalKind::Lower: header.push_back(Fill(Tr("CriticalValuesModel", "lower %1"), {text})); break;
            case CriticalKind::TwoSided:
                header.push_back(Fill(Tr("CriticalValuesModel", "two-sided %1: lower"), {text}));
                header.push_back(Fill(Tr("CriticalValuesModel", "two-sided %1: upper"), {text}));
                break;
        }
    }
    return header;
}

std::vector<std::string> ListItems(const std::string& list, const FormatSettings& fs) {
    std::string separators = " \t\r\n;";
    if (fs.DecimalSeparator != ',') separators += ',';
    std::vector<std::string> items;
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t from = list.find_first_not_of(separators, start);
        if (from == std::string::npos) break;
        const std::size_t to = std::min(list.find_first_of(separators, from), list.size());
        items.push_back(list.substr(from, to - from));
        start = to;
    }
    return items;
}

std::vector<GivenNumber> ReadProbabilityList(const std::string& list, Field field, const FormatSettings& fs) {
    const std::vector<std::string> items = ListItems(list, fs);
    if (items.empty()) throw CommandLineError{Tr("Input", "give at least one probability")};
    std::vector<GivenNumber> numbers;
    for (std::size_t i = 0; i < items.size(); ++i)
        numbers.push_back(ReadGiven(field, items[i], Fill(Tr("Input", "probability %1"), {std::to_string(i + 1)}), CommandLineLimits(), fs));
    return numbers;
}

TextTable TwoSidedTable(const std::vector<std::int32_t>& dfs, std::span<const GivenNumber> alphas,
                        const NumberFormat& format, const FormatSettings& fs) {
    TextTable table{TextTable::Kind::Records, "", {"df", "alpha", "lower", "upper"}, {}};
    for (const std::int32_t df : dfs)
        for (const GivenNumber& a : alphas) {
            const CriticalPair x = CriticalValues(df, CriticalKind::TwoSided, a.tails);
            table.rows.push_back(
                {std::to_string(df), Heading(a, fs), FormatNumber(x.lower, format, fs), FormatNumber(x.upper, format, fs)});
        }
    return table;
}

TextTable BetweenTable(const std::vector<std::int32_t>& dfs, const GivenNumber& a, const GivenNumber& b,
                       const NumberFormat& format, const FormatSettings& fs) {
    TextTable table{TextTable::Kind::Records, "", {"df", "a", "b", "P(a<X<=b)"}, {}};
    for (const std::int32_t df : dfs)
        table.rows.push_back({std::to_string(df), FormatNumber(a.value, format, fs), FormatNumber(b.value, format, fs),
                              FormatNumber(ProbabilityBetween(df, a.value, b.value), format, fs)});
    return table;
}

}  // namespace tarvik
