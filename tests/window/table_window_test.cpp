// The table window as a person uses it, offscreen: opened from the
// calculator, a block pasted, the results live, a bad cell named, rows and
// columns added and removed, Fisher's count finishing (and cancelled) off
// the window's thread, and the statistic sent into the calculator.
#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "calc/command_request.h"
#include "tests/support/scoped_format_settings.h"
#include "tests/window/window_fixture.h"
#include "window/mosaic_chart.h"
#include "window/mosaic_window.h"
#include "window/table_window.h"

namespace tarvik::test {
namespace {

class TableWindowTest : public WindowTest {
protected:
    TableWindow* Open() {
        QTest::keyClick(form.get(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        TableWindow* w = form->TableTest();
        EXPECT_TRUE(w && w->isVisible());
        return w;
    }
    // The file is read off the window's thread.
    static bool OpenDone(TableWindow* w, const QString& path) {
        w->Open(path);
        return QTest::qWaitFor([w] { return !w->Opening(); }, 20000);
    }
    // The background count reports back through the event loop.
    static bool ExactDone(TableWindow* w) {
        return QTest::qWaitFor([w] { return !w->ExactRunning() && !w->exactLabel->text().contains("\u2026"); }, 20000);
    }
};

TEST_F(TableWindowTest, APastedTableIsTestedAndGoesIntoTheCalculator) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->problemLabel->text().startsWith("Type or paste the counts"));
    QApplication::setActiveWindow(w);  // offscreen, activation is not the window manager's
    w->countsView->setFocus();
    QGuiApplication::clipboard()->setText(",A,B,C\nmen,20,15,25\nwomen,30,25,10\n");
    QTest::keyClick(w->countsView, Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(w->Report()) << w->problemLabel->text().toStdString();
    EXPECT_EQ(w->Model().rowCount(), 2);
    EXPECT_EQ(w->Model().headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "C");
    const QString results = w->resultsLabel->text();
    EXPECT_TRUE(results.contains("Pearson \u03c7\u00b2 = 10.745765, df = 2, p = 0.004641")) << results.toStdString();
    EXPECT_TRUE(results.contains("Likelihood ratio G\u00b2 = 10.981645")) << results.toStdString();
    EXPECT_TRUE(results.contains("Cram\u00e9r's V = 0.293200, 95 % CI")) << results.toStdString();
    // Three rows: each pair compared (R: chisq.test of rows 1 and 2, p.adjust).
    w->Model().AddRow(2);
    for (int j = 0; j < 3; ++j) w->Model().setData(w->Model().index(2, j), QString::number(10 * (j + 1)), Qt::EditRole);
    EXPECT_TRUE(w->resultsLabel->text().contains("  men / women: \u03c7\u00b2 = 10.745765, df = 2, p = 0.004641, Holm 0.009281, Bonferroni 0.013922"))
        << w->resultsLabel->text().toStdString();
    for (int k = 0; k < 4; ++k) w->Model().UndoStack().undo();
    ASSERT_TRUE(ExactDone(w));
    EXPECT_EQ(w->exactLabel->text(), "Fisher's exact p = 0.004934");
    // The cells: six rows of diagnostics, the driving cell marked.
    w->copyResultsButton->click();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("Fisher's exact p = 0.004934"));

