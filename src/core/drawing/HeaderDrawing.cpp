// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drawing/HeaderDrawing.h"

namespace zelkor::views {

namespace {

// Both halves brighten or darken upwards: the starting grey lies along the bottom edge.
GradientFill upwards(const QRectF &rect, double bottomGrey, double topGrey)
{
    return {rect, QPointF(rect.left(), rect.top()), QPointF(rect.left(), rect.bottom()), bottomGrey,
            topGrey};
}

} // namespace

HeaderDrawing headerDrawing(const QRectF &drawn)
{
    // In y-up terms QRectF's top() is the lower edge and bottom() the upper one.
    const double right = drawn.x() + drawn.width();
    const double top = drawn.y() + drawn.height();
    const double middle = top * 0.5;

    HeaderDrawing d;
    d.fill = drawn;
    d.upperHalf = upwards(QRectF(0, middle, right, middle), 0.24, 0.46);
    d.lowerHalf = upwards(QRectF(0, 0, right, middle), 0.199, 0.167);
    d.topLine = {QPointF(0, top), QPointF(right, top), 0.6, 1.0};
    d.bottomLine = {QPointF(0, 0), QPointF(right, 0), 0.15, 1.0};
    return d;
}

} // namespace zelkor::views
