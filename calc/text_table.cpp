#include "calc/text_table.h"

#include <algorithm>

namespace tarvik {

namespace {

constexpr const char* kFormNames[] = {"text", "csv", "tsv", "markdown"};

// RFC 4180: a field holding a separator, a quote or a line break is quoted,
// its quotes doubled.
std::string CsvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// A tab or line break inside a cell would split it; none of ours has one,
// but a title or header must never shift the columns.
std::string TsvField(std::string field) {
    std::replace_if(field.begin(), field.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return field;
}

std::string MarkdownField(const std::string& field) {
    std::string escaped;
    for (char c : field) {
        if (c == '|') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

template <class Field>
std::string Joined(const std::vector<std::string>& cells, const std::string& separator, Field field) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? separator : "") + field(cells[i]);
    return line;
}

std::string DelimitedRows(const TextTable& t, const std::string& separator, std::string (*field)(const std::string&)) {
    std::string out;
    for (const auto& row : t.rows) out += Joined(row, separator, field) + "\n";
    return out;
}

std::string TsvCell(const std::string& s) { return TsvField(s); }

std::string MarkdownHeader(const TextTable& t) {
    std::string out = "| " + Joined(t.header, " | ", MarkdownField) + " |\n|";
    for (std::size_t i = 0; i < t.header.size(); ++i) out += "---:|";
    return out + "\n";
}

std::string MarkdownRows(const TextTable& t) {
    std::string out;
    for (const auto& row : t.rows) out += "| " + Joined(row, " | ", MarkdownField) + " |\n";
    return out;
}

// The width a terminal gives a cell: UTF-8 continuation bytes take none.
std::size_t Width(const std::string& s) {
    return std::size_t(std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Aligned(const TextTable& t) {
    std::vector<std::size_t> widths(t.header.size(), 0);
    const auto measure = [&](const std::vector<std::string>& row) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) widths[i] = std::max(widths[i], Width(row[i]));
    };
    measure(t.header);
    for (const auto& row : t.rows) measure(row);
    const auto line = [&](const std::vector<std::string>& row) {
        std::string s;
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
            s += std::string(i ? 2 : 0, ' ') + std::string(widths[i] - Width(row[i]), ' ') + row[i];
        return s + "\n";
    };
    std::string out = t.title.empty() ? "" : t.title + "\n";
    out += line(t.header);
    for (const auto& row : t.rows) out += line(row);
    return out;
}

std::string Records(const TextTable& t) {
    std::string out;
    for (const auto& row : t.rows) {
        for (std::size_t i = 0; i < row.size() && i < t.header.size(); ++i)
            out += (i ? "  " : "") + t.header[i] + "=" + row[i];
        out += "\n";
    }
    return out;
}

}  // namespace

const char* TableFormName(TableForm form) { return kFormNames[int(form)]; }

bool TableFormOfName(const std::string& name, TableForm& form) {
    for (int i = 0; i < 4; ++i)
        if (name == kFormNames[i]) {
            form = TableForm(i);
            return true;
        }
    return false;
}

std::string RenderTable(const TextTable& table, TableForm form) {
    if (form == TableForm::Text && table.kind == TextTable::Kind::Grid) return Aligned(table);
    return RenderHeader(table, form) + RenderRows(table, form);
}

std::string RenderHeader(const TextTable& table, TableForm form) {
    switch (form) {
        case TableForm::Csv: return Joined(table.header, ",", CsvField) + "\n";
        case TableForm::Tsv: return Joined(table.header, "\t", TsvCell) + "\n";
        case TableForm::Markdown: return MarkdownHeader(table);
        case TableForm::Text: break;
    }
    return "";
}

std::string RenderRows(const TextTable& table, TableForm form) {
    switch (form) {
        case TableForm::Csv: return DelimitedRows(table, ",", CsvField);
        case TableForm::Tsv: return DelimitedRows(table, "\t", TsvCell);
        case TableForm::Markdown: return MarkdownRows(table);
        case TableForm::Text: break;
    }
    return Records(table);
}

}  // namespace tarvik
