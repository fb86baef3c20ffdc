#include "window/mosaic_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "calc/mosaic_plot.h"
#include "core/format_settings.h"
#include "files/chart_export.h"
#include "platform/application.h"
#include "platform/window_keys.h"
#include "window/chart_file_dialog.h"
#include "window/mosaic_chart.h"

namespace tarvik {

MosaicWindow::MosaicWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Mosaic - Tarvik"));
    chart = new MosaicChart;
    explanationLabel = new QLabel(tr("Each tile's area is its cell's share of the table: the rows side by side, "
                                     "each row's columns stacked. Shade and outline follow the adjusted residual: "
                                     "blue and solid above expectation, red and dashed below."));
    explanationLabel->setWordWrap(true);
    copyButton = new QPushButton(tr("&Copy picture"));
    saveButton = new QPushButton(tr("&Save as\u2026"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyButton);
    buttons->addWidget(saveButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart, 1);
    layout->addWidget(explanationLabel);
    layout->addLayout(buttons);
    QObject::connect(copyButton, &QPushButton::clicked, this, [this] { Guarded([this] { Copy(); }); });
    QObject::connect(saveButton, &QPushButton::clicked, this, [this] { Guarded([this] { SaveAs(); }); });
    QObject::connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
                     [this] { Guarded([this] { SaveAs(); }); });
    QObject::connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
                     [this] { Guarded([this] { Copy(); }); });
    CloseOnEscape(*this);
    resize(520, 420);
}

void MosaicWindow::Show(const TableReport* report, const std::vector<std::string>& rowLabels,
                        const std::vector<std::string>& columnLabels) {
    QStringList rows, columns;
    if (report) {
        for (std::size_t i = 0; i < report->rows; ++i) rows << QString::fromStdString(LabelOf(rowLabels, i));
        for (std::size_t j = 0; j < report->columns; ++j) columns << QString::fromStdString(LabelOf(columnLabels, j));
        title_ = QString::fromStdString(ResultsSentence(*report, CurrentFormatSettings()));
    } else {
        title_.clear();
    }
    chart->Show(report ? LayOutMosaic(*report) : MosaicPlot{}, rows, columns);
    copyButton->setEnabled(report != nullptr);
    saveButton->setEnabled(report != nullptr);
}

void MosaicWindow::Copy() {
    if (copyButton->isEnabled()) QGuiApplication::clipboard()->setImage(RenderChart(*chart, title_, chart->size()));
}

void MosaicWindow::SaveAs() {
    if (!saveButton->isEnabled()) return;
    ChartFileChoice choice;
    if (AskChartFile(this, "table-mosaic.png", choice)) SavePictureAsked(this, *chart, chart->size(), choice, title_);
}

void MosaicWindow::SaveTo(const QString& path, int format, int scale) {
    SavePictureAsked(this, *chart, chart->size(), {path, format == 1 ? ChartFormat::Svg : ChartFormat::Png, scale, false},
                     title_);
}

}  // namespace tarvik
