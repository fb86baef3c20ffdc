#include "window/power_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include "controls/decimal_point_validator.h"
#include "calc/answers.h"
#include "calc/limits.h"
#include "calc/text_table.h"
#include "chart/chart.h"
#include "controls/marked_line_edit.h"
#include "core/number_text.h"
#include "platform/application.h"
#include "platform/window_keys.h"
#include "platform/screen_fit.h"
#include "window/chart_file_dialog.h"
#include "window/design_fields.h"
#include "window/power_charts.h"
#include "window/proportions_box.h"
#include "window/window_texts.h"

namespace tarvik {

namespace {
constexpr QSize kPowerStartSize(640, 720);
constexpr QSize kPowerSmallest(320, 360);
constexpr QSize kChartSize(300, 220);

// The solve choices in the order of the combo box.
constexpr PowerField kSolvable[] = {PowerField::SampleSize, PowerField::Power, PowerField::EffectSize,
                                    PowerField::Alpha};

// Cohen's three sizes in the desktop's numbers.
QString EffectDescription() {
    return PowerWindow::tr("Cohen's w: %1 small, %2 medium, %3 large")
        .arg(InDesktopNumbers("0.1"), InDesktopNumbers("0.3"), InDesktopNumbers("0.5"));
}

QString Swatch(Rgb color, const QString& what) {
    return QString("<span style=\"color:%1\">\u25A0</span>&nbsp;%2").arg(ToQColor(color).name(), what);
}
}  // namespace

PowerWindow::PowerWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Power and sample size - Tarvik"));

    designBox = new QComboBox;
    designBox->addItems({tr("Cohen's w (chi-square test)"), tr("McNemar's test (paired proportions)"),
                         tr("Two independent proportions")});
    designFields = new DesignFields;
    designFields->hide();
    solveBox = new QComboBox;
    solveBox->addItems({tr("Sample size N"), tr("Power"), tr("Effect size w"), tr("Significance level \u03B1")});
    dfBox = new QSpinBox;
    dfBox->setRange(1, CommandLineLimits().highestDf);
    dfBox->setValue(1);
    effectEdit = new MarkedLineEdit(InDesktopNumbers("0.3"));
    alphaEdit = new MarkedLineEdit(InDesktopNumbers("0.05"));
    powerEdit = new MarkedLineEdit(InDesktopNumbers("0.8"));
    sampleSizeEdit = new MarkedLineEdit("100");
    for (QLineEdit* edit : {effectEdit, alphaEdit, powerEdit}) edit->setValidator(new DecimalPointValidator(edit));
    auto* effectHint = new QLabel(
        tr("Cohen: %1 small, %2 medium, %3 large").arg(InDesktopNumbers("0.1"), InDesktopNumbers("0.3"), InDesktopNumbers("0.5")));
    effectHint->setEnabled(false);
    resultsLabel = new QLabel;
    resultsLabel->setWordWrap(true);
    resultsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    problemLabel = new QLabel;
    problemLabel->setStyleSheet("color: #a00000");
    problemLabel->setWordWrap(true);
    problemLabel->hide();

    auto* form = new QFormLayout;
    form_ = form;
    auto* designLabel = new QLabel(tr("D&esign"));
    designLabel->setBuddy(designBox);
    form->addRow(designLabel, designBox);
    auto* solveLabel = new QLabel(tr("&Solve for"));
    solveLabel->setBuddy(solveBox);
    form->addRow(solveLabel, solveBox);
    form->addRow(tr("&Degrees of freedom"), dfBox);
    effectRow_ = new QWidget;
    auto* effectRow = new QHBoxLayout(effectRow_);
    effectRow->setContentsMargins(0, 0, 0, 0);
    effectRow->addWidget(effectEdit, 1);
    effectRow->addWidget(effectHint);
    auto* effectLabel = new QLabel(tr("Effect size &w"));
    effectLabel->setBuddy(effectEdit);
    form->addRow(effectLabel, effectRow_);
    form->addRow(designFields);
    form->addRow(tr("Significance level &\u03B1"), alphaEdit);
    form->addRow(tr("&Power 1 \u2212 \u03B2"), powerEdit);
    sampleSizeLabel = new QLabel(tr("Total sample size &N"));
    sampleSizeLabel->setBuddy(sampleSizeEdit);
    form->addRow(sampleSizeLabel, sampleSizeEdit);

