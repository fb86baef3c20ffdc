// The window's reports: the chart saved or copied from its menu, the
// numbers behind the six shown decimals in tooltips and copies.
#include <QMenu>
#include <QShortcut>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include "calc/results_text.h"
#include "core/number_text.h"
#include "platform/application.h"
#include "window/calculator_window.h"
#include "files/chart_export.h"
#include "window/chart_file_dialog.h"
#include "window/critical_values_window.h"
#include "window/language.h"
#include "window/power_window.h"
#include "window/variance_window.h"
#include "window/mosaic_window.h"
#include "window/table_window.h"
#include "files/settings.h"

namespace tarvik {

std::unique_ptr<QMenu> CalculatorWindow::ChartMenu() {
    auto menu = std::make_unique<QMenu>(this);
    QObject::connect(menu->addAction(tr("Save chart as\u2026")), &QAction::triggered, this,
                     [this] { Guarded([this] { SaveChartAs(); }); });
    QObject::connect(menu->addAction(tr("Copy chart")), &QAction::triggered, this,
                     [this] { Guarded([this] { CopyChart(); }); });
    menu->addSeparator();
    AddWindowActions(*menu);
    return menu;
}

QString CalculatorWindow::ChartTitle() const {
    return QString("df %1   x = %2   P(X<=x) = %3   P(X>x) = %4")
        .arg(dfSpinEdit->text(), valueEdit->text(), cdfEdit->text(), upperTailEdit->text());
}

void CalculatorWindow::SaveChartAs() {
    ChartFileChoice choice;
    if (AskChartFile(this, "chi-square.png", choice))
        Guarded([&] { SaveChartAsked(this, *densityChart, choice, ChartTitle()); });
}

void CalculatorWindow::SaveChartTo(const QString& path, ChartFormat format, int scale) {
    Guarded([&] { SaveChartAsked(this, *densityChart, {path, format, scale, false}, ChartTitle()); });
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
    QObject::connect(menu.addAction(tr("Copy full precision")), &QAction::triggered, this, [this, shown] {
        Guarded([&] {
            QGuiApplication::clipboard()->setText(QString::fromStdString(FormatFullPrecision(FullNumber(shown))));
        });
    });
    QAction* results = menu.addAction(tr("Copy results"));
    results->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QObject::connect(results, &QAction::triggered, this, [this] { Guarded([this] { CopyResults(); }); });
    menu.addSeparator();
    AddNumberStyleMenu(menu);
    AddWindowActions(menu);
}

// The windows beside the calculator, each with its shortcut.
void CalculatorWindow::AddWindowActions(QMenu& menu) {
    QAction* table = menu.addAction(tr("Critical values\u2026"));
    table->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    QObject::connect(table, &QAction::triggered, this, [this] { Guarded([this] { ShowCriticalValues(); }); });
    QAction* power = menu.addAction(tr("Power and sample size\u2026"));
    power->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    QObject::connect(power, &QAction::triggered, this, [this] { Guarded([this] { ShowPower(); }); });
    QAction* tableTest = menu.addAction(tr("Test a table\u2026"));
    tableTest->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
    QObject::connect(tableTest, &QAction::triggered, this, [this] { Guarded([this] { ShowTableTest(); }); });
    QAction* variance = menu.addAction(tr("One variance\u2026"));
    variance->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    QObject::connect(variance, &QAction::triggered, this, [this] { Guarded([this] { ShowVariance(); }); });
    menu.addSeparator();
    AddLanguageMenu(menu);
}

void CalculatorWindow::AddLanguageMenu(QMenu& menu) {
    QMenu* languages = menu.addMenu(tr("&Language"));
    auto* group = new QActionGroup(languages);
    std::string saved;
    const bool chosen = SavedLanguage(saved);
    QAction* desktop = languages->addAction(tr("The desktop's language"));
    desktop->setCheckable(true);
    desktop->setChecked(!chosen);
    group->addAction(desktop);
    QObject::connect(desktop, &QAction::triggered, this, [this] { Guarded([this] { ChooseLanguage("", true); }); });
    languages->addSeparator();
    for (const Language& language : Languages()) {
        // Each language under its own name: a user lost in a foreign
        // interface still finds theirs.
        QAction* action = languages->addAction(QString::fromUtf8(language.name));
        action->setCheckable(true);
        action->setChecked(chosen && saved == language.code);
        group->addAction(action);
        const std::string code = language.code;
        QObject::connect(action, &QAction::triggered, this, [this, code] { Guarded([&] { ChooseLanguage(code, false); }); });
    }
}

void CalculatorWindow::ChooseLanguage(const std::string& code, bool followDesktop) {
    const bool saved = SaveLanguage(code, followDesktop);
    const QString name = followDesktop ? tr("the desktop's language") : LanguageName(code);
    if (Application* app = CurrentApplication())
        app->ShowNotice(saved ? tr("Tarvik shows its words in %1 from its next start.").arg(name)
                              : tr("The choice of %1 could not be saved in %2: Tarvik keeps its words as they are.")
                                    .arg(name, SettingsPlace()));
}

// The three styles under the command line's names, each with the upper
// tail as it would show: the choice is seen before it is made.
void CalculatorWindow::AddNumberStyleMenu(QMenu& menu) {
    QMenu* styles = menu.addMenu(tr("Show &numbers as"));
    auto* group = new QActionGroup(styles);
    const struct {
        NumberStyle style;
        const char* title;
    } choices[] = {{NumberStyle::Decimals, QT_TR_NOOP("&Decimals")},
                   {NumberStyle::Significant, QT_TR_NOOP("&Significant digits")},
                   {NumberStyle::Scientific, QT_TR_NOOP("S&cientific")}};
    const Real example = calc_.CurrentResults().upper;
    for (const auto& c : choices) {
        const QString shown = QString::fromStdString(FormatNumber(example, {c.style, 6}));
        QAction* action = styles->addAction(QString("%1\t%2").arg(tr(c.title), shown));
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
    if (!SaveNumberFormat(format))
        if (Application* app = CurrentApplication())
            app->ShowNotice(tr("Numbers are shown so from now on, but the choice could not be saved in %1 for the next "
                               "start.").arg(SettingsPlace()));
    if (criticalValues_) criticalValues_->SetNumberFormat(format);
    if (power_) power_->SetNumberFormat(format);
    if (tableTest_) tableTest_->SetNumberFormat(format);
    if (variance_) variance_->SetNumberFormat(format);
}

namespace {
// A window beside the calculator: made on first use, with the calculator's
// number style, and placed beside it; later only brought back to the front.
template <typename W>
void ShowBesideCalculator(W*& window, CalculatorWindow* calculator, const NumberFormat& format) {
    if (!window) {
        window = new W(calculator);
        window->SetNumberFormat(format);
        // F1 opens the help at the window's own paragraph.
        QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), window), &QShortcut::activated, calculator,
                         [calculator, window] { Guarded([&] { calculator->ShowHelpFor(window); }); });
        // Its own menu (a right click on its ground): how numbers show,
        // as in the calculator's menus, for every window at once.
        window->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(window, &QWidget::customContextMenuRequested, calculator, [calculator, window](const QPoint& at) {
            Guarded([&] {
                QMenu menu(window);
                calculator->AddNumberStyleMenu(menu);
                menu.exec(window->mapToGlobal(at));
            });
        });
        window->ShowBeside(*calculator);
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}
}  // namespace

