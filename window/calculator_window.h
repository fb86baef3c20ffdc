#pragma once
// The calculator window: its controls bound to the calculator core. The
// window owns no arithmetic: it passes the user's events to the core and
// shows the effects the core returns.
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <memory>

#include "calc/calculator.h"
#include "chart/chart.h"
#include "controls/spin_edit.h"
#include "controls/check_box.h"
#include "controls/caption_label.h"
#include "controls/gradient_panel.h"
#include "controls/line_edit.h"
#include "files/chart_export.h"

namespace tarvik {

class CriticalValuesWindow;
class PowerWindow;
class VarianceWindow;
class TableWindow;
class HelpWindow;

class CalculatorWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CalculatorWindow)

public:
    explicit CalculatorWindow(HelpWindow* helpWindow = nullptr, QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // The controls, on the gradient background.
    GradientPanel* background;
    CaptionLabel *dfCaption, *valueCaption, *cdfCaption, *upperTailCaption, *densityCaption, *densityLabel;
    LineEdit *cdfEdit, *valueEdit, *upperTailEdit;
    SpinEdit* dfSpinEdit;
    QPushButton* helpButton;
    CheckBox *keepValueBox, *keepCdfBox;
    Chart* densityChart;

    void SetHelpWindow(HelpWindow* help) { helpWindow_ = help; }
    HelpWindow* Help() const { return helpWindow_; }

    // Start-up: the first activation writes the start values.
    void WriteStartValuesOnce();
    bool StartValuesWritten() const { return startValuesWritten_; }

    // The state behind the fields, for tests and benchmarks.
    const Calculator& Core() const { return calc_; }

    // The chart for reports, as its context menu offers it.
    std::unique_ptr<QMenu> ChartMenu();
    QString ChartTitle() const;
    // Writes the chart; a failure is reported, and a read-only file is
    // replaced only after the user agrees.
    void SaveChartTo(const QString& path, ChartFormat format, int scale);
    void CopyChart();

    // Precision on demand: the numbers behind the six shown decimals.
    // "Copy results" (Ctrl+Shift+C) puts the results line on the clipboard;
    // each number field's and the density's menu adds "Copy full precision".
    void CopyResults();
    std::unique_ptr<QMenu> DensityMenu();

    // How numbers are shown (the fields' and the density's "Show numbers
    // as"), remembered between runs.
    void SetNumberStyle(NumberStyle style);

    // The critical-values table (Ctrl+T), beside this window.
    void ShowCriticalValues();
    // The help at the paragraph of a side window (F1 there).
    void ShowHelpAt(int line);
    void ShowHelpFor(const QWidget* window);
    // "Show numbers as", for every window's menu: the choice holds in all.
    void AddNumberStyleMenu(QMenu& menu);
    void ShowHelpForActiveWindow();
    CriticalValuesWindow* CriticalValues() const { return criticalValues_; }
    // Power and sample size (Ctrl+Shift+P), beside this window.
    void ShowPower();
    void ShowVariance();
    VarianceWindow* Variance() const { return variance_; }
    PowerWindow* Power() const { return power_; }
    // Test a table (Ctrl+Shift+T), beside this window; its "Into the
    // calculator" sets df and the chi-square value here.
    void ShowTableTest();
    TableWindow* TableTest() const { return tableTest_; }
    // df and a chi-square value as if typed: the other fields and the
    // chart follow.
    void ShowStatistic(int df, Real chiSquare);

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void BuildLayout();
    void FitMinimumSizeToScreen();
    void BindNumberField(LineEdit* edit, Field field);
    void DrawFirstPicture();
    void ShowHelp();
    void SaveChartAs();
    void DfSpinEditChanged();
    void DfSpinEditKeyPress(QChar& key);
    void NumberFieldKeyPress(Field field, QChar& key);
    void NumberFieldKeyDown(Field field, int key);
    void NumberFieldKeyUp(Field field);
    void SetFreezeMode(bool valueFrozen);
    void BindShortcuts();
    void OpenContextMenuFromKeyboard();
    void DescribeForAccessibility();
    // The number behind a field or the density label at full precision.
    Real FullNumber(const QWidget* shown) const;
    void AddCopyActions(QMenu& menu, const QWidget* shown);
    // The language of the words, chosen here and remembered: it takes
    // effect at the next start, so that no window mixes two languages.
    void AddLanguageMenu(QMenu& menu);
    void ChooseLanguage(const std::string& code, bool followDesktop);
    void AddWindowActions(QMenu& menu);
    void UpdatePrecisionTips();

    // Shows what the core decided: texts, density, chart, then any error.
    void Apply(const Effects& fx);
    void ShowChart(const DensityPlot& chart);
    void ShowNote(LineEdit* edit, const QString& note);
    LineEdit* Edit(Field field) const;

    Calculator calc_;
    HelpWindow* helpWindow_;  // the given one, or ownHelpWindow_ from the first F1
    std::unique_ptr<HelpWindow> ownHelpWindow_;
    CriticalValuesWindow* criticalValues_ = nullptr;
    PowerWindow* power_ = nullptr;
    VarianceWindow* variance_ = nullptr;
    TableWindow* tableTest_ = nullptr;
    bool shown_ = false;
    bool startValuesWritten_ = false;
    // Per field: a key press reached it and has not been released yet, and
    // whether that press changed the text (its chain has run already).
    std::array<bool, kFieldCount> pressed_{};
    std::array<bool, kFieldCount> pressEdited_{};
    // The window is writing the core's texts into the fields: their change
    // is no edit of the user's.
    bool applying_ = false;
};

}  // namespace tarvik
