// The calculator window end to end: start-up, typing into every field,
// the degrees of freedom and the two freeze modes, read back from the texts.
#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

TEST_F(WindowTest, StartState) {
    EXPECT_EQ(form->windowTitle(), " Zu  Tarvik");
    EXPECT_EQ(form->dfSpinEdit->text(), "1");
    EXPECT_EQ(form->valueEdit->text(), "3.841459");
    EXPECT_EQ(form->cdfEdit->text(), "0.95");
    EXPECT_EQ(form->upperTailEdit->text(), "0.05");
    EXPECT_EQ(form->densityLabel->text(), "0.029819");
    EXPECT_TRUE(form->keepCdfBox->isChecked());
    EXPECT_FALSE(form->keepValueBox->isChecked());
    EXPECT_EQ(form->keepValueBox->toolTip(), "Click to freeze when changing degrees of freedom");
    EXPECT_EQ(form->keepCdfBox->toolTip(), "Stay constant when changing degrees of freedom");
    EXPECT_EQ(form->helpButton->text(), "");
    EXPECT_FALSE(form->helpButton->icon().isNull());
    EXPECT_TRUE(form->cdfEdit->hasFocus());
    EXPECT_EQ(form->background->geometry(), form->rect());
    EXPECT_EQ(form->cdfCaption->text(), "Cumulative distribution function : ");
    EXPECT_EQ(form->cdfCaption->geometry().right(), 210);  // captions end at the field column
    // The first picture agrees with the fields: df 1, marker at the exact
    // quantile of 0.95, shown as 3.841459.
    ASSERT_EQ(Marker()->Count(), 1);
    EXPECT_NEAR(Marker()->Points()[0].X, 3.841459, 5e-7);
    EXPECT_GT(Curve()->Count(), 200);  // 200 even samples and the steps toward 0
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, TypingAValue) {
    Retype(form->valueEdit, "5.991465");
    form->dfSpinEdit->SetValue(2);
    Retype(form->valueEdit, "5.991465");
    EXPECT_EQ(form->cdfEdit->text(), "0.950000");
    EXPECT_EQ(form->upperTailEdit->text(), "0.050000");
    EXPECT_EQ(form->densityLabel->text(), Fixed(ChiSquarePdf(2, 5.991465L)));
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].X, 5.991465);
}

TEST_F(WindowTest, PlusAloneFailsOnce) {
    Retype(form->valueEdit, "+");
    EXPECT_EQ(form->valueEdit->text(), "+");
    EXPECT_EQ(NewMessages(), std::vector<QString>{"'+' is not a valid floating point value."});
    EXPECT_EQ(NewBeeps(), 0);
}

TEST_F(WindowTest, MinusRefusedUnlessNotBelowZero) {
    Retype(form->valueEdit, "-");
    EXPECT_EQ(form->valueEdit->text(), "");
    EXPECT_EQ(NewBeeps(), 1);
    Retype(form->valueEdit, "5");
    form->valueEdit->setCursorPosition(0);
    QTest::keyClick(form->valueEdit, '-');
    EXPECT_EQ(form->valueEdit->text(), "5");
    EXPECT_EQ(NewBeeps(), 2);
    form->valueEdit->setFocus();
    form->valueEdit->setText("0");
    form->valueEdit->setCursorPosition(0);
    QTest::keyClick(form->valueEdit, '-');
    EXPECT_EQ(form->valueEdit->text(), "-0");  // "-0" is not below zero
    EXPECT_EQ(NewBeeps(), 2);
}

TEST_F(WindowTest, ValueAboveTheCap) {
    // The cap is used at once; the typed text is rewritten on Enter.
    Retype(form->valueEdit, "1e5");
    EXPECT_EQ(form->valueEdit->text(), "1e5");
    EXPECT_EQ(form->cdfEdit->text(), "1.000000");
    EXPECT_EQ(form->upperTailEdit->text(), "0.000000");
    EXPECT_DOUBLE_EQ(Marker()->Points()[0].X, 900);
    PressEnter(form->valueEdit);
    EXPECT_EQ(form->valueEdit->text(), "900.000000");
}

TEST_F(WindowTest, NumberBeyondSinglePrecisionClamps) {
    Retype(form->valueEdit, "1e39");
    EXPECT_TRUE(NewMessages().empty());
    EXPECT_EQ(form->valueEdit->text(), "1e39");
    EXPECT_EQ(form->cdfEdit->text(), "1.000000");
    PressEnter(form->valueEdit);
    EXPECT_EQ(form->valueEdit->text(), "900.000000");
}

