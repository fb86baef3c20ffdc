// The chart for reports: saved as PNG (1x, 2x) and SVG, copied, a failed
// write reported with no file left; and the command line's results, chart
// files and exit codes.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <sstream>
#include <vector>

#include "window/command_line.h"
#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

struct CliRun {
    int code;
    std::string out, err;
};
CliRun CommandLine(QStringList args) {
    args.prepend("tarvik");
    std::ostringstream out, err;
    const FormatSettings saved = CurrentFormatSettings();
    const int code = RunCommandLine(args, out, err);
    CurrentFormatSettings() = saved;
    return {code, out.str(), err.str()};
}

// The curve: well over a hundred line elements stroked in its yellow (Qt
// writes the stroke on an enclosing group).
bool SvgHoldsTheCurve(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QXmlStreamReader xml(&file);
    std::vector<bool> yellow{false};
    int segments = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString stroke = xml.attributes().value("stroke").toString().toLower();
            const bool inYellow = stroke == "#ffff00" || (stroke.isEmpty() && yellow.back());
            yellow.push_back(inYellow);
            const auto name = xml.name();
            if (inYellow && (name == u"polyline" || name == u"path" || name == u"line")) ++segments;
        } else if (xml.isEndElement()) {
            yellow.pop_back();
        }
    }
    return !xml.hasError() && segments > 100;
}

TEST_F(WindowTest, ChartMenuSavesAndCopies) {
    const auto menu = form->ChartMenu();
    QStringList entries;
    for (QAction* a : menu->actions()) entries << a->text();
    EXPECT_EQ(entries, (QStringList{"Save chart as\u2026", "Copy chart"}));

    QTemporaryDir dir;
    const QSize chart = form->densityChart->size();
    struct Case {
        const char* name;
        int scale;
        QSize size;
    } cases[] = {{"chart.png", 1, QSize(chart.width(), chart.height() + 20)},
                 {"chart2x.png", 2, QSize(2 * chart.width(), 2 * (chart.height() + 20))}};
    for (const auto& c : cases) {
        form->SaveChartTo(dir.filePath(c.name), c.scale);
        const QImage image(dir.filePath(c.name));
        EXPECT_EQ(image.size(), c.size) << c.name;
    }
    form->SaveChartTo(dir.filePath("chart.svg"), 1);
    EXPECT_TRUE(SvgHoldsTheCurve(dir.filePath("chart.svg")));
    EXPECT_TRUE(NewMessages().empty());

    form->CopyChart();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), cases[0].size);
    EXPECT_EQ(form->ChartTitle(), "df 1   x = 3.841459   P(X<=x) = 0.95   P(X>x) = 0.05");
}

