// Renders the application's SVG icon to a square PNG of one size, for the icon theme's fixed-size
// folders: tovalin-render-icon ICON.svg OUT.png SIZE. Run while building, so the PNGs always show the
// SVG as it is and no rendered picture is kept in the source tree.

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: tovalin-render-icon ICON.svg OUT.png SIZE\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[3]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 4096) {
        std::fprintf(stderr, "tovalin-render-icon: the size must be a number of pixels, not \"%s\"\n", argv[3]);
        return 2;
    }
    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tovalin-render-icon: %s is not an SVG image that can be drawn\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(target, "PNG")) {
        std::fprintf(stderr, "tovalin-render-icon: could not write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
