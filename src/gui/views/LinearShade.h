// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A brush that shades from colour to colour along a line, as a QLinearGradient does with its
// stops (padded beyond both ends), for the painter it is made for and a line that runs across or
// down its pixels. Qt keeps a table of 12 KiB for every gradient it has painted for as long as
// the app runs; this brush is a strip of the shade's own pixels, freed with the brush. For the
// shaded strips of the panels' chrome; Qt fills a large area of a picture on threads of its own
// (see PicturePainter.cpp).

#include <QBrush>
#include <QGradient>
#include <QPointF>

class QPainter;

namespace zelkor::views {

QBrush linearShade(const QPainter &painter, QPointF from, QPointF to, const QGradientStops &stops);

} // namespace zelkor::views
