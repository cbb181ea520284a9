// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/drawing/CenteredTextRect.h"

namespace zelkor::views {

QRectF verticallyCenteredTextRect(const QRectF &base, double textHeight)
{
    // The spare height is a float and halved in float; a NaN counts as no room.
    const float spare = static_cast<float>(base.height() - textHeight);
    if (!(spare > 0.0f))
        return base;

    const double d = spare;
    const double halfSpare = spare * 0.5f;
    return QRectF(base.x() + kCenteredTextIndent, base.y() + halfSpare,
                  base.width() - kCenteredTextIndent, base.height() - d);
}

} // namespace zelkor::views
