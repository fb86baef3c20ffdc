// The power window as a person uses it, offscreen: opened from the
// calculator, typed into, refused with the field named, w taken from
// proportions, its charts filled and saved, its results copied as the
// command line prints them.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "calc/command_request.h"
#include "chart/chart.h"
#include "tests/window/window_fixture.h"
#include "window/chart_file_dialog.h"
#include "window/power_window.h"
#include "window/proportions_box.h"

namespace tarvik::test {
namespace {

class PowerWindowTest : public WindowTest {
protected:
    PowerWindow* Open() {
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        PowerWindow* w = form->Power();
        EXPECT_TRUE(w && w->isVisible());
        return w;
    }
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
};

TEST_F(PowerWindowTest, TypingSolvesNAndItsPowerIsTheCommandLines) {
    PowerWindow* w = Open();
    ASSERT_TRUE(w);
    w->dfBox->setValue(2);
    Type(w->effectEdit, "0.3");
    Type(w->alphaEdit, "0.05");
    Type(w->powerEdit, "0.8");
    EXPECT_EQ(w->sampleSizeEdit->text(), "108");
    EXPECT_TRUE(w->sampleSizeEdit->isReadOnly());
    EXPECT_FALSE(w->powerEdit->isReadOnly());
    // Copy results gives the command line's own line for the same question.
    const std::string line =
        AnswerText(ReadCommandLine({"--df", "2", "--effect", "0.3", "--alpha", "0.05", "--power", "0.8"}));
    w->copyResultsButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString().substr(0, line.size()), line);
    EXPECT_TRUE(w->resultsLabel->text().contains("power reached at N = 108: 0.803694")) << w->resultsLabel->text().toStdString();

