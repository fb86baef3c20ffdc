// RedrawChart: the density curve over a range fitted to the distribution,
// and the marker at the value.
#include "chart/chart.h"
#include "math/distributions.h"
#include "platform/checked_math.h"
#include "platform/number_text.h"
#include "window/field_text.h"
#include "window/form1.h"

namespace tarvik {

namespace {
constexpr int kSamples = 200;
constexpr Real kRangeTail = 0.0001L;
constexpr Real kDenominatorDf = 3000;
constexpr Real kWidening = 1.025L;
constexpr double kMarkerHeight = 0.0001;
constexpr Real kHeadroom = 1.05L;
}  // namespace

void TForm1::RedrawChart() {
    const Real df = dfAdvSpinEdit->Value();
    // Every conversion and the range search come before the series are
    // cleared, so a failure keeps the previous picture.
    const Real c = Read(CdfEdit->text());
    const Real tail = c <= kRangeTail ? c : kRangeTail;
    Real xmax = df * FQuantile(tail, df, kDenominatorDf);
    if (Read(X2ValueEdit->text()) > xmax) xmax = kWidening * Read(X2ValueEdit->text());

    Real ymax = 0;
    for (int i = 0; i < Chart1->SeriesCount(); ++i) Chart1->ClearSeries(i);
    // The density's denominator 2^(df/2) Gamma(df/2) is the same for all 200
    // points: formed once, with bit-identical densities.
    const Real denominator = df > 0 ? ChiSquarePdfDenominator(df) : 1;
    for (int i = 1; i <= kSamples; ++i) {
        const Real x = (Real(i) / kSamples) * xmax;
        const Real y = ChiSquarePdfWith(df, x, denominator);
        Chart1->AddXY(0, checked::ToDouble(x), checked::ToDouble(y), Chart1->Series(0)->SeriesColor);
        if (y > ymax) ymax = y;
    }
    const Real v = Read(X2ValueEdit->text());
    Chart1->AddXY(1, checked::ToDouble(v), kMarkerHeight, Chart1->Series(1)->SeriesColor);
    Chart1->LeftAxis().Maximum = checked::ToDouble(kHeadroom * ymax);
    Chart1->update();
}

}  // namespace tarvik
