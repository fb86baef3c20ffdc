#pragma once
// Chart: the chart panel. It owns the model (axes, series, gradient, back
// wall, margins), lays it out at every paint and draws exactly that layout.
#include <QFont>
#include <QPainter>
#include <QSize>
#include <memory>

#include "plot/chart_layout.h"
#include "plot/chart_model.h"
#include "plot/geometry.h"
#include "chart/picture.h"
#include <QWidget>

namespace tarvik {

class Chart : public QWidget, public Picture {
public:
    explicit Chart(QWidget* parent = nullptr);

    ChartModel& Model() { return model_; }
    const ChartModel& Model() const { return model_; }
    ChartAxis& LeftAxis() { return model_.LeftAxis; }
    ChartAxis& BottomAxis() { return model_.BottomAxis; }
    ChartAxis& RightAxis() { return model_.RightAxis; }
    ChartAxis& TopAxis() { return model_.TopAxis; }

    int SeriesCount() const { return int(model_.Series.size()); }
    const ChartSeries* Series(int index) const { return model_.Series.at(std::size_t(index)).get(); }
    ChartSeries* Series(int index) { return model_.Series.at(std::size_t(index)).get(); }
    template <typename S>
    S* AddSeries() {
        return model_.AddSeries<S>();
    }

    // Clears a series and asks for a repaint.
    void ClearSeries(int index);
    // Appends a point and asks for a repaint.
    void AddXY(int index, double x, double y, Rgb color);
    // The model's SetPoints, and one repaint.
    template <typename Points>
    void SetPoints(int index, const Points& points) {
        model_.SetPoints(index, points);
        update();
    }

    // The labels' font (the axes share one font), grown by textScale.
    QFont LabelsFont(double textScale = 1) const;

    // Lays out for the current size (or another) with the labels' real font
    // metrics.
    ChartLayout Layout() const;
    ChartLayout Layout(int width, int height, const ChartLook& look = {}) const;

    // Paints the chart at `size` (logical pixels): on the pixel grid as the
    // screen shows it, or unrounded for a vector file or a higher pixel
    // ratio.
    void Paint(QPainter& painter, const QSize& size, bool pixelGrid, const ChartLook& look = {}) const;

    void PaintPicture(QPainter& painter, const QSize& size, bool pixelGrid, const ChartLook& look) const override {
        Paint(painter, size, pixelGrid, look);
    }
    QString SvgElements(const QSize& size, const ChartLook& look) const override;
    QFont TitleFont() const override { return font(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartModel model_;
};

}  // namespace tarvik
