// "Show numbers as" in the fields, the density and the copied line,
// remembered between runs; and the critical-values window: opened by
// Ctrl+T beside the calculator, refreshed live, copied and saved.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>

#include "calc/answers.h"
#include "tests/window/window_fixture.h"
#include "window/critical_values_window.h"

namespace tarvik::test {
namespace {

QAction* Entry(QMenu& menu, const QString& text) {
    for (QAction* a : menu.actions()) {
        if (a->text().section('\t', 0, 0).remove('&') == text) return a;
        if (a->menu())
            if (QAction* inner = Entry(*a->menu(), text)) return inner;
    }
    return nullptr;
}

std::string Text(QLineEdit* e) { return e->text().toStdString(); }

TEST_F(WindowTest, NumbersShownInEachStyle) {
    form->dfSpinEdit->SetValue(1);
    Retype(form->valueEdit, "40");
    PressEnter(form->valueEdit);
    struct Case {
        const char* entry;
        const char* value;
        const char* upper;
        const char* density;
        const char* line;
    } cases[] = {
        {"Significant digits", "40", "2.53963e-10", "1.30014e-10",
         "df=1  x=40  P(X<=x)=1  P(X>x)=2.53963e-10  f(x)=1.30014e-10"},
        {"Scientific", "4.00000e+01", "2.53963e-10", "1.30014e-10",
         "df=1  x=4.00000e+01  P(X<=x)=1.00000e+00  P(X>x)=2.53963e-10  f(x)=1.30014e-10"},
        {"Decimals", "40.000000", "0.000000", "0.000000",
         "df=1  x=40.000000  P(X<=x)=1.000000  P(X>x)=0.000000  f(x)=0.000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        std::unique_ptr<QMenu> menu = form->upperTailEdit->ContextMenu();
        QAction* entry = Entry(*menu, c.entry);
        ASSERT_TRUE(entry);
        entry->trigger();
        // The p-value reads in the field itself, not only in its tooltip.
        EXPECT_EQ(Text(form->valueEdit), c.value);
        EXPECT_EQ(Text(form->upperTailEdit), c.upper);
        EXPECT_EQ(form->densityLabel->text().toStdString(), c.density);
        form->CopyResults();
        EXPECT_EQ(QGuiApplication::clipboard()->text().section('\n', 0, 0).toStdString(), c.line);
        // The choice is checked in the density's menu too.
        std::unique_ptr<QMenu> density = form->DensityMenu();
        ASSERT_TRUE(Entry(*density, c.entry));
        EXPECT_TRUE(Entry(*density, c.entry)->isChecked());
    }
    EXPECT_TRUE(NewMessages().empty());
}

// The style survives a restart; a typed text is never rewritten by it.
TEST_F(WindowTest, TheStyleIsRemembered) {
    form->SetNumberStyle(NumberStyle::Scientific);
    form.reset();
    form = std::make_unique<CalculatorWindow>(help.get());
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(Text(form->valueEdit), "3.84146e+00");
    EXPECT_EQ(Text(form->cdfEdit), "9.50000e-01");
    form->cdfEdit->setFocus();
    QTest::keyClicks(form->cdfEdit, "9");  // "9.50000e-019": being typed
    form->SetNumberStyle(NumberStyle::Decimals);
    EXPECT_EQ(Text(form->cdfEdit), "9.50000e-019");
    EXPECT_EQ(QSettings("tarvik", "tarvik").value("numbers").toString(), "decimals");
}

TEST_F(WindowTest, CriticalValuesOpenBesideAndFollowTheSettings) {
    QTest::keyClick(form->valueEdit, Qt::Key_T, Qt::ControlModifier);
    CriticalValuesWindow* table = form->CriticalValues();
    ASSERT_TRUE(table);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(table));
    // Whole on its screen (beside the calculator where the screen has room:
    // the screen tests).
    EXPECT_TRUE(form->screen()->availableGeometry().contains(table->frameGeometry()));

    // The start: df 1 to 30, the textbook's upper tails.
    const QAbstractItemModel* model = table->table->model();
    ASSERT_EQ(model->rowCount(), 30);
    ASSERT_EQ(model->columnCount(), 5);
    // Each column headed by its tail and its probability as typed.
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "upper 0.10");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "upper 0.05");
    EXPECT_EQ(model->headerData(9, Qt::Vertical).toString(), "10");
    EXPECT_EQ(model->index(9, 1).data().toString(), "18.307038");

