// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Paints the pictures planned in core/drawing/Pictures.h, and makes icons of them.

#include "core/drawing/Pictures.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QRectF>

class QPainter;

namespace zelkor::views {

// The picture stretched to fill `target`, antialiased.
void paintPicture(QPainter &painter, const Picture &picture, const QRectF &target);

// An icon of the picture: the sizes painted already (square, premultiplied ARGB) as they are, and
// any other size and pixel ratio painted when first asked for. The ready sizes are the ones it
// offers a window's desktop.
QIcon pictureIcon(Picture picture, const QList<QImage> &painted);

// The app's icon (AppIcon.cpp), ready in the sizes X11 window managers ask for: EWMH names 16, 32
// and 48; larger views take the installed icon.
QIcon appIcon();

} // namespace zelkor::views
