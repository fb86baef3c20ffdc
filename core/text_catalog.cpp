#include "core/text_catalog.h"

#include <algorithm>
#include <atomic>

#include "core/translation.h"

namespace tarvik {

namespace {

// The language Tr looks up in: a plain function pointer is all a
// TextLookup can be, so the language is one atomic beside it.
std::atomic<const CatalogLanguage*> current{nullptr};

const char* LookUpCurrent(const char* context, const char* source) {
    const CatalogLanguage* language = current.load();
    return language ? LookUpInCatalog(*language, context, source) : nullptr;
}

}  // namespace

const char* LookUpInCatalog(const CatalogLanguage& language, std::string_view context, std::string_view source) {
    const CatalogEntry* first = language.entries;
    const CatalogEntry* last = first + language.count;
    const auto before = [](const CatalogEntry& e, std::pair<std::string_view, std::string_view> key) {
        const int byContext = std::string_view(e.context).compare(key.first);
        return byContext < 0 || (byContext == 0 && std::string_view(e.source).compare(key.second) < 0);
    };
    const CatalogEntry* found = std::lower_bound(first, last, std::pair{context, source}, before);
    if (found == last || found->context != context || found->source != source) return nullptr;
    return found->translation;
}

bool UseCatalogLanguage(std::string_view code) {
    if (code.empty() || code == "en") {
        current = nullptr;
        SetTextLookup(nullptr);
        return true;
    }
    for (const CatalogLanguage& language : CatalogLanguages())
        if (code == language.code) {
            current = &language;
            SetTextLookup(&LookUpCurrent);
            return true;
        }
    return false;
}

}  // namespace tarvik
