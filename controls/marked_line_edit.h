#pragma once
// A line edit that can carry a mark: a frame two pixels wide in the mark's
// colour over the field's own frame, for a field whose text is refused or
// read as something else.
//
// Painted over the field, not set as a style sheet. Taking a style sheet off
// sets back, as the field's own, a font and palette saved when it was put
// on; in the Windows build the field then went on in a grey serif face for
// good after its first mark (the upper tail field after "0.0", under wine).
// A painted frame leaves the field's font, colours and text margins alone,
// so the text does not move either when the mark comes and goes.
#include <QColor>
#include <QLineEdit>

namespace tarvik {

class MarkedLineEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool marked READ IsMarked WRITE SetMarked)
    Q_PROPERTY(QColor markColor READ MarkColor WRITE SetMarkColor)
public:
    using QLineEdit::QLineEdit;

    bool IsMarked() const { return marked_; }
    void SetMarked(bool marked);
    QColor MarkColor() const { return markColor_; }
    void SetMarkColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool marked_ = false;
    QColor markColor_{0xb0, 0x00, 0x00};
};

}  // namespace tarvik
