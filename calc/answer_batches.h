#pragma once
// Long answers a batch at a time: the results lines of a long list or of
// standard input are computed and written in parts, in order, so that a
// million lines never stand in memory at once, and the parts can be
// computed side by side.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <string>

#include "calc/command_request.h"

namespace tarvik {

// The longest line of standard input, in bytes: a number written out in
// full, 1e-300 with all its zeros, is about 300; a line past this one is
// refused as soon as it is read, so an endless line is never held.
inline constexpr std::size_t kLongestInputLine = 4096;

// Whether `request` is answered by records, one line per result, that
// can be written in parts: results (central or noncentral) and two-sided
// critical values.
bool AnswersInBatches(const CommandRequest& request);

// The groups the answer's lines fall in, in order: one per df, and per
// noncentrality within it. Each group runs over every number given.
std::size_t BatchGroups(const CommandRequest& request);

// The records of group `group` for `numbers`: a part of the answer, its
// header that of the whole.
TextTable BatchTable(const CommandRequest& request, std::size_t group, std::span<const GivenNumber> numbers);

// The lines of standard input, each read as it comes: blank lines skipped,
// a line past kLongestInputLine refused without holding it, the count of
// numbers checked against the results allowed as each one is read.
class GivenLines {
public:
    GivenLines(const CommandRequest& request, std::istream& in);
    // The next number, or false at the end of the input. Throws
    // CommandLineError naming the line.
    bool Next(GivenNumber& number);
    std::size_t Count() const { return count_; }

private:
    bool NextLine(std::string& line);
    const CommandRequest& request_;
    std::istream& in_;
    std::string buffer_;
    std::size_t start_ = 0, line_ = 0, count_ = 0, most_ = 0;
    bool ended_ = false;
};

// Reads every number of `input` into `request`, as GivenLines does.
void ReadGivenLines(CommandRequest& request, const std::string& input);

}  // namespace tarvik
