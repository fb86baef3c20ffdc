#include "calc/command_line_error.h"

namespace tarvik {

std::string Quoted(const std::string& argument) {
    constexpr std::size_t kLongest = 60;
    std::string shown;
    std::size_t cut = argument.size();
    if (cut > kLongest) {
        cut = kLongest - 3;
        // Back off to the start of a UTF-8 sequence.
        while (cut > 0 && (static_cast<unsigned char>(argument[cut]) & 0xC0) == 0x80) --cut;
    }
    for (std::size_t i = 0; i < cut; ++i) {
        const unsigned char c = static_cast<unsigned char>(argument[i]);
        shown += (c < 0x20 || c == 0x7F) ? '?' : char(c);
    }
    if (cut < argument.size()) shown += "...";
    return "'" + shown + "'";
}

std::string ShownItem(const std::string& argument) {
    const std::string quoted = Quoted(argument);
    return quoted.substr(1, quoted.size() - 2);
}

}  // namespace tarvik
