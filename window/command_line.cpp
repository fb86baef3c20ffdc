#include "window/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstring>
#include <optional>
#include <string>

#include "calc/calculator.h"
#include "calc/results_text.h"
#include "chart/chart.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "window/chart_export.h"
#include "window/density_chart_config.h"

namespace tarvik {

namespace {

const char* const kOwnOptions[] = {"--df", "--value", "--cdf", "--upper", "--precision",
                                   "--export-chart", "--help", "-h", "--version", "-v"};
constexpr int kMaxPrecision = 21;  // past the Real's 19.3 digits nothing changes

bool Matches(const char* arg, const char* option) {
    const std::size_t n = std::strlen(option);
    return std::strncmp(arg, option, n) == 0 && (arg[n] == '\0' || arg[n] == '=');
}

bool Has(int argc, char** argv, std::initializer_list<const char*> options) {
    for (int i = 1; i < argc; ++i)
        for (const char* o : options)
            if (Matches(argv[i], o)) return true;
    return false;
}

// A bad input: one line on standard error, exit code 2.
struct BadInput {
    std::string message;
};

Real ReadNumber(const QString& text, const char* what) {
    Real v = 0;
    if (!TryTextToReal(text.toStdString(), v))
        throw BadInput{std::string(what) + " '" + text.toStdString() + "' is not a number"};
    return v;
}

std::string Number(Real v, std::optional<int> precision) {
    return precision ? FormatSignificant(v, *precision) : FormatFixed(v);
}

// A probability the command line takes: from 1e-300 to 1 - 1e-300, judged
// on the decimal text and its exact complement (1 - 1e-300 is 1 as a Real).
bool InProbabilityRange(const std::string& text, const Limits& limits) {
    Real p = 0, rest = 0;
    const std::string complement = DecimalComplement(text);
    return TryTextToReal(text, p) && !complement.empty() && TryTextToReal(complement, rest) &&
           p >= limits.lowestProbability && rest >= limits.lowestProbability;
}

}  // namespace

bool WantsCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* o : kOwnOptions)
            if (Matches(argv[i], o)) return true;
    return false;
}

bool WantsChartExport(int argc, char** argv) { return Has(argc, argv, {"--export-chart"}); }

int RunCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    // Machine-readable numbers: the point, whatever the desktop's locale.
    CurrentFormatSettings() = FormatSettings{};
    QCommandLineParser parser;
    parser.setApplicationDescription("Chi-square distribution: probabilities, density and critical values.");
    const QCommandLineOption help({"h", "help"}, "Show this help.");
    const QCommandLineOption version({"v", "version"}, "Show the version.");
    const QCommandLineOption df("df", "Degrees of freedom, 1 to 65535.", "N");
    const QCommandLineOption value("value", "The chi-square value x, 0 to 1e6.", "X");
    const QCommandLineOption cdf("cdf", "The cdf P(X<=x): gives the value.", "P");
    const QCommandLineOption upper("upper", "The upper tail P(X>x): gives the value.", "P");
    const QCommandLineOption precision("precision", "Significant digits instead of six decimals.", "N");
    const QCommandLineOption exportChart("export-chart", "Write the chart to FILE.png or FILE.svg.", "FILE");
    parser.addOptions({help, version, df, value, cdf, upper, precision, exportChart});
    try {
        if (!parser.parse(arguments)) throw BadInput{parser.errorText().toStdString()};
        if (parser.isSet(help)) {
            out << parser.helpText().toStdString();
            return 0;
        }
        if (parser.isSet(version)) {
            out << "tarvik " << QCoreApplication::applicationVersion().toStdString() << "\n";
            return 0;
        }
        if (!parser.isSet(df)) throw BadInput{"--df is required"};
        const Real dfValue = ReadNumber(parser.value(df), "--df");
        const Limits& limits = CommandLineLimits();
        if (!(dfValue >= limits.lowestDf && dfValue <= limits.highestDf) || dfValue != Floor(dfValue))
            throw BadInput{"--df must be a whole number from 1 to 65535"};
        const int given = int(parser.isSet(value)) + int(parser.isSet(cdf)) + int(parser.isSet(upper));
        if (given != 1) throw BadInput{"give exactly one of --value, --cdf and --upper"};
        std::optional<int> digits;
        if (parser.isSet(precision)) {
            const Real n = ReadNumber(parser.value(precision), "--precision");
            if (!(n >= 1 && n <= kMaxPrecision) || n != Floor(n))
                throw BadInput{"--precision must be a whole number from 1 to 21"};
            digits = int(n);
        }
        QString file;
        if (parser.isSet(exportChart)) {
            file = parser.value(exportChart);
            if (!file.endsWith(".png", Qt::CaseInsensitive) && !file.endsWith(".svg", Qt::CaseInsensitive))
                throw BadInput{"--export-chart takes a file name ending in .png or .svg"};
        }

        // The same road as the window: the df, then the field, committed.
        Field field = Field::Value;
        QString text;
        if (parser.isSet(value)) {
            text = parser.value(value);
            const Real x = ReadNumber(text, "--value");
            if (!(x >= 0 && x <= limits.valueCap)) throw BadInput{"--value must lie from 0 to 1e6"};
        } else {
            field = parser.isSet(cdf) ? Field::Cdf : Field::UpperTail;
            text = parser.value(parser.isSet(cdf) ? cdf : upper);
            ReadNumber(text, field == Field::Cdf ? "--cdf" : "--upper");
            if (!InProbabilityRange(text.toStdString(), limits))
                throw BadInput{std::string(field == Field::Cdf ? "--cdf" : "--upper") +
                               " must lie from 1e-300 to 1 - 1e-300"};
        }
        Calculator calc(limits);
        std::optional<DensityPlot> chart;
        for (const Effects& fx : {calc.DfChanged(std::int64_t(dfValue)), calc.TextEdited(field, text.toStdString()),
                                   calc.Commit(field)}) {
            if (fx.Error) throw BadInput{*fx.Error};
            if (fx.Chart) chart = fx.Chart;
        }
        const Results r = calc.CurrentResults();
        out << ResultsLine(r, [&](Real v) { return Number(v, digits); }) << "\n";
        if (!file.isEmpty() && chart) {
            Chart view;
            view.resize(kChartWidth, kChartHeight);
            ConfigureDensityChart(view);
            ShowDensityChart(view, *chart);
            const QString title = QString("df %1   x = %2   P(X<=x) = %3   P(X>x) = %4")
                                      .arg(int(dfValue))
                                      .arg(QString::fromStdString(FormatFixed(r.value)),
                                           QString::fromStdString(FormatFixed(r.cdf)),
                                           QString::fromStdString(FormatFixed(r.upper)));
            SaveChart(view, file, title);
        }
        return 0;
    } catch (const BadInput& bad) {
        err << "tarvik: " << bad.message << "\n";
        return 2;
    } catch (const Exception& e) {
        err << "tarvik: " << e.Message() << "\n";
        return 1;
    }
}

}  // namespace tarvik
