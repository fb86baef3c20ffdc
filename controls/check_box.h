#pragma once
// A check box whose mouse-up handler runs on the release of any button,
// after the box has toggled itself for a click.
#include <QCheckBox>
#include <functional>

namespace tarvik {

class TCheckBox : public QCheckBox {
public:
    explicit TCheckBox(QWidget* parent = nullptr) : QCheckBox(parent) {}
    std::function<void(QObject* sender, Qt::MouseButton button)> OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace tarvik
