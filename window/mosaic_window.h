#pragma once
// The mosaic of the table window's table, in a window of its own beside
// it: redrawn as the counts change, copied as a picture and saved as PNG
// or SVG as every chart is, under the test's one-sentence summary.
#include <QCoreApplication>
#include <QWidget>

#include "calc/table_report.h"

class QLabel;
class QPushButton;

namespace tarvik {

class MosaicChart;

class MosaicWindow : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(MosaicWindow)

public:
    explicit MosaicWindow(QWidget* parent = nullptr);

    MosaicChart* chart;
    QLabel* explanationLabel;
    QPushButton *copyButton, *saveButton;

    // The table to draw, or none (the picture is cleared, the buttons off).
    void Show(const TableReport* report, const std::vector<std::string>& rowLabels,
              const std::vector<std::string>& columnLabels);
    // The title saved and copied with the picture.
    QString Title() const { return title_; }
    void Copy();
    void SaveTo(const QString& path, int format, int scale);

private:
    void SaveAs();

    QString title_;
};

}  // namespace tarvik