    w->intoCalculatorButton->click();
    EXPECT_EQ(form->dfSpinEdit->Value(), 2);
    EXPECT_EQ(form->valueEdit->text(), "10.745765");
    EXPECT_EQ(form->upperTailEdit->text(), "0.004641");
}

TEST_F(TableWindowTest, ABadCellIsNamedAndNothingIsComputedFromIt) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    w->Paste("12\t5\n3\t9\n");
    ASSERT_TRUE(w->Report());
    EXPECT_TRUE(w->resultsLabel->text().contains("Yates' corrected \u03c7\u00b2 = 4.171458")) << w->resultsLabel->text().toStdString();
    EXPECT_TRUE(w->resultsLabel->text().contains("phi = 0.449323"));
    w->Model().setData(w->Model().index(1, 1), "9.5", Qt::EditRole);
    EXPECT_FALSE(w->Report());
    EXPECT_EQ(w->problemLabel->text(), "Row 2, column 2: '9.5' is not a whole number; counts are whole numbers from 0.");
    EXPECT_EQ(w->resultsLabel->text(), "");
    EXPECT_FALSE(w->copyResultsButton->isEnabled());
    EXPECT_FALSE(w->intoCalculatorButton->isEnabled());
    EXPECT_EQ(w->Model().Cell(1, 1), "9.5");  // the text stays as typed
    // A pasted block of uneven rows is refused whole.
    w->Paste("1\t2\n3\n");
    EXPECT_TRUE(w->problemLabel->text().startsWith("The pasted block was not taken: Row 2 has 1 counts")) << w->problemLabel->text().toStdString();
    EXPECT_EQ(w->Model().Cell(0, 0), "12");
}

TEST_F(TableWindowTest, RowsColumnsAndGoodnessOfFit) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    // One row into the empty grid is the whole table: goodness of fit,
    // equal by default, with no empty second row left over.
    w->Paste("18\t22\t30\t30\n");
    EXPECT_EQ(w->Model().rowCount(), 1);
    EXPECT_EQ(w->editNoteLabel->text(), "Pasted as the whole table, 1 \u00d7 4; Ctrl+Z takes it back.");
    ASSERT_TRUE(w->Report());
    EXPECT_TRUE(w->Report()->test.goodnessOfFit);
    EXPECT_TRUE(w->resultsLabel->text().contains("Pearson \u03c7\u00b2 = 4.320000, df = 3, p = 0.228919"));
    EXPECT_TRUE(w->expectedEdit->isEnabled());
    // The expected items as the user writes them, and how they were read.
    const struct {
        const char *typed, *reading;
    } readings[] = {
        {"0.25,0.25,0.25,0.25", "The expected items add up to 1: read as proportions.\n"},  // commas on a point desktop
        {"25 25 25 25", "The expected items add up to the total 100: read as expected counts.\n"},
        {"1;1;1;1", "The expected items add up to 4, neither 1 nor the total 100: read as ratios and rescaled to the total.\n"},
    };
    for (const auto& c : readings) {
        w->expectedEdit->setText(c.typed);
        EXPECT_TRUE(w->resultsLabel->text().startsWith(c.reading)) << w->resultsLabel->text().toStdString();
        EXPECT_TRUE(w->resultsLabel->text().contains("Pearson \u03c7\u00b2 = 4.320000, df = 3, p = 0.228919")) << c.typed;
    }
    w->expectedEdit->setText("0.1 0.2 0.3 0.4");
    EXPECT_TRUE(w->resultsLabel->text().contains("df = 3")) << w->resultsLabel->text().toStdString();
    EXPECT_NE(w->Report()->test.chiSquare, Real(4.32_r));
    w->estimatedBox->setValue(1);  // a parameter estimated: df 2
    EXPECT_TRUE(w->resultsLabel->text().contains("df = 2")) << w->resultsLabel->text().toStdString();
    EXPECT_FALSE(w->ExactRunning());  // no exact test with an estimated parameter
    EXPECT_EQ(w->exactLabel->text(), "");
    w->estimatedBox->setValue(0);
    // The exact multinomial test behind the fit (0.3698301600759808 by an
    // exact rational count of every outcome).
    w->Paste("10\t2\t5\t1\n");
    w->expectedEdit->setText("0.4 0.1 0.3 0.2");
    ASSERT_TRUE(ExactDone(w));
    EXPECT_EQ(w->exactLabel->text(), "Exact multinomial p = 0.369830");
    w->Model().UndoStack().undo();
    // A Poisson model fitted to Bortkiewicz's deaths by horse kicks (the
    // textbook's mean 0.61 and its pooled 2 or more; the statistic against
    // a 50-digit reference in the calc tests).
    w->expectedEdit->clear();
    w->Paste("109\t65\t22\t3\t1\n");
    w->modelBox->setCurrentIndex(1);
    EXPECT_FALSE(w->expectedEdit->isEnabled());
    EXPECT_TRUE(w->resultsLabel->text().startsWith("Poisson mean = 0.610000, estimated from the data (1 df off)"))
        << w->resultsLabel->text().toStdString();
    EXPECT_TRUE(w->resultsLabel->text().contains("Pearson \u03c7\u00b2 = 0.062784, df = 1")) << w->resultsLabel->text().toStdString();
    EXPECT_EQ(w->cellsView->model()->index(2, 1).data().toString(), "\u22652");
    EXPECT_FALSE(w->ExactRunning());
    QTest::qWait(50);  // the stopped count's last report, dropped
    EXPECT_EQ(w->exactLabel->text(), "");
    w->modelBox->setCurrentIndex(0);
    w->Model().UndoStack().undo();
    w->expectedEdit->setText("9:3:3:1");  // ratios: rescaled, and said so
    EXPECT_TRUE(w->resultsLabel->text().startsWith(
        "The expected items add up to 16, neither 1 nor the total 100: read as ratios and rescaled to the total.\n"))
        << w->resultsLabel->text().toStdString();
    w->expectedEdit->setText("0.1 0.2 0.3");
    EXPECT_TRUE(w->problemLabel->text().startsWith("Give 4 expected proportions or counts"));
    w->expectedEdit->clear();
    w->addRowButton->click();
    w->addColumnButton->click();
    EXPECT_EQ(w->Model().rowCount(), 2);
    EXPECT_EQ(w->Model().columnCount(), 5);
    EXPECT_TRUE(w->problemLabel->text().contains("is empty"));
    EXPECT_FALSE(w->expectedEdit->isEnabled());
}

