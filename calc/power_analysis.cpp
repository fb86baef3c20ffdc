#include "core/translation.h"
#include "calc/power_analysis.h"

#include "calc/answers.h"
#include "calc/command_line_error.h"
#include "calc/limits.h"
#include "core/decimal_digits.h"
#include "math/chi_square_power.h"
#include "math/distributions.h"

namespace tarvik {

namespace {

[[noreturn]] void Refuse(PowerField field, const std::string& why) { throw PowerInputError{field, why}; }

void Check(const PowerQuestion& q) {
    const Limits& limits = CommandLineLimits();
    if (!(q.df >= limits.lowestDf && q.df <= limits.highestDf) || q.df != Floor(q.df))
        Refuse(PowerField::Df, Fill(Tr("Power", "must be a whole number from 1 to %1"), {std::to_string(limits.highestDf)}));
    const auto given = [&](PowerField f) { return q.unknown != f; };
    if (given(PowerField::EffectSize) && !(q.w > 0)) Refuse(PowerField::EffectSize, Tr("Power", "must be above 0"));
    if (given(PowerField::Alpha) && !IsOpenProbability(q.alpha)) Refuse(PowerField::Alpha, Tr("Power", "must lie between 0 and 1"));
    if (given(PowerField::Power) && !IsOpenProbability(q.power)) Refuse(PowerField::Power, Tr("Power", "must lie between 0 and 1"));
    if (given(PowerField::SampleSize) && !(q.n >= 1 && q.n <= kLargestSampleSize && q.n == Floor(q.n)))
        Refuse(PowerField::SampleSize, Tr("Power", "must be a whole number from 1 to 1000000000"));
    // A test of level alpha has power alpha at no effect and more above it.
    if (given(PowerField::Alpha) && given(PowerField::Power) && !(q.power > q.alpha))
        Refuse(PowerField::Power, Tr("Power", "must be above alpha"));
    if (given(PowerField::EffectSize) && given(PowerField::SampleSize) && q.n * q.w * q.w > kLargestNoncentrality)
        Refuse(PowerField::EffectSize, Tr("Power", "gives a noncentrality N w\u00B2 above 1000000"));
}

// The numbers of a list, each non-negative, scaled to add up to 1.
std::vector<Real> Proportions(const std::string& list, const char* hypothesis, const FormatSettings& fs) {
    std::vector<Real> values;
    const std::vector<std::string> items = ListItems(list, fs);
    for (std::size_t i = 0; i < items.size(); ++i) {
        Real v = 0;
        const std::vector<std::string> item{hypothesis, std::to_string(i + 1), ShownItem(items[i])};
        if (!TryTextToReal(items[i], v, fs))
            Refuse(PowerField::EffectSize, Fill(Tr("Power", "%1 proportion %2 '%3' is not a number"), {item[0], item[1], item[2]}));
        if (!(v >= 0))
            Refuse(PowerField::EffectSize, Fill(Tr("Power", "%1 proportion %2 '%3' is negative"), {item[0], item[1], item[2]}));
        values.push_back(v);
    }
    Real total = 0;
    for (const Real& v : values) total += v;
    if (!(total > 0)) Refuse(PowerField::EffectSize, Fill(Tr("Power", "the %1 proportions add up to 0"), {hypothesis}));
    for (Real& v : values) v /= total;
    return values;
}

// A table of non-negative numbers, one row per line, each row and column
// adding up to more than 0.
std::vector<std::vector<Real>> ReadProportionTable(const std::string& cells, const FormatSettings& fs) {
    std::vector<std::vector<Real>> table;
    std::size_t start = 0;
    while (start <= cells.size()) {
        const std::size_t end = std::min(cells.find('\n', start), cells.size());
        const std::string line = cells.substr(start, end - start);
        start = end + 1;
        if (ListItems(line, fs).empty()) continue;
        std::vector<Real> row;
        for (const std::string& item : ListItems(line, fs)) {
            Real v = 0;
            const std::string r = std::to_string(table.size() + 1), c = std::to_string(row.size() + 1);
            if (!TryTextToReal(item, v, fs))
                Refuse(PowerField::EffectSize, Fill(Tr("Power", "row %1 cell %2 '%3' is not a number"), {r, c, ShownItem(item)}));
            if (!(v >= 0)) Refuse(PowerField::EffectSize, Fill(Tr("Power", "row %1 cell %2 '%3' is negative"), {r, c, ShownItem(item)}));
            row.push_back(v);
        }
        if (!table.empty() && row.size() != table.front().size())
            Refuse(PowerField::EffectSize, Fill(Tr("Power", "row %1 has %2 cells, row 1 has %3"),
                                                {std::to_string(table.size() + 1), std::to_string(row.size()),
                                                 std::to_string(table.front().size())}));
        table.push_back(row);
    }
    if (table.size() < 2 || table.front().size() < 2)
        Refuse(PowerField::EffectSize, Tr("Power", "give a table of at least 2 rows and 2 columns, one row per line"));
    // A row or column without probability has no expected cells: no test.
    for (std::size_t i = 0; i < table.size(); ++i) {
        Real sum = 0;
        for (const Real& v : table[i]) sum += v;
        if (!(sum > 0)) Refuse(PowerField::EffectSize, Fill(Tr("Power", "row %1 adds up to 0"), {std::to_string(i + 1)}));
    }
    for (std::size_t j = 0; j < table.front().size(); ++j) {
        Real sum = 0;
        for (const auto& row : table) sum += row[j];
        if (!(sum > 0)) Refuse(PowerField::EffectSize, Fill(Tr("Power", "column %1 adds up to 0"), {std::to_string(j + 1)}));
    }
    return table;
}

}  // namespace

EffectFromProportions GoodnessOfFitEffect(const std::string& expected, const std::string& alternative,
                                          const FormatSettings& fs) {
    const std::vector<Real> h1 = Proportions(alternative, "H1", fs);
    if (h1.size() < 2) Refuse(PowerField::EffectSize, Tr("Power", "give at least two H1 proportions"));
    std::vector<Real> h0(h1.size(), Real(1) / Real(h1.size()));
    if (!ListItems(expected, fs).empty()) {
        h0 = Proportions(expected, "H0", fs);
        if (h0.size() != h1.size())
            Refuse(PowerField::EffectSize, Fill(Tr("Power", "H0 has %1 proportions, H1 %2"),
                                                {std::to_string(h0.size()), std::to_string(h1.size())}));
        for (std::size_t i = 0; i < h0.size(); ++i)
            if (!(h0[i] > 0)) Refuse(PowerField::EffectSize, Fill(Tr("Power", "H0 proportion %1 is 0"), {std::to_string(i + 1)}));
    }
    return {EffectSizeOfProportions(h0, h1), int(h1.size()) - 1};
}

EffectFromProportions IndependenceEffect(const std::string& cells, const FormatSettings& fs) {
    const std::vector<std::vector<Real>> table = ReadProportionTable(cells, fs);
    return {EffectSizeOfTable(table), int((table.size() - 1) * (table.front().size() - 1))};
}

GroupsEffect EffectOfGroups(const std::string& groups, const std::string& sizes, const FormatSettings& fs) {
    std::vector<std::vector<Real>> table = ReadProportionTable(groups, fs);
    std::vector<Real> shares(table.size(), Real(1) / Real(table.size()));
    if (!ListItems(sizes, fs).empty()) {
        shares = Proportions(sizes, Tr("Power", "group size").c_str(), fs);
        if (shares.size() != table.size())
            Refuse(PowerField::EffectSize, Fill(Tr("Power", "%1 group sizes for %2 groups"),
                                                {std::to_string(shares.size()), std::to_string(table.size())}));
        for (std::size_t i = 0; i < shares.size(); ++i)
            if (!(shares[i] > 0)) Refuse(PowerField::EffectSize, Fill(Tr("Power", "group %1 has size 0"), {std::to_string(i + 1)}));
    }
    // Each group's proportions scaled to add up to 1, then weighted by its
    // share: the cell probabilities of the whole study.
    for (std::size_t i = 0; i < table.size(); ++i) {
        Real sum = 0;
        for (const Real& v : table[i]) sum += v;
        for (Real& v : table[i]) v = v / sum * shares[i];
    }
    return {{EffectSizeOfTable(table), int((table.size() - 1) * (table.front().size() - 1))}, shares,
            int(table.size()), int(table.front().size())};
}

std::string PowerFieldName(PowerField field) {
    switch (field) {
        case PowerField::Df: return "df";
        case PowerField::EffectSize: return Tr("Power", "effect size w");
        case PowerField::Alpha: return "alpha";
        case PowerField::Power: return Tr("Power", "power");
        case PowerField::SampleSize: return "N";
    }
    return "";
}

PowerAnswer SolvePower(const PowerQuestion& q) {
    Check(q);
    PowerAnswer a{q.df, q.w, q.alpha, q.power, q.n, 0, 0};
    switch (q.unknown) {
        case PowerField::SampleSize:
            a.n = ChiSquareTestSampleSize(q.df, q.w, q.alpha, q.power, kLargestSampleSize);
            if (a.n == 0) Refuse(PowerField::SampleSize, Tr("Power", "no N up to 1000000000 reaches this power"));
            a.power = ChiSquareTestPower(q.df, q.w, q.alpha, a.n);
            break;
        case PowerField::Power: a.power = ChiSquareTestPower(q.df, q.w, q.alpha, q.n); break;
        case PowerField::EffectSize: a.w = ChiSquareTestEffectSize(q.df, q.alpha, q.power, q.n); break;
        case PowerField::Alpha:
            // The critical value is the noncentral quantile itself: solving
            // it again from an alpha of 1e-328 would leave the double range
            // the central quantile's start is found in.
            a.lambda = a.n * a.w * a.w;
            a.critical = NoncentralChiSquareUpperQuantile(a.df, a.lambda, q.power);
            a.alpha = ChiSquareUpperTail(a.df, a.critical);
            if (!(a.alpha > 0))
                Refuse(PowerField::Alpha, Tr("Power", "would be below 3.36e-4932, the smallest Real: give a smaller N, w or power"));
            return a;
        case PowerField::Df: Refuse(PowerField::Df, Tr("Power", "is always given"));
    }
    a.lambda = a.n * a.w * a.w;
    a.critical = ChiSquareUpperQuantile(a.df, a.alpha);
    return a;
}

const std::vector<std::string>& PowerHeader() {
    static const std::vector<std::string> header{"df", "w", "alpha", "power", "N", "lambda", "critical"};
    return header;
}

std::vector<std::string> PowerCells(const PowerAnswer& a, const NumberFormat& format, const FormatSettings& fs) {
    const auto number = [&](Real v) { return FormatNumber(v, format, fs); };
    return {FixedDigits(a.df, 0), number(a.w),        number(a.alpha),   number(a.power),
            FixedDigits(a.n, 0),  number(a.lambda), number(a.critical)};
}

}  // namespace tarvik
