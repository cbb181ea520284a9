// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a panel header draws, as data: a dark glossy strip whose two halves meet in a visible
// step, a light line along the top edge and a dark line along the bottom edge. Everything is
// in y-up coordinates (see YUpSpace.h); grey levels run from 0 (black) to 1 (white).

#include <QPointF>
#include <QRectF>

namespace zelkor::views {

// A linear gradient filling rect, startGrey at start and endGrey at end.
struct GradientFill
{
    QRectF rect;
    QPointF start;
    QPointF end;
    double startGrey = 0;
    double endGrey = 0;
};

// A straight stroke centred on the line from `from` to `to`.
struct StrokedLine
{
    QPointF from;
    QPointF to;
    double grey = 0;
    double width = 1;
};

struct HeaderDrawing
{
    QRectF fill; // black
    GradientFill upperHalf;
    GradientFill lowerHalf;
    StrokedLine topLine;
    StrokedLine bottomLine;
};

// The header for the area `drawn`: the strip reaches from the origin to drawn's right and top
// edges and splits at half of that height.
HeaderDrawing headerDrawing(const QRectF &drawn);

} // namespace zelkor::views
