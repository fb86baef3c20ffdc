#include "calc/input_filter.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "tests/support/scoped_format_settings.h"

namespace tarvik {
namespace {

std::u16string Utf16(const char* s) { return std::u16string(s, s + std::char_traits<char>::length(s)); }

TEST(InputFilter, CopyWithTheCharacterAtTheCaret) {
    test::ScopedFormatSettings us(test::kPoint);
    struct Case {
        const char* text;
        int caret;
        char ch;
        bool accepted;
        const char* why;
    } cases[] = {
        {"", 0, '+', true, "a lone plus starts a number"},
        {"", 0, '-', false, "a lone minus is no number"},
        {"0", 0, '-', true, "-0 is not below zero"},
        {"5", 0, '-', false, "-5 is"},
        {"1", 1, 'e', true, "1e reads as 1"},
        {"1e", 2, '-', true, "1e- reads as 1"},
        {"0.95", 0, '5', true, "50.95 with the selection kept in the copy"},
        {"", 0, ',', false, "the other convention's separator"},
        {"", 0, '.', true, "a lone separator reads as 0"},
        {"12", 1, 'x', false, ""},
        {"", 0, '\b', true, "control characters pass unchecked"},
        {"", 0, '\x16', true, "Ctrl+V"},
        {"1e-5", 1, '-', false, "1-e-5 does not read"},
        {"-1e-5", 5, '0', true, "-1e-50 narrows to -0 in single precision"},
        {"1e3", 3, '9', true, "1e39, beyond single precision: clamped by the field"},
        {"1e400", 5, '0', true, "1e4000... beyond the Real: clamped too"},
        {"-1e3", 4, '9', false, "a huge negative number is still below zero"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumericKeyAccepted(Utf16(c.text), c.caret, char16_t(c.ch)), c.accepted) << c.text << " + " << c.ch << ": " << c.why;
    // Beyond ASCII nothing reads as a number, whatever the code unit's low byte.
    EXPECT_FALSE(NumericKeyAccepted(u"1", 1, u'\u0e35'));  // low byte is '5'
    EXPECT_EQ(CopyWithKey(u"0.5", 1, u'9'), "09.5");
}

// The degrees-of-freedom field: digits, Backspace and the editing keys of
// the other fields pass; Enter and every other character beep.
TEST(InputFilter, WholeNumberKeys) {
    struct Case {
        char16_t ch;
        bool accepted;
        const char* why;
    } cases[] = {
        {u'0', true, "digit"},       {u'9', true, "digit"},          {8, true, "Backspace"},
        {1, true, "Ctrl+A"},         {3, true, "Ctrl+C"},            {24, true, "Ctrl+X"},
        {22, true, "Ctrl+V"},        {26, true, "Ctrl+Z"},           {25, true, "Ctrl+Y"},
        {13, false, "Enter beeps"},  {27, false, "Escape"},          {u'a', false, "letter"},
        {u'-', false, "sign"},       {u'.', false, "separator"},     {0x0660, false, "Arabic-Indic zero"},
    };
    for (const auto& c : cases) EXPECT_EQ(WholeNumberKeyAccepted(c.ch), c.accepted) << c.why;
}

TEST(InputFilter, WholeNumberTexts) {
    struct Case {
        std::u16string text;
        bool whole;
        const char* why;
    } cases[] = {
        {u"", true, "emptied by Backspace or cut"},
        {u"12", true, ""},
        {u"0300", true, "leading zeros are digits"},
        {u" 12", false, "a blank"},
        {u"12 ", false, "a trailing blank"},
        {u"1.5", false, "not whole"},
        {u"-3", false, "a sign"},
        {u"$1F", false, "hexadecimal"},
        {u"1e3", false, "an exponent"},
        {u"\uFF11", false, "a fullwidth digit"},
    };
    for (const auto& c : cases) EXPECT_EQ(IsWholeNumberText(c.text), c.whole) << c.why;
}

}  // namespace
}  // namespace tarvik
