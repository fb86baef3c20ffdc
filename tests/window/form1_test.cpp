// The calculator window end to end: start-up, typing into every field,
// the degrees of freedom and the two freeze modes, read back from the texts.
#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

TEST_F(WindowTest, StartState) {
    EXPECT_EQ(form->windowTitle(), " Zu  Tarvik");
    EXPECT_EQ(form->dfAdvSpinEdit->text(), "1");
    EXPECT_EQ(form->X2ValueEdit->text(), "3.841459");
    EXPECT_EQ(form->CdfEdit->text(), "0.95");
    EXPECT_EQ(form->UpperTailEdit->text(), "0.05");
    EXPECT_EQ(form->PdfLabel->text(), "0.029819");
    EXPECT_TRUE(form->CdfCheckBox->isChecked());
    EXPECT_FALSE(form->ValueCheckBox->isChecked());
    EXPECT_EQ(form->ValueCheckBox->toolTip(), "Click to freeze when changing degrees of freedom");
    EXPECT_EQ(form->CdfCheckBox->toolTip(), "Stay constant when changing degrees of freedom");
    EXPECT_EQ(form->HelpBitBtn->text(), "");
    EXPECT_FALSE(form->HelpBitBtn->icon().isNull());
    EXPECT_TRUE(form->CdfEdit->hasFocus());
    EXPECT_EQ(form->Shader1->geometry(), form->rect());
    EXPECT_EQ(form->Label3->text(), "Cumulative distribution function : ");
    EXPECT_EQ(form->Label3->geometry().right(), 210);  // captions end at the field column
    // The first picture agrees with the fields: df 1, marker at the exact
    // quantile of 0.95, shown as 3.841459.
    ASSERT_EQ(Marker()->Count(), 1);
    EXPECT_NEAR(Marker()->Points()[0].X, 3.841459, 5e-7);
    EXPECT_EQ(Curve()->Count(), 200);
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, TypingAValue) {
    Retype(form->X2ValueEdit, "5.991465");
    form->dfAdvSpinEdit->SetValue(2);
    Retype(form->X2ValueEdit, "5.991465");
    EXPECT_EQ(form->CdfEdit->text(), "0.950000");
    EXPECT_EQ(form->UpperTailEdit->text(), "0.050000");
    EXPECT_EQ(form->PdfLabel->text(), Fixed(ChiSquarePdf(2, 5.991465L)));
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].X, 5.991465);
}

TEST_F(WindowTest, PlusAloneFailsOnce) {
    Retype(form->X2ValueEdit, "+");
    EXPECT_EQ(form->X2ValueEdit->text(), "+");
    EXPECT_EQ(NewMessages(), std::vector<QString>{"'+' is not a valid floating point value."});
    EXPECT_EQ(NewBeeps(), 0);
}

TEST_F(WindowTest, MinusRefusedUnlessNotBelowZero) {
    Retype(form->X2ValueEdit, "-");
    EXPECT_EQ(form->X2ValueEdit->text(), "");
    EXPECT_EQ(NewBeeps(), 1);
    Retype(form->X2ValueEdit, "5");
    form->X2ValueEdit->setCursorPosition(0);
    QTest::keyClick(form->X2ValueEdit, '-');
    EXPECT_EQ(form->X2ValueEdit->text(), "5");
    EXPECT_EQ(NewBeeps(), 2);
    form->X2ValueEdit->setFocus();
    form->X2ValueEdit->setText("0");
    form->X2ValueEdit->setCursorPosition(0);
    QTest::keyClick(form->X2ValueEdit, '-');
    EXPECT_EQ(form->X2ValueEdit->text(), "-0");  // "-0" is not below zero
    EXPECT_EQ(NewBeeps(), 2);
}

TEST_F(WindowTest, ValueAboveTheCap) {
    // The cap is used at once; the typed text is rewritten on Enter.
    Retype(form->X2ValueEdit, "1e5");
    EXPECT_EQ(form->X2ValueEdit->text(), "1e5");
    EXPECT_EQ(form->CdfEdit->text(), "1.000000");
    EXPECT_EQ(form->UpperTailEdit->text(), "0.000000");
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].X, 900);
    PressEnter(form->X2ValueEdit);
    EXPECT_EQ(form->X2ValueEdit->text(), "900.000000");
}

