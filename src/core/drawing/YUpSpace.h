// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The panel chrome is planned in y-up coordinates: origin at the bottom left, y growing
// upwards, the way its drawing rules are written. Qt paints y-down. YUpSpace is the one place
// where a plan's points and rectangles are turned over into Qt's coordinates.

#include <QPointF>
#include <QRectF>

namespace zelkor::views {

class YUpSpace
{
public:
    // A y-up space as high as the widget (or image) it will be painted into.
    explicit YUpSpace(double height) : m_height(height) {}

    QPointF toQt(QPointF yUp) const { return {yUp.x(), m_height - yUp.y()}; }
    // Same rectangle, described from its top-left corner in y-down coordinates.
    QRectF toQt(const QRectF &yUp) const
    {
        return QRectF(toQt(QPointF(yUp.left(), yUp.bottom())), yUp.size());
    }

private:
    double m_height;
};

} // namespace zelkor::views
