// SPDX-License-Identifier: GPL-3.0-or-later

// Renders one SVG into a PNG at a pixel ratio, or at an exact size in pixels (square icons):
//   render-svg in.svg out.png 2
//   render-svg in.svg out.png 48px
// Built and run by scripts/render-images.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-svg in.svg out.png (ratio | SIZEpx)\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const QByteArray scale(argv[3]);
    const bool exact = scale.endsWith("px");
    const int number = (exact ? scale.chopped(2) : scale).toInt();
    if (!svg.isValid() || number < 1) {
        std::fprintf(stderr, "render-svg: cannot read %s\n", argv[1]);
        return 1;
    }
    const QSize size = exact ? QSize(number, number) : svg.defaultSize() * number;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "render-svg: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
