// The calculator window's events, handed to the calculator core, and the
// core's effects shown in the controls.
#include "calc/input_filter.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "platform/application.h"
#include "window/calculator_window.h"

namespace tarvik {

namespace {

// Functions, not constants: the translation is installed after static
// initialisation.
QString ClickToFreeze() { return CalculatorWindow::tr("Click to freeze when changing degrees of freedom"); }
QString Stays() { return CalculatorWindow::tr("Stays constant when changing degrees of freedom"); }
QString Stay() { return CalculatorWindow::tr("Stay constant when changing degrees of freedom"); }

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

LineEdit* CalculatorWindow::Edit(Field field) const {
    switch (field) {
        case Field::Value: return valueEdit;
        case Field::Cdf: return cdfEdit;
        case Field::UpperTail: return upperTailEdit;
    }
    return nullptr;
}

void CalculatorWindow::BindNumberField(LineEdit* edit, Field field) {
    const auto i = std::size_t(field);
    ConnectGuarded(edit, &LineEdit::keyDown, this,
                   [this, field](int& key, Qt::KeyboardModifiers) { NumberFieldKeyDown(field, key); });
    ConnectGuarded(edit, &LineEdit::characterTyped, this, [this, field](QChar& key) { NumberFieldKeyPress(field, key); });
    ConnectGuarded(edit, &LineEdit::keyUp, this, [this, field](int, Qt::KeyboardModifiers) { NumberFieldKeyUp(field); });
    // Leaving for another control commits the typed text; the window
    // losing the activation (a message box, another program) or a context
    // menu opening does not: the user comes back to the text as it was.
    ConnectGuarded(edit, &LineEdit::exited, this, [this, field](Qt::FocusReason why) {
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) Apply(calc_.Commit(field));
    });
    // Every change made to the text but ours, whatever made it: a key, a
    // paste from the menu or the middle button, a drop, undo and redo, and a
    // screen reader's text interface (which sets the text without the
    // textEdited of a user's edit).
    QObject::connect(edit, &QLineEdit::textChanged, this, [this, field, i](const QString& text) {
        Guarded([&] {
            if (applying_ || text.toStdString() == calc_.Text(field)) return;
            if (pressed_[i]) pressEdited_[i] = true;
            Apply(calc_.TextEdited(field, text.toStdString()));
        });
    });
}

void CalculatorWindow::NumberFieldKeyDown(Field field, int key) {
    const auto i = std::size_t(field);
    pressed_[i] = true;
    pressEdited_[i] = false;
    if (IsEnter(key)) Apply(calc_.Commit(field));
}

void CalculatorWindow::NumberFieldKeyPress(Field field, QChar& key) {
    LineEdit* edit = Edit(field);
    const char16_t inserted = Calculator::KeyInserted(edit->text().toStdU16String(), edit->SelStart(), key.unicode());
    if (inserted != 0) {
        key = QChar(inserted);
        return;
    }
    Beep();
    key = QChar('\r');  // a single-line field inserts nothing for it
}

// A release runs the chain only for a press that reached this field and
// changed nothing (Shift, an arrow, Home): a change has run it already, and
// a release whose press went elsewhere (the Return that closed a message
// box, the Tab that moved the focus here) is none of this field's business.
void CalculatorWindow::NumberFieldKeyUp(Field field) {
    const auto i = std::size_t(field);
    if (!pressed_[i]) return;
    pressed_[i] = false;
    if (pressEdited_[i]) return;
    Apply(calc_.KeyReleased(field));
}

void CalculatorWindow::DfSpinEditKeyPress(QChar& key) {
    if (WholeNumberKeyAccepted(key.unicode())) return;
    key = QChar(0);
    Beep();
}

void CalculatorWindow::DfSpinEditChanged() {
    // Below the minimum: the write fires this handler again, nested, which
    // runs the whole chain with the minimum; then this run goes on.
    if (dfSpinEdit->Value() < dfSpinEdit->MinValue()) dfSpinEdit->SetValue(dfSpinEdit->MinValue());
    Apply(calc_.DfChanged(dfSpinEdit->Value()));
}

// Exactly one box is checked after any toggle; the hints follow the mode.
void CalculatorWindow::SetFreezeMode(bool valueFrozen) {
    calc_.SetValueFrozen(valueFrozen);
    keepValueBox->setChecked(valueFrozen);
    keepCdfBox->setChecked(!valueFrozen);
    keepValueBox->setToolTip(valueFrozen ? Stays() : ClickToFreeze());
    keepCdfBox->setToolTip(valueFrozen ? ClickToFreeze() : Stay());
}

// A field whose text does not change is not written: setText would reset
// the selection, the caret and the undo history of the field the user is in.
void CalculatorWindow::Apply(const Effects& fx) {
    applying_ = true;
    for (int f = 0; f < kFieldCount; ++f) {
        const auto& text = fx.Texts[std::size_t(f)];
        LineEdit* edit = Edit(Field(f));
        if (text && edit->text().toStdString() != *text) edit->setText(QString::fromStdString(*text));
    }
    applying_ = false;
    for (int f = 0; f < kFieldCount; ++f)
        if (fx.Notes[std::size_t(f)]) ShowNote(Edit(Field(f)), QString::fromStdString(*fx.Notes[std::size_t(f)]));
    if (fx.PdfCaption) {
        densityLabel->SetCaption(QString::fromStdString(*fx.PdfCaption));
        densityLabel->setAccessibleName(tr("Probability density function: %1").arg(densityLabel->Caption()));
    }
    if (fx.Chart) ShowChart(*fx.Chart);
    UpdatePrecisionTips();
    if (fx.Error) ReportException(Exception(*fx.Error));
}

// A field whose text is read as something else is marked, and says so in
// its tooltip and to a screen reader; the mark goes with the note.
void CalculatorWindow::ShowNote(LineEdit* edit, const QString& note) {
    edit->SetMarked(!note.isEmpty());
    edit->setAccessibleDescription(note);
    edit->setProperty("note", note);
}

}  // namespace tarvik
