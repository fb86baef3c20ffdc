#pragma once
// The degrees-of-freedom spin edit: a one-line integer edit with an arrow
// pair inside its right edge, auto-repeating arrows, and the keys Up, Down,
// Page Up and Page Down. `changed` is raised exactly once per actual change
// of the text, whatever its cause.
#include <QRect>
#include <cstdint>

#include "controls/line_edit.h"
#include "controls/spin_rules.h"

namespace tarvik {

class SpinArrows;

enum class SpinValueType { Integer, Float, Date, Time, Hex };

class SpinEdit : public LineEdit {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    std::int32_t Value() const;
    void SetValue(std::int32_t v);
    std::int32_t MinValue() const { return minValue_; }
    void SetMinValue(std::int32_t v) { minValue_ = v; }
    std::int32_t MaxValue() const { return maxValue_; }
    void SetMaxValue(std::int32_t v) { maxValue_ = v; }
    std::int32_t Increment() const { return increment_; }
    void SetIncrement(std::int32_t v) { increment_ = v; }
    std::int32_t IncrementPage() const { return incrementPage_; }
    void SetIncrementPage(std::int32_t v) { incrementPage_ = v; }
    SpinValueType SpinType() const { return spinType_; }
    void SetSpinType(SpinValueType t) { spinType_ = t; }
    SpinDirection Direction() const;
    void SetDirection(SpinDirection d);
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool on) { returnIsTab_ = on; }
    // Decimal places of the float mode; the calculator uses the integer mode only.
    std::int32_t Precision() const { return precision_; }
    void SetPrecision(std::int32_t p) { precision_ = p; }
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool on);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool on) { setReadOnly(on); }
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool on) { autoSelect_ = on; }
    bool AutoFocus() const { return autoFocus_; }
    void SetAutoFocus(bool on) { autoFocus_ = on; }
    EditBorderStyle BorderStyle() const { return EditBorderStyle::Single; }

    SpinArrows* SpinButton() const { return spinButton_; }

    virtual bool AcceptsChar(QChar& key);
    virtual void StepUp(QObject* sender);
    virtual void StepDown(QObject* sender);
    std::int32_t ClampValue(std::int64_t v) const;

    int MinEditHeight() const;
    // The text rectangle in client coordinates (right and bottom exclusive).
    QRect EditRect() const { return editRect_; }
    QRect ClientRect() const;
    void UpdateEditRect();

    // Setting up: between BeginLoad() and EndLoad() the limits and the value
    // are stored unchecked, in any order; EndLoad() then applies them once.
    void BeginLoad() { loading_ = true; }
    void EndLoad();

    // Writes the text; raises `changed` when it differs from the current one.
    void SetText(const QString& text);

    // Told by the arrow pair that a left press on an arrow just arrived.
    void PressOnArrows();

signals:
    void changed();

protected:
    void KeyDown(int& key, Qt::KeyboardModifiers shift, QKeyEvent* event) override;
    void KeyPress(QChar& key) override;
    void DoEnter(QFocusEvent* event) override;
    void DoExit(QFocusEvent* event) override;
    void DoPaste() override;
    void DoCut() override;
    void resizeEvent(QResizeEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    // The wheel steps as Up and Down do: one notch, one increment.
    void wheelEvent(QWheelEvent* e) override;

private:
    void Step(std::int32_t delta, bool checkReadOnly);
    void TextChanged();
    void AnnounceValue();
    void PlaceSpinButton();
    void ApplyEditRect(const QRect& r);

    SpinArrows* spinButton_;
    QString lastText_;
    std::int32_t minValue_ = 0, maxValue_ = 100, increment_ = 1, incrementPage_ = 10,
                 precision_ = 0;
    SpinValueType spinType_ = SpinValueType::Integer;
    bool returnIsTab_ = false, editorEnabled_ = true, autoSelect_ = true, autoFocus_ = false,
         loading_ = false, enteredByMouse_ = false;
    QRect editRect_;
    int wheelRemainder_ = 0;  // eighths of a degree short of a whole notch
};

}  // namespace tarvik
