// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Pictures that are painted from shapes instead of read from image files: the glass display
// that results are shown on, and the app's icon. Painting them keeps image decoding out of the
// start, and they stay sharp at any size and pixel ratio. Shapes are in y-up coordinates (see
// YUpSpace.h) within the picture's size, in points; they are painted in order.

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <optional>
#include <vector>

namespace zelkor::views {

// Colour channels and opacity from 0 to 1.
struct Rgba
{
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    friend bool operator==(const Rgba &, const Rgba &) = default;
};

struct ColorStop
{
    double offset = 0; // along the gradient, 0 at its start and 1 at its end
    Rgba color;
};

// One step of an outline: a straight line to `to`, or a quadratic curve when there is a
// control point. The first step of an outline only says where it starts.
struct OutlineStep
{
    QPointF to;
    std::optional<QPointF> control;
};

struct PictureShape
{
    // A rectangle with corners rounded by `radius`, or the closed outline when there is one.
    QRectF rect;
    double radius = 0;
    std::vector<OutlineStep> outline;
    // A linear gradient from `from` to `to`; one stop fills evenly, none leaves it unfilled.
    std::vector<ColorStop> fill;
    QPointF from;
    QPointF to;
    // The edge, centred on the shape's boundary.
    std::optional<Rgba> stroke;
    double strokeWidth = 1;

    // The area the shape covers, stroke included.
    QRectF bounds() const;
};

struct Picture
{
    QSizeF size;
    std::vector<PictureShape> shapes;
};

// The two displays results are shown on; their views take these sizes.
inline constexpr QSizeF kDisplaySize{416, 120};
inline constexpr QSizeF kSmallDisplaySize{416, 64};

// Dark glass in a bezel, filling `size`: the bezel keeps its width and the glass, its shade and
// its gloss take the rest. Nothing for a size too small to hold the glass.
Picture displayPicture(const QSizeF &size);

// The app's icon, 128 by 128: a banded resistor across a dark tile. It draws the same picture
// as the icon installed with the app (resources/images/src/zelkor.svg).
Picture appIconPicture();

} // namespace zelkor::views
