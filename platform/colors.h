#pragma once
// Colour values: 32 bits, red in the lowest byte, then green, then blue; the
// top byte flags the system (palette) colours.
#include <cstdint>

#include <QColor>

namespace tarvik {

using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor kSystemColorFlag = 0xFF000000;

inline constexpr TColor RGB(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}
inline constexpr int RedOf(TColor c) { return int(c & 0xFF); }
inline constexpr int GreenOf(TColor c) { return int((c >> 8) & 0xFF); }
inline constexpr int BlueOf(TColor c) { return int((c >> 16) & 0xFF); }

// The low three bytes only; a system-colour flag is ignored, not translated.
inline QColor ToQColor(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace tarvik
