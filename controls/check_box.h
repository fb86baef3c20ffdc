#pragma once
// A check box that reports the release of any mouse button, after the box
// has toggled itself for a click (QCheckBox's own signals come from the
// left button only).
#include <QCheckBox>

namespace tarvik {

class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {}

signals:
    void mouseReleased(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace tarvik
