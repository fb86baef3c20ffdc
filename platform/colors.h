#pragma once
// Colour values: 32 bits, red in the lowest byte, then green, then blue; the
// top byte flags the system (palette) colours.
#include <cstdint>

#include <QColor>

namespace tarvik {

using ColorRef = std::uint32_t;

inline constexpr ColorRef kBlack = 0x000000;
inline constexpr ColorRef kBlue = 0xFF0000;
inline constexpr ColorRef kAqua = 0xFFFF00;
inline constexpr ColorRef kTeal = 0x808000;
inline constexpr ColorRef kYellow = 0x00FFFF;
inline constexpr ColorRef kRed = 0x0000FF;
inline constexpr ColorRef kWhite = 0xFFFFFF;
inline constexpr ColorRef kOlive = 0x008080;
inline constexpr ColorRef kSystemColorFlag = 0xFF000000;

inline constexpr ColorRef RGB(int r, int g, int b) {
    return ColorRef(r & 0xFF) | (ColorRef(g & 0xFF) << 8) | (ColorRef(b & 0xFF) << 16);
}
inline constexpr int RedOf(ColorRef c) { return int(c & 0xFF); }
inline constexpr int GreenOf(ColorRef c) { return int((c >> 8) & 0xFF); }
inline constexpr int BlueOf(ColorRef c) { return int((c >> 16) & 0xFF); }

// The low three bytes only; a system-colour flag is ignored, not translated.
inline QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

}  // namespace tarvik
