// The chart layout over arbitrary axis ends and point sets, NaN and
// infinities included: it must come back, with a bounded number of labels.
#include <cstdlib>
#include <memory>

#include "plot/chart_layout.h"
#include "fuzz/fuzz_input.h"
#include "tests/support/fixed_metrics.h"
#include "tests/support/format_settings_cases.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarvik::fuzz::Input in(data, size);
    tarvik::ChartModel model;
    const auto flags = in.Take<std::uint8_t>();
    if (flags & 1) model.LeftAxis.SetMinMax(in.Take<double>(), in.Take<double>());
    if (flags & 2) model.BottomAxis.SetMinMax(in.Take<double>(), in.Take<double>());
    model.LeftAxis.Increment = (flags & 4) ? in.Take<double>() : 0;
    const int width = in.Take<std::uint8_t>() * 4, height = in.Take<std::uint8_t>() * 4;
    auto line = std::make_unique<tarvik::LineSeries>();
    auto marks = std::make_unique<tarvik::PointSeries>();
    marks->Pointer.Visible = true;
    marks->Pointer.InflateMargins = (flags & 8) != 0;
    for (int i = 0; i < 64 && in.Take<std::uint8_t>() != 0; ++i) {
        const double x = in.Take<double>(), y = in.Take<double>();
        (i % 2 ? marks.get() : static_cast<tarvik::ChartSeries*>(line.get()))->AddXY(x, y, tarvik::Rgb{});
    }
    model.Series.push_back(std::move(line));
    model.Series.push_back(std::move(marks));
    const tarvik::ChartLayout layout =
        tarvik::ComputeChartLayout(model, width, height, tarvik::test::FixedMetrics(), tarvik::test::kPoint);
    if (layout.left.labels.size() > 10000 || layout.bottom.labels.size() > 10000) std::abort();
    return 0;
}
