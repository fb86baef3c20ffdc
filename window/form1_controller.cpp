// The calculator window's events, handed to the calculator core, and the
// core's effects shown in the controls.
#include "calc/input_filter.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "platform/application.h"
#include "window/form1.h"

namespace tarvik {

namespace {

const QString kClickToFreeze = "Click to freeze when changing degrees of freedom";
const QString kStays = "Stays constant when changing degrees of freedom";
const QString kStay = "Stay constant when changing degrees of freedom";

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

TEdit* TForm1::Edit(TField field) const {
    switch (field) {
        case TField::Value: return X2ValueEdit;
        case TField::Cdf: return CdfEdit;
        case TField::UpperTail: return UpperTailEdit;
    }
    return nullptr;
}

void TForm1::BindNumberField(TEdit* edit, TField field) {
    const auto i = std::size_t(field);
    edit->OnKeyDown = [this, field](QObject*, int& key, Qt::KeyboardModifiers) { NumberFieldKeyDown(field, key); };
    edit->OnKeyPress = [this, field](QObject*, QChar& key) { NumberFieldKeyPress(field, key); };
    edit->OnKeyUp = [this, field](QObject*, int&, Qt::KeyboardModifiers) { NumberFieldKeyUp(field); };
    // Leaving for another control commits the typed text; the window
    // losing the activation (a message box, another program) or a context
    // menu opening does not: the user comes back to the text as it was.
    edit->OnExit = [this, field, edit](QObject*) {
        const Qt::FocusReason why = edit->ExitReason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) Apply(calc_.Commit(field));
    };
    // Every change the user makes, whatever made it: a key, a paste from
    // the menu or the middle button, a drop, undo and redo.
    QObject::connect(edit, &QLineEdit::textEdited, this, [this, field, i](const QString& text) {
        Guarded([&] {
            if (pressed_[i]) pressEdited_[i] = true;
            Apply(calc_.TextEdited(field, text.toStdString()));
        });
    });
}

void TForm1::NumberFieldKeyDown(TField field, int key) {
    const auto i = std::size_t(field);
    pressed_[i] = true;
    pressEdited_[i] = false;
    if (IsEnter(key)) Apply(calc_.Commit(field));
}

void TForm1::NumberFieldKeyPress(TField field, QChar& key) {
    TEdit* edit = Edit(field);
    if (TCalculator::KeyTyped(edit->text().toStdU16String(), edit->SelStart(), key.unicode()) == TKeyVerdict::Accept)
        return;
    Beep();
    key = QChar('\r');  // a single-line field inserts nothing for it
}

// A release runs the chain only for a press that reached this field and
// changed nothing (Shift, an arrow, Home): a change has run it already, and
// a release whose press went elsewhere (the Return that closed a message
// box, the Tab that moved the focus here) is none of this field's business.
void TForm1::NumberFieldKeyUp(TField field) {
    const auto i = std::size_t(field);
    if (!pressed_[i]) return;
    pressed_[i] = false;
    if (pressEdited_[i]) return;
    Apply(calc_.KeyReleased(field));
}

void TForm1::dfAdvSpinEditKeyPress(QChar& key) {
    if (WholeNumberKeyAccepted(key.unicode())) return;
    key = QChar(0);
    Beep();
}

void TForm1::dfAdvSpinEditChange() {
    // Below the minimum: the write fires this handler again, nested, which
    // runs the whole chain with the minimum; then this run goes on.
    if (dfAdvSpinEdit->Value() < dfAdvSpinEdit->MinValue()) dfAdvSpinEdit->SetValue(dfAdvSpinEdit->MinValue());
    Apply(calc_.DfChanged(dfAdvSpinEdit->Value()));
}

// Exactly one box is checked after any toggle; the hints follow the mode.
void TForm1::SetFreezeMode(bool valueFrozen) {
    calc_.SetValueFrozen(valueFrozen);
    ValueCheckBox->setChecked(valueFrozen);
    CdfCheckBox->setChecked(!valueFrozen);
    ValueCheckBox->setToolTip(valueFrozen ? kStays : kClickToFreeze);
    CdfCheckBox->setToolTip(valueFrozen ? kClickToFreeze : kStay);
}

void TForm1::Apply(const TEffects& fx) {
    for (int f = 0; f < kFieldCount; ++f)
        if (fx.Texts[std::size_t(f)]) Edit(TField(f))->setText(QString::fromStdString(*fx.Texts[std::size_t(f)]));
    if (fx.PdfCaption) {
        PdfLabel->SetCaption(QString::fromStdString(*fx.PdfCaption));
        PdfLabel->setAccessibleName("Probability density function: " + PdfLabel->Caption());
    }
    if (fx.Chart) ShowChart(*fx.Chart);
    UpdatePrecisionTips();
    if (fx.Error) ReportException(Exception(*fx.Error));
}

}  // namespace tarvik
