#include "window/table_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QUndoStack>
#include <QVBoxLayout>
#include <climits>

#include "controls/decimal_point_validator.h"
#include "calc/limits.h"
#include "calc/paired_report.h"
#include "calc/pairwise.h"
#include "calc/table_test.h"
#include "core/errors.h"
#include "platform/application.h"
#include "platform/window_keys.h"
#include "platform/screen_fit.h"
#include "window/chart_file_dialog.h"
#include "files/safe_file.h"
#include "window/mosaic_window.h"
#include "window/window_texts.h"

namespace tarvik {

namespace {

constexpr QSize kTableStartSize(620, 600);
constexpr QSize kTableSmallest(300, 300);

}  // namespace

TableWindow::TableWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Test a table - Tarvik"));
    countsView = new QTableView;
    countsView->setModel(&model_);
    countsView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    countsView->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Tab leaves the grids for the next control; the arrows move in them.
    countsView->setTabKeyNavigation(false);
    addRowButton = new QPushButton(tr("Add &row"));
    removeRowButton = new QPushButton(tr("Remove ro&w"));
    addColumnButton = new QPushButton(tr("Add co&lumn"));
    removeColumnButton = new QPushButton(tr("Remove col&umn"));
    openButton = new QPushButton(tr("&Open CSV\u2026"));
    swapButton = new QPushButton(tr("Swap rows an&d columns"));
    // What a paste or an Open did, under the grid's buttons.
    editNoteLabel = new QLabel;
    editNoteLabel->setWordWrap(true);
    expectedEdit = new QLineEdit;
    pairedBox = new QCheckBox(tr("&Paired: the same subjects twice"));
    modelBox = new QComboBox;
    modelBox->addItems({tr("as given"), tr("Poisson, mean from the data"), tr("binomial, p from the data")});
    modelBox->setAccessibleName(tr("Expected counts from a model"));
    // Parameters of the expected counts estimated from the data (a
    // Poisson mean): each takes a degree of freedom from the fit.
    estimatedLabel = new QLabel(tr("estimated"));
    estimatedBox = new QSpinBox;
    estimatedBox->setRange(0, CountsModel::kMostRowsOrColumns - 2);
    estimatedBox->setAccessibleName(tr("Parameters estimated from the data"));
    estimatedBox->setToolTip(tr("Parameters of the expected counts estimated from the data: each takes a degree of freedom"));
    estimatedLabel->setBuddy(estimatedBox);
    expectedEdit->setValidator(new DecimalPointValidator(expectedEdit));
    expectedEdit->setPlaceholderText(tr("equal"));
    resultsLabel = new QLabel;
    resultsLabel->setWordWrap(true);
    resultsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    exactLabel = new QLabel;
    exactLabel->setWordWrap(true);
    problemLabel = new QLabel;
    problemLabel->setStyleSheet("color: #a00000");
    problemLabel->setWordWrap(true);
    exactProgress = new QProgressBar;
    exactProgress->setRange(0, 1000);
    cancelButton = new QPushButton(tr("C&ancel"));
    cellsModel_ = new CellsModel(this);
    cellsView = new QTableView;
    cellsView->setModel(cellsModel_);
    cellsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cellsView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Column widths from the rows shown and 20 more, not from a thousand
    // (Qt's default): a 100 x 100 table's edit spent 100 ms measuring, and
    // still 6 ms with 100 more. A column's numbers share their decimals, so
    // the rows further down are no wider.
    cellsView->horizontalHeader()->setResizeContentsPrecision(20);
    cellsView->verticalHeader()->hide();
    cellsView->setTabKeyNavigation(false);
    auto* cellsLegend = new QLabel(tr("Mark: + or - by the sign of the adjusted residual, * where significant at 5 % "
                                      "(Bonferroni)") +
                                   ". " +
                                   tr("Letters: in a row, columns that share a letter do not differ in their column % "
                                      "(z-tests at 5 %, Bonferroni)"));
    cellsLegend->setWordWrap(true);
    cellsLegend->setEnabled(false);
    intoCalculatorButton = new QPushButton(tr("Into the &calculator"));
    copyResultsButton = new QPushButton(tr("Copy r&esults"));
    copyTableButton = new QPushButton(tr("Copy &table"));
    saveButton = new QPushButton(tr("&Save as CSV\u2026"));
    mosaicButton = new QPushButton(tr("&Mosaic\u2026"));
    mosaicWindow = new MosaicWindow(this);

