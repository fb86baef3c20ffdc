#pragma once
// The degrees-of-freedom spin edit: a one-line integer edit with an arrow
// pair inside its right edge, auto-repeating arrows, and the keys Up, Down,
// Page Up and Page Down. OnChange is raised exactly once per actual change
// of the text, whatever its cause.
#include <QImage>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>

#include "controls/spin_rules.h"
#include "platform/controls_base.h"
#include "platform/timer.h"

namespace tarvik {

class TAdvSpinButton;

enum class TArrowDirection { adLeft = 0, adRight = 1, adUp = 2, adDown = 3 };
enum class TAdvSpinType { sptNormal, sptFloat, sptDate, sptTime, sptHex };

// The look an arrow is drawn in (the visual-styles states).
enum class TArrowLook { Normal = 1, Hot = 2, Pressed = 3 };

class TAdvTimerSpeedButton : public TSpeedButton {
public:
    explicit TAdvTimerSpeedButton(QWidget* parent = nullptr);

    TTimer* RepeatTimer() const { return repeatTimer_.get(); }
    // Kept as the arrow pair's focus state; the arrows paint no focus mark.
    bool ShowFocus = false;
    bool AllowRepeat = false;
    bool IsXPOrLater = true;
    TArrowDirection ArrowDirection = TArrowDirection::adUp;
    bool MouseInside() const { return mouseInside_; }
    QImage Glyph;
    bool SpinFlat = false;

    TArrowLook Look() const;
    // One tick of the repeat timer (400 ms first, then every 100 ms).
    void RepeatTick();

protected:
    void MouseDown(Qt::MouseButton button, const QPoint& pos) override;
    void MouseUp(Qt::MouseButton button, const QPoint& pos) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void InvalidatePair();
    std::unique_ptr<TTimer> repeatTimer_;
    bool mouseInside_ = false;
};

class TAdvSpinButton : public TWinControl {
public:
    explicit TAdvSpinButton(QWidget* parent = nullptr);

    TAdvTimerSpeedButton* UpArrow() const { return up_; }
    TAdvTimerSpeedButton* DownArrow() const { return down_; }
    TAdvTimerSpeedButton* FocusedArrow() const { return focused_; }
    void SetFocusedArrow(TAdvTimerSpeedButton* arrow);

    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control) { focusControl_ = control; }

    TSpinDirection Direction() const { return direction_; }
    void SetDirection(TSpinDirection d);

    std::function<void(QObject* sender)> OnUpClick;
    std::function<void(QObject* sender)> OnDownClick;

    // Places the arrows for a proposed size; returns the adjusted width.
    int ArrangeArrows(int width, int height);
    // Sets the bounds through the layout (the width may be widened).
    void SetBounds(int left, int top, int width, int height);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void ArrowClick(QObject* sender);
    void ArrowMouseDown(QObject* sender, Qt::MouseButton button);
    TAdvTimerSpeedButton* up_;
    TAdvTimerSpeedButton* down_;
    TAdvTimerSpeedButton* focused_;
    QPointer<QWidget> focusControl_;
    TSpinDirection direction_ = TSpinDirection::spVertical;
    bool arranging_ = false;
};

class TAdvSpinEdit : public TCustomMaskEdit {
public:
    explicit TAdvSpinEdit(QWidget* parent = nullptr);

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
    TAdvSpinType SpinType() const { return spinType_; }
    void SetSpinType(TAdvSpinType t) { spinType_ = t; }
    TSpinDirection Direction() const;
    void SetDirection(TSpinDirection d);
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
    TBorderStyle BorderStyle() const { return TBorderStyle::bsSingle; }

    TAdvSpinButton* SpinButton() const { return spinButton_; }

    std::function<void(QObject* sender)> OnChange;

    virtual bool AcceptsChar(QChar& key);
    virtual void StepUp(QObject* sender);
    virtual void StepDown(QObject* sender);
    std::int32_t ClampValue(std::int64_t v) const;

    int MinEditHeight() const;
    // The text rectangle in client coordinates (right and bottom exclusive).
    QRect EditRect() const { return editRect_; }
    QRect ClientRect() const;
    void UpdateEditRect();

    // Loading from form data: values pass the limits unchecked until
    // EndLoad(), which applies them (the after-loading hook).
    void BeginLoad() { loading_ = true; }
    void EndLoad();

    // Writes the text; raises OnChange when it differs from the current one.
    void SetText(const QString& text);

    // Told by the arrow pair that a left press on an arrow just arrived.
    void PressOnArrows();

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
    void PlaceSpinButton();
    void ApplyEditRect(const QRect& r);

    TAdvSpinButton* spinButton_;
    QString lastText_;
    std::int32_t minValue_ = 0, maxValue_ = 100, increment_ = 1, incrementPage_ = 10,
                 precision_ = 0;
    TAdvSpinType spinType_ = TAdvSpinType::sptNormal;
    bool returnIsTab_ = false, editorEnabled_ = true, autoSelect_ = true, autoFocus_ = false,
         loading_ = false, enteredByMouse_ = false;
    QRect editRect_;
    int wheelRemainder_ = 0;  // eighths of a degree short of a whole notch
};

}  // namespace tarvik
