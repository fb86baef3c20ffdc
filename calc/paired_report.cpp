#include "calc/paired_report.h"

#include "calc/table_report.h"
#include "calc/table_test.h"
#include "core/decimal_digits.h"
#include "core/translation.h"
#include "math/paired_table.h"

namespace tarvik {

namespace {

void RefuseUnlessSquare(const CountTable& counts) {
    if (counts.size() < 2 || counts.size() != counts.front().size())
        throw TableInputError{Fill(Tr("Table", "a paired table is square, the same categories twice (k x k); this one is %1 x %2"),
                                   {std::to_string(counts.size()), std::to_string(counts.front().size())})};
}

}  // namespace

TextTable PairedRecord(const CountTable& counts, const NumberFormat& format) {
    RefuseUnlessSquare(counts);
    const auto n = [&](Real v) { return FormatNumber(v, format, FormatSettings{}); };
    TextTable t{TextTable::Kind::Records, "", {}, {{}}};
    const auto add = [&t](const std::string& key, std::string value) {
        t.header.push_back(key);
        t.rows[0].push_back(std::move(value));
    };
    if (counts.size() > 2) {
        const BowkerResult b = BowkerTest(counts);
        if (!b.defined) throw TableInputError{Tr("Table", "every pair of cells off the diagonal is empty: nothing to test")};
        add("bowker_chi2", n(b.chiSquare));
        add("bowker_df", std::to_string(b.df));
        add("bowker_p", n(b.p));
        return t;
    }
    const McNemarResult m = McNemarTest(counts[0][1], counts[1][0]);
    if (!m.defined) throw TableInputError{Tr("Table", "no pair changed its category (both discordant cells are 0): nothing to test")};
    add("b", FormatFixed(m.b, 0));
    add("c", FormatFixed(m.c, 0));
    add("mcnemar_chi2", n(m.chiSquare));
    add("mcnemar_p", n(m.p));
    add("mcnemar_cc_chi2", n(m.correctedChiSquare));
    add("mcnemar_cc_p", n(m.correctedP));
    add("mcnemar_exact_p", n(m.exactP));
    add("mcnemar_mid_p", n(m.midP));
    add("paired_OR", m.oddsRatio.estimateInfinite ? "inf" : n(m.oddsRatio.estimate));
    add("paired_OR_low", n(m.oddsRatio.lower));
    add("paired_OR_high", m.oddsRatio.upperInfinite ? "inf" : n(m.oddsRatio.upper));
    return t;
}

std::vector<std::string> PairedLines(const CountTable& counts, const std::vector<std::string>& rowLabels,
                                     const std::vector<std::string>& columnLabels, const NumberFormat& format,
                                     const FormatSettings& fs) {
    RefuseUnlessSquare(counts);
    const auto n = [&](Real v) { return FormatNumber(v, format, fs); };
    const auto p = [&](Real v) { return PValueText(v, format, fs); };
    if (counts.size() > 2) {
        const BowkerResult b = BowkerTest(counts);
        if (!b.defined) throw TableInputError{Tr("Table", "every pair of cells off the diagonal is empty: nothing to test")};
        return {Fill(Tr("Report", "Bowker's test of symmetry: \u03c7\u00b2 = %1, df = %2, p = %3"),
                     {n(b.chiSquare), std::to_string(b.df), p(b.p)})};
    }
    const McNemarResult m = McNemarTest(counts[0][1], counts[1][0]);
    if (!m.defined) throw TableInputError{Tr("Table", "no pair changed its category (both discordant cells are 0): nothing to test")};
    // The cells the test rests on, by their labels: a table entered with
    // its levels the other way round reads so here.
    const std::string b = LabelOf(rowLabels, 0) + " \u2192 " + LabelOf(columnLabels, 1);
    const std::string c = LabelOf(rowLabels, 1) + " \u2192 " + LabelOf(columnLabels, 0);
    return {
        Fill(Tr("Report", "Discordant pairs: %1 %2, %3 %4"), {FormatFixed(m.b, 0), b, FormatFixed(m.c, 0), c}),
        Fill(Tr("Report", "McNemar \u03c7\u00b2 = %1, df = 1, p = %2; with the continuity correction %3, p = %4"),
             {n(m.chiSquare), p(m.p), n(m.correctedChiSquare), p(m.correctedP)}),
        Fill(Tr("Report", "Exact (binomial) p = %1, mid-p = %2"), {p(m.exactP), p(m.midP)}),
        Fill(Tr("Report", "%1 = %2, 95 % CI %3 to %4 (%5)"),
             {Tr("Report", "Paired odds ratio b/c"), m.oddsRatio.estimateInfinite ? "\u221e" : n(m.oddsRatio.estimate),
              n(m.oddsRatio.lower), m.oddsRatio.upperInfinite ? "\u221e" : n(m.oddsRatio.upper), "exact"}),
    };
}

}  // namespace tarvik
