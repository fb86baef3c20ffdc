// The calculator as a desktop program: what a screen reader hears, the
// keyboard and the wheel, the window's size, and precision on demand.
#include <QAccessible>
#include <QMenu>
#include <QWheelEvent>
#include <cmath>
#include <sstream>

#include "calc/results_text.h"
#include "core/decimal_digits.h"
#include <QShortcut>

#include "tests/window/window_fixture.h"
#include "window/table_window.h"
#include "window/power_window.h"
#include "window/critical_values_window.h"
#include "resources/help_text.h"

namespace tarvik::test {
namespace {

QString Accessible(QObject* o, QAccessible::Text what) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(what) : QString("<no interface>");
}

// By the text shown, without the mnemonic and the shortcut ("&Paste\tCtrl+V").
QAction* Find(QMenu& menu, const QString& text) {
    for (QAction* a : menu.actions())
        if (a->text().section('\t', 0, 0).remove('&') == text) return a;
    return nullptr;
}

void Wheel(QWidget* w, int eighthsOfADegree) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, eighthsOfADegree), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
}

// Every control is named as a sighted user reads it beside it.
TEST_F(WindowTest, AccessibleNames) {
    struct Case {
        QWidget* control;
        QString name;
    } cases[] = {
        {form->dfSpinEdit, "Degrees of freedom"},
        {form->valueEdit, "Chi-square value"},
        {form->cdfEdit, "Cumulative distribution function"},
        {form->upperTailEdit, "Upper tail probability"},
        {form->helpButton, "Help"},
        {form->keepValueBox, "Keep the chi-square value when the degrees of freedom change"},
        {form->keepCdfBox, "Keep the cumulative probability when the degrees of freedom change"},
        {form->dfSpinEdit->SpinButton()->UpArrow(), "Increase"},
        {form->dfSpinEdit->SpinButton()->DownArrow(), "Decrease"},
        {form->densityLabel, "Probability density function: 0.029819"},
        {form->densityChart, "Density chart"},
        {help->helpText, "Help text"},
    };
    for (const auto& c : cases) EXPECT_EQ(Accessible(c.control, QAccessible::Name), c.name) << c.name.toStdString();
    // The captions on screen are the designed ones, untouched.
    EXPECT_EQ(form->cdfCaption->text(), "Cumulative distribution function : ");
}

// The chart's description follows each redraw; the density's name its value.
TEST_F(WindowTest, TheChartDescribesWhatItShows) {
    EXPECT_EQ(Accessible(form->densityChart, QAccessible::Description).toStdString(),
              "Chi-square density for df 1 at x = 3.841459, P(X<=x) = 0.950000; shaded upper tail P(X > x) = 0.050000");
    form->dfSpinEdit->SetValue(12);
    Retype(form->valueEdit, "23.5");
    EXPECT_EQ(Accessible(form->densityChart, QAccessible::Description).toStdString(),
              "Chi-square density for df 12 at x = 23.500000, P(X<=x) = 0.976231; shaded upper tail P(X > x) = 0.023769");
    EXPECT_EQ(Accessible(form->densityLabel, QAccessible::Name).toStdString(), "Probability density function: 0.007362");
}

TEST_F(WindowTest, F1OpensTheHelpAndEscapeOrCtrlWClosesIt) {
    for (const QKeyCombination close : {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::CTRL | Qt::Key_W)}) {
        // A window manager gives the activation back to the calculator
        // when the help closes; the offscreen platform needs telling.
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form->valueEdit, Qt::Key_F1);
        ASSERT_TRUE(help->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help.get()));
        help->helpText->setFocus();
        QTest::keyClick(help->helpText, close.key(), close.keyboardModifiers());
        EXPECT_FALSE(help->isVisible()) << QKeySequence(close).toString().toStdString();
    }
    EXPECT_EQ(NewBeeps(), 0);
}

