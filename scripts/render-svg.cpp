// Renders one SVG into a PNG at a pixel ratio: render-svg in.svg out.png ratio
// Built and run by scripts/render-images.

#include <cstdio>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-svg in.svg out.png ratio\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int ratio = QByteArray(argv[3]).toInt();
    if (!svg.isValid() || ratio < 1) {
        std::fprintf(stderr, "render-svg: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(svg.defaultSize() * ratio, QImage::Format_ARGB32_Premultiplied);
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
