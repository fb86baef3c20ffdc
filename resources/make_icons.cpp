// Writes the installed icon theme files from the program's own icon:
//   make_icons OUTDIR  ->  OUTDIR/hicolor/<N>x<N>/apps/org.tarvik.Tarvik.png, scalable/apps/org.tarvik.Tarvik.svg
//                          OUTDIR/tarvik.ico (the Windows program's icon)
// Run at build time on the offscreen platform: no display needed.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>
#include <vector>

#include "resources/icon.h"

namespace {

// An ICO file whose images are PNG streams, as Windows has read them since
// Vista: a 6-byte header, a 16-byte entry per image (a width or height of
// 256 written as 0), then the images. All numbers little-endian.
QByteArray IcoFile(const std::vector<int>& sizes) {
    std::vector<QByteArray> pngs;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        tarvik::ProgramIconImage(size).save(&buffer, "PNG");
        pngs.push_back(png);
    }
    QByteArray ico;
    const auto put16 = [&](int v) { ico.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    const auto put32 = [&](qint64 v) { put16(int(v & 0xFFFF)), put16(int((v >> 16) & 0xFFFF)); };
    put16(0), put16(1), put16(int(sizes.size()));
    qint64 offset = 6 + 16 * qint64(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int side = sizes[i] >= 256 ? 0 : sizes[i];
        ico.append(char(side)).append(char(side)).append(char(0)).append(char(0));
        put16(1), put16(32);  // colour planes, bits per pixel
        put32(pngs[i].size()), put32(offset);
        offset += pngs[i].size();
    }
    for (const QByteArray& png : pngs) ico.append(png);
    return ico;
}

}  // namespace

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
    QFile ico(QString::fromLocal8Bit(argv[1]) + "/tarvik.ico");
    if (!ico.open(QIODevice::WriteOnly) || ico.write(IcoFile({16, 20, 24, 32, 40, 48, 64, 256})) <= 0 || !ico.flush()) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(ico.fileName()));
        return 1;
    }
    return 0;
}
