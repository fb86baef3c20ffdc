#include "core/translation.h"
#include "calc/table_test.h"

#include <algorithm>
#include <string_view>

#include "calc/command_line_error.h"
#include "core/checked_math.h"
#include "core/decimal_digits.h"
#include "math/distributions.h"

namespace tarvik {

namespace {

// Counts above this would make N O, a product of two of them, leave the
// Real's exact whole numbers (2^64) long before the table is large.
const Real kLargestCount = 1e15_r;

char SeparatorOf(const std::string& text) {
    if (text.find('\t') != std::string::npos) return '\t';
    if (text.find(';') != std::string::npos) return ';';
    return ',';
}

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// One line's cells; a cell in double quotes may hold the separator, and ""
// inside it is one quote (RFC 4180).
std::vector<std::string> CellsOf(const std::string& line, char separator) {
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"' && Trimmed(cell).empty()) {
            cell.clear();
            quoted = true;
        } else if (c == separator) {
            cells.push_back(Trimmed(cell));
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.push_back(Trimmed(cell));
    return cells;
}

bool IsNumber(const std::string& cell, const FormatSettings& fs) {
    Real v = 0;
    return TryTextToRealSaturated(cell, v, fs);
}

// A number in a message: short, as the user would have typed it.
std::string Shown(Real v) { return FormatNumber(v, NumberFormat{NumberStyle::Significant, 12}, FormatSettings{}); }

std::string CellName(std::size_t row, std::size_t column) {
    return Fill(Tr("Table", "row %1, column %2"), {std::to_string(row + 1), std::to_string(column + 1)});
}

// Weights are used only in proportion: decimal texts such as 0.1, 0.25 are
// rationals, and scaled by a common power of ten they are whole numbers,
// which the statistics take exactly (0.1 is no binary number: read as a
// Real, an exact fit would leave a chi-square of 1e-37). Texts with an
// exponent, or more digits than 18 in all, keep their Reals.
std::vector<Real> ExactDecimalWeights(const std::vector<std::string>& texts, const std::vector<Real>& read) {
    struct Decimal {
        std::string digits;
        std::size_t decimals = 0;
    };
    std::vector<Decimal> decimals;
    std::size_t most = 0;
    for (const std::string& text : texts) {
        Decimal d;
        const std::string t = Trimmed(text);
        const auto point = t.find('.');
        const std::string whole = t.substr(0, point), fraction = point == std::string::npos ? "" : t.substr(point + 1);
        for (const std::string& part : {whole, fraction})
            for (const char c : part)
                if (c < '0' || c > '9') return read;
        d.digits = whole + fraction;
        d.decimals = fraction.size();
        d.digits.erase(0, std::min(d.digits.find_first_not_of('0'), d.digits.size()));
        most = std::max(most, d.decimals);
        decimals.push_back(d);
    }
    std::vector<Real> scaled;
    for (const Decimal& d : decimals) {
        if (d.digits.size() + (most - d.decimals) > 18) return read;
        std::int64_t v = 0;
        for (const char c : d.digits) v = v * 10 + (c - '0');
        for (std::size_t k = d.decimals; k < most; ++k) v *= 10;
        scaled.push_back(Real(v));
    }
    return scaled;
}

}  // namespace

Real ReadCountCell(const std::string& cell, std::size_t row, std::size_t column, const FormatSettings& fs) {
    if (cell.empty()) throw TableInputError{Fill(Tr("Table", "%1 is empty"), {CellName(row, column)})};
    Real v = 0;
    if (!TryTextToRealSaturated(cell, v, fs))
        throw TableInputError{Fill(Tr("Table", "%1: %2 is not a count"), {CellName(row, column), Quoted(cell)})};
    if (v < 0) throw TableInputError{Fill(Tr("Table", "%1: %2 is negative; counts are whole numbers from 0"), {CellName(row, column), Quoted(cell)})};
    if (v != Floor(v))
        throw TableInputError{Fill(Tr("Table", "%1: %2 is not a whole number; counts are whole numbers from 0"), {CellName(row, column), Quoted(cell)})};
    if (v > kLargestCount) throw TableInputError{Fill(Tr("Table", "%1: %2 is above 1e15"), {CellName(row, column), Quoted(cell)})};
    return v;
}


CellTexts SplitTable(const std::string& withMark, const FormatSettings& fs) {
    // A spreadsheet's "CSV UTF-8" starts with a byte-order mark: left in,
    // it made the first cell a label and the first column row labels.
    const std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::string text = withMark.rfind(kByteOrderMark, 0) == 0 ? withMark.substr(3) : withMark;
    // UTF-16 ("Unicode text" from a spreadsheet) has a zero byte beside
    // every digit: read as bytes it gave cells no count could be read from.
    if (text.rfind("\xFF\xFE", 0) == 0 || text.rfind("\xFE\xFF", 0) == 0 || text.find('\0') != std::string::npos)
        throw TableInputError{Tr("Table", "the text is UTF-16 or not text at all: save it as CSV UTF-8 or plain text")};
    const char separator = SeparatorOf(text);
    std::vector<std::vector<std::string>> lines;
    std::size_t start = 0, cells = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        // Counted before the line is split: a 50 MB line of "1," is 25
        // million cells, gigabytes once each is a string.
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (Trimmed(line).empty()) continue;
        cells += std::size_t(std::count(line.begin(), line.end(), separator)) + 1;
        if (cells > kMostTableCells)
            throw TableInputError{Fill(Tr("Table", "the table has more than %1 cells"), {std::to_string(kMostTableCells)})};
        lines.push_back(CellsOf(line, separator));
    }
    if (lines.empty()) throw TableInputError{Tr("Table", "the table holds no counts")};

