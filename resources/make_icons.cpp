// Writes the installed icon theme files from the program's own icon:
//   make_icons OUTDIR  ->  OUTDIR/hicolor/<N>x<N>/apps/org.tarvik.Tarvik.png, scalable/apps/org.tarvik.Tarvik.svg
// Run at build time on the offscreen platform: no display needed.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "resources/icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons OUTDIR\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]) + "/hicolor";
    // The sizes desktops look up in the hicolor theme.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QString("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(dir) || !tarvik::ProgramIconImage(size).save(dir + "/org.tarvik.Tarvik.png")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    const QString scalable = root + "/scalable/apps";
    QDir().mkpath(scalable);
    constexpr int kSvgSize = 32;
    QSvgGenerator svg;
    svg.setFileName(scalable + "/org.tarvik.Tarvik.svg");
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle("Tarvik");
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "make_icons: cannot write %s/org.tarvik.Tarvik.svg\n", qPrintable(scalable));
        return 1;
    }
    tarvik::PaintProgramIcon(painter, kSvgSize);
    painter.end();
    return 0;
}
