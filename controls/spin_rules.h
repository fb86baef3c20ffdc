#pragma once
// The spin edit's rules as pure functions: reading its text as an integer,
// limiting a value, filtering typed characters, and the geometry of the edit
// and its arrow pair. The controls only apply what these compute.
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

#include "core/format_settings.h"

namespace tarvik {

enum class SpinDirection { Vertical, Horizontal };
enum class EditBorderStyle { None, Single };

// Leading blanks; then a signed decimal, or "$", "x", "X", "0x", "0X" and up
// to 32 bits of hexadecimal read as two's complement; nothing after the
// digits. Empty when the text does not convert.
std::optional<std::int32_t> ParseSpinInteger(const QString& text);

// Limits v to [minValue, maxValue], lower limit first; none while loading or
// when the two limits are equal.
std::int32_t ClampSpinValue(std::int64_t v, std::int32_t minValue, std::int32_t maxValue,
                            bool loading);

// Integer mode: "+", "-", digits and the locale's four separators, plus control
// characters other than Return; the time and date separators are refused even
// when they equal one of the others. With the editor disabled only control
// characters other than Backspace pass.
bool SpinAcceptsChar(QChar ch, const FormatSettings& fs, bool editorEnabled);

// h + min(hs, h) div 4 + 2, plus four border heights for a single border.
int SpinMinEditHeight(int fontHeight, int systemFontHeight, EditBorderStyle border,
                      int systemBorderHeight = 1);

// Where the arrow pair sits in the edit's client area, for the control's
// outer width and height.
QRect SpinButtonPlacement(int width, int height, int pairWidth, EditBorderStyle border, bool ctl3d,
                          bool newStyleControls);

// The text rectangle (right and bottom exclusive, as a GDI RECT).
// `afterFontChange` selects the variant used after a font change or when the
// look is applied afresh after loading.
QRect SpinTextRect(int clientWidth, int clientHeight, int pairWidth, EditBorderStyle border,
                   bool afterFontChange);

// The narrowest arrow pair: stacked (vertical) and side by side.
inline constexpr int kVerticalPairWidth = 15;
inline constexpr int kHorizontalPairWidth = 20;
// The arrow pair's first size, before the edit places it.
inline constexpr int kPairStartHeight = 25;
inline constexpr int kPairInEditHeight = 17;

struct ArrowLayout {
    int width;       // the pair's adjusted width
    QRect up, down;  // the two arrows inside the pair
};
ArrowLayout ArrangeArrowRects(int width, int height, SpinDirection direction);

}  // namespace tarvik
