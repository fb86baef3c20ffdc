// The window's reports: the chart saved or copied from its menu, the
// numbers behind the six shown decimals in tooltips and copies.
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>

#include "calc/results_text.h"
#include "core/number_text.h"
#include "platform/application.h"
#include "window/calculator_window.h"
#include "window/chart_export.h"

namespace tarvik {

std::unique_ptr<QMenu> CalculatorWindow::ChartMenu() {
    auto menu = std::make_unique<QMenu>(this);
    QObject::connect(menu->addAction("Save chart as\u2026"), &QAction::triggered, this,
                     [this] { Guarded([this] { SaveChartAs(); }); });
    QObject::connect(menu->addAction("Copy chart"), &QAction::triggered, this,
                     [this] { Guarded([this] { CopyChart(); }); });
    return menu;
}

QString CalculatorWindow::ChartTitle() const {
    return QString("df %1   x = %2   P(X<=x) = %3   P(X>x) = %4")
        .arg(dfSpinEdit->text(), valueEdit->text(), cdfEdit->text(), upperTailEdit->text());
}

void CalculatorWindow::SaveChartAs() {
    const QString png = "PNG image (*.png)", png2 = "PNG image, twice the size (*.png)", svg = "SVG drawing (*.svg)";
    QString filter = png;
    const QString path = QFileDialog::getSaveFileName(this, "Save chart as", "chi-square.png",
                                                      png + ";;" + png2 + ";;" + svg, &filter);
    if (path.isEmpty()) return;
    SaveChartTo(path, filter == png2 ? 2 : 1);
}

void CalculatorWindow::SaveChartTo(const QString& path, int scale) {
    Guarded([&] { SaveChart(*densityChart, path, ChartTitle(), scale); });
}

Real CalculatorWindow::FullNumber(const QWidget* shown) const {
    const Results r = calc_.CurrentResults();
    if (shown == valueEdit) return r.value;
    if (shown == cdfEdit) return r.cdf;
    if (shown == upperTailEdit) return r.upper;
    return r.density;
}

void CalculatorWindow::AddCopyActions(QMenu& menu, const QWidget* shown) {
    menu.addSeparator();
    QObject::connect(menu.addAction("Copy full precision"), &QAction::triggered, this, [this, shown] {
        Guarded([&] {
            QGuiApplication::clipboard()->setText(QString::fromStdString(FormatFullPrecision(FullNumber(shown))));
        });
    });
    QAction* results = menu.addAction("Copy results");
    results->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QObject::connect(results, &QAction::triggered, this, [this] { Guarded([this] { CopyResults(); }); });
}

std::unique_ptr<QMenu> CalculatorWindow::DensityMenu() {
    auto menu = std::make_unique<QMenu>(this);
    QObject::connect(menu->addAction("Copy"), &QAction::triggered, this,
                     [this] { Guarded([this] { QGuiApplication::clipboard()->setText(densityLabel->Caption()); }); });
    AddCopyActions(*menu, densityLabel);
    return menu;
}

void CalculatorWindow::CopyResults() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(ResultsClipboardText(calc_.CurrentResults())));
}

// The tooltip of each shown number: six significant digits in scientific
// form (what six decimals hide in a small p-value), then the full Real.
void CalculatorWindow::UpdatePrecisionTips() {
    for (QWidget* shown : std::initializer_list<QWidget*>{valueEdit, cdfEdit, upperTailEdit, densityLabel}) {
        const Real v = FullNumber(shown);
        shown->setToolTip(QString::fromStdString(FormatScientific(v, 6)) + "  (6 significant digits)\n" +
                          QString::fromStdString(FormatFullPrecision(v)) + "  (full precision)");
    }
}

void CalculatorWindow::CopyChart() { QGuiApplication::clipboard()->setImage(RenderChart(*densityChart, ChartTitle())); }

}  // namespace tarvik
