// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/BundledImages.h"

#include <QFile>
#include <QImageReader>
#include <QPixmap>

namespace zelkor::images {

namespace {

QString path(const QString &name)
{
    return QStringLiteral(":/images/") + name;
}

// Tells the reader the format and forbids it to go asking the plugins.
void pngOnly(QImageReader &reader)
{
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
}

} // namespace

QImage bundled(const QString &name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString hiDpiName = name;
        hiDpiName.insert(hiDpiName.lastIndexOf(u'.'), QStringLiteral("@2x"));
        if (QFile::exists(path(hiDpiName))) {
            QImage image = bundled(hiDpiName);
            if (!image.isNull()) {
                image.setDevicePixelRatio(2);
                return image;
            }
        }
    }
    QImageReader reader(path(name));
    pngOnly(reader);
    return reader.read();
}

QSize bundledSize(const QString &name)
{
    QImageReader reader(path(name));
    pngOnly(reader);
    return reader.size();
}

QIcon appIcon(qreal devicePixelRatio)
{
    const QString name = QStringLiteral("zelkor.png");
    QIcon icon(QPixmap::fromImage(bundled(name)));
    if (devicePixelRatio > 1.0)
        icon.addPixmap(QPixmap::fromImage(bundled(name, devicePixelRatio)));
    return icon;
}

} // namespace zelkor::images
