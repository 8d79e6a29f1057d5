// Renders the program's SVG icon as a square PNG of one size. Icon themes keep fixed-size PNGs
// beside the scalable SVG for desktops, panels and tools that draw only bitmaps.
//
//   zembril-render-icon SVG SIZE OUT.png

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SVG SIZE OUT.png\n", argv[0]);
        return 2;
    }
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size <= 0) {
        std::fprintf(stderr, "%s: the size must be a positive number, not %s\n", argv[0], argv[2]);
        return 2;
    }

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read the SVG image %s\n", argv[0], argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();

    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