TEST_F(WindowTest, NumberBeyondSinglePrecisionClamps) {
    Retype(form->X2ValueEdit, "1e39");
    EXPECT_TRUE(NewMessages().empty());
    EXPECT_EQ(form->X2ValueEdit->text(), "1e39");
    EXPECT_EQ(form->CdfEdit->text(), "1.000000");
    PressEnter(form->X2ValueEdit);
    EXPECT_EQ(form->X2ValueEdit->text(), "900.000000");
}

TEST_F(WindowTest, OneIntoAnEmptyCdf) {
    Retype(form->CdfEdit, "1");
    EXPECT_EQ(form->CdfEdit->text(), "1");  // still being typed
    EXPECT_EQ(form->UpperTailEdit->text(), "0.000001");
    EXPECT_EQ(form->X2ValueEdit->text(), Fixed(ChiSquareQuantile(1, 0.999999L)));
    PressEnter(form->CdfEdit);
    EXPECT_EQ(form->CdfEdit->text(), "0.999999");  // general format
}

TEST_F(WindowTest, CdfBelowTheLowestIsClamped) {
    Retype(form->CdfEdit, "0.0000001");
    EXPECT_EQ(form->UpperTailEdit->text(), "0.999999");  // the complement of the clamped cdf
    EXPECT_EQ(form->X2ValueEdit->text(), Fixed(ChiSquareQuantile(1, 0.000001L)));
    form->X2ValueEdit->setFocus();  // leaving the field commits it
    EXPECT_EQ(form->CdfEdit->text(), "0.000001");
}

