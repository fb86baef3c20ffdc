// The window shows numbers that agree with each other whatever made the
// edit: the mouse (menu paste, drop, undo), keys released after an error box
// closed, Space on the freeze boxes, a df typed far above 300.
#include <QDropEvent>
#include <QMimeData>

#include "tests/support/agreement.h"
#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

class TruthTest : public WindowTest {
protected:
    void ExpectAgreement() const {
        const auto typing = form->Core().Typing();
        ShownNumbers n{form->dfSpinEdit->Value(),           form->valueEdit->text().toStdString(),
                       form->cdfEdit->text().toStdString(),     form->upperTailEdit->text().toStdString(),
                       form->densityLabel->text().toStdString(),    typing ? int(*typing) : -1};
        const auto why = Disagreement(n);
        EXPECT_FALSE(why) << *why;
    }
    void SetDf(const QString& digits) {
        form->dfSpinEdit->setFocus();
        form->dfSpinEdit->selectAll();
        QTest::keyClicks(form->dfSpinEdit, digits);
    }
};

// Every way the mouse changes a field runs that field's chain once.
TEST_F(TruthTest, MouseEditsRunTheChain) {
    form->dfSpinEdit->SetValue(12);
    struct Case {
        const char* why;
        std::function<void(LineEdit*)> edit;
        const char* expectedValue;
    } cases[] = {
        {"paste from the context menu",
         [](LineEdit* e) {
             QGuiApplication::clipboard()->setText("23.5");
             e->selectAll();
             e->paste();  // what the menu's Paste action calls
         },
         "23.5"},
        {"drop of dragged text",
         [](LineEdit* e) {
             e->selectAll();
             e->del();  // an edit of its own
             QMimeData data;
             data.setText("7.25");
             QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(e, &enter);
             QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(e, &drop);
         },
         "7.25"},
        {"undo from the menu", [](LineEdit* e) { e->undo(); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        form->valueEdit->setFocus();
        c.edit(form->valueEdit);
        if (*c.expectedValue) {
            EXPECT_EQ(form->valueEdit->text(), c.expectedValue);
        }
        EXPECT_EQ(form->valueEdit->text().toStdString(), form->Core().Text(Field::Value));
        ExpectAgreement();
    }
    EXPECT_TRUE(NewMessages().empty());
}

// The Return that closes an error box is released in the field: that
// release, and keys that leave the bad text as it is, show no new box.
TEST_F(TruthTest, AnErrorBoxDoesNotComeBack) {
    Retype(form->valueEdit, "+");
    ASSERT_EQ(NewMessages().size(), 1u);
    QTest::sendKeyEvent(QTest::Release, form->valueEdit, Qt::Key_Return, '\r', Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, form->valueEdit, Qt::Key_Escape, 27, Qt::NoModifier);
    QTest::keyClick(form->valueEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->valueEdit, Qt::Key_Home);
    QTest::keyClick(form->valueEdit, Qt::Key_Right);
    EXPECT_EQ(NewMessages().size(), 1u);
    QTest::keyClick(form->valueEdit, '5');  // "+5": fine
    QTest::keyClick(form->valueEdit, Qt::Key_Backspace);  // "+" again: a new change, a new box
    EXPECT_EQ(NewMessages().size(), 2u);
}

TEST_F(TruthTest, SpaceOnAFreezeBoxChangesTheMode) {
    struct Step {
        CheckBox* CalculatorWindow::*box;
        bool valueFrozen;
    } steps[] = {{&CalculatorWindow::keepValueBox, true}, {&CalculatorWindow::keepValueBox, false},
                 {&CalculatorWindow::keepCdfBox, true},   {&CalculatorWindow::keepCdfBox, false}};
    for (const auto& s : steps) {
        (form.get()->*s.box)->setFocus();
        QTest::keyClick(form.get()->*s.box, Qt::Key_Space);
        EXPECT_EQ(form->keepValueBox->isChecked(), s.valueFrozen);
        EXPECT_EQ(form->keepCdfBox->isChecked(), !s.valueFrozen);
        EXPECT_EQ(form->Core().ValueFrozen(), s.valueFrozen);
        EXPECT_EQ(form->keepValueBox->toolTip(), s.valueFrozen ? "Stays constant when changing degrees of freedom"
                                                                : "Click to freeze when changing degrees of freedom");
    }
}

TEST_F(TruthTest, FrozenCdfAtZeroThenAnotherDf) {
    QTest::mouseClick(form->keepValueBox, Qt::LeftButton, {}, QPoint(7, 7));
    Retype(form->valueEdit, "23.5");
    SetDf("300");
    EXPECT_EQ(form->cdfEdit->text(), "0.000000");
    QTest::mouseClick(form->keepCdfBox, Qt::LeftButton, {}, QPoint(7, 7));
    form->dfSpinEdit->SetValue(12);  // in one step, as Page Down or the arrows would
    EXPECT_EQ(form->valueEdit->text(), "23.5");
    EXPECT_EQ(form->cdfEdit->text(), "0.976231");
    EXPECT_EQ(form->upperTailEdit->text(), "0.023769");
    ExpectAgreement();
}

// Typing 2000 on the way to a correction: right numbers, no box.
TEST_F(TruthTest, DfTypedFarAboveTheMaximum) {
    SetDf("2000");
    EXPECT_TRUE(NewMessages().empty());
    EXPECT_EQ(form->valueEdit->text(), Fixed(ChiSquareQuantile(2000, 0.95L)));
    ExpectAgreement();
    SetDf("65535");
    EXPECT_TRUE(NewMessages().empty());
    ExpectAgreement();
    form->cdfEdit->setFocus();  // the spin edit corrects itself
    EXPECT_EQ(form->dfSpinEdit->text(), "300");
    ExpectAgreement();
}

// Destroying the visible window with the focus in a df above 300 runs no
// handler of ours on the half-destroyed window.
TEST_F(TruthTest, DestroyedWhileADfAboveTheMaximumHasTheFocus) {
    SetDf("500");
    const std::size_t before = ShownMessages().size();
    form.reset();
    EXPECT_EQ(ShownMessages().size(), before);
}

}  // namespace
}  // namespace tarvik::test
