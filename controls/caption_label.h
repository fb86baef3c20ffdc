#pragma once
// A transparent label that sizes itself to its caption. With `growLeft`
// the right edge stays put (the caption labels end at the field column
// whatever the font's width).
#include <QLabel>
#include <QRect>

namespace tarvik {

class CaptionLabel : public QLabel {
public:
    CaptionLabel(const QString& caption, const QRect& designRect, bool growLeft, QWidget* parent);
    void SetCaption(const QString& caption);
    QString Caption() const { return text(); }

protected:
    // A label that takes the keyboard shows it, as every control does.
    void paintEvent(QPaintEvent* event) override;

private:
    QRect design_;
    bool growLeft_;
};

}  // namespace tarvik
