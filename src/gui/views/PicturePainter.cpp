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
    explicit PictureIconEngine(Picture picture) : m_picture(std::move(picture)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        paintPicture(*painter, m_picture, rect);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // The window asks for its icon in several sizes, and more than once; each is painted once.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        const QSize pixels = size * scale;
        const auto key = std::pair(pixels.width(), pixels.height());
        if (const auto it = m_painted.constFind(key); it != m_painted.constEnd()) {
            QPixmap pixmap = *it;
            pixmap.setDevicePixelRatio(scale);
            return pixmap;
        }
        QPixmap pixmap(pixels);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), pixels), mode, state);
        }
        m_painted.insert(key, pixmap);
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    // What a window hands its desktop: the sizes X11 window managers ask for (EWMH names 16, 32
    // and 48); larger views take the installed icon. Any other size is painted when asked for.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {32, 32}, {48, 48}};
    }

    QIconEngine *clone() const override { return new PictureIconEngine(m_picture); }

private:
    Picture m_picture;
    QHash<std::pair<int, int>, QPixmap> m_painted;
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

QIcon appIcon()
{
    return QIcon(new PictureIconEngine(appIconPicture()));
}

} // namespace zelkor::views
