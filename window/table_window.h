#pragma once
// The "Test a table" window: a grid of counts typed, pasted from a
// spreadsheet or opened from a CSV file; the chi-square tests, the effect
// sizes with their intervals and each cell's residuals, live as the counts
// change; Fisher's exact test counted off the window's thread, with its
// progress and a Cancel, and a Monte Carlo p where the tables are too many.
#include <QCoreApplication>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

#include "calc/table_report.h"
#include "window/cells_model.h"
#include "window/counts_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QThread;

namespace tarvik {

class MosaicWindow;

class TableWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TableWindow)

public:
    explicit TableWindow(QWidget* parent = nullptr);
    ~TableWindow() override;

    QTableView *countsView, *cellsView;
    QPushButton *addRowButton, *removeRowButton, *addColumnButton, *removeColumnButton, *openButton;
    QPushButton* swapButton;  // rows and columns exchanged; the grid's menu reverses either
    QLineEdit* expectedEdit;  // goodness of fit: expected proportions or counts
    QCheckBox* pairedBox;     // the same subjects classified twice
    QComboBox* modelBox;      // one line of frequencies: as given, or a Poisson or binomial model fitted
    QLabel* estimatedLabel;
    QSpinBox* estimatedBox;   // a fit's parameters estimated from the data
    QLabel *resultsLabel, *exactLabel, *problemLabel;
    QLabel* editNoteLabel;  // what a paste or an Open did
    QProgressBar* exactProgress;
    QPushButton *cancelButton, *intoCalculatorButton, *copyResultsButton, *copyTableButton, *saveButton, *mosaicButton;
    MosaicWindow* mosaicWindow;  // made hidden with the window, shown by mosaicButton

    void SetNumberFormat(const NumberFormat& format);
    void ShowBeside(const QWidget& beside);

    CountsModel& Model() { return model_; }
    // The last report, or none while the table cannot be tested.
    const std::optional<TableReport>& Report() const { return report_; }
    // Where the exact test stands: running, or its result's line.
    bool ExactRunning() const;

    // The clipboard's text into the grid: a whole table (with labels or
    // without) at the top left cell, else a block from the current cell.
    void Paste(const QString& text);
    // Reads the file off the window's thread; the table comes later.
    void Open(const QString& path);
    bool Opening() const;
    void CopyResults();
    QString ResultsText() const;
    void CopyTable();
    // The test as one sentence of a results section (Ctrl+Shift+C).
    void CopySentence();
    void SaveTo(const QString& path);

private:
    void Refresh();
    void ShowProblem(const QString& text);
    void ShowPaired(const CountTable& counts);
    // Fisher's test of a table, or with `probabilities` the exact
    // multinomial test of a fit.
    void StartExactTest(const CountTable& counts, const std::vector<Real>& probabilities = {});
    void StopExactTest();
    void ExactProgress(int generation, double done, const QString& stage);
    void ExactFinished(int generation, const QString& line, const FisherOutcome& outcome);
    void OpenFile();
    void TakeOpened(int generation, const QString& path, const CellTexts& table, const QString& problem);
    void FinishOpening();
    void SaveAs();
    void ShowMosaic();
    void UpdateMosaic();
    void RenameSection(Qt::Orientation orientation, int section);
    void RemoveSelected(Qt::Orientation orientation);

    CountsModel model_;
    CellsModel* cellsModel_;
    std::optional<TableReport> report_;
    NumberFormat format_;
    // The labels the results show: the grid's, or a fitted model's pooled
    // categories.
    std::vector<std::string> shownRows_, shownColumns_;
    QString exactLine_;
    std::optional<FisherOutcome> exactOutcome_;  // the last test that ended
    // The background count: a new table cancels it and starts another;
    // its reports carry the generation they belong to.
    QThread* worker_ = nullptr;
    std::shared_ptr<std::atomic<bool>> cancel_;
    int generation_ = 0;
    QThread* opener_ = nullptr;
    int openGeneration_ = 0;
};

}  // namespace tarvik
