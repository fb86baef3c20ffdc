#pragma once
// Lists and ranges of numbers as the command line takes them:
//   "0.1,0.05,0.01"     items separated by commas (or semicolons)
//   "1..100"            a range with step 1
//   "0..10:0.5"         a range with its step
// and any mix ("1..5,10,20..100:10"). A range's items are made as exact
// decimal texts: 0.1 + 2 x 0.1 is "0.3", not a Real's sum, so a probability
// keeps its exact decimal complement and a value reads as typed.
#include <cstddef>
#include <string>

#include "core/translation.h"
#include <vector>

namespace tarvik {

// How the desktop writes a number's decimals. Where it writes a comma
// ("23,5"), a comma in a number is its decimal comma and a list's items are
// apart by semicolons alone; a point is read as the decimal mark there too,
// as the calculator window reads it. Elsewhere commas and semicolons both
// part a list, but never both in one list: "0,5;0,5" is refused there, not
// read as four items.
enum class DecimalMark { Point, Comma };

// The items of `list`, in order, each with a point for its decimal mark.
// `option` names the list in messages. Throws CommandLineError on an empty
// item, a malformed range, a range that runs backwards or whose step is not
// positive, more than `maxItems`, or a comma that could be read two ways.
std::vector<std::string> ExpandList(const std::string& list, const std::string& option, std::size_t maxItems,
                                    DecimalMark mark = DecimalMark::Point);

// One number as the desktop writes it, with a point for its decimal mark;
// a text with two decimal marks is refused naming the decimal comma.
std::string PointDecimal(const std::string& text, const std::string& where, DecimalMark mark);

// An item's name in messages: the option alone for a list of one,
// "--df item 3" in a longer one.
inline std::string ListItemName(const std::string& option, std::size_t index, std::size_t count) {
    return count == 1 ? option : Fill(Tr("Input", "%1 item %2"), {option, std::to_string(index + 1)});
}

}  // namespace tarvik
