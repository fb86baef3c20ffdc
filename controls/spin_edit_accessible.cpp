#include "controls/spin_edit_accessible.h"

#include "controls/spin_edit.h"
#include "platform/application.h"

namespace tarvik {

SpinEditAccessible::SpinEditAccessible(SpinEdit* edit) : QAccessibleWidget(edit, QAccessible::SpinBox) {}

SpinEdit* SpinEditAccessible::Edit() const { return static_cast<SpinEdit*>(widget()); }

void* SpinEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString SpinEditAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return Edit()->text();
    return QAccessibleWidget::text(t);
}

QVariant SpinEditAccessible::currentValue() const { return Edit()->Value(); }

// The same road as the arrows and keys: SetValue clamps, writes the text and
// raises the edit's `changed`.
void SpinEditAccessible::setCurrentValue(const QVariant& value) {
    bool ok = false;
    const int v = value.toInt(&ok);
    if (ok) Guarded([&] { Edit()->SetValue(v); });
}

QVariant SpinEditAccessible::maximumValue() const { return Edit()->MaxValue(); }
QVariant SpinEditAccessible::minimumValue() const { return Edit()->MinValue(); }
QVariant SpinEditAccessible::minimumStepSize() const { return Edit()->Increment(); }

namespace {
// Our classes carry no meta-object of their own, so the factory asks the
// object itself rather than its class name.
QAccessibleInterface* SpinEditFactory(const QString&, QObject* object) {
    if (auto* edit = dynamic_cast<SpinEdit*>(object)) return new SpinEditAccessible(edit);
    return nullptr;
}
}  // namespace

void InstallSpinEditAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(SpinEditFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace tarvik
