// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drawing/Pictures.h"

#include <algorithm>

namespace zelkor::views {

namespace {

constexpr Rgba hex(unsigned rgb, double alpha = 1)
{
    return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0,
            alpha};
}

// The pictures are designed from their top edge down; this turns such a rectangle, and a point,
// into the picture's y-up space.
struct FromTop
{
    double height;

    QRectF rect(double x, double top, double width, double h) const
    {
        return {x, height - top - h, width, h};
    }
    QPointF point(double x, double y) const { return {x, height - y}; }
};

// A gradient from the shape's top edge down to its bottom edge.
PictureShape downwards(PictureShape shape, std::vector<ColorStop> stops)
{
    const QRectF area = shape.outline.empty() ? shape.rect : shape.bounds();
    shape.fill = std::move(stops);
    shape.from = QPointF(area.left(), area.bottom());
    shape.to = QPointF(area.left(), area.top());
    return shape;
}

PictureShape roundedRect(const QRectF &rect, double radius)
{
    PictureShape shape;
    shape.rect = rect;
    shape.radius = radius;
    return shape;
}

PictureShape solid(PictureShape shape, Rgba color)
{
    shape.fill = {{0, color}};
    return shape;
}

PictureShape stroked(PictureShape shape, Rgba color, double width = 1)
{
    shape.stroke = color;
    shape.strokeWidth = width;
    return shape;
}

} // namespace

QRectF PictureShape::bounds() const
{
    QRectF area = rect;
    if (!outline.empty()) {
        double left = outline.front().to.x(), right = left;
        double bottom = outline.front().to.y(), top = bottom;
        for (const OutlineStep &step : outline) {
            for (const std::optional<QPointF> &p : {std::optional(step.to), step.control}) {
                if (!p)
                    continue;
                left = std::min(left, p->x());
                right = std::max(right, p->x());
                bottom = std::min(bottom, p->y());
                top = std::max(top, p->y());
            }
        }
        area = QRectF(left, bottom, right - left, top - bottom);
    }
    if (!stroke)
        return area;
    const double half = strokeWidth / 2;
    return area.adjusted(-half, -half, half, half);
}

Picture displayPicture(const QSizeF &size)
{
    const double w = size.width();
    const double h = size.height();
    // The glass starts 6 points in; its inner edge one further, where the gloss begins.
    if (w < 24 || h < 24)
        return {size, {}};
    const FromTop t{h};

    Picture picture{size, {}};
    auto &shapes = picture.shapes;
    shapes.push_back(stroked(downwards(roundedRect(t.rect(0.5, 0.5, w - 1, h - 1), 9),
                                       {{0, hex(0x6b7179)}, {0.5, hex(0x43484f)}, {1, hex(0x2b2f34)}}),
                             hex(0x1a1c1f)));
    shapes.push_back(stroked(roundedRect(t.rect(1.5, 1.5, w - 3, h - 3), 8), hex(0xffffff, 0.18)));
    shapes.push_back(stroked(downwards(roundedRect(t.rect(6, 6, w - 12, h - 12), 5),
                                       {{0, hex(0x0a1219)}, {1, hex(0x16262f)}}),
                             hex(0x05080b)));
    // A shadow under the bezel's upper edge.
    shapes.push_back(downwards(roundedRect(t.rect(6.5, 6.5, w - 13, 5), 4),
                               {{0, hex(0x000000, 0.55)}, {1, hex(0x000000, 0)}}));

    // The gloss over the upper part of the glass, its lower edge a shallow curve that dips
    // towards the left.
    const double inner = h - 14;   // the glass's inner height
    const double right = 7 + 0.46 * inner;
    PictureShape gloss;
    gloss.outline = {{t.point(11, 7), {}},
                     {t.point(w - 11, 7), {}},
                     {t.point(w - 7, 11), t.point(w - 7, 7)},
                     {t.point(w - 7, right), {}},
                     {t.point(7, right + 6), t.point(w / 2, right - 9)},
                     {t.point(7, 11), {}},
                     {t.point(11, 7), t.point(7, 7)}};
    shapes.push_back(downwards(gloss, {{0, hex(0xffffff, 0.16)}, {1, hex(0xffffff, 0.03)}}));

    // A faint light along the glass's lower edge.
    shapes.push_back(solid(roundedRect(t.rect(6.5, h - 7.5, w - 13, 1), 0), hex(0xffffff, 0.07)));
    return picture;
}

Picture appIconPicture()
{
    const FromTop t{128};
    Picture picture{{128, 128}, {}};
    auto &shapes = picture.shapes;
    // The tile: lighter above, with a step across its middle like the panel headers.
    shapes.push_back(stroked(downwards(roundedRect(t.rect(4, 4, 120, 120), 24),
                                       {{0, hex(0x5a6068)},
                                        {0.5, hex(0x33383e)},
                                        {0.5, hex(0x2a2e33)},
                                        {1, hex(0x1c1f23)}}),
                             hex(0x111315), 2));
    shapes.push_back(downwards(roundedRect(t.rect(6, 6, 116, 56), 22),
                               {{0, hex(0xffffff, 0.22)}, {1, hex(0xffffff, 0)}}));
    // The leads, then the body over them.
    shapes.push_back(downwards(roundedRect(t.rect(12, 61, 104, 6), 3),
                               {{0, hex(0xf4f6f8)}, {1, hex(0x8d949c)}}));
    shapes.push_back(stroked(downwards(roundedRect(t.rect(32, 44, 64, 40), 16),
                                       {{0, hex(0xf1e1bd)}, {0.45, hex(0xd8bf8c)}, {1, hex(0x9c8358)}}),
                             hex(0x5e4e33), 1.5));
    // Brown, black, red and a gold tolerance band: 1 kΩ ±5 %.
    shapes.push_back(solid(roundedRect(t.rect(43, 44.8, 7, 38.4), 0), hex(0x7a4a1e)));
    shapes.push_back(solid(roundedRect(t.rect(55, 44.8, 7, 38.4), 0), hex(0x1b1b1b)));
    shapes.push_back(solid(roundedRect(t.rect(67, 44.8, 7, 38.4), 0), hex(0xc62828)));
    shapes.push_back(solid(roundedRect(t.rect(81, 45.5, 6, 37), 0), hex(0xc9a23a)));
    shapes.push_back(solid(roundedRect(t.rect(34, 47, 60, 9), 4.5), hex(0xffffff, 0.25)));
    return picture;
}

} // namespace zelkor::views
