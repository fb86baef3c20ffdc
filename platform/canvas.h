#pragma once
// A drawing surface over QPainter with GDI's pixel conventions:
// Rectangle(l, t, r, b) covers columns l..r-1 and rows t..b-1, filled with the
// brush and outlined one pixel wide with the pen.
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

#include "platform/colors.h"

namespace tarvik {

enum class BrushStyle { Solid, Clear };

class Canvas {
public:
    explicit Canvas(QPainter& painter) : p_(painter) {}

    void SetPenColor(ColorRef c) { penColor_ = c; }
    void SetPenWidth(int w) { penWidth_ = w; }
    void SetBrushColor(ColorRef c) { brushColor_ = c; }
    void SetBrushStyle(BrushStyle s) { brushStyle_ = s; }
    void SetFont(const QFont& f) { p_.setFont(f); }
    void SetFontColor(ColorRef c) { fontColor_ = c; }

    void Rectangle(int left, int top, int right, int bottom);
    void FillRect(const QRect& r);  // brush only, no outline
    void MoveTo(int x, int y) { penPos_ = QPoint(x, y); }
    void LineTo(int x, int y);
    void Polygon(const std::vector<QPoint>& points);
    void TextOut(int x, int y, const QString& text);  // (x, y) is the top-left of the text
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    // Raised push-button frame (sunken while pressed); returns the face.
    QRect DrawButtonFrame(const QRect& r, bool pressed, bool flat);
    // The image, with every pixel of `transparent` left out.
    void DrawTransparent(int x, int y, const QImage& image, ColorRef transparent);

    QPainter& Painter() { return p_; }

private:
    QPen MakePen() const;
    QPainter& p_;
    ColorRef penColor_ = kBlack;
    int penWidth_ = 1;
    ColorRef brushColor_ = kWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    ColorRef fontColor_ = kBlack;
    QPoint penPos_;
};

}  // namespace tarvik
