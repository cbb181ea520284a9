// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pictures that come with Zelkor: PNG files in the resources. The plain ones Zelkor brings
// are decoded here; Qt's image reader would first open every image plugin file there is, even
// when told the format. Any other PNG goes to Qt's own PNG reader alone.

#include <QByteArray>
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

// The PNG file's picture, as Qt's PNG reader would give it; a null image when it is none.
QImage decodePng(const QByteArray &file);

// Zelkor's icon for its windows, for screens of the given pixel ratio.
QIcon appIcon(qreal devicePixelRatio);

} // namespace zelkor::images
