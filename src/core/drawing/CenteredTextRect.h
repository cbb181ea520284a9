// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where a result field lays out its text: centred vertically and indented from the left
// whenever the field is taller than its text.

#include <QRectF>

namespace zelkor::views {

inline constexpr double kCenteredTextPointSize = 16.0;
inline constexpr double kCenteredTextIndent = 10.0;

// base is the field's own text rectangle and textHeight the height its text needs. With room
// to spare the result is textHeight high, centred in base, and starts kCenteredTextIndent
// further right; otherwise base comes back unchanged. Works for y-up and y-down alike.
QRectF verticallyCenteredTextRect(const QRectF &base, double textHeight);

} // namespace zelkor::views
