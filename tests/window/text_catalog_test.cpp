// The translations without Qt give what Qt's translator gives from the
// same .ts files: every message of every language, and the command line's
// help (the longest texts, over many lines) whole.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "calc/command_request.h"
#include "core/text_catalog.h"
#include "core/translation.h"
#include "window/language.h"

namespace tarvik::test {
namespace {

using Key = std::pair<std::string, std::string>;

TEST(TextCatalog, EveryMessageReadsAsQtReadsIt) {
    std::set<Key> firstKeys;
    ASSERT_EQ(CatalogLanguages().size(), 6u);
    for (const CatalogLanguage& language : CatalogLanguages()) {
        SCOPED_TRACE(language.code);
        ASSERT_TRUE(UseLanguage(language.code));
        std::set<Key> keys;
        for (const CatalogEntry& e : std::span(language.entries, language.count)) {
            EXPECT_EQ(Tr(e.context, e.source), e.translation) << e.context << " / " << e.source;
            EXPECT_EQ(LookUpInCatalog(language, e.context, e.source), e.translation);
            keys.emplace(e.context, e.source);
        }
        // Every language translates every message: one that the table
        // dropped in all of them would leave no trace above.
        if (firstKeys.empty()) firstKeys = keys;
        EXPECT_EQ(keys, firstKeys);
        EXPECT_EQ(LookUpInCatalog(language, "CommandLine", "no such text"), nullptr);
    }
    ASSERT_TRUE(UseLanguage(""));
}

TEST(TextCatalog, TheHelpReadsTheSameThroughEither) {
    for (const char* code : {"de", "es", "fr", "nl", "tr", "zh_CN"}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(UseLanguage(code));
        const std::string byQt = CommandLineHelp();
        ASSERT_TRUE(UseLanguage(""));
        ASSERT_TRUE(UseCatalogLanguage(code));
        const std::string byCatalog = CommandLineHelp();
        EXPECT_EQ(byCatalog, byQt);
        ASSERT_TRUE(UseCatalogLanguage("en"));
        EXPECT_NE(CommandLineHelp(), byCatalog);
    }
    EXPECT_FALSE(UseCatalogLanguage("xx"));
    EXPECT_EQ(Tr("CommandLine", "the results"), "the results");
}

}  // namespace
}  // namespace tarvik::test
