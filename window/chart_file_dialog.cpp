#include "window/chart_file_dialog.h"

#include <algorithm>
#include <iterator>

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "chart/chart.h"
#include "files/settings.h"
#include "platform/application.h"

namespace tarvik {

namespace {

struct Filter {
    const char* text;
    const char* suffix;
    ChartFormat format;
    int scale;
    bool white;
};
const Filter kFilters[] = {{QT_TRANSLATE_NOOP("ChartFileDialog", "PNG image (*.png)"), "png", ChartFormat::Png, 1, false},
                           {QT_TRANSLATE_NOOP("ChartFileDialog", "PNG image, twice the resolution (*.png)"), "png", ChartFormat::Png, 2, false},
                           {QT_TRANSLATE_NOOP("ChartFileDialog", "SVG drawing (*.svg)"), "svg", ChartFormat::Svg, 1, false},
                           {QT_TRANSLATE_NOOP("ChartFileDialog", "PNG image on white, for print (*.png)"), "png", ChartFormat::Png, 2, true},
                           {QT_TRANSLATE_NOOP("ChartFileDialog", "SVG drawing on white, for print (*.svg)"), "svg", ChartFormat::Svg, 1, true}};
constexpr int kFilterCount = int(std::size(kFilters));

}  // namespace

ChartFileChoice ChartFileOf(const QString& typed, int filter) {
    const Filter& chosen = kFilters[std::clamp(filter, 0, kFilterCount - 1)];
    ChartFileChoice choice{typed, chosen.format, chosen.scale, chosen.white};
    ChartFormat named = chosen.format;
    // "chart1.svg" under the PNG filter is an SVG drawing named chart1.svg,
    // not a PNG named chart1.svg.png.
    if (ChartFormatOfName(typed, named)) {
        choice.format = named;
        if (named != chosen.format) choice.scale = 1;
        return choice;
    }
    choice.path += QString(".") + chosen.suffix;
    return choice;
}

namespace {

// A yes-or-no question about `path`, No by default (a test's answer
// through the application object, where it gives one).
bool AskAboutFile(QWidget* parent, const QString& question, const QString& path) {
    const Application* app = CurrentApplication();
    if (app && app->QuestionSink) return app->QuestionSink(path);
    return QMessageBox::question(parent, "Tarvik", question.arg(path), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

bool ConfirmReplace(QWidget* parent, const QString& path) {
    return !QFileInfo::exists(path) ||
           AskAboutFile(parent, QCoreApplication::translate("ChartFileDialog", "'%1' already exists. Replace it?"), path);
}

void SaveChartAsked(QWidget* parent, const Chart& chart, const ChartFileChoice& choice, const QString& title) {
    SavePictureAsked(parent, chart, chart.size(), choice, title);
}

void SavePictureAsked(QWidget* parent, const Picture& picture, const QSize& size, const ChartFileChoice& choice,
                      const QString& title) {
    bool readOnly = false;
    TargetProblem(choice.path, readOnly);
    ReadOnlyTarget policy = ReadOnlyTarget::Refuse;
    if (readOnly) {
        if (!AskAboutFile(parent, QCoreApplication::translate("ChartFileDialog", "'%1' is read-only. Replace it?"), choice.path))
            return;
        policy = ReadOnlyTarget::Replace;
    }
    SaveChart(picture, choice.path, choice.format, title, size, choice.scale, policy, choice.whiteBackground);
}

QString LastSaveFolder() { return SavedFolder(); }

void RememberSaveFolder(const QString& fileOrFolder) {
    const QFileInfo info(fileOrFolder);
    SaveFolder(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
}

bool AskChartFile(QWidget* parent, const QString& suggestedName, ChartFileChoice& choice) {
    QFileDialog dialog(parent, QCoreApplication::translate("ChartFileDialog", "Save chart as"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const Filter& f : kFilters) filters << QCoreApplication::translate("ChartFileDialog", f.text);
    dialog.setNameFilters(filters);
    const QString folder = LastSaveFolder();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
    dialog.selectFile(suggestedName);
    // The name typed is not always the file written ("report.csv" under
    // the PNG filter writes report.csv.png): the question about replacing
    // a file is asked here, about the file written, not by the dialog.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(kFilters[0].suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& text) {
        for (const Filter& f : kFilters)
            if (text == QCoreApplication::translate("ChartFileDialog", f.text)) dialog.setDefaultSuffix(f.suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    const int filter = int(filters.indexOf(dialog.selectedNameFilter()));
    choice = ChartFileOf(dialog.selectedFiles().front(), filter);
    RememberSaveFolder(choice.path);
    return ConfirmReplace(parent, choice.path);
}

QString AskCsvFile(QWidget* parent, const QString& title, const QString& suggestedName) {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QCoreApplication::translate("ChartFileDialog", "CSV table (*.csv)"));
    dialog.setDefaultSuffix("csv");
    if (const QString folder = LastSaveFolder(); !folder.isEmpty()) dialog.setDirectory(folder);
    dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    RememberSaveFolder(dialog.selectedFiles().front());
    return dialog.selectedFiles().front();
}

}  // namespace tarvik
