// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Paints the pictures planned in core/drawing/Pictures.h, and makes the app's icon of one.

#include "core/drawing/Pictures.h"

#include <QIcon>
#include <QRectF>

class QPainter;

namespace zelkor::views {

// The picture stretched to fill `target`, antialiased.
void paintPicture(QPainter &painter, const Picture &picture, const QRectF &target);

// The app's icon, painted afresh at every size and pixel ratio it is asked for.
QIcon appIcon();

} // namespace zelkor::views
