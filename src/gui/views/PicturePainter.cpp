// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/PicturePainter.h"

#include "core/drawing/YUpSpace.h"

#include <QHash>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>

namespace zelkor::views {

namespace {

QColor toQColor(const Rgba &c)
{
    return QColor::fromRgbF(float(c.red), float(c.green), float(c.blue), float(c.alpha));
}

QPainterPath pathOf(const PictureShape &shape, const YUpSpace &space)
{
    QPainterPath path;
    if (shape.outline.empty()) {
        path.addRoundedRect(space.toQt(shape.rect), shape.radius, shape.radius);
        return path;
    }
    path.moveTo(space.toQt(shape.outline.front().to));
    for (auto step = shape.outline.begin() + 1; step != shape.outline.end(); ++step) {
        if (step->control)
            path.quadTo(space.toQt(*step->control), space.toQt(step->to));
        else
            path.lineTo(space.toQt(step->to));
    }
    path.closeSubpath();
    return path;
}

// The band a pen of the shape's stroke width would draw along its boundary, as an area: for a
// rounded rectangle the rectangle grown by half the width less the one shrunk by as much.
QPainterPath edgeOf(const PictureShape &shape, const YUpSpace &space)
{
    if (!shape.outline.empty())
        return QPainterPathStroker(QPen(Qt::black, shape.strokeWidth)).createStroke(pathOf(shape, space));
    const double half = shape.strokeWidth / 2;
    const QRectF rect = space.toQt(shape.rect);
    QPainterPath edge;
    edge.setFillRule(Qt::OddEvenFill);
    edge.addRoundedRect(rect.adjusted(-half, -half, half, half), shape.radius + half,
                        shape.radius + half);
    const double inner = std::max(shape.radius - half, 0.0);
    edge.addRoundedRect(rect.adjusted(half, half, -half, -half), inner, inner);
    return edge;
}

// Qt fills a large area of one colour, or of a picture, on threads that it starts for that, and
// the first time starting them takes longer than painting the whole display; a gradient it fills
// on the painting thread. So the pictures' shades and edges, which run round the whole shape,
// are painted as gradients, an edge as one of a single colour.
QBrush evenly(const QColor &color)
{
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setColorAt(0, color);
    gradient.setColorAt(1, color);
    return gradient;
}

QBrush brushOf(const PictureShape &shape, const YUpSpace &space)
{
    if (shape.fill.empty())
        return Qt::NoBrush;
    if (shape.fill.size() == 1) // the pictures' single colours cover few rows
        return toQColor(shape.fill.front().color);
    QLinearGradient gradient(space.toQt(shape.from), space.toQt(shape.to));
    // Two stops at one offset make a sharp step; Qt keeps one stop per offset, so the second
    // goes a hair further.
    double last = -1;
    for (const ColorStop &stop : shape.fill) {
        last = std::min(std::max(stop.offset, std::nextafter(last, 2.0)), 1.0);
        gradient.setColorAt(last, toQColor(stop.color));
    }
    return gradient;
}

class PictureIconEngine : public QIconEngine
{
public:
    PictureIconEngine(Picture picture, const QList<QImage> &painted)
        : m_picture(std::move(picture)), m_ready(painted)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        paintPicture(*painter, m_picture, rect);
    }

    // A window asks for its icon in several sizes, and more than once; each is made once. Qt
    // asks in pixels, and sets the pixel ratio itself.
    QPixmap pixmap(const QSize &pixels, QIcon::Mode mode, QIcon::State state) override
    {
        const auto key = std::pair(pixels.width(), pixels.height());
        auto it = m_pixmaps.constFind(key);
        if (it == m_pixmaps.constEnd()) {
            const auto ready = std::find_if(m_ready.begin(), m_ready.end(),
                                            [&](const QImage &i) { return i.size() == pixels; });
            QPixmap pixmap;
            if (ready != m_ready.end()) {
                pixmap = QPixmap::fromImage(*ready);
            } else {
                pixmap = QPixmap(pixels);
                pixmap.fill(Qt::transparent);
                QPainter painter(&pixmap);
                paint(&painter, QRect(QPoint(0, 0), pixels), mode, state);
            }
            it = m_pixmaps.insert(key, pixmap);
        }
        return *it;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const QImage &image : m_ready)
            sizes.append(image.size());
        return sizes;
    }

    QIconEngine *clone() const override { return new PictureIconEngine(m_picture, m_ready); }

private:
    Picture m_picture;
    QList<QImage> m_ready;
    QHash<std::pair<int, int>, QPixmap> m_pixmaps;
};

} // namespace

void paintPicture(QPainter &painter, const Picture &picture, const QRectF &target)
{
    if (picture.size.isEmpty() || target.isEmpty())
        return;
    const YUpSpace space(picture.size.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / picture.size.width(), target.height() / picture.size.height());
    for (const PictureShape &shape : picture.shapes) {
        painter.fillPath(pathOf(shape, space), brushOf(shape, space));
        if (shape.stroke)
            painter.fillPath(edgeOf(shape, space), evenly(toQColor(*shape.stroke)));
    }
    painter.restore();
}

QIcon pictureIcon(Picture picture, const QList<QImage> &painted)
{
    return QIcon(new PictureIconEngine(std::move(picture), painted));
}

} // namespace zelkor::views
