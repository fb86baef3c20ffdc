#include "window/variance_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calc/computations.h"
#include "calc/limits.h"
#include "calc/table_report.h"
#include "calc/variance_plot.h"
#include "chart/chart.h"
#include "controls/decimal_point_validator.h"
#include "core/checked_math.h"
#include "core/errors.h"
#include "files/chart_export.h"
#include "platform/application.h"
#include "platform/screen_fit.h"
#include "platform/window_keys.h"
#include "window/plain_chart.h"
#include "window/power_charts.h"
#include "window/window_texts.h"

namespace tarvik {

namespace {

constexpr QSize kVarianceStartSize(600, 420);
enum VarianceSeries { kLowerRegion, kUpperRegion, kDensity, kLowerCut, kUpperCut, kStatistic };
constexpr Rgb kStatisticColor{192, 0, 0};

void ConfigureVarianceChart(Chart& chart) {
    ConfigurePlain(chart);
    chart.LeftAxis().AxisValuesFormat = "#,##0.00#";
    Add<AreaSeries>(chart, "lower tail", kAlphaRegionColor)->Transparency = 45;
    Add<AreaSeries>(chart, "upper tail", kAlphaRegionColor)->Transparency = 45;
    Add<LineSeries>(chart, "density", kCentralColor)->LinePen = {kCentralColor, 2, true, false};
    Add<LineSeries>(chart, "lower cut-off", kBlack)->LinePen = {kBlack, 1, true, false};
    Add<LineSeries>(chart, "upper cut-off", kBlack)->LinePen = {kBlack, 1, true, false};
    Add<LineSeries>(chart, "statistic", kStatisticColor)->LinePen = {kStatisticColor, 2, true, true};
}

void ShowVariancePlot(Chart& chart, const VariancePlot& plot) {
    chart.SetPoints(kLowerRegion, plot.lowerRegion);
    chart.SetPoints(kUpperRegion, plot.upperRegion);
    chart.SetPoints(kDensity, plot.density);
    chart.SetPoints(kLowerCut, plot.lowerCutLine);
    chart.SetPoints(kUpperCut, plot.upperCutLine);
    chart.SetPoints(kStatistic, plot.statisticLine);
    chart.BottomAxis().SetMinMax(0, plot.xMaximum);
    chart.LeftAxis().SetMinMax(0, plot.yMaximum);
    chart.update();
}

}  // namespace

VarianceWindow::VarianceWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("One variance - Tarvik"));
    givenBox = new QComboBox;
    givenBox->addItems({tr("Sample variance s\u00b2"), tr("Sample standard deviation s")});
    givenBox->setAccessibleName(tr("What the sample gives"));
    givenEdit = new QLineEdit(InDesktopNumbers("4.2"));
    sizeBox = new QSpinBox;
    // n - 1 degrees of freedom, as far as the command line's --n goes.
    sizeBox->setRange(2, CommandLineLimits().highestDf + 1);
    sizeBox->setValue(20);
    levelEdit = new QLineEdit(InDesktopNumbers("0.95"));
    nullEdit = new QLineEdit;
    nullEdit->setPlaceholderText(tr("none: no test"));
    for (QLineEdit* edit : {givenEdit, levelEdit, nullEdit}) edit->setValidator(new DecimalPointValidator(edit));
    resultsLabel = new QLabel;
    resultsLabel->setWordWrap(true);
    resultsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    resultsLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    problemLabel = new QLabel;
    problemLabel->setStyleSheet("color: #a00000");
    problemLabel->setWordWrap(true);
    chart = new Chart;
    chart->setMinimumSize(220, 160);
    chart->setAccessibleName(tr("The chi-square density with the interval's cut-offs"));
    ConfigureVarianceChart(*chart);
    copyResultsButton = new QPushButton(tr("Copy r&esults"));
    copyChartButton = new QPushButton(tr("Copy c&hart"));

    auto* form = new QFormLayout;
    form->addRow(givenBox, givenEdit);
    form->addRow(tr("Sample si&ze n"), sizeBox);
    form->addRow(tr("Confidence &level"), levelEdit);
    form->addRow(tr("&Test against \u03c3\u2080\u00b2"), nullEdit);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(problemLabel);
    left->addWidget(resultsLabel, 1);
    auto* legend = new QLabel(tr("Shaded: the tails beyond the two cut-offs, each (1 \u2212 level) / 2; "
                                 "dotted: the test's statistic"));
    legend->setWordWrap(true);
    legend->setEnabled(false);
    auto* right = new QVBoxLayout;
    right->addWidget(chart, 1);
    right->addWidget(legend);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyResultsButton);
    buttons->addWidget(copyChartButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    const auto refresh = [this] { Guarded([this] { Refresh(); }); };
    for (QLineEdit* edit : {givenEdit, levelEdit, nullEdit}) QObject::connect(edit, &QLineEdit::textChanged, this, refresh);
    QObject::connect(sizeBox, &QSpinBox::valueChanged, this, refresh);
    QObject::connect(givenBox, &QComboBox::currentIndexChanged, this, refresh);
    QObject::connect(copyResultsButton, &QPushButton::clicked, this,
                     [this] { Guarded([this] { QGuiApplication::clipboard()->setText(ResultsText()); }); });
    QObject::connect(copyChartButton, &QPushButton::clicked, this, [this] {
        Guarded([this] { QGuiApplication::clipboard()->setImage(RenderChart(*chart, windowTitle(), chart->size())); });
    });
    CloseOnEscape(*this);
    resize(kVarianceStartSize.expandedTo(sizeHint()));
    Refresh();
}