// Every edit is a step back and forth; Remove takes the chosen rows or
// columns, else the last; a block pasted at a chosen cell fills from there
// and says so.
// An edit changes the cells' grid in place: the row a reader is on stays
// chosen. The counts read before are read again where the desktop's marks
// change ("3.0" is three under a decimal point, no count under a comma).
TEST_F(TableWindowTest, AnEditKeepsTheCellsGridWhereItIs) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    w->Paste("10\t20\t30\n40\t50\t60\n70\t80\t3.0\n");
    w->cellsView->setCurrentIndex(w->cellsView->model()->index(5, 1));
    w->Model().setData(w->Model().index(0, 0), "12", Qt::EditRole);
    EXPECT_EQ(w->cellsView->currentIndex().row(), 5);
    EXPECT_EQ(w->Model().Counts()[2][2], 3);
    FormatSettings comma;
    comma.DecimalSeparator = ',';
    comma.ThousandSeparator = '.';
    ScopedFormatSettings german(comma);
    EXPECT_THROW(w->Model().Counts(), TableInputError);
}

TEST_F(TableWindowTest, EditsAreUndoneAndRemoveTakesWhatIsChosen) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    w->Paste("1\t2\t3\t4\n5\t6\t7\t8\n9\t10\t11\t12\n");
    const auto grid = [&] { return w->Model().AsTabSeparated().toStdString(); };
    const std::string pasted = grid();
    QItemSelectionModel& chosen = *w->countsView->selectionModel();
    chosen.select(QItemSelection(w->Model().index(0, 1), w->Model().index(0, 2)), QItemSelectionModel::Select);
    w->removeColumnButton->click();  // columns 2 and 3, as one step
    EXPECT_EQ(w->Model().Cell(0, 1), "4");
    w->removeColumnButton->click();  // nothing chosen now: the last column
    EXPECT_EQ(w->Model().columnCount(), 1);
    w->Model().UndoStack().undo();
    w->Model().UndoStack().undo();
    EXPECT_EQ(grid(), pasted);
    w->Model().UndoStack().redo();
    EXPECT_EQ(w->Model().columnCount(), 2);
    w->Model().UndoStack().undo();

    w->countsView->setCurrentIndex(w->Model().index(2, 3));
    w->Paste("3\t1\n1\t3\n");
    EXPECT_EQ(w->Model().rowCount(), 4);  // grown to hold the block
    EXPECT_EQ(w->Model().columnCount(), 5);
    EXPECT_EQ(w->Model().Cell(3, 4), "3");
    EXPECT_EQ(w->editNoteLabel->text(), "Pasted 2 \u00d7 2 cells from row 3, column 4 on; Ctrl+Z takes them back.");
    w->Model().setData(w->Model().index(0, 0), "100", Qt::EditRole);
    w->Model().UndoStack().undo();
    w->Model().UndoStack().undo();
    EXPECT_EQ(grid(), pasted);

    // Escape in a cell's editor gives up the edit; the window stays.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    w->countsView->setCurrentIndex(w->Model().index(0, 0));
    w->countsView->edit(w->Model().index(0, 0));
    QWidget* editor = QApplication::focusWidget();
    ASSERT_TRUE(editor && editor != w->countsView);
    QTest::keyClicks(editor, "77");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Model().Cell(0, 0), "1");

    w->Paste("\tA\tB\nyes\t12\t5\nno\t3\t9\n");
    EXPECT_EQ(w->editNoteLabel->text(),
              "Pasted as the whole table, 2 \u00d7 2; Ctrl+Z takes it back. The first row and column were read as labels.");
}