    CellTexts out;
    // Labels are a whole row or column of text: one cell that is no number
    // ('1 000', 'nan', a count behind a stray mark) once turned a row or
    // column of counts into labels without a word; now it is named as a
    // cell that is not a count. An empty header cell is a missing label, an
    // empty count a missing count.
    const auto isLabel = [&fs](const std::string& cell) { return !cell.empty() && !IsNumber(cell, fs); };
    bool header = false, headerNumbers = false;
    for (std::size_t j = 1; j < lines.front().size(); ++j) {
        header = header || isLabel(lines.front()[j]);
        headerNumbers = headerNumbers || IsNumber(lines.front()[j], fs);
    }
    header = header && !headerNumbers;
    bool labels = lines.size() > (header ? 1u : 0u);
    for (std::size_t i = header ? 1 : 0; i < lines.size(); ++i) labels = labels && isLabel(lines[i][0]);
    // A header over the row labels has a cell above them too (often empty),
    // or leaves it out, as a spreadsheet copy of R's tables does.
    if (header) {
        const bool corner = labels && lines.size() > 1 && lines.front().size() == lines[1].size();
        out.columnLabels.assign(lines.front().begin() + (corner ? 1 : 0), lines.front().end());
        lines.erase(lines.begin());
    }
    if (lines.empty()) throw TableInputError{Tr("Table", "the table holds no counts, only its header")};
    const std::size_t offset = labels ? 1 : 0;
    const std::size_t width = lines.front().size() - offset;
    if (width == 0) throw TableInputError{Tr("Table", "row 1 holds no counts")};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string>& cells = lines[i];
        if (cells.size() < offset || cells.size() - offset != width)
            throw TableInputError{Fill(Tr("Table", "row %1 has %2 counts where row 1 has %3"),
                                       {std::to_string(i + 1), std::to_string(cells.size() - offset), std::to_string(width)})};
        if (labels) out.rowLabels.push_back(cells[0]);
        out.cells.emplace_back(cells.begin() + std::ptrdiff_t(offset), cells.end());
    }
    if (!out.columnLabels.empty() && out.columnLabels.size() != width)
        throw TableInputError{Fill(Tr("Table", "the header has %1 labels for %2 columns of counts"),
                                   {std::to_string(out.columnLabels.size()), std::to_string(width)})};
    return out;
}

