#include "resources/glyphs.h"

#include <array>

namespace tarvik {

namespace {

// The standard 16-colour palette; index 3 is olive, 0 black.
const std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
    qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
constexpr int kBlack = 0;
constexpr int kOlive = 3;

// Rows from the top of the up arrow: blank; column 4; 3-5; 2-6; 1-7; blank.
constexpr const char* kUpArrow[6] = {
    ".........",
    "....#....",
    "...###...",
    "..#####..",
    ".#######.",
    ".........",
};

QImage Build(bool upsideDown) {
    QImage image(9, 6, QImage::Format_Indexed8);
    image.setColorCount(16);
    for (int i = 0; i < 16; ++i) image.setColor(i, kPalette[std::size_t(i)]);
    for (int row = 0; row < 6; ++row) {
        const char* line = kUpArrow[upsideDown ? 5 - row : row];
        for (int col = 0; col < 9; ++col) image.setPixel(col, row, line[col] == '#' ? kBlack : kOlive);
    }
    return image;
}

}  // namespace

QImage LoadGlyph(const QString& name) {
    const QString upper = name.toUpper();
    if (upper == "SPINUP") return Build(false);
    if (upper == "SPINDOWN") return Build(true);
    return {};
}

}  // namespace tarvik
