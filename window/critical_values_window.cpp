#include "window/critical_values_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include "controls/decimal_point_validator.h"
#include "calc/command_line_error.h"
#include "core/errors.h"
#include "platform/application.h"
#include "platform/window_keys.h"
#include "platform/screen_fit.h"
#include "window/chart_file_dialog.h"
#include "files/safe_file.h"
#include "window/window_texts.h"

namespace tarvik {

namespace {
constexpr QSize kCriticalValuesStartSize(560, 440);  // fits beside the calculator on 1366x768
constexpr QSize kCriticalValuesSmallest(240, 200);
const char* const kStartProbabilities = "0.10 0.05 0.025 0.01 0.005";

}  // namespace

CriticalValuesWindow::CriticalValuesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Critical values - Tarvik"));
    const Limits& limits = CommandLineLimits();

    dfFromBox = new QSpinBox;
    dfToBox = new QSpinBox;
    for (QSpinBox* box : {dfFromBox, dfToBox}) box->setRange(limits.lowestDf, limits.highestDf);
    dfFromBox->setValue(1);
    dfToBox->setValue(30);
    probabilitiesEdit = new QLineEdit;
    probabilitiesEdit->setValidator(new DecimalPointValidator(probabilitiesEdit));
    // The start list in the desktop's own number format.
    probabilitiesEdit->setText(InDesktopNumbers(kStartProbabilities));
    upperTailButton = new QRadioButton(tr("&Upper tail P(X>x)"));
    lowerTailButton = new QRadioButton(tr("&Lower tail P(X<=x)"));
    upperTailButton->setChecked(true);
    twoSidedBox = new QCheckBox(tr("T&wo-sided: each tail p/2"));
    problemLabel = new QLabel;
    problemLabel->setStyleSheet("color: #a00000");
    problemLabel->setWordWrap(true);
    table = new QTableView;
    table->setModel(&model_);
    table->setAlternatingRowColors(true);
    // Each column as wide as its numbers, scrolled sideways where they do
    // not fit: stretched to the window, ten two-sided columns showed
    // "0.0039..." cut over two lines. Measured on 100 rows, not all.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setResizeContentsPrecision(100);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setWordWrap(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    copyButton = new QPushButton(tr("&Copy"));
    saveButton = new QPushButton(tr("&Save as\u2026"));

    auto* dfRow = new QHBoxLayout;
    auto* fromLabel = new QLabel(tr("Degrees of freedom &from"));
    auto* toLabel = new QLabel(tr("&to"));
    fromLabel->setBuddy(dfFromBox);
    toLabel->setBuddy(dfToBox);
    dfRow->addWidget(fromLabel);
    dfRow->addWidget(dfFromBox);
    dfRow->addWidget(toLabel);
    dfRow->addWidget(dfToBox);
    dfRow->addStretch();
    auto* probabilitiesLabel = new QLabel(tr("&Probabilities"));
    probabilitiesLabel->setBuddy(probabilitiesEdit);
    auto* probabilitiesRow = new QHBoxLayout;
    probabilitiesRow->addWidget(probabilitiesLabel);
    probabilitiesRow->addWidget(probabilitiesEdit, 1);
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(upperTailButton);
    kindRow->addWidget(lowerTailButton);
    kindRow->addWidget(twoSidedBox);
    kindRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dfRow);
    layout->addLayout(probabilitiesRow);
    layout->addLayout(kindRow);
    layout->addWidget(problemLabel);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);
    // On a very small screen (1280 pixels at scale 3) the window may be made
    // smaller than its controls' ease: it must still fit whole.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(SmallestWholeSize(*this, kCriticalValuesSmallest));

    // What a screen reader says for each control.
    dfFromBox->setAccessibleName(tr("Degrees of freedom from"));
    dfToBox->setAccessibleName(tr("Degrees of freedom to"));
    probabilitiesEdit->setAccessibleName(tr("Probabilities"));
    probabilitiesEdit->setAccessibleDescription(tr("Tail probabilities, one per column, apart by blanks or semicolons"));
    table->setAccessibleName(tr("Critical values"));
    table->setAccessibleDescription(tr("One row per degrees of freedom, one column per probability"));
    problemLabel->setAccessibleName(tr("Problem"));
    copyButton->setAccessibleDescription(tr("Copies the table as tab-separated cells"));
    saveButton->setAccessibleDescription(tr("Saves the table as a CSV file"));
    setTabOrder(dfFromBox, dfToBox);
    setTabOrder(dfToBox, probabilitiesEdit);
    setTabOrder(probabilitiesEdit, upperTailButton);
    setTabOrder(upperTailButton, lowerTailButton);
    setTabOrder(lowerTailButton, twoSidedBox);
    setTabOrder(twoSidedBox, table);
    setTabOrder(table, copyButton);
    setTabOrder(copyButton, saveButton);

    const auto refresh = [this] { Guarded([this] { Refresh(); }); };
    QObject::connect(dfFromBox, &QSpinBox::valueChanged, this, refresh);
    QObject::connect(dfToBox, &QSpinBox::valueChanged, this, refresh);
    QObject::connect(probabilitiesEdit, &QLineEdit::textChanged, this, refresh);
    QObject::connect(upperTailButton, &QRadioButton::toggled, this, refresh);
    QObject::connect(twoSidedBox, &QCheckBox::toggled, this, refresh);
    QObject::connect(copyButton, &QPushButton::clicked, this, [this] { Guarded([this] { Copy(); }); });
    QObject::connect(saveButton, &QPushButton::clicked, this, [this] { Guarded([this] { SaveAs(); }); });
    CloseOnEscape(*this);
    QObject::connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
                     [this] { Guarded([this] { SaveAs(); }); });

    // Wider where a language's words need it: German and French run long.
    resize(kCriticalValuesStartSize.expandedTo(sizeHint()));
    Refresh();
}