// A 2 x 2 table: the odds and risk measures under the tests, the exact
// count's conditional odds ratio and one-sided p-values under its p (each
// against R's fisher.test and 50-digit sums in the math tests).
TEST_F(TableWindowTest, ATwoByTwoTableGivesTheClinicalMeasures) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    w->Paste("12\t5\n3\t9\n");
    const QString results = w->resultsLabel->text();
    for (const char* line : {"Read with Column 1 as the event (the first column), Row 1 against Row 2 (the rows)",
                             "Odds ratio = 7.200000, 95 % CI 1.352612 to 38.325834 (Woolf)",
                             "Risk ratio = 2.823529, 95 % CI 1.011152 to 7.884391 (Katz)",
                             "Risk difference = 0.455882, 95 % CI 0.087146 to 0.683837 (Newcombe)"})
        EXPECT_TRUE(results.contains(line)) << line;
    ASSERT_TRUE(ExactDone(w));
    EXPECT_EQ(w->exactLabel->text(), "Fisher's exact p = 0.025328\n"
                                     "Conditional odds ratio = 6.654383, 95 % CI 1.076118 to 55.705602 (exact)\n"
                                     "One-sided p = 0.997868 (odds ratio below 1), 0.019685 (above 1); mid-p = 0.016551");
    // The other column as the event, the other row first, the table turned:
    // each from the grid's menu (or the button), each one undo step.
    // Risks 5/17 and 9/12, 3/12 and 12/17, 12/15 and 5/14.
    const struct {
        const char* action;
        const char* grid;
        const char* riskRatio;
    } rearranged[] = {
        {"Reverse the columns", "5 12 / 9 3", "Risk ratio = 0.392157, 95 % CI "},
        {"Reverse the rows", "3 9 / 12 5", "Risk ratio = 0.354167, 95 % CI "},
        {"Swap rows and columns", "12 3 / 5 9", "Risk ratio = 2.240000, 95 % CI "},
    };
    const auto grid = [&] {
        const CountsModel& m = w->Model();
        return (m.Cell(0, 0) + " " + m.Cell(0, 1) + " / " + m.Cell(1, 0) + " " + m.Cell(1, 1)).toStdString();
    };
    for (const auto& c : rearranged) {
        const QList<QAction*> menu = w->countsView->actions();
        const auto action = std::find_if(menu.begin(), menu.end(), [&](QAction* a) { return a->text() == c.action; });
        ASSERT_NE(action, menu.end()) << c.action;
        (*action)->trigger();
        EXPECT_EQ(grid(), c.grid) << c.action;
        EXPECT_TRUE(w->resultsLabel->text().contains(c.riskRatio)) << c.action << "\n" << w->resultsLabel->text().toStdString();
        w->Model().UndoStack().undo();
    }
    w->swapButton->click();
    EXPECT_EQ(grid(), "12 3 / 5 9");
    // The labels say which column is the event, and follow a swap.
    w->Paste("\tyes\tno\ntreated\t12\t5\ncontrol\t3\t9\n");
    EXPECT_TRUE(w->resultsLabel->text().contains("Read with yes as the event (the first column), treated against control"));
    w->Model().ReverseColumns();
    EXPECT_TRUE(w->resultsLabel->text().contains("Read with no as the event (the first column), treated against control"));
    w->Paste("0\t10\n5\t5\n");
    EXPECT_TRUE(w->resultsLabel->text().contains("Odds ratio: not defined for this table (Woolf: a zero cell or an empty group)"));
}

