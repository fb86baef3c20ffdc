#pragma once
// The program's translations, compiled by lrelease from
// resources/translations/tarvik_<code>.ts and embedded at build time: the
// program finds its words without any file beside it.
#include <cstddef>
#include <string_view>

namespace tarvik {

struct EmbeddedTranslation {
    std::string_view code;  // "de", "zh_CN"
    const unsigned char* data;
    std::size_t size;
};

// One per language, in the order of the build's language list.
const EmbeddedTranslation* EmbeddedTranslations(std::size_t& count);

}  // namespace tarvik
