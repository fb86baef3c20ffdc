// The window's reports: the chart saved or copied from its menu, the
// numbers behind the six shown decimals in tooltips and copies.
#include <QActionGroup>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

#include "calc/results_text.h"
#include "core/number_text.h"
#include "platform/application.h"
#include "window/calculator_window.h"
#include "window/chart_export.h"
#include "window/critical_values_window.h"
#include "window/settings.h"

namespace tarvik {

std::unique_ptr<QMenu> CalculatorWindow::ChartMenu() {
    auto menu = std::make_unique<QMenu>(this);
    QObject::connect(menu->addAction("Save chart as\u2026"), &QAction::triggered, this,
                     [this] { Guarded([this] { SaveChartAs(); }); });
    QObject::connect(menu->addAction("Copy chart"), &QAction::triggered, this,
                     [this] { Guarded([this] { CopyChart(); }); });
    menu->addSeparator();
    QAction* table = menu->addAction("Critical values\u2026");
    table->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(table, &QAction::triggered, this, [this] { Guarded([this] { ShowCriticalValues(); }); });
    return menu;
}

QString CalculatorWindow::ChartTitle() const {
    return QString("df %1   x = %2   P(X<=x) = %3   P(X>x) = %4")
        .arg(dfSpinEdit->text(), valueEdit->text(), cdfEdit->text(), upperTailEdit->text());
}

// The type chosen in the dialog decides the file's format, and its
// extension is added to a name typed without one (the dialog then asks
// before replacing a file of that name).
void CalculatorWindow::SaveChartAs() {
    struct Choice {
        QString filter, suffix;
        ChartFormat format;
        int scale;
    };
    const Choice choices[] = {{"PNG image (*.png)", "png", ChartFormat::Png, 1},
                              {"PNG image, twice the resolution (*.png)", "png", ChartFormat::Png, 2},
                              {"SVG drawing (*.svg)", "svg", ChartFormat::Svg, 1}};
    QFileDialog dialog(this, "Save chart as");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const Choice& c : choices) filters << c.filter;
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix("png");
    dialog.selectFile("chi-square.png");
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        for (const Choice& c : choices)
            if (c.filter == filter) dialog.setDefaultSuffix(c.suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QString path = dialog.selectedFiles().front();
    const Choice* chosen = &choices[0];
    for (const Choice& c : choices)
        if (c.filter == dialog.selectedNameFilter()) chosen = &c;
    // A name that ends in another type's extension keeps it, and gets the
    // chosen one after it: the file is what the user chose.
    if (!path.endsWith("." + chosen->suffix, Qt::CaseInsensitive)) path += "." + chosen->suffix;
    SaveChartTo(path, chosen->format, chosen->scale);
}

void CalculatorWindow::SaveChartTo(const QString& path, ChartFormat format, int scale) {
    Guarded([&] {
        bool readOnly = false;
        TargetProblem(path, readOnly);
        ReadOnlyTarget policy = ReadOnlyTarget::Refuse;
        if (readOnly && ConfirmReplacingReadOnly(path)) policy = ReadOnlyTarget::Replace;
        if (readOnly && policy == ReadOnlyTarget::Refuse) return;
        SaveChart(*densityChart, path, format, ChartTitle(), densityChart->size(), scale, policy);
    });
}

bool CalculatorWindow::ConfirmReplacingReadOnly(const QString& path) {
    if (Application* app = CurrentApplication(); app && app->QuestionSink) return app->QuestionSink(path);
    return QMessageBox::question(this, "Tarvik", "'" + path + "' is read-only. Replace it?",
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
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
    menu.addSeparator();
    AddNumberStyleMenu(menu);
    QAction* table = menu.addAction("Critical values\u2026");
    table->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(table, &QAction::triggered, this, [this] { Guarded([this] { ShowCriticalValues(); }); });
}

// The three styles under the command line's names, each with the upper
// tail as it would show: the choice is seen before it is made.
void CalculatorWindow::AddNumberStyleMenu(QMenu& menu) {
    QMenu* styles = menu.addMenu("Show &numbers as");
    auto* group = new QActionGroup(styles);
    const struct {
        NumberStyle style;
        const char* title;
    } choices[] = {{NumberStyle::Decimals, "&Decimals"},
                   {NumberStyle::Significant, "&Significant digits"},
                   {NumberStyle::Scientific, "S&cientific"}};
    const Real example = calc_.CurrentResults().upper;
    for (const auto& c : choices) {
        const QString shown = QString::fromStdString(FormatNumber(example, {c.style, 6}));
        QAction* action = styles->addAction(QString("%1\t%2").arg(c.title, shown));
        action->setCheckable(true);
        action->setChecked(calc_.CurrentNumberFormat().style == c.style);
        group->addAction(action);
        const NumberStyle style = c.style;
        QObject::connect(action, &QAction::triggered, this, [this, style] { Guarded([&] { SetNumberStyle(style); }); });
    }
}

void CalculatorWindow::SetNumberStyle(NumberStyle style) {
    const NumberFormat format{style, 6};
    Apply(calc_.SetNumberFormat(format));
    UpdatePrecisionTips();
    SaveNumberFormat(format);
    if (criticalValues_) criticalValues_->SetNumberFormat(format);
}

void CalculatorWindow::ShowCriticalValues() {
    if (!criticalValues_) {
        criticalValues_ = new CriticalValuesWindow(this);
        criticalValues_->SetNumberFormat(calc_.CurrentNumberFormat());
        criticalValues_->ShowBeside(*this);
        return;
    }
    criticalValues_->show();
    criticalValues_->raise();
    criticalValues_->activateWindow();
}

std::unique_ptr<QMenu> CalculatorWindow::DensityMenu() {
    auto menu = std::make_unique<QMenu>(this);
    QObject::connect(menu->addAction("Copy"), &QAction::triggered, this,
                     [this] { Guarded([this] { QGuiApplication::clipboard()->setText(densityLabel->Caption()); }); });
    AddCopyActions(*menu, densityLabel);
    return menu;
}

void CalculatorWindow::CopyResults() {
    QGuiApplication::clipboard()->setText(
        QString::fromStdString(ResultsClipboardText(calc_.CurrentResults(), calc_.CurrentNumberFormat())));
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

void CalculatorWindow::CopyChart() {
    QGuiApplication::clipboard()->setImage(RenderChart(*densityChart, ChartTitle(), densityChart->size()));
}

}  // namespace tarvik
