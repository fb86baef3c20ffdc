#pragma once
// The calculator window: its controls bound to the calculator core. The
// window owns no arithmetic: it passes the user's events to the core and
// shows the effects the core returns.
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>

#include "calc/calculator.h"
#include "chart/chart.h"
#include "controls/adv_spin.h"
#include "controls/check_box.h"
#include "controls/label.h"
#include "controls/shader.h"
#include "platform/controls_base.h"

namespace tarvik {

class THelpForm;

using TEdit = TCustomMaskEdit;

class TForm1 : public QWidget {
public:
    explicit TForm1(THelpForm* helpForm = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, named as in the layout.
    TShader* Shader1;
    TLabel *Label1, *Label2, *Label3, *Label4, *Label5, *PdfLabel;
    TEdit *CdfEdit, *X2ValueEdit, *UpperTailEdit;
    TAdvSpinEdit* dfAdvSpinEdit;
    QPushButton* HelpBitBtn;
    TCheckBox *ValueCheckBox, *CdfCheckBox;
    TChart* Chart1;

    void SetHelpForm(THelpForm* help) { helpForm_ = help; }

    // Start-up: the first activation writes the start values.
    void FormActivate();
    bool StartValuesWritten() const { return startValuesWritten_; }

    // The state behind the fields, for tests and benchmarks.
    const TCalculator& Calculator() const { return calc_; }

    // The chart for reports, as its context menu offers it.
    std::unique_ptr<QMenu> ChartMenu();
    QString ChartTitle() const;
    void SaveChartTo(const QString& path, int scale);  // reports a failure
    void CopyChart();

    // Precision on demand: the numbers behind the six shown decimals.
    // "Copy results" (Ctrl+Shift+C) puts the results line on the clipboard;
    // each number field's and the density's menu adds "Copy full precision".
    void CopyResults();
    std::unique_ptr<QMenu> DensityMenu();

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void BuildLayout();
    void BindNumberField(TEdit* edit, TField field);
    void FormShow();
    void HelpBitBtnClick();
    void SaveChartAs();
    void dfAdvSpinEditChange();
    void dfAdvSpinEditKeyPress(QChar& key);
    void NumberFieldKeyPress(TField field, QChar& key);
    void NumberFieldKeyDown(TField field, int key);
    void NumberFieldKeyUp(TField field);
    void SetFreezeMode(bool valueFrozen);
    void BindShortcuts();
    void DescribeForAccessibility();
    // The number behind a field or the density label at full precision.
    Real FullNumber(const QWidget* shown) const;
    void AddCopyActions(QMenu& menu, const QWidget* shown);
    void UpdatePrecisionTips();

    // Shows what the core decided: texts, density, chart, then any error.
    void Apply(const TEffects& fx);
    void ShowChart(const TDensityChart& chart);
    TEdit* Edit(TField field) const;

    TCalculator calc_;
    THelpForm* helpForm_;
    bool shown_ = false;
    bool startValuesWritten_ = false;
    // Per field: a key press reached it and has not been released yet, and
    // whether that press changed the text (its chain has run already).
    std::array<bool, kFieldCount> pressed_{};
    std::array<bool, kFieldCount> pressEdited_{};
};

}  // namespace tarvik
