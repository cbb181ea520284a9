// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A selectable label carries Qt's whole text editing machinery, a text document with its own
// layout, from the moment it is made selectable; on a panel that is most of what the panel
// costs to show. The labels wait as plain labels instead and become selectable at the first
// press of a mouse button on them, which then goes on to start the selection, to place the
// focus or to open the context menu as usual.

class QWidget;

namespace zelkor::views {

// Every selectable label below panel waits for its first press.
void selectTextOnFirstPress(QWidget *panel);

} // namespace zelkor::views