// Paired: McNemar's test in the results' place, its discordant cells named
// by the labels (R's mcnemar.test: 5.4, p 0.02014; corrected 4.2667, p
// 0.03887; binom.test 0.03516); a table that is not square is refused.
TEST_F(TableWindowTest, APairedTableIsTestedByMcNemar) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    w->Paste("\tafter yes\tafter no\nbefore yes\t10\t12\nbefore no\t3\t20\n");
    w->pairedBox->setChecked(true);
    EXPECT_EQ(w->resultsLabel->text(),
              "Discordant pairs: 12 before yes \u2192 after no, 3 before no \u2192 after yes\n"
              "McNemar \u03c7\u00b2 = 5.400000, df = 1, p = 0.020137; with the continuity correction 4.266667, p = 0.038867\n"
              "Exact (binomial) p = 0.035156, mid-p = 0.021271\n"
              "Paired odds ratio b/c = 4.000000, 95 % CI 1.079473 to 22.088287 (exact)");
    EXPECT_FALSE(w->ExactRunning());
    w->Paste("1\t2\t3\n4\t5\t6\n");
    EXPECT_EQ(w->problemLabel->text(), "A paired table is square, the same categories twice (k x k); this one is 2 x 3.");
}

// The window's own menu sets how numbers show, here and in the calculator.
TEST_F(TableWindowTest, ItsOwnMenuSetsHowNumbersShow) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    w->Paste("12\t5\n3\t9\n");
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        for (QAction* styles : menu->actions())
            if (styles->menu())
                for (QAction* style : styles->menu()->actions())
                    if (style->text().startsWith("S&cientific")) style->trigger();
        menu->close();
    });
    emit w->customContextMenuRequested(QPoint(5, 5));
    // 29 (12 x 9 - 5 x 3)^2 / (17 x 12 x 15 x 14) = 5.854832...
    EXPECT_TRUE(w->resultsLabel->text().startsWith("Pearson \u03c7\u00b2 = 5.85483e+00")) << w->resultsLabel->text().toStdString();
    EXPECT_EQ(form->valueEdit->text().contains("e"), true);
}

TEST_F(TableWindowTest, ALargeCountRunsOffTheThreadAndCanBeCancelled) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    // Some 10^8 tables: beyond a quick count, so it is still running when
    // the window answers again.
    w->Paste("20\t15\t25\t10\t12\n30\t25\t10\t20\t14\n10\t20\t30\t40\t16\n9\t8\t7\t6\t5\n");
    ASSERT_TRUE(w->Report());
    EXPECT_TRUE(w->ExactRunning());
    EXPECT_TRUE(w->cancelButton->isVisible());
    w->cancelButton->click();
    EXPECT_FALSE(w->ExactRunning());
    ASSERT_TRUE(QTest::qWaitFor([w] { return w->exactLabel->text() == "Fisher's exact test cancelled"; }, 5000))
        << w->exactLabel->text().toStdString();
    EXPECT_TRUE(w->resultsLabel->text().contains("Pearson"));  // the rest stands
}

