#pragma once
// The dialog that asks where to save a chart, shared by every window that
// draws one. A name typed with a known extension (.png, .svg) decides the
// format whatever filter is chosen; a name without one takes the filter's.
// The dialog opens in the folder it was last closed in (kept in the
// settings).
#include <QString>

#include "files/chart_export.h"

class QWidget;

namespace tarvik {

class Chart;
class Picture;

struct ChartFileChoice {
    QString path;
    ChartFormat format = ChartFormat::Png;
    int scale = 1;
    bool whiteBackground = false;
};

// False when the user cancels, or does not want the file the choice
// writes replaced.
bool AskChartFile(QWidget* parent, const QString& suggestedName, ChartFileChoice& choice);

// The format and file name the dialog ends with: pure, for tests. `filter`
// is the index of the chosen filter (0 PNG, 1 PNG at twice the
// resolution, 2 SVG, 3 PNG on white, 4 SVG on white).
ChartFileChoice ChartFileOf(const QString& typed, int filter);

// True when `path` does not exist or the user says it may be replaced.
bool ConfirmReplace(QWidget* parent, const QString& path);

// Writes the chart at its own size to the choice's file. A read-only file
// is replaced only when the user says so (a question box, or the test's
// answer through the application object). Throws Exception on failure.
void SaveChartAsked(QWidget* parent, const Chart& chart, const ChartFileChoice& choice, const QString& title);
// The same for any picture, at `size`.
void SavePictureAsked(QWidget* parent, const Picture& picture, const QSize& size, const ChartFileChoice& choice,
                      const QString& title);

// The last folder a save dialog was closed in, or empty.
QString LastSaveFolder();
void RememberSaveFolder(const QString& fileOrFolder);

// Asks where to save a CSV table, opening in the last folder and
// remembering the one chosen; empty when the user cancels.
QString AskCsvFile(QWidget* parent, const QString& title, const QString& suggestedName);

}  // namespace tarvik
