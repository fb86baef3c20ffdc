// The recompute chains of the calculator window. Each reads the texts it
// needs afresh, calls the mathematics with Reals and writes texts back; a
// failure ends the chain where it happens and what was written stays.
#include <array>

#include "math/distributions.h"
#include "platform/application.h"
#include "platform/checked_math.h"
#include "platform/number_text.h"
#include "window/form1.h"
#include "window/field_text.h"
#include "window/input_filter.h"

namespace tarvik {

namespace {

constexpr Real kLowestCdf = 0.000001L;
constexpr Real kHighestCdf = 0.999999L;
const std::array<QString, 6> kGuardTexts = {"", ".", ",", "0", "0.", "0,"};

bool IsGuardText(const QString& text) {
    return std::find(kGuardTexts.begin(), kGuardTexts.end(), text) != kGuardTexts.end();
}

const QString kClickToFreeze = "Click to freeze when changing degrees of freedom";
const QString kStays = "Stays constant when changing degrees of freedom";
const QString kStay = "Stay constant when changing degrees of freedom";

}  // namespace

void TForm1::FilterNumericKey(TEdit* field, QChar& key) {
    if (NumericKeyAccepted(field->text(), field->SelStart(), key)) return;
    Beep();
    key = QChar('\r');  // a single-line field inserts nothing for it
}

void TForm1::X2ValueEditKeyPress(QObject*, QChar& key) { FilterNumericKey(X2ValueEdit, key); }
void TForm1::CdfEditKeyPress(QObject*, QChar& key) { FilterNumericKey(CdfEdit, key); }
void TForm1::UpperTailEditKeyPress(QObject*, QChar& key) { FilterNumericKey(UpperTailEdit, key); }

void TForm1::dfAdvSpinEditKeyPress(QObject*, QChar& key) {
    const char16_t u = key.unicode();
    if (u == 8 || (u >= '0' && u <= '9')) return;
    key = QChar(0);
    Beep();
}

void TForm1::X2ValueEditKeyUp(QObject*, int&, Qt::KeyboardModifiers) {
    if (X2ValueEdit->text().isEmpty()) return;
    UpdateFromValue();
    UpdatePdf();
    RedrawChart();
}

// The cdf and the upper tail are each other's complement: the edited one
// rewrites the other, then the value follows.
void TForm1::ProbabilityChain(TEdit* edited, TEdit* complement) {
    if (edited->text().isEmpty()) return;
    complement->setText(Fixed(1 - Read(edited->text())));
    UpdateFromCdf();
    UpdatePdf();
    RedrawChart();
}

void TForm1::CdfEditKeyUp(QObject*, int&, Qt::KeyboardModifiers) { ProbabilityChain(CdfEdit, UpperTailEdit); }

void TForm1::UpperTailEditKeyUp(QObject*, int&, Qt::KeyboardModifiers) {
    ProbabilityChain(UpperTailEdit, CdfEdit);
}

void TForm1::dfAdvSpinEditChange(QObject*) {
    // Below the minimum: the write fires this handler again, nested, which
    // runs the whole chain with the minimum; then this run goes on.
    if (dfAdvSpinEdit->Value() < dfAdvSpinEdit->MinValue())
        dfAdvSpinEdit->SetValue(dfAdvSpinEdit->MinValue());
    if (ValueCheckBox->isChecked())
        UpdateFromValue();
    else
        UpdateFromCdf();
    UpdatePdf();
    RedrawChart();
}

void TForm1::UpdateFromValue() {
    Real cdf = 0;
    const QString text = X2ValueEdit->text();
    if (!text.isEmpty()) {
        Real x = Read(text);
        const Real cap = 3 * Real(dfAdvSpinEdit->MaxValue());
        if (x > cap) {
            x = cap;
            X2ValueEdit->setText(Fixed(cap));
        }
        // A negative value can only be pasted; it is no chi-square value.
        // Treated like the cap: 0 is used and written back.
        if (x < 0) {
            x = 0;
            X2ValueEdit->setText(Fixed(0));
        }
        cdf = ChiSquareCdf(Real(dfAdvSpinEdit->Value()), x);
    }
    CdfEdit->setText(Fixed(cdf));
    UpperTailEdit->setText(Fixed(1 - cdf));
}

void TForm1::UpdatePdf() {
    Real density = 0;
    const QString text = X2ValueEdit->text();
    if (!text.isEmpty()) {
        const Real df = dfAdvSpinEdit->Value();
        density = ChiSquarePdf(df, Read(text));
    }
    PdfLabel->SetCaption(Fixed(density));
}

void TForm1::UpdateFromCdf() {
    CdfEdit->RepaintNow();
    const QString cdfText = CdfEdit->text();
    UpperTailEdit->RepaintNow();
    const QString upperText = UpperTailEdit->text();
    const std::uint16_t df = checked::ToUInt16(dfAdvSpinEdit->Value());
    if (IsGuardText(cdfText) || IsGuardText(upperText)) return;
    Real c = Read(cdfText);
    if (!(c > 0)) return;
    if (c < kLowestCdf) {
        c = kLowestCdf;
        CdfEdit->setText(Fixed(c));
    }
    if (c > kHighestCdf) {
        c = kHighestCdf;
        CdfEdit->setText(QString::fromStdString(FormatGeneral(c)));
        UpperTailEdit->setText(Fixed(1 - c));
    }
    X2ValueEdit->setText(Fixed(ChiSquareQuantile(Real(df), c)));
}

// Exactly one box is checked after any mouse-up; the hints follow the mode.
void TForm1::SetFreezeMode(bool valueFrozen) {
    ValueCheckBox->setChecked(valueFrozen);
    CdfCheckBox->setChecked(!valueFrozen);
    ValueCheckBox->setToolTip(valueFrozen ? kStays : kClickToFreeze);
    CdfCheckBox->setToolTip(valueFrozen ? kClickToFreeze : kStay);
}

// The clicked box has already toggled itself (or not, for another button);
// its state now decides the mode.
void TForm1::ValueCheckBoxMouseUp(QObject*, Qt::MouseButton) { SetFreezeMode(ValueCheckBox->isChecked()); }
void TForm1::CdfCheckBoxMouseUp(QObject*, Qt::MouseButton) { SetFreezeMode(!CdfCheckBox->isChecked()); }

}  // namespace tarvik
