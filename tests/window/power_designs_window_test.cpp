// The power window's designs as a person uses them, offscreen: McNemar's
// and two proportions' fields typed, solved as the command line solves
// them, refused naming the field; w from Cramer's V, an odds ratio and
// groups' proportions taken into Cohen's fields.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "calc/command_request.h"
#include "controls/marked_line_edit.h"
#include "tests/support/record_fields.h"
#include "tests/window/window_fixture.h"
#include "window/design_fields.h"
#include "window/power_window.h"
#include "window/proportions_box.h"

namespace tarvik::test {
namespace {

class PowerDesignsTest : public WindowTest {
protected:
    PowerWindow* Open() {
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        return form->Power();
    }
    static void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static std::map<std::string, std::string> Line(const std::vector<std::string>& args) {
        return RecordFields(AnswerText(ReadCommandLine(args)));
    }
};

// Each design's solved field and results line are the command line's.
TEST_F(PowerDesignsTest, EachDesignSolvesAsTheCommandLine) {
    PowerWindow* w = Open();
    ASSERT_TRUE(w);
    const struct Case {
        int design, solve;  // the boxes' rows
        std::vector<std::pair<QLineEdit*, const char*>> typed;
        std::vector<std::string> args;
        QLineEdit* solved;
        const char *key, *inResults;
    } cases[] = {
        {1, 0, {{w->designFields->p10Edit, "0.25"}, {w->designFields->p01Edit, "0.1"}, {w->powerEdit, "0.8"}},
         {"--design", "mcnemar", "--p10", "0.25", "--p01", "0.1", "--alpha", "0.05", "--power", "0.8"},
         w->sampleSizeEdit, "N", "the exact (binomial) test's power at N = 123: 0.781188"},
        // The ratio typed sets p10: 2.5 x 0.1.
        {1, 1, {{w->designFields->pairRatioEdit, "2.5"}, {w->sampleSizeEdit, "100"}},
         {"--design", "mcnemar", "--p10", "0.25", "--p01", "0.1", "--alpha", "0.05", "--n", "100"}, w->powerEdit, "power",
         "at N = 100: 0.674288"},
        {2, 0, {{w->designFields->p1Edit, "0.25"}, {w->designFields->p2Edit, "0.4"}, {w->powerEdit, "0.8"}},
         {"--design", "two-proportions", "--p1", "0.25", "--p2", "0.4", "--alpha", "0.05", "--power", "0.8"},
         w->sampleSizeEdit, "n1", "n1 = 152, n2 = 152, N = 304 in all"},
        {2, 2, {{w->designFields->groupRatioEdit, "2"}, {w->sampleSizeEdit, "100"}},
         {"--design", "two-proportions", "--p1", "0.25", "--ratio", "2", "--alpha", "0.05", "--power", "0.8", "--n", "100"},
         w->designFields->p2Edit, "p2", "below p1 too: p2 = "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        w->designBox->setCurrentIndex(c.design);
        w->solveBox->setCurrentIndex(c.solve);
        for (const auto& [edit, text] : c.typed) Type(edit, text);
        EXPECT_EQ(c.solved->text().toStdString(), Line(c.args).at(c.key));
        EXPECT_TRUE(w->resultsLabel->text().contains(c.inResults)) << w->resultsLabel->text().toStdString();
        EXPECT_EQ(w->curveChart->isVisible(), c.design == 1);
        w->copyResultsButton->click();
        EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QString::fromStdString(AnswerText(ReadCommandLine(c.args)))));
    }
    // A refused proportion is marked and named; the last answer stays.
    Type(w->designFields->p1Edit, "1.5");
    EXPECT_EQ(w->problemLabel->text(), "p1 must lie between 0 and 1.");
    EXPECT_TRUE(w->designFields->p1Edit->IsMarked());
    EXPECT_TRUE(w->resultsLabel->text().startsWith("Still for the last good numbers"));
    EXPECT_FALSE(w->copyResultsButton->isEnabled());
    // Alpha is given in every design: not a choice to solve.
    w->designBox->setCurrentIndex(0);
    w->solveBox->setCurrentIndex(3);
    w->designBox->setCurrentIndex(1);
    EXPECT_EQ(w->Solved(), PowerField::SampleSize);
}

TEST_F(PowerDesignsTest, EffectSizeFromVOddsRatioAndGroups) {
    PowerWindow* w = Open();
    ASSERT_TRUE(w);
    ProportionsBox* box = w->proportionsBox;
    box->setChecked(true);
    const struct Case {
        QRadioButton* way;
        std::function<void()> type;
        const char* label;
        int df;
    } cases[] = {
        {box->cramersButton, [&] { box->cramersEdit->setText("0.3"); }, "w = V \u221A(min(r, c) \u2212 1) = 0.3 \u00D7 \u221A2 = 0.424264 with df 6", 6},
        {box->cramersButton, [&] { box->cramersEdit->setText("1.2"); }, "V must lie above 0, up to 1.", 0},
        {box->oddsButton, [&] { box->baselineEdit->setText("1.5"); }, "p1 must lie between 0 and 1.", 0},
        {box->oddsButton, [&] { box->baselineEdit->setText("0.2"); box->oddsRatioEdit->setText("2.25"); }, "p2 = OR p1 / (1 \u2212 p1 + OR p1) = 0.360000; w of the 2 \u00D7 2 table = 0.178174 with df 1", 1},
        // 1:1 against 1:3 in groups of 1:3: phi = 0.046875 / sqrt(0.25 0.75 0.3125 0.6875).
        {box->groupsButton, [&] { box->cellsEdit->setPlainText("1 1\n1 3"); box->sizesEdit->setText("1 3"); },
         "w = 0.233550 with df 1; V = 0.233550; the groups' shares of N: 25 %, 75 %", 1},
        {box->groupsButton, [&] { box->sizesEdit->setText("1 2 3"); }, "3 group sizes for 2 groups.", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        c.way->setChecked(true);
        c.type();
        EXPECT_EQ(box->resultLabel->text().toStdString(), c.label);
        EXPECT_EQ(box->useButton->isEnabled(), c.df > 0);
        if (c.df == 0) continue;
        box->useButton->click();
        EXPECT_EQ(w->dfBox->value(), c.df);
        ASSERT_TRUE(w->Answer());
    }
    // The groups' w last used splits N by their shares, rounded up.
    box->sizesEdit->setText("1 3");
    box->useButton->click();
    const long long n = std::stoll(w->sampleSizeEdit->text().toStdString());
    EXPECT_TRUE(w->resultsLabel->text().endsWith(QString("per group: %1, %2").arg((n + 3) / 4).arg((3 * n + 3) / 4)))
        << w->resultsLabel->text().toStdString();
}

}  // namespace
}  // namespace tarvik::test
