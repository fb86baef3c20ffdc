#include "window/variance_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "tests/window/window_fixture.h"
#include "window/calculator_window.h"

namespace tarvik::test {
namespace {

class VarianceWindowTest : public WindowTest {};

// Ctrl+Shift+V opens it; each case's lines against R (qchisq, pchisq):
// 19 x 4.2 / qchisq(0.975, 19) = 2.429052, and so on.
TEST_F(VarianceWindowTest, IntervalsAndTestsAsRGivesThem) {
    QTest::keyClick(form.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    VarianceWindow* w = form->Variance();
    ASSERT_TRUE(w && w->isVisible());
    const struct {
        int given;  // 0 the variance, 1 the standard deviation
        const char *value, *level, *null;
        int n;
        std::vector<const char*> lines;
    } cases[] = {
        {0, "4.2", "0.95", "", 20, {"95 % interval for \u03c3\u00b2: 2.429052 to 8.959732"}},
        {1, "2", "0.90", "", 10, {"90 % interval for \u03c3\u00b2: 2.127788 to 10.826700", "90 % interval for \u03c3: 1.458694 to "}},
        {0, "4.2", "0.95", "3", 20, {"= 26.600000", "p = 0.885679 (\u03c3\u00b2 below \u03c3\u2080\u00b2), 0.114321 (above); two-sided 0.228642"}},
    };
    for (const auto& c : cases) {
        w->givenBox->setCurrentIndex(c.given);
        w->givenEdit->setText(c.value);
        w->levelEdit->setText(c.level);
        w->nullEdit->setText(c.null);
        w->sizeBox->setValue(c.n);
        for (const char* line : c.lines)
            EXPECT_TRUE(w->resultsLabel->text().contains(QString::fromUtf8(line))) << line << "\n" << w->resultsLabel->text().toStdString();
    }
    // What cannot be read is named, and nothing is shown from it.
    const struct {
        QLineEdit* edit;
        const char* text;
        const char* problem;
    } bad[] = {
        {w->givenEdit, "0", "Sample variance s\u00b2 is a number above 0."},
        {w->levelEdit, "1", "The confidence level is a number between 0 and 1."},
        {w->nullEdit, "-2", "\u03c3\u2080\u00b2 to test against is a number above 0, or empty."},
    };
    w->givenBox->setCurrentIndex(0);
    for (const auto& c : bad) {
        const QString before = c.edit->text();
        c.edit->setText(c.text);
        EXPECT_EQ(w->problemLabel->text(), QString::fromUtf8(c.problem));
        EXPECT_FALSE(w->Question());
        EXPECT_FALSE(w->copyResultsButton->isEnabled());
        c.edit->setText(before);
        EXPECT_TRUE(w->Question());
    }
}

}  // namespace
}  // namespace tarvik::test
