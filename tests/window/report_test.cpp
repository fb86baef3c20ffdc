// The chart for reports: saved as PNG (1x, 2x) and SVG, copied; a failed
// write reported with no file left, a read-only file replaced only when the
// user says so.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <sstream>
#include <vector>

#include "files/chart_export.h"
#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

// What a vector drawing of the chart holds: its height, the curve's points
// (the yellow polyline), whether any coordinate anywhere is fractional, the
// texts, and the lines of the first (the title, one span a line where it is
// broken).
struct SvgContent {
    bool wellFormed = false;
    int height = 0;
    int curvePoints = 0;
    bool fractional = false;
    QStringList texts;
    int titleLines = 0;
};

SvgContent ReadSvg(const QString& path) {
    SvgContent svg;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return svg;
    QXmlStreamReader xml(&file);
    const QRegularExpression number(R"(-?\d+(\.\d+)?)");
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto attributes = xml.attributes();
        for (const char* geometric : {"points", "x", "y", "x1", "y1", "x2", "y2"}) {
            const QString value = attributes.value(geometric).toString();
            for (auto m = number.globalMatch(value); m.hasNext();)
                if (m.next().captured(0).contains('.')) svg.fractional = true;
        }
        if (xml.name() == u"svg") svg.height = attributes.value("height").toInt();
        if (xml.name() == u"polyline" && attributes.value("stroke") == u"#ffff00")
            svg.curvePoints = int(attributes.value("points").toString().split(' ', Qt::SkipEmptyParts).size());
        if (xml.name() == u"text") {
            QString text;
            int spans = 0;
            for (int depth = 1; depth > 0 && !xml.atEnd();) {
                xml.readNext();
                if (xml.isStartElement()) ++depth, ++spans;
                if (xml.isEndElement()) --depth;
                if (xml.isCharacters()) text += xml.text();
            }
            if (svg.texts.isEmpty()) svg.titleLines = std::max(1, spans);
            svg.texts << text;
        }
    }
    svg.wellFormed = !xml.hasError();
    return svg;
}

TEST_F(WindowTest, ChartMenuSavesAndCopies) {
    const auto menu = form->ChartMenu();
    QStringList entries;
    for (QAction* a : menu->actions()) entries << a->text();
    EXPECT_EQ(entries, (QStringList{"Save chart as\u2026", "Copy chart", "", "Critical values\u2026",
                                    "Power and sample size\u2026", "Test a table\u2026", "One variance\u2026", "", "&Language"}));

    QTemporaryDir dir;
    const QSize chart = form->densityChart->size();
    form->SaveChartTo(dir.filePath("chart.svg"), ChartFormat::Svg, 1);
    const SvgContent svg = ReadSvg(dir.filePath("chart.svg"));
    EXPECT_TRUE(svg.wellFormed);
    // A title band of 20 pixels over the chart, a line higher for each line
    // more where the title does not fit (the fonts decide: a machine without
    // Arial or its stand-in breaks it).
    const int band = svg.height - chart.height();
    EXPECT_TRUE(svg.titleLines == 1 ? band == 20 : band > 20) << svg.titleLines << " lines, band " << band;
    // Both formats, and the copy, carry the same picture: the PNG as large
    // as the SVG, twice as large at twice the resolution.
    struct Case {
        const char* name;
        int scale;
        QSize size;
    } cases[] = {{"chart.png", 1, QSize(chart.width(), svg.height)},
                 {"chart2x.png", 2, QSize(2 * chart.width(), 2 * svg.height)}};
    for (const auto& c : cases) {
        form->SaveChartTo(dir.filePath(c.name), ChartFormat::Png, c.scale);
        const QImage image(dir.filePath(c.name));
        EXPECT_EQ(image.size(), c.size) << c.name;
    }
    EXPECT_GT(svg.curvePoints, 200);
    EXPECT_TRUE(svg.fractional) << "a vector drawing in whole pixels";
    // The title and the labels, as text; no two labels alike.
    ASSERT_GE(svg.texts.size(), 5);
    EXPECT_TRUE(svg.texts.front().startsWith("df 1   x = 3.841459"));
    const QStringList labels = svg.texts.mid(1);
    EXPECT_EQ(QSet<QString>(labels.begin(), labels.end()).size(), labels.size()) << labels.join(' ').toStdString();
    EXPECT_TRUE(NewMessages().empty());

    form->CopyChart();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), cases[0].size);
    EXPECT_EQ(form->ChartTitle(), "df 1   x = 3.841459   P(X<=x) = 0.95   P(X>x) = 0.05");
}

// Twice the resolution is drawn at twice the resolution: text, lines and
// the curve, not the small picture's pixels doubled.
TEST_F(WindowTest, TheSharpPictureIsNotThePixelsDoubled) {
    const QSize size = form->densityChart->size();
    const QImage once = RenderChart(*form->densityChart, form->ChartTitle(), size, 1);
    const QImage twice = RenderChart(*form->densityChart, form->ChartTitle(), size, 2);
    ASSERT_EQ(twice.size(), 2 * once.size());
    EXPECT_EQ(twice.devicePixelRatio(), 2);
    const QImage doubled = once.scaled(twice.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int differ = 0;
    for (int y = 0; y < twice.height(); ++y)
        for (int x = 0; x < twice.width(); ++x) differ += twice.pixel(x, y) != doubled.pixel(x, y);
    // Text edges, the curve and the tick marks: thousands of pixels.
    EXPECT_GT(differ, 2000);
}

TEST_F(WindowTest, AFailedSaveIsReportedAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("no/such/folder/chart.png");
    form->SaveChartTo(missing, ChartFormat::Png, 1);
    ASSERT_EQ(NewMessages().size(), 1u);
    EXPECT_TRUE(NewMessages()[0].startsWith("Cannot save the chart to '" + missing + "': ")) << NewMessages()[0].toStdString();
    EXPECT_FALSE(QFile::exists(missing));
    // A name that is a folder: nothing is written beside it either.
    QDir(dir.path()).mkdir("taken.png");
    form->SaveChartTo(dir.filePath("taken.png"), ChartFormat::Png, 1);
    EXPECT_EQ(NewMessages().size(), 2u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

}  // namespace
}  // namespace tarvik::test
