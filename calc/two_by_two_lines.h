#pragma once
// The 2 x 2 measures as the window's lines and the command line's keys.
// An end at infinity reads "inf" (the command line) or "∞" (the window); a
// measure the table gives none of is left out of the record and said in
// the window.
#include <string>
#include <vector>

#include "calc/fisher_test.h"
#include "calc/table_report.h"
#include "calc/text_table.h"

namespace tarvik {

// The odds ratio, risk ratio and risk difference with their intervals,
// under a line that says how the table is read: which column is the event
// and which row is set against which, by their labels (or numbers).
std::vector<std::string> TwoByTwoLines(const TableReport& report, const NumberFormat& format, const FormatSettings& fs,
                                       const std::vector<std::string>& rowLabels = {},
                                       const std::vector<std::string>& columnLabels = {});

// The exact count's own 2 x 2 lines: the conditional odds ratio with its
// exact interval, and the one-sided p-values and the mid-p.
std::vector<std::string> ExactTwoByTwoLines(const FisherOutcome& outcome, const NumberFormat& format,
                                            const FormatSettings& fs);

// The keys OR, RR, RD (each with _low and _high) from the report, and
// OR_mle (with its ends), fisher_p_less, fisher_p_greater and fisher_mid_p
// from an exact count, added to a record.
void AddTwoByTwoRecord(TextTable& record, const TableReport& report, const FisherOutcome* fisher,
                       const NumberFormat& format);

}  // namespace tarvik