// Open and every paste keep the grid's limit: a labelled block or a file
// past 100 rows or columns is refused with its reason, the table kept (a
// labelled 200 x 200 paste once froze the window for a minute).
TEST_F(TableWindowTest, OpenAndPasteKeepTheSizeLimit) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    w->Paste("12\t5\n3\t9\n");
    std::string tall = "\tA\tB\n";
    for (int i = 0; i < 101; ++i) tall += "r" + std::to_string(i) + "\t1\t2\n";
    w->Paste(QString::fromStdString(tall));
    EXPECT_EQ(w->problemLabel->text(), "The pasted block was not taken: a table has at most 100 rows and columns.");
    EXPECT_EQ(w->Model().rowCount(), 2);
    QTemporaryDir dir;
    const QString path = dir.filePath("wide.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 0; i < 200; ++i) file.write((QString("1,").repeated(199) + "1\n").toUtf8());
    file.close();
    ASSERT_TRUE(OpenDone(w, path));
    EXPECT_EQ(w->problemLabel->text(), path + " was not opened: a table has at most 100 rows and columns.");
    EXPECT_EQ(w->Model().columnCount(), 2);
    // A file past 64 MiB is refused whole (it was read cut short).
    const QString huge = dir.filePath("huge.csv");
    QFile big(huge);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize((64 << 20) + 1));
    big.close();
    ASSERT_TRUE(OpenDone(w, huge));
    EXPECT_EQ(w->problemLabel->text(), huge + " was not opened: it is larger than 64 MiB.");
    // A FIFO with no writer (it once froze the window for good), a line of
    // 25 million cells, a file saved as UTF-16: each refused at once.
    const QString fifo = dir.filePath("pipe.csv");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString longLine = dir.filePath("line.csv"), utf16 = dir.filePath("utf16.csv");
    for (const auto& [name, bytes] : {std::pair{longLine, QByteArray("1,").repeated(25000000)},
                                      std::pair{utf16, QByteArray("\xFF\xFE" "1\0,\0" "2\0\n\0", 10)}}) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    const struct {
        QString path;
        QString problem;
    } refused[] = {
        {fifo, fifo + " was not opened: it is not a regular file."},
        {longLine, longLine + " was not opened: The table has more than 1000000 cells."},
        {utf16, utf16 + " was not opened: The text is UTF-16 or not text at all: save it as CSV UTF-8 or plain text."},
    };
    for (const auto& c : refused) {
        ASSERT_TRUE(OpenDone(w, c.path));
        EXPECT_EQ(w->problemLabel->text(), c.problem);
        EXPECT_EQ(w->Model().columnCount(), 2);
    }
    // A file that is taken arrives from the reading thread: the window is
    // still the old table when Open returns.
    const QString good = dir.filePath("good.csv");
    QFile g(good);
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write(",A,B,C\nx,1,2,3\ny,4,5,6\n");
    g.close();
    w->Open(good);
    EXPECT_TRUE(w->Opening());
    EXPECT_EQ(w->Model().columnCount(), 2);
    ASSERT_TRUE(QTest::qWaitFor([w] { return !w->Opening(); }, 20000));
    EXPECT_EQ(w->Model().columnCount(), 3);
    EXPECT_FALSE(w->editNoteLabel->text().isEmpty());
}

// A statistic above 1e7 would cost the intervals a tenth of a second a
// keystroke: they are left out, and said to be.
TEST_F(TableWindowTest, NoIntervalsForAHugeStatistic) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    w->Paste("90000000\t1\n1\t90000000\n");
    ASSERT_TRUE(w->Report());
    EXPECT_FALSE(w->Report()->hasIntervals);
    EXPECT_TRUE(w->resultsLabel->text().contains("Cram\u00e9r's V = 1.000000, no 95 % CI above \u03c7\u00b2 = 1e7"))
        << w->resultsLabel->text().toStdString();
    // Nor can the calculator take it: said, and the button is off (it once
    // sent 900 without a word).
    EXPECT_TRUE(w->resultsLabel->text().contains("The calculator takes values up to 900; this statistic is 179999994.000000."))
        << w->resultsLabel->text().toStdString();
    EXPECT_FALSE(w->intoCalculatorButton->isEnabled());
}