    struct Step {
        std::function<void()> change;
        int rows, columns;
        int row, column;
        const char* cell;
        const char* header;  // of the cell's column
        const char* why;
    } steps[] = {
        {[&] { table->dfToBox->setValue(100); }, 100, 5, 99, 4, "140.169489", "upper 0.005", "more rows"},
        {[&] { table->lowerTailButton->setChecked(true); }, 100, 5, 0, 1, "0.003932", "lower 0.05", "lower tails"},
        {[&] { table->twoSidedBox->setChecked(true); }, 100, 10, 9, 2, "3.246973", "two-sided 0.05: lower",
         "two-sided: lower of 0.05"},
        {[&] { table->probabilitiesEdit->setText("0.05"); }, 100, 2, 9, 1, "20.483177", "two-sided 0.05: upper",
         "two-sided: upper of 0.05"},
        {[&] { table->dfFromBox->setValue(10); }, 91, 2, 0, 0, "3.246973", "two-sided 0.05: lower", "from df 10"},
    };
    for (const auto& s : steps) {
        s.change();
        EXPECT_EQ(model->rowCount(), s.rows) << s.why;
        EXPECT_EQ(model->columnCount(), s.columns) << s.why;
        EXPECT_EQ(model->index(s.row, s.column).data().toString(), s.cell) << s.why;
        EXPECT_EQ(model->headerData(s.column, Qt::Horizontal).toString(), s.header) << s.why;
        EXPECT_TRUE(table->problemLabel->isHidden()) << s.why;
    }

    // A list that does not read says why, keeps the last table, and lets
    // none of it out: Copy and Save are off until the list reads again.
    QGuiApplication::clipboard()->setText("before");
    table->probabilitiesEdit->setText("0.05 x");
    EXPECT_FALSE(table->problemLabel->isHidden());
    EXPECT_EQ(table->problemLabel->text(), "Probability 2 'x' is not a number.");
    EXPECT_EQ(model->rowCount(), 91);
    EXPECT_FALSE(table->copyButton->isEnabled());
    EXPECT_FALSE(table->saveButton->isEnabled());
    table->Copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "before");
    table->probabilitiesEdit->setText("0.05");
    EXPECT_TRUE(table->problemLabel->isHidden());
    EXPECT_TRUE(table->copyButton->isEnabled());
    EXPECT_TRUE(NewMessages().empty());
}

TEST_F(WindowTest, CriticalValuesCopiedAndSaved) {
    form->ShowCriticalValues();
    CriticalValuesWindow* table = form->CriticalValues();
    table->dfToBox->setValue(3);
    table->probabilitiesEdit->setText("0.1 0.05");
    // Tab-separated cells, the header first.
    table->copyButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "df\tupper 0.1\tupper 0.05\n1\t2.705543\t3.841459\n2\t4.605170\t5.991465\n"
              "3\t6.251389\t7.814728\n");
    QTemporaryDir dir;
    const QString path = dir.filePath("table.csv");
    table->SaveTo(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "df,upper 0.1,upper 0.05\n1,2.705543,3.841459\n2,4.605170,5.991465\n3,6.251389,7.814728\n");
    // A failed save is reported, in one message.
    Guarded([&] { table->SaveTo(dir.filePath("none/table.csv")); });
    ASSERT_EQ(NewMessages().size(), 1u);
    EXPECT_TRUE(NewMessages()[0].startsWith("Cannot save the table to")) << NewMessages()[0].toStdString();
}

TEST_F(WindowTest, CriticalValuesForAScreenReader) {
    form->ShowCriticalValues();
    CriticalValuesWindow* table = form->CriticalValues();
    for (QWidget* w : std::initializer_list<QWidget*>{table->dfFromBox, table->dfToBox, table->probabilitiesEdit,
                                                      table->table}) {
        const QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        ASSERT_TRUE(i);
        EXPECT_FALSE(i->text(QAccessible::Name).isEmpty()) << w->metaObject()->className();
    }
    // Tab reaches every setting, the table and the buttons in reading order.
    // (A spin box's own line edit follows it in the chain.)
    const auto next = [](QWidget* from) {
        QWidget* w = from;
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || from->isAncestorOf(w));
        return w;
    };
    std::vector<QWidget*> order{table->dfFromBox,       table->dfToBox,     table->probabilitiesEdit,
                                table->upperTailButton, table->lowerTailButton, table->twoSidedBox,
                                table->table,           table->copyButton,  table->saveButton};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) EXPECT_EQ(next(order[i]), order[i + 1]) << i;
    // Escape closes it; the calculator stays.
    // (The offscreen platform activates only when told.)
    QApplication::setActiveWindow(table);
    ASSERT_TRUE(QTest::qWaitForWindowActive(table));
    table->probabilitiesEdit->setFocus();
    QTest::keyClick(table->probabilitiesEdit, Qt::Key_Escape);
    EXPECT_FALSE(table->isVisible());
    EXPECT_TRUE(form->isVisible());
}

}  // namespace
}  // namespace tarvik::test
