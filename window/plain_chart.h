#pragma once
// What the side windows' charts share: a plain white chart with the bottom
// and left axes only (it reads under a dark theme, in print and in grey),
// and a series added by name and colour.

#include "chart/chart.h"

namespace tarvik {

void ConfigurePlain(Chart& chart);

template <typename S>
S* Add(Chart& chart, const char* name, Rgb color) {
    auto* s = chart.AddSeries<S>();
    s->Name = s->Title = name;
    s->SeriesColor = color;
    return s;
}

}  // namespace tarvik
