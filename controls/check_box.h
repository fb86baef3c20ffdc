#pragma once
// A check box whose mouse-up handler runs on the release of any button,
// after the box has toggled itself for a click.
#include <QCheckBox>
#include <functional>

namespace tarvik {

class CheckBox : public QCheckBox {
public:
    explicit CheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {}
    std::function<void(QObject* sender, Qt::MouseButton button)> OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace tarvik