TEST_F(WindowTest, OneIntoAnEmptyCdf) {
    Retype(form->cdfEdit, "1");
    EXPECT_EQ(form->cdfEdit->text(), "1");  // still being typed
    EXPECT_EQ(form->upperTailEdit->text(), "0.000001");
    EXPECT_EQ(form->valueEdit->text(), Fixed(ChiSquareQuantile(1, 0.999999L)));
    PressEnter(form->cdfEdit);
    EXPECT_EQ(form->cdfEdit->text(), "0.999999");  // general format
}

TEST_F(WindowTest, CdfBelowTheLowestIsClamped) {
    Retype(form->cdfEdit, "0.0000001");
    EXPECT_EQ(form->upperTailEdit->text(), "0.999999");  // the complement of the clamped cdf
    EXPECT_EQ(form->valueEdit->text(), Fixed(ChiSquareQuantile(1, 0.000001L)));
    form->valueEdit->setFocus();  // leaving the field commits it
    EXPECT_EQ(form->cdfEdit->text(), "0.000001");
}

// A text read as something else marks its field while it is typed; the
// mark goes with the next digit, and the field keeps its own font, colours
// and look throughout (a style sheet taken off again handed Windows' style
// a grey serif face).
TEST_F(WindowTest, ATextReadAsSomethingElseMarksItsFieldAndTheMarkLeavesNoTrace) {
    LineEdit* field = form->upperTailEdit;
    const QFont font = field->font();
    const QPalette palette = field->palette();
    struct Step {
        const char* keys;
        bool marked;
        const char* why;
    } steps[] = {{"0.0", true, "0 is read as the lowest probability the window holds"},
                 {"5", false, "0.05 is read as itself"},
                 {"\b", true, "back to 0.0: marked again"}};
    Retype(field, "");
    for (const Step& s : steps) {
        SCOPED_TRACE(s.why);
        for (const QChar key : QString(s.keys))
            key == '\b' ? QTest::keyClick(field, Qt::Key_Backspace) : QTest::keyClicks(field, QString(key));
        EXPECT_EQ(field->IsMarked(), s.marked);
        EXPECT_EQ(field->accessibleDescription().isEmpty(), !s.marked);
        EXPECT_EQ(field->font(), font);
        EXPECT_EQ(field->palette().color(QPalette::Text), palette.color(QPalette::Text));
        EXPECT_TRUE(field->styleSheet().isEmpty());
    }
}

