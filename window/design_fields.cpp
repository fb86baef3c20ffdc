#include "window/design_fields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "controls/decimal_point_validator.h"
#include "controls/marked_line_edit.h"
#include "core/number_text.h"
#include "math/design_power.h"
#include "platform/application.h"
#include "window/window_texts.h"

namespace tarvik {

namespace {

MarkedLineEdit* NumberEdit(const char* text, const QString& name) {
    auto* edit = new MarkedLineEdit(InDesktopNumbers(text));
    edit->setValidator(new DecimalPointValidator(edit));
    edit->setAccessibleName(name);
    return edit;
}

// A row whose label is the field's buddy: a screen reader reads them as
// one. No mnemonic: the window's letters are taken by its own fields.
void AddRow(QFormLayout& form, const QString& label, QWidget* field) {
    auto* text = new QLabel(label);
    text->setBuddy(field);
    form.addRow(text, field);
}

std::optional<Real> Number(const QLineEdit& edit) {
    Real v = 0;
    if (!TryTextToReal(edit.text().toStdString(), v)) return std::nullopt;
    return v;
}

}  // namespace

DesignFields::DesignFields(QWidget* parent) : QWidget(parent) {
    p10Edit = NumberEdit("0.25", tr("Discordant proportion p10, yes then no"));
    p01Edit = NumberEdit("0.1", tr("Discordant proportion p01, no then yes"));
    pairRatioEdit = NumberEdit("2.5", tr("Ratio p10 / p01"));
    p1Edit = NumberEdit("0.25", tr("Proportion p1 in group 1"));
    p2Edit = NumberEdit("0.4", tr("Proportion p2 in group 2"));
    oddsRatioEdit = NumberEdit("2", tr("Odds ratio of p2 to p1"));
    groupRatioEdit = NumberEdit("1", tr("Ratio of the groups n2 / n1"));
    correctionBox = new QCheckBox(tr("Continuity correction"));

    auto* pairs = new QWidget;
    auto* pairsForm = new QFormLayout(pairs);
    pairsForm->setContentsMargins(0, 0, 0, 0);
    AddRow(*pairsForm, tr("p10 (yes, then no)"), p10Edit);
    AddRow(*pairsForm, tr("p01 (no, then yes)"), p01Edit);
    AddRow(*pairsForm, tr("or their ratio p10 / p01"), pairRatioEdit);
    auto* groups = new QWidget;
    auto* groupsForm = new QFormLayout(groups);
    groupsForm->setContentsMargins(0, 0, 0, 0);
    AddRow(*groupsForm, tr("p1 (group 1)"), p1Edit);
    AddRow(*groupsForm, tr("p2 (group 2)"), p2Edit);
    AddRow(*groupsForm, tr("or the odds ratio"), oddsRatioEdit);
    AddRow(*groupsForm, tr("Groups' ratio n2 / n1"), groupRatioEdit);
    groupsForm->addRow(correctionBox);
    pages_ = new QStackedWidget;
    pages_->addWidget(pairs);
    pages_->addWidget(groups);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);

    // Connected before the window's own recomputing, so that it reads the
    // proportion or ratio these set.
    for (QLineEdit* edit : {p10Edit, p01Edit, p1Edit, p2Edit})
        QObject::connect(edit, &QLineEdit::textEdited, this, [this] { Guarded([this] { RatioFromProportions(); }); });
    for (QLineEdit* edit : {pairRatioEdit, oddsRatioEdit})
        QObject::connect(edit, &QLineEdit::textEdited, this, [this] { Guarded([this] { ProportionFromRatio(); }); });
}

QList<QLineEdit*> DesignFields::Edits() const {
    return {p10Edit, p01Edit, pairRatioEdit, p1Edit, p2Edit, oddsRatioEdit, groupRatioEdit};
}