TEST_F(WindowTest, GuardTextsRecomputeNothingWhileTyped) {
    for (const char* text : {"0", "0."}) {
        Retype(form->CdfEdit, text);
        EXPECT_EQ(form->UpperTailEdit->text(), "0.05") << text;
        EXPECT_EQ(form->X2ValueEdit->text(), "3.841459") << text;
    }
    // Committed, "0." reads as 0 and clamps like any other probability.
    PressEnter(form->CdfEdit);
    EXPECT_EQ(form->CdfEdit->text(), "0.000001");
    EXPECT_EQ(form->UpperTailEdit->text(), "0.999999");
    EXPECT_EQ(form->X2ValueEdit->text(), Fixed(ChiSquareQuantile(1, 0.000001L)));
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, EmptyingAFieldRecomputesNothingAndLeavingRestoresIt) {
    form->CdfEdit->setFocus();
    form->CdfEdit->selectAll();
    QTest::keyClick(form->CdfEdit, Qt::Key_Backspace);
    EXPECT_EQ(form->CdfEdit->text(), "");
    EXPECT_EQ(form->UpperTailEdit->text(), "0.05");
    EXPECT_EQ(form->X2ValueEdit->text(), "3.841459");
    form->X2ValueEdit->setFocus();
    EXPECT_EQ(form->CdfEdit->text(), "0.95");
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, KeysThatChangeNothingRecomputeNothing) {
    // With the cdf frozen, df 10 recomputes the value from the cdf 0.95.
    form->dfAdvSpinEdit->SetValue(10);
    ASSERT_EQ(form->X2ValueEdit->text(), "18.307038");
    ASSERT_EQ(form->CdfEdit->text(), "0.95");
    // Shift, an arrow and Ctrl+A released in the fields leave every text
    // as it was: the numbers agree already.
    form->X2ValueEdit->setFocus();
    QTest::keyClick(form->X2ValueEdit, Qt::Key_Shift);
    form->UpperTailEdit->setFocus();
    QTest::keyClick(form->UpperTailEdit, Qt::Key_Left);
    form->CdfEdit->setFocus();
    QTest::keyClick(form->CdfEdit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(form->CdfEdit->text(), "0.95");
    EXPECT_EQ(form->UpperTailEdit->text(), "0.05");
    EXPECT_EQ(form->X2ValueEdit->text(), "18.307038");
}

TEST_F(WindowTest, SelectedTextReplacedByATypedDigit) {
    form->CdfEdit->setFocus();
    form->CdfEdit->selectAll();  // "0.95"; 5 is tested as "50.95" and accepted
    QTest::keyClick(form->CdfEdit, '5');
    EXPECT_EQ(NewBeeps(), 0);
    EXPECT_EQ(form->CdfEdit->text(), "5");
    EXPECT_EQ(form->UpperTailEdit->text(), "0.000001");  // 5 clamps to 0.999999
    PressEnter(form->CdfEdit);
    EXPECT_EQ(form->CdfEdit->text(), "0.999999");
}

TEST_F(WindowTest, CommaLocale) {
    ScopedFormatSettings comma(FormatSettings{',', '.', '.', ':'});
    TearDown();
    Start();
    EXPECT_EQ(form->X2ValueEdit->text(), "3,841459");
    EXPECT_EQ(form->CdfEdit->text(), "0,95");
    EXPECT_EQ(form->UpperTailEdit->text(), "0,05");
    EXPECT_EQ(form->PdfLabel->text(), "0,029819");  // the density in the locale's format from the start
    Retype(form->X2ValueEdit, "0.5");
    EXPECT_EQ(form->X2ValueEdit->text(), "05");  // the point is refused
    EXPECT_EQ(NewBeeps(), 1);
    Retype(form->CdfEdit, "0,5");
    EXPECT_EQ(form->UpperTailEdit->text(), "0,500000");
    EXPECT_EQ(form->X2ValueEdit->text(), QString::fromStdString(FormatFixed(ChiSquareQuantile(1, 0.5L))));
    Retype(form->X2ValueEdit, "2,5");
    EXPECT_EQ(form->CdfEdit->text(), QString::fromStdString(FormatFixed(ChiSquareCdf(1, 2.5L))));
}

// ------------------------------------------------ degrees of freedom

TEST_F(WindowTest, CdfFrozenMovesTheValue) {
    form->dfAdvSpinEdit->setFocus();
    QTest::keyClick(form->dfAdvSpinEdit, Qt::Key_Up);  // by key
    EXPECT_EQ(form->dfAdvSpinEdit->text(), "2");
    EXPECT_EQ(form->CdfEdit->text(), "0.95");
    EXPECT_EQ(form->X2ValueEdit->text(), Fixed(ChiSquareQuantile(2, 0.95L)));
    QTest::mouseClick(form->dfAdvSpinEdit->SpinButton()->UpArrow(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(form->X2ValueEdit->text(), Fixed(ChiSquareQuantile(3, 0.95L)));  // by arrow
    form->dfAdvSpinEdit->selectAll();
    QTest::keyClicks(form->dfAdvSpinEdit, "10");  // by typing
    EXPECT_EQ(form->X2ValueEdit->text(), "18.307038");
    EXPECT_EQ(form->PdfLabel->text(), Fixed(ChiSquarePdf(10, 18.307038L)));
}

TEST_F(WindowTest, ValueFrozenMovesTheProbabilities) {
    QTest::mouseClick(form->ValueCheckBox, Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_TRUE(form->ValueCheckBox->isChecked());
    EXPECT_FALSE(form->CdfCheckBox->isChecked());
    EXPECT_EQ(form->ValueCheckBox->toolTip(), "Stays constant when changing degrees of freedom");
    EXPECT_EQ(form->CdfCheckBox->toolTip(), "Click to freeze when changing degrees of freedom");
    form->dfAdvSpinEdit->setFocus();
    QTest::keyClick(form->dfAdvSpinEdit, Qt::Key_PageUp);
    EXPECT_EQ(form->dfAdvSpinEdit->text(), "11");
    EXPECT_EQ(form->X2ValueEdit->text(), "3.841459");
    EXPECT_EQ(form->CdfEdit->text(), Fixed(ChiSquareCdf(11, 3.841459L)));
    EXPECT_EQ(form->UpperTailEdit->text(), Fixed(1 - ChiSquareCdf(11, 3.841459L)));
    // Back to the cdf frozen by a click on its box.
    QTest::mouseClick(form->CdfCheckBox, Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_TRUE(form->CdfCheckBox->isChecked());
    EXPECT_FALSE(form->ValueCheckBox->isChecked());
    EXPECT_EQ(form->CdfCheckBox->toolTip(), "Stay constant when changing degrees of freedom");
    // A right click toggles nothing and re-asserts the mode.
    QTest::mouseClick(form->CdfCheckBox, Qt::RightButton, {}, QPoint(7, 7));
    EXPECT_TRUE(form->CdfCheckBox->isChecked());
    EXPECT_FALSE(form->ValueCheckBox->isChecked());
    // Unchecking the cdf box freezes the value.
    QTest::mouseClick(form->CdfCheckBox, Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_TRUE(form->ValueCheckBox->isChecked());
    EXPECT_EQ(form->ValueCheckBox->toolTip(), "Stays constant when changing degrees of freedom");
}

TEST_F(WindowTest, EmptyingAndZeroingTheSpinEdit) {
    form->dfAdvSpinEdit->setFocus();
    form->dfAdvSpinEdit->selectAll();
    QTest::keyClick(form->dfAdvSpinEdit, Qt::Key_Backspace);
    EXPECT_EQ(form->dfAdvSpinEdit->text(), "");
    EXPECT_EQ(dfChains, 1);  // ran with df 1
    EXPECT_EQ(form->X2ValueEdit->text(), Fixed(ChiSquareQuantile(1, 0.95L)));
    QTest::keyClick(form->dfAdvSpinEdit, '0');
    EXPECT_EQ(form->dfAdvSpinEdit->text(), "1");
    EXPECT_EQ(dfChains, 3);  // "0", then the nested run for "1"
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, AboveMaxUntilTheFocusLeaves) {
    form->dfAdvSpinEdit->setFocus();
    form->dfAdvSpinEdit->selectAll();
    QTest::keyClicks(form->dfAdvSpinEdit, "500");
    EXPECT_EQ(form->X2ValueEdit->text(), Fixed(ChiSquareQuantile(500, 0.95L)));
    const int before = dfChains;
    form->CdfEdit->setFocus();
    EXPECT_EQ(form->dfAdvSpinEdit->text(), "300");
    EXPECT_EQ(dfChains, before + 1);
    EXPECT_EQ(form->X2ValueEdit->text(), Fixed(ChiSquareQuantile(300, 0.95L)));
}

TEST_F(WindowTest, LettersAndEnterInTheSpinEdit) {
    form->dfAdvSpinEdit->setFocus();
    form->dfAdvSpinEdit->selectAll();
    QTest::keyClick(form->dfAdvSpinEdit, 'a');
    QTest::keyClick(form->dfAdvSpinEdit, Qt::Key_Return);
    QTest::keyClick(form->dfAdvSpinEdit, '.');  // passes the control, refused by the window
    EXPECT_EQ(form->dfAdvSpinEdit->text(), "1");
    EXPECT_EQ(NewBeeps(), 3);
    EXPECT_EQ(dfChains, 0);
}

TEST_F(WindowTest, DfAbove65535IsARangeError) {
    form->dfAdvSpinEdit->setFocus();
    form->dfAdvSpinEdit->selectAll();
    QTest::keyClicks(form->dfAdvSpinEdit, "70000");
    EXPECT_EQ(NewMessages().back(), "Range check error.");
}

// ------------------------------------------------ mends

TEST_F(WindowTest, ComingBackFromHelpKeepsTheFields) {
    form->dfAdvSpinEdit->SetValue(10);
    Retype(form->X2ValueEdit, "12");
    const QString cdf = form->CdfEdit->text();
    QTest::mouseClick(form->HelpBitBtn, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help.get()));
    EXPECT_TRUE(help->isVisible());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(form->X2ValueEdit->text(), "12");
    EXPECT_EQ(form->CdfEdit->text(), cdf);
    EXPECT_EQ(form->dfAdvSpinEdit->text(), "10");
}

TEST_F(WindowTest, PastedNegativeValueBecomesZero) {
    Paste(form->X2ValueEdit, "-3");
    EXPECT_EQ(form->X2ValueEdit->text(), "-3");
    PressEnter(form->X2ValueEdit);
    EXPECT_EQ(form->X2ValueEdit->text(), "0.000000");
    EXPECT_EQ(form->CdfEdit->text(), "0.000000");
    EXPECT_EQ(form->UpperTailEdit->text(), "1.000000");
    EXPECT_EQ(form->PdfLabel->text(), "\u221E");  // df 1 at x = 0: unbounded
    EXPECT_TRUE(NewMessages().empty());
}

}  // namespace
}  // namespace tarvik::test
