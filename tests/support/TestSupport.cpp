// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestSupport.h"

#include "core/text/Texts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <clocale>

namespace zelkor::test {

void initIsolatedApp()
{
    // Each suite gets settings of its own, so that suites can run side by side.
    static QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("ZelkorTest"));
    QCoreApplication::setApplicationName(QStringLiteral("ZelkorTest"));
    clearSettings();
    if (QCoreApplication::instance())
        installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
}

void clearSettings()
{
    QSettings settings;
    settings.clear();
    settings.sync();
}

LocaleGuard::LocaleGuard()
{
    const char *current = std::setlocale(LC_ALL, nullptr);
    m_cLocale = current ? current : "C";
}

LocaleGuard::~LocaleGuard()
{
    QLocale::setDefault(m_defaultLocale);
    std::setlocale(LC_ALL, m_cLocale.c_str());
    if (QCoreApplication::instance())
        installTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
}

} // namespace zelkor::test