TEST_F(WindowTest, AFailedSaveIsReportedAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("no/such/folder/chart.png");
    form->SaveChartTo(missing, 1);
    ASSERT_EQ(NewMessages().size(), 1u);
    EXPECT_TRUE(NewMessages()[0].startsWith("Cannot save the chart to '" + missing + "': ")) << NewMessages()[0].toStdString();
    EXPECT_FALSE(QFile::exists(missing));
    // A name that is a folder: nothing is written beside it either.
    QDir(dir.path()).mkdir("taken.png");
    form->SaveChartTo(dir.filePath("taken.png"), 1);
    EXPECT_EQ(NewMessages().size(), 2u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST(CommandLine, ResultsAndExitCodes) {
    struct Case {
        QStringList args;
        int code;
        const char* out;  // the whole standard output, or a part of the error
        const char* why;
    } cases[] = {
        {{"--df", "12", "--value", "23.5"}, 0,
         "df=12  x=23.500000  P(X<=x)=0.976231  P(X>x)=0.023769  f(x)=0.007362\n", "the p-value of 23.5 at df 12"},
        {{"--df", "10", "--upper", "0.05"}, 0,
         "df=10  x=18.307038  P(X<=x)=0.950000  P(X>x)=0.050000  f(x)=0.015481\n", "a critical value"},
        {{"--df", "10", "--cdf", "0.95", "--precision", "9"}, 0,
         "df=10  x=18.3070381  P(X<=x)=0.95  P(X>x)=0.05  f(x)=0.0154806187\n", "nine significant digits"},
        {{"--df", "1", "--value", "40", "--precision", "3"}, 0,
         "df=1  x=40  P(X<=x)=1  P(X>x)=2.54e-10  f(x)=1.3e-10\n", "a p-value six decimals would hide"},
        {{"--df", "1", "--upper", "5e-8"}, 0,
         "df=1  x=29.716785  P(X<=x)=1.000000  P(X>x)=0.000000  f(x)=0.000000\n", "genome-wide significance"},
        {{"--df", "1", "--upper", "0.000001", "--precision", "19"}, 0,
         "df=1  x=23.92812697693482885  P(X<=x)=0.999999  P(X>x)=1e-06  f(x)=5.194323087631755455e-07\n",
         "the tail as typed, its complement exact"},
        {{"--df", "65535", "--value", "1e6", "--precision", "3"}, 0,
         "df=65535  x=1e+06  P(X<=x)=1  P(X>x)=0  f(x)=0\n", "the widest df and value: below the Real range"},
        {{"--df", "2", "--value", "0"}, 0,
         "df=2  x=0.000000  P(X<=x)=0.000000  P(X>x)=1.000000  f(x)=0.500000\n", "the density's limit at 0"},
        {{"--df", "1", "--value", "0"}, 0,
         "df=1  x=0.000000  P(X<=x)=0.000000  P(X>x)=1.000000  f(x)=inf\n", "unbounded at 0"},
        {{"--df", "0", "--value", "1"}, 2, "--df must be a whole number from 1 to 65535", "df below 1"},
        {{"--df", "65536", "--value", "1"}, 2, "--df must be a whole number from 1 to 65535", "df above 65535"},
        {{"--df", "2.5", "--value", "1"}, 2, "--df must be a whole number", "df not whole"},
        {{"--df", "4", "--value", "1000001"}, 2, "--value must lie from 0 to 1e6", "value above 1e6"},
        {{"--df", "4", "--cdf", "1"}, 2, "--cdf must lie from 1e-300 to 1 - 1e-300", "a probability of 1"},
        {{"--df", "4", "--cdf", "1e-301"}, 2, "--cdf must lie from 1e-300 to 1 - 1e-300", "below 1e-300"},
        {{"--df", "4", "--upper", "0.99999999999999999999999999999999999999999999999999", "--precision", "5"}, 0,
         "df=4  x=2.8284e-25  P(X<=x)=1e-50  P(X>x)=1  f(x)=7.0711e-26\n",
         "an upper tail 1e-50 below 1, though it reads as 1: x = sqrt(8 p) there"},
        {{"--df", "4", "--upper", "-0.1"}, 2, "--upper must lie from 1e-300 to 1 - 1e-300", "below 0"},
        {{"--df", "4", "--value", "x1"}, 2, "--value 'x1' is not a number", "not a number"},
        {{"--df", "4"}, 2, "give exactly one of --value, --cdf and --upper", "nothing to compute"},
        {{"--df", "4", "--value", "1", "--cdf", "0.5"}, 2, "give exactly one", "two inputs"},
        {{"--df", "4", "--value", "1", "--export-chart", "c.jpg"}, 2, ".png or .svg", "an unknown format"},
        {{"--df", "4", "--value", "1", "--bogus"}, 2, "bogus", "an unknown option"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const CliRun r = CommandLine(c.args);
        EXPECT_EQ(r.code, c.code);
        if (c.code == 0) {
            EXPECT_EQ(r.out, c.out);
            EXPECT_EQ(r.err, "");
        } else {
            EXPECT_EQ(r.out, "");  // nothing written
            EXPECT_NE(r.err.find(c.out), std::string::npos) << r.err;
            EXPECT_EQ(r.err.rfind("tarvik: ", 0), 0u);
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
        }
    }
    EXPECT_NE(CommandLine({"--help"}).out.find("--export-chart"), std::string::npos);
}

TEST(CommandLine, ExportsTheChart) {
    QTemporaryDir dir;
    const CliRun png = CommandLine({"--df", "12", "--value", "23.5", "--export-chart", dir.filePath("c.png")});
    EXPECT_EQ(png.code, 0);
    EXPECT_EQ(QImage(dir.filePath("c.png")).size(), QSize(275, 260));
    const CliRun svg = CommandLine({"--df", "12", "--value", "23.5", "--export-chart", dir.filePath("c.svg")});
    EXPECT_EQ(svg.code, 0);
    EXPECT_TRUE(SvgHoldsTheCurve(dir.filePath("c.svg")));
    // Bad input writes no file; a file that cannot be written is exit 1.
    EXPECT_EQ(CommandLine({"--df", "70000", "--value", "1", "--export-chart", dir.filePath("bad.png")}).code, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("bad.png")));
    const CliRun failed = CommandLine({"--df", "3", "--value", "1", "--export-chart", dir.filePath("none/c.png")});
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find("Cannot save the chart"), std::string::npos);
}

}  // namespace
}  // namespace tarvik::test