std::string LabelsNote(const std::vector<std::string>& rowLabels, const std::vector<std::string>& columnLabels) {
    const bool rows = !rowLabels.empty(), columns = !columnLabels.empty();
    if (rows && columns) return Tr("Table", "the first row and column were read as labels");
    if (columns) return Tr("Table", "the first row was read as column labels");
    if (rows) return Tr("Table", "the first column was read as row labels");
    return {};
}

CountsInput ReadCounts(const std::string& text) {
    const CellTexts split = SplitTable(text);
    CountsInput in{{}, split.rowLabels, split.columnLabels};
    for (std::size_t i = 0; i < split.cells.size(); ++i) {
        std::vector<Real> row;
        for (std::size_t j = 0; j < split.cells[i].size(); ++j) row.push_back(ReadCountCell(split.cells[i][j], i, j));
        in.counts.push_back(row);
    }
    return in;
}

std::vector<std::string> RatioItems(const std::vector<std::string>& items) {
    if (items.size() != 1 || items[0].find(':') == std::string::npos) return items;
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t colon = items[0].find(':', start);
        parts.push_back(items[0].substr(start, colon == std::string::npos ? std::string::npos : colon - start));
        if (colon == std::string::npos) return parts;
        start = colon + 1;
    }
}

namespace {
const Real kLargestExpectedItem = 1e15_r, kSmallestExpectedItem = 1e-300_r;
}  // namespace

std::vector<Real> ReadExpectedWeights(const std::vector<std::string>& texts, const CountTable& counts, std::string* note,
                                      std::string* reading) {
    if (counts.size() > 1 && counts.front().size() > 1)
        throw TableInputError{Tr("Table", "expected proportions go with one row (or one column) of counts")};
    const std::vector<Real> observed = CellsInOrder(counts);
    if (texts.size() != observed.size())
        throw TableInputError{Fill(Tr("Table", "give %1 expected proportions or counts, one per count, not %2"),
                                   {std::to_string(observed.size()), std::to_string(texts.size())})};
    std::vector<Real> weights;
    Real sum = 0, total = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        Real v = 0;
        const std::string number = std::to_string(i + 1), item = Quoted(texts[i]);
        if (!TryTextToRealSaturated(texts[i], v, FormatSettings{}))
            throw TableInputError{Fill(Tr("Table", "expected item %1 %2 is not a number"), {number, item})};
        if (!(v >= 0) || !IsFinite(v)) throw TableInputError{Fill(Tr("Table", "expected item %1 %2 is negative"), {number, item})};
        // Within the counts' own range, and far from the Real's ends: ratios
        // of 1e73005 or 1e-4900 would overflow the statistic.
        if (v > kLargestExpectedItem || (v > 0 && v < kSmallestExpectedItem))
            throw TableInputError{Fill(Tr("Table", "expected item %1 %2 is out of range: 0, or from 1e-300 to 1e15"), {number, item})};
        if (v == 0 && observed[i] > 0)
            throw TableInputError{Fill(Tr("Table", "expected item %1 %2 is 0 where %3 were observed: no test can take that"),
                                       {number, item, Shown(observed[i])})};
        weights.push_back(v);
        sum += v;
        total += observed[i];
    }
    const auto near = [](Real a, Real b) { return Abs(a - b) <= 1e-9_r * b; };
    // Weights are relative: any that add up to neither are ratios, and the
    // fit rescales them. Said, since proportions that miss 1 are often a
    // slip of the keyboard.
    if (!near(sum, 1) && !near(sum, total)) {
        const std::string rescaled =
            Fill(Tr("Table", "the expected items add up to %1, neither 1 nor the total %2: read as ratios and rescaled to the total"),
                 {Shown(sum), Shown(total)});
        if (note) *note = rescaled;
        if (reading) *reading = rescaled;
        // As proportions: the fit's sums then stay as small as a proportion's.
        for (Real& w : weights) w /= sum;
        return weights;
    }
    if (reading)
        *reading = near(sum, 1) ? Tr("Table", "the expected items add up to 1: read as proportions")
                                : Fill(Tr("Table", "the expected items add up to the total %1: read as expected counts"), {Shown(total)});
    return ExactDecimalWeights(texts, weights);
}

