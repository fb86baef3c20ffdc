#pragma once
// A table of the same subjects classified twice, as the command line's
// record (--paired) and the window's lines: McNemar's test for 2 x 2,
// naming the discordant cells it rests on, Bowker's for k x k.
#include <string>
#include <vector>

#include "calc/text_table.h"
#include "core/format_settings.h"
#include "core/number_text.h"
#include "math/contingency_table.h"

namespace tarvik {

// Throws TableInputError for a table that is not square.
TextTable PairedRecord(const CountTable& counts, const NumberFormat& format);
std::vector<std::string> PairedLines(const CountTable& counts, const std::vector<std::string>& rowLabels,
                                     const std::vector<std::string>& columnLabels, const NumberFormat& format,
                                     const FormatSettings& fs);

}  // namespace tarvik