    auto* top = new QHBoxLayout;
    auto* countsCaption = new QLabel(tr("Cou&nts: type them, paste a block (Ctrl+V) or open a file"));
    countsCaption->setWordWrap(true);
    countsCaption->setBuddy(countsView);
    top->addWidget(countsCaption, 1);
    top->addWidget(openButton);
    auto* gridButtons = new QHBoxLayout;
    for (QPushButton* b : {addRowButton, removeRowButton, addColumnButton, removeColumnButton, swapButton})
        gridButtons->addWidget(b);
    gridButtons->addStretch();
    auto* expectedRow = new QHBoxLayout;
    auto* expectedCaption = new QLabel(tr("E&xpected proportions or counts (one row)"));
    expectedCaption->setBuddy(expectedEdit);
    expectedRow->addWidget(expectedCaption);
    expectedRow->addWidget(expectedEdit, 1);
    auto* modelCaption = new QLabel(tr("&Fit"));
    modelCaption->setBuddy(modelBox);
    expectedRow->addWidget(estimatedLabel);
    expectedRow->addWidget(estimatedBox);
    // How the expected counts come, and the paired choice, on a row of
    // their own: beside the expected field they cut its caption.
    auto* choicesRow = new QHBoxLayout;
    choicesRow->addWidget(modelCaption);
    choicesRow->addWidget(modelBox);
    choicesRow->addStretch();
    choicesRow->addWidget(pairedBox);
    auto* exactRow = new QHBoxLayout;
    exactRow->addWidget(exactLabel, 1);
    exactRow->addWidget(exactProgress);
    exactRow->addWidget(cancelButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(intoCalculatorButton);
    buttons->addStretch();
    buttons->addWidget(copyResultsButton);
    buttons->addWidget(copyTableButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(mosaicButton);
    // The buttons hold their places while the messages come and go: the
    // grid's above it, under the caption; the rest at the foot, with the
    // exact test's line, the messages and the grids between taking up the
    // change (a second click on Add row once hit another button).
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(gridButtons);
    layout->addWidget(editNoteLabel);
    layout->addWidget(countsView, 2);
    layout->addLayout(expectedRow);
    layout->addLayout(choicesRow);
    layout->addWidget(problemLabel);
    layout->addWidget(resultsLabel);
    layout->addWidget(cellsView, 2);
    layout->addWidget(cellsLegend);
    layout->addLayout(exactRow);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(SmallestWholeSize(*this, kTableSmallest));

    countsView->setAccessibleName(tr("Counts"));
    countsView->setAccessibleDescription(
        tr("One cell per count; paste a block from a spreadsheet with Ctrl+V, labels in the first row and column or not"));
    expectedEdit->setAccessibleName(tr("Expected proportions or counts"));
    expectedEdit->setAccessibleDescription(tr("For one row of counts: proportions adding up to 1 or expected counts, "
                                              "apart by blanks or semicolons; empty for equal"));
    // The labels' own texts are what a screen reader reads: no fixed names.
    exactProgress->setAccessibleName(tr("Exact test progress"));
    cellsView->setAccessibleName(tr("Cells"));
    cellsView->setAccessibleDescription(tr("Each cell's expected count, residuals and Bonferroni p; + or - by the sign "
                                           "of its adjusted residual, * where significant at 5 %"));
    intoCalculatorButton->setAccessibleDescription(tr("Sets the calculator's degrees of freedom and chi-square value"));
    copyTableButton->setAccessibleDescription(tr("Copies the counts as tab-separated cells"));
    copyResultsButton->setToolTip(tr("Ctrl+Shift+C copies the test as one sentence of a results section"));
    saveButton->setAccessibleDescription(tr("Saves the results and every cell's expected count and residuals as a CSV file"));
    mosaicButton->setAccessibleDescription(tr("Shows the table as a mosaic shaded by the adjusted residuals"));

    const auto refresh = [this] { Guarded([this] { Refresh(); }); };
    QObject::connect(&model_, &QAbstractItemModel::dataChanged, this, refresh);
    QObject::connect(&model_, &QAbstractItemModel::rowsInserted, this, refresh);
    QObject::connect(&model_, &QAbstractItemModel::rowsRemoved, this, refresh);
    QObject::connect(&model_, &QAbstractItemModel::columnsInserted, this, refresh);
    QObject::connect(&model_, &QAbstractItemModel::columnsRemoved, this, refresh);
    QObject::connect(&model_, &QAbstractItemModel::modelReset, this, refresh);
    QObject::connect(&model_, &QAbstractItemModel::headerDataChanged, this, refresh);
    QObject::connect(expectedEdit, &QLineEdit::textChanged, this, refresh);
    QObject::connect(pairedBox, &QCheckBox::toggled, this, refresh);
    QObject::connect(modelBox, &QComboBox::currentIndexChanged, this, refresh);
    QObject::connect(estimatedBox, &QSpinBox::valueChanged, this, refresh);
    const auto current = [this](bool row) {
        const QModelIndex at = countsView->currentIndex();
        return at.isValid() ? (row ? at.row() : at.column()) : (row ? model_.rowCount() - 1 : model_.columnCount() - 1);
    };
    QObject::connect(addRowButton, &QPushButton::clicked, this, [this, current] { model_.AddRow(current(true) + 1); });
    QObject::connect(addColumnButton, &QPushButton::clicked, this, [this, current] { model_.AddColumn(current(false) + 1); });
    QObject::connect(removeRowButton, &QPushButton::clicked, this, [this] { RemoveSelected(Qt::Vertical); });
    QObject::connect(removeColumnButton, &QPushButton::clicked, this, [this] { RemoveSelected(Qt::Horizontal); });
    QObject::connect(openButton, &QPushButton::clicked, this, [this] { Guarded([this] { OpenFile(); }); });
    QObject::connect(cancelButton, &QPushButton::clicked, this, [this] { StopExactTest(); });
    QObject::connect(copyResultsButton, &QPushButton::clicked, this, [this] { Guarded([this] { CopyResults(); }); });
    QObject::connect(copyTableButton, &QPushButton::clicked, this, [this] { Guarded([this] { CopyTable(); }); });
    QObject::connect(saveButton, &QPushButton::clicked, this, [this] { Guarded([this] { SaveAs(); }); });
    QObject::connect(mosaicButton, &QPushButton::clicked, this, [this] { Guarded([this] { ShowMosaic(); }); });
    for (QHeaderView* header : {countsView->horizontalHeader(), countsView->verticalHeader()}) {
        const Qt::Orientation orientation = header->orientation();
        QObject::connect(header, &QHeaderView::sectionDoubleClicked, this,
                         [this, orientation](int section) { Guarded([&] { RenameSection(orientation, section); }); });
    }
    // Ctrl+Shift+C: the test as a results section writes it.
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this), &QShortcut::activated, this,
                     [this] { Guarded([this] { CopySentence(); }); });
    auto* paste = new QShortcut(QKeySequence::Paste, countsView, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    QObject::connect(paste, &QShortcut::activated, this,
                     [this] { Guarded([this] { Paste(QGuiApplication::clipboard()->text()); }); });
    auto* clear = new QShortcut(QKeySequence::Delete, countsView, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(clear, &QShortcut::activated, this,
                     [this] { model_.ClearCells(countsView->selectionModel()->selectedIndexes()); });
    // A cell's editor keeps its own Ctrl+Z while it is open.
    for (const auto& [keys, step] : {std::pair{QKeySequence(QKeySequence::Undo), &QUndoStack::undo},
                                     std::pair{QKeySequence(QKeySequence::Redo), &QUndoStack::redo}}) {
        auto* shortcut = new QShortcut(keys, countsView, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, this, [this, step = step] { Guarded([&] { (model_.UndoStack().*step)(); }); });
    }
    QObject::connect(swapButton, &QPushButton::clicked, this, [this] { Guarded([this] { model_.Transpose(); }); });
    // The grid's own menu (right button, the Menu key): which row is the
    // first group and which column the event, for a 2 x 2 table's ratios.
    countsView->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const auto& [text, rearrange] : {std::pair{tr("Swap rows and columns"), &CountsModel::Transpose},
                                          std::pair{tr("Reverse the rows"), &CountsModel::ReverseRows},
                                          std::pair{tr("Reverse the columns"), &CountsModel::ReverseColumns}}) {
        auto* action = new QAction(text, countsView);
        QObject::connect(action, &QAction::triggered, this, [this, rearrange = rearrange] { Guarded([&] { (model_.*rearrange)(); }); });
        countsView->addAction(action);
    }
    CloseOnEscape(*this);
    QObject::connect(new QShortcut(QKeySequence::Open, this), &QShortcut::activated, this,
                     [this] { Guarded([this] { OpenFile(); }); });

    // Wider where a language's words need it: German and French run long.
    resize(kTableStartSize.expandedTo(sizeHint()));
    Refresh();
}

TableWindow::~TableWindow() {
    FinishOpening();
    StopExactTest();
}

void TableWindow::SetNumberFormat(const NumberFormat& format) {
    format_ = format;
    Refresh();
}

void TableWindow::ShowBeside(const QWidget& beside) { ShowBesideWindow(*this, beside, width(), layout()->minimumSize().width()); }

bool TableWindow::ExactRunning() const { return worker_ != nullptr && worker_->isRunning(); }

void TableWindow::ShowProblem(const QString& text) {
    problemLabel->setText(text);
    problemLabel->show();
    exactProgress->hide();
    cancelButton->hide();
}

QString TableWindow::ResultsText() const {
    if (!report_ && !pairedBox->isChecked()) return {};
    QString text = resultsLabel->text();
    if (!exactLine_.isEmpty()) text += "\n" + exactLine_;
    return text + "\n";
}

void TableWindow::CopyResults() {
    if (copyResultsButton->isEnabled()) QGuiApplication::clipboard()->setText(ResultsText());
}

void TableWindow::CopySentence() {
    if (report_) QGuiApplication::clipboard()->setText(QString::fromStdString(ResultsSentence(*report_, CurrentFormatSettings())));
}

void TableWindow::CopyTable() { QGuiApplication::clipboard()->setText(model_.AsTabSeparated()); }

void TableWindow::RenameSection(Qt::Orientation orientation, int section) {
    bool ok = false;
    const QString label = QInputDialog::getText(this, orientation == Qt::Horizontal ? tr("Column label") : tr("Row label"),
                                                tr("Label"), QLineEdit::Normal,
                                                model_.headerData(section, orientation, Qt::DisplayRole).toString(), &ok);
    if (ok) model_.SetLabel(orientation, section, label);
}

}  // namespace tarvik
