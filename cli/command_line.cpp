#include "cli/command_line.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryFile>
#include <iterator>
#include <memory>

#include "calc/answer_batches.h"
#include "calc/command_line_error.h"
#include "calc/command_line_answer.h"
#include "calc/table_test.h"
#include "calc/command_request.h"
#include "calc/density_plot.h"
#include "calc/limits.h"
#include "chart/chart.h"
#include "core/errors.h"
#include "core/translation.h"
#include "platform/process_signals.h"
#include "files/chart_export.h"
#include "chart/density_chart_config.h"
#include "files/safe_file.h"

namespace tarvik {

namespace {

// The chart needs a widgets application; the command line otherwise runs
// without any, and with none of Qt's arguments: ours are read as bytes.
std::unique_ptr<QApplication> ChartApplication() {
    if (QCoreApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    SilenceRuntimeDirectoryWarning();
    static int argc = 1;
    static char name[] = "tarvik";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
}

// A file name as the bytes given. Qt names files in UTF-8: a name that is
// not would be written under another name (each bad byte a U+FFFD), so it
// is refused instead.
QString FileName(const std::string& bytes, const char* option) {
    const QByteArray given = QByteArray::fromStdString(bytes);
    const QString name = QFile::decodeName(given);
    if (QFile::encodeName(name) != given)
        throw CommandLineError{Fill(Tr("CommandLine", "%1 %2 is not a file name this system can write: it is not valid UTF-8"),
                                    {option, Quoted(bytes)})};
    return name;
}

void ExportChart(const CommandRequest& request) {
    const Results r = request.given == Field::Value ? ResultsAtValue(request.dfs[0], request.numbers[0].value)
                                                    : ResultsAtTails(request.dfs[0], request.numbers[0].tails);
    const auto app = ChartApplication();
    const QSize size = request.chartWidth ? QSize(request.chartWidth, request.chartHeight)
                                          : QSize(kChartWidth, kChartHeight);
    Chart view;
    view.resize(size);
    ConfigureDensityChart(view);
    ShowDensityChart(view, ComputeDensityPlot(r.df, r.value));
    const FormatSettings point{};
    const QString title = QString("df %1   x = %2   P(X<=x) = %3   P(X>x) = %4")
                              .arg(request.dfs[0])
                              .arg(QString::fromStdString(FormatFixed(r.value, 6, point)),
                                   QString::fromStdString(FormatFixed(r.cdf, 6, point)),
                                   QString::fromStdString(FormatFixed(r.upper, 6, point)));
    ChartFormat format = ChartFormat::Png;
    const QString path = FileName(request.chartFile, "--export-chart");
    ChartFormatOfName(path, format);
    SaveChart(view, path, format, title, size, request.chartScale, ReadOnlyTarget::Refuse, request.whiteBackground);
}

// The table of --counts: standard input for "-", else the file, read
// whole, its size checked while it is read: a pipe or a FIFO has no size
// to ask for, and an endless one must not grow without bound.
std::string CountsText(const CommandRequest& request, std::istream& in) {
    constexpr qint64 kLargestTable = kLargestTableBytes;
    if (request.countsFile == "-") return CountsFromInput(request, in);
    const auto tooLarge = [&] {
        return CommandLineError{Fill(Tr("CommandLine", "--counts %1 is larger than 64 MiB"), {Quoted(request.countsFile)})};
    };
    QFile file(FileName(request.countsFile, "--counts"));
    if (!file.open(QIODevice::ReadOnly))
        throw CommandLineError{Fill(Tr("CommandLine", "--counts %1 cannot be read: %2"),
                                    {Quoted(request.countsFile), file.errorString().toStdString()})};
    if (file.size() > kLargestTable) throw tooLarge();
    const QByteArray bytes = file.read(kLargestTable + 1);
    if (file.error() != QFileDevice::NoError)
        throw CommandLineError{Fill(Tr("CommandLine", "--counts %1 cannot be read: %2"),
                                    {Quoted(request.countsFile), file.errorString().toStdString()})};
    if (bytes.size() > kLargestTable) throw tooLarge();
    return bytes.toStdString();
}

}  // namespace

DecimalMark DesktopDecimalMark() {
    return QLocale::system().decimalPoint() == QStringLiteral(",") ? DecimalMark::Comma : DecimalMark::Point;
}

int RunCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err,
                   DecimalMark mark) {
    std::string answer;
    std::vector<std::string> notes;
    CommandRequest request;
    // A long list of results is kept in a temporary file, not in memory;
    // where none can be made, in memory after all.
    QTemporaryFile keptFile(QDir::tempPath() + "/tarvik-results-XXXXXX");
    QBuffer keptInMemory;
    QIODevice* kept = nullptr;
    // Everything is read, checked and computed before the first byte goes
    // out: a bad line 9,000 of a batch prints nothing at all.
    try {
        request = ReadCommandLine(arguments, mark);
        if (!request.chartFile.empty()) FileName(request.chartFile, "--export-chart");
        if (!request.outputFile.empty()) FileName(request.outputFile, "--output");
        const BatchSink keep = [&](std::string_view batch) {
            if (!kept) {
                kept = keptFile.open() ? static_cast<QIODevice*>(&keptFile) : &keptInMemory;
                if (kept == &keptInMemory) keptInMemory.open(QIODevice::ReadWrite);
            }
            if (!WriteAll(*kept, QByteArray::fromRawData(batch.data(), qsizetype(batch.size()))))
                throw Exception(Fill(Tr("CommandLine", "cannot keep the results in a temporary file: %1"),
                                     {kept->errorString().toStdString()}));
        };
        CommandLineAnswer computed = AnswerRequest(request, in, CountsText, keep);
        answer = std::move(computed.text);
        notes = std::move(computed.notes);
    } catch (const CommandLineError& bad) {
        err << "tarvik: " << bad.message << "\n";
        return 2;
    } catch (const Exception& e) {
        err << "tarvik: " << e.Message() << "\n";
        return 1;
    }
    for (const std::string& note : notes) err << "tarvik: " << note << "\n";
    // The answer kept, block by block, into `write`.
    const auto copyKept = [&](const std::function<bool(const QByteArray&)>& write) {
        if (!kept) return write(QByteArray::fromStdString(answer));
        kept->seek(0);
        while (!kept->atEnd()) {
            const QByteArray block = kept->read(1 << 16);
            if (block.isEmpty() || !write(block)) return false;
        }
        return true;
    };
    try {
        if (!request.chartFile.empty()) ExportChart(request);
        if (!request.outputFile.empty()) {
            const QString path = FileName(request.outputFile, "--output");
            WriteFileWhole(path, QString::fromStdString(Tr("CommandLine", "the results")), ReadOnlyTarget::Refuse, [&](QIODevice& device) {
                return copyKept([&](const QByteArray& block) { return WriteAll(device, block); });
            });
            return 0;
        }
    } catch (const Exception& e) {
        err << "tarvik: " << e.Message() << "\n";
        return 1;
    }
    const bool copied = copyKept([&](const QByteArray& block) {
        out.write(block.constData(), block.size());
        return bool(out);
    });
    out.flush();
    if (!copied || !out) {
        err << "tarvik: " << Tr("CommandLine", "cannot write the results to standard output") << "\n";
        return 1;
    }
    return 0;
}

}  // namespace tarvik