// F1 in each side window opens the help at that window's paragraph.
TEST_F(WindowTest, F1InASideWindowOpensTheHelpAtItsParagraph) {
    form->ShowCriticalValues();
    form->ShowPower();
    form->ShowTableTest();
    const std::pair<QWidget*, HelpTopic> windows[] = {{form->CriticalValues(), HelpTopic::CriticalValues},
                                                      {form->Power(), HelpTopic::Power},
                                                      {form->TableTest(), HelpTopic::TableTest}};
    for (const auto& [window, topic] : windows) {
        help->close();
        // Which window is active the offscreen platform does not say as a
        // desktop does (tests/desktop presses F1 on the real one): the
        // window's own F1 is pressed here.
        QShortcut* f1 = nullptr;
        for (QShortcut* s : window->findChildren<QShortcut*>())
            if (s->key() == QKeySequence(Qt::Key_F1)) f1 = s;
        ASSERT_TRUE(f1);
        emit f1->activated();
        EXPECT_TRUE(help->isVisible());
        EXPECT_GT(HelpTopicLine(topic), 0);
        EXPECT_EQ(help->helpText->textCursor().blockNumber(), HelpTopicLine(topic));
    }
    // Opened one after another, they stand apart, not one over the other.
    EXPECT_NE(form->CriticalValues()->pos(), form->Power()->pos());
    EXPECT_NE(form->Power()->pos(), form->TableTest()->pos());
    EXPECT_NE(form->CriticalValues()->pos(), form->TableTest()->pos());
}