TEST_F(WindowTest, GuardTextsRecomputeNothingWhileTyped) {
    for (const char* text : {"0", "0."}) {
        Retype(form->cdfEdit, text);
        EXPECT_EQ(form->upperTailEdit->text(), "0.05") << text;
        EXPECT_EQ(form->valueEdit->text(), "3.841459") << text;
    }
    // Committed, "0." reads as 0 and clamps like any other probability.
    PressEnter(form->cdfEdit);
    EXPECT_EQ(form->cdfEdit->text(), "0.000001");
    EXPECT_EQ(form->upperTailEdit->text(), "0.999999");
    EXPECT_EQ(form->valueEdit->text(), Fixed(ChiSquareQuantile(1, 0.000001L)));
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, EmptyingAFieldRecomputesNothingAndLeavingRestoresIt) {
    form->cdfEdit->setFocus();
    form->cdfEdit->selectAll();
    QTest::keyClick(form->cdfEdit, Qt::Key_Backspace);
    EXPECT_EQ(form->cdfEdit->text(), "");
    EXPECT_EQ(form->upperTailEdit->text(), "0.05");
    EXPECT_EQ(form->valueEdit->text(), "3.841459");
    form->valueEdit->setFocus();
    EXPECT_EQ(form->cdfEdit->text(), "0.95");
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, KeysThatChangeNothingRecomputeNothing) {
    // With the cdf frozen, df 10 recomputes the value from the cdf 0.95.
    form->dfSpinEdit->SetValue(10);
    ASSERT_EQ(form->valueEdit->text(), "18.307038");
    ASSERT_EQ(form->cdfEdit->text(), "0.95");
    // Shift, an arrow and Ctrl+A released in the fields leave every text
    // as it was: the numbers agree already.
    form->valueEdit->setFocus();
    QTest::keyClick(form->valueEdit, Qt::Key_Shift);
    form->upperTailEdit->setFocus();
    QTest::keyClick(form->upperTailEdit, Qt::Key_Left);
    form->cdfEdit->setFocus();
    QTest::keyClick(form->cdfEdit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(form->cdfEdit->text(), "0.95");
    EXPECT_EQ(form->upperTailEdit->text(), "0.05");
    EXPECT_EQ(form->valueEdit->text(), "18.307038");
}

TEST_F(WindowTest, SelectedTextReplacedByATypedDigit) {
    form->cdfEdit->setFocus();
    form->cdfEdit->selectAll();  // "0.95"; 5 is tested as "50.95" and accepted
    QTest::keyClick(form->cdfEdit, '5');
    EXPECT_EQ(NewBeeps(), 0);
    EXPECT_EQ(form->cdfEdit->text(), "5");
    EXPECT_EQ(form->upperTailEdit->text(), "0.000001");  // 5 clamps to 0.999999
    PressEnter(form->cdfEdit);
    EXPECT_EQ(form->cdfEdit->text(), "0.999999");
}

TEST_F(WindowTest, CommaLocale) {
    ScopedFormatSettings comma(FormatSettings{',', '.', '.', ':'});
    TearDown();
    Start();
    EXPECT_EQ(form->valueEdit->text(), "3,841459");
    EXPECT_EQ(form->cdfEdit->text(), "0,95");
    EXPECT_EQ(form->upperTailEdit->text(), "0,05");
    EXPECT_EQ(form->densityLabel->text(), "0,029819");  // the density in the locale's format from the start
    // A point typed where the number has no comma yet is its decimal comma:
    // "0.5" is 0,5, never 05; a second one is refused with a beep.
    Retype(form->valueEdit, "0.5");
    EXPECT_EQ(form->valueEdit->text(), "0,5");
    EXPECT_EQ(NewBeeps(), 0);
    QTest::keyClicks(form->valueEdit, ".");
    EXPECT_EQ(form->valueEdit->text(), "0,5");
    EXPECT_EQ(NewBeeps(), 1);
    Retype(form->cdfEdit, "0,5");
    EXPECT_EQ(form->upperTailEdit->text(), "0,500000");
    EXPECT_EQ(form->valueEdit->text(), QString::fromStdString(FormatFixed(ChiSquareQuantile(1, 0.5L))));
    Retype(form->valueEdit, "2,5");
    EXPECT_EQ(form->cdfEdit->text(), QString::fromStdString(FormatFixed(ChiSquareCdf(1, 2.5L))));
}

// ------------------------------------------------ degrees of freedom

TEST_F(WindowTest, CdfFrozenMovesTheValue) {
    form->dfSpinEdit->setFocus();
    QTest::keyClick(form->dfSpinEdit, Qt::Key_Up);  // by key
    EXPECT_EQ(form->dfSpinEdit->text(), "2");
    EXPECT_EQ(form->cdfEdit->text(), "0.95");
    EXPECT_EQ(form->valueEdit->text(), Fixed(ChiSquareQuantile(2, 0.95L)));
    QTest::mouseClick(form->dfSpinEdit->SpinButton()->UpArrow(), Qt::LeftButton, {}, QPoint(5, 4));
    EXPECT_EQ(form->valueEdit->text(), Fixed(ChiSquareQuantile(3, 0.95L)));  // by arrow
    form->dfSpinEdit->selectAll();
    QTest::keyClicks(form->dfSpinEdit, "10");  // by typing
    EXPECT_EQ(form->valueEdit->text(), "18.307038");
    EXPECT_EQ(form->densityLabel->text(), Fixed(ChiSquarePdf(10, 18.307038L)));
}

TEST_F(WindowTest, ValueFrozenMovesTheProbabilities) {
    QTest::mouseClick(form->keepValueBox, Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_TRUE(form->keepValueBox->isChecked());
    EXPECT_FALSE(form->keepCdfBox->isChecked());
    EXPECT_EQ(form->keepValueBox->toolTip(), "Stays constant when changing degrees of freedom");
    EXPECT_EQ(form->keepCdfBox->toolTip(), "Click to freeze when changing degrees of freedom");
    form->dfSpinEdit->setFocus();
    QTest::keyClick(form->dfSpinEdit, Qt::Key_PageUp);
    EXPECT_EQ(form->dfSpinEdit->text(), "11");
    EXPECT_EQ(form->valueEdit->text(), "3.841459");
    EXPECT_EQ(form->cdfEdit->text(), Fixed(ChiSquareCdf(11, 3.841459L)));
    EXPECT_EQ(form->upperTailEdit->text(), Fixed(1 - ChiSquareCdf(11, 3.841459L)));
    // Back to the cdf frozen by a click on its box.
    QTest::mouseClick(form->keepCdfBox, Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_TRUE(form->keepCdfBox->isChecked());
    EXPECT_FALSE(form->keepValueBox->isChecked());
    EXPECT_EQ(form->keepCdfBox->toolTip(), "Stay constant when changing degrees of freedom");
    // A right click toggles nothing and re-asserts the mode.
    QTest::mouseClick(form->keepCdfBox, Qt::RightButton, {}, QPoint(7, 7));
    EXPECT_TRUE(form->keepCdfBox->isChecked());
    EXPECT_FALSE(form->keepValueBox->isChecked());
    // Unchecking the cdf box freezes the value.
    QTest::mouseClick(form->keepCdfBox, Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_TRUE(form->keepValueBox->isChecked());
    EXPECT_EQ(form->keepValueBox->toolTip(), "Stays constant when changing degrees of freedom");
}

TEST_F(WindowTest, EmptyingAndZeroingTheSpinEdit) {
    form->dfSpinEdit->setFocus();
    form->dfSpinEdit->selectAll();
    QTest::keyClick(form->dfSpinEdit, Qt::Key_Backspace);
    EXPECT_EQ(form->dfSpinEdit->text(), "");
    EXPECT_EQ(dfChains, 1);  // ran with df 1
    EXPECT_EQ(form->valueEdit->text(), Fixed(ChiSquareQuantile(1, 0.95L)));
    QTest::keyClick(form->dfSpinEdit, '0');
    EXPECT_EQ(form->dfSpinEdit->text(), "1");
    EXPECT_EQ(dfChains, 3);  // "0", then the nested run for "1"
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, AboveMaxUntilTheFocusLeaves) {
    form->dfSpinEdit->setFocus();
    form->dfSpinEdit->selectAll();
    QTest::keyClicks(form->dfSpinEdit, "500");
    EXPECT_EQ(form->valueEdit->text(), Fixed(ChiSquareQuantile(500, 0.95L)));
    const int before = dfChains;
    form->cdfEdit->setFocus();
    EXPECT_EQ(form->dfSpinEdit->text(), "300");
    EXPECT_EQ(dfChains, before + 1);
    EXPECT_EQ(form->valueEdit->text(), Fixed(ChiSquareQuantile(300, 0.95L)));
}

TEST_F(WindowTest, LettersAndEnterInTheSpinEdit) {
    form->dfSpinEdit->setFocus();
    form->dfSpinEdit->selectAll();
    QTest::keyClick(form->dfSpinEdit, 'a');
    QTest::keyClick(form->dfSpinEdit, Qt::Key_Return);
    QTest::keyClick(form->dfSpinEdit, '.');  // passes the control, refused by the window
    EXPECT_EQ(form->dfSpinEdit->text(), "1");
    EXPECT_EQ(NewBeeps(), 3);
    EXPECT_EQ(dfChains, 0);
}

TEST_F(WindowTest, DfAbove65535IsARangeError) {
    form->dfSpinEdit->setFocus();
    form->dfSpinEdit->selectAll();
    QTest::keyClicks(form->dfSpinEdit, "70000");
    EXPECT_EQ(NewMessages().back(), "Range check error.");
}

// ------------------------------------------------ mends

TEST_F(WindowTest, ComingBackFromHelpKeepsTheFields) {
    form->dfSpinEdit->SetValue(10);
    Retype(form->valueEdit, "12");
    const QString cdf = form->cdfEdit->text();
    QTest::mouseClick(form->helpButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help.get()));
    EXPECT_TRUE(help->isVisible());
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(form->valueEdit->text(), "12");
    EXPECT_EQ(form->cdfEdit->text(), cdf);
    EXPECT_EQ(form->dfSpinEdit->text(), "10");
}

// The program's own window gets no help window at start (building it cost
// every start its layout): F1 builds it, once, and closing it ends nothing.
TEST(CalculatorWindowAlone, BuildsItsHelpWindowAtTheFirstF1) {
    CalculatorWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.Help(), nullptr);
    QTest::keyClick(&window, Qt::Key_F1);
    HelpWindow* help = window.Help();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->testAttribute(Qt::WA_QuitOnClose));
    help->close();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(window.Help(), help);  // shown again, not built again
    EXPECT_TRUE(help->isVisible());
}

TEST_F(WindowTest, PastedNegativeValueBecomesZero) {
    Paste(form->valueEdit, "-3");
    EXPECT_EQ(form->valueEdit->text(), "-3");
    PressEnter(form->valueEdit);
    EXPECT_EQ(form->valueEdit->text(), "0.000000");
    EXPECT_EQ(form->cdfEdit->text(), "0.000000");
    EXPECT_EQ(form->upperTailEdit->text(), "1.000000");
    EXPECT_EQ(form->densityLabel->text(), "\u221E");  // df 1 at x = 0: unbounded
    EXPECT_TRUE(NewMessages().empty());
}

}  // namespace
}  // namespace tarvik::test