    proportionsBox = new ProportionsBox;
    // The pictures.
    hypothesesChart = new Chart;
    curveChart = new Chart;
    ConfigureHypothesesChart(*hypothesesChart);
    ConfigurePowerCurveChart(*curveChart);
    for (Chart* chart : {hypothesesChart, curveChart}) {
        chart->setMinimumSize(160, 140);
        chart->resize(kChartSize);
        chart->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        chart->setContextMenuPolicy(Qt::CustomContextMenu);
    }
    curveAxisBox = new QComboBox;
    curveAxisBox->addItems({tr("Power against N"), tr("Power against w")});
    auto* legend = new QLabel(Swatch(kCentralColor, tr("H0 (solid)")) + "&nbsp;&nbsp; " +
                              Swatch(kNoncentralColor, tr("H1 (dotted)")) + "&nbsp;&nbsp; " +
                              Swatch(kAlphaRegionColor, "\u03B1") + "&nbsp;&nbsp; " + Swatch(kBetaRegionColor, "\u03B2"));
    legend->setToolTip(tr("\u03B1 under H0 right of the critical value, \u03B2 under H1 left of it"));
    legend->setWordWrap(true);
    chartsArea_ = new QWidget;
    auto* charts = new QHBoxLayout(chartsArea_);
    charts->setContentsMargins(0, 0, 0, 0);
    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(hypothesesChart, 1);
    leftColumn->addWidget(legend);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(curveChart, 1);
    rightColumn->addWidget(curveAxisBox);
    charts->addLayout(leftColumn, 1);
    charts->addLayout(rightColumn, 1);

    copyResultsButton = new QPushButton(tr("&Copy results"));
    chartsButton = new QPushButton(tr("C&harts"));
    auto* chartsMenu = new QMenu(chartsButton);
    chartsButton->setMenu(chartsMenu);
    // Whole phrases per chart, not "Save " + what: word order differs
    // between languages.
    struct ChartActions {
        Chart* chart;
        QString save, copy, name;
    };
    const ChartActions chartActions[] = {
        {hypothesesChart, tr("Save hypotheses chart as\u2026"), tr("Copy hypotheses chart"), "hypotheses.png"},
        {curveChart, tr("Save power curve as\u2026"), tr("Copy power curve"), "power-curve.png"}};
    const auto addChartActions = [this](QMenu& menu, const ChartActions& c) {
        QObject::connect(menu.addAction(c.save), &QAction::triggered, this,
                         [this, chart = c.chart, name = c.name] { Guarded([&] { SaveChart(*chart, name); }); });
        QObject::connect(menu.addAction(c.copy), &QAction::triggered, this,
                         [this, chart = c.chart] { Guarded([&] { CopyChart(*chart); }); });
    };
    for (const ChartActions& c : chartActions) addChartActions(*chartsMenu, c);
    for (const ChartActions& c : chartActions) {
        QObject::connect(c.chart, &QWidget::customContextMenuRequested, this,
                         [this, c, addChartActions](QPoint at) {
                             Guarded([&] {
                                 QMenu menu(this);
                                 addChartActions(menu, c);
                                 menu.exec(c.chart->mapToGlobal(at));
                             });
                         });
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copyResultsButton);
    buttons->addWidget(chartsButton);

    // The window may be smaller than its controls need (320 x 360 fits a
    // 640 x 480 screen at scale 1.5): the controls then scroll, each at its
    // own smallest size, where squeezed they had run into one another (the
    // legend over the hypotheses chart, the curve's labels under its box).
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addLayout(form);
    layout->addWidget(problemLabel);
    layout->addWidget(resultsLabel);
    layout->addWidget(proportionsBox);
    layout->addWidget(chartsArea_, 1);
    // Where a design has no pictures, this takes their room, not its fields.
    chartsFiller_ = new QWidget;
    chartsFiller_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    chartsFiller_->hide();
    layout->addWidget(chartsFiller_, 1);
    layout->addLayout(buttons);
    auto* scroll = new QScrollArea;
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    setMinimumSize(SmallestWholeSize(*this, kPowerSmallest));