void CalculatorWindow::ShowPower() { ShowBesideCalculator(power_, this, calc_.CurrentNumberFormat()); }

void CalculatorWindow::ShowVariance() { ShowBesideCalculator(variance_, this, calc_.CurrentNumberFormat()); }

void CalculatorWindow::ShowTableTest() {
    const bool first = !tableTest_;
    ShowBesideCalculator(tableTest_, this, calc_.CurrentNumberFormat());
    if (!first) return;
    // The mosaic's F1 opens the table test's paragraph, which tells of it.
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F1), tableTest_->mosaicWindow), &QShortcut::activated, this,
                     [this] { Guarded([this] { ShowHelpFor(tableTest_); }); });
    QObject::connect(tableTest_->intoCalculatorButton, &QPushButton::clicked, this, [this] {
        Guarded([this] {
            if (const auto& report = tableTest_->Report()) ShowStatistic(int(ToLongDouble(report->test.df)), report->test.chiSquare);
        });
    });
}

void CalculatorWindow::ShowStatistic(int df, Real chiSquare) {
    dfSpinEdit->SetValue(df);
    // The value as the field shows it, in the desktop's numbers; its edit
    // runs the chain as a typed one does, and committing it settles it.
    valueEdit->setText(QString::fromStdString(FormatFixed(chiSquare, 6)));
    Apply(calc_.Commit(Field::Value));
    raise();
    activateWindow();
}

void CalculatorWindow::ShowCriticalValues() {
    ShowBesideCalculator(criticalValues_, this, calc_.CurrentNumberFormat());
}

std::unique_ptr<QMenu> CalculatorWindow::DensityMenu() {
    auto menu = std::make_unique<QMenu>(this);
    QObject::connect(menu->addAction(tr("Copy")), &QAction::triggered, this,
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
        const QString note = shown->property("note").toString();
        shown->setToolTip((note.isEmpty() ? QString() : note + "\n") +
                          tr("%1  (6 significant digits)\n%2  (full precision)")
                              .arg(QString::fromStdString(FormatScientific(v, 6)), QString::fromStdString(FormatFullPrecision(v))));
    }
}

void CalculatorWindow::CopyChart() {
    QGuiApplication::clipboard()->setImage(RenderChart(*densityChart, ChartTitle(), densityChart->size()));
}

}  // namespace tarvik
