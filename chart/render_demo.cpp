// Renders the calculator's chart configuration, filled with a chi-square
// density and a marker, into a PNG: tarvik_chart_demo OUT.png [df] [value]
#include <QApplication>
#include <QImage>
#include <cmath>
#include <cstdlib>

#include "chart/chart.h"
#include "window/density_chart_config.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const char* out = argc > 1 ? argv[1] : "chart.png";
    const double df = argc > 2 ? std::atof(argv[2]) : 4;
    const double value = argc > 3 ? std::atof(argv[3]) : 7.779;
    tarvik::TChart chart;
    chart.resize(275, 240);
    tarvik::ConfigureDensityChart(chart);
    // A density shape: chi-square with df degrees of freedom over 0..4 df.
    const double xmax = 4 * df + 12;
    double ymax = 0;
    for (int i = 1; i <= 200; ++i) {
        const double x = i / 200.0 * xmax;
        const double y = std::exp((df / 2 - 1) * std::log(x) - x / 2 - (df / 2) * std::log(2.0) - std::lgamma(df / 2));
        chart.AddXY(0, x, y, tarvik::clYellow);
        ymax = std::max(ymax, y);
    }
    chart.AddXY(1, value, 0.0001, tarvik::clRed);
    chart.LeftAxis().Maximum = 1.05 * ymax;
    QImage image(chart.size(), QImage::Format_RGB32);
    chart.render(&image);
    return image.save(out) ? 0 : 1;
}
