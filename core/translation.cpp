#include "core/translation.h"

#include <atomic>
#include <vector>

namespace tarvik {

namespace {
std::atomic<TextLookup> installed{nullptr};
}  // namespace

TextLookup SetTextLookup(TextLookup lookup) { return installed.exchange(lookup); }

std::string Tr(const char* context, const char* source) {
    if (const TextLookup lookup = installed.load())
        if (const char* translated = lookup(context, source)) return translated;
    return source;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> args(arguments);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = std::size_t(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

}  // namespace tarvik
