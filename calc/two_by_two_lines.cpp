#include "calc/two_by_two_lines.h"

#include "core/translation.h"

namespace tarvik {

namespace {

struct Texts {
    std::string estimate, lower, upper;
};

Texts TextsOf(const EstimateInterval& m, const NumberFormat& format, const FormatSettings& fs, const char* infinity) {
    const auto n = [&](Real v) { return FormatNumber(v, format, fs); };
    return {m.estimateInfinite ? infinity : n(m.estimate), n(m.lower), m.upperInfinite ? infinity : n(m.upper)};
}

std::string Line(const char* name, const char* method, const EstimateInterval& m, const NumberFormat& format,
                 const FormatSettings& fs) {
    if (!m.defined)
        return Fill(Tr("Report", "%1: not defined for this table (%2: a zero cell or an empty group)"), {Tr("Report", name), method});
    const Texts t = TextsOf(m, format, fs, "\u221e");
    return Fill(Tr("Report", "%1 = %2, 95 % CI %3 to %4 (%5)"), {Tr("Report", name), t.estimate, t.lower, t.upper, method});
}

void AddKeys(TextTable& record, const std::string& key, const EstimateInterval& m, const NumberFormat& format) {
    if (!m.defined) return;
    const Texts t = TextsOf(m, format, FormatSettings{}, "inf");
    for (const auto& [suffix, text] : {std::pair{"", t.estimate}, std::pair{"_low", t.lower}, std::pair{"_high", t.upper}}) {
        record.header.push_back(key + suffix);
        record.rows[0].push_back(text);
    }
}

}  // namespace

std::vector<std::string> TwoByTwoLines(const TableReport& r, const NumberFormat& format, const FormatSettings& fs,
                                       const std::vector<std::string>& rowLabels,
                                       const std::vector<std::string>& columnLabels) {
    if (!r.twoByTwo) return {};
    const auto named = [](const std::vector<std::string>& labels, std::size_t i, const char* numbered) {
        return i < labels.size() && !labels[i].empty() ? labels[i] : Fill(Tr("Report", numbered), {std::to_string(i + 1)});
    };
    return {Fill(Tr("Report", "Read with %1 as the event (the first column), %2 against %3 (the rows)"),
                 {named(columnLabels, 0, TrLater("Report", "column %1")), named(rowLabels, 0, TrLater("Report", "row %1")),
                  named(rowLabels, 1, TrLater("Report", "row %1"))}),
            Line(TrLater("Report", "Odds ratio"), "Woolf", r.oddsRatio, format, fs),
            Line(TrLater("Report", "Risk ratio"), "Katz", r.riskRatio, format, fs),
            Line(TrLater("Report", "Risk difference"), "Newcombe", r.riskDifference, format, fs)};
}

std::vector<std::string> ExactTwoByTwoLines(const FisherOutcome& o, const NumberFormat& format, const FormatSettings& fs) {
    if (!o.twoByTwo || o.kind != FisherOutcome::Kind::Exact) return {};
    std::vector<std::string> lines;
    if (o.conditionalOddsRatio.defined)
        lines.push_back(Line(TrLater("Report", "Conditional odds ratio"), "exact", o.conditionalOddsRatio, format, fs));
    const auto p = [&](Real v) { return PValueText(v, format, fs); };
    lines.push_back(Fill(Tr("Report", "One-sided p = %1 (odds ratio below 1), %2 (above 1); mid-p = %3"),
                         {p(o.oneSided.less), p(o.oneSided.greater), p(o.oneSided.midP)}));
    return lines;
}

void AddTwoByTwoRecord(TextTable& record, const TableReport& r, const FisherOutcome* fisher, const NumberFormat& format) {
    if (!r.twoByTwo) return;
    AddKeys(record, "OR", r.oddsRatio, format);
    if (fisher && fisher->twoByTwo && fisher->kind == FisherOutcome::Kind::Exact) {
        AddKeys(record, "OR_mle", fisher->conditionalOddsRatio, format);
        const auto n = [&](Real v) { return FormatNumber(v, format, FormatSettings{}); };
        for (const auto& [key, value] : {std::pair{"fisher_p_less", fisher->oneSided.less},
                                         std::pair{"fisher_p_greater", fisher->oneSided.greater},
                                         std::pair{"fisher_mid_p", fisher->oneSided.midP}}) {
            record.header.push_back(key);
            record.rows[0].push_back(n(value));
        }
    }
    AddKeys(record, "RR", r.riskRatio, format);
    AddKeys(record, "RD", r.riskDifference, format);
}

}  // namespace tarvik
