#include "calc/number_lists.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "calc/command_line_error.h"
#include "core/translation.h"

namespace tarvik {

namespace {

constexpr int kMostRangeDigits = 18;  // every aligned bound fits an int64

// A decimal number as mantissa x 10^exponent, read from the plain forms a
// range bound takes: sign, digits, an optional point, an optional exponent.
struct Decimal {
    std::int64_t mantissa = 0;
    int exponent = 0;
};

std::optional<Decimal> ReadDecimal(const std::string& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::string digits;
    int exponent = 0;
    bool point = false, any = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            any = true;
            if (digits.empty() && c == '0') {
                if (point) --exponent;
                continue;  // leading zeros carry no digit
            }
            digits += c;
            if (point) --exponent;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        if (i == text.size()) return std::nullopt;
        int e = 0;
        for (; i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9' || e > 100000) return std::nullopt;
            e = e * 10 + (text[i] - '0');
        }
        exponent += negativeExponent ? -e : e;
    }
    if (i != text.size()) return std::nullopt;
    // Trailing zeros move into the exponent, so "100" and "1e2" align alike.
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    if (digits.size() > std::size_t(kMostRangeDigits)) return std::nullopt;
    Decimal d;
    for (char c : digits) d.mantissa = d.mantissa * 10 + (c - '0');
    if (negative) d.mantissa = -d.mantissa;
    d.exponent = digits.empty() ? 0 : exponent;
    return d;
}

// `d` scaled to 10^exponent (exponent <= d.exponent), if it fits.
std::optional<std::int64_t> Aligned(const Decimal& d, int exponent) {
    std::int64_t m = d.mantissa;
    for (int e = d.exponent; e > exponent; --e) {
        if (m > INT64_MAX / 10 || m < INT64_MIN / 10) return std::nullopt;
        m *= 10;
    }
    return m;
}

std::string DecimalText(std::int64_t mantissa, int exponent) {
    const bool negative = mantissa < 0;
    std::string digits = std::to_string(negative ? -mantissa : mantissa);
    if (exponent >= 0) {
        if (mantissa != 0) digits.append(std::size_t(exponent), '0');
    } else {
        const std::size_t places = std::size_t(-exponent);
        if (digits.size() <= places) digits.insert(0, places - digits.size() + 1, '0');
        digits.insert(digits.size() - places, ".");
        digits.erase(digits.find_last_not_of('0') + 1);  // "0.50" reads "0.5"
        if (digits.back() == '.') digits.pop_back();
    }
    return negative ? "-" + digits : digits;
}

void ExpandRange(const std::string& item, std::size_t dots, const std::string& option, std::size_t maxItems,
                 std::vector<std::string>& items) {
    const std::string from = item.substr(0, dots);
    std::string to = item.substr(dots + 2), step = "1";
    if (const auto colon = to.find(':'); colon != std::string::npos) {
        step = to.substr(colon + 1);
        to.erase(colon);
    }
    const auto a = ReadDecimal(from), b = ReadDecimal(to), s = ReadDecimal(step);
    if (!a || !b || !s)
        throw CommandLineError{Fill(Tr("Input", "%1 range %2 is not FROM..TO or FROM..TO:STEP with plain decimal numbers"),
                                    {option, Quoted(item)})};
    if (s->mantissa <= 0) throw CommandLineError{Fill(Tr("Input", "%1 range %2 needs a positive step"), {option, Quoted(item)})};
    const int exponent = std::min({a->exponent, b->exponent, s->exponent});
    const auto first = Aligned(*a, exponent), last = Aligned(*b, exponent), stride = Aligned(*s, exponent);
    if (!first || !last || !stride)
        throw CommandLineError{Fill(Tr("Input", "%1 range %2 needs more than 18 digits"), {option, Quoted(item)})};
    if (*last < *first) throw CommandLineError{Fill(Tr("Input", "%1 range %2 runs backwards"), {option, Quoted(item)})};
    // (last - first) cannot overflow: both bounds lie within 10^18.
    const std::uint64_t count = std::uint64_t(*last - *first) / std::uint64_t(*stride) + 1;
    if (count > maxItems - items.size())
        throw CommandLineError{Fill(Tr("Input", "%1 gives more than %2 items"), {option, std::to_string(maxItems)})};
    for (std::uint64_t k = 0; k < count; ++k) items.push_back(DecimalText(*first + std::int64_t(k) * *stride, exponent));
}

}  // namespace

std::string PointDecimal(const std::string& text, const std::string& where, DecimalMark mark) {
    if (mark == DecimalMark::Point || text.find(',') == std::string::npos) return text;
    std::string point = text;
    const std::size_t comma = point.find(',');
    // "1,5" and "1.5" read alike; "1,2,3" and "1,5.2" are no number here,
    // and most likely a list written for a point desktop: said so.
    if (point.find(',', comma + 1) != std::string::npos || point.find('.') != std::string::npos)
        throw CommandLineError{Fill(Tr("Input", "%1 %2: on this desktop a comma is the decimal comma (2,5 or 2.5 for "
                                                 "one number); separate the items of a list with ';', as in 1;2;3"),
                                    {where, Quoted(text)})};
    point[comma] = '.';
    return point;
}

namespace {

// An item with a point for each decimal mark; a range's bounds and step
// each on their own, as "1,5..3,5:0,5" holds three numbers.
std::string PointItem(const std::string& item, const std::string& option, DecimalMark mark) {
    const std::size_t dots = item.find("..");
    if (mark == DecimalMark::Point || dots == std::string::npos) return PointDecimal(item, option, mark);
    std::string to = item.substr(dots + 2), step;
    if (const auto colon = to.find(':'); colon != std::string::npos) {
        step = ":" + PointDecimal(to.substr(colon + 1), option, mark);
        to.erase(colon);
    }
    return PointDecimal(item.substr(0, dots), option, mark) + ".." + PointDecimal(to, option, mark) + step;
}

}  // namespace

std::vector<std::string> ExpandList(const std::string& list, const std::string& option, std::size_t maxItems,
                                    DecimalMark mark) {
    char separator = ';';
    if (mark == DecimalMark::Point) {
        const bool commas = list.find(',') != std::string::npos, semicolons = list.find(';') != std::string::npos;
        if (commas && semicolons)
            throw CommandLineError{Fill(Tr("Input", "%1 %2 separates its items by both ',' and ';': use one of them "
                                                     "(a decimal comma is written as a point here: 2.5)"),
                                        {option, Quoted(list)})};
        if (commas) separator = ',';
    }
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(separator, start);
        const std::string item =
            PointItem(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start), option, mark);
        if (item.find_first_not_of(" \t") == std::string::npos)
            throw CommandLineError{Fill(Tr("Input", "%1 %2 has an empty item"), {option, Quoted(list)})};
        if (const auto dots = item.find(".."); dots != std::string::npos) {
            ExpandRange(item, dots, option, maxItems, items);
        } else {
            if (items.size() >= maxItems)
                throw CommandLineError{Fill(Tr("Input", "%1 gives more than %2 items"), {option, std::to_string(maxItems)})};
            items.push_back(item);
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return items;
}

}  // namespace tarvik
