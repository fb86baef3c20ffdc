#include "controls/check_box.h"

#include <QMouseEvent>

#include "platform/application.h"

namespace tarvik {

void CheckBox::mousePressEvent(QMouseEvent* e) {
    QCheckBox::mousePressEvent(e);
    e->accept();  // every button's release comes back here
}

void CheckBox::mouseReleaseEvent(QMouseEvent* e) {
    QCheckBox::mouseReleaseEvent(e);  // toggles for a left click inside
    const Qt::MouseButton button = e->button();
    Guarded([&] { emit mouseReleased(button); });
    e->accept();
}

}  // namespace tarvik
