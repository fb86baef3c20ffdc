#pragma once
// Texts for the page as JSON, written by hand: the module answers in a few
// small objects and needs no library for them.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// A JSON string: quotes, backslashes and control characters escaped; the
// UTF-8 bytes of anything else as they are.
inline std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(static_cast<unsigned char>(c)));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

inline std::string JsonList(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + JsonString(items[i]);
    return out + "]";
}

inline std::string JsonStringOrNull(const std::optional<std::string>& text) { return text ? JsonString(*text) : "null"; }

}  // namespace tarvik
