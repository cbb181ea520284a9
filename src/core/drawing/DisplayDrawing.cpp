// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drawing/DisplayDrawing.h"

namespace zelkor::views {

DisplayDrawing displayDrawing(const QSizeF &view)
{
    return {QRectF(0, 0, kDisplayWidth, view.height()), QRectF(0, 0, view.width(), view.height())};
}

DisplayDrawing clippedToImage(const DisplayDrawing &drawing, const QSizeF &imageSize)
{
    const QRectF &source = drawing.source;
    const QRectF visible = source.intersected(QRectF(QPointF(0, 0), imageSize));
    if (visible.isEmpty() || source.isEmpty())
        return {};

    const double xScale = drawing.target.width() / source.width();
    const double yScale = drawing.target.height() / source.height();
    const QRectF target(drawing.target.x() + (visible.x() - source.x()) * xScale,
                        drawing.target.y() + (visible.y() - source.y()) * yScale,
                        visible.width() * xScale, visible.height() * yScale);
    return {target, visible};
}

} // namespace zelkor::views
