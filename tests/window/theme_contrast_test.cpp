// Readable under every desktop palette: the captions and the density value
// on the fixed aqua-to-teal panel need 4.5:1 against the panel right behind
// them (WCAG AA for text), the density curve 3:1 (graphical objects). Each
// ratio is measured on the rendered window: the pixels an element adds,
// against the same pixels rendered without it.
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "tests/window/window_fixture.h"

namespace tarvik::test {
namespace {

double Linear(int c) {
    const double s = c / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}
double Luminance(QColor c) { return 0.2126 * Linear(c.red()) + 0.7152 * Linear(c.green()) + 0.0722 * Linear(c.blue()); }
double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette Dark() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    p.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    p.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    return p;
}
QPalette HighContrast() {
    QPalette p;
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, Qt::black);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, Qt::yellow);
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

class ThemeContrast : public WindowTest {
protected:
    void SetUp() override {}  // the palette comes first
    void TearDown() override {
        WindowTest::TearDown();
        QApplication::setPalette(QApplication::style()->standardPalette());
    }
    QImage Grab() { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The contrast of what `hide` removes from the picture, against the
    // picture without it: the 90th percentile over the changed pixels, so
    // that the antialiased rim of a glyph does not decide.
    double MeasuredRatio(const std::function<void(bool)>& hide) {
        const QImage with = Grab();
        hide(true);
        const QImage without = Grab();
        hide(false);
        std::vector<double> ratios;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y))
                    ratios.push_back(Contrast(with.pixelColor(x, y), without.pixelColor(x, y)));
        if (ratios.empty()) return 0;
        std::sort(ratios.begin(), ratios.end());
        return ratios[std::size_t(0.9 * double(ratios.size() - 1))];
    }
};

TEST_F(ThemeContrast, CaptionsDensityAndCurveUnderEveryPalette) {
    struct Palette {
        const char* name;
        QPalette palette;
    } palettes[] = {{"light", QApplication::style()->standardPalette()}, {"dark", Dark()}, {"high contrast", HighContrast()}};
    for (const auto& pal : palettes) {
        QApplication::setPalette(pal.palette);
        Start();
        struct Element {
            const char* name;
            QWidget* widget;
            double required;
        } elements[] = {
            {"Degrees of freedom", form->dfCaption, 4.5}, {"Chi-square value", form->valueCaption, 4.5},
            {"Cumulative distribution function", form->cdfCaption, 4.5}, {"Upper tail probability", form->upperTailCaption, 4.5},
            {"Probability density function", form->densityCaption, 4.5},     {"density value", form->densityLabel, 4.5},
        };
        for (const auto& e : elements) {
            const double ratio = MeasuredRatio([&](bool hide) { e.widget->setVisible(!hide); });
            std::printf("| %-13s | %-32s | %5.2f:1 | %.1f:1 |\n", pal.name, e.name, ratio, e.required);
            EXPECT_GE(ratio, e.required) << pal.name << ": " << e.name;
        }
        // The curve: every column it crosses must have a pixel of it at 3:1
        // or better against the panel there (the yellow or its dark edge).
        const QImage with = form->densityChart->grab().toImage().convertToFormat(QImage::Format_RGB32);
        auto* curve = dynamic_cast<LineSeries*>(form->densityChart->Series(0));
        ASSERT_TRUE(curve);
        const ChartPen line = curve->LinePen, outline = curve->OutlinePen;
        curve->LinePen.Visible = curve->OutlinePen.Visible = false;
        const QImage without = form->densityChart->grab().toImage().convertToFormat(QImage::Format_RGB32);
        curve->LinePen = line;
        curve->OutlinePen = outline;
        double worst = 1e9;
        int columns = 0;
        for (int x = 0; x < with.width(); ++x) {
            double best = 0;
            bool any = false;
            for (int y = 0; y < with.height(); ++y)
                if (with.pixel(x, y) != without.pixel(x, y)) {
                    any = true;
                    best = std::max(best, Contrast(with.pixelColor(x, y), without.pixelColor(x, y)));
                }
            if (any) worst = std::min(worst, best), ++columns;
        }
        std::printf("| %-13s | %-32s | %5.2f:1 | %.1f:1 |\n", pal.name, "density curve (worst column)", worst, 3.0);
        EXPECT_GT(columns, 100);
        EXPECT_GE(worst, 3.0) << pal.name << ": the curve";

        // The marker, the check mark, the help glyph and the focus ring:
        // the strongest pixel each adds, at 3:1 or better.
        auto* marker = dynamic_cast<PointSeries*>(form->densityChart->Series(1));
        ASSERT_TRUE(marker);
        struct Graphic {
            const char* name;
            QWidget* widget;
            std::function<void(bool)> hide;
        } graphics[] = {
            {"marker", form->densityChart, [&](bool h) { marker->Pointer.Visible = !h; }},
            {"check mark", form->keepCdfBox, [&](bool h) { form->keepCdfBox->setChecked(!h); }},
            {"help glyph", form->helpButton,
             [&, icon = form->helpButton->icon()](bool h) { form->helpButton->setIcon(h ? QIcon() : icon); }},
            {"focus ring", form->upperTailEdit,
             [&](bool h) { h ? form->valueEdit->setFocus() : form->upperTailEdit->setFocus(); }},
        };
        for (const auto& g : graphics) {
            g.hide(false);
            const QImage shown = g.widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
            g.hide(true);
            const QImage hidden = g.widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
            g.hide(false);
            double best = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    best = std::max(best, Contrast(shown.pixelColor(x, y), hidden.pixelColor(x, y)));
            std::printf("| %-13s | %-32s | %5.2f:1 | %.1f:1 |\n", pal.name, g.name, best, 3.0);
            EXPECT_GE(best, 3.0) << pal.name << ": " << g.name;
        }
        TearDown();
    }
}

}  // namespace
}  // namespace tarvik::test