    // Solved for the power instead: N is typed, the power follows.
    w->SetSolved(PowerField::Power);
    EXPECT_TRUE(w->powerEdit->isReadOnly());
    // The solved field lies on the window's ground; the one solved before
    // is a field to type in again, on the field's own ground.
    EXPECT_EQ(w->powerEdit->palette().color(QPalette::Base), w->palette().color(QPalette::Window));
    EXPECT_EQ(w->sampleSizeEdit->palette().color(QPalette::Base), w->palette().color(QPalette::Base));
    Type(w->sampleSizeEdit, "108");
    EXPECT_EQ(w->powerEdit->text(), "0.803694");
    // And for w: the w that gives that power at N = 108 lies just below 0.3.
    w->SetSolved(PowerField::EffectSize);
    Type(w->powerEdit, "0.8");
    ASSERT_TRUE(w->Answer());
    EXPECT_LT(w->Answer()->w, 0.3_r);
    EXPECT_GT(w->Answer()->w, 0.29_r);
}

TEST_F(PowerWindowTest, BadInputNamesTheFieldAndKeepsTheLastAnswer) {
    PowerWindow* w = Open();
    ASSERT_TRUE(w);
    const QString n = w->sampleSizeEdit->text();
    const struct Case {
        MarkedLineEdit* PowerWindow::*field;
        const char* text;
        const char* problem;
    } cases[] = {
        {&PowerWindow::effectEdit, "0", "Effect size w must be above 0."},
        {&PowerWindow::effectEdit, "-0.2", "Effect size w must be above 0."},
        {&PowerWindow::alphaEdit, "abc", "Alpha is not a number."},
        {&PowerWindow::alphaEdit, "1", "Alpha must lie between 0 and 1."},
        {&PowerWindow::powerEdit, "0.01", "Power must be above alpha."},
        {&PowerWindow::powerEdit, "", "Power is not a number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Type(w->*c.field, c.text);
        EXPECT_EQ(w->problemLabel->text().toStdString(), c.problem);
        EXPECT_FALSE(w->problemLabel->isHidden());
        EXPECT_TRUE((w->*c.field)->IsMarked());
        EXPECT_EQ((w->*c.field)->accessibleDescription().toStdString(), c.problem);
        EXPECT_EQ(w->sampleSizeEdit->text(), n);  // the last answer stays
        EXPECT_FALSE(w->copyResultsButton->isEnabled());
        EXPECT_TRUE(w->resultsLabel->text().startsWith("Still for the last good numbers"));
        Type(w->*c.field, c.field == &PowerWindow::effectEdit ? "0.3" : c.field == &PowerWindow::alphaEdit ? "0.05" : "0.8");
        EXPECT_TRUE(w->problemLabel->isHidden());
        EXPECT_FALSE((w->*c.field)->IsMarked());
    }
    // Nothing reaches the power: the solved field's own sentence.
    Type(w->effectEdit, "0.0001");
    Type(w->powerEdit, "0.999999");
    EXPECT_EQ(w->problemLabel->text().toStdString(), "No N up to 1000000000 reaches this power.");
}

TEST_F(PowerWindowTest, EffectSizeFromProportions) {
    PowerWindow* w = Open();
    ASSERT_TRUE(w);
    w->proportionsBox->setChecked(true);  // unfolded: its controls come alive
    const struct Case {
        bool table;
        const char *expected, *alternative, *label;
        int df;
    } cases[] = {
        // sqrt(sum (p1 - 1/4)^2 / (1/4)) = sqrt(0.2); the 2 x 2 table's phi is sqrt(1/6).
        {false, "", "0.1 0.2 0.3 0.4", "w = 0.447214 with df 3", 3},
        {false, "1 1 2", "20; 20; 60", "w = 0.200000 with df 2", 2},
        {true, "", "0.3 0.2\n0.1 0.4", "w = 0.408248 with df 1", 1},
        {false, "", "0.1 x", "H1 proportion 2 'x' is not a number.", 0},
        {false, "0.5 0.5", "0.2 0.3 0.5", "H0 has 2 proportions, H1 3.", 0},
        {true, "", "1 2 3\n4 5", "Row 2 has 2 cells, row 1 has 3.", 0},
        {true, "", "1 0\n2 0", "Column 2 adds up to 0.", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        (c.table ? w->proportionsBox->independenceButton : w->proportionsBox->goodnessButton)->setChecked(true);
        w->proportionsBox->expectedEdit->setText(c.expected);
        if (c.table) {
            w->proportionsBox->cellsEdit->setPlainText(c.alternative);
        } else {
            w->proportionsBox->alternativeEdit->setText(c.alternative);
        }
        EXPECT_EQ(w->proportionsBox->resultLabel->text().toStdString(), c.label);
        EXPECT_EQ(w->proportionsBox->useButton->isEnabled(), c.df > 0);
        if (c.df > 0) {
            w->proportionsBox->useButton->click();
            EXPECT_EQ(w->dfBox->value(), c.df);
            EXPECT_TRUE(w->Answer());
            EXPECT_EQ(FormatFixed(w->Answer()->w), std::string(c.label).substr(4, 8));
        }
    }
}

TEST_F(PowerWindowTest, ChartsShowTheAnswerAndAreSaved) {
    PowerWindow* w = Open();
    ASSERT_TRUE(w);
    ASSERT_TRUE(w->Answer());
    const PowerAnswer a = *w->Answer();
    // The alpha region starts at the critical value; the chosen point is N.
    const auto& alpha = w->hypothesesChart->Series(0)->Points();
    ASSERT_FALSE(alpha.empty());
    EXPECT_DOUBLE_EQ(alpha.front().X, double(a.critical));
    const auto& chosen = w->curveChart->Series(1)->Points();
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_DOUBLE_EQ(chosen.front().X, double(a.n));
    QTemporaryDir dir;
    const QString svg = dir.filePath("hypotheses.svg"), png = dir.filePath("curve.png");
    w->SaveChartTo(*w->hypothesesChart, svg, 1, 1);
    w->SaveChartTo(*w->curveChart, png, 0, 2);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<svg"));
    EXPECT_EQ(QImage(png).width(), 2 * w->curveChart->width());
}

// At every size down to the window's smallest, no control runs into
// another: each keeps the room its size hint asks, and the window scrolls.
// Squeezed into 320 x 360, the legend had lain over the hypotheses chart.
TEST_F(PowerWindowTest, NoControlOverlapsAnotherAtAnySize) {
    PowerWindow* w = Open();
    ASSERT_TRUE(w);
    // Each design at each size: their fields take the same rows.
    for (int design = 0; design < w->designBox->count(); ++design) {
        for (const QSize size : {QSize(640, 720), QSize(480, 480), w->minimumSize()}) {
            SCOPED_TRACE(std::to_string(design) + ": " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
            w->designBox->setCurrentIndex(design);
            w->resize(size);
            QApplication::processEvents();
            QList<QWidget*> controls;
            for (QWidget* child : w->findChildren<QWidget*>())
                if (child->isVisible() && (qobject_cast<QLabel*>(child) || qobject_cast<QLineEdit*>(child) ||
                                           qobject_cast<QAbstractButton*>(child) || qobject_cast<QComboBox*>(child) ||
                                           qobject_cast<QAbstractSpinBox*>(child) || dynamic_cast<Chart*>(child)) &&
                    !qobject_cast<QAbstractSpinBox*>(child->parentWidget()) && !qobject_cast<QComboBox*>(child->parentWidget()))
                    controls << child;
            ASSERT_GE(controls.size(), 10);
            for (int i = 0; i < controls.size(); ++i)
                for (int j = i + 1; j < controls.size(); ++j) {
                    const QRect a(controls[i]->mapTo(w, QPoint(0, 0)), controls[i]->size());
                    const QRect b(controls[j]->mapTo(w, QPoint(0, 0)), controls[j]->size());
                    EXPECT_FALSE(a.intersects(b)) << controls[i]->metaObject()->className() << " "
                                                  << controls[i]->accessibleName().toStdString() << " and "
                                                  << controls[j]->metaObject()->className() << " "
                                                  << controls[j]->accessibleName().toStdString();
                }
        }
    }
}

TEST(ChartFileDialog, ATypedExtensionDecidesTheFormat) {
    const struct Case {
        const char* typed;
        int filter;  // 0 PNG, 1 PNG at 2x, 2 SVG
        const char* path;
        ChartFormat format;
        int scale;
    } cases[] = {
        {"/tmp/chart1.svg", 0, "/tmp/chart1.svg", ChartFormat::Svg, 1},  // not chart1.svg.png
        {"/tmp/chart1.SVG", 1, "/tmp/chart1.SVG", ChartFormat::Svg, 1},
        {"/tmp/chart1.png", 2, "/tmp/chart1.png", ChartFormat::Png, 1},
        {"/tmp/chart1.png", 1, "/tmp/chart1.png", ChartFormat::Png, 2},
        {"/tmp/chart1", 2, "/tmp/chart1.svg", ChartFormat::Svg, 1},
        {"/tmp/chart.v2", 0, "/tmp/chart.v2.png", ChartFormat::Png, 1},
        {"/tmp/print", 3, "/tmp/print.png", ChartFormat::Png, 2},
        {"/tmp/print.svg", 3, "/tmp/print.svg", ChartFormat::Svg, 1},
    };
    for (const Case& c : cases) {
        const ChartFileChoice got = ChartFileOf(c.typed, c.filter);
        EXPECT_EQ(got.path.toStdString(), c.path);
        EXPECT_EQ(got.format, c.format) << c.typed;
        EXPECT_EQ(got.scale, c.scale) << c.typed;
        EXPECT_EQ(got.whiteBackground, c.filter >= 3) << c.typed;
    }
    // A folder as the system writes it: "/tmp" is no whole path on Windows.
    RememberSaveFolder(QDir::tempPath() + "/some-file.png");
    EXPECT_EQ(LastSaveFolder(), QDir::tempPath());
}

// Escape closes what is open inside a window first: the drop-down, then
// the window.
TEST_F(PowerWindowTest, EscapeClosesTheDropDownBeforeTheWindow) {
    PowerWindow* w = Open();
    ASSERT_TRUE(w);
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->curveAxisBox->setFocus();
    w->curveAxisBox->showPopup();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_TRUE(popup);
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_FALSE(QApplication::activePopupWidget());
    EXPECT_TRUE(w->isVisible());
    QTest::keyClick(w->effectEdit, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace tarvik::test