void DesignFields::ShowDesign(PowerDesign design) {
    design_ = design;
    const int shown = design == PowerDesign::McNemar ? 0 : 1;
    // The stack takes the height of its page alone, not of the tallest.
    for (int i = 0; i < pages_->count(); ++i)
        pages_->widget(i)->setSizePolicy(QSizePolicy::Preferred, i == shown ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    pages_->setCurrentIndex(shown);
}

void DesignFields::SetEffectSolved(bool solved) {
    effectSolved_ = solved;
    for (MarkedLineEdit* edit : {p10Edit, pairRatioEdit, p2Edit, oddsRatioEdit}) {
        ShowSolved(*edit, solved, tr("Solved"));
    }
}

MarkedLineEdit* DesignFields::EditOf(DesignInput input) const {
    switch (input) {
        case DesignInput::P10: return p10Edit;
        case DesignInput::P01: return p01Edit;
        case DesignInput::P1: return p1Edit;
        case DesignInput::P2: return p2Edit;
        case DesignInput::Ratio: return groupRatioEdit;
    }
    return p10Edit;
}

std::optional<DesignInputError> DesignFields::Read(DesignQuestion& q) {
    for (QLineEdit* edit : Edits()) static_cast<MarkedLineEdit*>(edit)->SetMarked(false);
    const bool pairs = design_ == PowerDesign::McNemar;
    q.design = design_;
    std::vector<std::pair<DesignInput, Real*>> read;
    if (pairs) {
        read = {{DesignInput::P01, &q.p01}};
        if (!effectSolved_) read.push_back({DesignInput::P10, &q.p10});
    } else {
        read = {{DesignInput::P1, &q.p1}, {DesignInput::Ratio, &q.ratio}};
        if (!effectSolved_) read.push_back({DesignInput::P2, &q.p2});
        q.corrected = correctionBox->isChecked();
    }
    for (const auto& [input, value] : read) {
        const std::optional<Real> v = Number(*EditOf(input));
        if (!v) return DesignInputError{input, tr("is not a number").toStdString()};
        *value = *v;
    }
    return std::nullopt;
}

void DesignFields::Mark(DesignInput input, const QString& text) {
    EditOf(input)->SetMarked(true);
    EditOf(input)->setAccessibleDescription(text);
}

void DesignFields::ShowSolvedEffect(const DesignQuestion& solved, const NumberFormat& format) {
    const auto shown = [&](Real v) { return QString::fromStdString(FormatNumber(v, format)); };
    if (solved.design == PowerDesign::McNemar) {
        p10Edit->setText(shown(solved.p10));
        pairRatioEdit->setText(shown(solved.p10 / solved.p01));
    } else {
        p2Edit->setText(shown(solved.p2));
        oddsRatioEdit->setText(solved.p2 > 0 && solved.p2 < 1 ? shown(OddsRatioOfProportions(solved.p1, solved.p2)) : "");
    }
}

void DesignFields::RatioFromProportions() {
    const bool pairs = design_ == PowerDesign::McNemar;
    const std::optional<Real> held = Number(pairs ? *p01Edit : *p1Edit), effect = Number(pairs ? *p10Edit : *p2Edit);
    QLineEdit* ratio = pairs ? pairRatioEdit : oddsRatioEdit;
    if (!held || !effect || !(*held > 0 && *held < 1 && *effect > 0 && *effect < 1)) {
        ratio->clear();
        return;
    }
    // Shown in the window's numbers: it is read only when typed.
    ratio->setText(QString::fromStdString(
        FormatNumber(pairs ? *effect / *held : OddsRatioOfProportions(*held, *effect), format)));
}

void DesignFields::ProportionFromRatio() {
    const bool pairs = design_ == PowerDesign::McNemar;
    const std::optional<Real> held = Number(pairs ? *p01Edit : *p1Edit), ratio = Number(pairs ? *pairRatioEdit : *oddsRatioEdit);
    if (!held || !ratio || !(*held > 0 && *held < 1 && *ratio > 0)) return;
    // At full precision: the solver reads it.
    (pairs ? p10Edit : p2Edit)->setText(QString::fromStdString(
        FormatFullPrecision(pairs ? *ratio * *held : ProportionOfOddsRatio(*held, *ratio))));
}

}  // namespace tarvik
