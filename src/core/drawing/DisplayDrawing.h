// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a display frame picture is laid into its view, as data. The picture is always drawn
// 416 points wide from the view's bottom-left corner, as high as the view, and it shows the
// part of the image from the image's own bottom-left corner that is as large as the view. So a
// 416-point-wide view shows the image unscaled, and any other width stretches or squeezes it
// horizontally. Coordinates are y-up (see YUpSpace.h); lengths in points.

#include <QRectF>
#include <QSizeF>

namespace zelkor::views {

inline constexpr double kDisplayWidth = 416.0;

struct DisplayDrawing
{
    QRectF target; // in the view
    QRectF source; // in the image
};

DisplayDrawing displayDrawing(const QSizeF &view);

// The part of drawing whose source lies inside an image of imageSize, with the target shrunk
// in proportion: the rest of the target would have nothing to show. Empty when nothing is left.
DisplayDrawing clippedToImage(const DisplayDrawing &drawing, const QSizeF &imageSize);

} // namespace zelkor::views
