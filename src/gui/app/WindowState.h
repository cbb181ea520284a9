// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's size, place and maximised state and the width of the source list, kept from
// one run to the next under "window/" in the settings.

class QSettings;
class QSplitter;
class QWidget;

namespace zelkor::window {

void save(QSettings &settings, const QWidget *window, const QSplitter *splitter);

// Call before the window is first shown. Each kept value counts only when it is of the right
// type and fits the screens there are now: a place off every screen is dropped, and the
// platform places the window as on a first start.
void restore(QSettings &settings, QWidget *window, QSplitter *splitter);

} // namespace zelkor::window
