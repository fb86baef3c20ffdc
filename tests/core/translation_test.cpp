// Patterns filled in one pass, and the look-up that stays English until a
// translation is installed.
#include <gtest/gtest.h>

#include <cstring>

#include "core/translation.h"

namespace tarvik::test {
namespace {

TEST(Translation, FillReplacesEachPlaceholderOnce) {
    const struct {
        const char* pattern;
        std::initializer_list<std::string_view> arguments;
        const char* filled;
        const char* why;
    } cases[] = {
        {"row %1, column %2", {"3", "4"}, "row 3, column 4", "in order"},
        {"%2 hücreden %1'i", {"3", "9"}, "9 hücreden 3'i", "a language's own word order"},
        {"%1 takes its values apart: %1 A B", {"--between"}, "--between takes its values apart: --between A B", "twice"},
        {"%1 and %2", {"%2", "x"}, "%2 and x", "an argument's own %2 is not replaced again"},
        {"%1 of %3", {"a"}, "a of %3", "a placeholder without its argument stays"},
        {"%%1 %", {"5"}, "%5 %", "a percent sign before a placeholder, and a lone one"},
        {", %95 GA %1 ile %2", {"0,1", "0,4"}, ", %95 GA 0,1 ile 0,4", "Turkish writes the percent sign first"},
    };
    for (const auto& c : cases) EXPECT_EQ(Fill(c.pattern, c.arguments), c.filled) << c.why;
}

const char* Shout(const char* context, const char* source) {
    if (std::strcmp(context, "Test") != 0) return nullptr;  // nothing for other contexts
    return std::strcmp(source, "hello") == 0 ? "HELLO" : nullptr;
}

TEST(Translation, TheLookUpInstalledOrTheSource) {
    EXPECT_EQ(Tr("Test", "hello"), "hello") << "none installed: English";
    const TextLookup before = SetTextLookup(&Shout);
    EXPECT_EQ(Tr("Test", "hello"), "HELLO");
    EXPECT_EQ(Tr("Test", "bye"), "bye") << "no translation: the source";
    EXPECT_EQ(Tr("Other", "hello"), "hello") << "the context matters";
    EXPECT_EQ(SetTextLookup(before), &Shout);
    EXPECT_EQ(Tr("Test", "hello"), "hello");
}

}  // namespace
}  // namespace tarvik::test
