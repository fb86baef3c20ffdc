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
        const auto typing = form->Calculator().Typing();
        ShownNumbers n{form->dfAdvSpinEdit->Value(),           form->X2ValueEdit->text().toStdString(),
                       form->CdfEdit->text().toStdString(),     form->UpperTailEdit->text().toStdString(),
                       form->PdfLabel->text().toStdString(),    typing ? int(*typing) : -1};
        const auto why = Disagreement(n);
        EXPECT_FALSE(why) << *why;
    }
    void SetDf(const QString& digits) {
        form->dfAdvSpinEdit->setFocus();
        form->dfAdvSpinEdit->selectAll();
        QTest::keyClicks(form->dfAdvSpinEdit, digits);
    }
};

// Every way the mouse changes a field runs that field's chain once.
TEST_F(TruthTest, MouseEditsRunTheChain) {
    form->dfAdvSpinEdit->SetValue(12);
    struct Case {
        const char* why;
        std::function<void(TEdit*)> edit;
        const char* expectedValue;
    } cases[] = {
        {"paste from the context menu",
         [](TEdit* e) {
             QGuiApplication::clipboard()->setText("23.5");
             e->selectAll();
             e->paste();  // what the menu's Paste action calls
         },
         "23.5"},
        {"drop of dragged text",
         [](TEdit* e) {
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
        {"undo from the menu", [](TEdit* e) { e->undo(); }, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        form->X2ValueEdit->setFocus();
        c.edit(form->X2ValueEdit);
        if (*c.expectedValue) {
            EXPECT_EQ(form->X2ValueEdit->text(), c.expectedValue);
        }
        EXPECT_EQ(form->X2ValueEdit->text().toStdString(), form->Calculator().Text(TField::Value));
        ExpectAgreement();
    }
    EXPECT_TRUE(NewMessages().empty());
}

// The Return that closes an error box is released in the field: that
// release, and keys that leave the bad text as it is, show no new box.
TEST_F(TruthTest, AnErrorBoxDoesNotComeBack) {
    Retype(form->X2ValueEdit, "+");
    ASSERT_EQ(NewMessages().size(), 1u);
    QTest::sendKeyEvent(QTest::Release, form->X2ValueEdit, Qt::Key_Return, '\r', Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, form->X2ValueEdit, Qt::Key_Escape, 27, Qt::NoModifier);
    QTest::keyClick(form->X2ValueEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(form->X2ValueEdit, Qt::Key_Home);
    QTest::keyClick(form->X2ValueEdit, Qt::Key_Right);
    EXPECT_EQ(NewMessages().size(), 1u);
    QTest::keyClick(form->X2ValueEdit, '5');  // "+5": fine
    QTest::keyClick(form->X2ValueEdit, Qt::Key_Backspace);  // "+" again: a new change, a new box
    EXPECT_EQ(NewMessages().size(), 2u);
}

TEST_F(TruthTest, SpaceOnAFreezeBoxChangesTheMode) {
    struct Step {
        TCheckBox* TForm1::*box;
        bool valueFrozen;
    } steps[] = {{&TForm1::ValueCheckBox, true}, {&TForm1::ValueCheckBox, false},
                 {&TForm1::CdfCheckBox, true},   {&TForm1::CdfCheckBox, false}};
    for (const auto& s : steps) {
        (form.get()->*s.box)->setFocus();
        QTest::keyClick(form.get()->*s.box, Qt::Key_Space);
        EXPECT_EQ(form->ValueCheckBox->isChecked(), s.valueFrozen);
        EXPECT_EQ(form->CdfCheckBox->isChecked(), !s.valueFrozen);
        EXPECT_EQ(form->Calculator().ValueFrozen(), s.valueFrozen);
        EXPECT_EQ(form->ValueCheckBox->toolTip(), s.valueFrozen ? "Stays constant when changing degrees of freedom"
                                                                : "Click to freeze when changing degrees of freedom");
    }
}

TEST_F(TruthTest, FrozenCdfAtZeroThenAnotherDf) {
    QTest::mouseClick(form->ValueCheckBox, Qt::LeftButton, {}, QPoint(7, 7));
    Retype(form->X2ValueEdit, "23.5");
    SetDf("300");
    EXPECT_EQ(form->CdfEdit->text(), "0.000000");
    QTest::mouseClick(form->CdfCheckBox, Qt::LeftButton, {}, QPoint(7, 7));
    form->dfAdvSpinEdit->SetValue(12);  // in one step, as Page Down or the arrows would
    EXPECT_EQ(form->X2ValueEdit->text(), "23.5");
    EXPECT_EQ(form->CdfEdit->text(), "0.976231");
    EXPECT_EQ(form->UpperTailEdit->text(), "0.023769");
    ExpectAgreement();
}

// Typing 2000 on the way to a correction: right numbers, no box.
TEST_F(TruthTest, DfTypedFarAboveTheMaximum) {
    SetDf("2000");
    EXPECT_TRUE(NewMessages().empty());
    EXPECT_EQ(form->X2ValueEdit->text(), Fixed(ChiSquareQuantile(2000, 0.95L)));
    ExpectAgreement();
    SetDf("65535");
    EXPECT_TRUE(NewMessages().empty());
    ExpectAgreement();
    form->CdfEdit->setFocus();  // the spin edit corrects itself
    EXPECT_EQ(form->dfAdvSpinEdit->text(), "300");
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
