#include "controls/spin_rules.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

TEST(SpinRules, TextToInteger) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
        const char* why;
    } cases[] = {
        {"42", 42, ""},
        {"  7", 7, "leading blanks skipped"},
        {"7 ", std::nullopt, "nothing may follow the digits"},
        {"\t7", std::nullopt, "only the space is a blank"},
        {"-15", -15, ""},
        {"+3", 3, ""},
        {"+", std::nullopt, "sign without digits"},
        {"", std::nullopt, "empty"},
        {"$1F", 31, "dollar hexadecimal"},
        {"0x10", 16, ""},
        {"X10", 16, ""},
        {"x", std::nullopt, "prefix without digits"},
        {"FFFFFFFF", std::nullopt, "hexadecimal needs its prefix"},
        {"$FFFFFFFF", -1, "32 bits as two's complement"},
        {"$100000000", std::nullopt, "more than 32 bits"},
        {"010", 10, "a leading zero is still decimal"},
        {"2147483647", 2147483647, ""},
        {"2147483648", std::nullopt, "2^31 is out of range"},
        {"-2147483648", INT32_MIN, ""},
        {"-$5", std::nullopt, "no sign before a prefix"},
        {"1.5", std::nullopt, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseSpinInteger(c.text), c.value) << c.text << " " << c.why;
}

TEST(SpinRules, ClampValue) {
    EXPECT_EQ(ClampSpinValue(301, 1, 300, false), 300);
    EXPECT_EQ(ClampSpinValue(0, 1, 300, false), 1);
    EXPECT_EQ(ClampSpinValue(150, 1, 300, false), 150);
    EXPECT_EQ(ClampSpinValue(999, 1, 300, true), 999);   // loading passes everything
    EXPECT_EQ(ClampSpinValue(301, 0, 0, false), 301);    // equal limits: none
    EXPECT_EQ(ClampSpinValue(301, 7, 7, false), 301);
    EXPECT_EQ(ClampSpinValue(15, 10, 5, false), 5);      // lower test first, then the upper
    EXPECT_EQ(ClampSpinValue(2, 10, 5, false), 10);
}

TEST(SpinRules, AcceptsChar) {
    const FormatSettings us{'.', ',', '/', ':'};
    for (char c : std::string("+-0123456789.,\b\x03\x16")) EXPECT_TRUE(SpinAcceptsChar(QChar(c), us, true)) << int(c);
    for (char c : std::string(":/a \r")) EXPECT_FALSE(SpinAcceptsChar(QChar(c), us, true)) << int(c);
    // A date separator equal to the minus sign refuses the minus sign.
    const FormatSettings minusDate{'.', ',', '-', ':'};
    EXPECT_FALSE(SpinAcceptsChar(QChar('-'), minusDate, true));
    EXPECT_TRUE(SpinAcceptsChar(QChar('+'), minusDate, true));
    // Editor disabled: printable characters and Backspace refused, other controls pass.
    EXPECT_FALSE(SpinAcceptsChar(QChar('5'), us, false));
    EXPECT_FALSE(SpinAcceptsChar(QChar('\b'), us, false));
    EXPECT_TRUE(SpinAcceptsChar(QChar('\x03'), us, false));
}

TEST(SpinRules, GeometryOfTheCalculatorsField) {
    // 45 x 26 with a single border and the 3-D look: client 41 x 22.
    EXPECT_EQ(SpinButtonPlacement(45, 26, 15, EditBorderStyle::Single, true, true), QRect(25, 0, 15, 21));
    EXPECT_EQ(SpinButtonPlacement(45, 26, 15, EditBorderStyle::None, true, true), QRect(29, 0, 15, 25));
    EXPECT_EQ(SpinButtonPlacement(45, 26, 15, EditBorderStyle::Single, false, true), QRect(30, 1, 15, 23));
    const ArrowLayout arrows = ArrangeArrowRects(15, 21, SpinDirection::Vertical);
    EXPECT_EQ(arrows.width, 15);
    EXPECT_EQ(arrows.up, QRect(0, 0, 15, 10));
    EXPECT_EQ(arrows.down, QRect(0, 9, 15, 12));  // one pixel of overlap
    const QRect text = SpinTextRect(41, 22, 15, EditBorderStyle::Single, false);
    EXPECT_EQ(text, QRect(QPoint(0, 0), QPoint(23, 22)));  // (0, 0) - (24, 23), exclusive
    EXPECT_EQ(SpinTextRect(41, 22, 15, EditBorderStyle::None, false), QRect(QPoint(2, 2), QPoint(21, 22)));
    EXPECT_EQ(SpinTextRect(41, 22, 15, EditBorderStyle::Single, true), QRect(QPoint(0, 0), QPoint(23, 21)));
    // Horizontal: at least 20 wide, down on the left, up on the right.
    const ArrowLayout side = ArrangeArrowRects(15, 21, SpinDirection::Horizontal);
    EXPECT_EQ(side.width, 20);
    EXPECT_EQ(side.down, QRect(0, 0, 10, 21));
    EXPECT_EQ(side.up, QRect(11, 0, 10, 21));
    // 8-point font of height 16 with the system font 16: 16 + 4 + 2 + 4.
    EXPECT_EQ(SpinMinEditHeight(16, 16, EditBorderStyle::Single), 26);
    EXPECT_EQ(SpinMinEditHeight(20, 12, EditBorderStyle::None), 25);
}

}  // namespace
}  // namespace tarvik
