#pragma once
// The mosaic of a table as a picture: the tiles the calculation laid out
// in the unit square placed in the room its labels and legend leave,
// painted on screen and written as SVG from that one placement.
#include <QColor>
#include <QRectF>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "calc/mosaic_plot.h"
#include "chart/picture.h"

namespace tarvik {

// One text of the picture, centred in its box or set against one side.
struct PlacedText {
    QRectF box;
    QString text;
    Qt::Alignment alignment = Qt::AlignCenter;
};

struct PlacedTile {
    QRectF rect;
    MosaicShade shade = MosaicShade::Near;
};

struct MosaicScene {
    std::vector<PlacedTile> tiles;  // the table's tiles, then the legend's swatches
    std::vector<PlacedText> texts;
};

// The fill and the outline of each step: blue above expectation, red below,
// darker the further; solid outlines above, dashed below.
QColor MosaicFill(MosaicShade shade);
QColor MosaicOutline(MosaicShade shade);
bool MosaicDashed(MosaicShade shade);

// Places the plot, its rows' labels under it, its columns' labels at its
// left and the legend at its right, at `size` with `font`.
MosaicScene PlaceMosaic(const MosaicPlot& plot, const QStringList& rowLabels, const QStringList& columnLabels,
                        const QSize& size, const QFont& font);

class MosaicChart : public QWidget, public Picture {
    Q_DECLARE_TR_FUNCTIONS(MosaicChart)

public:
    explicit MosaicChart(QWidget* parent = nullptr);

    void Show(MosaicPlot plot, QStringList rowLabels, QStringList columnLabels);
    const MosaicPlot& Plot() const { return plot_; }

    void PaintPicture(QPainter& painter, const QSize& size, bool pixelGrid, const ChartLook& look) const override;
    QString SvgElements(const QSize& size, const ChartLook& look) const override;
    QFont TitleFont() const override { return font(); }
    MosaicScene Scene(const QSize& size, const ChartLook& look = {}) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont TextFont(double textScale) const;

    MosaicPlot plot_;
    QStringList rowLabels_, columnLabels_;
};

}  // namespace tarvik
