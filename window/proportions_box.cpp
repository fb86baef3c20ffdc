#include "window/proportions_box.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "controls/decimal_point_validator.h"
#include "calc/answers.h"
#include "calc/power_designs.h"
#include "math/design_power.h"
#include "platform/application.h"
#include "window/window_texts.h"

namespace tarvik {

namespace {
// A label that is its field's buddy, for a screen reader to read them as one.
QLabel* BuddyLabel(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    return label;
}
}  // namespace

ProportionsBox::ProportionsBox(QWidget* parent) : QGroupBox(tr("Effect size from p&roportions"), parent) {
    // Folded away until asked for: the charts keep the room.
    setCheckable(true);
    setChecked(false);
    auto* body = new QWidget;
    goodnessButton = new QRadioButton(tr("&Goodness of fit"));
    independenceButton = new QRadioButton(tr("&Independence (table)"));
    groupsButton = new QRadioButton(tr("Groups' proportions"));
    cramersButton = new QRadioButton(tr("Cram\u00E9r's V"));
    oddsButton = new QRadioButton(tr("Odds ratio (2 \u00D7 2)"));
    goodnessButton->setChecked(true);
    auto* kinds = new QButtonGroup(this);
    for (QRadioButton* b : {goodnessButton, independenceButton, groupsButton, cramersButton, oddsButton}) kinds->addButton(b);
    expectedEdit = new QLineEdit;
    expectedEdit->setPlaceholderText(tr("equal"));
    alternativeEdit = new QLineEdit;
    sizesEdit = new QLineEdit;
    sizesEdit->setPlaceholderText(tr("equal"));
    cramersEdit = new QLineEdit(InDesktopNumbers("0.3"));
    baselineEdit = new QLineEdit(InDesktopNumbers("0.2"));
    oddsRatioEdit = new QLineEdit(InDesktopNumbers("2"));
    groupRatioEdit = new QLineEdit("1");
    for (QLineEdit* edit : {expectedEdit, alternativeEdit, sizesEdit, cramersEdit, baselineEdit, oddsRatioEdit, groupRatioEdit})
        edit->setValidator(new DecimalPointValidator(edit));
    alternativeEdit->setPlaceholderText(InDesktopNumbers("0.1 0.2 0.3 0.4"));
    rowsBox = new QSpinBox;
    columnsBox = new QSpinBox;
    for (QSpinBox* box : {rowsBox, columnsBox}) {
        box->setRange(2, 1000);
        box->setValue(box == rowsBox ? 3 : 4);
    }
    cellsEdit = new QPlainTextEdit;
    cellsEdit->setPlaceholderText(InDesktopNumbers("0.3 0.2\n0.1 0.4"));
    cellsEdit->setTabChangesFocus(true);
    cellsEdit->setFixedHeight(cellsEdit->fontMetrics().lineSpacing() * 4 + 10);
    resultLabel = new QLabel;
    resultLabel->setWordWrap(true);
    resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    useButton = new QPushButton(tr("&Use this w"));

    auto* kindGrid = new QGridLayout;
    kindGrid->addWidget(goodnessButton, 0, 0);
    kindGrid->addWidget(independenceButton, 0, 1);
    kindGrid->addWidget(groupsButton, 0, 2);
    kindGrid->addWidget(cramersButton, 1, 0);
    kindGrid->addWidget(oddsButton, 1, 1);
    form_ = new QFormLayout;
    form_->addRow(BuddyLabel(tr("H0 proportions"), expectedEdit), expectedEdit);
    form_->addRow(BuddyLabel(tr("H1 proportions"), alternativeEdit), alternativeEdit);
    form_->addRow(BuddyLabel(tr("H1 cell probabilities"), cellsEdit), cellsEdit);
    form_->addRow(BuddyLabel(tr("Groups' sizes"), sizesEdit), sizesEdit);
    form_->addRow(BuddyLabel("V", cramersEdit), cramersEdit);
    auto* shape = new QWidget;
    auto* shapeRow = new QHBoxLayout(shape);
    shapeRow->setContentsMargins(0, 0, 0, 0);
    shapeRow->addWidget(rowsBox);
    shapeRow->addWidget(new QLabel("\u00D7"));
    shapeRow->addWidget(columnsBox);
    shapeRow->addStretch();
    form_->addRow(BuddyLabel(tr("Rows \u00D7 columns"), rowsBox), shape);
    form_->addRow(BuddyLabel(tr("p1 (group 1)"), baselineEdit), baselineEdit);
    form_->addRow(BuddyLabel(tr("Odds ratio of p2 to p1"), oddsRatioEdit), oddsRatioEdit);
    form_->addRow(BuddyLabel(tr("Groups' ratio n2 / n1"), groupRatioEdit), groupRatioEdit);
    auto* useRow = new QHBoxLayout;
    useRow->addWidget(resultLabel, 1);
    useRow->addWidget(useButton);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(kindGrid);
    layout->addLayout(form_);
    layout->addLayout(useRow);
    (new QVBoxLayout(this))->addWidget(body);
    body->hide();
    QObject::connect(this, &QGroupBox::toggled, body, &QWidget::setVisible);

    expectedEdit->setAccessibleName(tr("H0 proportions"));
    alternativeEdit->setAccessibleName(tr("H1 proportions"));
    cellsEdit->setAccessibleName(tr("H1 cell probabilities"));
    cellsEdit->setAccessibleDescription(tr("One row of the table per line"));
    sizesEdit->setAccessibleName(tr("Groups' sizes"));
    cramersEdit->setAccessibleName(tr("Cram\u00E9r's V"));
    rowsBox->setAccessibleName(tr("Rows"));
    columnsBox->setAccessibleName(tr("Columns"));
    baselineEdit->setAccessibleName(tr("p1 (group 1)"));
    oddsRatioEdit->setAccessibleName(tr("Odds ratio of p2 to p1"));
    groupRatioEdit->setAccessibleName(tr("Groups' ratio n2 / n1"));

    const auto refresh = [this] { Guarded([this] { Refresh(); }); };
    QObject::connect(kinds, &QButtonGroup::buttonToggled, this, refresh);
    for (QLineEdit* edit : {expectedEdit, alternativeEdit, sizesEdit, cramersEdit, baselineEdit, oddsRatioEdit, groupRatioEdit})
        QObject::connect(edit, &QLineEdit::textChanged, this, refresh);
    QObject::connect(cellsEdit, &QPlainTextEdit::textChanged, this, refresh);
    for (QSpinBox* box : {rowsBox, columnsBox}) QObject::connect(box, &QSpinBox::valueChanged, this, refresh);
    Refresh();
}

void ProportionsBox::SetNumberFormat(const NumberFormat& format) {
    format_ = format;
    Refresh();
}

void ProportionsBox::ShowRows() {
    const bool table = independenceButton->isChecked() || groupsButton->isChecked();
    const std::pair<QWidget*, bool> rows[] = {
        {expectedEdit, goodnessButton->isChecked()}, {alternativeEdit, goodnessButton->isChecked()},
        {cellsEdit, table},                          {sizesEdit, groupsButton->isChecked()},
        {cramersEdit, cramersButton->isChecked()},   {rowsBox->parentWidget(), cramersButton->isChecked()},
        {baselineEdit, oddsButton->isChecked()},     {oddsRatioEdit, oddsButton->isChecked()},
        {groupRatioEdit, oddsButton->isChecked()}};
    for (const auto& [field, shown] : rows) form_->setRowVisible(field, shown);
    form_->labelForField(cellsEdit)->setProperty("text", groupsButton->isChecked() ? tr("Each group's proportions")
                                                                                     : tr("H1 cell probabilities"));
    cellsEdit->setAccessibleName(groupsButton->isChecked() ? tr("Each group's proportions") : tr("H1 cell probabilities"));
    cellsEdit->setAccessibleDescription(groupsButton->isChecked() ? tr("One group per line") : tr("One row of the table per line"));
}

QString ProportionsBox::Compute() {
    const FormatSettings& fs = CurrentFormatSettings();
    const auto number = [&](Real v) { return QString::fromStdString(FormatNumber(v, format_)); };
    const auto withDf = [&] {
        return tr("w = %1 with df %2").arg(number(effect_->w)).arg(effect_->df);
    };
    if (cramersButton->isChecked()) {
        effect_ = EffectOfCramersV(cramersEdit->text().toStdString(), rowsBox->value(), columnsBox->value(), fs);
        const int smaller = std::min(rowsBox->value(), columnsBox->value());
        return tr("w = V \u221A(min(r, c) \u2212 1) = %1 \u00D7 \u221A%2 = %3 with df %4")
            .arg(cramersEdit->text())
            .arg(smaller - 1)
            .arg(number(effect_->w))
            .arg(effect_->df);
    }
    if (oddsButton->isChecked()) {
        effect_ = EffectOfOddsRatio(baselineEdit->text().toStdString(), oddsRatioEdit->text().toStdString(),
                                    groupRatioEdit->text().toStdString(), fs);
        Real p1 = 0, ratio = 0;
        TryTextToReal(baselineEdit->text().toStdString(), p1);
        TryTextToReal(oddsRatioEdit->text().toStdString(), ratio);
        return tr("p2 = OR p1 / (1 \u2212 p1 + OR p1) = %1; w of the 2 \u00D7 2 table = %2 with df 1")
            .arg(number(ProportionOfOddsRatio(p1, ratio)), number(effect_->w));
    }
    const bool goodness = goodnessButton->isChecked();
    const std::string typed = goodness ? alternativeEdit->text().toStdString() : cellsEdit->toPlainText().toStdString();
    if (ListItems(typed, fs).empty())
        return goodness                      ? tr("Type the H1 proportions of the categories.")
               : groupsButton->isChecked() ? tr("Type each group's proportions, one group per line.")
                                           : tr("Type the H1 table, one row per line.");
    if (goodness) {
        effect_ = GoodnessOfFitEffect(expectedEdit->text().toStdString(), typed, fs);
        return withDf();
    }
    if (!groupsButton->isChecked()) {
        effect_ = IndependenceEffect(typed, fs);
        return withDf();
    }
    const GroupsEffect groups = EffectOfGroups(typed, sizesEdit->text().toStdString(), fs);
    effect_ = groups.effect;
    shares_ = groups.shares;
    QStringList shares;
    for (const Real& share : groups.shares) shares << QString::fromStdString(FormatNumber(100 * share, {NumberStyle::Significant, 3})) + " %";
    return tr("%1; V = %2; the groups' shares of N: %3")
        .arg(withDf(), number(CramersVOfEffectSize(groups.effect.w, groups.rows, groups.columns)), shares.join(", "));
}

void ProportionsBox::Refresh() {
    ShowRows();
    effect_.reset();
    shares_.clear();
    useButton->setEnabled(false);
    QString text;
    try {
        text = Compute();
    } catch (const PowerInputError& bad) {
        effect_.reset();
        shares_.clear();
        text = AsSentence(bad.message);
    }
    resultLabel->setText(text);
    useButton->setEnabled(effect_ && effect_->w > 0);
}

}  // namespace tarvik
