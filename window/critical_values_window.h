#pragma once
// The critical-values window: a table of x by df (rows) and probability
// (columns), refreshed as its settings change; copied as tab-separated
// cells for a spreadsheet, saved as CSV.
#include <QCoreApplication>
#include <QWidget>

#include "window/critical_values_model.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;

namespace tarvik {

class CriticalValuesWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(CriticalValuesWindow)

public:
    explicit CriticalValuesWindow(QWidget* parent = nullptr);

    QSpinBox *dfFromBox, *dfToBox;
    QLineEdit* probabilitiesEdit;
    QRadioButton *upperTailButton, *lowerTailButton;
    QCheckBox* twoSidedBox;
    QTableView* table;
    QLabel* problemLabel;
    QPushButton *copyButton, *saveButton;

    // Numbers as the calculator shows them.
    void SetNumberFormat(const NumberFormat& format);
    // Opens beside `beside`, on its screen, whole.
    void ShowBeside(const QWidget& beside);

    const CriticalValuesModel& Model() const { return model_; }
    void Copy();
    void SaveTo(const QString& path);

private:
    void Refresh();
    void ShowProblem(const QString& text);
    void SaveAs();

    CriticalValuesModel model_;
    NumberFormat format_;
};

}  // namespace tarvik
