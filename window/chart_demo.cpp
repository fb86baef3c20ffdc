// Renders the calculator's density chart for a df and a value into a PNG,
// computed as the window computes it: chart_demo OUT.png [df] [value]
#include <QApplication>
#include <QImage>
#include <cstdio>
#include <string>

#include "calc/density_plot.h"
#include "calc/limits.h"
#include "chart/chart.h"
#include "core/errors.h"
#include "core/number_text.h"
#include "math/distributions.h"
#include "chart/density_chart_config.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* out = argc > 1 ? argv[1] : "chart.png";
    try {
        const long df = argc > 2 ? std::stol(argv[2]) : 4;
        // The core's conversion: a point, whatever the C locale says.
        const tarvik::Real value = argc > 3 ? tarvik::TextToReal(argv[3]) : 7.779L;
        if (df < 1 || df > 65535 || value < 0) throw std::out_of_range("df or value out of range");
        const tarvik::DensityPlot d =
            tarvik::ComputeDensityPlot(df, value);
        tarvik::Chart chart;
        chart.resize(tarvik::kChartWidth, tarvik::kChartHeight);
        tarvik::ConfigureDensityChart(chart);
        tarvik::ShowDensityChart(chart, d);
        QImage image(chart.size(), QImage::Format_RGB32);
        chart.render(&image);
        return image.save(out) ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "chart_demo: %s (usage: chart_demo OUT.png [df 1..65535] [value])\n", e.what());
        return 2;
    }
}
