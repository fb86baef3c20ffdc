#pragma once
// The translations without Qt: every finished translation of the .ts
// files, compiled into a table at build time (scripts/text_catalog.py),
// for the front ends that have no QTranslator (the browser's page, the
// tests of the layers below Qt). The desktop looks its texts up through Qt
// from the same files; both give the same text for every message.
#include <cstddef>
#include <span>
#include <string_view>

namespace tarvik {

struct CatalogEntry {
    const char* context;
    const char* source;
    const char* translation;
};

struct CatalogLanguage {
    const char* code;  // as the .ts file's name has it: "de", "zh_CN"
    const CatalogEntry* entries;  // sorted by context, then source, as bytes
    std::size_t count;
};

// Every language of the table (the build's text_catalog_data.cpp).
std::span<const CatalogLanguage> CatalogLanguages();

// The translation of source in context, or nullptr where the language has
// none.
const char* LookUpInCatalog(const CatalogLanguage& language, std::string_view context, std::string_view source);

// Installs the catalogue's look-up of `code` for Tr ("" or "en": English).
// False, and nothing changed, where the table has no such language.
bool UseCatalogLanguage(std::string_view code);

}  // namespace tarvik