    // What a screen reader says.
    designBox->setAccessibleName(tr("Design"));
    solveBox->setAccessibleName(tr("Solve for"));
    dfBox->setAccessibleName(tr("Degrees of freedom"));
    effectEdit->setAccessibleName(tr("Effect size w"));
    effectEdit->setAccessibleDescription(EffectDescription());
    alphaEdit->setAccessibleName(tr("Significance level alpha"));
    powerEdit->setAccessibleName(tr("Power"));
    sampleSizeEdit->setAccessibleName(tr("Total sample size N"));
    // The labels' own texts are what a screen reader reads: they carry no
    // name of their own, which would hide their text.
    hypothesesChart->setAccessibleName(tr("Hypotheses chart"));
    curveChart->setAccessibleName(tr("Power curve"));
    curveAxisBox->setAccessibleName(tr("Power curve against"));
    copyResultsButton->setAccessibleDescription(tr("Copies the results as a line of text"));

    const auto refresh = [this] { Guarded([this] { Refresh(); }); };
    QObject::connect(solveBox, &QComboBox::currentIndexChanged, this, refresh);
    QObject::connect(designBox, &QComboBox::currentIndexChanged, this, refresh);
    for (QLineEdit* edit : designFields->Edits()) QObject::connect(edit, &QLineEdit::textEdited, this, refresh);
    QObject::connect(designFields->correctionBox, &QCheckBox::toggled, this, refresh);
    QObject::connect(dfBox, &QSpinBox::valueChanged, this, refresh);
    for (QLineEdit* edit : {effectEdit, alphaEdit, powerEdit, sampleSizeEdit})
        QObject::connect(edit, &QLineEdit::textEdited, this, refresh);
    QObject::connect(curveAxisBox, &QComboBox::currentIndexChanged, this, refresh);
    QObject::connect(proportionsBox->useButton, &QPushButton::clicked, this, [this] { Guarded([this] { UseProportions(); }); });
    QObject::connect(copyResultsButton, &QPushButton::clicked, this, [this] { Guarded([this] { CopyResults(); }); });
    CloseOnEscape(*this);
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this), &QShortcut::activated, this,
                     [this] { Guarded([this] { CopyResults(); }); });

    // Wider where a language's words need it (French and German run long):
    // the scroll area's own hint does not know its content's width, and at
    // the start nothing should need scrolling sideways.
    contentWidth_ = content->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width();
    resize(kPowerStartSize.expandedTo(QSize(contentWidth_, 0)));
    Refresh();
}

PowerField PowerWindow::Solved() const { return kSolvable[std::clamp(solveBox->currentIndex(), 0, 3)]; }

void PowerWindow::SetSolved(PowerField field) {
    for (int i = 0; i < 4; ++i)
        if (kSolvable[i] == field) solveBox->setCurrentIndex(i);
}

MarkedLineEdit* PowerWindow::EditOf(PowerField field) const {
    switch (field) {
        case PowerField::EffectSize: return effectEdit;
        case PowerField::Alpha: return alphaEdit;
        case PowerField::Power: return powerEdit;
        case PowerField::SampleSize: return sampleSizeEdit;
        case PowerField::Df: break;
    }
    return nullptr;
}

QString PowerWindow::Number(Real v) const { return QString::fromStdString(FormatNumber(v, format_)); }

void PowerWindow::SetNumberFormat(const NumberFormat& format) {
    format_ = format;
    proportionsBox->SetNumberFormat(format);
    designFields->format = format;
    Refresh();
}

void PowerWindow::ShowBeside(const QWidget& beside) { ShowBesideWindow(*this, beside, width(), contentWidth_); }

// A bad field is marked, named in the problem line and described to a
// screen reader; the solved field and the pictures keep the last answer,
// which the results line says belongs to earlier numbers.
void PowerWindow::ShowProblem(PowerField field, const std::string& message) {
    // The solved field's refusal is a sentence of its own ("No N up to ...").
    const QString text = AsSentence(field == Solved() ? message : PowerFieldName(field) + (" " + message));
    if (MarkedLineEdit* edit = EditOf(field)) {
        edit->SetMarked(true);
        edit->setAccessibleDescription(text);
    }
    ShowRefusal(text);
}

void PowerWindow::ShowRefusal(const QString& text) {
    problemLabel->setText(text);
    problemLabel->show();
    copyResultsButton->setEnabled(false);
    if (!lastResults_.isEmpty()) resultsLabel->setText(tr("Still for the last good numbers: %1").arg(lastResults_));
    answer_.reset();
    designAnswer_.reset();
}

