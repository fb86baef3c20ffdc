#include "controls/spin_rules.h"

#include <algorithm>

namespace tarvik {

std::optional<std::int32_t> ParseSpinInteger(const QString& text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && text[i] == QChar(' ')) ++i;
    if (i == n) return std::nullopt;

    auto hexDigit = [](QChar c) -> int {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9') return u - '0';
        if (u >= 'a' && u <= 'f') return u - 'a' + 10;
        if (u >= 'A' && u <= 'F') return u - 'A' + 10;
        return -1;
    };

    int hexStart = -1;
    if (text[i] == QChar('$') || text[i] == QChar('x') || text[i] == QChar('X'))
        hexStart = i + 1;
    else if (text[i] == QChar('0') && i + 1 < n && (text[i + 1] == QChar('x') || text[i + 1] == QChar('X')))
        hexStart = i + 2;
    if (hexStart >= 0) {
        if (hexStart == n) return std::nullopt;
        std::uint64_t v = 0;
        for (int k = hexStart; k < n; ++k) {
            const int d = hexDigit(text[k]);
            if (d < 0) return std::nullopt;
            v = v * 16 + std::uint64_t(d);
            if (v > 0xFFFFFFFFull) return std::nullopt;  // more than 32 bits
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }

    bool negative = false;
    if (text[i] == QChar('+') || text[i] == QChar('-')) {
        negative = text[i] == QChar('-');
        ++i;
    }
    if (i == n) return std::nullopt;
    std::int64_t v = 0;
    for (; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < '0' || u > '9') return std::nullopt;
        v = v * 10 + (u - '0');
        if (v > 2147483648LL) return std::nullopt;
    }
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(v);
}

std::int32_t ClampSpinValue(std::int64_t v, std::int32_t minValue, std::int32_t maxValue,
                            bool loading) {
    // Without limits a sum past the 32-bit range wraps, as unchecked integer
    // arithmetic does.
    const auto wrapped = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    if (loading || minValue == maxValue) return wrapped;
    if (v < minValue) return minValue;
    if (v > maxValue) return maxValue;
    return wrapped;
}

bool SpinAcceptsChar(QChar ch, const FormatSettings& fs, bool editorEnabled) {
    const char16_t u = ch.unicode();
    const bool inSet = u == '+' || u == '-' || (u >= '0' && u <= '9') ||
                       u == char16_t(fs.DecimalSeparator) || u == char16_t(fs.ThousandSeparator) ||
                       u == char16_t(fs.TimeSeparator) || u == char16_t(fs.DateSeparator);
    bool accepted = inSet || (u < 32 && u != 13);
    if (u == char16_t(fs.TimeSeparator) || u == char16_t(fs.DateSeparator)) accepted = false;
    if (accepted && !editorEnabled && (u >= 32 || u == 8)) accepted = false;
    return accepted;
}

int SpinMinEditHeight(int fontHeight, int systemFontHeight, EditBorderStyle border,
                      int systemBorderHeight) {
    int h = fontHeight + std::min(systemFontHeight, fontHeight) / 4 + 2;
    if (border == EditBorderStyle::Single) h += 4 * systemBorderHeight;
    return h;
}

QRect SpinButtonPlacement(int width, int height, int pairWidth, EditBorderStyle border, bool ctl3d,
                          bool newStyleControls) {
    if (ctl3d && newStyleControls) {
        const int k = border == EditBorderStyle::Single ? 5 : 1;
        return QRect(width - pairWidth - k, 0, pairWidth, height - k);
    }
    return QRect(width - pairWidth, 1, pairWidth, height - 3);
}

QRect SpinTextRect(int clientWidth, int clientHeight, int pairWidth, EditBorderStyle border,
                   bool afterFontChange) {
    if (afterFontChange) return QRect(QPoint(0, 0), QPoint(clientWidth - pairWidth - 2 - 1, clientHeight - 1));
    const int inset = border == EditBorderStyle::None ? 2 : 0;
    const int right = clientWidth - pairWidth - 2 - inset;
    const int bottom = clientHeight + 1;
    // QRect's right and bottom are inclusive; a GDI RECT's are not.
    return QRect(QPoint(inset, inset), QPoint(right - 1, bottom - 1));
}

ArrowLayout ArrangeArrowRects(int width, int height, SpinDirection direction) {
    ArrowLayout layout{};
    if (direction == SpinDirection::Vertical) {
        layout.width = std::max(width, kVerticalPairWidth);
        const int u = height / 2;
        layout.up = QRect(0, 0, layout.width, u);
        // The two arrows overlap by one pixel.
        layout.down = QRect(0, u - 1, layout.width, height - u + 1);
    } else {
        layout.width = std::max(width, kHorizontalPairWidth);
        const int half = layout.width / 2;
        layout.down = QRect(0, 0, half, height);
        layout.up = QRect(half + 1, 0, half, height);
    }
    return layout;
}

}  // namespace tarvik