void VarianceWindow::SetNumberFormat(const NumberFormat& format) {
    format_ = format;
    Refresh();
}

void VarianceWindow::ShowBeside(const QWidget& beside) { ShowBesideWindow(*this, beside, width(), layout()->minimumSize().width()); }

void VarianceWindow::ShowProblem(const QString& text) {
    question_.reset();
    problemLabel->setText(text);
    problemLabel->show();
    resultsLabel->clear();
    copyResultsButton->setEnabled(false);
    copyChartButton->setEnabled(false);
    ShowVariancePlot(*chart, {});
}

void VarianceWindow::Refresh() {
    VarianceQuestion q;
    q.n = Real(sizeBox->value());
    Real given = 0;
    if (!TryTextToReal(givenEdit->text().toStdString(), given) || !(given > 0))
        return ShowProblem(tr("%1 is a number above 0.").arg(givenBox->currentText()));
    const bool sd = givenBox->currentIndex() == 1;
    q.variance = sd ? checked::Mul(given, given) : given;
    try {
        q.level = TailsOfText(levelEdit->text().toStdString(), Field::Cdf);
    } catch (const Exception&) {
        return ShowProblem(tr("The confidence level is a number between 0 and 1."));
    }
    if (!(q.level.cdf > 0 && q.level.upper > 0)) return ShowProblem(tr("The confidence level is a number between 0 and 1."));
    if (!nullEdit->text().trimmed().isEmpty()) {
        q.hasNullVariance = true;
        if (!TryTextToReal(nullEdit->text().toStdString(), q.nullVariance) || !(q.nullVariance > 0))
            return ShowProblem(tr("\u03c3\u2080\u00b2 to test against is a number above 0, or empty."));
    }
    const VarianceAnswer a = AnswerVariance(q);
    question_ = q;
    problemLabel->hide();
    const auto n = [&](Real v) { return QString::fromStdString(FormatNumber(v, format_, CurrentFormatSettings())); };
    const QString level = QString::fromStdString(FormatGeneral(100 * q.level.cdf));
    QStringList lines;
    lines << tr("df = %1, s\u00b2 = %2").arg(QString::fromStdString(FormatFixed(a.df, 0)), n(q.variance));
    lines << tr("%1 % interval for \u03c3\u00b2: %2 to %3").arg(level, n(a.varianceLow), n(a.varianceHigh));
    lines << tr("%1 % interval for \u03c3: %2 to %3").arg(level, n(a.sdLow), n(a.sdHigh));
    if (q.hasNullVariance) {
        const auto p = [&](Real v) { return QString::fromStdString(PValueText(v, format_, CurrentFormatSettings())); };
        lines << tr("\u03c7\u00b2 = (n \u2212 1) s\u00b2 / \u03c3\u2080\u00b2 = %1").arg(n(a.chiSquare));
        lines << tr("p = %1 (\u03c3\u00b2 below \u03c3\u2080\u00b2), %2 (above); two-sided %3")
                     .arg(p(a.pLower), p(a.pUpper), p(a.pTwoSided));
    }
    resultsLabel->setText(lines.join("\n"));
    copyResultsButton->setEnabled(true);
    copyChartButton->setEnabled(true);
    ShowVariancePlot(*chart, ComputeVariancePlot(q, a));
}

QString VarianceWindow::ResultsText() const { return question_ ? resultsLabel->text() + "\n" : QString(); }

}  // namespace tarvik
