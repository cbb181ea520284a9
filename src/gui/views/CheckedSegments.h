// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Segmented controls are exclusive groups of checkable push buttons. Most styles draw the
// checked one only a shade darker, which a glance misses, so it is filled with the palette's
// highlight instead, moved in lightness where needed to stand out from the other segments.

class QColor;
class QPalette;
class QWidget;

namespace zelkor::views {

// The fill of a checked segment: the highlight, lightened or darkened until its contrast ratio
// to the button colour, shaded as styles shade it, is at least 3.5 (3 is the least that reads as
// a state, plus room for styles that shade more).
QColor checkedSegmentFill(const QPalette &palette);

// Paints the checked button of every exclusive group of push buttons below panel in that fill,
// in whatever palette the button has when painted.
void emphasizeCheckedSegments(QWidget *panel);

} // namespace zelkor::views