// Each Alt key reaches one control: two buttons sharing a letter only take
// turns at the focus, and neither is pressed (Alt+O once went to Open CSV
// and Remove row in turn, Alt+C to Cancel and Into the calculator).
TEST_F(TableWindowTest, EveryMnemonicIsItsOwn) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    QStringList texts;
    // The mosaic's window is the table window's child, but a window of its own.
    for (const QPushButton* b : w->findChildren<QPushButton*>())
        if (b->window() == w) texts << b->text();
    for (const QLabel* l : w->findChildren<QLabel*>())
        if (l->window() == w) texts << l->text();
    QMap<QChar, QString> seen;
    for (const QString& text : texts) {
        const qsizetype at = text.indexOf('&');
        if (at < 0 || at + 1 >= text.size()) continue;
        const QChar key = text[at + 1].toLower();
        EXPECT_FALSE(seen.contains(key)) << text.toStdString() << " and " << seen.value(key).toStdString();
        seen[key] = text;
    }
    EXPECT_GE(seen.size(), 12);
}

// Save as CSV writes what --counts --format csv prints for the same table:
// the results' record, Fisher's p once counted, over the cells.
TEST_F(TableWindowTest, CopyTableAndSaveTheResultsWithTheCells) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    const QString table = "\tyes\tno\ntreated\t12\t5\ncontrol\t3\t9\n";
    w->Paste(table);
    w->copyTableButton->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), table);
    ASSERT_TRUE(ExactDone(w));
    QTemporaryDir dir;
    const QString path = dir.filePath("cells.csv");
    w->SaveTo(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::string saved = f.readAll().toStdString();
    CommandRequest request = ReadCommandLine({"--counts", "-", "--format", "csv"});
    request.countsText = table.toStdString();
    EXPECT_EQ(saved, AnswerOf(request).text);
    EXPECT_NE(saved.find("fisher_p,"), std::string::npos) << saved;
    EXPECT_NE(saved.find("treated,yes,12,70.6,80.0,a,41.4,"), std::string::npos) << saved;  // 12/17, 12/15, 12/29
}

// The mosaic: opened from its button, redrawn as the table changes, its
// tiles and the legend's swatches written to SVG as placed on screen, and
// copied as a picture under the test's sentence.
TEST_F(TableWindowTest, TheMosaicFollowsTheTableAndIsSavedAndCopied) {
    TableWindow* w = Open();
    ASSERT_TRUE(w);
    w->Paste("\tlow\tmid\thigh\nmen\t20\t15\t25\nwomen\t30\t25\t10\n");
    w->mosaicButton->click();
    ASSERT_TRUE(w->mosaicWindow->isVisible());
    MosaicChart& chart = *w->mosaicWindow->chart;
    EXPECT_EQ(chart.Plot().tiles.size(), 6u);
    EXPECT_EQ(w->mosaicWindow->Title(), "\u03c7\u00b2(2, N = 125) = 10.75, p = .005, V = 0.29");
    const MosaicScene scene = chart.Scene(chart.size());
    const QRectF inside(QPointF(0, 0), QSizeF(chart.size()));
    for (const PlacedTile& tile : scene.tiles) EXPECT_TRUE(inside.contains(tile.rect)) << tile.rect.x() << " " << tile.rect.y();
    QTemporaryDir dir;
    const QString svg = dir.filePath("mosaic.svg");
    w->mosaicWindow->SaveTo(svg, 1, 1);
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_EQ(text.count("<rect"), 1 + 1 + 6 + 5) << "the title's band, the ground, 6 tiles and 5 swatches";
    EXPECT_TRUE(text.contains(">women</text>"));
    w->mosaicWindow->copyButton->click();
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
    w->Paste("3\t1\t4\t1\n5\t9\t2\t6\n");
    EXPECT_EQ(chart.Plot().tiles.size(), 8u);
    w->Paste("x\t1\n");
    EXPECT_TRUE(chart.Plot().tiles.empty());
    EXPECT_FALSE(w->mosaicWindow->saveButton->isEnabled());
}

}  // namespace
}  // namespace tarvik::test