void PowerWindow::Refresh() {
    ShowDesignChoices();
    const PowerField solved = Solved();
    PowerQuestion q;
    q.unknown = solved;
    q.df = dfBox->value();
    for (const PowerField f : kSolvable) {
        MarkedLineEdit* edit = EditOf(f);
        edit->SetMarked(false);
        ShowSolved(*edit, f == solved, tr("Solved"));
    }
    effectEdit->setAccessibleDescription(solved == PowerField::EffectSize ? tr("Solved") : EffectDescription());
    if (designBox->currentIndex() > 0) {
        RefreshDesign();
        return;
    }
    designAnswer_.reset();
    const std::pair<PowerField, Real*> given[] = {{PowerField::EffectSize, &q.w},
                                                  {PowerField::Alpha, &q.alpha},
                                                  {PowerField::Power, &q.power},
                                                  {PowerField::SampleSize, &q.n}};
    for (const auto& [field, value] : given) {
        if (field == solved) continue;
        if (!TryTextToReal(EditOf(field)->text().toStdString(), *value)) {
            ShowProblem(field, tr("is not a number").toStdString());
            return;
        }
    }
    PowerAnswer a{};
    try {
        a = SolvePower(q);
    } catch (const PowerInputError& bad) {
        ShowProblem(bad.field, bad.message);
        return;
    }
    answer_ = a;
    problemLabel->hide();
    copyResultsButton->setEnabled(true);
    const Real solvedValue = solved == PowerField::SampleSize ? a.n
                             : solved == PowerField::Power    ? a.power
                             : solved == PowerField::EffectSize ? a.w
                                                                : a.alpha;
    EditOf(solved)->setText(solved == PowerField::SampleSize ? QString::number(qlonglong(ToLongDouble(a.n)))
                                                             : Number(solvedValue));
    QString results = tr("\u03BB = N w\u00B2 = %1    critical value \u03C7\u00B2 = %2").arg(Number(a.lambda), Number(a.critical));
    if (solved == PowerField::SampleSize)
        results += tr("    power reached at N = %1: %2").arg(qlonglong(ToLongDouble(a.n))).arg(Number(a.power));
    // A w from groups' proportions, unchanged since: each group's share of
    // N, rounded up, is what the study recruits.
    if (!usedShares_.empty() && effectEdit->text() == usedEffectText_ && dfBox->value() == usedDf_) {
        QStringList sizes;
        for (const Real& share : usedShares_)
            sizes << QString::number(qlonglong(ToLongDouble(WholeGroupSize(a.n * share))));
        results += tr("    per group: %1").arg(sizes.join(", "));
    }
    lastResults_ = results;
    resultsLabel->setText(results);

    ShowCharts(a);
}

// The proportions' w and df go into the fields; w is no longer solved.
void PowerWindow::UseProportions() {
    const std::optional<EffectFromProportions> e = proportionsBox->Effect();
    if (!e) return;
    if (Solved() == PowerField::EffectSize) SetSolved(PowerField::SampleSize);
    usedShares_ = proportionsBox->Shares();
    usedEffectText_ = QString::fromStdString(FormatFullPrecision(e->w));
    usedDf_ = e->df;
    effectEdit->setText(usedEffectText_);
    dfBox->setValue(e->df);
    Refresh();
}

QString PowerWindow::ResultsText() const {
    if (!answer_ && !designAnswer_) return {};
    const auto line = [&](const NumberFormat& format) {
        if (designAnswer_)
            return RenderTable({TextTable::Kind::Records, "", DesignHeader(designAnswer_->solved),
                                {DesignCells(*designAnswer_, format, FormatSettings{})}},
                               TableForm::Text);
        return RenderTable({TextTable::Kind::Records, "", PowerHeader(), {PowerCells(*answer_, format, FormatSettings{})}},
                           TableForm::Text);
    };
    // The second line at the Real's full precision, as the calculator copies.
    return QString::fromStdString(line(format_) + line({NumberStyle::Significant, 19}));
}

void PowerWindow::CopyResults() {
    if (answer_ || designAnswer_) QGuiApplication::clipboard()->setText(ResultsText());
}

}  // namespace tarvik
