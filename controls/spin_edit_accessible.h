#pragma once
// What a screen reader sees of the spin edit: a spin button with its range,
// its value (settable) and its two pressable arrows, not a plain text field.
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace tarvik {

class SpinEdit;

class SpinEditAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpinEditAccessible(SpinEdit* edit);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    SpinEdit* Edit() const;
};

// Installs the factory that gives every SpinEdit its interface; once.
void InstallSpinEditAccessibility();

}  // namespace tarvik
