#include "window/proportions_box.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controls/decimal_point_validator.h"
#include "calc/answers.h"
#include "platform/application.h"
#include "window/window_texts.h"

namespace tarvik {

ProportionsBox::ProportionsBox(QWidget* parent) : QGroupBox(tr("Effect size from p&roportions"), parent) {
    // Folded away until asked for: the charts keep the room.
    setCheckable(true);
    setChecked(false);
    auto* body = new QWidget;
    goodnessButton = new QRadioButton(tr("&Goodness of fit"));
    independenceButton = new QRadioButton(tr("&Independence (table)"));
    goodnessButton->setChecked(true);
    expectedEdit = new QLineEdit;
    expectedEdit->setPlaceholderText(tr("equal"));
    alternativeEdit = new QLineEdit;
    for (QLineEdit* edit : {expectedEdit, alternativeEdit}) edit->setValidator(new DecimalPointValidator(edit));
    alternativeEdit->setPlaceholderText(InDesktopNumbers("0.1 0.2 0.3 0.4"));
    cellsEdit = new QPlainTextEdit;
    cellsEdit->setPlaceholderText(InDesktopNumbers("0.3 0.2\n0.1 0.4"));
    cellsEdit->setTabChangesFocus(true);
    cellsEdit->setFixedHeight(cellsEdit->fontMetrics().lineSpacing() * 4 + 10);
    resultLabel = new QLabel;
    resultLabel->setWordWrap(true);
    useButton = new QPushButton(tr("&Use this w"));

    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(goodnessButton);
    kindRow->addWidget(independenceButton);
    kindRow->addStretch();
    auto* form = new QFormLayout;
    form->addRow(tr("H0 proportions"), expectedEdit);
    form->addRow(tr("H1 proportions"), alternativeEdit);
    form->addRow(tr("H1 cell probabilities"), cellsEdit);
    auto* useRow = new QHBoxLayout;
    useRow->addWidget(resultLabel, 1);
    useRow->addWidget(useButton);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(kindRow);
    layout->addLayout(form);
    layout->addLayout(useRow);
    (new QVBoxLayout(this))->addWidget(body);
    body->hide();
    QObject::connect(this, &QGroupBox::toggled, body, &QWidget::setVisible);

    expectedEdit->setAccessibleName(tr("H0 proportions"));
    alternativeEdit->setAccessibleName(tr("H1 proportions"));
    cellsEdit->setAccessibleName(tr("H1 cell probabilities"));
    cellsEdit->setAccessibleDescription(tr("One row of the table per line"));

    const auto refresh = [this] { Guarded([this] { Refresh(); }); };
    QObject::connect(goodnessButton, &QRadioButton::toggled, this, refresh);
    QObject::connect(expectedEdit, &QLineEdit::textChanged, this, refresh);
    QObject::connect(alternativeEdit, &QLineEdit::textChanged, this, refresh);
    QObject::connect(cellsEdit, &QPlainTextEdit::textChanged, this, refresh);
    Refresh();
}

void ProportionsBox::SetNumberFormat(const NumberFormat& format) {
    format_ = format;
    Refresh();
}

void ProportionsBox::Refresh() {
    const bool goodness = goodnessButton->isChecked();
    expectedEdit->setEnabled(goodness);
    alternativeEdit->setEnabled(goodness);
    cellsEdit->setEnabled(!goodness);
    effect_.reset();
    useButton->setEnabled(false);
    const std::string typed = goodness ? alternativeEdit->text().toStdString() : cellsEdit->toPlainText().toStdString();
    if (ListItems(typed, CurrentFormatSettings()).empty()) {
        resultLabel->setText(goodness ? tr("Type the H1 proportions of the categories.") : tr("Type the H1 table, one row per line."));
        return;
    }
    try {
        effect_ = goodness ? GoodnessOfFitEffect(expectedEdit->text().toStdString(), typed, CurrentFormatSettings())
                           : IndependenceEffect(typed, CurrentFormatSettings());
    } catch (const PowerInputError& bad) {
        resultLabel->setText(AsSentence(bad.message));
        return;
    }
    resultLabel->setText(tr("w = %1 with df %2")
                             .arg(QString::fromStdString(FormatNumber(effect_->w, format_)))
                             .arg(effect_->df));
    useButton->setEnabled(effect_->w > 0);
}

}  // namespace tarvik
