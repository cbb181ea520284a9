// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/views/AppIcon.h"

#include "core/drawing/Pictures.h"
#include "gui/views/PicturePainter.h"

namespace zelkor::views {

QIcon appIcon()
{
    QList<QImage> painted;
    for (const IconPixels &icon : appIconPixels()) {
        // Read where they lie, without a copy.
        painted.append(QImage(reinterpret_cast<const uchar *>(icon.argb.data()), icon.side,
                              icon.side, icon.side * 4, QImage::Format_ARGB32_Premultiplied));
    }
    return pictureIcon(appIconPicture(), painted);
}

} // namespace zelkor::views
