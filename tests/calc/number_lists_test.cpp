// Lists and ranges of the command line: items in order, ranges as exact
// decimal texts, and each malformed list refused with its reason.
#include "calc/number_lists.h"

#include <gtest/gtest.h>

#include "calc/command_line_error.h"

namespace tarvik {
namespace {

using Items = std::vector<std::string>;

TEST(NumberLists, ItemsAndRanges) {
    struct Case {
        const char* list;
        Items items;
        const char* why;
    } cases[] = {
        {"0.05", {"0.05"}, "one item, as typed"},
        {"0.10,0.05,0.025", {"0.10", "0.05", "0.025"}, "a list keeps each text"},
        {"1..5", {"1", "2", "3", "4", "5"}, "a range steps by 1"},
        {"0..1:0.25", {"0", "0.25", "0.5", "0.75", "1"}, "a step with decimals, in their shortest form"},
        {"0.1..0.3:0.1", {"0.1", "0.2", "0.3"}, "exact decimals: 0.3, not 0.30000000000000004"},
        {"0.01..0.05:0.02", {"0.01", "0.03", "0.05"}, "the last item lands on the end"},
        {"1..2:0.4", {"1", "1.4", "1.8"}, "an end between steps is not passed"},
        {"1e-3..3e-3:1e-3", {"0.001", "0.002", "0.003"}, "exponents align"},
        {"100..300:1e2", {"100", "200", "300"}, "a step in an exponent"},
        {"3..3", {"3"}, "an empty span is one item"},
        {"1..3,10,20..40:10", {"1", "2", "3", "10", "20", "30", "40"}, "lists mix ranges and items"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExpandList(c.list, "--x", 1000), c.items) << c.why;
}

TEST(NumberLists, MalformedListsAreRefused) {
    struct Case {
        const char* list;
        std::size_t most;
        const char* message;
    } cases[] = {
        {"10..1", 1000, "--x range '10..1' runs backwards"},
        {"0..1:0", 1000, "--x range '0..1:0' needs a positive step"},
        {"0..1:-0.5", 1000, "--x range '0..1:-0.5' needs a positive step"},
        {"1,,2", 1000, "--x '1,,2' has an empty item"},
        {"1,", 1000, "--x '1,' has an empty item"},
        {"", 1000, "--x '' has an empty item"},
        {"1..x", 1000, "--x range '1..x' is not FROM..TO or FROM..TO:STEP with plain decimal numbers"},
        {"1..2:", 1000, "--x range '1..2:' is not FROM..TO"},
        {"0..1e30", 1000000, "--x range '0..1e30' needs more than 18 digits"},
        {"1..2000", 1000, "--x gives more than 1000 items"},
        {"1..600,1..600", 1000, "--x gives more than 1000 items"},
    };
    for (const auto& c : cases) {
        try {
            ExpandList(c.list, "--x", c.most);
            ADD_FAILURE() << c.list << " was taken";
        } catch (const CommandLineError& e) {
            EXPECT_EQ(e.message.rfind(c.message, 0), 0u) << e.message;
        }
    }
}

// A comma desktop writes 23,5: there a comma is the decimal comma and a
// list takes semicolons; a point desktop takes either separator, never both.
TEST(NumberLists, TheDesktopsDecimalMark) {
    struct Case {
        DecimalMark mark;
        const char* list;
        Items items;  // empty: refused with `message`
        const char* message;
    } cases[] = {
        {DecimalMark::Comma, "23,5", {"23.5"}, "one number, not 23 and 5"},
        {DecimalMark::Comma, "23,5;7,8", {"23.5", "7.8"}, "semicolons part the list"},
        {DecimalMark::Comma, "2.5;3", {"2.5", "3"}, "a point reads as the decimal mark too"},
        {DecimalMark::Comma, "0,5..1,5:0,5", {"0.5", "1", "1.5"}, "a range's bounds and step"},
        {DecimalMark::Comma, "1,2,3", {}, "--x '1,2,3': on this desktop a comma is the decimal comma"},
        {DecimalMark::Comma, "1,5.2", {}, "--x '1,5.2': on this desktop a comma is the decimal comma"},
        {DecimalMark::Point, "1;2", {"1", "2"}, "semicolons part a list anywhere"},
        {DecimalMark::Point, "23,5", {"23", "5"}, "a point desktop's comma parts a list, as always"},
        {DecimalMark::Point, "0,5;0,5", {}, "--x '0,5;0,5' separates its items by both ',' and ';'"},
    };
    for (const auto& c : cases) {
        if (!c.items.empty()) {
            EXPECT_EQ(ExpandList(c.list, "--x", 1000, c.mark), c.items) << c.message;
            continue;
        }
        try {
            ExpandList(c.list, "--x", 1000, c.mark);
            ADD_FAILURE() << c.list << " was taken";
        } catch (const CommandLineError& e) {
            EXPECT_EQ(e.message.rfind(c.message, 0), 0u) << e.message;
        }
    }
}

// An argument is quoted in a message, at most about 60 characters of it.
TEST(NumberLists, QuotedArgumentsStayShort) {
    EXPECT_EQ(Quoted("0.05"), "'0.05'");
    EXPECT_EQ(Quoted(std::string(130000, 'a')), "'" + std::string(57, 'a') + "...'");
    // A cut never splits a UTF-8 sequence: 56 ASCII then a two-byte letter
    // across the cut.
    const std::string text = std::string(56, 'a') + "\xc3\xa4" + std::string(10, 'b');
    EXPECT_EQ(Quoted(text), "'" + std::string(56, 'a') + "...'");
    EXPECT_EQ(Quoted("a\nb\x1b"), "'a?b?'");  // no control byte reaches a terminal
}

}  // namespace
}  // namespace tarvik
