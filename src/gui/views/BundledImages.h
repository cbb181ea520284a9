// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pictures that come with Zelkor: PNG files in the resources, read with Qt's own PNG reader
// alone. Left to find out the format itself, Qt would first load every image plugin there is
// (and with them the SVG and JPEG libraries) only to ask each one whether it knows the file.

#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

namespace zelkor::images {

// The picture ":/images/<name>". Where devicePixelRatio is above 1 and there is an "@2x"
// variant, that one, marked with ratio 2. A missing picture is a null image.
QImage bundled(const QString &name, qreal devicePixelRatio = 1.0);

// The size of ":/images/<name>" in pixels, from its header alone; invalid when it is missing.
QSize bundledSize(const QString &name);

// Zelkor's icon for its windows, for screens of the given pixel ratio.
QIcon appIcon(qreal devicePixelRatio);

} // namespace zelkor::images
