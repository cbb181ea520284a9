// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/LinearShade.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace zelkor::views {

namespace {

// Pixels of the end colours before and after the shade, for the edges of a shape that reach
// just past either end.
constexpr int kPad = 2;

// The strip repeats this many pixels across the shade: Qt fills from a repeated picture a run
// of it at a time, and a strip one pixel across cost a step for every pixel filled.
constexpr int kRun = 64;

// Premultiplied, and mixed so, as Qt mixes the colours of a gradient.
QRgb colorAt(const QGradientStops &stops, double t)
{
    auto next = std::find_if(stops.begin(), stops.end(),
                             [t](const QGradientStop &stop) { return stop.first > t; });
    if (next == stops.begin())
        return qPremultiply(stops.front().second.rgba());
    if (next == stops.end())
        return qPremultiply(stops.back().second.rgba());
    const QGradientStop &before = *(next - 1);
    const double span = next->first - before.first;
    const double f = span > 0 ? (t - before.first) / span : 1.0;
    const auto mix = [f](int a, int b) { return int(std::lround(a + (b - a) * f)); };
    const QRgb a = qPremultiply(before.second.rgba()), b = qPremultiply(next->second.rgba());
    return qRgba(mix(qRed(a), qRed(b)), mix(qGreen(a), qGreen(b)), mix(qBlue(a), qBlue(b)),
                 mix(qAlpha(a), qAlpha(b)));
}

} // namespace

QBrush linearShade(const QPainter &painter, QPointF from, QPointF to, const QGradientStops &stops)
{
    if (stops.isEmpty())
        return Qt::NoBrush;
    // The shade is laid out in the pixels it lands on: a strip, repeated across it.
    const QTransform toDevice = painter.combinedTransform();
    const QPointF a = toDevice.map(from), b = toDevice.map(to);
    const QPointF along = b - a;
    const bool vertical = std::abs(along.x()) < 1e-9;
    const bool horizontal = std::abs(along.y()) < 1e-9;
    if ((vertical && horizontal) || !(vertical || horizontal) || !toDevice.isInvertible())
        return stops.front().second; // no direction, or a slanted one: not needed here

    const double start = vertical ? a.y() : a.x();
    const double length = vertical ? along.y() : along.x();
    const int first = int(std::floor(std::min(start, start + length))) - kPad;
    const int count = int(std::ceil(std::abs(length))) + 2 * kPad + 1;
    QImage strip(vertical ? kRun : count, vertical ? count : kRun,
                 QImage::Format_ARGB32_Premultiplied);
    uchar *const bits = strip.bits();
    const qsizetype line = strip.bytesPerLine();
    for (int i = 0; i < count; ++i) {
        const double t = std::clamp((first + i + 0.5 - start) / length, 0.0, 1.0);
        const QRgb color = colorAt(stops, t);
        if (vertical)
            std::fill_n(reinterpret_cast<QRgb *>(bits + i * line), kRun, color);
        else
            reinterpret_cast<QRgb *>(bits)[i] = color;
    }
    for (int j = 1; !vertical && j < kRun; ++j)
        std::copy_n(bits, count * sizeof(QRgb), bits + j * line);
    QBrush brush(strip);
    const QTransform place =
        vertical ? QTransform::fromTranslate(0, first) : QTransform::fromTranslate(first, 0);
    brush.setTransform(place * toDevice.inverted());
    return brush;
}

} // namespace zelkor::views
