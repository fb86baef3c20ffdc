#include "calc/answer_batches.h"

#include <sstream>

#include "calc/command_line_error.h"
#include "core/translation.h"

namespace tarvik {

bool AnswersInBatches(const CommandRequest& r) {
    return r.action == CommandAction::Results || r.action == CommandAction::TwoSided;
}

std::size_t BatchGroups(const CommandRequest& r) { return r.dfs.size() * (r.ncps.empty() ? 1 : r.ncps.size()); }

TextTable BatchTable(const CommandRequest& r, std::size_t group, std::span<const GivenNumber> numbers) {
    const std::size_t perDf = r.ncps.empty() ? 1 : r.ncps.size();
    const std::vector<std::int32_t> df{r.dfs[group / perDf]};
    if (r.action == CommandAction::TwoSided) return TwoSidedTable(df, numbers, r.format);
    if (r.ncps.empty()) return ResultsTable(df, r.given, numbers, r.format);
    return NoncentralResultsTable(df, {r.ncps[group % perDf]}, r.given, numbers, r.format);
}

GivenLines::GivenLines(const CommandRequest& request, std::istream& in)
    : request_(request), in_(in), most_(kMostResults / std::max<std::size_t>(BatchGroups(request), 1)) {}

// Lines are cut from 64 KiB blocks: a byte at a time through the stream
// costs more than the numbers' reading.
bool GivenLines::NextLine(std::string& line) {
    for (;;) {
        const std::size_t end = buffer_.find('\n', start_);
        if (end != std::string::npos || (ended_ && start_ < buffer_.size())) {
            const std::size_t stop = end == std::string::npos ? buffer_.size() : end;
            if (stop - start_ > kLongestInputLine) break;
            line.assign(buffer_, start_, stop - start_);
            start_ = stop + 1;
            ++line_;
            return true;
        }
        if (ended_) return false;
        if (buffer_.size() - start_ > kLongestInputLine) break;
        buffer_.erase(0, start_);
        start_ = 0;
        char block[1 << 16];
        in_.read(block, sizeof block);
        buffer_.append(block, std::size_t(in_.gcount()));
        ended_ = in_.gcount() == 0;
    }
    throw CommandLineError{Fill(Tr("CommandLine", "standard input line %1 is longer than %2 bytes"),
                                {std::to_string(line_ + 1), std::to_string(kLongestInputLine)})};
}

bool GivenLines::Next(GivenNumber& number) {
    std::string text;
    while (NextLine(text)) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string::npos) continue;
        text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
        if (count_ >= most_) {
            if (most_ == kMostResults)
                throw CommandLineError{Fill(Tr("CommandLine", "standard input gives more than %1 numbers"), {std::to_string(kMostResults)})};
            throw CommandLineError{Fill(Tr("CommandLine", "asks for more than %1 results in one run"), {std::to_string(kMostResults)})};
        }
        const std::string where = Fill(Tr("CommandLine", "standard input line %1"), {std::to_string(line_)});
        number = ReadGiven(request_.given, PointDecimal(text, where, request_.mark), where, CommandLineLimits());
        ++count_;
        return true;
    }
    if (count_ == 0)
        throw CommandLineError{Fill(Tr("CommandLine", "standard input gives no number for %1"), {request_.givenOption})};
    return false;
}

void ReadGivenLines(CommandRequest& request, const std::string& input) {
    std::istringstream in(input);
    GivenLines lines(request, in);
    GivenNumber number;
    while (lines.Next(number)) request.numbers.push_back(number);
}

}  // namespace tarvik
