#include "window/input_filter.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "tests/support/qt_env.h"

namespace tarvik {
namespace {

TEST(InputFilter, CopyWithTheCharacterAtTheCaret) {
    test::ScopedFormatSettings us(test::kUnitedStates);
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
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumericKeyAccepted(c.text, c.caret, QChar(c.ch)), c.accepted) << c.text << " + " << c.ch << ": " << c.why;
    EXPECT_THROW(NumericKeyAccepted("1e3", 3, QChar('9')), EOverflow);
}

}  // namespace
}  // namespace tarvik
