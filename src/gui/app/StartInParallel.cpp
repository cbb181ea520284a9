// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/app/StartInParallel.h"

#include <QDBusConnection>
#include <QGuiApplication>

#include <clocale>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <system_error>

using namespace zelkor;

namespace {

// Without a thread to spare, the work stays where Qt does it, on the GUI thread.
template <typename Work> std::thread startHelper(Work work)
{
    try {
        return std::thread(work);
    } catch (const std::system_error &) {
        return {};
    }
}

void join(std::thread &helper)
{
    if (helper.joinable())
        helper.join();
}

} // namespace

FontConfigurationLoad::FontConfigurationLoad()
{
    // While the helper reads, the application object sets the locale from the environment, and
    // the platform takes its startup token out of the environment: both are the process's own,
    // read by fontconfig. Setting the locale first leaves Qt nothing to change; with a token to
    // take out, fontconfig waits for Qt as it would anyway.
    if (std::getenv("DESKTOP_STARTUP_ID") || std::getenv("XDG_ACTIVATION_TOKEN"))
        return;
    std::setlocale(LC_ALL, "");
    // Fontconfig keeps the loaded configuration for the process; Qt's own FcInit() finds it.
    m_helper = startHelper([] { FcInit(); });
}

FontConfigurationLoad::~FontConfigurationLoad()
{
    join(m_helper);
}

void FontConfigurationLoad::wait()
{
    join(m_helper);
}

SessionBusConnection::SessionBusConnection()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    // Qt keeps the connection, made or failed, for everyone who asks later.
    m_helper = startHelper([] { QDBusConnection::sessionBus(); });
}

SessionBusConnection::~SessionBusConnection()
{
    join(m_helper);
}