// Ctrl+A, C, X, V and Z work in the df field as in the other fields; only a
// pasted text that is not a whole number is refused, with the beep.
TEST_F(WindowTest, EditingKeysInTheDfField) {
    SpinEdit* df = form->dfSpinEdit;
    df->setFocus();
    df->SetValue(12);
    QTest::keyClick(df, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(df->selectedText(), "12");
    QTest::keyClick(df, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12");
    QTest::keyClick(df, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(df->text(), "");
    QTest::keyClick(df, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(df->text(), "12");
    EXPECT_EQ(NewBeeps(), 0);

    struct Case {
        QString pasted, after;
        bool beep;
        const char* why;
    } cases[] = {
        {"25", "25", false, "a whole number replaces the selection"},
        {"abc", "12", true, "letters"},
        {"2.5", "12", true, "not whole"},
        {" 7\n", "7", false, "blanks and a line end around it, as a spreadsheet cell: trimmed"},
        {"7 1", "12", true, "a blank inside"},
        {"-3", "12", true, "a sign"},
    };
    for (const auto& c : cases) {
        df->SetValue(12);
        df->selectAll();
        QGuiApplication::clipboard()->setText(c.pasted);
        const int before = BeepCount();
        QTest::keyClick(df, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(df->text(), c.after) << c.why;
        EXPECT_EQ(BeepCount() - before, c.beep ? 1 : 0) << c.why;
    }
    // The accepted paste ran the df chain: the value follows the frozen cdf.
    df->SetValue(12);
    df->selectAll();
    QGuiApplication::clipboard()->setText("10");
    QTest::keyClick(df, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->valueEdit->text(), "18.307038");
    // Enter and letters are refused with the beep, as before.
    const int before = BeepCount();
    QTest::keyClick(df, Qt::Key_Return);
    QTest::keyClick(df, Qt::Key_Q);
    EXPECT_EQ(BeepCount() - before, 2);
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, TheWheelStepsTheDfField) {
    SpinEdit* df = form->dfSpinEdit;
    df->SetValue(10);
    struct Case {
        int delta;
        int df;
        const char* why;
    } cases[] = {
        {120, 11, "one notch up"},     {-240, 9, "two notches down"}, {40, 9, "a third of a notch: nothing yet"},
        {40, 9, "two thirds"},         {40, 10, "a whole notch from a touchpad"},
    };
    for (const auto& c : cases) {
        Wheel(df, c.delta);
        EXPECT_EQ(df->Value(), c.df) << c.why;
    }
    df->SetValue(300);
    Wheel(df, 120);
    EXPECT_EQ(df->Value(), 300) << "the maximum holds";
    df->SetValue(1);
    Wheel(df, -120);
    EXPECT_EQ(df->Value(), 1) << "the minimum holds";
}

// The design size is the smallest; a larger window gives its room to the chart.
TEST_F(WindowTest, EnlargingGrowsTheChartOnly) {
    EXPECT_EQ(form->minimumSize(), QSize(632, 253));
    std::vector<QRect> controls;
    const std::vector<QWidget*> fixed = {form->dfSpinEdit, form->valueEdit, form->cdfEdit, form->upperTailEdit,
                                         form->helpButton,    form->keepValueBox, form->keepCdfBox, form->densityLabel};
    for (QWidget* w : fixed) controls.push_back(w->geometry());
    EXPECT_EQ(form->densityChart->geometry(), QRect(335, 7, 275, 240));
    form->resize(932, 553);
    QApplication::processEvents();
    EXPECT_EQ(form->densityChart->geometry(), QRect(335, 7, 575, 540));
    EXPECT_EQ(form->background->geometry(), form->rect());
    for (std::size_t i = 0; i < fixed.size(); ++i) EXPECT_EQ(fixed[i]->geometry(), controls[i]) << i;
    form->resize(632, 253);
    QApplication::processEvents();
    EXPECT_EQ(form->densityChart->geometry(), QRect(335, 7, 275, 240));
}

// df 1 at chi-square 40: the upper tail shows 0.000000; its tooltip gives
// erfc(sqrt(20)) = 2.53963e-10, and the full Real that reads back exactly.
TEST_F(WindowTest, PrecisionOnDemand) {
    Retype(form->valueEdit, "40");
    EXPECT_EQ(form->upperTailEdit->text(), "0.000000");
    const Results r = form->Core().CurrentResults();
    const Real reference = std::erfc(std::sqrt(20.0L));
    // Kept apart from 1 - cdf, the upper tail has its full relative precision.
    EXPECT_NEAR(double(r.upper / reference), 1.0, 1e-17);
    const QStringList tip = form->upperTailEdit->toolTip().split('\n');
    ASSERT_EQ(tip.size(), 2);
    EXPECT_EQ(tip[0], QString::fromStdString(FormatScientific(reference, 6)) + "  (6 significant digits)");
    EXPECT_EQ(tip[0], "2.53963e-10  (6 significant digits)");
    Real full = 0;
    ASSERT_TRUE(ParseCanonical(tip[1].section(' ', 0, 0).toStdString(), full)) << tip[1].toStdString();
    EXPECT_EQ(full, r.upper);

    // Each field's menu copies its number at full precision.
    struct Case {
        LineEdit* field;
        Real number;
    } cases[] = {{form->valueEdit, r.value}, {form->cdfEdit, r.cdf}, {form->upperTailEdit, r.upper}};
    for (const auto& c : cases) {
        std::unique_ptr<QMenu> menu = c.field->ContextMenu();
        ASSERT_TRUE(Find(*menu, "Paste")) << "the standard entries stay";
        QAction* copy = Find(*menu, "Copy full precision");
        ASSERT_TRUE(copy);
        copy->trigger();
        Real copied = -1;
        ASSERT_TRUE(TryTextToReal(QGuiApplication::clipboard()->text().toStdString(), copied));
        EXPECT_EQ(copied, c.number) << c.field->accessibleName().toStdString();
    }
    std::unique_ptr<QMenu> density = form->DensityMenu();
    ASSERT_TRUE(Find(*density, "Copy full precision"));
    Find(*density, "Copy full precision")->trigger();
    Real copied = -1;
    ASSERT_TRUE(TryTextToReal(QGuiApplication::clipboard()->text().toStdString(), copied));
    EXPECT_EQ(copied, r.density);
    EXPECT_TRUE(form->densityLabel->toolTip().endsWith("(full precision)"));
    // The fields keep their six decimals.
    EXPECT_EQ(form->cdfEdit->text(), "1.000000");
}

TEST_F(WindowTest, CopyResultsFromTheKeyboardAndTheMenu) {
    form->dfSpinEdit->SetValue(12);
    Retype(form->valueEdit, "23.5");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(form->valueEdit, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "df=12  x=23.500000  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362");
    EXPECT_EQ(lines[1].toStdString(),
              ResultsLine(form->Core().CurrentResults(), [](Real v) { return FormatFullPrecision(v, FormatSettings{}); }));
    EXPECT_EQ(form->valueEdit->text(), "23.5") << "the shortcut typed nothing";

    QGuiApplication::clipboard()->clear();
    std::unique_ptr<QMenu> menu = form->cdfEdit->ContextMenu();
    ASSERT_TRUE(Find(*menu, "Copy results"));
    Find(*menu, "Copy results")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("df=12  x=23.500000  P(X<=x)=0.976231"));
    EXPECT_EQ(NewBeeps(), 0);
    EXPECT_TRUE(NewMessages().empty());
}

}  // namespace
}  // namespace tarvik::test