void CriticalValuesWindow::SetNumberFormat(const NumberFormat& format) {
    format_ = format;
    Refresh();
}

// Every change of a setting recomputes the table. A list that does not read
// leaves the last table in place and says what is wrong with it.
void CriticalValuesWindow::Refresh() {
    const bool twoSided = twoSidedBox->isChecked();
    upperTailButton->setEnabled(!twoSided);
    lowerTailButton->setEnabled(!twoSided);
    CriticalTableSettings settings;
    settings.dfFrom = dfFromBox->value();
    settings.dfTo = dfToBox->value();
    settings.kind = twoSided ? CriticalKind::TwoSided
                : upperTailButton->isChecked() ? CriticalKind::Upper
                                               : CriticalKind::Lower;
    settings.format = format_;
    const Field field = settings.kind == CriticalKind::Upper ? Field::UpperTail : Field::Cdf;
    try {
        settings.probabilities = ReadProbabilityList(probabilitiesEdit->text().toStdString(), field, CurrentFormatSettings());
    } catch (const CommandLineError& bad) {
        ShowProblem(AsSentence(bad.message));
        return;
    }
    if (settings.dfTo < settings.dfFrom) {
        ShowProblem(tr("The degrees of freedom run backwards: 'from' is above 'to'."));
        return;
    }
    problemLabel->clear();
    problemLabel->hide();
    copyButton->setEnabled(true);
    saveButton->setEnabled(true);
    model_.SetSettings(settings);
}

// The table below belongs to the last good settings: it is neither copied
// nor saved while the problem line shows, so nothing stale leaves the window.
void CriticalValuesWindow::ShowProblem(const QString& text) {
    problemLabel->setText(text);
    problemLabel->show();
    copyButton->setEnabled(false);
    saveButton->setEnabled(false);
}

void CriticalValuesWindow::Copy() {
    if (!copyButton->isEnabled()) return;
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(RenderTable(model_.Table(CurrentFormatSettings()), TableForm::Tsv)));
}

void CriticalValuesWindow::SaveTo(const QString& path) {
    // CSV separates with commas: its numbers keep the point, whatever the
    // desktop's separator.
    const QByteArray csv = QByteArray::fromStdString(RenderTable(model_.Table(FormatSettings{}), TableForm::Csv));
    WriteFileWhole(path, tr("the table"), ReadOnlyTarget::Refuse, [&](QIODevice& device) { return WriteAll(device, csv); });
}

void CriticalValuesWindow::SaveAs() {
    if (!saveButton->isEnabled()) return;  // Ctrl+S while the input is bad
    if (const QString path = AskCsvFile(this, tr("Save table as"), "critical-values.csv"); !path.isEmpty()) SaveTo(path);
}

void CriticalValuesWindow::ShowBeside(const QWidget& beside) { ShowBesideWindow(*this, beside, width(), layout()->minimumSize().width()); }

}  // namespace tarvik