TableTestResult TestTable(const CountTable& counts, const std::vector<Real>& weights, int estimated) {
    TableTestResult r;
    if (counts.empty() || counts.front().empty()) throw TableInputError{Tr("Table", "the table holds no counts")};
    const bool oneRow = counts.size() == 1, oneColumn = counts.front().size() == 1;
    if (oneRow || oneColumn || !weights.empty()) {
        if (!oneRow && !oneColumn)
            throw TableInputError{Tr("Table", "expected proportions go with one row (or one column) of counts")};
        const std::vector<Real> observed = CellsInOrder(counts);
        if (observed.size() < 2)
            throw TableInputError{Tr("Table", "a table needs 2 rows and 2 columns, or one row of 2 counts or more to fit")};
        Real total = 0;
        for (const Real& o : observed) total += o;
        if (!(total > 0)) throw TableInputError{Tr("Table", "the counts add up to 0")};
        const std::vector<Real> w = weights.empty() ? std::vector<Real>(observed.size(), 1) : weights;
        r.goodnessOfFit = true;
        r.chiSquare = PearsonGoodnessOfFit(observed, w);
        r.likelihoodRatio = LikelihoodRatioGoodnessOfFit(observed, w);
        // The categories expected at all: one expected 0 (and so seen 0,
        // as the expected items are read) is no category of the test.
        const std::size_t categories = std::size_t(std::count_if(w.begin(), w.end(), [](const Real& e) { return e > 0; }));
        if (categories < 2)
            throw TableInputError{Tr("Table", "the expected items leave fewer than 2 categories above 0: nothing to test")};
        r.df = Real(categories - 1);
        // V over the categories' k - 1, whatever was estimated.
        r.cramersV = checked::Sqrt(checked::Div(r.chiSquare, total * r.df));
        if (Real(estimated) >= r.df)
            throw TableInputError{Fill(Tr("Table", "%1 categories with %2 parameters estimated leave no degree of freedom (df = k - 1 - estimated): estimate at most %3"),
                                       {std::to_string(categories), std::to_string(estimated), std::to_string(categories - 2)})};
        r.df -= Real(estimated);
    } else {
        if (estimated > 0)
            throw TableInputError{Tr("Table", "parameters estimated go with one row (or one column) of counts to fit")};
        const TableMargins m = MarginsOf(counts);
        for (std::size_t i = 0; i < m.rows.size(); ++i)
            if (!(m.rows[i] > 0))
                throw TableInputError{Fill(Tr("Table", "row %1 adds up to 0: its expected counts would be 0"), {std::to_string(i + 1)})};
        for (std::size_t j = 0; j < m.columns.size(); ++j)
            if (!(m.columns[j] > 0))
                throw TableInputError{Fill(Tr("Table", "column %1 adds up to 0: its expected counts would be 0"), {std::to_string(j + 1)})};
        r.chiSquare = PearsonChiSquare(counts);
        r.likelihoodRatio = LikelihoodRatioChiSquare(counts);
        r.df = IndependenceDf(counts);
        r.cramersV = CramersV(r.chiSquare, m.total, m.rows.size(), m.columns.size());
        r.twoByTwo = m.rows.size() == 2 && m.columns.size() == 2;
        if (r.twoByTwo) {
            r.yatesChiSquare = YatesChiSquare(counts);
            r.pYates = ChiSquareUpperTail(r.df, r.yatesChiSquare);
        }
    }
    r.p = ChiSquareUpperTail(r.df, r.chiSquare);
    r.pLikelihoodRatio = ChiSquareUpperTail(r.df, r.likelihoodRatio);
    return r;
}

}  // namespace tarvik
