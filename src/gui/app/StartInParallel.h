// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Two parts of Qt's start that the GUI thread would otherwise wait for, begun on helper threads
// so that they run while Qt connects to the display and the window is built:
//
// - Fontconfig reads its configuration files and font caches the first time any text is
//   measured. That is the largest single part of a start, and it needs nothing from Qt.
// - Qt's accessibility bridge connects to the session bus the first time a widget is named.
//   Where no bus runs, libdbus first tries to launch one, which forks the whole process.

#include <thread>

namespace zelkor {

// Create before the application object, and call wait() before the first widget: from then on
// Qt asks fontconfig itself, on the GUI thread. Sets the locale from the environment, as the
// application object does. Does nothing where the desktop hands over a startup token, which Qt
// takes out of the environment while fontconfig would be reading it.
class FontConfigurationLoad
{
public:
    FontConfigurationLoad();
    ~FontConfigurationLoad();
    void wait();

    FontConfigurationLoad(const FontConfigurationLoad &) = delete;
    FontConfigurationLoad &operator=(const FontConfigurationLoad &) = delete;

private:
    std::thread m_helper;
};

// Create after the application object, so that the helper is joined before it goes. Does
// nothing on platforms without a desktop session (offscreen, minimal).
class SessionBusConnection
{
public:
    SessionBusConnection();
    ~SessionBusConnection();

    SessionBusConnection(const SessionBusConnection &) = delete;
    SessionBusConnection &operator=(const SessionBusConnection &) = delete;

private:
    std::thread m_helper;
};

} // namespace zelkor
